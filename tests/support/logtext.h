#pragma once
// Log text for the GUI tests: the headers of the committed logs in
// tests/data, and records made of their lines.

#include <QFile>
#include <QStringList>

namespace logtext {

// The header of a committed log: "lum_errors", "lum_stops", "kav_errors".
inline QString header(const char *log)
{
    QFile f(QStringLiteral(VELLORAN_SOURCE_DIR "/tests/data/%1.log").arg(QLatin1String(log)));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).section(QLatin1Char('#'), 0, 0) : QString();
}
inline QString lumErrorHeader() { return header("lum_errors"); }
inline QString lumStopHeader() { return header("lum_stops"); }
inline QString kavErrorHeader() { return header("kav_errors"); }

inline QStringList sixAxes() { return {QStringLiteral("  123.456,  -45.210,   78.900"), QStringLiteral("  0.000, 90.000, -12.500")}; }

// The signal lines of a plain Lum/Luma record.
inline QStringList lumSignals()
{
    return {QStringLiteral("SI(01-06): [01 02 03 04 05 06]"), QStringLiteral("DIB(01-08): [11 00 00 00 00 00 00 00]"),
            QStringLiteral("DIB(09-16): [12 00 00 00 00 00 00 00]"), QStringLiteral("DIB(17-24): [13 00 00 00 00 00 00 00]"),
            QStringLiteral("DIB(25-32): [14 00 00 00 00 00 00 00]"), QStringLiteral("SO(01-06): [21 22 23 24 25 26]"),
            QStringLiteral("DOB(01-08): [31 00 00 00 00 00 00 00]"), QStringLiteral("DOB(09-16): [32 00 00 00 00 00 00 00]"),
            QStringLiteral("DOB(17-24): [33 00 00 00 00 00 00 00]"), QStringLiteral("DOB(25-32): [34 00 00 00 00 00 00 00]")};
}

// The arc block that stands in place of the system output line.
inline QStringList arcBlock()
{
    return {QStringLiteral("ArcI(01-08): WCR=1,ShockSensor=0,WireStick=0,"),
            QStringLiteral("WelderError=0,WireState=1,GasState=1, Res=0,Res=0"),
            QStringLiteral("AI(01-04): 12.4V 0.0V 0.0V 0.0V"), QStringLiteral("AI(05-08): 0.0V 0.1V 0.0V 0.0V"),
            QStringLiteral("ArcO(01-08): TorchSW=1,Inching=0,Retract=0,"), QStringLiteral("StickChk=0,GasCheck=1,Res=0,Res=0,Res =0"),
            QStringLiteral("AO(01-04): 24.5V 180.0A 0.0V 0.0V"), QStringLiteral("AO(05-08): 0.0V 0.0V 0.0V 1.5V")};
}

// A Lum/Luma record: number, code line, date, program, step, function, positions, signals.
inline QString lumRecord(const QString &number, const QString &codeLine, const QStringList &positions = sixAxes(),
                         const QStringList &signalLines = lumSignals(), const QString &dateLine = QStringLiteral("2026/11/03 10:22:01"))
{
    return (QStringList{number, codeLine, dateLine, QStringLiteral("012"), QStringLiteral("0034"),
                        QStringLiteral("0005")} + positions + signalLines)
               .join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// A Kav record: no function line, the lines given after the date, program and step.
inline QString kavRecord(const QString &number, const QString &codeLine, const QStringList &rest)
{
    return (QStringList{number, codeLine, QStringLiteral("2026/11/04 08:00:15"), QStringLiteral("007"), QStringLiteral("0012")} + rest)
               .join(QLatin1Char('\n')) + QLatin1Char('\n');
}

inline QString log(const QString &header, const QStringList &records) { return header + QLatin1Char('#') + records.join(QLatin1Char('#')); }

} // namespace logtext
