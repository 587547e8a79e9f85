// Welded straight sleeve selection: a lookup by nominal bore or by pipe outside diameter.
#include "piping/ui/sleeve_screen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "piping/core/sleeves.h"
#include "shell/ui/look.h"
#include "shell/ui/window.h"

namespace hanhai::piping {

namespace {

namespace look = shell::look;

QString text(std::string_view s) { return QString::fromUtf8(s); }

class SleeveScreen : public shell::ScreenWindow {
public:
    SleeveScreen()
        : ScreenWindow(QStringLiteral("焊接直通套管选择"), QStringLiteral("焊接直通套管选择"), look::kMenuBackground) {
        auto *root = new QVBoxLayout(this);
        root->setContentsMargins(40, 16, 40, 16);
        root->setSpacing(14);
        QLabel *title = look::label(this, QStringLiteral("Label1"), QStringLiteral("焊接直通套管选择"), look::xinwei(21.75, true));
        title->setAlignment(Qt::AlignCenter);
        root->addWidget(title);

        bore_ = dropDown(QStringLiteral("Combo1"), QStringLiteral("请选择无缝钢管的通径DN"), &Sleeve::bore);
        pipe_ = dropDown(QStringLiteral("Combo2"), QStringLiteral("请选择无缝钢管的外径Dw"), &Sleeve::pipe);
        root->addWidget(bore_);
        root->addWidget(pipe_);
        connect(bore_, &QComboBox::activated, this, [this] { show(sleeveByBore(bore_->currentText().toStdString())); });
        connect(pipe_, &QComboBox::activated, this, [this] { show(sleeveByPipe(pipe_->currentText().toStdString())); });

        frame_ = new QGroupBox(QStringLiteral("所需直通套管："), this);
        frame_->setObjectName(QStringLiteral("Frame1"));
        frame_->setFont(look::song(12));
        auto *grid = new QGridLayout(frame_);
        grid->setContentsMargins(30, 16, 30, 16);
        grid->setVerticalSpacing(10);
        const char *const captions[] = {"D-外径：", "t-壁厚：", "L-长度：", "M-质量：", "标准号："};
        const char *const units[] = {"mm", "mm", "mm", "kg", ""};
        for (int i = 0; i < 5; ++i) {
            grid->addWidget(look::label(frame_, QString(), QString::fromUtf8(captions[i]), look::song(14.25, true)), i, 0);
            QLineEdit *e = look::field(frame_, QStringLiteral("Text%1").arg(i + 1), look::song(14.25));
            e->setFixedWidth(i == 4 ? 260 : 150);
            grid->addWidget(e, i, 1, Qt::AlignLeft);
            grid->addWidget(look::label(frame_, QString(), QString::fromUtf8(units[i]), look::song(12)), i, 2);
            outputs_[i] = e;
        }
        grid->setColumnStretch(3, 1);
        root->addWidget(frame_);
        frame_->setVisible(false);
        root->addStretch(1);

        root->addLayout(makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));
        setFirstField(bore_);
        frame_->setVisible(true);  // sized with the frame in place, then hidden until needed
        fixSize();
        frame_->setVisible(false);
    }

private:
    QComboBox *dropDown(const QString &name, const QString &prompt, std::string_view Sleeve::*column) {
        QStringList items;
        for (const Sleeve &s : sleeveTable()) items << text(s.*column);
        return look::dropDown(this, name, look::song(14.25), items, prompt);
    }

    // Shows the chosen row in both drop-downs and the five outputs; nothing for no row.
    void show(const Sleeve *s) {
        if (!s) return;
        bore_->setEditText(text(s->bore));
        pipe_->setEditText(text(s->pipe));
        const std::string_view cells[] = {s->diameter, s->wall, s->length, s->mass, s->standard};
        for (int i = 0; i < 5; ++i) outputs_[i]->setText(text(cells[i]));
        frame_->setVisible(true);
    }

    QComboBox *bore_, *pipe_;
    QGroupBox *frame_;
    QLineEdit *outputs_[5] = {};
};

}  // namespace

QWidget *makeSleeveScreen() { return new SleeveScreen; }

}  // namespace hanhai::piping
