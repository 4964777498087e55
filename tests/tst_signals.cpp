// The signal snapshots of the selected record: the system input/output
// labels, the general input/output boxes and the arc view. Which label each
// bit lights is written down from the controller manual, independently of
// the tables in details/signalbytes.cpp.

#include "support/fixture.h"
#include "support/logtext.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

using namespace logtext;

namespace {

const QString kYellow = QStringLiteral("background: yellow"), kWhite = QStringLiteral("background: white");
const QString kBlue = QStringLiteral("color : blue"), kGrey = QStringLiteral("color : grey");
const QString kFamilyGrey = QStringLiteral("color: grey"), kFamilyBlack = QStringLiteral("color: black");

// Bit b of system input byte k lights kInputNames[k][b]; "" drives nothing.
const char *const kInputNames[6][8] = {
    {"belt_limt", "limt1", "limt2", "limt3", "em_stop_op", "em_stop_tp", "em_stop_ex", ""},
    {"mode_switch_auto", "mode_switch_sys", "mode_switch_manual", "mode_switch_ex", "", "enable_switch_tp", "safe_garde_auto",
     "safe_garde_menual"},
    {"flt", "mc2", "robot_pan", "mc1", "escape", "motor_on_tp", "sv_bk", "svon"},
    {"motor_overheat1", "motor_overheat2", "brake_low", "", "start_tp", "stop_tp", "op_board_cof", "motor_on_ex"},
    {"type_cof", "pwmon", "reservation1", "reservation2", "reservation3", "reservation4", "", ""},
    {"", "ov", "overload_motor", "overload_brake", "overload_control", "overload_smps", "uv", "oc"},
};
const char *const kOutputNames[4][8] = {
    {"mc1_2", "high_speed1", "escon1", "", "brake1", "brake2", "brake3", "brake4"},
    {"motor_on_tp_2", "start_tp_2", "stop_tp_2", "system_odd", "reservation1_2", "reservation2_2", "pan_out", "reservation4_2"},
    {"ex_auto1", "ex_auto2", "", "", "", "", "", ""},
    {"mc2_2", "high_speed2", "escon2", "", "brake5", "brake6", "brake7", "brake8"},
};
const char *const kSeparators[] = {"label_39", "label_48", "label_91", "label_92", "label_97", "label_98"};

QString hexBytes(const QVector<int> &bytes)
{
    QStringList list;
    for (int b : bytes)
        list << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return QLatin1Char('[') + list.join(QLatin1Char(' ')) + QLatin1Char(']');
}

// One record's signal lines: SI, DIB 1-4, the arc block, SO, DOB 1-4 (GI/GO for Kav).
QStringList signalLines(const QVector<int> &si, const QVector<int> &general, const QVector<int> &so, bool kav = false,
                        const QStringList &arc = {})
{
    static const char *const ranges[] = {"01-08", "09-16", "17-24", "25-32"};
    auto block = [&](const char *name) {
        QStringList lines;
        for (const char *range : ranges)
            lines << QStringLiteral("%1(%2): ").arg(QLatin1String(name), QLatin1String(range)) + hexBytes(general);
        return lines;
    };
    if (kav)
        return block("GI") + block("GO");
    return QStringList{QStringLiteral("SI(01-06): ") + hexBytes(si)} + block("DIB") + arc + QStringList{QStringLiteral("SO(01-06): ") + hexBytes(so)}
        + block("DOB");
}

QString signalLog(const QList<QStringList> &records, bool kav = false)
{
    QStringList list;
    for (int i = 0; i < records.size(); ++i)
        list << (kav ? kavRecord(QString::number(i + 1), QStringLiteral("E-0012,1"), QStringList{"1,2,3", "4,5,6"} + records.at(i))
                     : lumRecord(QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0')), QStringLiteral("E-0015,0,0"),
                                 sixAxes(), records.at(i)));
    return log(kav ? kavErrorHeader() : lumErrorHeader(), list);
}

const QVector<int> kNone(8, 0), kAll(8, 0xFF);

QStringList arcLines(const QString &in1, const QString &in2, const QString &ai, const QString &out1, const QString &out2)
{
    const QString indent(13, QLatin1Char(' '));
    return {QStringLiteral("ArcI(01-08): ") + in1, indent + in2, QStringLiteral("AI(01-04): ") + ai, QStringLiteral("AI(05-08): 5V"),
            QStringLiteral("ArcO(01-08): ") + out1, indent + out2, QStringLiteral("AO(01-04): ") + ai, QStringLiteral("AO(05-08): 6V")};
}

} // namespace

class TestSignals : public QObject
{
    Q_OBJECT

private slots:
    void init() { f.reset(new Fixture(false)); }
    void cleanup() { f.reset(); }
    void everySystemBitLightsItsOwnLabel();
    void shortAndOddSystemBytes();
    void generalIoNumbering_data();
    void generalIoNumbering();
    void familySwitchRestylesAndClearingResetsUnderLumOnly();
    void arrowKeysBeyondTheEndsClearByteZero();
    void arcViewFollowsTheRecord();

private:
    std::unique_ptr<Fixture> f;

    QString style(const char *name) const { return f->w(name)->styleSheet(); }
    // System labels that do not show the bits of the bytes given.
    QStringList systemMismatches(const QVector<int> &si, const QVector<int> &so) const
    {
        QStringList wrong;
        for (int k = 0; k < 6; ++k)
            for (int b = 0; b < 8; ++b)
                for (const char *name : {kInputNames[k][b], k < 4 ? kOutputNames[k][b] : ""}) {
                    const int byte = name == kInputNames[k][b] ? si.value(k) : so.value(k);
                    if (*name && style(name) != ((byte >> b) & 1 ? kYellow : kWhite))
                        wrong << QLatin1String(name) + QLatin1Char('=') + style(name);
                }
        return wrong;
    }
    // General boxes of DI/DO n..n+63 (block j) that do not show the bytes.
    QStringList generalMismatches(const char *prefix, int block, const QVector<int> &bytes) const
    {
        QStringList wrong;
        for (int k = 0; k < 8; ++k)
            for (int b = 0; b < 8; ++b) {
                const QByteArray name = prefix + QByteArray::number(64 * block + 8 * k + b + 1);
                auto *box = f->w<QCheckBox>(name.constData());
                const bool set = (bytes.value(k) >> b) & 1;
                if (box->isChecked() != set || box->styleSheet() != (set ? kBlue : kGrey))
                    wrong << box->objectName();
            }
        return wrong;
    }
    int checkedBoxes() const
    {
        int n = 0;
        for (QCheckBox *box : f->window.findChildren<QCheckBox *>(QRegularExpression(QStringLiteral("^D[IO]\\d+$"))))
            n += box->isChecked();
        return n;
    }
    QStringList labelsNotStyled(const QString &expected, bool withSeparators) const
    {
        QStringList wrong;
        for (const auto *names : {&kInputNames[0][0], &kOutputNames[0][0]})
            for (int i = 0; i < (names == &kInputNames[0][0] ? 48 : 32); ++i)
                if (*names[i] && style(names[i]) != expected)
                    wrong << QLatin1String(names[i]);
        for (const char *name : kSeparators)
            if (withSeparators && style(name) != expected)
                wrong << QLatin1String(name);
        return wrong;
    }
};

void TestSignals::everySystemBitLightsItsOwnLabel()
{
    // Record i carries only bit i of the system bytes: exactly its labels light.
    QList<QStringList> records;
    for (int i = 0; i < 48; ++i) {
        QVector<int> bytes(6, 0);
        bytes[i / 8] = 1 << (i % 8);
        records << signalLines(bytes, kNone, bytes);
    }
    f->open(QStringLiteral("ROBOT.ERR"), signalLog(records));
    for (int i = 0; i < 48; ++i) {
        f->clickRow(i);
        QVector<int> bytes(6, 0);
        bytes[i / 8] = 1 << (i % 8);
        QVERIFY_NONE(systemMismatches(bytes, bytes));
    }
    for (const char *name : kSeparators)
        QCOMPARE(style(name), QString());
}

void TestSignals::shortAndOddSystemBytes()
{
    QStringList fewer = signalLines({}, kNone, {});
    fewer[0] = QStringLiteral("SI(01-06): [00 00]");
    fewer[5] = QStringLiteral("SO(01-06): [00]");
    f->open(QStringLiteral("ROBOT.ERR"), signalLog({signalLines(kAll, kAll, kAll), fewer}));
    f->clickRow(0);
    QVERIFY_NONE(labelsNotStyled(kYellow, false));
    f->clickRow(1);   // a text with fewer bytes updates only the bytes it has
    QVERIFY_NONE(systemMismatches({0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, {0, 0xFF, 0xFF, 0xFF}));
}

void TestSignals::generalIoNumbering_data()
{
    QTest::addColumn<bool>("kav");
    QTest::newRow("Lum DIB/DOB") << false;
    QTest::newRow("Kav GI/GO") << true;
}

void TestSignals::generalIoNumbering()
{
    QFETCH(bool, kav);
    QStringList edge = signalLines(kNone, kNone, kNone, kav);
    const int di2 = kav ? 1 : 2, do4 = kav ? 7 : 9;
    edge[di2] = edge[di2].left(edge[di2].indexOf(QLatin1Char('['))) + QStringLiteral("[80 00 00 00 00 00 00 00]");
    edge[do4] = edge[do4].left(edge[do4].indexOf(QLatin1Char('['))) + QStringLiteral("[00 00 00 00 00 00 00 FF]");
    f->open(kav ? QStringLiteral("ROBOT.E01") : QStringLiteral("ROBOT.ERR"), signalLog({signalLines(kAll, kAll, kAll, kav), edge},
                                                                                       kav), kav);
    f->clickRow(0);
    QCOMPARE(checkedBoxes(), 512);
    f->clickRow(1);   // DI72 and DO249 to DO256 only
    QVERIFY_NONE(generalMismatches("DI", 1, {0x80}) + generalMismatches("DO", 3, {0, 0, 0, 0, 0, 0, 0, 0xFF})
                 + generalMismatches("DI", 0, kNone) + generalMismatches("DO", 0, kNone));
    QCOMPARE(checkedBoxes(), 9);
}

void TestSignals::familySwitchRestylesAndClearingResetsUnderLumOnly()
{
    f->open(QStringLiteral("ROBOT.ERR"), signalLog({signalLines(kAll, kAll, kAll), signalLines(kNone, kNone, kNone)}));
    f->clickRow(0);
    f->setFamily(true);
    QVERIFY_NONE(labelsNotStyled(kFamilyGrey, true));
    f->clickRow(1);   // under Kav a record never touches the system labels
    QVERIFY_NONE(labelsNotStyled(kFamilyGrey, true));
    QCOMPARE(checkedBoxes(), 0);
    f->clickRow(0);
    f->window.clearAllViews();   // under Kav the indicators keep their state
    QCOMPARE(checkedBoxes(), 512);
    QVERIFY_NONE(labelsNotStyled(kFamilyGrey, true));

    f->setFamily(false);
    QVERIFY_NONE(labelsNotStyled(kFamilyBlack, true));
    f->clickRow(0);
    f->window.clearAllViews();
    QVERIFY_NONE(labelsNotStyled(kWhite, false));
    for (int j = 0; j < 4; ++j)
        QVERIFY_NONE(generalMismatches("DI", j, kNone) + generalMismatches("DO", j, kNone));
}

void TestSignals::arrowKeysBeyondTheEndsClearByteZero()
{
    f->open(QStringLiteral("ROBOT.ERR"), signalLog({signalLines(kAll, kAll, kAll), signalLines(kAll, kAll, kAll)}));
    const QVector<int> firstClear{0, 255, 255, 255, 255, 255, 255, 255};
    for (const int row : {1, 0}) {
        f->clickRow(row);
        QTest::keyClick(f->table(), row == 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(f->table()->currentRow(), row);
        // Byte 0 of every column reads 00; all other bytes keep their state.
        QVERIFY_NONE(systemMismatches({0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {0, 0xFF, 0xFF, 0xFF}));
        for (int j = 0; j < 4; ++j)
            QVERIFY_NONE(generalMismatches("DI", j, firstClear) + generalMismatches("DO", j, firstClear));
    }
}

void TestSignals::arcViewFollowsTheRecord()
{
    auto arcRecord = [](const QString &wcr, const QString &ai) {
        return signalLines(kNone, kNone, kNone, false, arcLines(wcr + QStringLiteral(", ShockSensor=1,WireStick=0,"),
            QStringLiteral("WelderError=1,WireState=0,GasState=1, Res=1, Res=1"), ai, QStringLiteral("TorchSW=1,Inching=0,Retract=1,"),
            QStringLiteral("StickChk=0,GasCheck=1,Res=0,Res=1,Res =1")));
    };
    auto checked = [&](const QStringList &names) {
        QStringList wrong;
        for (const QString &name : names)
            if (!f->w<QRadioButton>(qPrintable(name))->isChecked())
                wrong << name;
        return wrong;
    };
    f->open(QStringLiteral("ROBOT.ERR"), signalLog({signalLines(kNone, kNone, kNone), arcRecord("WCR=0", "2.2V"),
                                                    arcRecord("WCR=1", "3.3V"), arcRecord("WCR=?", "4.4V")}));
    f->clickRow(2);
    // The continuation line loses its character 37: the eighth item keeps its blank.
    QVERIFY_NONE(checked({"WRC1", "SS1", "WS0", "WE1", "WSt0", "GS1", "SIR1", "SIR20", "TS1", "Inch0", "Ret1", "SC0", "GC1",
                          "SOR0", "SOR21", "SOR31"}));
    QCOMPARE(f->text("AI0104").trimmed() + f->text("AI0508") + f->text("AO0104") + f->text("AO0508"), QStringLiteral("3.3V 5V 3.3V 6V"));
    f->clickRow(3);   // "WCR=?" leaves the pair as it was
    QVERIFY_NONE(checked({"WRC1"}));
    QCOMPARE(f->text("AI0104").trimmed(), QStringLiteral("4.4V"));
    f->clickRow(0);   // a record without an arc block shows nothing new
    QCOMPARE(f->text("AI0104").trimmed(), QStringLiteral("4.4V"));
    QTest::keyClick(f->table(), Qt::Key_Down);   // the arrow keys do not refresh the arc view
    QCOMPARE(f->text("AI0104").trimmed(), QStringLiteral("4.4V"));
    // After sorting, a row shows the arc entry of its own record.
    f->window.sectionClicked(0);
    f->window.sectionClicked(0);
    QCOMPARE(f->column(0), (QStringList{"0004", "0003", "0002", "0001"}));
    f->clickRow(2);
    QCOMPARE(f->text("AI0104").trimmed(), QStringLiteral("2.2V"));
    QVERIFY_NONE(checked({"WRC0"}));
}

QTEST_MAIN(TestSignals)
#include "tst_signals.moc"
