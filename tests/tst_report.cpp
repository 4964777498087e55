// velloran-report as a user runs it: the figures of its reports of the
// bundled samples against what the window shows for the same logs (the
// statistics table, the record table, the Error tab), in each language; the
// CSV and JSON read back; the HTML read as XML and self-contained; exit codes
// and messages for bad options and damaged input.

#include "support/fixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QXmlStreamReader>
#include <QtTest>

#include <sys/stat.h>

namespace {

struct Run
{
    int code = -1;
    QByteArray out;
    QString err;
};

Run report(const QStringList &args, const QString &workingDir = QString())
{
    QProcess p;
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));   // it needs no display
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/velloran-report"), args);
    if (!p.waitForFinished(120000))
        qFatal("velloran-report did not finish");
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

QString sample(const QString &name)
{
    return QStringLiteral(VELLORAN_SAMPLES_DIR "/") + name;
}

// The keys of a JSON record, column by column.
const char *const kKeys[27] = {"no", "code", "message", "axisNo", "date", "time", "program", "step", "function",
                               "axis1", "axis2", "axis3", "axis4", "axis5", "axis6", "axis7", "axis8", "si",
                               "di1", "di2", "di3", "di4", "so", "do1", "do2", "do3", "do4"};

// RFC 4180: fields separated by commas, records by CR LF, quoted fields with
// doubled quotes inside.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && text.mid(i + 1, 1) == QLatin1String("\""))
                field += text.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && text.mid(i + 1, 1) == QLatin1String("\n")) {
            rows << (row << field);
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

QJsonObject backupOf(const QByteArray &json, int index = 0)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qFatal("JSON: %s", qPrintable(error.errorString()));
    return doc.object().value(QStringLiteral("backups")).toArray().at(index).toObject();
}

QStringList problemsOf(const QJsonObject &backup)
{
    QStringList out;
    for (const QJsonValue &v : backup.value(QStringLiteral("problems")).toArray())
        out << v.toString();
    return out;
}

// The part of an HTML report that belongs to the backup with that name.
QString section(const QString &html, const QString &name)
{
    const int at = html.indexOf(QStringLiteral("<h2>%1</h2>").arg(name));
    const int start = html.lastIndexOf(QStringLiteral("<section"), at);
    const int end = html.indexOf(QStringLiteral("</section>"), at);
    return at < 0 ? QString() : html.mid(start, end - start);
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void figuresEqualTheWindow_data();
    void figuresEqualTheWindow();
    void htmlIsWellFormedAndSelfContained();
    void badOptionsAndInputs_data();
    void badOptionsAndInputs();
    void damagedInput_data();
    void damagedInput();
    void helpTextsBesideTheProgram();
    void outputFileCompleteOrNotAtAll();
};

void TestReport::figuresEqualTheWindow_data()
{
    QTest::addColumn<QString>("backup");
    QTest::addColumn<int>("language");
    const char *codes[] = {"ko", "en", "zh"};
    for (const char *backup : {"lum_spot", "lum_arc", "lum_multiaxis", "kav"})
        for (int language = 0; language < 3; ++language)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(backup), QLatin1String(codes[language]))))
                << QString::fromLatin1(backup) << language;
}

// Statistics, records, messages, causes and remedies as the window shows
// them for each log of a sample, through the JSON and the CSV report.
void TestReport::figuresEqualTheWindow()
{
    QFETCH(QString, backup);
    QFETCH(int, language);
    const QString lang = QStringList{"ko", "en", "zh"}.at(language);
    const Run json = report({sample(backup), "--format", "json", "--lang", lang});
    const Run csv = report({sample(backup), "--format=csv", "--lang", lang});
    QCOMPARE(json.code, 0);
    QCOMPARE(csv.code, 0);
    QVERIFY2(json.err.contains("1 backup, 2 logs,") && json.err.contains("0 problems"), qPrintable(json.err));
    const QJsonObject b = backupOf(json.out);
    QVERIFY(problemsOf(b).isEmpty());
    const QList<QStringList> csvRows = parseCsv(QString::fromUtf8(csv.out));
    QCOMPARE(csvRows.value(0).mid(0, 5), (QStringList{"Backup", "Log", "No", "Code", "Error"}));
    QCOMPARE(csvRows.value(0).size(), 2 + 27);

    const bool kav = backup == QLatin1String("kav");
    Fixture f;
    f.setFamily(kav);
    f.choose(language);
    int csvRow = 1, records = 0;
    const QJsonArray logs = b.value("logs").toArray();
    QCOMPARE(logs.size(), 2);
    for (const QJsonValue &logValue : logs) {
        const QJsonObject log = logValue.toObject();
        const QString file = log.value("file").toString();
        f.drop({sample(backup + QLatin1Char('/') + file)});
        QTableWidget *stats = f.w<QTableWidget>("tableWidget_2");
        // The statistics: the same rows in the same order.
        const QJsonArray rows = log.value("statistics").toArray();
        QCOMPARE(rows.size(), stats->rowCount());
        for (int r = 0; r < rows.size(); ++r) {
            const QJsonObject row = rows.at(r).toObject();
            QCOMPARE(f.row(r, "tableWidget_2"), (QStringList{row.value("countText").toString(), row.value("code").toString(),
                                                             row.value("message").toString()}));
            QVERIFY(!row.value("message").toString().isEmpty());
            // Cause and remedy as the Error tab shows them for the code's first record.
            const int first = f.column(1).indexOf(row.value("code").toString());
            f.clickRow(first);
            QCOMPARE(f.text("Cause"), row.value("cause").toString());
            if (!row.value("remedy").toString().isEmpty())
                QCOMPARE(f.w<QTextEdit>("Remedy")->toPlainText(), row.value("remedy").toString());
        }
        // The records: every cell of the record table, in JSON and in CSV.
        const QJsonArray recs = log.value("records").toArray();
        QCOMPARE(recs.size(), f.table()->rowCount());
        records += recs.size();
        for (int r = 0; r < recs.size(); ++r, ++csvRow) {
            const QJsonObject rec = recs.at(r).toObject();
            const QStringList window = f.row(r);
            const QStringList line = csvRows.value(csvRow);
            QCOMPARE(line.mid(0, 2), (QStringList{backup, file}));
            for (int c = 0; c < 27; ++c) {
                const bool none = window.at(c) == QLatin1String("<none>");
                QCOMPARE(line.at(2 + c), none ? QString() : window.at(c));
                QCOMPARE(rec.value(QLatin1String(kKeys[c])).toString(), none ? QString() : window.at(c));
                QCOMPARE(rec.value(QLatin1String(kKeys[c])).isNull(), none);
            }
            QCOMPARE(rec.contains("arc"), backup == QLatin1String("lum_arc"));
        }
    }
    QCOMPARE(csvRows.size(), 1 + records);
    QCOMPARE(b.value("records").toInt(), records);
    QCOMPARE(b.value("errors").toInt() + b.value("warnings").toInt() + b.value("stops").toInt(), records);
    // Korean and Chinese help texts are written in their scripts; Kav has one set.
    const QString message = logs.at(0).toObject().value("statistics").toArray().at(0).toObject().value("message").toString();
    const bool ascii = message == QString::fromLatin1(message.toLatin1());
    QCOMPARE(ascii, kav || language == vlog::English);
    QCOMPARE(backupOf(json.out).value("family").toString(), kav ? QStringLiteral("Kav") : QStringLiteral("Lum/Luma"));
    QCOMPARE(b.value("history").toObject().value("days").toArray().size(), 4);
}

// A folder of backups: the fleet table, then each backup's part exactly as
// its report alone; XML that a browser reads as HTML; nothing from outside.
void TestReport::htmlIsWellFormedAndSelfContained()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("fleet.html");
    const Run fleet = report({"-o", file, QStringLiteral(VELLORAN_SAMPLES_DIR)});
    QCOMPARE(fleet.code, 0);
    QVERIFY(fleet.out.isEmpty());
    QVERIFY2(fleet.err.contains("4 backups, 8 logs, 374 records") && fleet.err.contains(file), qPrintable(fleet.err));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(written.readAll());

    QXmlStreamReader xml(html);
    QStringList elements;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            elements << xml.name().toString();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(elements.first(), QStringLiteral("html"));
    QCOMPARE(elements.count("svg"), 4);
    QCOMPARE(elements.count("details"), 374);
    QCOMPARE(elements.count("section"), 4);
    QVERIFY(!html.contains("<script", Qt::CaseInsensitive) && !html.contains("src=", Qt::CaseInsensitive));
    QVERIFY(!html.contains("http:") && !html.contains("https:") && !html.contains("url("));
    QVERIFY(!html.contains(QChar(0xC2)));   // UTF-8 read as Latin-1 somewhere
    const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    int links = 0;
    for (auto m = href.globalMatch(html); m.hasNext(); ++links)
        QVERIFY(m.next().captured(1).startsWith(QLatin1Char('#')));
    QCOMPARE(links, 4);
    QVERIFY(html.contains("<th>Most frequent codes</th>") && html.contains("E-1309 (8)") && html.contains("2026/10/07 to 2026/10/30"));

    for (const char *name : {"kav", "lum_arc", "lum_multiaxis", "lum_spot"}) {
        const Run alone = report({sample(QLatin1String(name))});
        QCOMPARE(alone.code, 0);
        const QString own = QString::fromUtf8(alone.out);
        QVERIFY(!own.contains("<h2>Fleet</h2>"));
        QVERIFY(!section(own, name).isEmpty());
        QCOMPARE(section(html, name), section(own, name));
    }
    // Decoded signals: the system inputs of the first spot-welding record, by name.
    const QString spot = section(html, "lum_spot");
    QVERIFY(spot.contains("<b>SI</b> [16 3F 03 01 00 00]: over-travel limit; over-travel limit, additional axes; "
                          "emergency stop, operating panel; mode switch, automatic;"));
    QVERIFY(spot.contains("<td>2026/10/27</td><td class=\"n\">6</td><td>06:54, 08:28,"));
}

void TestReport::badOptionsAndInputs_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    const QString spot = sample("lum_spot");
    QTest::newRow("no folder") << QStringList() << 2 << "no backup folder given";
    QTest::newRow("unknown option") << QStringList{"--colour", spot} << 2 << "Unknown option 'colour'";
    QTest::newRow("option without its value") << QStringList{spot, "--format"} << 2 << "Missing value after '--format'";
    QTest::newRow("unknown format") << QStringList{"--format", "pdf", spot} << 2 << "--format: unknown format 'pdf'";
    QTest::newRow("unknown language") << QStringList{"--lang", "fr", spot} << 2 << "--lang: unknown language 'fr'";
    QTest::newRow("unknown family") << QStringList{"--family", "abc", spot} << 2 << "--family: unknown family 'abc'";
    QTest::newRow("help folder missing") << QStringList{"--help-dir", "/no/such/help", spot} << 2 << "--help-dir: no such folder: /no/such/help";
    QTest::newRow("input missing") << QStringList{spot, "/no/such/backup"} << 2 << "no such file or folder: /no/such/backup";
    QTest::newRow("output not writable") << QStringList{"-o", "/no/such/dir/r.html", spot} << 2 << "-o: cannot write /no/such/dir/r.html";
    QTest::newRow("folder without backups") << QStringList{QStringLiteral(VELLORAN_SOURCE_DIR "/docs")} << 1 << "no error or stop log found";
    QTest::newRow("family without its logs") << QStringList{"--family", "kav", spot} << 1 << "missing ROBOT.E01, ROBOT.S01, ROBOT.TR0";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "";
}

void TestReport::badOptionsAndInputs()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, message);
    const Run run = report(args);
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (code == 2)
        QVERIFY(run.err.startsWith("velloran-report: ") && run.err.contains("Try 'velloran-report --help'"));
    QCOMPARE(run.out.isEmpty(), code != 0);
    if (code == 0)
        QVERIFY(run.out.contains("Exit status: 0 report made, 1 no log found, 2 usage error"));
}

void TestReport::damagedInput_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("errorRecords");
    QTest::newRow("error log cut in a record") << "cut" << "ROBOT.ERR: 1 of 2 records are incomplete or have no known code (record 2)" << 2;
    QTest::newRow("error log empty") << "empty" << "ROBOT.ERR is empty" << 0;
    QTest::newRow("NUL bytes") << "nul" << "ROBOT.ERR contains NUL bytes" << 54;
    QTest::newRow("marks and nothing else") << "marks" << "ROBOT.ERR: its header names no position data" << 1000;
    QTest::newRow("error log a folder") << "folder" << "ROBOT.ERR is a folder, not a file" << -1;
    QTest::newRow("error log a FIFO") << "fifo" << "ROBOT.ERR is not a regular file" << -1;
    QTest::newRow("no stop log either") << "alone" << "ROBOT.ERR is a folder, not a file" << -1;
}

// The damaged file is named on standard error and in the report, and the
// rest of the backup is reported all the same.
void TestReport::damagedInput()
{
    QFETCH(QString, damage);
    QFETCH(QString, problem);
    QFETCH(int, errorRecords);
    QTemporaryDir dir;
    const QString backup = dir.filePath("robot7");
    QVERIFY(QDir().mkpath(backup));
    for (const char *name : {"ROBOT.STP", "ROBOT.OPR", "ROBOT.INF"})
        QVERIFY(QFile::copy(sample(QStringLiteral("lum_spot/") + QLatin1String(name)), backup + QLatin1Char('/') + QLatin1String(name)));
    QFile source(sample("lum_spot/ROBOT.ERR"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray log = source.readAll();
    const QString path = backup + "/ROBOT.ERR";
    if (damage == "cut")
        log = log.left(log.indexOf('#', log.indexOf('#') + 1) + 40);
    else if (damage == "empty")
        log.clear();
    else if (damage == "nul")
        for (int i = 7; i < log.size(); i += 97)
            log[i] = '\0';
    else if (damage == "marks")
        log = QByteArray(1000, '#');
    if (damage == "folder" || damage == "alone") {
        QVERIFY(QDir().mkpath(path));
        if (damage == "alone")
            QVERIFY(QFile::remove(backup + "/ROBOT.STP"));
    } else if (damage == "fifo") {
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(log) == log.size());
    }

    const Run run = report({backup, "--format", "json"});
    QVERIFY2(run.err.contains(backup + QLatin1Char('/') + problem), qPrintable(run.err));
    if (damage == "alone") {
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains("no error or stop log found in " + backup));
        return;
    }
    QCOMPARE(run.code, 0);
    QVERIFY(run.err.contains("missing ROBOT.MCH, ROBOT.CON, HISTORY.TXT, *.JOB"));
    const QJsonObject b = backupOf(run.out);
    QVERIFY2(problemsOf(b).join('\n').contains(problem), qPrintable(problemsOf(b).join('\n')));
    const QJsonArray logs = b.value("logs").toArray();
    QCOMPARE(logs.size(), errorRecords < 0 ? 1 : 2);
    if (errorRecords >= 0)
        QCOMPARE(logs.at(0).toObject().value("records").toArray().size(), errorRecords);
    const QJsonObject stops = logs.at(logs.size() - 1).toObject();
    QCOMPARE(stops.value("file").toString(), QStringLiteral("ROBOT.STP"));
    QCOMPARE(stops.value("records").toArray().size(), 49);
    QCOMPARE(b.value("history").toObject().value("days").toArray().size(), 4);
    // The HTML of damaged input is still well-formed.
    QXmlStreamReader xml(report({backup}).out);
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

// The help texts beside the program, from any working directory; another
// folder with --help-dir; an empty one tells that messages stay empty.
void TestReport::helpTextsBesideTheProgram()
{
    QTemporaryDir empty;
    const auto firstMessage = [](const Run &run) {
        return backupOf(run.out).value("logs").toArray().at(0).toObject().value("statistics").toArray().at(0).toObject().value("message").toString();
    };
    const Run beside = report({sample("lum_spot"), "--format", "json"}, empty.path());
    QCOMPARE(firstMessage(beside), QStringLiteral("External program number invalid"));
    const Run source = report({"--help-dir", QStringLiteral(VELLORAN_SOURCE_DIR "/resources"), sample("lum_spot"), "--format", "json"});
    QCOMPARE(firstMessage(source), firstMessage(beside));
    const Run none = report({"--help-dir", empty.path(), sample("lum_spot"), "--format", "json"});
    QCOMPARE(none.code, 0);
    QVERIFY2(none.err.contains("no help texts in " + empty.path()), qPrintable(none.err));
    QCOMPARE(firstMessage(none), QString());
    QCOMPARE(QJsonDocument::fromJson(none.out).object().value("helpFound").toBool(true), false);
}

void TestReport::outputFileCompleteOrNotAtAll()
{
    QTemporaryDir dir;
    const QString file = writeFile(dir.filePath("report.csv"), "old report");
    QCOMPARE(report({"-o", file, dir.path()}).code, 1);
    QFile old(file);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old report"));
    old.close();
    QCOMPARE(report({"--output", file, "--format", "csv", sample("kav")}).code, 0);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll().count("\r\n"), 1 + 40 + 41);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.csv"});
}

QTEST_MAIN(TestReport)
#include "tst_report.moc"
