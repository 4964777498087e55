// The log parser on its own: text in, rows, notices and arc lists out.

#include "details/messagecodes.h"
#include "log/logparser.h"
#include "support/logtext.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace vlog;
using namespace logtext;

namespace {

// Answers message lookups from fixed templates and remembers every call.
class FakeLookups : public MessageLookups
{
public:
    QHash<int, QString> errors{{123, QStringLiteral("Axis %d deviation %d")}, {7, QStringLiteral("Servo fault")}};
    QHash<int, QString> warnings{{105, QStringLiteral("Battery low on axis %d")}};
    QStringList calls;

    QString errorMessage(int code, const QString &p1, const QString &p2) override
    {
        calls << QStringLiteral("E %1 %2 %3").arg(code).arg(p1, p2);
        return fillMessageTemplate(errors.value(code), p1, p2);
    }
    QString warningMessage(int code, const QString &p1, const QString &p2) override
    {
        calls << QStringLiteral("W %1 %2 %3").arg(code).arg(p1, p2);
        return fillMessageTemplate(warnings.value(code), p1, p2);
    }
    QString kavStopReason(const QString &code) override
    {
        calls << QStringLiteral("K ") + code;
        return code == QLatin1String("F30") ? QStringLiteral("Internal Emergency Stop") : QStringLiteral("");
    }
    QString lumStopReason(int code) override
    {
        calls << QStringLiteral("L %1").arg(code);
        return code == 10 ? QStringLiteral("Internal Stop") : QStringLiteral("");
    }
};

struct Parsed
{
    int rowCount = -1;
    QList<LogRow> rows;
    QList<Notice> notices;
    QStringList events;   // notices and rows in the order they came
    bool arcFlag = false;
    ArcLists arc;
    QStringList calls;

    // The cell as the table shows it: "<none>" for a cell without item.
    QString cell(int row, int column) const
    {
        const LogRow &r = rows.at(row);
        return r.has(column) ? r.cells[size_t(column)] : QStringLiteral("<none>");
    }
};

class CollectSink : public LogSink
{
public:
    explicit CollectSink(Parsed &out) : m_out(out) {}
    void begin(int rowCount) override { m_out.rowCount = rowCount; }
    void notice(Notice n) override
    {
        m_out.notices << n;
        m_out.events << QStringLiteral("notice %1").arg(int(n));
    }
    void row(int row, const LogRow &cells) override
    {
        QCOMPARE(row, m_out.rows.size());
        m_out.rows << cells;
        m_out.events << QStringLiteral("row %1").arg(row);
    }

private:
    Parsed &m_out;
};

Parsed parse(const QString &text, Family family, bool stopLog, bool arcFlagBefore = true)
{
    Parsed out;
    FakeLookups lookups;
    CollectSink sink(out);
    out.arcFlag = arcFlagBefore;
    out.arc.arcInputs << QStringLiteral("left over from the last log");
    parseLog(text.split(QLatin1Char('#')), family, stopLog, lookups, out.arcFlag, out.arc, sink);
    out.calls = lookups.calls;
    return out;
}

QStringList rowTexts(const Parsed &p, int row)
{
    QStringList texts;
    for (int c = 0; c < kRecordColumns; ++c)
        texts << p.cell(row, c);
    return texts;
}

} // namespace

class TestLogParser : public QObject
{
    Q_OBJECT

private slots:
    void lumErrorRecordFillsEveryColumn();
    void kavReadsTheSameLineWithOneParameter();
    void twoParameterFlagFollowsTheErrorNumberItem();
    void messageTemplates();
    void stopEntries();
    void kavRecordColumns();
    void positionLines();
    void eightAxesRecords();
    void dateLineSplitsAtEveryBlank();
    void arcBlocks();
    void undefinedInformationNotice();
    void headerWithoutOptionalItems();
    void emptyAndTrailingChunks();
    void malformedRecordsReadAsEmpty();
    void garbageNeverCrashes();
};

void TestLogParser::lumErrorRecordFillsEveryColumn()
{
    const QString text = log(lumErrorHeader(), {lumRecord(QStringLiteral("0001"), QStringLiteral("E-0123,5,2"), sixAxes())});
    const Parsed p = parse(text, Family::Lum, false);
    QCOMPARE(p.rowCount, 1);
    QCOMPARE(rowTexts(p, 0),
             (QStringList{"0001", "E-0123", "Axis 5 deviation 2", "5,2", "2026/11/03", "10:22:01", "012", "0034",
                          "0005", "123.456", "-45.210", "78.900", "0.000", "90.000", "-12.500", "0", "0",
                          "[01 02 03 04 05 06]", "[11 00 00 00 00 00 00 00]", "[12 00 00 00 00 00 00 00]",
                          "[13 00 00 00 00 00 00 00]", "[14 00 00 00 00 00 00 00]", "[21 22 23 24 25 26]",
                          "[31 00 00 00 00 00 00 00]", "[32 00 00 00 00 00 00 00]", "[33 00 00 00 00 00 00 00]",
                          "[34 00 00 00 00 00 00 00]"}));
    QCOMPARE(p.rows.at(0).height(), 30);
    QCOMPARE(p.calls, QStringList{"E 123 5 2"});
    QVERIFY(p.notices.isEmpty());
    // A plain record resets the arc flag and the lists start empty.
    QVERIFY(!p.arcFlag);
    QCOMPARE(p.arc.size(), 0);

    // CR LF line ends give the same cells.
    QString crlf = text;
    crlf.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    QCOMPARE(rowTexts(parse(crlf, Family::Lum, false), 0), rowTexts(p, 0));

    // A warning goes to the warning lookup.
    const Parsed w = parse(log(lumErrorHeader(), {lumRecord("0002", "W-0105,3,0", sixAxes())}), Family::Lum, false);
    QCOMPARE(w.cell(0, 2), QStringLiteral("Battery low on axis 3"));
    QCOMPARE(w.calls, QStringList{"W 105 3 0"});

    // Another kind letter gets no message item, and no lookup is made.
    const Parsed x = parse(log(lumErrorHeader(), {lumRecord("0003", "X-0123,5,2", sixAxes())}), Family::Lum, false);
    QCOMPARE(x.cell(0, 1), QStringLiteral("X-0123"));
    QCOMPARE(x.cell(0, 2), QStringLiteral("<none>"));
    QCOMPARE(x.cell(0, 3), QStringLiteral("5,2"));
    QVERIFY(x.calls.isEmpty());

    // A code without a help text gives an empty message item.
    const Parsed none = parse(log(lumErrorHeader(), {lumRecord("0004", "E-0999,1,0", sixAxes())}), Family::Lum, false);
    QCOMPARE(none.cell(0, 2), QString());
}

void TestLogParser::kavReadsTheSameLineWithOneParameter()
{
    const QString text = log(lumErrorHeader(), {lumRecord("0001", "E-0123,5,2", sixAxes())});
    const Parsed p = parse(text, Family::Kav, false);
    QCOMPARE(p.cell(0, 1), QStringLiteral("E-0123"));
    QCOMPARE(p.cell(0, 3), QStringLiteral("5"));
    QCOMPARE(p.calls, QStringList{"E 123 5 0"});
    QCOMPARE(p.cell(0, 2), QStringLiteral("Axis 5 deviation 0"));
    QCOMPARE(p.cell(0, 8), QStringLiteral("   -"));
}

void TestLogParser::twoParameterFlagFollowsTheErrorNumberItem()
{
    const QString record = lumRecord("0001", "E-0123,5", sixAxes());
    // Two comma fields in the item: the axis column shows the first parameter only.
    QCOMPARE(parse(log(lumErrorHeader("Error number, Axis"), {record}), Family::Lum, false).cell(0, 3),
             QStringLiteral("5"));
    // Three fields: both parameters; a code line with only two fields gives "0" as the second.
    const Parsed two = parse(log(lumErrorHeader(), {record}), Family::Lum, false);
    QCOMPARE(two.cell(0, 3), QStringLiteral("5,0"));
    QCOMPARE(two.calls, QStringList{"E 123 5 0"});
    // Four fields leave the flag as it was (false at the start of each load).
    QCOMPARE(parse(log(lumErrorHeader("Error number, a, b, c"), {record}), Family::Lum, false).cell(0, 3),
             QStringLiteral("5"));
    // The test is case-insensitive.
    QCOMPARE(parse(log(lumErrorHeader("ERROR NUMBER, P1, P2"), {record}), Family::Lum, false).cell(0, 3),
             QStringLiteral("5,0"));
    // A code line with more fields: p2 is the third field, the rest is ignored.
    QCOMPARE(parse(log(lumErrorHeader(), {lumRecord("1", "E-0123,1,2,3", sixAxes())}), Family::Lum, false).cell(0, 2),
             QStringLiteral("Axis 1 deviation 2"));
}

void TestLogParser::messageTemplates()
{
    QCOMPARE(fillMessageTemplate("Axis %d exceeded %d pulses", "3", "7"), QStringLiteral("Axis 3 exceeded 7 pulses"));
    QCOMPARE(fillMessageTemplate("Axis %d overheated", "3", "7"), QStringLiteral("Axis 3 overheated"));
    QCOMPARE(fillMessageTemplate("No placeholder", "3", "7"), QStringLiteral("No placeholder"));
    // "%2d" and "%%" are handled before the single "%".
    // "%%" becomes a "%" that the first-"%" step then takes with the blank after it.
    QCOMPARE(fillMessageTemplate("Axis %2d at 100%% load", "4", "9"), QStringLiteral("Axis 4 at 1004load"));
    QCOMPARE(fillMessageTemplate("Axis %2d, %2d", "4", "9"), QStringLiteral("Axis 4, 4"));
    QCOMPARE(fillMessageTemplate("%s speed %d", "1", "250"), QStringLiteral("1 speed 250"));
    // A "%" at the very end replaces what is left.
    QCOMPARE(fillMessageTemplate("Load %", "80", "x"), QStringLiteral("Load 80"));
    QCOMPARE(fillMessageTemplate(QString(), "1", "2"), QString());
}

void TestLogParser::stopEntries()
{
    const Parsed lum = parse(log(lumStopHeader(), {lumRecord("0001", "S-10", sixAxes()), lumRecord("0002", "S-70", sixAxes())}),
                             Family::Lum, true);
    QCOMPARE(lum.rowCount, 2);
    QCOMPARE(lum.cell(0, 1), QStringLiteral("S-10"));
    QCOMPARE(lum.cell(0, 2), QStringLiteral("Internal Stop"));
    QCOMPARE(lum.cell(0, 3), QStringLiteral("0"));
    QCOMPARE(lum.cell(1, 2), QString());
    QCOMPARE(lum.calls, (QStringList{"L 10", "L 70"}));
    // A stop header starts the positions at the "Position data" item itself.
    QCOMPARE(lum.cell(0, 9), QStringLiteral("123.456"));
    QCOMPARE(lum.cell(0, 8), QStringLiteral("0005"));

    // Kav stops are looked up by the whole first part of the code.
    const Parsed kav = parse(log(kavStopHeader(), {kavRecord("0001", " F30 "), kavRecord("0002", "F-01")}), Family::Kav, true);
    QCOMPARE(kav.cell(0, 1), QStringLiteral("F30"));
    QCOMPARE(kav.cell(0, 2), QStringLiteral("Internal Emergency Stop"));
    QCOMPARE(kav.cell(1, 2), QString());
    QCOMPARE(kav.calls, (QStringList{"K F30", "K F"}));
    QCOMPARE(kav.cell(0, 9), QStringLiteral("10.5"));
    QCOMPARE(kav.cell(0, 14), QStringLiteral("60.5"));
}

void TestLogParser::kavRecordColumns()
{
    const Parsed p = parse(log(kavErrorHeader(), {kavRecord("0001", "E-0012,3")}), Family::Kav, false);
    QCOMPARE(rowTexts(p, 0),
             (QStringList{"0001", "E-0012", "", "3", "2026/11/04", "08:00:15", "007", "0012", "   -", "10.5", "20.5",
                          "30.5", "40.5", "50.5", "60.5", "0", "0", "[00 00 00 00 00 00]",
                          "[41 00 00 00 00 00 00 00]", "[42 00 00 00 00 00 00 00]", "[43 00 00 00 00 00 00 00]",
                          "[44 00 00 00 00 00 00 00]", "[00 00 00 00 00 00]", "[51 00 00 00 00 00 00 00]",
                          "[52 00 00 00 00 00 00 00]", "[53 00 00 00 00 00 00 00]", "[54 00 00 00 00 00 00 00]"}));
    // A Kav record never has a system input line: no eight-axes test, no notice.
    QVERIFY(p.notices.isEmpty());
}

void TestLogParser::positionLines()
{
    auto axes = [](const QStringList &positions) {
        const Parsed p = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", positions)}), Family::Lum, false);
        QStringList cells;
        for (int c = 9; c <= 16; ++c)
            cells << p.cell(0, c);
        return cells;
    };
    // Two position lines: axes 7 and 8 show "0".
    QCOMPARE(axes({"1,2,3", "4,5,6"}), (QStringList{"1", "2", "3", "4", "5", "6", "0", "0"}));
    // Short second line: missing axes read "0".
    QCOMPARE(axes({"1,2,3", "4"}), (QStringList{"1", "2", "3", "4", "0", "0", "0", "0"}));
    QCOMPARE(axes({"1,2,3", "4,5"}), (QStringList{"1", "2", "3", "4", "5", "0", "0", "0"}));
    // Short first line: missing fields are empty.
    QCOMPARE(axes({"1", "4,5,6"}), (QStringList{"1", "", "", "4", "5", "6", "0", "0"}));
    // A travel axis on the third line, one or two values.
    QCOMPARE(axes({"1,2,3", "4,5,6", "1500.0"}), (QStringList{"1", "2", "3", "4", "5", "6", "1500.0", "0"}));
    QCOMPARE(axes({"1,2,3", "4,5,6", "7, 8"}), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}));
    // Four values on the third line: axes 7 and 8 get no item.
    QCOMPARE(axes({"1,2,3", "4,5,6", "7,8,9,10"}), (QStringList{"1", "2", "3", "4", "5", "6", "<none>", "<none>"}));
    // More than six position lines is no eight-axes record; lines four and five still go below.
    const Parsed seven = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", {"1,2,3", "4,5,6", "7,8,9", "10,11,12", "13,14,15", "16", "17"})}),
                               Family::Lum, false);
    QCOMPARE(seven.rows.at(0).height(), 30);
    QVERIFY(seven.notices.isEmpty());
    QCOMPARE(seven.cell(0, 9), QStringLiteral("1\n9"));
    QCOMPARE(seven.cell(0, 13), QStringLiteral("5\n13"));
    QCOMPARE(seven.cell(0, 16), QStringLiteral("8"));
}

void TestLogParser::eightAxesRecords()
{
    const QStringList twelve{"1,2,3", "4,5,6", "7,8,9", "10,11,12"};
    const Parsed p = parse(log(lumErrorHeader(), {lumRecord("0001", "E-0007,1,0", twelve), lumRecord("0002", "E-0007,1,0", twelve),
                                                  lumRecord("0003", "E-0007,1,0", sixAxes())}),
                           Family::Lum, false);
    QCOMPARE(p.notices, QList<Notice>{Notice::EightAxes});
    QCOMPARE(p.events.first(), QStringLiteral("notice 2"));   // before the first row
    QCOMPARE(p.rows.at(0).height(), 40);
    QCOMPARE(p.rows.at(1).height(), 40);
    QCOMPARE(p.rows.at(2).height(), 30);
    QStringList cells;
    for (int c = 9; c <= 16; ++c)
        cells << p.cell(0, c);
    QCOMPARE(cells, (QStringList{"1\n9", "2\n10", "3\n11", "4\n12", "5", "6", "7", "8"}));

    // Sixteen axes: lines five and six fill the second rows of axes 5 to 8.
    const Parsed sixteen = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", {"1,2,3", "4,5,6", "7,8,9", "10,11,12", "13,14,15", " 16 "})}),
                                 Family::Lum, false);
    cells.clear();
    for (int c = 9; c <= 16; ++c)
        cells << sixteen.cell(0, c);
    QCOMPARE(cells, (QStringList{"1\n9", "2\n10", "3\n11", "4\n12", "5\n13", "6\n14", "7\n15", "8\n16"}));
    QCOMPARE(sixteen.rows.at(0).height(), 40);

    // Three values on the third line with only three position lines: eight-axes too.
    const Parsed nine = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", {"1,2,3", "4,5,6", "7,8,9"})}), Family::Lum, false);
    QCOMPARE(nine.rows.at(0).height(), 40);
    QCOMPARE(nine.cell(0, 9), QStringLiteral("1\n9"));
    // Four position lines whose third has two values: not eight-axes.
    const Parsed notEight = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", {"1,2,3", "4,5,6", "7,8", "10"})}), Family::Lum, false);
    QCOMPARE(notEight.rows.at(0).height(), 30);
    QVERIFY(notEight.notices.isEmpty());
    QCOMPARE(notEight.cell(0, 10), QStringLiteral("2\n10"));
}

void TestLogParser::dateLineSplitsAtEveryBlank()
{
    auto dateTime = [](const QString &line) {
        const Parsed p = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), lumSignals(), line)}), Family::Lum, false);
        return QStringList{p.cell(0, 4), p.cell(0, 5)};
    };
    QCOMPARE(dateTime("2026/11/03  10:22:01"), (QStringList{"2026/11/03", ""}));
    QCOMPARE(dateTime(" 2026/11/03 10:22:01"), (QStringList{"", "2026/11/03"}));
    QCOMPARE(dateTime("2026/11/03"), (QStringList{"2026/11/03", ""}));
}

void TestLogParser::arcBlocks()
{
    QStringList arcSignals = lumSignals().mid(0, 5);
    arcSignals << arcBlock() << lumSignals().mid(5);
    const Parsed p = parse(log(lumErrorHeader(), {lumRecord("0001", "E-0007,1,0", sixAxes(), arcSignals),
                                                  lumRecord("0002", "E-0007,1,0", sixAxes(), arcSignals)}),
                           Family::Lum, false, false);
    QCOMPARE(p.notices, QList<Notice>{Notice::Arc});
    QCOMPARE(p.events, (QStringList{"notice 0", "row 0", "row 1"}));
    QVERIFY(p.arcFlag);
    QCOMPARE(p.arc.arcInputs, (QStringList{"WCR=1,ShockSensor=0,WireStick=0,WelderError=0,WireState=1,GasState=1,Res=0,Res=0",
                                           "WCR=1,ShockSensor=0,WireStick=0,WelderError=0,WireState=1,GasState=1,Res=0,Res=0"}));
    QCOMPARE(p.arc.arcOutputs.value(0), QStringLiteral("TorchSW=1,Inching=0,Retract=0,StickChk=0,GasCheck=1,Res=0,Res=0,Res=0"));
    QCOMPARE(p.arc.analogInputs1, (QStringList{" 12.4V 0.0V 0.0V 0.0V", " 12.4V 0.0V 0.0V 0.0V"}));
    QCOMPARE(p.arc.analogInputs2.value(0), QStringLiteral(" 0.0V 0.1V 0.0V 0.0V"));
    QCOMPARE(p.arc.analogOutputs1.value(1), QStringLiteral(" 24.5V 180.0A 0.0V 0.0V"));
    QCOMPARE(p.arc.analogOutputs2.value(1), QStringLiteral(" 0.0V 0.0V 0.0V 1.5V"));
    QCOMPARE(p.rows.at(0).arcEntry, 0);
    QCOMPARE(p.rows.at(1).arcEntry, 1);
    // The system output line after the arc block still fills its column.
    QCOMPARE(p.cell(1, 22), QStringLiteral("[21 22 23 24 25 26]"));

    // The flag follows the last record with a system input line: a plain last record clears it.
    const Parsed mixed = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), arcSignals),
                                                      lumRecord("2", "E-0007,1,0", sixAxes())}),
                               Family::Lum, false);
    QVERIFY(!mixed.arcFlag);
    QCOMPARE(mixed.arc.size(), 1);
    QCOMPARE(mixed.rows.at(1).arcEntry, -1);

    // A record without a system input line leaves the flag as it was.
    QStringList noSi = lumSignals().mid(1);
    const Parsed kept = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), arcSignals),
                                                     lumRecord("2", "E-0007,1,0", sixAxes(), noSi)}),
                              Family::Lum, false);
    QVERIFY(kept.arcFlag);

    // The arc block of a record ends with the record: a continuation line
    // missing at the end reads as empty.
    QStringList cut = lumSignals().mid(0, 5);
    cut << QStringLiteral("ArcI(01-08): WCR=0,ShockSensor=1,WireStick=0,");
    const Parsed truncated = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), cut)}), Family::Lum, false);
    QCOMPARE(truncated.arc.arcInputs, QStringList{"WCR=0,ShockSensor=1,WireStick=0,"});
    QVERIFY(truncated.arc.analogInputs1.isEmpty());

    // parseArcLines on its own.
    ArcLists arc;
    appendArcBlock(QStringList{"x", "AO(01-04): 1V:2V", "AO(05-08)"}, 1, arc);
    QCOMPARE(arc.analogOutputs1, QStringList{" 1V"});
    QCOMPARE(arc.analogOutputs2, QStringList{QString()});
}

void TestLogParser::undefinedInformationNotice()
{
    QStringList odd = lumSignals().mid(0, 5);
    odd << QStringLiteral("XYZ(01-08): [00]") << lumSignals().mid(5);
    QStringList arcSignals = lumSignals().mid(0, 5);
    arcSignals << arcBlock() << lumSignals().mid(5);
    // The undefined-information notice comes first and keeps the arc notice away.
    const Parsed p = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), odd), lumRecord("2", "E-0007,1,0", sixAxes(), odd),
                                                  lumRecord("3", "E-0007,1,0", sixAxes(), arcSignals)}),
                           Family::Lum, false, false);
    QCOMPARE(p.notices, QList<Notice>{Notice::UndefinedInformation});
    QVERIFY(p.arcFlag);
    QCOMPARE(p.arc.size(), 1);
    QCOMPARE(p.rows.at(2).arcEntry, 0);
    // The other way round: after the arc notice no undefined-information notice.
    const Parsed q = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), arcSignals), lumRecord("2", "E-0007,1,0", sixAxes(), odd)}),
                           Family::Lum, false, false);
    QCOMPARE(q.notices, QList<Notice>{Notice::Arc});
    QVERIFY(q.arcFlag);   // an undefined record keeps the flag
    // Undefined information and eight axes in one record: both notices, in that order.
    const Parsed both = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", {"1,2,3", "4,5,6", "7,8,9"}, odd)}), Family::Lum, false);
    QCOMPARE(both.notices, (QList<Notice>{Notice::UndefinedInformation, Notice::EightAxes}));
}

void TestLogParser::headerWithoutOptionalItems()
{
    // A header that names nothing: every optional column shows the placeholder,
    // there are no position lines and no signal block scan.
    QStringList arcSignals = lumSignals().mid(0, 5);
    arcSignals << arcBlock() << lumSignals().mid(5);
    const Parsed p = parse(log(QStringLiteral("TITLE\nRecord number\n"), {lumRecord("0001", "E-0123,5,2", {"1,2,3", "4,5,6", "7,8,9"}, arcSignals)}),
                           Family::Lum, false);
    QCOMPARE(p.cell(0, 4), QStringLiteral("   -"));
    QCOMPARE(p.cell(0, 5), QStringLiteral("   -"));
    QCOMPARE(p.cell(0, 6), QStringLiteral("   -"));
    QCOMPARE(p.cell(0, 7), QStringLiteral("   -"));
    QCOMPARE(p.cell(0, 8), QStringLiteral("   -"));
    for (int c = 9; c <= 16; ++c)
        QCOMPARE(p.cell(0, c), QStringLiteral("<none>"));
    QVERIFY(p.notices.isEmpty());
    QVERIFY(p.arc.arcInputs.isEmpty());
    QCOMPARE(p.rows.at(0).height(), 30);
    // The signal columns are searched from the first line all the same.
    QCOMPARE(p.cell(0, 17), QStringLiteral("[01 02 03 04 05 06]"));
    QCOMPARE(p.cell(0, 3), QStringLiteral("5"));   // no two-parameter flag

    // Items 0 and 1 are never tested.
    const Parsed first = parse(log(QStringLiteral("Date\nProgram number\n"), {lumRecord("1", "E-0007,1,0", sixAxes())}), Family::Lum, false);
    QCOMPARE(first.cell(0, 4), QStringLiteral("   -"));
    QCOMPARE(first.cell(0, 6), QStringLiteral("   -"));

    // Each item is tested once, first test wins: an "Error number" item that also says Date names no date.
    const LogHeader h = parseHeader(QStringLiteral("a\nb\nError number, Date, x\nposition DATA\n"), false);
    QVERIFY(h.twoParameters);
    QVERIFY(!h.hasDate);
    QCOMPARE(h.positionStart, 2);   // case-insensitive, one line above its item
    const LogHeader stop = parseHeader(QStringLiteral("a- b- Date- c- Position data"), true);
    QVERIFY(stop.hasDate);
    QCOMPARE(stop.positionStart, 4);
    QCOMPARE(parseHeader(QStringLiteral("a\nb\nc\nPosition data\n"), false).positionStart, 2);
}

void TestLogParser::emptyAndTrailingChunks()
{
    // Only a header: no rows.
    Parsed p = parse(lumErrorHeader(), Family::Lum, false);
    QCOMPARE(p.rowCount, 0);
    QVERIFY(p.rows.isEmpty());
    // A trailing "#" gives one more row for the empty chunk.
    p = parse(log(lumErrorHeader(), {lumRecord("0001", "E-0007,1,0", sixAxes()), QString()}), Family::Lum, false);
    QCOMPARE(p.rowCount, 2);
    QCOMPARE(p.rows.size(), 2);
    QCOMPARE(rowTexts(p, 1), (QStringList{"", "", "", "0", "", "", "", "", "", "", "", "", "", "0", "0", "", "0",
                                          "<none>", "<none>", "<none>", "<none>", "<none>", "<none>", "<none>",
                                          "<none>", "<none>", "<none>"}));
    // A lone "#": an empty header and one empty record.
    p = parse(QStringLiteral("#"), Family::Kav, false);
    QCOMPARE(p.rowCount, 1);
    QCOMPARE(p.cell(0, 17), QStringLiteral("[00 00 00 00 00 00]"));
    QCOMPARE(p.cell(0, 9), QStringLiteral("<none>"));
    // An empty file: no rows.
    QCOMPARE(parse(QString(), Family::Lum, false).rowCount, 0);
}

void TestLogParser::malformedRecordsReadAsEmpty()
{
    // A record cut after its date line.
    Parsed p = parse(log(lumErrorHeader(), {QStringLiteral("0001\nE-0123,5,2\n2026/11/03 10:22:01")}), Family::Lum, false);
    QCOMPARE(p.cell(0, 5), QStringLiteral("10:22:01"));
    QCOMPARE(p.cell(0, 6), QString());
    QCOMPARE(p.cell(0, 8), QString());
    QCOMPARE(p.cell(0, 9), QString());
    QCOMPARE(p.cell(0, 15), QString());
    QCOMPARE(p.cell(0, 17), QStringLiteral("<none>"));
    // A code field without "-": kind and number read as empty and 0.
    p = parse(log(lumErrorHeader(), {lumRecord("1", "E0123,5,2", sixAxes()), lumRecord("2", "S", sixAxes())}), Family::Lum, false);
    QCOMPARE(p.cell(0, 2), QStringLiteral("<none>"));
    QCOMPARE(p.calls, QStringList{"L 0"});
    // A general input line at the end of the record: its missing followers read as empty.
    QStringList cut = lumSignals().mid(0, 2);
    p = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), cut)}), Family::Lum, false);
    QCOMPARE(p.cell(0, 18), QStringLiteral("[11 00 00 00 00 00 00 00]"));
    QCOMPARE(p.cell(0, 19), QString());
    QCOMPARE(p.cell(0, 21), QString());
    QCOMPARE(p.cell(0, 22), QStringLiteral("<none>"));
    // A system input line near the end: the line five after it is missing.
    p = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), {QStringLiteral("SI(01-06): [00 00 00 00 00 00]")})}),
              Family::Lum, false);
    QCOMPARE(p.notices, QList<Notice>{Notice::UndefinedInformation});
    // Values keep only the text between the first and second ":".
    p = parse(log(lumErrorHeader(), {lumRecord("1", "E-0007,1,0", sixAxes(), {QStringLiteral("SI(01-06):  [01   02] : tail")})}),
              Family::Lum, false);
    QCOMPARE(p.cell(0, 17), QStringLiteral("[01 02]"));
}

void TestLogParser::garbageNeverCrashes()
{
    // Random text with the separators the parser looks for: it must neither
    // crash nor read beyond a record (the sanitizer build checks the reads).
    QRandomGenerator rng(20261205);
    const QString alphabet = QStringLiteral("#\n\r-,: SI(01-06)DIB(01-08)ArcI(01-08)AI(01-04)0123456789EWS\t\x01\xff");
    for (int round = 0; round < 300; ++round) {
        QString text = round % 2 ? lumErrorHeader() : lumStopHeader();
        const int length = int(rng.bounded(2000));
        for (int i = 0; i < length; ++i)
            text += alphabet.at(int(rng.bounded(alphabet.size())));
        const Parsed p = parse(text, round % 3 ? Family::Lum : Family::Kav, round % 2 == 0);
        QCOMPARE(p.rows.size(), text.count(QLatin1Char('#')));
    }
}

QTEST_APPLESS_MAIN(TestLogParser)
#include "tst_logparser.moc"
