// What a calculator screen is made of, as data: its rows of fields, how each result is shown,
// and what a computation gives back. A screen reads its fields by control name and answers with
// values by control name; it never touches a widget itself.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;

namespace hanhai::shell {

// How a result field shows its value.
struct Format {
    enum Kind {
        Places,   // through the screen's decimal-places group
        General,  // the general number text, unrounded
        Fixed,    // a fixed number of decimals ("0.000")
        Total,    // the single-and-total weight display: the shown single weight times a count
    };
    Kind kind = Places;
    int decimals = 0;  // Fixed
    QString single = {};  // Total: the result field of one piece
    QString count = {};   // Total: the field holding the number of pieces
};
inline Format throughPlaces() { return {}; }
inline Format general() { return {Format::General}; }
inline Format fixed(int decimals) { return {Format::Fixed, decimals}; }
inline Format total(QString single, QString count) { return {Format::Total, 0, std::move(single), std::move(count)}; }

// One line of a screen: a caption, a control and its unit.
struct Row {
    enum class Kind {
        Number,  // an input read by the leading-number rule
        Text,    // a free text input (a ship's name)
        Choice,  // an editable drop-down
        Check,   // a check box
        Result,  // an output field
    };
    QString control;  // "Text1", "Combo2", "Check3", "Text1(4)"
    QString caption;  // "D--直径"
    QString unit;     // "mm", "m³", "W/(m²·K)"
    // The design text: a recommended value (shown red and centred), a name, or a drop-down's
    // prompt. A field with a design text opens with it and keeps it when cleared.
    QString start = {};
    Kind kind = Kind::Number;
    QStringList items = {};   // Choice: the entries
    Format format = {};       // Result
    QString hint = {};        // a remark beside the row
    bool captionAbove = false;  // the caption stands over the field instead of before it
    QString captionControl = {};  // the caption label's own control name, where it has one
};

inline Row number(QString control, QString caption, QString unit = {}, QString start = {}) {
    return {std::move(control), std::move(caption), std::move(unit), std::move(start)};
}
inline Row text(QString control, QString caption, QString start = {}) {
    return {std::move(control), std::move(caption), {}, std::move(start), Row::Kind::Text};
}
inline Row choice(QString control, QString caption, QString prompt, QStringList items) {
    return {std::move(control), std::move(caption), {}, std::move(prompt), Row::Kind::Choice, std::move(items)};
}
inline Row check(QString control, QString caption) {
    return {std::move(control), std::move(caption), {}, {}, Row::Kind::Check};
}
inline Row result(QString control, QString caption, QString unit, Format format = {}) {
    return {std::move(control), std::move(caption), std::move(unit), {}, Row::Kind::Result, {}, std::move(format)};
}
inline Row withHint(Row row, QString hint) {
    row.hint = std::move(hint);
    return row;
}
inline Row namedCaption(Row row, QString control) {
    row.captionControl = std::move(control);
    return row;
}
inline Row captionAbove(Row row) {
    row.captionAbove = true;
    return row;
}

// The fields of a screen as they stand, read by control name.
class Fields {
public:
    explicit Fields(const QWidget *screen) : screen_(screen) {}
    // A field or drop-down by the leading-number rule; an empty field reads as 0.
    double number(const QString &control) const;
    // A field's or drop-down's text as it stands, in UTF-8.
    std::string text(const QString &control) const;
    bool checked(const QString &control) const;
    // The texts as a plain function of the control name, for computations that take them so.
    std::function<std::string(std::string_view control)> texts() const {
        return [*this](std::string_view control) { return text(QString::fromUtf8(control)); };
    }

private:
    const QWidget *screen_;
};

// What one run of a screen's computation gives back.
class Outcome {
public:
    Outcome() = default;
    // A screen with one result: its value, or nothing when the inputs fail the screen's test.
    Outcome(std::optional<double> value);  // NOLINT: a plain result converts
    // The inputs failed the screen's test: the calculate button shows `message` (the screen's
    // input message when empty) and the screen's failure style applies.
    static Outcome failed(QString message = {});

    // A result field's value; nothing means "not computed" and shows as the empty text.
    Outcome &set(const QString &control, std::optional<double> value);
    // A result field's text, shown as it stands.
    Outcome &setText(const QString &control, QString text);
    // A message shown before anything is written (on every click).
    Outcome &notice(QString message);

    bool isFailed() const { return failed_; }
    const QString &failure() const { return failure_; }
    const QStringList &notices() const { return notices_; }

    struct Value {
        QString control;  // empty: the screen's first result
        std::optional<double> number;
        std::optional<QString> text;
    };
    const std::vector<Value> &values() const { return values_; }

private:
    bool failed_ = false;
    QString failure_;
    QStringList notices_;
    std::vector<Value> values_;
};

}  // namespace hanhai::shell
