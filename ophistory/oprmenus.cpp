// The menu tree of the teach pendant, as the operation history's menu
// selections ("m[N]") walk it. One table in tree order: the depth says where
// an entry lies (0 the two roots, 1 to 4 the menu levels), the number at the
// start of a name is the key that selects it, and an entry followed directly
// by deeper entries is a submenu. Names are written as the pendant shows them,
// slips and double blanks included.

#include "ophistory/oprformat.h"

#include <QCoreApplication>
#include <iterator>

namespace vopr {
namespace {

#define M(text) QT_TRANSLATE_NOOP("Velloran", text)

const MenuEntry menuTree[] = {
    {0, M("Service - ")},
    {1, M("1: Monitoring - ")},
    {2, M("1: Data of each axis")},
    {2, M("2: Input/Output signal - ")},
    {3, M("1: Private input signal")},
    {3, M("2: Private output signal")},
    {3, M("3: Public input signal")},
    {3, M("4: Public output signal")},
    {3, M("5: Input signal name display")},
    {3, M("6: Output signal name display")},
    {3, M("7: Expand brake input signal")},
    {3, M("8: Expand brake output signal")},
    {2, M("3: Fieldbus signal - ")},
    {3, M("1: FB1 fieldbus input")},
    {3, M("2:  FB1 fieldbus output")},
    {3, M("5: FB3 fieldbus input")},
    {3, M("6: FB3 fieldbus output")},
    {3, M("9: FB5 fieldbus input")},
    {3, M("10: FB5 fieldbus output")},
    {2, M("4: Spot welding data - ")},
    {3, M("1: Spot gun axis data")},
    {3, M("2:  Spot welding input/output signal")},
    {3, M("3: Spot welding operating information")},
    {2, M("5: Arc welding data")},
    {2, M("7: PLC relay data - ")},
    {3, M("1: PLC X Relay (External Input)")},
    {3, M("2: PLC Y Relay (External Output)")},
    {3, M("3: PLC R Relay (Auxiliary)")},
    {3, M("4: PLC K Relay (Nonvolatile)")},
    {3, M("5: PLC T Relay (Timer)")},
    {3, M("6: PLC C Relay (Counter)")},
    {3, M("7: PLC SP Relay (Special)")},
    {3, M("8: PLC DI Relay (PLC Output)")},
    {3, M("9: PLC DO Relay (PLC Input)")},
    {3, M("10: PLC MW Relay (Data Memory)")},
    {3, M("11: PLC SW Relay (Syetem Memory)")},
    {2, M("8: Analog data")},
    {2, M("11: Various data")},
    {2, M("12: Job program HotEdit")},
    {2, M("13: Operation information")},
    {2, M("14: Arc welding operation information")},
    {2, M("15: Embedded fieldbus node state")},
    {2, M("16: System characteristic data - ")},
    {3, M("1: System properties data (integrated)")},
    {3, M("2: Motion data of individual axes")},
    {3, M("3: Loading rate data")},
    {3, M("4: Position deviation, disturbance torque")},
    {3, M("5: Motor, encoder data")},
    {3, M("6: Reducer data")},
    {3, M("7: Grease injection data")},
    {3, M("10: Controller information - ")},
    {4, M("1: Controller internal temperature")},
    {4, M("2: Execution information")},
    {3, M("11: PRM information - ")},
    {4, M("1: PRM input signal")},
    {4, M("3: PRM information")},
    {2, M("17: System diagnosis data - ")},
    {3, M("1: Brake diagnosis data")},
    {3, M("2: Drive unit diagnosis data")},
    {3, M("3: Gas spring pressure diagnosis data")},
    {2, M("18: Multi-tasking state")},
    {2, M("20: Edit Ladder")},
    {2, M("24: Playback speed auto control state")},
    {2, M("25: Mastering test state")},
    {2, M("26: External force data of the sensorless force control")},
    {1, M("2: Register - ")},
    {2, M("1: XYZ shift register")},
    {2, M("2: Shift buffer")},
    {2, M("3: Online shift register ")},
    {2, M("5: Counter register")},
    {1, M("3: Variable")},
    {1, M("4: Data comment")},
    {1, M("5: File manager")},
    {1, M("6: Program conversion - ")},
    {2, M("1: Record condition")},
    {2, M("2: Record speed")},
    {2, M("3: Record position")},
    {2, M("4: The reference coordinate system")},
    {2, M("5: Coordinate transformation")},
    {2, M("6: Mirror image")},
    {2, M("7: Step copy")},
    {2, M("8: Lum Job update")},
    {2, M("9: Command statement comment")},
    {1, M("7: System diagnosis - ")},
    {2, M("1: System version")},
    {2, M("2: Error log")},
    {2, M("3: Operation history")},
    {2, M("9: Average load rate diagnosis")},
    {2, M("10: History of Maintenance and Repair")},
    {2, M("11: Mastering test history")},
    {1, M("8: Date, time setting")},
    {1, M("9: Application program end")},
    {1, M("10: Applet")},
    {1, M("11: Teach pendant option")},
    {1, M("12: Teach pendant sharing")},
    {1, M("16: Data gathering")},
    {1, M("17: History logging")},

    {0, M("System - ")},
    {1, M("1: User environment")},
    {1, M("2: Control parameter - ")},
    {2, M("1: Control environment setting")},
    {2, M("2: Input/Output signal setting - ")},
    {3, M("1: Input signal attribute")},
    {3, M("2: Output signal attribute")},
    {3, M("3: Input signal assign")},
    {3, M("4: Output signal assign")},
    {3, M("5: key signal output")},
    {3, M("6: Analog input filter")},
    {3, M("10: KM731/KM732 fieldbus information")},
    {3, M("11: KM77x fieldbus(CC-Link) information")},
    {3, M("12: Embedded DeviceNet master info and setting")},
    {3, M("13: Embedded DeviceNet slave info and setting")},
    {3, M("14: KM735 real-time Ethernet setting/diagnosis")},
    {3, M("15: KM735 fieldbus setting/diagnosis")},
    {3, M("16: CC-Link IE slave settings and diagnosis")},
    {2, M("3: Serial port - ")},
    {3, M("1: Serial port #1")},
    {3, M("2: Serial port #2")},
    {2, M("4: Robot ready condition")},
    {2, M("5: Registration of home position")},
    {2, M("6: Shift limit")},
    {2, M("7: Coordinate registration - ")},
    {3, M("1: User coordinate")},
    {3, M("2: Stationary tool coordinate")},
    {2, M("8: Program reservation execution")},
    {2, M("9: Network - ")},
    {3, M("1: Environment setting")},
    {3, M("2: Ethernet state")},
    {3, M("3: Service")},
    {2, M("11: Automatic backup and restoration")},
    {1, M("3: Robot parameter - ")},
    {2, M("1: Tool data")},
    {2, M("2: Axis origin")},
    {2, M("3: Soft limit")},
    {2, M("4: Encoder offset")},
    {2, M("5: B axis deadzone")},
    {2, M("6: Accuracy")},
    {2, M("7: Additional weight on each axis")},
    {2, M("10: Set the maintaincurrent redctionf function")},
    {2, M("11: Set the jog inching level")},
    {2, M("12: System maintenance - ")},
    {3, M("1: Grease lubrication scheduling setting")},
    {3, M("2: Reducer lifespan setting")},
    {3, M("3: Auto greasing setting")},
    {2, M("13: System diagnosis - ")},
    {3, M("1: Brake diagnosis setting")},
    {3, M("2: Drive unit diagnosis setting")},
    {3, M("3: Gas spring pressure diagnosis setting")},
    // A submenu, although its name lacks the trailing " - ".
    {2, M("14: Impact detection")},
    {3, M("1: Model-based impact detection")},
    {3, M("2: Set the collision detection (of each axis)")},
    {3, M("3: Set the collision detection (TCP)")},
    {2, M("33: Servo parameter - ")},
    {3, M("1: Servo loop gain")},
    {3, M("2: Operating condition setting")},
    {3, M("3: Motor and encoder type")},
    {3, M("4: Current loop gain")},
    {3, M("7: Vibration control gain")},
    {3, M("8: Second axis sync parameter")},
    {3, M("9: Servo control environment")},
    {2, M("34: Accel and decel parameter")},
    {1, M("4: Application prameter - ")},
    {2, M("1: Spot welding - ")},
    {3, M("1: Set tool number and gun-type")},
    {3, M("2: Environment setting")},
    {3, M("3: Welding gun parameter")},
    {3, M("4: Welding data (Cnd, Seq)")},
    {3, M("5: Input signal assgin")},
    {3, M("6: Output signal assgin")},
    {3, M("7: Servo gun squeeze tuning")},
    {3, M("8: Servo gun auto setting")},
    {3, M("9: SWD file recovery")},
    {2, M("2: Arc welding")},
    {2, M("3: Palletizing - ")},
    {3, M("1: Norvik")},
    {2, M("4: Sensor synchronization - ")},
    {3, M("1: Function use")},
    {2, M("5: Output voltage propotional to speed")},
    {2, M("7: Interference prevention - ")},
    {3, M("1: Cube interference prevention")},
    {3, M("2: Arm interference prevention")},
    {2, M("10: Command independent execution")},
    {2, M("12: Roller Hemming Squeeze Control")},
    {2, M("14: Force control - ")},
    {3, M("1: Environment setting")},
    {2, M("16: Joystick mode")},
    {2, M("17: Learning Control")},
    {2, M("18: Warvel")},
    {2, M("19: Mastering test")},
    {1, M("5: Initialize - ")},
    {2, M("1: System format")},
    {2, M("2: Robot type selection")},
    {2, M("3: Usage setting")},
    {2, M("4: Serial encoder reset")},
    {2, M("6: Mechanism setting")},
    {2, M("9: Axis lock setting")},
    {2, M("11: System password setting")},
    {1, M("6: Auto calibration - ")},
    {2, M("1: Optimize axis origin and tool length")},
    {2, M("3: LVS coordinate calibration")},
    {2, M("4: Load estimation function")},
    {2, M("7: Coordinate calivration for OLP")},
    {2, M("9: Robot and tool calibration")},
    {2, M("10: Auto tuning of additional axis")},
};

#undef M

constexpr int menuSize = int(std::size(menuTree));

// The number a name begins with; the roots have none.
int keyOf(const MenuEntry &entry)
{
    const QString name = QLatin1String(entry.name);
    const int colon = name.indexOf(QLatin1Char(':'));
    return colon > 0 ? name.left(colon).toInt() : -1;
}

} // namespace

int menuRoot(bool system)
{
    const QLatin1String name = system ? QLatin1String("System - ") : QLatin1String("Service - ");
    for (int i = 0; i < menuSize; ++i) {
        if (menuTree[i].depth == 0 && name == QLatin1String(menuTree[i].name))
            return i;
    }
    return -1;
}

int menuEntryOf(int parent, const QString &line)
{
    if (parent < 0 || parent >= menuSize)
        return -1;
    const int depth = menuTree[parent].depth + 1;
    for (int i = parent + 1; i < menuSize && menuTree[i].depth >= depth; ++i) {
        if (menuTree[i].depth != depth)
            continue;
        const QString selection = QStringLiteral("m[%1]").arg(keyOf(menuTree[i]));
        if (line.contains(selection, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

bool isSubmenu(int entry)
{
    return entry >= 0 && entry + 1 < menuSize && menuTree[entry + 1].depth > menuTree[entry].depth;
}

QString menuLabel(int entry)
{
    if (entry < 0 || entry >= menuSize)
        return QString();
    return QCoreApplication::translate("Velloran", menuTree[entry].name);
}

} // namespace vopr
