// Names for a screen reader, given once for every window: a field, drop-down or date field is
// named by the caption before it (or over it) and the unit after it, as the window lays them
// out; a drawing is described by the window it belongs to. Controls named by their screen keep
// their names.
#pragma once

class QWidget;

namespace hanhai::shell {

void nameControls(QWidget *window);

}  // namespace hanhai::shell
