#include "details/signalbytes.h"

#include <QStringList>

namespace vlog {

QVector<int> signalBytes(const QString &text)
{
    // "[00 00 00 00 00 00]" has 19 characters, "[00 00 00 00 00 00 00 00]" 25.
    const int closing = text.size() == 19 ? 17 : 23;
    QString rest = text.mid(1);
    if (closing < rest.size())
        rest.remove(closing, 1);

    const QVector<QStringRef> tokens = rest.splitRef(QLatin1Char(' '), Qt::KeepEmptyParts);
    QVector<int> bytes;
    bytes.reserve(tokens.size());
    for (const QStringRef &token : tokens) {
        bool ok = false;
        const int value = token.toInt(&ok, 16);
        bytes << (ok ? value & 0xFF : 0);
    }
    return bytes;
}

const SignalBit systemInputBits[42] = {
    {"belt_limt", 0, 0, "lift-axis belt / arm limit"},
    {"limt1", 0, 1, "over-travel limit"},
    {"limt2", 0, 2, "over-travel limit, additional axes"},
    {"limt3", 0, 3, "over-travel limit, extension"},
    {"em_stop_op", 0, 4, "emergency stop, operating panel"},
    {"em_stop_tp", 0, 5, "emergency stop, teach pendant"},
    {"em_stop_ex", 0, 6, "emergency stop, external"},

    {"mode_switch_auto", 1, 0, "mode switch, automatic"},
    {"mode_switch_sys", 1, 1, "mode switch, system"},
    {"mode_switch_manual", 1, 2, "mode switch, manual"},
    {"mode_switch_ex", 1, 3, "mode switch, remote"},
    {"enable_switch_tp", 1, 5, "enable switch, teach pendant"},
    {"safe_garde_auto", 1, 6, "safety guard, automatic"},
    {"safe_garde_menual", 1, 7, "safety guard, general"},

    {"flt", 2, 0, "amplifier fault"},
    {"mc2", 2, 1, "motor power contactor"},
    {"robot_pan", 2, 2, "robot fan failure"},
    {"mc1", 2, 3, "pre-charge contactor"},
    {"escape", 2, 4, "escape"},
    {"motor_on_tp", 2, 5, "motors on, teach pendant"},
    {"sv_bk", 2, 6, "servo brake control"},
    {"svon", 2, 7, "servo on"},

    {"motor_overheat1", 3, 0, "motor overheat (thermal switch)"},
    {"motor_overheat2", 3, 1, "motor overheat, additional axes"},
    {"brake_low", 3, 2, "brake voltage low"},
    {"start_tp", 3, 4, "start, teach pendant"},
    {"stop_tp", 3, 5, "stop, teach pendant"},
    {"op_board_cof", 3, 6, "operating-panel board connection"},
    {"motor_on_ex", 3, 7, "motors on, external"},

    {"type_cof", 4, 0, "converter type check"},
    {"pwmon", 4, 1, "PWM on"},
    {"reservation1", 4, 2, "reserved 1"},
    {"reservation2", 4, 3, "reserved 2"},
    {"reservation3", 4, 4, "reserved 3"},
    {"reservation4", 4, 5, "reserved 4"},

    // Byte 5 starts at bit 1.
    {"ov", 5, 1, "amplifier over-voltage"},
    {"overload_motor", 5, 2, "overload, motor power"},
    {"overload_brake", 5, 3, "overload, brake power"},
    {"overload_control", 5, 4, "overload, control power"},
    {"overload_smps", 5, 5, "overload, switched-mode power supply"},
    {"uv", 5, 6, "amplifier under-voltage"},
    {"oc", 5, 7, "amplifier over-current"},
};

// Bytes 4 and 5 of the system outputs drive nothing.
const SignalBit systemOutputBits[24] = {
    {"mc1_2", 0, 0, "pre-charge contactor on"},
    {"high_speed1", 0, 1, "high speed 1"},
    {"escon1", 0, 2, "release 1"},
    {"brake1", 0, 4, "brake control 1"},
    {"brake2", 0, 5, "brake control 2"},
    {"brake3", 0, 6, "brake control 3"},
    {"brake4", 0, 7, "brake control 4"},

    {"motor_on_tp_2", 1, 0, "motors on, teach pendant"},
    {"start_tp_2", 1, 1, "start, teach pendant"},
    {"stop_tp_2", 1, 2, "stop, teach pendant"},
    {"system_odd", 1, 3, "system fault"},
    {"reservation1_2", 1, 4, "reserved 1"},
    {"reservation2_2", 1, 5, "reserved 2"},
    {"pan_out", 1, 6, "cooling fan off"},
    {"reservation4_2", 1, 7, "reserved 4"},

    {"ex_auto1", 2, 0, "remote automatic mode 1"},
    {"ex_auto2", 2, 1, "remote automatic mode 2"},

    {"mc2_2", 3, 0, "motor power contactor on"},
    {"high_speed2", 3, 1, "high speed 2"},
    {"escon2", 3, 2, "release 2"},
    {"brake5", 3, 4, "brake control 5"},
    {"brake6", 3, 5, "brake control 6"},
    {"brake7", 3, 6, "brake control 7"},
    {"brake8", 3, 7, "brake control 8"},
};

GeneralIo generalIoOf(int column)
{
    if (column >= ColDI1 && column < ColDI1 + kGeneralColumnsPerFamily)
        return GeneralIo::Input;
    if (column >= ColDO1 && column < ColDO1 + kGeneralColumnsPerFamily)
        return GeneralIo::Output;
    return GeneralIo::None;
}

int generalIoNumber(int column, int position, int bit)
{
    const GeneralIo io = generalIoOf(column);
    if (io == GeneralIo::None || position < 0 || position >= kGeneralBytesPerColumn || bit < 0 || bit > 7)
        return 0;
    const int block = column - (io == GeneralIo::Input ? ColDI1 : ColDO1);
    return 64 * block + 8 * position + bit + 1;
}

const ArcItem arcInputItems[kArcSignals] = {
    {"WCR=1", "WCR=0"},      {"ShockSensor=1", nullptr}, {"WireStick=1", nullptr}, {"WelderError=1", nullptr},
    {"WireState=1", nullptr}, {"GasState=1", nullptr},    {"Res=1", nullptr},       {"Res=1", nullptr},
};

const ArcItem arcOutputItems[kArcSignals] = {
    {"TorchSW=1", nullptr}, {"Inching=1", nullptr}, {"Retract=1", nullptr}, {"StickChk=1", nullptr},
    {"GasCheck=1", nullptr}, {"Res=1", nullptr},    {"Res=1", nullptr},     {"Res=1", nullptr},
};

QVector<ArcState> arcStates(const QString &text, const ArcItem (&items)[kArcSignals])
{
    // The last item is compared as it stands: a blank before it (after ", ")
    // makes it differ.
    constexpr int unsimplified = kArcSignals - 1;
    const QStringList parts = text.split(QLatin1Char(','), Qt::KeepEmptyParts);
    QVector<ArcState> states;
    for (int i = 0; i < parts.size() && i < kArcSignals; ++i) {
        const QString item = i < unsimplified ? parts.at(i).simplified() : parts.at(i);
        const ArcItem &signal = items[i];
        if (item == QLatin1String(signal.high))
            states << ArcState::High;
        else if (!signal.low || item == QLatin1String(signal.low))
            states << ArcState::Low;
        else
            states << ArcState::Keep;
    }
    return states;
}

} // namespace vlog
