#include "app/formtables.h"

#include "app/velloranform.h"

namespace FormTables {

#define F(member) &VelloranClass::member

const Column recordColumns[27] = {
    {QT_TRANSLATE_NOOP("VelloranClass", "No"), 40},
    {QT_TRANSLATE_NOOP("VelloranClass", "Code"), 60},
    {QT_TRANSLATE_NOOP("VelloranClass", "Error"), 250},
    {QT_TRANSLATE_NOOP("VelloranClass", "AxisNo"), 50},
    {QT_TRANSLATE_NOOP("VelloranClass", "Date"), 80},
    {QT_TRANSLATE_NOOP("VelloranClass", "Time"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "Prog"), 40},
    {QT_TRANSLATE_NOOP("VelloranClass", "Step"), 40},
    {QT_TRANSLATE_NOOP("VelloranClass", "Func"), 40},
    {QT_TRANSLATE_NOOP("VelloranClass", "Axis1"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "Axis2"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "Axis3"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "Axis4"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "Axis5"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "Axis6"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "Axis7"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "Axis8"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "SI"), 120},
    {QT_TRANSLATE_NOOP("VelloranClass", "DI1"), 160},
    {QT_TRANSLATE_NOOP("VelloranClass", "DI2"), 160},
    {QT_TRANSLATE_NOOP("VelloranClass", "DI3"), 160},
    {QT_TRANSLATE_NOOP("VelloranClass", "DI4"), 160},
    {QT_TRANSLATE_NOOP("VelloranClass", "SO"), 120},
    {QT_TRANSLATE_NOOP("VelloranClass", "DO1"), 160},
    {QT_TRANSLATE_NOOP("VelloranClass", "DO2"), 160},
    {QT_TRANSLATE_NOOP("VelloranClass", "DO3"), 160},
    {QT_TRANSLATE_NOOP("VelloranClass", "DO4"), 160},
};

const Column statisticsColumns[3] = {
    {QT_TRANSLATE_NOOP("VelloranClass", "Count"), 40},
    {QT_TRANSLATE_NOOP("VelloranClass", "Code"), 70},
    {QT_TRANSLATE_NOOP("VelloranClass", "Error"), 400},
};

namespace {
constexpr Qt::Alignment kLeft = Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter;
constexpr Qt::Alignment kDefault = {};
} // namespace

const DetailRow detailRows[15] = {
    {"label", QT_TRANSLATE_NOOP("VelloranClass", "Error Code"), F(label),
     "error_code", F(error_code), nullptr, QT_TRANSLATE_NOOP("VelloranClass", "Error Code"),
     20, 0, kDefault, false},
    {"label_2", QT_TRANSLATE_NOOP("VelloranClass", "AxisNo"), F(label_2),
     "axis_no", nullptr, F(axis_no), QT_TRANSLATE_NOOP("VelloranClass", "AxisNo"),
     13, 0, kLeft, false},
    {"label_3", QT_TRANSLATE_NOOP("VelloranClass", "Date"), F(label_3),
     "date", nullptr, F(date), QT_TRANSLATE_NOOP("VelloranClass", "Date"),
     0, 0, kLeft, false},
    {"label_4", QT_TRANSLATE_NOOP("VelloranClass", "Time"), F(label_4),
     "time", nullptr, F(time), QT_TRANSLATE_NOOP("VelloranClass", "Time"),
     0, 0, kLeft, false},
    {"label_5", QT_TRANSLATE_NOOP("VelloranClass", "Program"), F(label_5),
     "program", F(program), nullptr, QT_TRANSLATE_NOOP("VelloranClass", "Program"),
     20, 16, kDefault, false},
    {"label_6", QT_TRANSLATE_NOOP("VelloranClass", "Step"), F(label_6),
     "step", nullptr, F(step), QT_TRANSLATE_NOOP("VelloranClass", "Step"),
     13, 0, kLeft, false},
    {"label_7", QT_TRANSLATE_NOOP("VelloranClass", "Function"), F(label_7),
     "function", nullptr, F(function), QT_TRANSLATE_NOOP("VelloranClass", "Function"),
     0, 0, kLeft, false},
    {"label_8", QT_TRANSLATE_NOOP("VelloranClass", "Axis 1"), F(label_8),
     "axis1", nullptr, F(axis1), QT_TRANSLATE_NOOP("VelloranClass", "Axis 1"),
     0, 0, kRight, false},
    {"label_9", QT_TRANSLATE_NOOP("VelloranClass", "Axis 2"), F(label_9),
     "axis2", nullptr, F(axis2), QT_TRANSLATE_NOOP("VelloranClass", "Axis 2"),
     0, 0, kRight, false},
    {"label_10", QT_TRANSLATE_NOOP("VelloranClass", "Axis 3"), F(label_10),
     "axis3", nullptr, F(axis3), QT_TRANSLATE_NOOP("VelloranClass", "Axis 3"),
     0, 0, kRight, false},
    {"label_21", QT_TRANSLATE_NOOP("VelloranClass", "Axis 4"), F(label_21),
     "axis4", nullptr, F(axis4), QT_TRANSLATE_NOOP("VelloranClass", "Axis 4"),
     0, 0, kRight, false},
    {"label_22", QT_TRANSLATE_NOOP("VelloranClass", "Axis 5"), F(label_22),
     "axis5", nullptr, F(axis5), QT_TRANSLATE_NOOP("VelloranClass", "Axis 5"),
     0, 0, kRight, false},
    {"label_23", QT_TRANSLATE_NOOP("VelloranClass", "Axis 6"), F(label_23),
     "axis6", nullptr, F(axis6), QT_TRANSLATE_NOOP("VelloranClass", "Axis 6"),
     0, 0, kRight, false},
    {"label_24", QT_TRANSLATE_NOOP("VelloranClass", "Axis 7"), F(label_24),
     "axis7", nullptr, F(axis7), QT_TRANSLATE_NOOP("VelloranClass", "Axis 7"),
     0, 0, kRight, false},
    {"label_25", QT_TRANSLATE_NOOP("VelloranClass", "Axis 8"), F(label_25),
     "axis8", nullptr, F(axis8), QT_TRANSLATE_NOOP("VelloranClass", "Axis 8"),
     0, 0, kRight, true},
};

const char *const detailLinkStyle = "color:rgb(255, 0, 0);\n"
                                    "font: \"Aharoni\";\n"
                                    "text-decoration: underline;";
const char *const detailValueStyle = "color: rgb(116, 181, 225);";

const GridLabel systemInputLabels[44] = {
    {"mode_switch_auto", QT_TRANSLATE_NOOP("VelloranClass", "모드스위치(자동)"), 0, 0, F(mode_switch_auto)},
    {"mode_switch_manual", QT_TRANSLATE_NOOP("VelloranClass", "모드스위치(수동)"), 0, 1, F(mode_switch_manual)},
    {"mode_switch_ex", QT_TRANSLATE_NOOP("VelloranClass", "모드스위치(원격)"), 0, 2, F(mode_switch_ex)},
    {"mode_switch_sys", QT_TRANSLATE_NOOP("VelloranClass", "모드스위치(시스템)"), 0, 3, F(mode_switch_sys)},
    {"motor_on_tp", QT_TRANSLATE_NOOP("VelloranClass", "모터 ON(TP)"), 1, 0, F(motor_on_tp)},
    {"motor_on_ex", QT_TRANSLATE_NOOP("VelloranClass", "모터 ON(외부)"), 1, 1, F(motor_on_ex)},
    {"start_tp", QT_TRANSLATE_NOOP("VelloranClass", "기동(TP)"), 1, 2, F(start_tp)},
    {"stop_tp", QT_TRANSLATE_NOOP("VelloranClass", "정지(TP)"), 1, 3, F(stop_tp)},
    {"enable_switch_tp", QT_TRANSLATE_NOOP("VelloranClass", "인에이블스위치(TP)"), 2, 0, F(enable_switch_tp)},
    {"label_39", QT_TRANSLATE_NOOP("VelloranClass", "-"), 2, 1, F(label_39)},
    {"mc1", QT_TRANSLATE_NOOP("VelloranClass", "MC1(PreCharge)"), 2, 2, F(mc1)},
    {"mc2", QT_TRANSLATE_NOOP("VelloranClass", "MC2(Motors Power)"), 2, 3, F(mc2)},
    {"safe_garde_auto", QT_TRANSLATE_NOOP("VelloranClass", "안전가드(자동)"), 3, 0, F(safe_garde_auto)},
    {"safe_garde_menual", QT_TRANSLATE_NOOP("VelloranClass", "안전가드(일반)"), 3, 1, F(safe_garde_menual)},
    {"em_stop_tp", QT_TRANSLATE_NOOP("VelloranClass", "비상정지(TP)"), 3, 2, F(em_stop_tp)},
    {"em_stop_op", QT_TRANSLATE_NOOP("VelloranClass", "비상정지(OP)"), 3, 3, F(em_stop_op)},
    {"em_stop_ex", QT_TRANSLATE_NOOP("VelloranClass", "비상정지(외부)"), 4, 0, F(em_stop_ex)},
    {"label_48", QT_TRANSLATE_NOOP("VelloranClass", "-"), 4, 1, F(label_48)},
    {"limt1", QT_TRANSLATE_NOOP("VelloranClass", "리밋(Over-Travel)"), 4, 2, F(limt1)},
    {"limt2", QT_TRANSLATE_NOOP("VelloranClass", "리밋(Over-Travel)부가"), 4, 3, F(limt2)},
    {"belt_limt", QT_TRANSLATE_NOOP("VelloranClass", "승강축벨트/리밋(Arm)"), 5, 0, F(belt_limt)},
    {"limt3", QT_TRANSLATE_NOOP("VelloranClass", "리밋(Over-Traval)확장"), 5, 1, F(limt3)},
    {"motor_overheat1", QT_TRANSLATE_NOOP("VelloranClass", "모터과열(TS)"), 5, 2, F(motor_overheat1)},
    {"motor_overheat2", QT_TRANSLATE_NOOP("VelloranClass", "모터과열(TS)부가"), 5, 3, F(motor_overheat2)},
    {"brake_low", QT_TRANSLATE_NOOP("VelloranClass", "브레이크 전압저하"), 6, 0, F(brake_low)},
    {"robot_pan", QT_TRANSLATE_NOOP("VelloranClass", "로봇팬(R-FAN)고장"), 6, 1, F(robot_pan)},
    {"overload_motor", QT_TRANSLATE_NOOP("VelloranClass", "과부하(Motors전원)"), 6, 2, F(overload_motor)},
    {"overload_brake", QT_TRANSLATE_NOOP("VelloranClass", "과부하(Brakes전원)"), 6, 3, F(overload_brake)},
    {"overload_control", QT_TRANSLATE_NOOP("VelloranClass", "과부하(Control전원)"), 7, 0, F(overload_control)},
    {"overload_smps", QT_TRANSLATE_NOOP("VelloranClass", "과부하(SMPS전원)"), 7, 1, F(overload_smps)},
    {"flt", QT_TRANSLATE_NOOP("VelloranClass", "FLT(AMP Fault)"), 7, 2, F(flt)},
    {"ov", QT_TRANSLATE_NOOP("VelloranClass", "OV(AMP OverVoltage)"), 7, 3, F(ov)},
    {"uv", QT_TRANSLATE_NOOP("VelloranClass", "UV(AMP UnderVoltage)"), 8, 0, F(uv)},
    {"oc", QT_TRANSLATE_NOOP("VelloranClass", "OC(AMP OverCurrent)"), 8, 1, F(oc)},
    {"sv_bk", QT_TRANSLATE_NOOP("VelloranClass", "SV_BK(서보브레이크제어)"), 8, 2, F(sv_bk)},
    {"svon", QT_TRANSLATE_NOOP("VelloranClass", "/SVON(서보ON)"), 8, 3, F(svon)},
    {"type_cof", QT_TRANSLATE_NOOP("VelloranClass", "컨버터 타입 확인"), 9, 0, F(type_cof)},
    {"pwmon", QT_TRANSLATE_NOOP("VelloranClass", "/PWMON"), 9, 1, F(pwmon)},
    {"op_board_cof", QT_TRANSLATE_NOOP("VelloranClass", "OP보드 연결확인"), 9, 2, F(op_board_cof)},
    {"escape", QT_TRANSLATE_NOOP("VelloranClass", "ESCAPE"), 9, 3, F(escape)},
    {"reservation1", QT_TRANSLATE_NOOP("VelloranClass", "예약 1"), 10, 0, F(reservation1)},
    {"reservation2", QT_TRANSLATE_NOOP("VelloranClass", "예약 2"), 10, 1, F(reservation2)},
    {"reservation3", QT_TRANSLATE_NOOP("VelloranClass", "예약 3"), 10, 2, F(reservation3)},
    {"reservation4", QT_TRANSLATE_NOOP("VelloranClass", "예약 4"), 10, 3, F(reservation4)},
};

const GridLabel systemOutputLabels[28] = {
    {"motor_on_tp_2", QT_TRANSLATE_NOOP("VelloranClass", "모터 ON(TP)"), 0, 0, F(motor_on_tp_2)},
    {"start_tp_2", QT_TRANSLATE_NOOP("VelloranClass", "기동(TP)"), 0, 1, F(start_tp_2)},
    {"stop_tp_2", QT_TRANSLATE_NOOP("VelloranClass", "정지(TP)"), 0, 2, F(stop_tp_2)},
    {"system_odd", QT_TRANSLATE_NOOP("VelloranClass", "시스템 이상"), 0, 3, F(system_odd)},
    {"mc1_2", QT_TRANSLATE_NOOP("VelloranClass", "MCON1(PreCharge)"), 1, 0, F(mc1_2)},
    {"mc2_2", QT_TRANSLATE_NOOP("VelloranClass", "MCON2(Motors Power)"), 1, 1, F(mc2_2)},
    {"high_speed1", QT_TRANSLATE_NOOP("VelloranClass", "HIGH Speed 1"), 1, 2, F(high_speed1)},
    {"high_speed2", QT_TRANSLATE_NOOP("VelloranClass", "HIGH Speed 2"), 1, 3, F(high_speed2)},
    {"escon1", QT_TRANSLATE_NOOP("VelloranClass", "ESCON1(Release1)"), 2, 0, F(escon1)},
    {"escon2", QT_TRANSLATE_NOOP("VelloranClass", "ESCON2(Release2)"), 2, 1, F(escon2)},
    {"brake1", QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 1"), 2, 2, F(brake1)},
    {"brake2", QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 2"), 2, 3, F(brake2)},
    {"brake3", QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 3"), 3, 0, F(brake3)},
    {"brake4", QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 4"), 3, 1, F(brake4)},
    {"brake5", QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 5"), 3, 2, F(brake5)},
    {"brake6", QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 6"), 3, 3, F(brake6)},
    {"brake7", QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 7"), 4, 0, F(brake7)},
    {"brake8", QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 8"), 4, 1, F(brake8)},
    {"ex_auto1", QT_TRANSLATE_NOOP("VelloranClass", "원격 자동모드 1"), 4, 2, F(ex_auto1)},
    {"ex_auto2", QT_TRANSLATE_NOOP("VelloranClass", "원격 자동모드 2"), 4, 3, F(ex_auto2)},
    {"label_91", QT_TRANSLATE_NOOP("VelloranClass", "-"), 5, 0, F(label_91)},
    {"label_92", QT_TRANSLATE_NOOP("VelloranClass", "-"), 5, 1, F(label_92)},
    {"reservation1_2", QT_TRANSLATE_NOOP("VelloranClass", "예약 1"), 5, 2, F(reservation1_2)},
    {"reservation2_2", QT_TRANSLATE_NOOP("VelloranClass", "예약 2"), 5, 3, F(reservation2_2)},
    {"pan_out", QT_TRANSLATE_NOOP("VelloranClass", "냉각팬 꺼짐"), 6, 0, F(pan_out)},
    {"reservation4_2", QT_TRANSLATE_NOOP("VelloranClass", "예약 4"), 6, 1, F(reservation4_2)},
    {"label_97", QT_TRANSLATE_NOOP("VelloranClass", "-"), 6, 2, F(label_97)},
    {"label_98", QT_TRANSLATE_NOOP("VelloranClass", "-"), 6, 3, F(label_98)},
};

const IndicatorPage systemInputPage = {
    "scrollArea_3", F(scrollArea_3), "scrollAreaWidgetContents_3", F(scrollAreaWidgetContents_3),
    "gridLayout_15", F(gridLayout_15), "gridLayout", F(gridLayout), systemInputLabels, 44,
};
const IndicatorPage systemOutputPage = {
    "scrollArea_4", F(scrollArea_4), "scrollAreaWidgetContents_4", F(scrollAreaWidgetContents_4),
    "gridLayout_16", F(gridLayout_16), "gridLayout_2", F(gridLayout_2), systemOutputLabels, 28,
};

const GridLabel flagLabels[8] = {
    {"runto", QT_TRANSLATE_NOOP("VelloranClass", "RunTo"), 0, 0, F(runto)},
    {"joginch", QT_TRANSLATE_NOOP("VelloranClass", "JogInch"), 0, 1, F(joginch)},
    {"enable", QT_TRANSLATE_NOOP("VelloranClass", "Enable"), 0, 2, F(enable)},
    {"emgstop", QT_TRANSLATE_NOOP("VelloranClass", "EmgStop"), 0, 3, F(emgstop)},
    {"remote", QT_TRANSLATE_NOOP("VelloranClass", "Remote"), 1, 0, F(remote)},
    {"automode", QT_TRANSLATE_NOOP("VelloranClass", "AutoMode"), 1, 1, F(automode)},
    {"playback", QT_TRANSLATE_NOOP("VelloranClass", "PlayBack"), 1, 2, F(playback)},
    {"moton", QT_TRANSLATE_NOOP("VelloranClass", "MotOn"), 1, 3, F(moton)},
};

const ArcRow arcInputRows[8] = {
    {"label_20", QT_TRANSLATE_NOOP("VelloranClass", "SI1. WRC"), F(label_20),
     "WRC0", F(WRC0), "WRC1", F(WRC1), "buttonGroup", F(buttonGroup)},
    {"label_28", QT_TRANSLATE_NOOP("VelloranClass", "SI2. Shock Sensor"), F(label_28),
     "SS0", F(SS0), "SS1", F(SS1), "buttonGroup_2", F(buttonGroup_2)},
    {"label_27", QT_TRANSLATE_NOOP("VelloranClass", "SI3. Wire Stick"), F(label_27),
     "WS0", F(WS0), "WS1", F(WS1), "buttonGroup_3", F(buttonGroup_3)},
    {"label_26", QT_TRANSLATE_NOOP("VelloranClass", "SI4. Welder Error"), F(label_26),
     "WE0", F(WE0), "WE1", F(WE1), "buttonGroup_4", F(buttonGroup_4)},
    {"label_29", QT_TRANSLATE_NOOP("VelloranClass", "SI5. Wire State"), F(label_29),
     "WSt0", F(WSt0), "WSt1", F(WSt1), "buttonGroup_5", F(buttonGroup_5)},
    {"label_31", QT_TRANSLATE_NOOP("VelloranClass", "SI6. Gas State"), F(label_31),
     "GS0", F(GS0), "GS1", F(GS1), "buttonGroup_6", F(buttonGroup_6)},
    {"label_30", QT_TRANSLATE_NOOP("VelloranClass", "SI7. Reserved"), F(label_30),
     "SIR0", F(SIR0), "SIR1", F(SIR1), "buttonGroup_7", F(buttonGroup_7)},
    {"label_32", QT_TRANSLATE_NOOP("VelloranClass", "SI8. Reserved"), F(label_32),
     "SIR20", F(SIR20), "SIR21", F(SIR21), "buttonGroup_8", F(buttonGroup_8)},
};

const ArcRow arcOutputRows[8] = {
    {"label_41", QT_TRANSLATE_NOOP("VelloranClass", "SO1. Torch Switch"), F(label_41),
     "TS0", F(TS0), "TS1", F(TS1), "buttonGroup_9", F(buttonGroup_9)},
    {"label_34", QT_TRANSLATE_NOOP("VelloranClass", "SO2. Inching"), F(label_34),
     "Inch0", F(Inch0), "Inch1", F(Inch1), "buttonGroup_10", F(buttonGroup_10)},
    {"label_37", QT_TRANSLATE_NOOP("VelloranClass", "SO3. Retract"), F(label_37),
     "Ret0", F(Ret0), "Ret1", F(Ret1), "buttonGroup_11", F(buttonGroup_11)},
    {"label_36", QT_TRANSLATE_NOOP("VelloranClass", "SO4. Stick Check"), F(label_36),
     "SC0", F(SC0), "SC1", F(SC1), "buttonGroup_12", F(buttonGroup_12)},
    {"label_35", QT_TRANSLATE_NOOP("VelloranClass", "SO5. Gas Check"), F(label_35),
     "GC0", F(GC0), "GC1", F(GC1), "buttonGroup_13", F(buttonGroup_13)},
    {"label_40", QT_TRANSLATE_NOOP("VelloranClass", "SO6. Reserved"), F(label_40),
     "SOR0", F(SOR0), "SOR1", F(SOR1), "buttonGroup_14", F(buttonGroup_14)},
    {"label_38", QT_TRANSLATE_NOOP("VelloranClass", "SO7. Reserved"), F(label_38),
     "SOR20", F(SOR20), "SOR21", F(SOR21), "buttonGroup_15", F(buttonGroup_15)},
    {"label_33", QT_TRANSLATE_NOOP("VelloranClass", "SO8. Reserved"), F(label_33),
     "SOR30", F(SOR30), "SOR31", F(SOR31), "buttonGroup_16", F(buttonGroup_16)},
};

const char *const arcLowText = QT_TRANSLATE_NOOP("VelloranClass", "Low");
const char *const arcHighText = QT_TRANSLATE_NOOP("VelloranClass", "High");

const TabPage tabPages[10] = {
    {"system_input", QT_TRANSLATE_NOOP("VelloranClass", "System Input"), F(system_input),
     "gridLayout_6", F(gridLayout_6), setupSystemInputPage},
    {"system_output", QT_TRANSLATE_NOOP("VelloranClass", "System Output"), F(system_output),
     "gridLayout_7", F(gridLayout_7), setupSystemOutputPage},
    {"general_io", QT_TRANSLATE_NOOP("VelloranClass", "General I/O"), F(general_io),
     "gridLayout_14", F(gridLayout_14), setupGeneralIoPage},
    {"arcsio", QT_TRANSLATE_NOOP("VelloranClass", "Arc In/Output Signal"), F(arcsio),
     "gridLayout_34", F(gridLayout_34), setupArcPage},
    {"statistics", QT_TRANSLATE_NOOP("VelloranClass", "Statistics"), F(statistics),
     "gridLayout_8", F(gridLayout_8), setupStatisticsPage},
    {"error", QT_TRANSLATE_NOOP("VelloranClass", "Error"), F(error),
     "gridLayout_17", F(gridLayout_17), setupErrorPage},
    {"mch", QT_TRANSLATE_NOOP("VelloranClass", "MCH"), F(mch),
     "gridLayout_9", F(gridLayout_9), setupMchPage},
    {"inf", QT_TRANSLATE_NOOP("VelloranClass", "INF"), F(inf),
     "gridLayout_10", F(gridLayout_10), setupInfPage},
    {"con", QT_TRANSLATE_NOOP("VelloranClass", "CON"), F(con),
     "gridLayout_11", F(gridLayout_11), setupConPage},
    {"opr", QT_TRANSLATE_NOOP("VelloranClass", "OPR"), F(opr),
     "gridLayout_26", F(gridLayout_26), setupOprPage},
};

const ArcSide arcSides[2] = {
    {"scrollArea_6", F(scrollArea_6), "scrollAreaWidgetContents_6", F(scrollAreaWidgetContents_6), 563, 239,
     "gridLayout_24", F(gridLayout_24), "gridLayout_30", F(gridLayout_30), "gridLayout_22", F(gridLayout_22),
     "gridLayout_21", F(gridLayout_21), arcInputRows, F(arcInputLow), F(arcInputHigh), 0,
     "label_46", F(label_46), "AI0104", F(AI0104), "AI0508", F(AI0508)},
    {"scrollArea_7", F(scrollArea_7), "scrollAreaWidgetContents_7", F(scrollAreaWidgetContents_7), 562, 239,
     "gridLayout_25", F(gridLayout_25), "gridLayout_31", F(gridLayout_31), "gridLayout_23", F(gridLayout_23),
     "gridLayout_27", F(gridLayout_27), arcOutputRows, F(arcOutputLow), F(arcOutputHigh), 8,
     "label_19", F(label_19), "AO0104", F(AO0104), "AO0508", F(AO0508)},
};
const char *const analogCaptionText = QT_TRANSLATE_NOOP("VelloranClass", "Analog Signal");
const char *const analog0104Text = QT_TRANSLATE_NOOP("VelloranClass", "(01-04)");
const char *const analog0508Text = QT_TRANSLATE_NOOP("VelloranClass", "(05-08)");

#undef F

} // namespace FormTables
