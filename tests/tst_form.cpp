// The main window form: every widget with its name, class, place and text,
// the fixed properties, the start state, what retranslateUi resets and keeps,
// and the display-only indicators.
//
// The expected tables here are written down from the description of the
// window, independently of the tables the form is built from.
#include "app/velloran.h"
#include "app/velloranform.h"

#include <QtTest>

#include <tuple>
#include <utility>

namespace {

constexpr int kBox = -1; // position in a box layout: row is the index

struct Place
{
    const char *name;
    const char *className;
    const char *layout; // the layout that holds it
    int row;            // grid row, or index in a box layout
    int column;         // grid column, or kBox
    int rowSpan;
    int columnSpan;
    const char *text; // nullptr: no text to check
};

// Every named widget and nested layout outside the repeated grids.
const Place kPlaces[] = {
    // Top level and top bar.
    {"verticalLayout_2", "QVBoxLayout", "gridLayout_3", 0, 0, 1, 1, nullptr},
    {"horizontalLayout", "QHBoxLayout", "verticalLayout_2", 0, kBox, 1, 1, nullptr},
    {"open_file", "QPushButton", "horizontalLayout", 0, kBox, 1, 1, "Open File"},
    {"file_add", "QLineEdit", "horizontalLayout", 1, kBox, 1, 1, ""},
    {"kav", "QRadioButton", "horizontalLayout", 2, kBox, 1, 1, "Kav"},
    {"lum_luma", "QRadioButton", "horizontalLayout", 3, kBox, 1, 1, "Lum/Luma"},
    {"comboBox", "QComboBox", "horizontalLayout", 4, kBox, 1, 1, nullptr},
    {"ManualButton", "QPushButton", "horizontalLayout", 5, kBox, 1, 1, ""},
    {"InformationButton", "QPushButton", "horizontalLayout", 6, kBox, 1, 1, ""},
    // Record row.
    {"horizontalLayout_2", "QHBoxLayout", "verticalLayout_2", 1, kBox, 1, 1, nullptr},
    {"tableWidget", "QTableWidget", "horizontalLayout_2", 0, kBox, 1, 1, nullptr},
    {"groupBox", "QGroupBox", "horizontalLayout_2", 1, kBox, 1, 1, "Details"},
    {"horizontalLayout_3", "QHBoxLayout", "gridLayout_12", 0, 0, 1, 1, nullptr},
    {"verticalLayout", "QVBoxLayout", "horizontalLayout_3", 0, kBox, 1, 1, nullptr},
    {"verticalLayout_3", "QVBoxLayout", "horizontalLayout_3", 1, kBox, 1, 1, nullptr},
    // Details captions.
    {"label", "QLabel", "verticalLayout", 0, kBox, 1, 1, "Error Code"},
    {"label_2", "QLabel", "verticalLayout", 1, kBox, 1, 1, "AxisNo"},
    {"label_3", "QLabel", "verticalLayout", 2, kBox, 1, 1, "Date"},
    {"label_4", "QLabel", "verticalLayout", 3, kBox, 1, 1, "Time"},
    {"label_5", "QLabel", "verticalLayout", 4, kBox, 1, 1, "Program"},
    {"label_6", "QLabel", "verticalLayout", 5, kBox, 1, 1, "Step"},
    {"label_7", "QLabel", "verticalLayout", 6, kBox, 1, 1, "Function"},
    {"label_8", "QLabel", "verticalLayout", 7, kBox, 1, 1, "Axis 1"},
    {"label_9", "QLabel", "verticalLayout", 8, kBox, 1, 1, "Axis 2"},
    {"label_10", "QLabel", "verticalLayout", 9, kBox, 1, 1, "Axis 3"},
    {"label_21", "QLabel", "verticalLayout", 10, kBox, 1, 1, "Axis 4"},
    {"label_22", "QLabel", "verticalLayout", 11, kBox, 1, 1, "Axis 5"},
    {"label_23", "QLabel", "verticalLayout", 12, kBox, 1, 1, "Axis 6"},
    {"label_24", "QLabel", "verticalLayout", 13, kBox, 1, 1, "Axis 7"},
    {"label_25", "QLabel", "verticalLayout", 14, kBox, 1, 1, "Axis 8"},
    // Details values.
    {"error_code", "QPushButton", "verticalLayout_3", 0, kBox, 1, 1, "Error Code"},
    {"axis_no", "QLabel", "verticalLayout_3", 1, kBox, 1, 1, "AxisNo"},
    {"date", "QLabel", "verticalLayout_3", 2, kBox, 1, 1, "Date"},
    {"time", "QLabel", "verticalLayout_3", 3, kBox, 1, 1, "Time"},
    {"program", "QPushButton", "verticalLayout_3", 4, kBox, 1, 1, "Program"},
    {"step", "QLabel", "verticalLayout_3", 5, kBox, 1, 1, "Step"},
    {"function", "QLabel", "verticalLayout_3", 6, kBox, 1, 1, "Function"},
    {"axis1", "QLabel", "verticalLayout_3", 7, kBox, 1, 1, "Axis 1"},
    {"axis2", "QLabel", "verticalLayout_3", 8, kBox, 1, 1, "Axis 2"},
    {"axis3", "QLabel", "verticalLayout_3", 9, kBox, 1, 1, "Axis 3"},
    {"axis4", "QLabel", "verticalLayout_3", 10, kBox, 1, 1, "Axis 4"},
    {"axis5", "QLabel", "verticalLayout_3", 11, kBox, 1, 1, "Axis 5"},
    {"axis6", "QLabel", "verticalLayout_3", 12, kBox, 1, 1, "Axis 6"},
    {"axis7", "QLabel", "verticalLayout_3", 13, kBox, 1, 1, "Axis 7"},
    {"axis8", "QLabel", "verticalLayout_3", 14, kBox, 1, 1, "Axis 8"},
    // Button row and tab widget.
    {"horizontalLayout_4", "QHBoxLayout", "verticalLayout_2", 2, kBox, 1, 1, nullptr},
    {"history", "QPushButton", "horizontalLayout_4", 1, kBox, 1, 1, "HISTORY.TXT"},
    {"tabWidget", "QTabWidget", "verticalLayout_2", 3, kBox, 1, 1, nullptr},
    // System Input and System Output.
    {"scrollArea_3", "QScrollArea", "gridLayout_6", 0, 0, 1, 1, nullptr},
    {"gridLayout", "QGridLayout", "gridLayout_15", 0, 0, 1, 1, nullptr},
    {"scrollArea_4", "QScrollArea", "gridLayout_7", 0, 0, 1, 1, nullptr},
    {"gridLayout_2", "QGridLayout", "gridLayout_16", 0, 0, 1, 1, nullptr},
    // General I/O.
    {"label_11", "QLabel", "gridLayout_14", 0, 0, 1, 1, "General Digital Input(DI1 ~ DI256)"},
    {"label_12", "QLabel", "gridLayout_14", 0, 1, 1, 1, "General Digital Output(DO1 ~ DO256)"},
    {"scrollArea", "QScrollArea", "gridLayout_14", 1, 0, 1, 1, nullptr},
    {"scrollArea_2", "QScrollArea", "gridLayout_14", 1, 1, 1, 1, nullptr},
    {"DI_Layout", "QGridLayout", "gridLayout_4", 0, 0, 1, 1, nullptr},
    {"gridLayout_5", "QGridLayout", "gridLayout_13", 0, 0, 1, 1, nullptr},
    // Arc In/Output Signal.
    {"label_18", "QLabel", "gridLayout_34", 1, 0, 1, 1, "Arc Input Signal"},
    {"label_42", "QLabel", "gridLayout_34", 1, 1, 1, 1, "Arc Output Signal"},
    {"gridLayout_33", "QGridLayout", "gridLayout_34", 3, 0, 1, 2, nullptr},
    {"scrollArea_6", "QScrollArea", "gridLayout_33", 0, 0, 1, 1, nullptr},
    {"scrollArea_7", "QScrollArea", "gridLayout_33", 0, 1, 1, 1, nullptr},
    {"gridLayout_30", "QGridLayout", "gridLayout_24", 0, 0, 1, 2, nullptr},
    {"gridLayout_22", "QGridLayout", "gridLayout_30", 0, 0, 1, 1, nullptr},
    {"gridLayout_21", "QGridLayout", "gridLayout_30", 0, 1, 1, 1, nullptr},
    {"label_46", "QLabel", "gridLayout_24", 1, 0, 1, 1, "Analog Signal"},
    {"AI0104", "QLabel", "gridLayout_24", 1, 1, 1, 1, "(01-04)"},
    {"AI0508", "QLabel", "gridLayout_24", 2, 1, 1, 1, "(05-08)"},
    {"gridLayout_31", "QGridLayout", "gridLayout_25", 0, 0, 1, 2, nullptr},
    {"gridLayout_23", "QGridLayout", "gridLayout_31", 0, 0, 1, 1, nullptr},
    {"gridLayout_27", "QGridLayout", "gridLayout_31", 0, 1, 1, 1, nullptr},
    {"label_19", "QLabel", "gridLayout_25", 1, 0, 1, 1, "Analog Signal"},
    {"AO0104", "QLabel", "gridLayout_25", 1, 1, 1, 1, "(01-04)"},
    {"AO0508", "QLabel", "gridLayout_25", 2, 1, 1, 1, "(05-08)"},
    // Statistics and Error.
    {"tableWidget_2", "QTableWidget", "gridLayout_8", 0, 0, 1, 1, nullptr},
    {"scrollArea_5", "QScrollArea", "gridLayout_17", 0, 0, 1, 1, nullptr},
    {"gridLayout_18", "QGridLayout", "gridLayout_19", 0, 0, 1, 1, nullptr},
    {"label_13", "QLabel", "gridLayout_18", 0, 0, 1, 1, "Error Code"},
    {"ErrorCode", "QLabel", "gridLayout_18", 0, 1, 1, 1, "Error Code"},
    {"label_14", "QLabel", "gridLayout_18", 2, 0, 1, 1, "Message"},
    {"Message", "QLabel", "gridLayout_18", 2, 1, 1, 1, "Message"},
    {"label_15", "QLabel", "gridLayout_18", 4, 0, 1, 1, "Cause"},
    {"Cause", "QLabel", "gridLayout_18", 4, 1, 1, 1, "Cause"},
    {"label_16", "QLabel", "gridLayout_18", 6, 0, 1, 1, "Remedy"},
    {"Remedy", "QTextEdit", "gridLayout_18", 6, 1, 1, 1, nullptr},
    // MCH, INF, CON.
    {"treeWidget", "QTreeWidget", "gridLayout_9", 0, 0, 1, 1, nullptr},
    {"treeWidget_2", "QTreeWidget", "gridLayout_10", 0, 0, 2, 1, nullptr},
    {"label_17", "QLabel", "gridLayout_10", 0, 1, 1, 1, "System Characteristic Data"},
    {"tableWidget_3", "QTableWidget", "gridLayout_10", 1, 1, 1, 1, nullptr},
    {"treeWidget_3", "QTreeWidget", "gridLayout_11", 0, 0, 1, 1, nullptr},
    // OPR.
    {"horizontalLayout_8", "QHBoxLayout", "gridLayout_26", 0, 0, 1, 1, nullptr},
    {"Menu", "QLabel", "horizontalLayout_8", 0, kBox, 1, 1, "Menu"},
    {"Menu1", "QLabel", "horizontalLayout_8", 1, kBox, 1, 1, ""},
    {"Menu2", "QLabel", "horizontalLayout_8", 2, kBox, 1, 1, ""},
    {"Menu3", "QLabel", "horizontalLayout_8", 3, kBox, 1, 1, ""},
    {"Menu4", "QLabel", "horizontalLayout_8", 4, kBox, 1, 1, ""},
    {"horizontalLayout_7", "QHBoxLayout", "gridLayout_26", 1, 0, 1, 1, nullptr},
    {"treeWidget_4", "QTreeWidget", "horizontalLayout_7", 0, kBox, 1, 1, nullptr},
    {"textEdit", "QTextEdit", "horizontalLayout_7", 1, kBox, 1, 1, nullptr},
    {"verticalLayout_5", "QVBoxLayout", "horizontalLayout_7", 2, kBox, 1, 1, nullptr},
    {"verticalLayout_4", "QVBoxLayout", "verticalLayout_5", 0, kBox, 1, 1, nullptr},
    {"horizontalLayout_6", "QHBoxLayout", "verticalLayout_5", 2, kBox, 1, 1, nullptr},
    {"save", "QPushButton", "horizontalLayout_6", 0, kBox, 1, 1, "SAVE"},
    {"gridLayout_20", "QGridLayout", "verticalLayout_4", 0, kBox, 1, 1, nullptr},
    {"horizontalLayout_5", "QHBoxLayout", "verticalLayout_4", 2, kBox, 1, 1, nullptr},
    {"ModeS", "QLabel", "horizontalLayout_5", 0, kBox, 1, 1, "ModeSel"},
    {"key", "QLabel", "horizontalLayout_5", 2, kBox, 1, 1, "Key"},
    {"runto", "QLabel", "gridLayout_20", 0, 0, 1, 1, "RunTo"},
    {"joginch", "QLabel", "gridLayout_20", 0, 1, 1, 1, "JogInch"},
    {"enable", "QLabel", "gridLayout_20", 0, 2, 1, 1, "Enable"},
    {"emgstop", "QLabel", "gridLayout_20", 0, 3, 1, 1, "EmgStop"},
    {"remote", "QLabel", "gridLayout_20", 1, 0, 1, 1, "Remote"},
    {"automode", "QLabel", "gridLayout_20", 1, 1, 1, 1, "AutoMode"},
    {"playback", "QLabel", "gridLayout_20", 1, 2, 1, 1, "PlayBack"},
    {"moton", "QLabel", "gridLayout_20", 1, 3, 1, 1, "MotOn"},
};

// Widgets that carry a layout of their own: widget, layout, its class,
// spacing, margins (-1: not checked).
struct OwnLayout
{
    const char *widget;
    const char *layout;
    const char *className;
    int spacing;
    int margins;
};
const OwnLayout kOwnLayouts[] = {
    {"VelloranClass", "gridLayout_3", "QGridLayout", 6, 11},
    {"groupBox", "gridLayout_12", "QGridLayout", 6, 11},
    {"system_input", "gridLayout_6", "QGridLayout", 6, 11},
    {"system_output", "gridLayout_7", "QGridLayout", 6, 11},
    {"general_io", "gridLayout_14", "QGridLayout", 6, 11},
    {"arcsio", "gridLayout_34", "QGridLayout", 6, 11},
    {"statistics", "gridLayout_8", "QGridLayout", 6, 11},
    {"error", "gridLayout_17", "QGridLayout", 6, 11},
    {"mch", "gridLayout_9", "QGridLayout", 6, 11},
    {"inf", "gridLayout_10", "QGridLayout", 6, 11},
    {"con", "gridLayout_11", "QGridLayout", 6, 11},
    {"opr", "gridLayout_26", "QGridLayout", 6, 11},
    {"scrollAreaWidgetContents_3", "gridLayout_15", "QGridLayout", 6, 11},
    {"scrollAreaWidgetContents_4", "gridLayout_16", "QGridLayout", 6, 11},
    {"scrollAreaWidgetContents", "gridLayout_4", "QGridLayout", 6, 11},
    {"scrollAreaWidgetContents_2", "gridLayout_13", "QGridLayout", 6, 11},
    {"scrollAreaWidgetContents_5", "gridLayout_19", "QGridLayout", -1, -1},
    {"scrollAreaWidgetContents_6", "gridLayout_24", "QGridLayout", -1, -1},
    {"scrollAreaWidgetContents_7", "gridLayout_25", "QGridLayout", -1, -1},
};

// Spacing (and margins, -1: not checked) of nested layouts.
struct Spacing
{
    const char *layout;
    int spacing;
    int margins;
};
const Spacing kSpacings[] = {
    {"verticalLayout_2", 6, -1}, {"horizontalLayout", 6, -1}, {"horizontalLayout_2", 6, -1},
    {"horizontalLayout_3", 6, -1}, {"verticalLayout", 6, -1}, {"verticalLayout_3", 6, -1},
    {"horizontalLayout_4", 6, -1}, {"gridLayout", 6, -1}, {"gridLayout_2", 6, -1},
    {"DI_Layout", 3, 0}, {"gridLayout_5", 6, -1}, {"gridLayout_33", 6, -1},
    {"gridLayout_22", -1, 0},
};

// Scroll areas: area, contents, start size of the contents, white background.
struct ScrollPlace
{
    const char *area;
    const char *contents;
    int width;
    int height;
    bool white;
};
const ScrollPlace kScrollAreas[] = {
    {"scrollArea_3", "scrollAreaWidgetContents_3", 1135, 305, true},
    {"scrollArea_4", "scrollAreaWidgetContents_4", 1135, 305, true},
    {"scrollArea", "scrollAreaWidgetContents", 547, 1393, false},
    {"scrollArea_2", "scrollAreaWidgetContents_2", 546, 1486, false},
    {"scrollArea_5", "scrollAreaWidgetContents_5", 1135, 305, true},
    {"scrollArea_6", "scrollAreaWidgetContents_6", 563, 239, false},
    {"scrollArea_7", "scrollAreaWidgetContents_7", 562, 239, false},
};

struct Tab
{
    const char *page;
    const char *text;
    const char *layout;
};
const Tab kTabs[10] = {
    {"system_input", "System Input", "gridLayout_6"}, {"system_output", "System Output", "gridLayout_7"},
    {"general_io", "General I/O", "gridLayout_14"},   {"arcsio", "Arc In/Output Signal", "gridLayout_34"},
    {"statistics", "Statistics", "gridLayout_8"},     {"error", "Error", "gridLayout_17"},
    {"mch", "MCH", "gridLayout_9"},                   {"inf", "INF", "gridLayout_10"},
    {"con", "CON", "gridLayout_11"},                  {"opr", "OPR", "gridLayout_26"},
};

struct Indicator
{
    const char *name;
    const char *text;
};
// Four per row, row by row.
const Indicator kSystemInputs[44] = {
    {"mode_switch_auto", "모드스위치(자동)"}, {"mode_switch_manual", "모드스위치(수동)"},
    {"mode_switch_ex", "모드스위치(원격)"}, {"mode_switch_sys", "모드스위치(시스템)"},
    {"motor_on_tp", "모터 ON(TP)"}, {"motor_on_ex", "모터 ON(외부)"}, {"start_tp", "기동(TP)"}, {"stop_tp", "정지(TP)"},
    {"enable_switch_tp", "인에이블스위치(TP)"}, {"label_39", "-"}, {"mc1", "MC1(PreCharge)"}, {"mc2", "MC2(Motors Power)"},
    {"safe_garde_auto", "안전가드(자동)"}, {"safe_garde_menual", "안전가드(일반)"}, {"em_stop_tp", "비상정지(TP)"},
    {"em_stop_op", "비상정지(OP)"},
    {"em_stop_ex", "비상정지(외부)"}, {"label_48", "-"}, {"limt1", "리밋(Over-Travel)"}, {"limt2", "리밋(Over-Travel)부가"},
    {"belt_limt", "승강축벨트/리밋(Arm)"}, {"limt3", "리밋(Over-Traval)확장"}, {"motor_overheat1", "모터과열(TS)"},
    {"motor_overheat2", "모터과열(TS)부가"},
    {"brake_low", "브레이크 전압저하"}, {"robot_pan", "로봇팬(R-FAN)고장"}, {"overload_motor", "과부하(Motors전원)"},
    {"overload_brake", "과부하(Brakes전원)"},
    {"overload_control", "과부하(Control전원)"}, {"overload_smps", "과부하(SMPS전원)"}, {"flt", "FLT(AMP Fault)"},
    {"ov", "OV(AMP OverVoltage)"},
    {"uv", "UV(AMP UnderVoltage)"}, {"oc", "OC(AMP OverCurrent)"}, {"sv_bk", "SV_BK(서보브레이크제어)"},
    {"svon", "/SVON(서보ON)"},
    {"type_cof", "컨버터 타입 확인"}, {"pwmon", "/PWMON"}, {"op_board_cof", "OP보드 연결확인"}, {"escape", "ESCAPE"},
    {"reservation1", "예약 1"}, {"reservation2", "예약 2"}, {"reservation3", "예약 3"}, {"reservation4", "예약 4"},
};
const Indicator kSystemOutputs[28] = {
    {"motor_on_tp_2", "모터 ON(TP)"}, {"start_tp_2", "기동(TP)"}, {"stop_tp_2", "정지(TP)"}, {"system_odd", "시스템 이상"},
    {"mc1_2", "MCON1(PreCharge)"}, {"mc2_2", "MCON2(Motors Power)"}, {"high_speed1", "HIGH Speed 1"},
    {"high_speed2", "HIGH Speed 2"},
    {"escon1", "ESCON1(Release1)"}, {"escon2", "ESCON2(Release2)"}, {"brake1", "브레이크제어 1"}, {"brake2", "브레이크제어 2"},
    {"brake3", "브레이크제어 3"}, {"brake4", "브레이크제어 4"}, {"brake5", "브레이크제어 5"}, {"brake6", "브레이크제어 6"},
    {"brake7", "브레이크제어 7"}, {"brake8", "브레이크제어 8"}, {"ex_auto1", "원격 자동모드 1"}, {"ex_auto2", "원격 자동모드 2"},
    {"label_91", "-"}, {"label_92", "-"}, {"reservation1_2", "예약 1"}, {"reservation2_2", "예약 2"},
    {"pan_out", "냉각팬 꺼짐"}, {"reservation4_2", "예약 4"}, {"label_97", "-"}, {"label_98", "-"},
};

struct ArcSignal
{
    const char *caption;
    const char *text;
    const char *low;
    const char *high;
};
const ArcSignal kArcInputs[8] = {
    {"label_20", "SI1. WRC", "WRC0", "WRC1"},         {"label_28", "SI2. Shock Sensor", "SS0", "SS1"},
    {"label_27", "SI3. Wire Stick", "WS0", "WS1"},    {"label_26", "SI4. Welder Error", "WE0", "WE1"},
    {"label_29", "SI5. Wire State", "WSt0", "WSt1"},  {"label_31", "SI6. Gas State", "GS0", "GS1"},
    {"label_30", "SI7. Reserved", "SIR0", "SIR1"},    {"label_32", "SI8. Reserved", "SIR20", "SIR21"},
};
const ArcSignal kArcOutputs[8] = {
    {"label_41", "SO1. Torch Switch", "TS0", "TS1"},  {"label_34", "SO2. Inching", "Inch0", "Inch1"},
    {"label_37", "SO3. Retract", "Ret0", "Ret1"},     {"label_36", "SO4. Stick Check", "SC0", "SC1"},
    {"label_35", "SO5. Gas Check", "GC0", "GC1"},     {"label_40", "SO6. Reserved", "SOR0", "SOR1"},
    {"label_38", "SO7. Reserved", "SOR20", "SOR21"},  {"label_33", "SO8. Reserved", "SOR30", "SOR31"},
};

struct HeaderColumn
{
    const char *header;
    int width;
};
const HeaderColumn kRecordColumns[27] = {
    {"No", 40},     {"Code", 60},   {"Error", 250}, {"AxisNo", 50}, {"Date", 80},   {"Time", 70},  {"Prog", 40},
    {"Step", 40},   {"Func", 40},   {"Axis1", 70},  {"Axis2", 70},  {"Axis3", 70},  {"Axis4", 70}, {"Axis5", 70},
    {"Axis6", 70},  {"Axis7", 70},  {"Axis8", 70},  {"SI", 120},    {"DI1", 160},   {"DI2", 160},  {"DI3", 160},
    {"DI4", 160},   {"SO", 120},    {"DO1", 160},   {"DO2", 160},   {"DO3", 160},   {"DO4", 160},
};
const HeaderColumn kStatisticsColumns[3] = {{"Count", 40}, {"Code", 70}, {"Error", 400}};

const char *const kDetailValues[15] = {"error_code", "axis_no", "date",  "time",  "program", "step",  "function", "axis1",
                                       "axis2",      "axis3",   "axis4", "axis5", "axis6",   "axis7", "axis8"};

const Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment kLeftTop = Qt::AlignLeft | Qt::AlignTop;

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// The one object of that name and type under root (root itself included).
template <typename T>
T *only(QWidget *root, const char *name)
{
    QList<T *> found = root->findChildren<T *>(QString::fromLatin1(name));
    if (auto *self = qobject_cast<T *>(root); self && root->objectName() == QLatin1String(name))
        found << self;
    return found.size() == 1 ? found.first() : nullptr;
}

QString textOf(QObject *o)
{
    if (auto *l = qobject_cast<QLabel *>(o))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(o))
        return b->text();
    if (auto *g = qobject_cast<QGroupBox *>(o))
        return g->title();
    if (auto *e = qobject_cast<QLineEdit *>(o))
        return e->text();
    return QStringLiteral("<no text>");
}

// Index of a widget or layout among the items of a layout, -1 if absent.
int itemIndex(QLayout *layout, QObject *o)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == o || item->layout() == o)
            return i;
    }
    return -1;
}

// Checks a place; returns an empty text when it holds, else what is wrong.
QString checkPlace(QWidget *root, const Place &p)
{
    const QString name = QString::fromLatin1(p.name);
    QObject *o = only<QWidget>(root, p.name);
    if (!o)
        o = only<QLayout>(root, p.name);
    if (!o)
        return name + QStringLiteral(": not found once");
    if (QLatin1String(o->metaObject()->className()) != QLatin1String(p.className))
        return name + QStringLiteral(": class %1").arg(QLatin1String(o->metaObject()->className()));
    QLayout *layout = only<QLayout>(root, p.layout);
    if (!layout)
        return name + QStringLiteral(": no layout %1").arg(QLatin1String(p.layout));
    const int index = itemIndex(layout, o);
    if (index < 0)
        return name + QStringLiteral(": not in %1").arg(QLatin1String(p.layout));
    if (p.column == kBox) {
        if (!qobject_cast<QBoxLayout *>(layout) || index != p.row)
            return name + QStringLiteral(": at index %1").arg(index);
    } else {
        auto *grid = qobject_cast<QGridLayout *>(layout);
        if (!grid)
            return name + QStringLiteral(": %1 is no grid").arg(QLatin1String(p.layout));
        int r, c, rs, cs;
        grid->getItemPosition(index, &r, &c, &rs, &cs);
        if (r != p.row || c != p.column || rs != p.rowSpan || cs != p.columnSpan)
            return name + QStringLiteral(": at (%1, %2) span %3 x %4").arg(r).arg(c).arg(rs).arg(cs);
    }
    if (p.text && textOf(o) != u(p.text))
        return name + QStringLiteral(": text \"%1\"").arg(textOf(o));
    // A widget in a layout of a widget is that widget's child.
    if (auto *w = qobject_cast<QWidget *>(o); w && w->parentWidget() != layout->parentWidget())
        return name + QStringLiteral(": parent %1").arg(w->parentWidget()->objectName());
    return QString();
}

Place gridPlace(const char *name, const char *className, const char *layout, int row, int column,
                const char *text)
{
    return Place{name, className, layout, row, column, 1, 1, text};
}

QSpacerItem *spacerAt(QLayout *layout, int index)
{
    return layout && index < layout->count() ? layout->itemAt(index)->spacerItem() : nullptr;
}

QSpacerItem *spacerAt(QGridLayout *grid, int row, int column)
{
    QLayoutItem *item = grid ? grid->itemAtPosition(row, column) : nullptr;
    return item ? item->spacerItem() : nullptr;
}

bool isRemedyText(QTextEdit *remedy)
{
    if (remedy->toPlainText() != QLatin1String("Remedy"))
        return false;
    QTextCursor cursor(remedy->document());
    cursor.movePosition(QTextCursor::NextCharacter);
    const QTextCharFormat format = cursor.charFormat();
    return remedy->document()->blockCount() == 1 && format.fontFamily() == QLatin1String("Gulim")
        && qFuzzyCompare(format.fontPointSize(), 9.0);
}

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void widgetsStandWhereTheWindowPutsThem();
    void fixedProperties();
    void startState();
    void retranslateResetsTheListedTexts();
    void retranslateKeepsStylesCellsTreesAndHistory();
    void indicatorsCannotBeToggledByTheUser();
    void mainWindowStartsWithHiddenDetailValues();
};

void TestForm::widgetsStandWhereTheWindowPutsThem()
{
    VelloranClass ui;
    QWidget w;
    ui.setupUi(&w);

    QCOMPARE(w.objectName(), QStringLiteral("VelloranClass"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Velloran"));
    QCOMPARE(w.size(), QSize(1181, 790));

    for (const Place &p : kPlaces) {
        const QString problem = checkPlace(&w, p);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // The indicator grids, four labels per row.
    for (int i = 0; i < 44; ++i) {
        const QString problem = checkPlace(
            &w, gridPlace(kSystemInputs[i].name, "QLabel", "gridLayout", i / 4, i % 4, kSystemInputs[i].text));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(ui.systemInputLabels[i], only<QLabel>(&w, kSystemInputs[i].name));
    }
    for (int i = 0; i < 28; ++i) {
        const QString problem = checkPlace(
            &w, gridPlace(kSystemOutputs[i].name, "QLabel", "gridLayout_2", i / 4, i % 4, kSystemOutputs[i].text));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(ui.systemOutputLabels[i], only<QLabel>(&w, kSystemOutputs[i].name));
    }

    // General inputs and outputs: box n at row (n - 1) / 8, column (n - 1) % 8, showing its name.
    for (int n = 1; n <= 256; ++n) {
        const QByteArray di = "DI" + QByteArray::number(n);
        const QByteArray dout = "DO" + QByteArray::number(n);
        QString problem = checkPlace(&w, gridPlace(di.constData(), "QCheckBox", "DI_Layout", (n - 1) / 8, (n - 1) % 8,
                                                   di.constData()));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        problem = checkPlace(&w, gridPlace(dout.constData(), "QCheckBox", "gridLayout_5", (n - 1) / 8, (n - 1) % 8,
                                           dout.constData()));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(ui.DI[n - 1], only<QCheckBox>(&w, di.constData()));
        QCOMPARE(ui.DO[n - 1], only<QCheckBox>(&w, dout.constData()));
    }

    // Arc signals: caption at row r of the caption grid, Low and High at row r of the pair grid.
    for (int r = 0; r < 8; ++r) {
        for (const auto &side : {std::make_tuple(kArcInputs, "gridLayout_22", "gridLayout_21"),
                                 std::make_tuple(kArcOutputs, "gridLayout_23", "gridLayout_27")}) {
            const ArcSignal &s = std::get<0>(side)[r];
            for (const Place &p : {gridPlace(s.caption, "QLabel", std::get<1>(side), r, 0, s.text),
                                   gridPlace(s.low, "QRadioButton", std::get<2>(side), r, 0, "Low"),
                                   gridPlace(s.high, "QRadioButton", std::get<2>(side), r, 1, "High")}) {
                const QString problem = checkPlace(&w, p);
                QVERIFY2(problem.isEmpty(), qPrintable(problem));
            }
        }
        QCOMPARE(ui.arcInputLow[r], only<QRadioButton>(&w, kArcInputs[r].low));
        QCOMPARE(ui.arcInputHigh[r], only<QRadioButton>(&w, kArcInputs[r].high));
        QCOMPARE(ui.arcOutputLow[r], only<QRadioButton>(&w, kArcOutputs[r].low));
        QCOMPARE(ui.arcOutputHigh[r], only<QRadioButton>(&w, kArcOutputs[r].high));
    }

    // Widgets with layouts of their own.
    for (const OwnLayout &own : kOwnLayouts) {
        QWidget *owner = only<QWidget>(&w, own.widget);
        QVERIFY2(owner && owner->layout(), own.widget);
        QCOMPARE(owner->layout()->objectName(), QLatin1String(own.layout));
        QCOMPARE(owner->layout()->metaObject()->className(), own.className);
        if (own.spacing >= 0)
            QCOMPARE(owner->layout()->spacing(), own.spacing);
        if (own.margins >= 0)
            QCOMPARE(owner->layout()->contentsMargins(),
                     QMargins(own.margins, own.margins, own.margins, own.margins));
    }
    for (const Spacing &s : kSpacings) {
        QLayout *layout = only<QLayout>(&w, s.layout);
        QVERIFY2(layout, s.layout);
        if (s.spacing >= 0)
            QCOMPARE(layout->spacing(), s.spacing);
        if (s.margins >= 0)
            QCOMPARE(layout->contentsMargins(), QMargins(s.margins, s.margins, s.margins, s.margins));
    }

    for (const ScrollPlace &s : kScrollAreas) {
        auto *area = only<QScrollArea>(&w, s.area);
        QVERIFY2(area && area->widget(), s.area);
        QCOMPARE(area->widget()->objectName(), QLatin1String(s.contents));
        QVERIFY2(area->widgetResizable(), s.area);
        if (s.white)
            QCOMPARE(area->styleSheet(), QStringLiteral("background-color: rgb(255, 255, 255);"));
    }

    // The tab pages, in order.
    QCOMPARE(ui.tabWidget->count(), 10);
    for (int i = 0; i < 10; ++i) {
        QWidget *page = ui.tabWidget->widget(i);
        QCOMPARE(page->objectName(), QLatin1String(kTabs[i].page));
        QCOMPARE(ui.tabWidget->tabText(i), QLatin1String(kTabs[i].text));
        QCOMPARE(page->layout()->objectName(), QLatin1String(kTabs[i].layout));
    }

    // Column headers.
    QCOMPARE(ui.tableWidget->columnCount(), 27);
    for (int c = 0; c < 27; ++c) {
        QCOMPARE(ui.tableWidget->horizontalHeaderItem(c)->text(), QLatin1String(kRecordColumns[c].header));
        QCOMPARE(ui.tableWidget->columnWidth(c), kRecordColumns[c].width);
    }
    QCOMPARE(ui.tableWidget_2->columnCount(), 3);
    for (int c = 0; c < 3; ++c) {
        QCOMPARE(ui.tableWidget_2->horizontalHeaderItem(c)->text(), QLatin1String(kStatisticsColumns[c].header));
        QCOMPARE(ui.tableWidget_2->columnWidth(c), kStatisticsColumns[c].width);
    }
    QCOMPARE(ui.treeWidget->headerItem()->text(0), QStringLiteral("name"));
    QCOMPARE(ui.treeWidget_2->headerItem()->text(0), QStringLiteral("name"));
    QCOMPARE(ui.treeWidget_3->headerItem()->text(0), QStringLiteral("name"));
    QCOMPARE(ui.treeWidget_4->headerItem()->text(0), QStringLiteral("Date/Time"));
    QVERIFY(isRemedyText(ui.Remedy));

    // The details rows in table order.
    for (int i = 0; i < 15; ++i)
        QCOMPARE(ui.detailValues[i], only<QWidget>(&w, kDetailValues[i]));
    QCOMPARE(ui.detailCaptions[0], ui.label);
    QCOMPARE(ui.detailCaptions[14], ui.label_25);

    // Spacers: the button row pushes history to the right, the OPR column has its fixed gaps.
    QSpacerItem *s = spacerAt(ui.horizontalLayout_4, 0);
    QVERIFY(s && s->sizePolicy().horizontalPolicy() == QSizePolicy::Expanding);
    s = spacerAt(ui.verticalLayout_4, 1);
    QVERIFY(s && s->sizeHint().height() == 5 && s->sizePolicy().verticalPolicy() == QSizePolicy::Fixed);
    s = spacerAt(ui.horizontalLayout_5, 1);
    QVERIFY(s && s->sizeHint().width() == 120 && s->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed);
    s = spacerAt(ui.verticalLayout_5, 1);
    QVERIFY(s && s->sizeHint().height() == 100 && s->sizePolicy().verticalPolicy() == QSizePolicy::Fixed);
    s = spacerAt(ui.horizontalLayout_6, 1);
    QVERIFY(s && s->sizePolicy().horizontalPolicy() == QSizePolicy::Expanding);
    for (int row : {0, 2}) {
        s = spacerAt(ui.gridLayout_34, row, 0);
        QVERIFY(s && s->sizeHint() == QSize(17, 17) && s->sizePolicy().verticalPolicy() == QSizePolicy::Fixed);
    }
    for (int row : {1, 3, 5}) {
        s = spacerAt(ui.gridLayout_18, row, 0);
        QVERIFY(s && s->sizeHint() == QSize(20, 10) && s->sizePolicy().verticalPolicy() == QSizePolicy::Expanding);
    }

    // Stretches.
    QCOMPARE(ui.horizontalLayout_2->stretch(0), 8);
    QCOMPARE(ui.horizontalLayout_2->stretch(1), 2);
    QCOMPARE(ui.horizontalLayout_7->stretch(0), 2);
    QCOMPARE(ui.horizontalLayout_7->stretch(1), 6);
    QCOMPARE(ui.horizontalLayout_7->stretch(2), 3);
    QCOMPARE(ui.verticalLayout_5->stretch(0), 3);
    QCOMPARE(ui.verticalLayout_5->stretch(1), 1);
    for (int r = 0; r < 8; ++r) {
        QCOMPARE(ui.gridLayout_22->rowStretch(r), 1);
        QCOMPARE(ui.gridLayout_23->rowStretch(r), 1);
    }
}

void TestForm::fixedProperties()
{
    VelloranClass ui;
    QWidget w;
    ui.setupUi(&w);

    // Top bar.
    QCOMPARE(ui.open_file->minimumHeight(), 32);
    QVERIFY(!ui.file_add->isReadOnly());
    QCOMPARE(ui.ManualButton->iconSize(), QSize(20, 20));
    QCOMPARE(ui.InformationButton->iconSize(), QSize(20, 20));
    QVERIFY(ui.kav->autoExclusive() && ui.lum_luma->autoExclusive());
    QCOMPARE(ui.kav->parentWidget(), ui.lum_luma->parentWidget());
    QVERIFY(!ui.kav->group() && !ui.lum_luma->group());

    // Both tables: no editing, one whole row selected at a time.
    for (QTableWidget *table : {ui.tableWidget, ui.tableWidget_2}) {
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
    }
    QVERIFY(!ui.tableWidget->isSortingEnabled());
    QCOMPARE(ui.tableWidget->minimumSize(), QSize(0, 0));

    // Details values.
    const QString link = QStringLiteral("color:rgb(255, 0, 0);\nfont: \"Aharoni\";\ntext-decoration: underline;");
    for (QPushButton *b : {ui.error_code, ui.program}) {
        QVERIFY(b->isFlat());
        QVERIFY(!b->autoDefault());
        QVERIFY(!b->isDefault());
        QCOMPARE(b->maximumHeight(), 20);
        QCOMPARE(b->styleSheet(), link);
    }
    QCOMPARE(ui.program->iconSize(), QSize(16, 16));
    struct ValueLabel
    {
        QLabel *label;
        Qt::Alignment alignment;
        int maximumHeight;
    };
    const ValueLabel values[] = {
        {ui.axis_no, kLeft, 13}, {ui.date, kLeft, QWIDGETSIZE_MAX},  {ui.time, kLeft, QWIDGETSIZE_MAX},
        {ui.step, kLeft, 13},    {ui.function, kLeft, QWIDGETSIZE_MAX}, {ui.axis1, kRight, QWIDGETSIZE_MAX},
        {ui.axis2, kRight, QWIDGETSIZE_MAX}, {ui.axis3, kRight, QWIDGETSIZE_MAX}, {ui.axis4, kRight, QWIDGETSIZE_MAX},
        {ui.axis5, kRight, QWIDGETSIZE_MAX}, {ui.axis6, kRight, QWIDGETSIZE_MAX}, {ui.axis7, kRight, QWIDGETSIZE_MAX},
        {ui.axis8, kRight, QWIDGETSIZE_MAX},
    };
    for (const ValueLabel &v : values) {
        QCOMPARE(v.label->alignment() & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask), v.alignment);
        QCOMPARE(v.label->maximumHeight(), v.maximumHeight);
        QCOMPARE(v.label->styleSheet(), QStringLiteral("color: rgb(116, 181, 225);"));
    }
    QCOMPARE(ui.axis8->focusPolicy(), Qt::NoFocus);

    // Tabs.
    QVERIFY(!ui.tabWidget->isMovable());
    QVERIFY(!ui.tabWidget->tabBarAutoHide());

    // Indicator labels: box frame, at least 20 high, centred.
    QList<QLabel *> indicators;
    for (QLabel *l : ui.systemInputLabels)
        indicators << l;
    for (QLabel *l : ui.systemOutputLabels)
        indicators << l;
    QCOMPARE(indicators.size(), 72);
    for (QLabel *l : indicators) {
        QCOMPARE(l->frameShape(), QFrame::Box);
        QCOMPARE(l->minimumHeight(), 20);
        QCOMPARE(l->alignment(), Qt::AlignCenter);
    }
    for (QLabel *l : {ui.runto, ui.joginch, ui.enable, ui.emgstop, ui.remote, ui.automode, ui.playback, ui.moton,
                      ui.key}) {
        QCOMPARE(l->frameShape(), QFrame::Box);
        QCOMPARE(l->alignment(), Qt::AlignCenter);
    }

    // General I/O: display-only boxes.
    for (int i = 0; i < 256; ++i) {
        for (QCheckBox *box : {ui.DI[i], ui.DO[i]}) {
            QVERIFY(!box->isEnabled());
            QVERIFY(box->isCheckable());
            QCOMPARE(box->minimumHeight(), 40);
            QCOMPARE(box->font().pointSize(), 9);
        }
        QCOMPARE(ui.DI[i]->iconSize(), QSize(16, 16));
    }
    QVERIFY(ui.scrollArea->font().kerning());
    QCOMPARE(ui.scrollArea->sizeAdjustPolicy(), QAbstractScrollArea::AdjustToContents);
    QCOMPARE(ui.scrollArea_2->sizeAdjustPolicy(), QAbstractScrollArea::AdjustIgnored);
    QCOMPARE(ui.scrollArea->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(ui.scrollArea_2->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    // Arc pairs: each in an exclusive group of its own, display only.
    QSet<QString> groupNames;
    for (int r = 0; r < 8; ++r) {
        for (auto pair : {std::make_pair(ui.arcInputLow[r], ui.arcInputHigh[r]),
                          std::make_pair(ui.arcOutputLow[r], ui.arcOutputHigh[r])}) {
            QButtonGroup *group = pair.first->group();
            QVERIFY(group);
            QCOMPARE(pair.second->group(), group);
            QVERIFY(group->exclusive());
            QCOMPARE(group->buttons().size(), 2);
            groupNames << group->objectName();
            for (QRadioButton *b : {pair.first, pair.second}) {
                QVERIFY(!b->isEnabled());
                QVERIFY(b->isCheckable());
            }
        }
        QCOMPARE(ui.label_18->alignment(), Qt::AlignCenter);
        QCOMPARE(ui.label_42->alignment(), Qt::AlignCenter);
    }
    QSet<QString> expectedGroups{QStringLiteral("buttonGroup")};
    for (int i = 2; i <= 16; ++i)
        expectedGroups << QStringLiteral("buttonGroup_%1").arg(i);
    QCOMPARE(groupNames, expectedGroups);
    QSet<QButtonGroup *> arrayGroups;
    for (QButtonGroup *g : ui.arcGroups)
        arrayGroups << g;
    QCOMPARE(arrayGroups.size(), 16);

    // Error page.
    QCOMPARE(ui.Message->alignment(), kLeftTop);
    QCOMPARE(ui.Cause->alignment(), kLeftTop);
    QCOMPARE(ui.Cause->textFormat(), Qt::RichText);
    QVERIFY(ui.Cause->wordWrap());
    QCOMPARE(ui.Cause->lineWidth(), 1);
    QCOMPARE(ui.label_16->alignment(), kLeftTop);
    QVERIFY(ui.Remedy->isReadOnly());
    QCOMPARE(ui.Remedy->frameShape(), QFrame::NoFrame);
    QCOMPARE(ui.Remedy->maximumHeight(), 150);

    // Data file trees and the history view.
    QCOMPARE(ui.treeWidget->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(ui.treeWidget_3->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(ui.treeWidget_4->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!ui.textEdit->isReadOnly());
    QCOMPARE(ui.textEdit->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(ui.textEdit->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(ui.textEdit->minimumSize(), QSize(0, 0));
    QCOMPARE(ui.textEdit->autoFormatting(), QTextEdit::AutoNone);
    QCOMPARE(ui.textEdit->lineWrapColumnOrWidth(), 0);
}

void TestForm::startState()
{
    VelloranClass ui;
    QWidget w;
    ui.setupUi(&w);

    QCOMPARE(ui.tableWidget->rowCount(), 10);
    QCOMPARE(ui.tableWidget->columnCount(), 27);
    QCOMPARE(ui.tableWidget_2->rowCount(), 10);
    QCOMPARE(ui.tableWidget_2->columnCount(), 3);
    for (QTableWidget *table : {ui.tableWidget, ui.tableWidget_2})
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                QVERIFY2(!table->item(r, c), qPrintable(table->objectName()));

    // The language box shows Korean while the texts are the source texts.
    QCOMPARE(ui.comboBox->count(), 3);
    QCOMPARE(ui.comboBox->itemText(0), u("한국어"));
    QCOMPARE(ui.comboBox->itemText(1), QStringLiteral("English"));
    QCOMPARE(ui.comboBox->itemText(2), u("中國語"));
    QCOMPARE(ui.comboBox->currentIndex(), 0);
    QCOMPARE(ui.comboBox->currentText(), u("한국어"));
    QCOMPARE(ui.open_file->text(), QStringLiteral("Open File"));
    QCOMPARE(ui.tabWidget->tabText(0), QStringLiteral("System Input"));

    QVERIFY(ui.lum_luma->isChecked());
    QVERIFY(!ui.kav->isChecked());
    QCOMPARE(ui.tabWidget->currentIndex(), 0);
    QVERIFY(ui.file_add->text().isEmpty());
    for (int i = 0; i < 256; ++i) {
        QVERIFY(!ui.DI[i]->isChecked());
        QVERIFY(!ui.DO[i]->isChecked());
    }
    for (int r = 0; r < 8; ++r)
        for (QRadioButton *b : {ui.arcInputLow[r], ui.arcInputHigh[r], ui.arcOutputLow[r], ui.arcOutputHigh[r]})
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    QVERIFY(ui.textEdit->toPlainText().isEmpty());
    QCOMPARE(ui.treeWidget_4->topLevelItemCount(), 0);
}

void TestForm::retranslateResetsTheListedTexts()
{
    VelloranClass ui;
    QWidget w;
    ui.setupUi(&w);

    // What selecting a record, decoding the history and a language choice leave behind.
    const QStringList shown = {QStringLiteral("E0101"), QStringLiteral("1"),     QStringLiteral("2016/05/02"),
                               QStringLiteral("10:11:12"), QStringLiteral("7"),  QStringLiteral("12"),
                               QStringLiteral("0"),     QStringLiteral("1.0"),   QStringLiteral("2.0"),
                               QStringLiteral("3.0"),   QStringLiteral("4.0"),   QStringLiteral("5.0"),
                               QStringLiteral("6.0"),   QStringLiteral("7.0"),   QStringLiteral("8.0")};
    for (int i = 0; i < 15; ++i) {
        QWidget *value = only<QWidget>(&w, kDetailValues[i]);
        if (auto *b = qobject_cast<QPushButton *>(value))
            b->setText(shown[i]);
        else
            qobject_cast<QLabel *>(value)->setText(shown[i]);
    }
    ui.ErrorCode->setText(QStringLiteral("E0101"));
    ui.Message->setText(QStringLiteral("Servo error"));
    ui.Cause->setText(QStringLiteral("<b>Overload</b>"));
    ui.Remedy->setPlainText(QStringLiteral("1. Check the cable"));
    ui.Menu->setText(QStringLiteral("Service - "));
    ui.Menu1->setText(QStringLiteral("1: Monitoring - "));
    ui.Menu2->setText(QStringLiteral("2: Input/Output signal - "));
    ui.Menu3->setText(QStringLiteral("1: Private input signal"));
    ui.Menu4->setText(QStringLiteral("x"));
    ui.key->setText(QStringLiteral("[PROG/STEP]\n[SHIFT]"));
    QPixmap picture(83, 75);
    picture.fill(Qt::green);
    ui.ModeS->setPixmap(picture);
    ui.mode_switch_auto->setText(QStringLiteral("Mode switch (auto)"));
    ui.brake8->setText(QStringLiteral("Brake 8"));
    ui.runto->setText(QStringLiteral("?"));
    ui.AI0104->setText(QStringLiteral("1.0 2.0 3.0 4.0"));
    ui.AO0508->setText(QStringLiteral("5.0 6.0 7.0 8.0"));
    ui.label_20->setText(QStringLiteral("?"));
    ui.comboBox->setCurrentIndex(2);
    ui.history->setText(QString());
    ui.tabWidget->setTabText(4, QStringLiteral("?"));

    ui.retranslateUi(&w);

    for (int i = 0; i < 15; ++i)
        QCOMPARE(textOf(only<QWidget>(&w, kDetailValues[i])), textOf(ui.detailCaptions[i]));
    QCOMPARE(ui.axis1->text(), QStringLiteral("Axis 1"));
    QCOMPARE(ui.error_code->text(), QStringLiteral("Error Code"));
    QCOMPARE(ui.ErrorCode->text(), QStringLiteral("Error Code"));
    QCOMPARE(ui.Message->text(), QStringLiteral("Message"));
    QCOMPARE(ui.Cause->text(), QStringLiteral("Cause"));
    QVERIFY(isRemedyText(ui.Remedy));
    QCOMPARE(ui.Menu->text(), QStringLiteral("Menu"));
    for (QLabel *menu : {ui.Menu1, ui.Menu2, ui.Menu3, ui.Menu4})
        QVERIFY(menu->text().isEmpty());
    QCOMPARE(ui.key->text(), QStringLiteral("Key"));
    QCOMPARE(ui.ModeS->text(), QStringLiteral("ModeSel"));
    QVERIFY(ui.ModeS->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(ui.mode_switch_auto->text(), u("모드스위치(자동)"));
    QCOMPARE(ui.brake8->text(), u("브레이크제어 8"));
    QCOMPARE(ui.runto->text(), QStringLiteral("RunTo"));
    QCOMPARE(ui.AI0104->text(), QStringLiteral("(01-04)"));
    QCOMPARE(ui.AO0508->text(), QStringLiteral("(05-08)"));
    QCOMPARE(ui.label_20->text(), QStringLiteral("SI1. WRC"));
    QCOMPARE(ui.history->text(), QStringLiteral("HISTORY.TXT"));
    QCOMPARE(ui.tabWidget->tabText(4), QStringLiteral("Statistics"));
    // The box is cleared and filled again: three items, the first current.
    QCOMPARE(ui.comboBox->count(), 3);
    QCOMPARE(ui.comboBox->currentIndex(), 0);
    QCOMPARE(ui.comboBox->currentText(), u("한국어"));
}

void TestForm::retranslateKeepsStylesCellsTreesAndHistory()
{
    VelloranClass ui;
    QWidget w;
    ui.setupUi(&w);

    ui.mode_switch_auto->setStyleSheet(QStringLiteral("background: yellow"));
    ui.pan_out->setStyleSheet(QStringLiteral("color: grey"));
    ui.DI[71]->setChecked(true);
    ui.DI[71]->setStyleSheet(QStringLiteral("color : blue"));
    ui.runto->setStyleSheet(QStringLiteral("background: green"));
    ui.key->setStyleSheet(QStringLiteral("background: white"));
    ui.WRC1->setChecked(true);
    ui.kav->setChecked(true);
    ui.tableWidget->setItem(0, 1, new QTableWidgetItem(QStringLiteral("0101")));
    ui.tableWidget_2->setItem(0, 0, new QTableWidgetItem(QStringLiteral("3")));
    ui.tableWidget_3->setColumnCount(2);
    ui.tableWidget_3->setRowCount(1);
    ui.tableWidget_3->setItem(0, 1, new QTableWidgetItem(QStringLiteral("data")));
    ui.treeWidget->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("ROBOT.MCH")}));
    ui.treeWidget_4->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("2016/05/02")}));
    const QString history = QStringLiteral("Date: 2016/05/02\nTime: 10:11:12\n12,+[PROG/STEP]\n");
    ui.textEdit->setPlainText(history);
    ui.file_add->setText(QStringLiteral("/backup/ROBOT.ERR"));
    ui.tabWidget->setCurrentIndex(9);
    ui.axis1->setVisible(true);
    ui.axis2->setVisible(false);

    ui.retranslateUi(&w);

    QCOMPARE(ui.mode_switch_auto->styleSheet(), QStringLiteral("background: yellow"));
    QCOMPARE(ui.pan_out->styleSheet(), QStringLiteral("color: grey"));
    QVERIFY(ui.DI[71]->isChecked());
    QCOMPARE(ui.DI[71]->styleSheet(), QStringLiteral("color : blue"));
    QCOMPARE(ui.runto->styleSheet(), QStringLiteral("background: green"));
    QCOMPARE(ui.key->styleSheet(), QStringLiteral("background: white"));
    QCOMPARE(ui.axis1->styleSheet(), QStringLiteral("color: rgb(116, 181, 225);"));
    QVERIFY(ui.error_code->styleSheet().contains(QStringLiteral("underline")));
    QVERIFY(ui.WRC1->isChecked());
    QVERIFY(ui.kav->isChecked());
    QCOMPARE(ui.tableWidget->item(0, 1)->text(), QStringLiteral("0101"));
    QCOMPARE(ui.tableWidget->rowCount(), 10);
    QCOMPARE(ui.tableWidget_2->item(0, 0)->text(), QStringLiteral("3"));
    QCOMPARE(ui.tableWidget_3->item(0, 1)->text(), QStringLiteral("data"));
    QCOMPARE(ui.treeWidget->topLevelItemCount(), 1);
    QCOMPARE(ui.treeWidget->topLevelItem(0)->text(0), QStringLiteral("ROBOT.MCH"));
    QCOMPARE(ui.treeWidget_4->topLevelItemCount(), 1);
    QCOMPARE(ui.textEdit->toPlainText(), history);
    QCOMPARE(ui.file_add->text(), QStringLiteral("/backup/ROBOT.ERR"));
    QCOMPARE(ui.tabWidget->currentIndex(), 9);
    QVERIFY(!ui.axis1->isHidden());
    QVERIFY(ui.axis2->isHidden());
}

void TestForm::indicatorsCannotBeToggledByTheUser()
{
    // A control: in this test setup a click does toggle an ordinary check box
    // and radio button, so the checks below can fail.
    {
        QWidget host;
        auto *box = new QCheckBox(QStringLiteral("probe"), &host);
        auto *radio = new QRadioButton(QStringLiteral("probe"), &host);
        radio->move(0, 40);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(radio, Qt::LeftButton);
        QVERIFY(box->isChecked());
        QVERIFY(radio->isChecked());
    }

    VelloranClass ui;
    QWidget w;
    ui.setupUi(&w);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));

    ui.tabWidget->setCurrentWidget(ui.general_io);
    QCoreApplication::processEvents();
    for (QCheckBox *box : {ui.DI[0], ui.DI[9], ui.DO[0], ui.DO[9]}) {
        QVERIFY(box->isVisible());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    }
    // A box the log has set stays set.
    ui.DI[1]->setChecked(true);
    QTest::mouseClick(ui.DI[1], Qt::LeftButton);
    QVERIFY(ui.DI[1]->isChecked());

    ui.tabWidget->setCurrentWidget(ui.arcsio);
    QCoreApplication::processEvents();
    for (QRadioButton *b : {ui.WRC0, ui.WRC1, ui.TS0, ui.TS1}) {
        QVERIFY(b->isVisible());
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
    }
    // A pair the log has set keeps its state against a click on the other button.
    ui.SS1->setChecked(true);
    QTest::mouseClick(ui.SS0, Qt::LeftButton);
    QVERIFY(ui.SS1->isChecked());
    QVERIFY(!ui.SS0->isChecked());
    // Within a pair exactly one can be checked.
    ui.SS0->setChecked(true);
    QVERIFY(!ui.SS1->isChecked());
}

void TestForm::mainWindowStartsWithHiddenDetailValues()
{
    Velloran window;
    QCOMPARE(window.size(), QSize(1181, 790));
    QCOMPARE(window.windowTitle(), QStringLiteral("Velloran"));
    for (const char *name : kDetailValues) {
        QWidget *value = only<QWidget>(&window, name);
        QVERIFY2(value && value->isHidden(), name);
    }
    QVERIFY(!only<QLabel>(&window, "label")->isHidden());
    auto *tabs = only<QTabWidget>(&window, "tabWidget");
    QVERIFY(tabs);
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(only<QRadioButton>(&window, "lum_luma")->isChecked());
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
