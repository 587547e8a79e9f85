#include "shell/ui/places_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

#include "shell/ui/look.h"

namespace hanhai::shell {

namespace {
constexpr Places kOrder[] = {Places::One, Places::Two, Places::Three, Places::Unrounded};
const char *const kCaptions[] = {"保留1位小数", "保留2位小数", "保留3位小数", "保留N位小数"};
}  // namespace

PlacesGroup::PlacesGroup(int options, Places start, const QString &caption, QWidget *parent,
                         const QStringList &controls)
    : QWidget(parent), group_(new QButtonGroup(this)) {
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(18);
    grid->addWidget(look::label(this, QStringLiteral("Label10"), caption, look::xinwei(12)), 0, 0, 1, 2);
    for (int i = 0; i < options; ++i) {
        auto *b = new QRadioButton(QString::fromUtf8(kCaptions[i]), this);
        b->setObjectName(i < controls.size() ? controls[i] : QStringLiteral("Option%1").arg(i + 1));
        b->setFont(look::song(10.5));
        look::pointingHand(b);
        b->setChecked(kOrder[i] == start);
        group_->addButton(b, i);
        grid->addWidget(b, 1 + i / 2, i % 2);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) { emit chosen(kOrder[id]); });
}

Places PlacesGroup::places() const {
    int id = group_->checkedId();
    return id >= 0 ? kOrder[id] : Places::Unrounded;
}

QList<QWidget *> PlacesGroup::optionButtons() const {
    QList<QWidget *> out;
    for (QAbstractButton *b : group_->buttons()) out << b;
    return out;
}

}  // namespace hanhai::shell
