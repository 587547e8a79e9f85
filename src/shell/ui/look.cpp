#include "shell/ui/look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QIconEngine>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace hanhai::shell::look {

namespace {

QFont font(const QStringList &families, double points, bool bold) {
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

}  // namespace

QFont xinwei(double points, bool bold) {
    return font({"STXinwei", "AR PL UKai CN", "Noto Serif CJK SC"}, points, bold);
}

QFont xingkai(double points, bool bold) {
    return font({"STXingkai", "AR PL UKai CN", "Noto Serif CJK SC"}, points, bold);
}

QFont song(double points, bool bold) {
    return font({"SimSun", "Noto Serif CJK SC", "AR PL UMing CN"}, points, bold);
}

void pointingHand(QWidget *w) { w->setCursor(Qt::PointingHandCursor); }

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QFont &font,
              const QColor &colour) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    if (colour.isValid()) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, colour);
        l->setPalette(p);
    }
    return l;
}

QLineEdit *field(QWidget *parent, const QString &name, const QFont &font) {
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFont(font);
    return e;
}

namespace {

// The second press of a double click does not press the button again.
class Button : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void mouseDoubleClickEvent(QMouseEvent *e) override { e->accept(); }
};

}  // namespace

QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QColor &background, const QFont &font) {
    auto *b = new Button(caption, parent);
    b->setObjectName(name);
    b->setFont(font);
    b->setAccessibleName(caption.simplified());
    b->setStyleSheet(QStringLiteral("QPushButton{background:%1;border:1px solid #606060;"
                                    "border-radius:3px;padding:4px 10px;}"
                                    "QPushButton:pressed{background:%2;}"
                                    "QPushButton:focus{border:2px solid #202020;}")
                         .arg(background.name(), background.darker(115).name()));
    pointingHand(b);
    return b;
}

QComboBox *dropDown(QWidget *parent, const QString &name, const QFont &font, const QStringList &items,
                    const QString &prompt) {
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(prompt);
    box->setMaxVisibleItems(15);
    pointingHand(box);
    return box;
}

namespace {

// A typed text leaves the drop-down's edit marked modified; a picked entry is written into it
// by the drop-down, which clears the mark. Opening the list starts a pick afresh.
class ListOpened : public QObject {
public:
    explicit ListOpened(QComboBox *box) : QObject(box), edit_(box->lineEdit()) { box->view()->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Show && edit_) edit_->setModified(false);
        return false;
    }

private:
    QLineEdit *edit_;
};

}  // namespace

void onPick(QComboBox *box, QObject *context, std::function<void(int)> picked) {
    if (!box->property("hanhai.pick").toBool()) {
        box->setProperty("hanhai.pick", true);
        new ListOpened(box);
    }
    QObject::connect(box, &QComboBox::activated, context, [box, picked = std::move(picked)](int index) {
        QLineEdit *edit = box->lineEdit();
        const bool typed = edit && edit->isModified();
        if (edit) edit->setModified(false);
        if (!typed) picked(index);
    });
}

void markRecommended(QLineEdit *field) {
    QPalette p = field->palette();
    p.setColor(QPalette::Text, kRed);
    field->setPalette(p);
    field->setAlignment(Qt::AlignCenter);
}

void shadeCaption(QLabel *caption) {
    caption->setAlignment(Qt::AlignCenter);
    caption->setAutoFillBackground(true);
    QPalette p = caption->palette();
    p.setColor(QPalette::Window, kCaptionBackground);
    caption->setPalette(p);
    caption->setContentsMargins(6, 1, 6, 1);
    caption->setMinimumWidth(std::max(110, caption->sizeHint().width()));
}

void showText(QLineEdit *field, const QString &text) {
    field->setText(text);
    field->setCursorPosition(0);
}

QString unitMarkup(const QString &unit) {
    QString out;
    for (QChar c : unit) {
        if (c == QChar(0x00B3)) out += QStringLiteral("<sup>3</sup>");
        else if (c == QChar(0x00B2)) out += QStringLiteral("<sup>2</sup>");
        else out += QString(c).toHtmlEscaped();
    }
    return out;
}

namespace {

// An icon drawn afresh at the size and pixel density it is shown at, like the sketches: crisp on
// a scaled screen, where one picture made beforehand would be resampled and come out soft.
class DrawnIcon : public QIconEngine {
public:
    using Drawing = void (*)(QPainter &);  // draws in a 64 × 64 square
    explicit DrawnIcon(Drawing drawing) : drawing_(drawing) {}

    void paint(QPainter *p, const QRect &rect, QIcon::Mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 64.0, rect.height() / 64.0);
        drawing_(*p);
        p->restore();
    }
    // Asked in device pixels: at a scale factor of 2, twice the icon's size.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, pm.rect(), mode, state);
        return pm;
    }
    QIconEngine *clone() const override { return new DrawnIcon(drawing_); }

private:
    Drawing drawing_;
};

}  // namespace

QIcon returnArrowIcon() {
    return QIcon(new DrawnIcon([](QPainter &p) {
        QPen pen(QColor(0, 90, 160), 7, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        QPainterPath path;
        path.moveTo(50, 50);
        path.lineTo(50, 30);
        path.cubicTo(50, 12, 36, 12, 22, 12);
        p.drawPath(path);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 90, 160));
        p.drawPolygon(QPolygonF({QPointF(4, 12), QPointF(24, 0), QPointF(24, 24)}));
    }));
}

QIcon stopSignIcon() {
    return QIcon(new DrawnIcon([](QPainter &p) {
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i) {
            double a = (22.5 + 45.0 * i) * 3.14159265358979 / 180.0;
            octagon << QPointF(32 + 30 * std::cos(a), 32 + 30 * std::sin(a));
        }
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(QColor(200, 0, 0));
        p.drawPolygon(octagon);
        QFont f;
        f.setFamilies({"DejaVu Sans", "Noto Sans"});
        f.setPixelSize(17);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("STOP"));
    }));
}

}  // namespace hanhai::shell::look
