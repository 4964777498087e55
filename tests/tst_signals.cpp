// The signal snapshots of the selected record: decoding the signal cells, the
// system input/output labels, the general input/output boxes and the arc view.

#include "app/velloran.h"
#include "details/signalbytes.h"
#include "support/dragdrop.h"
#include "support/logtext.h"
#include "support/modalwatcher.h"

#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace logtext;

namespace {

const QString kYellow = QStringLiteral("background: yellow");
const QString kWhite = QStringLiteral("background: white");
const QString kBlue = QStringLiteral("color : blue");
const QString kGrey = QStringLiteral("color : grey");
const QString kFamilyGrey = QStringLiteral("color: grey");
const QString kFamilyBlack = QStringLiteral("color: black");

// Which label each bit of the system bytes lights, as the controller manual
// lists them; "" where a bit drives nothing.
const char *const kInputNames[6][8] = {
    {"belt_limt", "limt1", "limt2", "limt3", "em_stop_op", "em_stop_tp", "em_stop_ex", ""},
    {"mode_switch_auto", "mode_switch_sys", "mode_switch_manual", "mode_switch_ex", "", "enable_switch_tp",
     "safe_garde_auto", "safe_garde_menual"},
    {"flt", "mc2", "robot_pan", "mc1", "escape", "motor_on_tp", "sv_bk", "svon"},
    {"motor_overheat1", "motor_overheat2", "brake_low", "", "start_tp", "stop_tp", "op_board_cof", "motor_on_ex"},
    {"type_cof", "pwmon", "reservation1", "reservation2", "reservation3", "reservation4", "", ""},
    {"", "ov", "overload_motor", "overload_brake", "overload_control", "overload_smps", "uv", "oc"},
};
const char *const kOutputNames[4][8] = {
    {"mc1_2", "high_speed1", "escon1", "", "brake1", "brake2", "brake3", "brake4"},
    {"motor_on_tp_2", "start_tp_2", "stop_tp_2", "system_odd", "reservation1_2", "reservation2_2", "pan_out",
     "reservation4_2"},
    {"ex_auto1", "ex_auto2", "", "", "", "", "", ""},
    {"mc2_2", "high_speed2", "escon2", "", "brake5", "brake6", "brake7", "brake8"},
};
const char *const kSeparators[] = {"label_39", "label_48", "label_91", "label_92", "label_97", "label_98"};

QString zeros(int count) { return bytes(count); }
QString filled(int count, const QString &byte)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << byte;
    return QLatin1Char('[') + list.join(QLatin1Char(' ')) + QLatin1Char(']');
}

// The signal cells of one record.
struct Signals
{
    QString si = zeros(6);
    QStringList di = QStringList{zeros(8), zeros(8), zeros(8), zeros(8)};
    QString so = zeros(6);
    QStringList dout = QStringList{zeros(8), zeros(8), zeros(8), zeros(8)};
    QStringList arc; // the arc block, for records of an arc welding robot

    static Signals all(const QString &byte)
    {
        Signals s;
        s.si = s.so = filled(6, byte);
        s.di = s.dout = QStringList{filled(8, byte), filled(8, byte), filled(8, byte), filled(8, byte)};
        return s;
    }
};

QStringList lumLines(const Signals &s)
{
    static const char *const in[4] = {"DIB(01-08): ", "DIB(09-16): ", "DIB(17-24): ", "DIB(25-32): "};
    static const char *const out[4] = {"DOB(01-08): ", "DOB(09-16): ", "DOB(17-24): ", "DOB(25-32): "};
    QStringList lines{QStringLiteral("SI(01-06): ") + s.si};
    for (int j = 0; j < 4; ++j)
        lines << QLatin1String(in[j]) + s.di.value(j);
    lines << s.arc << QStringLiteral("SO(01-06): ") + s.so;
    for (int j = 0; j < 4; ++j)
        lines << QLatin1String(out[j]) + s.dout.value(j);
    return lines;
}

QString lumLog(const QList<Signals> &records)
{
    QStringList list;
    for (int i = 0; i < records.size(); ++i)
        list << lumRecord(QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0')), QStringLiteral("E-0015,0,0"),
                          sixAxes(), lumLines(records.at(i)));
    return log(lumErrorHeader(), list);
}

QString kavLog(const QList<Signals> &records)
{
    static const char *const in[4] = {"GI(01-08): ", "GI(09-16): ", "GI(17-24): ", "GI(25-32): "};
    static const char *const out[4] = {"GO(01-08): ", "GO(09-16): ", "GO(17-24): ", "GO(25-32): "};
    QStringList list;
    for (int i = 0; i < records.size(); ++i) {
        QStringList lines{QStringLiteral("%1").arg(i + 1, 4, 10, QLatin1Char('0')), QStringLiteral("E-0072,0"),
                          QStringLiteral("2026/08/17 14:20:48"), QStringLiteral("015"), QStringLiteral("0020"),
                          QStringLiteral("10.7, 19.8, 31.1"), QStringLiteral("-33.2, -65.5, -27.2")};
        for (int j = 0; j < 4; ++j)
            lines << QLatin1String(in[j]) + records.at(i).di.value(j);
        for (int j = 0; j < 4; ++j)
            lines << QLatin1String(out[j]) + records.at(i).dout.value(j);
        list << lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    return log(kavErrorHeader(), list);
}

// An arc block as the controller writes it: each arc text goes on in an
// indented second line.
QStringList arcLines(const QString &in1, const QString &in2, const QString &ai, const QString &out1,
                     const QString &out2, const QString &ao)
{
    const QString indent(13, QLatin1Char(' '));
    return {QStringLiteral("ArcI(01-08): ") + in1, indent + in2,
            QStringLiteral("AI(01-04): ") + ai,    QStringLiteral("AI(05-08): 0.0V 0.0V 0.0V 0.0V"),
            QStringLiteral("ArcO(01-08): ") + out1, indent + out2,
            QStringLiteral("AO(01-04): ") + ao,    QStringLiteral("AO(05-08): 0.0V 0.0V 0.0V 0.0V")};
}

// The bytes of a well-formed signal cell, read by a route of its own.
QVector<int> hexPairs(const QString &cell)
{
    QVector<int> out;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("\\b([0-9A-Fa-f]{2})\\b")).globalMatch(cell);
    while (it.hasNext())
        out << it.next().captured(1).toInt(nullptr, 16);
    return out;
}

} // namespace

// Passes when the list of wrong indicators is empty, and names them otherwise.
#define QVERIFY_NONE(list)                                                                  \
    do {                                                                                   \
        const QStringList wrong_ = (list);                                                 \
        QVERIFY2(wrong_.isEmpty(), qPrintable(wrong_.join(QLatin1Char(' '))));             \
    } while (false)

class TestSignals : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void signalCellBytes();
    void arcTextStates();

    void everySystemBitLightsItsOwnLabel();
    void systemByteEdgeCases();
    void generalIoNumbering();
    void familySwitchRestylesSystemLabels();
    void clearingResetsIndicatorsUnderLumOnly();
    void arrowKeysBeyondTheEndsClearByteZero();
    void cellWithoutItemKeepsItsIndicators();
    void arcView();
    void arcViewFollowsTheRecord();
    void sampleRecordsIndicatorByIndicator();

private:
    QTemporaryDir m_dir;
    int m_logs = 0;
    std::unique_ptr<Velloran> m_window;
    std::unique_ptr<ModalWatcher> m_watcher;

    void open(const QString &name, const QString &text)
    {
        openFile(writeFile(m_dir.filePath(QStringLiteral("log%1/").arg(++m_logs) + name), text));
    }
    void openFile(const QString &path)
    {
        dropFiles(m_window.get(), {path});
    }
    void clickRow(int row)
    {
        QTableWidget *t = m_window->ui.tableWidget;
        const QModelIndex index = t->model()->index(row, 0);
        t->scrollTo(index);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, t->visualRect(index).center());
    }
    QString style(const char *name) const
    {
        const QWidget *w = m_window->findChild<QWidget *>(QLatin1String(name));
        return w ? w->styleSheet() : QStringLiteral("<no widget %1>").arg(QLatin1String(name));
    }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = m_window->ui.tableWidget->item(row, column);
        return item ? item->text() : QString();
    }
    QRadioButton *radio(const char *name) const { return m_window->findChild<QRadioButton *>(QLatin1String(name)); }

    // The system labels of the bytes given that do not show their bit.
    QStringList systemMismatches(const QVector<int> &si, const QVector<int> &so) const
    {
        QStringList wrong;
        auto check = [&](const char *name, int byte, int bit) {
            if (!*name)
                return;
            const QString expected = (byte >> bit) & 1 ? kYellow : kWhite;
            if (style(name) != expected)
                wrong << QStringLiteral("%1=%2").arg(QLatin1String(name), style(name));
        };
        for (int k = 0; k < si.size() && k < 6; ++k)
            for (int b = 0; b < 8; ++b)
                check(kInputNames[k][b], si.at(k), b);
        for (int k = 0; k < so.size() && k < 4; ++k)
            for (int b = 0; b < 8; ++b)
                check(kOutputNames[k][b], so.at(k), b);
        return wrong;
    }
    // The general boxes of block j (0 to 3) of DI or DO that do not show the bytes given.
    QStringList generalMismatches(bool inputs, int block, const QVector<int> &bytes) const
    {
        QStringList wrong;
        for (int k = 0; k < bytes.size() && k < 8; ++k) {
            for (int b = 0; b < 8; ++b) {
                const int n = 64 * block + 8 * k + b + 1;
                const QCheckBox *box = (inputs ? m_window->ui.DI : m_window->ui.DO)[n - 1];
                const bool set = (bytes.at(k) >> b) & 1;
                if (box->isChecked() != set || box->styleSheet() != (set ? kBlue : kGrey))
                    wrong << box->objectName();
            }
        }
        return wrong;
    }
    int checkedBoxes() const
    {
        int n = 0;
        for (int i = 0; i < 256; ++i)
            n += m_window->ui.DI[i]->isChecked() + m_window->ui.DO[i]->isChecked();
        return n;
    }
    QStringList labelsNotStyled(const QString &expected, bool withSeparators) const
    {
        QStringList wrong;
        auto check = [&](QLabel *const *labels, int count) {
            for (int i = 0; i < count; ++i) {
                const QString name = labels[i]->objectName();
                const bool separator = labels[i]->text() == QLatin1String("-");
                if ((withSeparators || !separator) && labels[i]->styleSheet() != expected)
                    wrong << name;
            }
        };
        check(m_window->ui.systemInputLabels, 44);
        check(m_window->ui.systemOutputLabels, 28);
        return wrong;
    }
};

void TestSignals::init()
{
    m_window.reset(new Velloran());
    m_window->show();
    m_watcher.reset(new ModalWatcher());
}

void TestSignals::cleanup()
{
    m_watcher.reset();
    m_window.reset();
}

void TestSignals::signalCellBytes()
{
    using vlog::signalBytes;
    // The two widths the log writer uses.
    QCOMPARE(signalBytes("[16 3F 03 01 00 00]"), (QVector<int>{0x16, 0x3F, 0x03, 0x01, 0, 0}));
    QCOMPARE(signalBytes("[32 1f 3C 13 00 00 80 FF]"), (QVector<int>{0x32, 0x1F, 0x3C, 0x13, 0, 0, 0x80, 0xFF}));
    // Nothing to read: one byte 00.
    QCOMPARE(signalBytes(QString()), QVector<int>{0});
    QCOMPARE(signalBytes(""), QVector<int>{0});
    QCOMPARE(signalBytes("["), QVector<int>{0});
    // Other widths keep the closing bracket on the last byte, which then
    // reads as 0; a trailing blank adds a byte.
    QCOMPARE(signalBytes("[01 02 03]"), (QVector<int>{1, 2, 0}));
    QCOMPARE(signalBytes("[01 02 03 04 05 06] "), (QVector<int>{1, 2, 3, 4, 5, 0, 0}));
    // A longer text loses the character at position 24, and only that one.
    QCOMPARE(signalBytes("[11 22 33 44 55 66 77 88]Z"), (QVector<int>{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0}));
    QCOMPARE(signalBytes("[11 22 33 44 55 66 77 88]"), (QVector<int>{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88}));
    // Parts that are no number read as 0, empty parts are kept, and a value
    // above FF keeps its low eight bits.
    const QString odd = QStringLiteral("[1FF 100 GG  00 07]");
    QCOMPARE(odd.size(), 19);
    QCOMPARE(signalBytes(odd), (QVector<int>{0xFF, 0, 0, 0, 0, 7}));
    QCOMPARE(signalBytes("[12345678 01 02 03 04 05]"), (QVector<int>{0x78, 1, 2, 3, 4, 5}));
    // Too large for a number at all: 0.
    QCOMPARE(signalBytes("[123456789 01 02 03 04 5]"), (QVector<int>{0, 1, 2, 3, 4, 5}));
}

void TestSignals::arcTextStates()
{
    using vlog::ArcState;
    const ArcState H = ArcState::High, L = ArcState::Low, K = ArcState::Keep;
    // Items 0 to 6 are simplified, item 7 is not.
    QCOMPARE(vlog::arcStates("WCR=1, ShockSensor=1,WireStick=0,WelderError=1 ,WireState=0,GasState=1, Res=1, Res=1",
                             vlog::arcInputItems),
             (QVector<ArcState>{H, H, L, H, L, H, H, L}));
    QCOMPARE(vlog::arcStates("WCR=0,ShockSensor=0,WireStick=1,WelderError=0,WireState=1,GasState=0,Res=0,Res=1",
                             vlog::arcInputItems),
             (QVector<ArcState>{L, L, H, L, H, L, L, H}));
    // The first input is left open by anything but "WCR=1" and "WCR=0".
    QCOMPARE(vlog::arcStates("WCR=2,ShockSensor=1", vlog::arcInputItems), (QVector<ArcState>{K, H}));
    QCOMPARE(vlog::arcStates("", vlog::arcInputItems), QVector<ArcState>{K});
    QCOMPARE(vlog::arcStates("wcr=1", vlog::arcInputItems), QVector<ArcState>{K});
    // The first output has no such exception; items after the eighth are ignored.
    QCOMPARE(vlog::arcStates("TorchSW=2,Inching=1,Retract=1,StickChk=1,GasCheck=1,Res=1,Res=1,Res=1,Res=1",
                             vlog::arcOutputItems),
             (QVector<ArcState>{L, H, H, H, H, H, H, H}));
    QCOMPARE(vlog::arcStates("TorchSW=1", vlog::arcOutputItems), QVector<ArcState>{H});
}

void TestSignals::everySystemBitLightsItsOwnLabel()
{
    // Record i carries only bit i of the system input bytes and of the system
    // output bytes: exactly its labels light, every other label stays white.
    QList<Signals> records;
    for (int i = 0; i < 48; ++i) {
        Signals s;
        QStringList si;
        for (int k = 0; k < 6; ++k)
            si << QStringLiteral("00");
        si[i / 8] = QStringLiteral("%1").arg(1 << (i % 8), 2, 16, QLatin1Char('0')).toUpper();
        s.si = QLatin1Char('[') + si.join(QLatin1Char(' ')) + QLatin1Char(']');
        s.so = s.si;
        records << s;
    }
    open(QStringLiteral("ROBOT.ERR"), lumLog(records));
    QCOMPARE(m_window->ui.tableWidget->rowCount(), 48);
    for (int i = 0; i < 48; ++i) {
        m_window->OnRowSelect(i, 0);
        QVector<int> bytes(6, 0);
        bytes[i / 8] = 1 << (i % 8);
        QVERIFY_NONE(systemMismatches(bytes, bytes));
    }
    // The "-" labels are no indicators.
    for (const char *name : kSeparators)
        QCOMPARE(style(name), QString());
}

void TestSignals::systemByteEdgeCases()
{
    Signals ff = Signals::all(QStringLiteral("FF"));
    Signals a, b, fewer;
    a.si = QStringLiteral("[00 00 00 00 00 01]");
    a.so = QStringLiteral("[00 00 03 00 00 00]");
    b.si = QStringLiteral("[00 00 00 00 00 02]");
    b.so = QStringLiteral("[00 00 FC 00 FF FF]");
    fewer.si = QStringLiteral("[00 00]");
    fewer.so = QStringLiteral("[00]");
    open(QStringLiteral("ROBOT.ERR"), lumLog({ff, a, b, fewer}));

    clickRow(0);
    QVERIFY_NONE(labelsNotStyled(kYellow, false));

    // Byte 5 of the inputs starts at bit 1: 01 lights nothing.
    clickRow(1);
    for (const char *name : {"ov", "overload_motor", "overload_brake", "overload_control", "overload_smps", "uv", "oc"})
        QCOMPARE(style(name), kWhite);
    // Byte 2 of the outputs with 03: the two remote automatic modes, nothing else.
    QStringList lit;
    for (QLabel *label : m_window->ui.systemOutputLabels)
        if (label->styleSheet() == kYellow)
            lit << label->objectName();
    QCOMPARE(lit, (QStringList{"ex_auto1", "ex_auto2"}));

    // Input byte 5 with 02 lights "ov" only; bits 2 to 7 of output byte 2,
    // and output bytes 4 and 5, light nothing.
    clickRow(2);
    QCOMPARE(labelsNotStyled(kWhite, false), QStringList{"ov"});
    QCOMPARE(style("ov"), kYellow);

    // A text with fewer bytes updates only the bytes it has.
    clickRow(0);
    clickRow(3);
    QVERIFY_NONE(systemMismatches({0, 0, 0xFF, 0xFF, 0xFF, 0xFF}, {0, 0xFF, 0xFF, 0xFF}));
}

void TestSignals::generalIoNumbering()
{
    Signals allSet = Signals::all(QStringLiteral("FF"));
    Signals edge;
    edge.di[1] = QStringLiteral("[80 00 00 00 00 00 00 00]");
    edge.dout[3] = QStringLiteral("[00 00 00 00 00 00 00 FF]");

    for (const bool kav : {false, true}) {
        if (kav) {
            m_window->ui.kav->click();
            open(QStringLiteral("ROBOT.E01"), kavLog({allSet, edge}));
        } else {
            open(QStringLiteral("ROBOT.ERR"), lumLog({allSet, edge}));
        }
        QCOMPARE(m_window->ui.tableWidget->rowCount(), 2);
        clickRow(0);
        QCOMPARE(checkedBoxes(), 512);
        clickRow(1);
        // 80 at position 0 of DI2: DI72 only of DI65 .. DI72.
        for (int n = 65; n <= 71; ++n) {
            QVERIFY(!m_window->ui.DI[n - 1]->isChecked());
            QCOMPARE(m_window->ui.DI[n - 1]->styleSheet(), kGrey);
        }
        QVERIFY(m_window->ui.DI[71]->isChecked());
        QCOMPARE(m_window->ui.DI[71]->styleSheet(), kBlue);
        // FF at position 7 of DO4: DO249 .. DO256.
        for (int n = 249; n <= 256; ++n) {
            QVERIFY(m_window->ui.DO[n - 1]->isChecked());
            QCOMPARE(m_window->ui.DO[n - 1]->styleSheet(), kBlue);
        }
        QCOMPARE(checkedBoxes(), 9);
        QCOMPARE(m_window->ui.DO[247]->styleSheet(), kGrey);
    }
}

void TestSignals::familySwitchRestylesSystemLabels()
{
    open(QStringLiteral("ROBOT.ERR"), lumLog({Signals::all(QStringLiteral("FF")), Signals()}));
    clickRow(0);
    m_window->ui.kav->click();
    QVERIFY(m_window->ui.kav->isChecked());
    QVERIFY_NONE(labelsNotStyled(kFamilyGrey, true));

    // With Kav chosen a record never touches the system labels, though the
    // general boxes follow it.
    clickRow(1);
    QVERIFY_NONE(labelsNotStyled(kFamilyGrey, true));
    QCOMPARE(checkedBoxes(), 0);
    clickRow(0);
    QVERIFY_NONE(labelsNotStyled(kFamilyGrey, true));
    QCOMPARE(checkedBoxes(), 512);

    m_window->ui.lum_luma->click();
    QVERIFY_NONE(labelsNotStyled(kFamilyBlack, true));
    for (const char *name : kSeparators)
        QCOMPARE(style(name), kFamilyBlack);
    clickRow(1);
    QVERIFY_NONE(labelsNotStyled(kWhite, false));
}

void TestSignals::clearingResetsIndicatorsUnderLumOnly()
{
    open(QStringLiteral("ROBOT.ERR"), lumLog({Signals::all(QStringLiteral("FF"))}));
    clickRow(0);
    QCOMPARE(checkedBoxes(), 512);
    m_window->clearAllViews();
    QVERIFY_NONE(labelsNotStyled(kWhite, false));
    QCOMPARE(checkedBoxes(), 0);
    for (int i = 0; i < 256; ++i) {
        QCOMPARE(m_window->ui.DI[i]->styleSheet(), kGrey);
        QCOMPARE(m_window->ui.DO[i]->styleSheet(), kGrey);
    }

    // Under Kav the indicators keep their state, also when a log is dropped.
    open(QStringLiteral("ROBOT.ERR"), lumLog({Signals::all(QStringLiteral("FF"))}));
    clickRow(0);
    m_window->ui.kav->click();
    m_window->clearAllViews();
    QCOMPARE(checkedBoxes(), 512);
    QVERIFY_NONE(labelsNotStyled(kFamilyGrey, true));
    open(QStringLiteral("ROBOT.E01"), kavLog({Signals()}));
    QCOMPARE(checkedBoxes(), 512);
    QVERIFY_NONE(labelsNotStyled(kFamilyGrey, true));
}

void TestSignals::arrowKeysBeyondTheEndsClearByteZero()
{
    const Signals ff = Signals::all(QStringLiteral("FF"));
    open(QStringLiteral("ROBOT.ERR"), lumLog({ff, ff}));
    QTableWidget *t = m_window->ui.tableWidget;

    for (const int row : {1, 0}) {
        clickRow(row);
        QCOMPARE(t->currentRow(), row);
        QCOMPARE(checkedBoxes(), 512);
        QTest::keyClick(t, row == 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(t->currentRow(), row);

        // Byte 0 of every column reads 00; all other bytes keep their state.
        QVERIFY_NONE(systemMismatches({0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {0, 0xFF, 0xFF, 0xFF}));
        const QVector<int> firstClear{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        for (int j = 0; j < 4; ++j)
            QVERIFY_NONE(generalMismatches(true, j, firstClear) + generalMismatches(false, j, firstClear));
        QCOMPARE(checkedBoxes(), 512 - 64);
    }
}

void TestSignals::cellWithoutItemKeepsItsIndicators()
{
    open(QStringLiteral("ROBOT.ERR"), lumLog({Signals::all(QStringLiteral("FF")), Signals()}));
    QTableWidget *t = m_window->ui.tableWidget;
    delete t->takeItem(1, 17);
    delete t->takeItem(1, 23);
    clickRow(0);
    clickRow(1);
    // SI and DO1 have no cell: their indicators stay lit; the others follow the record.
    QVERIFY_NONE(systemMismatches(QVector<int>(6, 0xFF), QVector<int>(4, 0)));
    QVERIFY_NONE(generalMismatches(false, 0, QVector<int>(8, 0xFF)) + generalMismatches(false, 1, QVector<int>(8, 0))
                 + generalMismatches(true, 0, QVector<int>(8, 0)));
    QCOMPARE(checkedBoxes(), 64);
}

void TestSignals::arcView()
{
    QList<Signals> records{Signals(), Signals(), Signals(), Signals()};
    // The continuation line loses its character at position 37: the blank
    // before the seventh item here, so the eighth keeps its leading blank.
    records[0].arc = arcLines(QStringLiteral("WCR=1, ShockSensor=1,WireStick=0,"),
                              QStringLiteral("WelderError=1,WireState=0,GasState=1, Res=1, Res=1"),
                              QStringLiteral("12.4V 0.0A 0.0V 0.0V"), QStringLiteral("TorchSW=1,Inching=0,Retract=1,"),
                              QStringLiteral("StickChk=0,GasCheck=1,Res=0,Res=1,Res =1"),
                              QStringLiteral("24.5V 180.0A 0.0V 0.0V"));
    records[1].arc = arcLines(QStringLiteral("WCR=?,ShockSensor=0,WireStick=1,"),
                              QStringLiteral("WelderError=0,WireState=1,GasState=0, Res=0,Res=1"),
                              QStringLiteral("0.3V 0.0A 0.0V 0.0V"), QStringLiteral("TorchSW=0,Inching=1,Retract=0,"),
                              QStringLiteral("StickChk=1,GasCheck=0,Res=1,Res=0,Res =0"),
                              QStringLiteral("0.0V 0.0A 0.0V 0.0V"));
    records[2].arc = records[1].arc;
    records[2].arc[0] = QStringLiteral("ArcI(01-08): WCR=0,ShockSensor=0,WireStick=1,");
    records[3].arc = records[0].arc;
    open(QStringLiteral("ROBOT.ERR"), lumLog(records));
    QVERIFY(m_window->arcFlag);

    auto checked = [this](const char *const (&names)[16]) {
        QStringList wrong;
        for (const char *name : names)
            if (!radio(name) || !radio(name)->isChecked())
                wrong << QLatin1String(name);
        return wrong.join(' ');
    };
    clickRow(0);
    const char *const first[16] = {"WRC1", "SS1",  "WS0", "WE1", "WSt0", "GS1", "SIR1",  "SIR20",
                                   "TS1",  "Inch0", "Ret1", "SC0", "GC1",  "SOR0", "SOR21", "SOR31"};
    QCOMPARE(checked(first), QString());
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("12.4V 0.0A 0.0V 0.0V"));
    QCOMPARE(m_window->ui.AO0104->text().trimmed(), QStringLiteral("24.5V 180.0A 0.0V 0.0V"));
    QCOMPARE(m_window->ui.AI0508->text().trimmed(), QStringLiteral("0.0V 0.0V 0.0V 0.0V"));
    QCOMPARE(m_window->ui.AO0508->text().trimmed(), QStringLiteral("0.0V 0.0V 0.0V 0.0V"));

    // "WCR=?" leaves the pair as it was.
    clickRow(1);
    const char *const second[16] = {"WRC1", "SS0",  "WS1",  "WE0", "WSt1", "GS0",  "SIR0",  "SIR21",
                                    "TS0",  "Inch1", "Ret0", "SC1", "GC0",  "SOR1", "SOR20", "SOR30"};
    QCOMPARE(checked(second), QString());
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("0.3V 0.0A 0.0V 0.0V"));

    clickRow(2);
    QVERIFY(radio("WRC0")->isChecked());
    QVERIFY(!radio("WRC1")->isChecked());

    // An arc text that ends early leaves the later signals as they are.
    clickRow(3);
    QCOMPARE(checked(first), QString());
    m_window->arcLists.arcInputs[1] = QStringLiteral("WCR=0,ShockSensor=0");
    clickRow(1);
    const char *const shortText[16] = {"WRC0", "SS0",  "WS0", "WE1", "WSt0", "GS1", "SIR1",  "SIR20",
                                       "TS0",  "Inch1", "Ret0", "SC1", "GC0", "SOR1", "SOR20", "SOR30"};
    QCOMPARE(checked(shortText), QString());

    // The arrow keys do not refresh the arc view.
    QTest::keyClick(m_window->ui.tableWidget, Qt::Key_Up);
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("0.3V 0.0A 0.0V 0.0V"));
}

void TestSignals::arcViewFollowsTheRecord()
{
    auto arcRecord = [](const QString &wcr, const QString &ai) {
        Signals s;
        s.arc = arcLines(wcr + QStringLiteral(",ShockSensor=0,WireStick=0,"),
                         QStringLiteral("WelderError=0,WireState=1,GasState=0, Res=0,Res=0"), ai,
                         QStringLiteral("TorchSW=0,Inching=0,Retract=0,"),
                         QStringLiteral("StickChk=0,GasCheck=0,Res=0,Res=0,Res =0"), ai);
        return s;
    };
    // After sorting, a row shows the arc entry of its own record.
    open(QStringLiteral("ROBOT.ERR"), lumLog({arcRecord("WCR=1", "1.1V"), arcRecord("WCR=0", "2.2V"),
                                              arcRecord("WCR=1", "3.3V")}));
    m_window->sectionClicked(0);
    m_window->sectionClicked(0);
    QCOMPARE(cell(0, 0), QStringLiteral("0003"));
    QCOMPARE(cell(2, 0), QStringLiteral("0001"));
    clickRow(1);
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("2.2V"));
    QVERIFY(radio("WRC0")->isChecked());
    clickRow(0);
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("3.3V"));
    QCOMPARE(m_window->ui.AO0104->text().trimmed(), QStringLiteral("3.3V"));
    QVERIFY(radio("WRC1")->isChecked());
    clickRow(2);
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("1.1V"));

    // Only some records carry an arc block; the others show nothing new.
    open(QStringLiteral("ROBOT.ERR"), lumLog({Signals(), arcRecord("WCR=0", "5.5V"), Signals(),
                                              arcRecord("WCR=1", "7.7V")}));
    QVERIFY(m_window->arcFlag);
    clickRow(3);
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("7.7V"));
    clickRow(2);
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("7.7V"));
    QVERIFY(radio("WRC1")->isChecked());
    clickRow(1);
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("5.5V"));
    QVERIFY(radio("WRC0")->isChecked());
    clickRow(0);
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("5.5V"));
    // A row beyond the table has no entry either.
    m_window->fillArcView(4);
    m_window->fillArcView(-1);
    QCOMPARE(m_window->ui.AI0104->text().trimmed(), QStringLiteral("5.5V"));
}

void TestSignals::sampleRecordsIndicatorByIndicator()
{
    QTableWidget *t = m_window->ui.tableWidget;
    for (const bool kav : {false, true}) {
        if (kav)
            m_window->ui.kav->click();
        openFile(QStringLiteral(VELLORAN_SAMPLES_DIR) + (kav ? "/kav/ROBOT.E01" : "/lum_spot/ROBOT.ERR"));
        QVERIFY(t->rowCount() > 10);
        for (const int row : {0, 1, 2, 7, t->rowCount() - 1}) {
            m_window->OnRowSelect(row, 0);
            const QVector<int> si = hexPairs(cell(row, 17)), so = hexPairs(cell(row, 22));
            QCOMPARE(si.size(), 6);
            QCOMPARE(so.size(), 6);
            QVERIFY_NONE(kav ? labelsNotStyled(kFamilyGrey, true) : systemMismatches(si, so));
            for (int j = 0; j < 4; ++j) {
                const QVector<int> di = hexPairs(cell(row, 18 + j)), dout = hexPairs(cell(row, 23 + j));
                QCOMPARE(di.size(), 8);
                QCOMPARE(dout.size(), 8);
                QVERIFY_NONE(generalMismatches(true, j, di) + generalMismatches(false, j, dout));
            }
        }
    }
}

QTEST_MAIN(TestSignals)
#include "tst_signals.moc"
