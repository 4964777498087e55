// Throughput of the log parser alone: text in, rows out, no widgets.

#include "details/helpdatabase.h"
#include "details/signalbytes.h"
#include "log/logparser.h"

#include <benchmark/benchmark.h>

namespace {

QString makeLumLog(int records)
{
    QString text = QStringLiteral(
        "ERROR HISTORY FILE (ROBOT.ERR)\r\nRecord number\r\nError number, Parameter 1, Parameter 2\r\nDate Time\r\n"
        "Program number\r\nStep number\r\nFunction number\r\nPosition data\r\nSI(01-06) DIB(01-32) SO(01-06) DOB(01-32)\r\n");
    for (int i = 1; i <= records; ++i) {
        text += QStringLiteral("#%1\r\nE-%2,%3,%4\r\n2026/11/%5 10:%6:%7\r\n%8\r\n%9\r\n0005\r\n")
                    .arg(i, 6, 10, QLatin1Char('0'))
                    .arg(100 + i % 500, 4, 10, QLatin1Char('0'))
                    .arg(i % 6 + 1)
                    .arg(i % 3)
                    .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                    .arg(i % 60, 2, 10, QLatin1Char('0'))
                    .arg((i * 7) % 60, 2, 10, QLatin1Char('0'))
                    .arg(i % 100, 3, 10, QLatin1Char('0'))
                    .arg(i % 1000, 4, 10, QLatin1Char('0'));
        for (int line = 0; line < 6; ++line)
            text += QStringLiteral("  %1,  %2,  %3\r\n").arg(i * 0.001 + line, 0, 'f', 3).arg(-12.5 * line, 0, 'f', 3).arg(90.0, 0, 'f', 3);
        text += QStringLiteral("SI(01-06): [01 4F 00 00 00 00]\r\n");
        for (int b = 0; b < 4; ++b)
            text += QStringLiteral("DIB(%1-%2): [03 00 F0 01 00 00 00 00]\r\n").arg(b * 8 + 1, 2, 10, QLatin1Char('0')).arg(b * 8 + 8, 2, 10, QLatin1Char('0'));
        text += QStringLiteral("SO(01-06): [11 02 07 00 00 00]\r\n");
        for (int b = 0; b < 4; ++b)
            text += QStringLiteral("DOB(%1-%2): [01 02 00 01 00 00 00 00]\r\n").arg(b * 8 + 1, 2, 10, QLatin1Char('0')).arg(b * 8 + 8, 2, 10, QLatin1Char('0'));
    }
    return text;
}

class CountingSink : public vlog::LogSink
{
public:
    void begin(int) override {}
    void notice(vlog::Notice) override {}
    void row(int, const vlog::LogRow &row) override { cells += int(row.present.count()); }
    long cells = 0;
};

void BM_ParseLumLog(benchmark::State &state)
{
    const QString text = makeLumLog(int(state.range(0)));
    const QByteArray bytes = text.toLatin1();
    vlog::NoLookups lookups;
    for (auto _ : state) {
        const QStringList chunks = text.split(QLatin1Char('#'));
        bool arcFlag = false;
        vlog::ArcLists arc;
        CountingSink sink;
        vlog::parseLog(chunks, vlog::Family::Lum, false, lookups, arcFlag, arc, sink);
        benchmark::DoNotOptimize(sink.cells);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}
BENCHMARK(BM_ParseLumLog)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_FillMessageTemplate(benchmark::State &state)
{
    const QString tmpl = QStringLiteral("Axis %d position deviation exceeded %d pulses");
    const QString p1 = QStringLiteral("3"), p2 = QStringLiteral("250");
    for (auto _ : state)
        benchmark::DoNotOptimize(vlog::fillMessageTemplate(tmpl, p1, p2));
}
BENCHMARK(BM_FillMessageTemplate);

// Messages of records: code lookup in a help table of 500 codes and the
// parameters put into the template.
void BM_ErrorMessage(benchmark::State &state)
{
    vlog::HelpDatabase help;
    QStringList codes, messages, causes, remedies;
    for (int code = 100; code < 600; ++code) {
        codes << QStringLiteral("%1").arg(code, 4, 10, QLatin1Char('0'));
        messages << QStringLiteral("Axis %d servo fault %1 (detail %d)").arg(code);
        causes << QString();
        remedies << QString();
    }
    help.lumErrors[vlog::English].assign(codes, messages, causes, remedies);
    const QString p1 = QStringLiteral("3"), p2 = QStringLiteral("7");
    int code = 100;
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString m = help.errorMessage(false, vlog::English, code, p1, p2);
        bytes += m.size() * 2;
        benchmark::DoNotOptimize(m);
        code = code == 599 ? 100 : code + 1;
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ErrorMessage);

// Signal cells cut into bytes, as a row selection does for ten columns.
void BM_SignalBytes(benchmark::State &state)
{
    const QString input = QStringLiteral("[03 00 F0 01 00 00 00 8F]");
    const QString system = QStringLiteral("[01 4F 00 00 00 00]");
    for (auto _ : state) {
        benchmark::DoNotOptimize(vlog::signalBytes(input));
        benchmark::DoNotOptimize(vlog::signalBytes(system));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * (input.size() + system.size()) * 2);
}
BENCHMARK(BM_SignalBytes);

} // namespace

BENCHMARK_MAIN();
