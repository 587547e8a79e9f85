// The decimal-places group: a caption over three or four options choosing how a kept result
// is shown ("保留1位小数" ... "保留N位小数").
#pragma once

#include <QWidget>

#include "shell/core/numbers.h"

class QButtonGroup;

namespace hanhai::shell {

class PlacesGroup : public QWidget {
    Q_OBJECT
public:
    // options: 3 or 4; start: the option selected when the screen opens; controls: the
    // options' object names (Option1 ... when empty).
    PlacesGroup(int options, Places start, const QString &caption, QWidget *parent,
                const QStringList &controls = {});

    Places places() const;
    QList<QWidget *> optionButtons() const;

signals:
    void chosen(Places places);  // an option was clicked

private:
    QButtonGroup *group_;
};

}  // namespace hanhai::shell
