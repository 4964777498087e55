// The formats library on its own: the log parser against committed logs and
// the cells, notices, lookups and arc lists they must give (tests/data),
// message templates, signal bytes, arc texts, file decoding, and garbage
// input (which the sanitizer build runs too).
//
// VELLORAN_UPDATE_GOLDEN=1 rewrites the .expected files; read the diff.

#include "details/signalbytes.h"
#include "log/logfile.h"
#include "details/messagecodes.h"
#include "log/logload.h"
#include "log/logparser.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTextStream>
#include <QtTest>

#include <functional>

using namespace vlog;

namespace {

// Writes what the parser gives as lines: lookups, notices and rows in the
// order they come. Its answers show which lookup got which parameters.
class TextSink : public LogSink, public MessageLookups
{
public:
    QStringList events;
    bool noteLookups = true;   // off when the lookups come from another thread
    void begin(int rows) override { events << QStringLiteral("rows %1").arg(rows); }
    void notice(Notice n) override
    {
        static const char *const names[] = {"Arc", "UndefinedInformation", "EightAxes"};
        events << QStringLiteral("notice ") + QLatin1String(names[int(n)]);
    }
    void row(int row, const LogRow &cells) override
    {
        QStringList texts{QStringLiteral("row %1 height %2 arc %3").arg(row).arg(cells.height()).arg(cells.arcEntry)};
        for (int c = 0; c < kRecordColumns; ++c)
            texts << (cells.has(c) ? QString(cells.cells[size_t(c)]).replace(QLatin1Char('\n'), QLatin1String("\\n"))
                                   : QStringLiteral("<none>"));
        events << texts.join(QLatin1String(" | "));
    }
    QString errorMessage(int code, const QString &p1, const QString &p2) override
    {
        return answer(QStringLiteral("E %1 %2 %3").arg(code).arg(p1, p2), code != 999);
    }
    QString warningMessage(int code, const QString &p1, const QString &p2) override
    {
        return answer(QStringLiteral("W %1 %2 %3").arg(code).arg(p1, p2), true);
    }
    QString kavStopReason(const QString &code) override { return answer(QStringLiteral("K ") + code, code == QLatin1String("F30")); }
    QString lumStopReason(int code) override { return answer(QStringLiteral("L %1").arg(code), code == 10); }

private:
    QString answer(const QString &call, bool known)
    {
        if (noteLookups)
            events << QStringLiteral("lookup ") + call;
        return known ? QLatin1Char('<') + call + QLatin1Char('>') : QString();
    }
};

// What a parse gave the sink, then the arc flag and lists it left.
QStringList parseToLines(const std::function<void(TextSink &, bool &, ArcLists &)> &parse, bool noteLookups = true)
{
    TextSink sink;
    sink.noteLookups = noteLookups;
    bool arcFlag = true;   // both are reset by the parser
    ArcLists arc;
    arc.arcInputs << QStringLiteral("left over from the last log");
    parse(sink, arcFlag, arc);
    sink.events << QStringLiteral("arcFlag %1").arg(arcFlag);
    const QList<QPair<const char *, QStringList>> lists{{"arcInputs", arc.arcInputs}, {"arcOutputs", arc.arcOutputs},
        {"analogInputs1", arc.analogInputs1}, {"analogInputs2", arc.analogInputs2},
        {"analogOutputs1", arc.analogOutputs1}, {"analogOutputs2", arc.analogOutputs2}};
    for (const auto &list : lists)
        sink.events << QLatin1String(list.first) + QLatin1String(" | ") + list.second.join(QLatin1String(" | "));
    return sink.events;
}

QStringList parseToLines(QString text, Family family, bool stop)
{
    return parseToLines([&](TextSink &sink, bool &arcFlag, ArcLists &arc) {
        parseLog(text.split(QLatin1Char('#')), family, stop, sink, arcFlag, arc, sink);
    });
}

QString dataFile(const QString &name)
{
    return QStringLiteral(VELLORAN_SOURCE_DIR "/tests/data/") + name;
}

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<missing %1>").arg(path);
}

} // namespace

class TestParser : public QObject
{
    Q_OBJECT

private slots:
    void goldenLogs_data();
    void goldenLogs();
    void messageTemplates_data();
    void messageTemplates();
    void signalCellBytes_data();
    void signalCellBytes();
    void arcTexts_data();
    void arcTexts();
    void logFilesDecodeAsATextStreamDoes();
    void logsReadPieceByPieceGiveTheWholeTextsRows_data();
    void logsReadPieceByPieceGiveTheWholeTextsRows();
    void garbageNeverCrashes();
};

void TestParser::goldenLogs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("kav");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<bool>("crlf");
    const struct { const char *title, *name; bool kav, stop, crlf; } rows[] = {
        {"Lum error record fills all 27 columns, unknown kind gets no message", "lum_errors", false, false, false},
        {"CR LF line ends change no cell", "lum_errors", false, false, true},
        {"Kav reads a Lum line with one parameter and no function", "lum_errors", true, false, false},
        {"Kav error log: placeholder function, fixed system bytes", "kav_errors", true, false, false},
        {"header 'Error number, Axis' shows the first parameter only", "one_parameter_header", false, false, false},
        {"header with four fields keeps the one-parameter flag", "four_field_header", false, false, false},
        {"Lum stop log: positions start at the Position data item", "lum_stops", false, true, false},
        {"Kav stop log: looked up by the whole first part of the code", "kav_stops", true, true, false},
        {"short, long and travel-axis position lines", "positions", false, false, false},
        {"9 to 16 axes go on a second line with the notice once", "eight_axes", false, false, false},
        {"date line splits at every blank", "date_lines", false, false, false},
        {"arc blocks fill the arc lists and notice once", "arc_blocks", false, false, false},
        {"a plain last record clears the arc flag", "arc_then_plain", false, false, false},
        {"a record without system input keeps the arc flag", "arc_then_no_system_input", false, false, false},
        {"an arc block cut at the record end reads as empty", "arc_block_cut", false, false, false},
        {"undefined information notice keeps the arc notice away", "undefined_then_arc", false, false, false},
        {"after the arc notice no undefined notice", "arc_then_undefined", false, false, false},
        {"undefined information and nine axes: both notices in order", "undefined_nine_axes", false, false, false},
        {"arc notice before the eight-axes notice", "arc_twelve_axes", false, false, false},
        {"header without items shows placeholders and no positions", "header_without_items", false, false, false},
        {"header items 0 and 1 are never read", "header_date_program_first", false, false, false},
        {"trailing # gives one more empty row", "trailing_separator", false, false, false},
        {"only a header gives no rows", "only_header", false, false, false},
        {"a lone # is an empty header and one empty Kav record", "lone_separator", true, false, false},
        {"empty file gives no rows", "empty_file", false, false, false},
        {"truncated records and codes without dash read as empty", "damaged_records", false, false, false},
        {"system input line near the record end is undefined information", "system_input_at_end", false, false, false},
    };
    for (const auto &r : rows)
        QTest::newRow(r.title) << QString::fromLatin1(r.name) << r.kav << r.stop << r.crlf;
}

void TestParser::goldenLogs()
{
    QFETCH(QString, name);
    QFETCH(bool, kav);
    QFETCH(bool, stop);
    QFETCH(bool, crlf);
    QString text = readText(dataFile(name + QStringLiteral(".log")));
    if (crlf)
        text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    const QStringList lines = parseToLines(text, kav ? Family::Kav : Family::Lum, stop);
    const QString expectedPath = dataFile(name + (kav ? QStringLiteral(".kav.expected") : QStringLiteral(".expected")));
    if (qEnvironmentVariableIsSet("VELLORAN_UPDATE_GOLDEN") && !crlf) {
        QFile f(expectedPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }
    const QStringList expected = readText(expectedPath).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int i = 0; i < std::max(lines.size(), expected.size()); ++i)
        QCOMPARE(lines.value(i), expected.value(i));
}

void TestParser::messageTemplates_data()
{
    QTest::addColumn<QString>("tmpl");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two parameters in order") << "Axis %d exceeded %d pulses" << "Axis 3 exceeded 7 pulses";
    QTest::newRow("one placeholder takes the first") << "Axis %d overheated" << "Axis 3 overheated";
    QTest::newRow("no placeholder") << "No placeholder" << "No placeholder";
    QTest::newRow("%% becomes a % the first step takes") << "Axis %2d at 100%% load" << "Axis 3 at 1003load";
    QTest::newRow("every %2d is the first") << "Axis %2d, %2d" << "Axis 3, 3";
    QTest::newRow("%s counts as a placeholder") << "%s speed %d" << "3 speed 7";
    QTest::newRow("% at the very end") << "Load %" << "Load 3";
    QTest::newRow("empty template") << "" << "";
}

void TestParser::messageTemplates()
{
    QFETCH(QString, tmpl);
    QFETCH(QString, expected);
    QCOMPARE(fillMessageTemplate(tmpl, QStringLiteral("3"), QStringLiteral("7")), expected);
}

void TestParser::signalCellBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<int>>("bytes");
    QTest::newRow("six bytes") << "[16 3F 03 01 00 00]" << QVector<int>{0x16, 0x3F, 3, 1, 0, 0};
    QTest::newRow("eight bytes, lower case") << "[32 1f 3C 13 00 00 80 FF]" << QVector<int>{0x32, 0x1F, 0x3C, 0x13, 0, 0, 0x80, 0xFF};
    QTest::newRow("empty text is one byte 00") << "" << QVector<int>{0};
    QTest::newRow("lone bracket") << "[" << QVector<int>{0};
    QTest::newRow("other width keeps the bracket on the last byte") << "[01 02 03]" << QVector<int>{1, 2, 0};
    QTest::newRow("trailing blank adds a byte") << "[01 02 03 04 05 06] " << QVector<int>{1, 2, 3, 4, 5, 0, 0};
    QTest::newRow("long text loses character 24 only") << "[11 22 33 44 55 66 77 88]Z" << QVector<int>{17, 34, 51, 68, 85, 102, 119, 0};
    QTest::newRow("no number, empty part, above FF") << "[1FF 100 GG  00 07]" << QVector<int>{0xFF, 0, 0, 0, 0, 7};
    QTest::newRow("too large for a number") << "[123456789 01 02 03 04 5]" << QVector<int>{0, 1, 2, 3, 4, 5};
}

void TestParser::signalCellBytes()
{
    QFETCH(QString, text);
    QFETCH(QVector<int>, bytes);
    QCOMPARE(signalBytes(text), bytes);
}

void TestParser::arcTexts_data()
{
    QTest::addColumn<bool>("output");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("states");   // H high, L low, K keep
    QTest::newRow("items 0-6 simplified, item 7 not")
        << false << "WCR=1, ShockSensor=1,WireStick=0,WelderError=1 ,WireState=0,GasState=1, Res=1, Res=1" << "HHLHLHHL";
    QTest::newRow("all inverted") << false << "WCR=0,ShockSensor=0,WireStick=1,WelderError=0,WireState=1,GasState=0,Res=0,Res=1"
                                  << "LLHLHLLH";
    QTest::newRow("WCR other than 0 or 1 keeps") << false << "WCR=2,ShockSensor=1" << "KH";
    QTest::newRow("empty text keeps") << false << "" << "K";
    QTest::newRow("lower case WCR keeps") << false << "wcr=1" << "K";
    QTest::newRow("outputs have no keep; ninth item ignored")
        << true << "TorchSW=2,Inching=1,Retract=1,StickChk=1,GasCheck=1,Res=1,Res=1,Res=1,Res=1" << "LHHHHHHH";
}

void TestParser::arcTexts()
{
    QFETCH(bool, output);
    QFETCH(QString, text);
    QFETCH(QString, states);
    QString got;
    for (ArcState s : arcStates(text, output ? arcOutputItems : arcInputItems))
        got += s == ArcState::High ? QLatin1Char('H') : s == ArcState::Low ? QLatin1Char('L') : QLatin1Char('K');
    QCOMPARE(got, states);
}

void TestParser::logFilesDecodeAsATextStreamDoes()
{
    const QList<QByteArray> files{QByteArray("plain ASCII #0001\r\nE-0001,1,0\r\n"), QByteArray("\xEF\xBB\xBF" "UTF-8 #1\n"),
                                  QByteArray("\xFF\xFE" "U\0T\0F\0-\0" "1\0" "6\0#\0", 16),
                                  QByteArray("bytes \xC3\xA9 and \xFF\xFE broken \x80 #"), QByteArray()};
    for (const QByteArray &bytes : files) {
        QBuffer a, b;
        a.setData(bytes);
        b.setData(bytes);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QTextStream stream(&b);
        QCOMPARE(readLogText(a), stream.readAll());
    }
}

void TestParser::logsReadPieceByPieceGiveTheWholeTextsRows_data()
{
    // Logs of several blocks: records whose cells repeat and change (so that
    // a cell equal to the one before falls on both sides of a block's end),
    // Hangul letters of three UTF-8 bytes cut by the blocks, arc blocks.
    QRandomGenerator rng(20261206);
    QString text = readText(dataFile(QStringLiteral("lum_errors.log"))).section(QLatin1Char('#'), 0, 0);
    const QString arc = QStringLiteral("ArcI(01-08): WCR=1,ShockSensor=0,\r\nWelderError=0,GasState=1, Res=0\r\n"
                                       "AI(01-04): 12.4V 0.0V\r\nAI(05-08): 0.0V 0.1V\r\n");
    for (int i = 0; i < 10000; ++i) {
        const auto pick = [&](int n) { return int(rng.bounded(n)); };
        text += QStringLiteral("#%1\r\n%2-%3,%4,%5\r\n2026/11/0%6 10:%7:00\r\n%8\r\n0034\r\n0005\r\n")
                    .arg(i).arg(pick(3) ? QStringLiteral("E") : QStringLiteral("경고")).arg(pick(40), 4, 10, QLatin1Char('0'))
                    .arg(pick(2) ? QStringLiteral("한글") : QStringLiteral("7")).arg(pick(3)).arg(pick(3) + 1).arg(pick(3))
                    .arg(pick(2) ? QStringLiteral("012") : QStringLiteral("013"));
        for (int p = 0; p < 3 + pick(2); ++p)
            text += QStringLiteral("  %1, %2,  %3\r\n").arg(pick(4)).arg(pick(1000)).arg(pick(2) ? QStringLiteral("가나다") : QStringLiteral("1.5"));
        text += QStringLiteral("SI(01-06): [01 02 03 0%1 05 06]\r\n").arg(pick(3));
        for (int b = 0; b < 4; ++b)
            text += QStringLiteral("DIB(01-08): [1%1 00 00 00 00 00 00 00]\r\n").arg(pick(2) * b);
        if (i % 3 == 1)
            text += arc;
        text += QStringLiteral("SO(01-06): [21 22 23 24 25 26]\r\n");
    }
    const QByteArray utf8 = text.toUtf8();
    QVERIFY(utf8.size() > 2 * (1 << 20));
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8 log of several blocks") << utf8;
    QTest::newRow("UTF-8 log with a byte-order mark") << QByteArray("\xEF\xBB\xBF") + utf8;
    QTest::newRow("bytes that are no UTF-8 at the blocks' ends") << QByteArray(utf8).replace("\xEA\xB0\x80", "\xEA\x80");
    QByteArray utf16("\xFF\xFE");
    utf16 += QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QTest::newRow("UTF-16 log") << utf16;
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("header only") << QByteArray("Error number, Parameter 1, Parameter 2\r\n");
}

void TestParser::logsReadPieceByPieceGiveTheWholeTextsRows()
{
    QFETCH(QByteArray, bytes);
    QBuffer whole(&bytes);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QString text = readLogText(whole);
    QBuffer device(&bytes);
    QVERIFY(device.open(QIODevice::ReadOnly));
    int records = -1;
    const QStringList lines = parseToLines([&](TextSink &sink, bool &arcFlag, ArcLists &arc) {
        LogParser parser(Family::Lum, false, sink, arcFlag, arc, sink);
        records = readAndParse(device, parser);
    }, false);
    const QStringList expected = parseToLines([&](TextSink &sink, bool &arcFlag, ArcLists &arc) {
        parseLog(text.split(QLatin1Char('#')), Family::Lum, false, sink, arcFlag, arc, sink);
    }, false);
    QCOMPARE(records, text.count(QLatin1Char('#')));
    QCOMPARE(lines.size(), expected.size());
    QCOMPARE(lines, expected);
}

void TestParser::garbageNeverCrashes()
{
    // Random text made of what the parser looks for: no crash and no read
    // beyond a record (the sanitizer build checks the reads).
    QRandomGenerator rng(20261205);
    const QString alphabet = QStringLiteral("#\n\r-,: SI(01-06)DIB(01-08)ArcI(01-08)AI(01-04)0123456789EWS\t\x01\xff");
    const QString headers[] = {readText(dataFile(QStringLiteral("lum_errors.log"))).section(QLatin1Char('#'), 0, 0),
                               readText(dataFile(QStringLiteral("lum_stops.log"))).section(QLatin1Char('#'), 0, 0)};
    for (int round = 0; round < 300; ++round) {
        QString text = headers[round % 2];
        const int length = int(rng.bounded(2000));
        for (int i = 0; i < length; ++i)
            text += alphabet.at(int(rng.bounded(alphabet.size())));
        const QStringList lines = parseToLines(text, round % 3 ? Family::Lum : Family::Kav, round % 2);
        QCOMPARE(lines.first(), QStringLiteral("rows %1").arg(text.count(QLatin1Char('#'))));
    }
}

QTEST_APPLESS_MAIN(TestParser)
#include "tst_parser.moc"
