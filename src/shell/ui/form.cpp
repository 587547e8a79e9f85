#include "shell/ui/form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include "shell/core/numbers.h"

namespace hanhai::shell {

namespace {

// The text of a field or drop-down; a control the screen does not have is a slip of the
// screen's own code, reported once and read as empty.
QString controlText(const QWidget *screen, const QString &control) {
    if (auto *e = screen->findChild<QLineEdit *>(control, Qt::FindChildrenRecursively)) return e->text();
    if (auto *c = screen->findChild<QComboBox *>(control)) return c->currentText();
    qWarning("%s has no field %s", qPrintable(screen->objectName()), qPrintable(control));
    return {};
}

}  // namespace

double Fields::number(const QString &control) const {
    return leadingNumber(controlText(screen_, control).toStdString());
}

std::string Fields::text(const QString &control) const { return controlText(screen_, control).toStdString(); }

bool Fields::checked(const QString &control) const {
    auto *box = screen_->findChild<QCheckBox *>(control);
    return box && box->isChecked();
}

Outcome::Outcome(std::optional<double> value) {
    if (value) set(QString(), value);
    else failed_ = true;
}

Outcome Outcome::failed(QString message) {
    Outcome o;
    o.failed_ = true;
    o.failure_ = std::move(message);
    return o;
}

Outcome &Outcome::set(const QString &control, std::optional<double> value) {
    values_.push_back({control, value, std::nullopt});
    return *this;
}

Outcome &Outcome::setText(const QString &control, QString text) {
    values_.push_back({control, std::nullopt, std::move(text)});
    return *this;
}

Outcome &Outcome::notice(QString message) {
    notices_ << std::move(message);
    return *this;
}

}  // namespace hanhai::shell
