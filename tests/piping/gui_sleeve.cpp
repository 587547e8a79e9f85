// Welded straight sleeve selection: both drop-downs answer each other.
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

QStringList outputs(QWidget *w) {
    QStringList out;
    for (int i = 1; i <= 5; ++i) out << text(w, QStringLiteral("Text%1").arg(i));
    return out;
}

QWidget *openSleeves() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label16"));
    return window(QStringLiteral("焊接直通套管选择"));
}

}  // namespace

class SleeveScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensWithPromptsAndNoResult() {
        QWidget *w = openSleeves();
        QVERIFY(w);
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("焊接直通套管选择")});
        QCOMPARE(comboText(w, QStringLiteral("Combo1")), QStringLiteral("请选择无缝钢管的通径DN"));
        QCOMPARE(comboText(w, QStringLiteral("Combo2")), QStringLiteral("请选择无缝钢管的外径Dw"));
        QCOMPARE(control<QComboBox>(w, QStringLiteral("Combo1"))->count(), 13);
        QCOMPARE(control<QComboBox>(w, QStringLiteral("Combo2"))->count(), 13);
        auto *frame = w->findChild<QGroupBox *>(QStringLiteral("Frame1"));
        QVERIFY(frame);
        QCOMPARE(frame->title(), QStringLiteral("所需直通套管："));
        QVERIFY(!frame->isVisible());
    }

    void eitherDropDownFindsTheSleeve() {
        QWidget *w = openSleeves();
        pick(w, QStringLiteral("Combo1"), QStringLiteral("无缝钢管通径DN100"));
        QCOMPARE(comboText(w, QStringLiteral("Combo2")), QStringLiteral("无缝钢管外径DN114"));
        QCOMPARE(outputs(w), (QStringList{"133", "8", "140", "3.45", "133x8 CB*3193-83"}));
        QVERIFY(w->findChild<QGroupBox *>(QStringLiteral("Frame1"))->isVisible());

        pick(w, QStringLiteral("Combo2"), QStringLiteral("无缝钢管外径DN48"));
        QCOMPARE(comboText(w, QStringLiteral("Combo1")), QStringLiteral("无缝钢管通径DN40"));
        QCOMPARE(outputs(w), (QStringList{"60", "5", "60", "0.41", "60x5 CB*3193-83"}));

        pick(w, QStringLiteral("Combo1"), QStringLiteral("无缝钢管通径DN250"));
        QCOMPARE(comboText(w, QStringLiteral("Combo2")), QStringLiteral("无缝钢管外径DN273"));
        QCOMPARE(outputs(w), (QStringList{"299", "11", "300", "23.44", "299x11 CB*3193-83"}));
    }

    void typedTextChangesNothing() {
        QWidget *w = openSleeves();
        pick(w, QStringLiteral("Combo1"), QStringLiteral("无缝钢管通径DN15"));
        auto *box = control<QComboBox>(w, QStringLiteral("Combo1"));
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("DN999"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        settle();
        QCOMPARE(outputs(w), (QStringList{"32", "3.5", "40", "0.10", "32x3.5 CB*3193-83"}));
        QCOMPARE(comboText(w, QStringLiteral("Combo2")), QStringLiteral("无缝钢管外径DN22"));
    }

    void backReturnsToTheMainMenu() {
        QWidget *w = openSleeves();
        click(w, QStringLiteral("Command4"));
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
    }
};

QTEST_MAIN(SleeveScreen)
#include "gui_sleeve.moc"
