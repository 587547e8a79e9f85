// The calculator screen: a window composed of rows of fields, frames, buttons and an optional
// decimal-places group, with the calculate, option and clear flows every calculator shares.
// A screen states its rows and its computation; `CalculatorDesign` is the usual arrangement
// (drawing and note on the left, fields, buttons, results and options on the right).
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "shell/core/numbers.h"
#include "shell/ui/form.h"
#include "shell/ui/sketch.h"
#include "shell/ui/window.h"

class QGridLayout;
class QGroupBox;
class QPushButton;

namespace hanhai::shell {

class PlacesGroup;

enum class Failure {
    Blank,  // after a failure the results are emptied
    Hold,   // after a failure the results keep their text
};

// How rows look: the fonts, the width of the fields and whether captions stand on a shaded band.
struct RowStyle {
    QFont caption;
    QFont field;
    QFont unit;
    int fieldWidth = 150;
    int fieldHeight = 0;  // 0: as the font needs
    bool shadedCaption = false;  // light orange behind a centred caption
    bool choiceBelowCaption = false;
    int spacing = 8;
};
RowStyle inputRowStyle();   // the usual input rows
RowStyle resultRowStyle();  // the usual result rows

class CalculatorScreen : public ScreenWindow {
    Q_OBJECT
public:
    // What the calculate button and the options run; a lookup screen may have none.
    using Computation = std::function<Outcome(const Fields &)>;

    CalculatorScreen(const QString &name, const QString &caption, const QColor &background, Computation compute);

    // Composing the screen. Controls are created in tab order.
    // Rows in a grid of caption, field, unit and hint; `columns` side by side, filled top down.
    QGridLayout *addRows(QWidget *parent, const std::vector<Row> &rows, const RowStyle &style, int columns = 1);
    QGroupBox *addFrame(const QString &control, const QString &title, QWidget *parent = nullptr);
    QPushButton *addCalculateButton(const QString &control, const QString &caption = QStringLiteral("计算结果"));
    QPushButton *addClearButton(const QString &control, const QString &caption);
    QPushButton *addButton(const QString &control, const QString &caption, std::function<void()> action);
    PlacesGroup *addPlaces(int options, Places start, const QString &caption, const QStringList &controls = {});
    // After everything is placed: the tab order, the first field and the fixed size.
    void finish(QSize least = kStandardWindow);

    void setFailure(Failure failure, const QString &inputMessage = {});
    // What a screen does after a failure beyond its failure style (fromCalculate: the calculate
    // button, not an option).
    void setAfterFailure(std::function<void(CalculatorScreen &, bool fromCalculate)> after);

    // The flows.
    void calculate();     // the calculate button
    void recompute();     // an option of the decimal-places group: no input message
    void clear();         // the clear button
    // Writes an outcome's results, or handles its failure (messages only when `fromCalculate`).
    void show(const Outcome &outcome, bool fromCalculate);

    Fields fields() const { return Fields(this); }
    Places places() const;
    // Sets a field's or drop-down's text; a field shows the start of its text.
    void write(const QString &control, const QString &text);
    void setFrameVisible(const QString &frame, bool visible);

private:
    void fail(bool fromCalculate);
    void track(QWidget *w) { tabChain_ << w; }

    Computation compute_;
    std::vector<Row> rows_;
    PlacesGroup *places_ = nullptr;
    Failure failure_ = Failure::Blank;
    QString inputMessage_;
    std::function<void(CalculatorScreen &, bool)> afterFailure_;
    QList<QWidget *> tabChain_;
    int units_ = 0;  // unit labels so far: Label5(0), Label5(1) ...
};

// The usual calculator, as a table.
struct CalculatorDesign {
    QString name;     // screen name and object name
    QString caption;  // window title
    QString title;    // Label1
    QColor background;

    std::vector<Row> inputs;  // drop-downs and number fields, in screen order
    // A count N: the results are then a single weight and a total.
    std::optional<Row> quantity;
    QString resultHeading;  // a heading above the results, e.g. "重  量"
    std::vector<Row> results;  // shown through the decimal-places group

    int options = 4;  // decimal-places options: 3 or 4
    Places start = Places::Unrounded;
    QStringList optionControls;  // the options' object names where not Option1, Option2 ...
    Failure failure = Failure::Blank;
    QString inputMessage;
    CalculatorScreen::Computation compute;
    std::function<void(CalculatorScreen &, bool)> afterFailure;

    DrawingFn drawing = nullptr;  // the part, painted in the frame "图形"
    QStringList notes;  // lines of the frame "说明"

    QString clearCaption = QStringLiteral("清   除");
};

CalculatorScreen *buildCalculator(const CalculatorDesign &design);

// Adapts a screen's table to the screen table's window makers.
template <CalculatorDesign (*Design)()>
QWidget *makeCalculator() {
    return buildCalculator(Design());
}

}  // namespace hanhai::shell
