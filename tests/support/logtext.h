#pragma once
// Small builders of log text for the tests: headers of each kind and records
// made of their lines.

#include <QString>
#include <QStringList>

namespace logtext {

// Header of a Lum/Luma error log that names every line, with the given
// "Error number" item.
inline QString lumErrorHeader(const QString &errorItem = QStringLiteral("Error number, Parameter 1, Parameter 2"))
{
    return QStringLiteral("ERROR HISTORY FILE (ROBOT.ERR)\nRecord number\n") + errorItem
        + QStringLiteral("\nDate Time\nProgram number\nStep number\nFunction number\nPosition data\n"
                         "SI(01-06) DIB(01-32) SO(01-06) DOB(01-32)\n");
}

inline QString lumStopHeader()
{
    return QStringLiteral("STOP HISTORY FILE (ROBOT.STP)\n- Stop code\n- Date Time\n- Program number\n"
                          "- Step number\n- Function number\n- Position data\n- SI(01-06) DIB(01-32)\n");
}

inline QString kavErrorHeader()
{
    return QStringLiteral("KAV ERROR HISTORY (ROBOT.E01)\nRecord number\nError number, Axis\nDate Time\n"
                          "Program number\nStep number\nPosition data\nGI(01-32) GO(01-32)\n");
}

inline QString kavStopHeader()
{
    return QStringLiteral("KAV STOP HISTORY (ROBOT.S01)\n- Stop code\n- Date Time\n- Program number\n"
                          "- Step number\n- Position data\n- GI(01-32) GO(01-32)\n");
}

inline QString bytes(int count, const QString &first = QStringLiteral("00"))
{
    QStringList b;
    b << first;
    for (int i = 1; i < count; ++i)
        b << QStringLiteral("00");
    return QLatin1Char('[') + b.join(QLatin1Char(' ')) + QLatin1Char(']');
}

// The signal lines of a plain Lum/Luma record.
inline QStringList lumSignals()
{
    return {QStringLiteral("SI(01-06): [01 02 03 04 05 06]"),
            QStringLiteral("DIB(01-08): [11 00 00 00 00 00 00 00]"),
            QStringLiteral("DIB(09-16): [12 00 00 00 00 00 00 00]"),
            QStringLiteral("DIB(17-24): [13 00 00 00 00 00 00 00]"),
            QStringLiteral("DIB(25-32): [14 00 00 00 00 00 00 00]"),
            QStringLiteral("SO(01-06): [21 22 23 24 25 26]"),
            QStringLiteral("DOB(01-08): [31 00 00 00 00 00 00 00]"),
            QStringLiteral("DOB(09-16): [32 00 00 00 00 00 00 00]"),
            QStringLiteral("DOB(17-24): [33 00 00 00 00 00 00 00]"),
            QStringLiteral("DOB(25-32): [34 00 00 00 00 00 00 00]")};
}

// The arc block that stands in place of the system output line.
inline QStringList arcBlock()
{
    return {QStringLiteral("ArcI(01-08): WCR=1,ShockSensor=0,WireStick=0,"),
            QStringLiteral("WelderError=0,WireState=1,GasState=1, Res=0,Res=0"),
            QStringLiteral("AI(01-04): 12.4V 0.0V 0.0V 0.0V"),
            QStringLiteral("AI(05-08): 0.0V 0.1V 0.0V 0.0V"),
            QStringLiteral("ArcO(01-08): TorchSW=1,Inching=0,Retract=0,"),
            QStringLiteral("StickChk=0,GasCheck=1,Res=0,Res=0,Res =0"),
            QStringLiteral("AO(01-04): 24.5V 180.0A 0.0V 0.0V"),
            QStringLiteral("AO(05-08): 0.0V 0.0V 0.0V 1.5V")};
}

inline QStringList kavSignals()
{
    return {QStringLiteral("GI(01-08): [41 00 00 00 00 00 00 00]"), QStringLiteral("GI(09-16): [42 00 00 00 00 00 00 00]"),
            QStringLiteral("GI(17-24): [43 00 00 00 00 00 00 00]"), QStringLiteral("GI(25-32): [44 00 00 00 00 00 00 00]"),
            QStringLiteral("GO(01-08): [51 00 00 00 00 00 00 00]"), QStringLiteral("GO(09-16): [52 00 00 00 00 00 00 00]"),
            QStringLiteral("GO(17-24): [53 00 00 00 00 00 00 00]"), QStringLiteral("GO(25-32): [54 00 00 00 00 00 00 00]")};
}

// A Lum/Luma record: number, code line, the fixed lines, position lines and
// signal lines.
inline QString lumRecord(const QString &number, const QString &codeLine, const QStringList &positions,
                         const QStringList &signalLines = lumSignals(),
                         const QString &dateLine = QStringLiteral("2026/11/03 10:22:01"))
{
    QStringList lines{number, codeLine, dateLine, QStringLiteral("012"), QStringLiteral("0034"),
                      QStringLiteral("0005")};
    lines << positions << signalLines;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

inline QString kavRecord(const QString &number, const QString &codeLine,
                         const QStringList &positions = {QStringLiteral("10.5, 20.5, 30.5"),
                                                         QStringLiteral("40.5, 50.5, 60.5")})
{
    QStringList lines{number, codeLine, QStringLiteral("2026/11/04 08:00:15"), QStringLiteral("007"),
                      QStringLiteral("0012")};
    lines << positions << kavSignals();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

inline QStringList sixAxes()
{
    return {QStringLiteral("  123.456,  -45.210,   78.900"), QStringLiteral("  0.000, 90.000, -12.500")};
}

inline QString log(const QString &header, const QStringList &records)
{
    return header + QLatin1Char('#') + records.join(QLatin1Char('#'));
}

} // namespace logtext
