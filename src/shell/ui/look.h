// The suite's standard look: fonts, colours, buttons with their pictures, pointing hands.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <functional>

class QWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hanhai::shell::look {

// The faces the screens are designed in, each with the nearest installed fallbacks.
QFont xinwei(double points, bool bold = false);   // 华文新魏
QFont xingkai(double points, bool bold = false);  // 华文行楷
QFont song(double points, bool bold = false);     // 宋体

// Window backgrounds.
inline const QColor kVolumeBackground{255, 224, 224};  // light red
inline const QColor kWeightBackground{255, 255, 214};  // light yellow
inline const QColor kMenuBackground{255, 228, 196};    // light orange
inline const QColor kInfoBackground{214, 255, 214};    // light green
inline const QColor kPipingBackground{220, 236, 255};  // light blue
inline const QColor kHeatingBackground{255, 236, 228}; // light rose
inline const QColor kCaptionBackground{255, 214, 170};  // input captions: light orange

// Buttons.
inline const QColor kCalculateColour{255, 128, 255};  // magenta
inline const QColor kBackColour{128, 255, 255};       // cyan
inline const QColor kExitColour{255, 176, 64};        // orange

// Text colours named by the screens.
inline const QColor kDarkRed{192, 0, 0};
inline const QColor kDarkTeal{0, 64, 64};
inline const QColor kDarkBlue{0, 0, 128};
inline const QColor kDarkCyan{0, 128, 128};
inline const QColor kDarkGreen{0, 128, 0};
inline const QColor kRed{255, 0, 0};
inline const QColor kEntryBlue{192, 192, 255};

void pointingHand(QWidget *w);

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QFont &font,
              const QColor &colour = QColor());
QLineEdit *field(QWidget *parent, const QString &name, const QFont &font);
// A command button; a double click on it is one click.
QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QColor &background, const QFont &font);

// An editable drop-down holding `items`, showing `prompt` until an entry is picked. Typed text
// is taken as typed: never completed from the list, never added to it.
QComboBox *dropDown(QWidget *parent, const QString &name, const QFont &font, const QStringList &items,
                    const QString &prompt);

// Runs `picked` with the entry's index when the user picks an entry of a drop-down from its list
// (or with the arrow keys); a typed text never counts as a pick, not even one that equals an
// entry, whether editing ends with Enter or by leaving the field.
void onPick(QComboBox *box, QObject *context, std::function<void(int index)> picked);

// Shows a red, centred design text (a recommended value or a quantity).
void markRecommended(QLineEdit *field);

// A caption centred on the light orange band of input rows.
void shadeCaption(QLabel *caption);

// Writes a field the way every screen does: the start of the text stays in view, so a long
// number is never seen without its leading digits.
void showText(QLineEdit *field, const QString &text);

// Writes a unit such as "mm", "m³" or "W/(m²·K)": the small figures are raised.
QString unitMarkup(const QString &unit);

QIcon returnArrowIcon();
QIcon stopSignIcon();

}  // namespace hanhai::shell::look
