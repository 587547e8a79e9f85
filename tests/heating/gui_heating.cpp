// The two cargo heating screens (steam and thermal oil) through their real windows, with their
// calculation sheets read back from the files.
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <vector>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QStringList kResults = {"Text23", "Text24", "Text25", "Text26", "Text29", "Text30", "Text31", "Text32"};
const QString kPrompt = QStringLiteral("选择加热蒸汽压力");

struct SheetRow {
    int row;
    const char *label, *symbol, *field, *unit;  // symbol null: a heading in column A only
};

// Both sheets as the shipowner gets them; rows 18 and 19 carry the bottom before the side shell.
const SheetRow kSteamRows[] = {
    {6, "1、SPECIFIC MASS ", "ρ= ", "Text1", "kg/m^3"},
    {7, "2、OIL FIRST TEMP.", "t'=", "Text2", "℃"},
    {8, "3、OIL END TEMP.", "г=", "Text3", "℃"},
    {9, "4、OIL SPECIFIC HEAT ", "C=", "Text4", " KJ/(kg.K)"},
    {10, "5、OIL HEATING TIME ", "t=", "Text5", "h"},
    {11, "6、OUTBOARD WARTER TEMP.：", "t1=", "Text6", "℃"},
    {12, "7、OUTBOARD AIR TEMP.", "t2=", "Text7", "℃"},
    {13, "8、NO.1 NEAR TANKER TEMP.", "t3=", "Text8", "℃"},
    {14, "9、NO.2 NEAR TANKER TEMP.", "t4=", "Text35", "℃"},
    {15, "10、NO.3 NEAR TANKER TEMP.", "t5=", "Text36", "℃"},
    {16, "11、NO.4 NEAR TANKER TEMP.", "t6=", "Text37", "℃"},
    {17, "12、OIL TANK AT BILGE NEAR TO SEA WATER AREA", "F1=", "Text9", "m^2"},
    {18, "13、OIL TANK AT BOTTOM NEAR TO SEA WATER AREA", "F2=", "Text10", "m^2"},
    {19, "14、OIL TANK AT BOARD(AB.CWL) NEAR TO SEA WATER AREA", "F3=", "Text11", "m^2"},
    {20, "15、OIL TANK DECK AREA", "F4=", "Text12", "m^2"},
    {21, "16、OIL CONTACT NO.1 NEAR TANKER AREA", "F5=", "Text13", "m^2"},
    {22, "17、OIL CONTACT NO.2 NEAR TANKER AREA", "F6=", "Text38", "m^2"},
    {23, "18、OIL CONTACT NO.3 NEAR TANKER AREA", "F7=", "Text39", "m^2"},
    {24, "19、OIL CONTACT NO.4 NEAR TANKER AREA", "F8=", "Text40", "m^2"},
    {25, "20、OIL TANK AT BILGE NEAR TO SEA WATER H.T.C.", "K1=", "Text14", "w/(m^2.K)"},
    {26, "21、OIL TANK AT BOTTOM NEAR TO SEA WATER H.T.C.", "K2=", "Text15", "w/(m^2.K)"},
    {27, "22、OIL TANK AT BOARD(AB.CWL) NEAR TO SEA WATER H.T.C.", "K3=", "Text16", "w/(m^2.K)"},
    {28, "23、OIL TO DECK HEAT TRANSFER COEFFICIENT", "K4=", "Text17", "w/(m^2.K)"},
    {29, "24、OIL TO NEAR TANKER HEAT TRANSFER COFFICIENT", "K5=", "Text18", "w/(m^2.K)"},
    {30, "25、OIL TANKER CAPACITY", "V=", "Text22", "m^3"},
    {31, "26、STEAM PRESSURE", "P=", "Combo2", ""},
    {32, "27、STEAM CONDENSATION TEMP.", "гs=", "Text33", "℃"},
    {33, "28、STEAM HEATING PIPING OUTSIDE DIAMETER", "d=", "Text19", "mm"},
    {34, "29、STEAM HEATING PIPING INSIDE DIAMETER", "di=", "Text20", "mm"},
    {35, "30、THE COIL PIPE NUMBER", "Z=", "Text21", ""},
    {36, "31、THE COIL PIPE HEAT TRANSFER COEFFICIENT", "K=", "Text27", "w/(m^2.K)"},
    {37, "THE RESULT OF CALCULATION：", nullptr, nullptr, nullptr},
    {38, "32、THE REQUIREMENT HEATING QUANTITY FOR WARMING UP", "Q1=", "Text23", "KJ/h"},
    {39, "33、THE REQUIREMENT HEATING QUANTITY FOR KEEP TEMP", "Q2=", "Text24", "KJ/h"},
    {40, "34、THE TOTAL REQUIREMENT HEATING QUANTITY", "Q=", "Text25", "KJ/h"},
    {41, "35、THE REQUIREMENT QUANTITY OF STEAM", "G=", "Text26", "kg/h"},
    {42, "36、THE COIL PIPE AREA", "F=", "Text29", "m^2"},
    {43, "37、THE COIL PIPE LENGTH", "L=", "Text30", "m"},
    {44, "38、EACH COIL PIPE LENGTH", "l=", "Text31", "m"},
    {45, "39、HEATING COIL AREA/VOLUME", "R=", "Text32", "m^2/m^3"},
};

const SheetRow kOilRows[] = {
    {6, "1、SPECIFIC MASS ", "ρ= ", "Text1", "kg/m^3"},
    {7, "2、OIL FIRST TEMP.", "t'=", "Text2", "℃"},
    {8, "3、OIL END TEMP.", "г=", "Text3", "℃"},
    {9, "4、OIL SPECIFIC HEAT ", "C=", "Text4", " KJ/(kg.K)"},
    {10, "5、OIL HEATING TIME ", "t=", "Text5", "h"},
    {11, "6、OUTBOARD WARTER TEMP.", "t1=", "Text6", "℃"},
    {12, "7、OUTBOARD AIR TEMP.", "t2=", "Text7", "℃"},
    {13, "8、NO.1 NEAR TANKER TEMP.", "t3=", "Text8", "℃"},
    {14, "9、NO.2 NEAR TANKER TEMP.", "t4=", "Text37", "℃"},
    {15, "10、NO.3 NEAR TANKER TEMP.", "t5=", "Text38", "℃"},
    {16, "11、NO.4 NEAR TANKER TEMP.", "t6=", "Text39", "℃"},
    {17, "12、OIL TANK AT BILGE NEAR TO SEA WATER AREA", "F1=", "Text9", "m^2"},
    {18, "13、OIL TANK AT BOTTOM NEAR TO SEA WATER AREA", "F2=", "Text10", "m^2"},
    {19, "14、OIL TANK AT BOARD(AB.CWL) NEAR TO SEA WATER AREA", "F3=", "Text11", "m^2"},
    {20, "15、OIL TANK DECK AREA", "F4=", "Text12", "m^2"},
    {21, "16、OIL CONTACT NO.1 NEAR TANKER AREA", "F5=", "Text13", "m^2"},
    {22, "17、OIL CONTACT NO.2 NEAR TANKER AREA", "F6=", "Text40", "m^2"},
    {23, "18、OIL CONTACT NO.3 NEAR TANKER AREA", "F7=", "Text41", "m^2"},
    {24, "19、OIL CONTACT NO.4 NEAR TANKER AREA", "F8=", "Text42", "m^2"},
    {25, "20、OIL TANK AT BILGE NEAR TO SEA WATER H.T.C.", "K1=", "Text14", "w/(m^2.K)"},
    {26, "21、OIL TANK AT BOTTOM NEAR TO SEA WATER H.T.C.", "K2=", "Text15", "w/(m^2.K)"},
    {27, "22、OIL TANK AT BOARD(AB.CWL) NEAR TO SEA WATER H.T.C.", "K3=", "Text16", "w/(m^2.K)"},
    {28, "23、OIL TO DECK HEAT TRANSFER COEFFICIENT", "K4=", "Text17", "w/(m^2.K)"},
    {29, "24、OIL TO NEAR TANKER HEAT TRANSFER COFFICIENT", "K5=", "Text18", "w/(m^2.K)"},
    {30, "25、OIL TANKER CAPACITY", "V=", "Text22", "m^3"},
    {31, "26、THERAML OIL INLET TEMP.", "t's=", "Text28", "℃"},
    {32, "27、THERAML OIL OUTLET TEMP.", "гs=", "Text33", "℃"},
    {33, "28、THERAML OIL SPECIFIC HEAT", "CT=", "Text34", "KJ/(kg.K)"},
    {34, "29、THE HEATING COIL PIPE OUTSIDE DIAMETER", "d=", "Text19", "mm"},
    {35, "30、THE HEATING COIL PIPE INSIDE DIAMETER", "di=", "Text20", "mm"},
    {36, "31、THE COIL PIPE NUMBER", "Z=", "Text21", ""},
    {37, "32、THE COIL PIPE HEAT TRANSFER COEFFICIENT", "K=", "Text27", "w/(m^2.K)"},
    {38, "THE RESULT OF CALCULATION：", nullptr, nullptr, nullptr},
    {39, "33、THE REQUIREMENT HEATING QUANTITY FOR WARMING UP", "Q1=", "Text23", "KW"},
    {40, "34、THE REQUIREMENT HEATING QUANTITY FOR KEEP TEMP", "Q2=", "Text24", "KW"},
    {41, "35、THE TOTAL REQUIREMENT HEATING QUANTITY", "Q=", "Text25", "KW"},
    {42, "36、THE REQUIREMENT QUANTITY OF STEAM", "G=", "Text26", "kg/h"},
    {43, "37、THE COIL PIPE AREA", "F=", "Text29", "m^2"},
    {44, "38、THE COIL PIPE LENGTH", "L=", "Text30", "m"},
    {45, "39、EACH COIL PIPE LENGTH", "l=", "Text31", "m"},
    {46, "40、HEATING COIL AREA/VOLUME", "R=", "Text32", "m^2/m^3"},
};

struct Screen {
    QString menuLabel, name, caption, title, shipField, tankField;
    QStringList emptied;             // empty on opening and after the clear button
    QMap<QString, QString> initial;  // every field that opens with a text (Combo2: its text)
    QStringList marked;              // initial values shown red and centred
    QStringList worked;              // the worked example, field and text in turn (Combo2 is picked)
    QStringList results;             // what it shows in kResults
    std::vector<SheetRow> sheet;
};

QStringList texts(std::initializer_list<int> numbers) {
    QStringList out;
    for (int n : numbers) out << QStringLiteral("Text%1").arg(n);
    return out;
}

const Screen &steam() {
    static const Screen s{
        "Label2", "货油加热系统计算蒸汽", "货油加热系统计算（蒸汽）", "货油加热系统计算(蒸汽)", "Text34", "Text28",
        texts({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 19, 20, 22, 23, 24, 25, 26, 27, 29, 30, 31, 32, 35, 36, 37, 38, 39, 40}),
        {{"Text14", "19.77"}, {"Text15", "6.98"}, {"Text16", "19.77"}, {"Text17", "8.72"}, {"Text18", "5.82"},
         {"Text21", "1"}, {"Text33", "100"}, {"Combo2", kPrompt},
         {"Text34", "40000CDWT OIL TANKER-1/2"}, {"Text28", "NO.1 H.F.O.DEEP TK."}},
        texts({14, 15, 16, 17, 18, 21, 33}),
        {"Text1", "950", "Text22", "1000", "Text2", "20", "Text3", "50", "Text4", "2", "Text5", "48",
         "Text6", "0", "Text7", "-10", "Text8", "20", "Text35", "20", "Text36", "20", "Text37", "20",
         "Text9", "100", "Text10", "150", "Text11", "50", "Text12", "150", "Text13", "80", "Text38", "80",
         "Text39", "0", "Text40", "0", "Text33", "105", "Text19", "60", "Text20", "52", "Text21", "4",
         "Text27", "110", "Combo2", "0.7MPa"},
        {"1187500", "915872.4", "2103372.4", "953.229723265632", "62.136", "329.644", "82.411", "0.062136"},
        {std::begin(kSteamRows), std::end(kSteamRows)}};
    return s;
}

const Screen &oil() {
    static const Screen s{
        "Label3", "货油加热系统计算热油", "货油加热系统计算（热油）", "货油加热系统计算(热油)", "Text36", "Text35",
        texts({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 19, 20, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34,
               37, 38, 39, 40, 41, 42}),
        {{"Text14", "19.77"}, {"Text15", "6.98"}, {"Text16", "19.77"}, {"Text17", "8.72"}, {"Text18", "5.82"},
         {"Text21", "1"}, {"Text36", "40000CDWT OIL TANKER-1/2"}, {"Text35", "NO.1 H.F.O.DEEP TK."}},
        texts({14, 15, 16, 17, 18, 21}),
        {"Text1", "950", "Text22", "1000", "Text2", "20", "Text3", "50", "Text4", "2", "Text5", "48",
         "Text6", "0", "Text7", "-10", "Text8", "20", "Text37", "20", "Text38", "20", "Text39", "20",
         "Text9", "100", "Text10", "150", "Text11", "50", "Text12", "150", "Text13", "80", "Text40", "80",
         "Text41", "0", "Text42", "0", "Text28", "180", "Text33", "150", "Text34", "2.1", "Text19", "60",
         "Text20", "52", "Text21", "4", "Text27", "110"},
        {"329.861111111111", "254.409", "584.270111111111", "33386.8634920635", "49.181", "260.913", "65.228", "0.049181"},
        {std::begin(kOilRows), std::end(kOilRows)}};
    return s;
}

const Screen &screen(const QString &key) { return key == QLatin1String("steam") ? steam() : oil(); }

QWidget *open(const Screen &s) {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label8"));
    click(window(QStringLiteral("货油加热系统计算")), s.menuLabel);
    return window(s.name);
}

// Types a field, or the text of the drop-down, as the user would.
void set(QWidget *w, const QString &field, const QString &value) {
    if (auto *box = w->findChild<QComboBox *>(field)) {
        QLineEdit *edit = box->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, value);
    } else {
        type(w, field, value);
    }
}

void setAll(QWidget *w, const QStringList &pairs) {
    for (int i = 0; i + 1 < pairs.size(); i += 2) set(w, pairs[i], pairs[i + 1]);
}

// Fills the worked example (the pressure picked from the list) and calculates.
void workedExample(QWidget *w, const Screen &s) {
    for (int i = 0; i + 1 < s.worked.size(); i += 2) {
        if (s.worked[i] == QLatin1String("Combo2")) pick(w, s.worked[i], s.worked[i + 1]);
        else type(w, s.worked[i], s.worked[i + 1]);
    }
    click(w, "Command11");
}

QStringList shownResults(QWidget *w) {
    QStringList out;
    for (const QString &f : kResults) out << text(w, f);
    return out;
}

QMap<QString, QString> workedTexts(const Screen &s) {
    QMap<QString, QString> t = s.initial;
    for (int i = 0; i + 1 < s.worked.size(); i += 2) t[s.worked[i]] = s.worked[i + 1];
    for (int i = 0; i < kResults.size(); ++i) t[kResults[i]] = s.results[i];
    return t;
}

// The whole sheet for the texts of the screen's fields (a field not given is empty).
QMap<QString, QString> expectedSheet(const Screen &s, const QMap<QString, QString> &fields) {
    QMap<QString, QString> cells{{"A3", "ITEM："},
                                 {"B3", "CALCULATION OF CARGO TANKER HEATING"},
                                 {"A4", "OIL TANK NAME："},
                                 {"C4", fields.value(s.tankField)},
                                 {"A5", "KNOWN PARAMETER: "},
                                 {"A49", "DESIGNED："},
                                 {"D49", "CHECKED："},
                                 {"G49", "DATE："}};
    if (!fields.value(s.shipField).isEmpty()) cells["C1"] = fields.value(s.shipField);
    for (const SheetRow &r : s.sheet) {
        cells[QStringLiteral("A%1").arg(r.row)] = QString::fromUtf8(r.label);
        if (r.symbol)
            cells[QStringLiteral("G%1").arg(r.row)] =
                QString::fromUtf8(r.symbol) + fields.value(QString::fromUtf8(r.field)) + QString::fromUtf8(r.unit);
    }
    return cells;
}

QMap<QString, SheetFont> sheetFonts() {
    QMap<QString, SheetFont> fonts = fontBlock("C1:E1", {QStringLiteral("黑体"), true, 18});
    fonts.insert(fontBlock("B3:C4", SheetFont{QStringLiteral("Calibri"), true, 11}));
    return fonts;
}

void addScreenRows() {
    QTest::addColumn<QString>("key");
    QTest::newRow("steam") << "steam";
    QTest::newRow("thermal oil") << "oil";
}

const QString kTime = QStringLiteral("加热时间输入有误  ");
const QString kPressure = QStringLiteral("未选择蒸汽压力，请选择  ");
const QString kCondensate = QStringLiteral("蒸汽凝水温度取值在100℃-150℃之间，否则计算错误");
const QString kThermalOil = QStringLiteral("热媒油的进出口温度输入有误  ");
const QString kDiameter = QStringLiteral("请按管子标准，输入管子外径  ");
const QString kVolumeWrong = QStringLiteral("货油舱舱容输入错误  ");
const QString kVolumeMissing = QStringLiteral("请输入货油舱舱容  ");
const QString kInvalid = QStringLiteral("计算结果无效，请检查输入的数据");

}  // namespace

class HeatingScreens : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensWithOnlyTheInitialValues_data() { addScreenRows(); }
    void opensWithOnlyTheInitialValues() {
        QFETCH(QString, key);
        const Screen &s = screen(key);
        QWidget *w = open(s);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), s.caption);
        QCOMPARE(text(w, "Label1"), s.title);
        for (const QString &f : s.emptied) QVERIFY2(text(w, f).isEmpty(), qPrintable(f + ": " + text(w, f)));
        for (auto it = s.initial.begin(); it != s.initial.end(); ++it)
            if (it.key() != QLatin1String("Combo2")) QCOMPARE(text(w, it.key()), it.value());
        for (const QString &f : s.marked) {
            auto *e = control<QLineEdit>(w, f);
            QVERIFY2(e->alignment() & Qt::AlignHCenter, qPrintable(f));
            QCOMPARE(e->palette().color(QPalette::Text), QColor(Qt::red));
        }
        if (key == QLatin1String("steam")) {
            QCOMPARE(comboText(w, "Combo2"), kPrompt);
            auto *box = control<QComboBox>(w, "Combo2");
            QStringList items;
            for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
            QCOMPARE(items, (QStringList{"0.2MPa", "0.4MPa", "0.7MPa", "0.8MPa"}));
        } else {
            QVERIFY(!w->findChild<QComboBox *>());
        }
    }

    void workedExampleWithAllItsDigits_data() { addScreenRows(); }
    void workedExampleWithAllItsDigits() {
        QFETCH(QString, key);
        Messages messages;
        QWidget *w = open(screen(key));
        workedExample(w, screen(key));
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(" | ")));
        QCOMPARE(shownResults(w), screen(key).results);
    }

    // After the worked example, some inputs changed: the message (if any) and the results shown.
    void afterTheWorkedExample_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("changed");  // results that differ from the worked example
        const QString none;
        QTest::newRow("steam: time negative") << "steam" << QStringList{"Text5", "-1"} << kTime << QStringList{};
        QTest::newRow("steam: time before pressure") << "steam" << QStringList{"Text5", "-1", "Combo2", "0.7mpa"} << kTime << QStringList{};
        QTest::newRow("steam: prompt again") << "steam" << QStringList{"Combo2", kPrompt} << kPressure << QStringList{};
        QTest::newRow("steam: pressure in lower case") << "steam" << QStringList{"Combo2", "0.7mpa"} << kPressure << QStringList{};
        QTest::newRow("steam: pressure before condensate") << "steam" << QStringList{"Combo2", "0.7mpa", "Text33", "99.9"} << kPressure << QStringList{};
        QTest::newRow("steam: condensate 99.9") << "steam" << QStringList{"Text33", "99.9"} << kCondensate << QStringList{};
        QTest::newRow("steam: condensate 150.1") << "steam" << QStringList{"Text33", "150.1"} << kCondensate << QStringList{};
        QTest::newRow("steam: condensate before d") << "steam" << QStringList{"Text33", "150.1", "Text19", "0"} << kCondensate << QStringList{};
        QTest::newRow("steam: d = 0") << "steam" << QStringList{"Text19", "0"} << kDiameter << QStringList{};
        QTest::newRow("steam: d negative") << "steam" << QStringList{"Text19", "-60"} << kDiameter << QStringList{};
        QTest::newRow("steam: d before empty V") << "steam" << QStringList{"Text19", "", "Text22", ""} << kDiameter << QStringList{};
        QTest::newRow("steam: V negative") << "steam" << QStringList{"Text22", "-1000"} << kVolumeWrong << QStringList{};
        QTest::newRow("steam: V empty") << "steam" << QStringList{"Text22", ""} << kVolumeMissing << QStringList{};
        QTest::newRow("steam: Z = 0") << "steam" << QStringList{"Text21", "0"} << kInvalid << QStringList{};
        QTest::newRow("steam: time 0") << "steam" << QStringList{"Text5", "0"} << none
                                       << QStringList{"Text23", "", "Text25", "915872.4", "Text26", "415.065251592457",
                                                      "Text29", "27.056", "Text30", "143.537", "Text31", "35.884", "Text32", "0.027056"};
        QTest::newRow("steam: k = 0") << "steam" << QStringList{"Text27", "0"} << none
                                      << QStringList{"Text29", "0.000", "Text30", "0.000", "Text31", "0.000", "Text32", "0.000000"};
        QTest::newRow("oil: time negative") << "oil" << QStringList{"Text5", "-1"} << kTime << QStringList{};
        QTest::newRow("oil: time before thermal oil") << "oil" << QStringList{"Text5", "-1", "Text34", ""} << kTime << QStringList{};
        QTest::newRow("oil: inlet = outlet") << "oil" << QStringList{"Text33", "180"} << kThermalOil << QStringList{};
        QTest::newRow("oil: outlet above inlet") << "oil" << QStringList{"Text33", "190"} << kThermalOil << QStringList{};
        QTest::newRow("oil: CT empty") << "oil" << QStringList{"Text34", ""} << kThermalOil << QStringList{};
        QTest::newRow("oil: thermal oil before d") << "oil" << QStringList{"Text34", "", "Text19", "0"} << kThermalOil << QStringList{};
        QTest::newRow("oil: d = 0") << "oil" << QStringList{"Text19", "0"} << kDiameter << QStringList{};
        QTest::newRow("oil: d before empty V") << "oil" << QStringList{"Text19", "", "Text22", ""} << kDiameter << QStringList{};
        QTest::newRow("oil: V negative") << "oil" << QStringList{"Text22", "-1000"} << kVolumeWrong << QStringList{};
        QTest::newRow("oil: V empty") << "oil" << QStringList{"Text22", ""} << kVolumeMissing << QStringList{};
        QTest::newRow("oil: Z = 0") << "oil" << QStringList{"Text21", "0"} << kInvalid << QStringList{};
        QTest::newRow("oil: time 0") << "oil" << QStringList{"Text5", "0"} << none
                                     << QStringList{"Text23", "", "Text25", "254.409", "Text26", "14537.6571428571",
                                                    "Text29", "21.415", "Text30", "113.610", "Text31", "28.402", "Text32", "0.021415"};
        QTest::newRow("oil: k = 0") << "oil" << QStringList{"Text27", "0"} << none
                                    << QStringList{"Text29", "0.000", "Text30", "0.000", "Text31", "0.000", "Text32", "0.000000"};
        QTest::newRow("oil: inlet below outlet, CT negative")
            << "oil" << QStringList{"Text28", "150", "Text33", "180", "Text34", "-2.1"} << none
            << QStringList{"Text29", "45.398", "Text30", "240.843", "Text31", "60.211", "Text32", "0.045398"};
    }
    void afterTheWorkedExample() {
        QFETCH(QString, key);
        QFETCH(QStringList, edits);
        QFETCH(QString, message);
        QFETCH(QStringList, changed);
        Messages messages;
        const Screen &s = screen(key);
        QWidget *w = open(s);
        workedExample(w, s);
        QCOMPARE(shownResults(w), s.results);
        setAll(w, edits);
        click(w, "Command11");
        if (message.isEmpty()) QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(" | ")));
        else QCOMPARE(messages.takeOne(), message);
        QStringList expected = s.results;
        for (int i = 0; i + 1 < changed.size(); i += 2) expected[kResults.indexOf(changed[i])] = changed[i + 1];
        QCOMPARE(shownResults(w), expected);
    }

    void steamNeedsAPressureTypedOrPicked() {
        Messages messages;
        QWidget *w = open(steam());
        QStringList inputs = steam().worked;
        inputs.erase(inputs.end() - 2, inputs.end());  // everything but the pressure
        setAll(w, inputs);
        click(w, "Command11");
        QCOMPARE(messages.takeOne(), kPressure);
        QCOMPARE(shownResults(w), QStringList(kResults.size(), QString()));
        set(w, "Combo2", "0.7MPa");  // typed in full, as a list entry reads
        click(w, "Command11");
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(shownResults(w), steam().results);
    }

    void clearEmptiesAllButTheKeptValues_data() { addScreenRows(); }
    void clearEmptiesAllButTheKeptValues() {
        QFETCH(QString, key);
        const Screen &s = screen(key);
        QWidget *w = open(s);
        workedExample(w, s);
        type(w, "Text14", "20");
        type(w, "Text18", "6");
        type(w, s.shipField, "TEST TANKER");
        type(w, s.tankField, "NO.2 CARGO TK.");
        QMap<QString, QString> kept = workedTexts(s);
        for (const QString &f : s.emptied) kept.remove(f);
        kept["Text14"] = "20";
        kept["Text18"] = "6";
        kept[s.shipField] = "TEST TANKER";
        kept[s.tankField] = "NO.2 CARGO TK.";
        click(w, "Command12");
        for (const QString &f : s.emptied) QVERIFY2(text(w, f).isEmpty(), qPrintable(f + ": " + text(w, f)));
        for (auto it = kept.begin(); it != kept.end(); ++it)
            QCOMPARE(it.key() == QLatin1String("Combo2") ? comboText(w, "Combo2") : text(w, it.key()), it.value());
        // what stays: k1..k5, Z, the export names and, on the steam screen, t"s and the pressure
        QCOMPARE(kept.size(), key == QLatin1String("steam") ? 10 : 8);
    }

    void sheetOfTheWorkedExample_data() { addScreenRows(); }
    void sheetOfTheWorkedExample() {
        QFETCH(QString, key);
        Home home;
        Messages messages;
        const Screen &s = screen(key);
        QWidget *w = open(s);
        workedExample(w, s);
        click(w, "Command5");
        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(home.opened.size(), 1);
        const QString diff = compareSheet(home.opened[0], expectedSheet(s, workedTexts(s)), sheetFonts());
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void sheetsOfAFreshScreenWithAndWithoutShipName_data() { addScreenRows(); }
    void sheetsOfAFreshScreenWithAndWithoutShipName() {
        QFETCH(QString, key);
        Home home;
        const Screen &s = screen(key);
        QWidget *w = open(s);
        click(w, "Command5");
        type(w, s.shipField, "");
        click(w, "Command5");
        QCOMPARE(home.opened.size(), 2);
        QString diff = compareSheet(home.opened[0], expectedSheet(s, s.initial), sheetFonts());
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QMap<QString, QString> noName = s.initial;
        noName[s.shipField] = QString();
        const QMap<QString, QString> cells = expectedSheet(s, noName);
        QVERIFY(!cells.contains("C1"));
        diff = compareSheet(home.opened[1], cells, sheetFonts());
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void backReturnsToTheMainMenu_data() { addScreenRows(); }
    void backReturnsToTheMainMenu() {
        QFETCH(QString, key);
        QWidget *w = open(screen(key));
        QVERIFY(w);
        click(w, "Command4");
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
    }
};

QTEST_MAIN(HeatingScreens)
#include "gui_heating.moc"
