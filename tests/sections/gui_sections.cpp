// The T-section and corrugated bulkhead screens through their real windows, opened from the
// section-properties menu, and their sketches.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

#include "sections/ui/section_drawings.h"
#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kTee = QStringLiteral("T型材模数惯性计算");
const QString kCorrugation = QStringLiteral("槽型舱壁剖面模数惯性矩计算");
const QString kRefused = QStringLiteral("输入的计算参数有误，请检查后重输或修改");
const QString kInvalid = QStringLiteral("计算结果无效，请检查输入的数据");

QWidget *openSection(const QString &screen) {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label24"));
    click(window(QStringLiteral("构件几何特性计算")), screen == kTee ? QStringLiteral("Label2") : QStringLiteral("Label3"));
    return window(screen);
}

// The inputs from top to bottom.
QStringList inputsOf(const QString &screen) {
    return screen == kTee ? QStringList{"Text1", "Text2", "Text4", "Text3", "Text5", "Text6"}
                          : QStringList{"Text1", "Text2", "Text4", "Text3"};
}

void fill(QWidget *w, const QStringList &values) {
    for (int i = 0; i < values.size(); ++i) type(w, inputsOf(w->objectName())[i], values[i]);
}

QLabel *labelWithText(QWidget *w, const QString &text) {
    for (QLabel *l : w->findChildren<QLabel *>())
        if (l->text() == text) return l;
    return nullptr;
}

// Points a pixel apart along every line of a sketch: dimensions, arrows, extensions, arcs.
QList<QPointF> linePoints(const hanhai::sections::SketchLayout &l) {
    QPainterPath path = l.thin;
    path.addPath(l.hidden);
    for (const auto *lines : {&l.dimensions, &l.arrows})
        for (const QLineF &line : *lines) {
            path.moveTo(line.p1());
            path.lineTo(line.p2());
        }
    QList<QPointF> points;
    for (const QPolygonF &poly : path.toSubpathPolygons())
        for (qsizetype i = 0; i + 1 < poly.size(); ++i)
            for (double s = 0, n = QLineF(poly[i], poly[i + 1]).length(); s <= n; s += 1)
                points << QLineF(poly[i], poly[i + 1]).pointAt(n > 0 ? s / n : 0);
    return points;
}

void screensAndSymbols() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("symbols");
    QTest::newRow("T-section") << kTee << QStringList{"W1", "t1", "H", "B", "W2", "t2"};
    QTest::newRow("corrugation") << kCorrugation << QStringList{"a", "b", "dw", "t", "α"};
}

}  // namespace

class Sections : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensBlankWithItsFieldsInScreenOrder_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("T-section") << kTee << QStringLiteral("T型材连同带板的剖面模数惯性矩计算")
                                   << QStringList{"W1-面板宽度", "t1-面板厚度", "H-腹板高度", "B-腹板厚度", "W2-带板宽度", "t2-带板厚度"};
        QTest::newRow("corrugation") << kCorrugation << QStringLiteral("槽形舱壁剖面模数惯性矩计算")
                                     << QStringList{"A-槽形平面部份宽度", "B-槽形斜面部份宽度", "Dw-槽形深度", "t-槽形舱壁板厚度"};
    }
    void opensBlankWithItsFieldsInScreenOrder() {
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(QStringList, captions);
        QWidget *w = openSection(screen);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(text(w, "Label1"), title);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY2(w->width() >= 700 && w->width() <= 780 && w->height() >= 580 && w->height() <= 640,
                 qPrintable(QStringLiteral("%1 x %2").arg(w->width()).arg(w->height())));
        QVERIFY(!w->findChild<QRadioButton *>());  // results are always unrounded

        for (const QString &caption : captions + QStringList{"剖面模数W：", "惯性矩I："}) QVERIFY2(labelWithText(w, caption), qPrintable(caption));
        const QStringList inputs = inputsOf(screen);
        for (const QString &f : inputs + QStringList{"Text7", "Text8"}) QCOMPARE(text(w, f), QString());
        QCOMPARE(text(w, "Label5(10)"), QStringLiteral("计算结果"));
        QVERIFY(labelWithText(w, "cm<sup>3</sup>") && labelWithText(w, "cm<sup>4</sup>"));
        QCOMPARE(control<QGroupBox>(w, "Frame1")->title(), QStringLiteral("图形"));

        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
        for (const QString &f : inputs.mid(1) + QStringList{"Command2", "Command1", "Text7", "Text8", "Command6", "Command7"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), f);
        }

        for (QLabel *l : w->findChildren<QLabel *>())  // nothing cut off
            QVERIFY2(w->rect().contains(QRect(l->mapTo(w, QPoint()), l->size())) && l->width() >= l->sizeHint().width(),
                     qPrintable(l->text()));
    }

    // Each row follows a first answer, which a refused or overflowing input leaves in place.
    void resultsUnroundedOrLeftAsTheyWere_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("W");
        QTest::addColumn<QString>("I");
        const QString t = kTee, c = kCorrugation;
        QTest::newRow("T-section") << t << QStringList{"100", "10", "300", "8", "500", "10"} << "" << "497.41935483871" << "11014.2857142857";
        QTest::newRow("no web height") << t << QStringList{"100", "10", "abc", "8", "500", "10"} << kRefused << "" << "";
        QTest::newRow("T overflow") << t << QStringList{"1e308", "1e308", "300", "8", "500", "10"} << kInvalid << "" << "";
        QTest::newRow("corrugation") << c << QStringList{"100", "120", "200", "10"} << "" << "280" << "2800";
        QTest::newRow("no flat part") << c << QStringList{"", "120", "200", "10"} << "" << "80" << "800";
        QTest::newRow("no thickness") << c << QStringList{"100", "120", "200", "t"} << kRefused << "" << "";
        QTest::newRow("only the inertia overflows") << c << QStringList{"100", "120", "1e160", "1e140"} << kInvalid << "" << "";
    }
    void resultsUnroundedOrLeftAsTheyWere() {
        QFETCH(QString, screen);
        QFETCH(QStringList, inputs);
        QFETCH(QString, message);
        QFETCH(QString, W);
        QFETCH(QString, I);
        Messages messages;
        QWidget *w = openSection(screen);
        const bool tee = screen == kTee;
        fill(w, tee ? QStringList{"150", "12", "250", "10", "600", "8"} : QStringList{"250", "300", "500", "12"});
        click(w, "Command2");
        const QString firstW = tee ? "605.81955922865" : "2100", firstI = tee ? "10069.2536630037" : "52500";
        QCOMPARE(text(w, "Text7"), firstW);
        QCOMPARE(text(w, "Text8"), firstI);

        fill(w, inputs);
        click(w, "Command2");
        QCOMPARE(messages.texts, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(text(w, "Text7"), message.isEmpty() ? W : firstW);
        QCOMPARE(text(w, "Text8"), message.isEmpty() ? I : firstI);
        QCOMPARE(control<QLineEdit>(w, "Text8")->cursorPosition(), 0);
    }

    void clearEmptiesEveryFieldAndBackReopensTheMainMenu_data() { screensAndSymbols(); }
    void clearEmptiesEveryFieldAndBackReopensTheMainMenu() {
        QFETCH(QString, screen);
        QWidget *w = openSection(screen);
        const QStringList values = screen == kTee ? QStringList{"100", "10", "300", "8", "500", "10"} : QStringList{"100", "120", "200", "10"};
        fill(w, values);
        click(w, "Command2");
        click(w, "Command1");
        for (const QString &f : inputsOf(screen) + QStringList{"Text7", "Text8"}) QCOMPARE(text(w, f), QString());

        fill(w, values);
        click(w, "Command2");
        click(w, "Command6");
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
        w = openSection(screen);
        for (const QString &f : inputsOf(screen) + QStringList{"Text7", "Text8"}) QCOMPARE(text(w, f), QString());
    }

    // Every symbol is drawn, inside the picture, and stands clear of the section, of the lines
    // and of the other texts.
    void sketchMarksStandClear_data() { screensAndSymbols(); }
    void sketchMarksStandClear() {
        QFETCH(QString, screen);
        QFETCH(QStringList, symbols);
        QWidget *w = openSection(screen);
        QWidget *image = control(control(w, "Frame1"), "Image1");
        QVERIFY(image);
        const QRectF area = QRectF(image->rect()).adjusted(6, 6, -6, -6);
        const hanhai::sections::SketchLayout l =
            screen == kTee ? hanhai::sections::tSectionLayout(area) : hanhai::sections::corrugationLayout(area);

        QStringList shown;
        for (const auto &t : l.texts) shown << t.text + t.sub;
        for (const QString &s : symbols) QVERIFY2(shown.contains(s), qPrintable(s));

        QVERIFY(area.contains(l.body.boundingRect()));
        const QList<QPointF> lines = linePoints(l);
        for (QPointF at : lines) QVERIFY2(area.contains(at), qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));

        const QImage shot = image->grab().toImage();
        const double ratio = shot.width() / double(image->width());
        for (size_t i = 0; i < l.texts.size(); ++i) {
            const auto &t = l.texts[i];
            const QString what = t.text + t.sub;
            QVERIFY2(area.contains(t.box), qPrintable(what));
            QVERIFY2(!l.body.intersects(t.box), qPrintable(what));
            for (size_t j = 0; j < i; ++j) QVERIFY2(!l.texts[j].box.intersects(t.box), qPrintable(what + " / " + l.texts[j].text));
            QVERIFY2(std::none_of(lines.begin(), lines.end(), [&](QPointF at) { return t.box.contains(at); }), qPrintable(what));
            int ink = 0;  // the text is painted where it was laid out
            const QRect px(QRectF(t.box.topLeft() * ratio, t.box.size() * ratio).toRect());
            for (int y = px.top(); y <= px.bottom(); ++y)
                for (int x = px.left(); x <= px.right(); ++x)
                    if (shot.pixelColor(x, y).lightness() < 150) ++ink;
            QVERIFY2(ink >= 4, qPrintable(what));
        }
    }
};

QTEST_MAIN(Sections)
#include "gui_sections.moc"
