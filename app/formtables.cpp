#include "app/formtables.h"

#include "app/velloranform.h"

namespace FormTables {

// A row names a widget or layout once: W(open_file) stands for its object
// name and the member that holds it, "open_file", &VelloranClass::open_file.
#define W(member) #member, &VelloranClass::member
// The value of a details row is a push button (a link) or a label.
#define LINK(member) W(member), nullptr
#define VALUE(member) #member, nullptr, &VelloranClass::member
#define F(member) &VelloranClass::member

const Column recordColumns[vlog::kRecordColumns] = {
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
    {W(label), QT_TRANSLATE_NOOP("VelloranClass", "Error Code"), LINK(error_code), 20, 0, kDefault, false},
    {W(label_2), QT_TRANSLATE_NOOP("VelloranClass", "AxisNo"), VALUE(axis_no), 13, 0, kLeft, false},
    {W(label_3), QT_TRANSLATE_NOOP("VelloranClass", "Date"), VALUE(date), 0, 0, kLeft, false},
    {W(label_4), QT_TRANSLATE_NOOP("VelloranClass", "Time"), VALUE(time), 0, 0, kLeft, false},
    {W(label_5), QT_TRANSLATE_NOOP("VelloranClass", "Program"), LINK(program), 20, 16, kDefault, false},
    {W(label_6), QT_TRANSLATE_NOOP("VelloranClass", "Step"), VALUE(step), 13, 0, kLeft, false},
    {W(label_7), QT_TRANSLATE_NOOP("VelloranClass", "Function"), VALUE(function), 0, 0, kLeft, false},
    {W(label_8), QT_TRANSLATE_NOOP("VelloranClass", "Axis 1"), VALUE(axis1), 0, 0, kRight, false},
    {W(label_9), QT_TRANSLATE_NOOP("VelloranClass", "Axis 2"), VALUE(axis2), 0, 0, kRight, false},
    {W(label_10), QT_TRANSLATE_NOOP("VelloranClass", "Axis 3"), VALUE(axis3), 0, 0, kRight, false},
    {W(label_21), QT_TRANSLATE_NOOP("VelloranClass", "Axis 4"), VALUE(axis4), 0, 0, kRight, false},
    {W(label_22), QT_TRANSLATE_NOOP("VelloranClass", "Axis 5"), VALUE(axis5), 0, 0, kRight, false},
    {W(label_23), QT_TRANSLATE_NOOP("VelloranClass", "Axis 6"), VALUE(axis6), 0, 0, kRight, false},
    {W(label_24), QT_TRANSLATE_NOOP("VelloranClass", "Axis 7"), VALUE(axis7), 0, 0, kRight, false},
    {W(label_25), QT_TRANSLATE_NOOP("VelloranClass", "Axis 8"), VALUE(axis8), 0, 0, kRight, true},
};

const char *const detailLinkStyle = "color:rgb(255, 0, 0);\n"
                                    "font: \"Aharoni\";\n"
                                    "text-decoration: underline;";
const char *const detailValueStyle = "color: rgb(116, 181, 225);";

const GridLabel systemInputLabels[44] = {
    {W(mode_switch_auto), QT_TRANSLATE_NOOP("VelloranClass", "모드스위치(자동)"), 0, 0},
    {W(mode_switch_manual), QT_TRANSLATE_NOOP("VelloranClass", "모드스위치(수동)"), 0, 1},
    {W(mode_switch_ex), QT_TRANSLATE_NOOP("VelloranClass", "모드스위치(원격)"), 0, 2},
    {W(mode_switch_sys), QT_TRANSLATE_NOOP("VelloranClass", "모드스위치(시스템)"), 0, 3},
    {W(motor_on_tp), QT_TRANSLATE_NOOP("VelloranClass", "모터 ON(TP)"), 1, 0},
    {W(motor_on_ex), QT_TRANSLATE_NOOP("VelloranClass", "모터 ON(외부)"), 1, 1},
    {W(start_tp), QT_TRANSLATE_NOOP("VelloranClass", "기동(TP)"), 1, 2},
    {W(stop_tp), QT_TRANSLATE_NOOP("VelloranClass", "정지(TP)"), 1, 3},
    {W(enable_switch_tp), QT_TRANSLATE_NOOP("VelloranClass", "인에이블스위치(TP)"), 2, 0},
    {W(label_39), QT_TRANSLATE_NOOP("VelloranClass", "-"), 2, 1},
    {W(mc1), QT_TRANSLATE_NOOP("VelloranClass", "MC1(PreCharge)"), 2, 2},
    {W(mc2), QT_TRANSLATE_NOOP("VelloranClass", "MC2(Motors Power)"), 2, 3},
    {W(safe_garde_auto), QT_TRANSLATE_NOOP("VelloranClass", "안전가드(자동)"), 3, 0},
    {W(safe_garde_menual), QT_TRANSLATE_NOOP("VelloranClass", "안전가드(일반)"), 3, 1},
    {W(em_stop_tp), QT_TRANSLATE_NOOP("VelloranClass", "비상정지(TP)"), 3, 2},
    {W(em_stop_op), QT_TRANSLATE_NOOP("VelloranClass", "비상정지(OP)"), 3, 3},
    {W(em_stop_ex), QT_TRANSLATE_NOOP("VelloranClass", "비상정지(외부)"), 4, 0},
    {W(label_48), QT_TRANSLATE_NOOP("VelloranClass", "-"), 4, 1},
    {W(limt1), QT_TRANSLATE_NOOP("VelloranClass", "리밋(Over-Travel)"), 4, 2},
    {W(limt2), QT_TRANSLATE_NOOP("VelloranClass", "리밋(Over-Travel)부가"), 4, 3},
    {W(belt_limt), QT_TRANSLATE_NOOP("VelloranClass", "승강축벨트/리밋(Arm)"), 5, 0},
    {W(limt3), QT_TRANSLATE_NOOP("VelloranClass", "리밋(Over-Traval)확장"), 5, 1},
    {W(motor_overheat1), QT_TRANSLATE_NOOP("VelloranClass", "모터과열(TS)"), 5, 2},
    {W(motor_overheat2), QT_TRANSLATE_NOOP("VelloranClass", "모터과열(TS)부가"), 5, 3},
    {W(brake_low), QT_TRANSLATE_NOOP("VelloranClass", "브레이크 전압저하"), 6, 0},
    {W(robot_pan), QT_TRANSLATE_NOOP("VelloranClass", "로봇팬(R-FAN)고장"), 6, 1},
    {W(overload_motor), QT_TRANSLATE_NOOP("VelloranClass", "과부하(Motors전원)"), 6, 2},
    {W(overload_brake), QT_TRANSLATE_NOOP("VelloranClass", "과부하(Brakes전원)"), 6, 3},
    {W(overload_control), QT_TRANSLATE_NOOP("VelloranClass", "과부하(Control전원)"), 7, 0},
    {W(overload_smps), QT_TRANSLATE_NOOP("VelloranClass", "과부하(SMPS전원)"), 7, 1},
    {W(flt), QT_TRANSLATE_NOOP("VelloranClass", "FLT(AMP Fault)"), 7, 2},
    {W(ov), QT_TRANSLATE_NOOP("VelloranClass", "OV(AMP OverVoltage)"), 7, 3},
    {W(uv), QT_TRANSLATE_NOOP("VelloranClass", "UV(AMP UnderVoltage)"), 8, 0},
    {W(oc), QT_TRANSLATE_NOOP("VelloranClass", "OC(AMP OverCurrent)"), 8, 1},
    {W(sv_bk), QT_TRANSLATE_NOOP("VelloranClass", "SV_BK(서보브레이크제어)"), 8, 2},
    {W(svon), QT_TRANSLATE_NOOP("VelloranClass", "/SVON(서보ON)"), 8, 3},
    {W(type_cof), QT_TRANSLATE_NOOP("VelloranClass", "컨버터 타입 확인"), 9, 0},
    {W(pwmon), QT_TRANSLATE_NOOP("VelloranClass", "/PWMON"), 9, 1},
    {W(op_board_cof), QT_TRANSLATE_NOOP("VelloranClass", "OP보드 연결확인"), 9, 2},
    {W(escape), QT_TRANSLATE_NOOP("VelloranClass", "ESCAPE"), 9, 3},
    {W(reservation1), QT_TRANSLATE_NOOP("VelloranClass", "예약 1"), 10, 0},
    {W(reservation2), QT_TRANSLATE_NOOP("VelloranClass", "예약 2"), 10, 1},
    {W(reservation3), QT_TRANSLATE_NOOP("VelloranClass", "예약 3"), 10, 2},
    {W(reservation4), QT_TRANSLATE_NOOP("VelloranClass", "예약 4"), 10, 3},
};

const GridLabel systemOutputLabels[28] = {
    {W(motor_on_tp_2), QT_TRANSLATE_NOOP("VelloranClass", "모터 ON(TP)"), 0, 0},
    {W(start_tp_2), QT_TRANSLATE_NOOP("VelloranClass", "기동(TP)"), 0, 1},
    {W(stop_tp_2), QT_TRANSLATE_NOOP("VelloranClass", "정지(TP)"), 0, 2},
    {W(system_odd), QT_TRANSLATE_NOOP("VelloranClass", "시스템 이상"), 0, 3},
    {W(mc1_2), QT_TRANSLATE_NOOP("VelloranClass", "MCON1(PreCharge)"), 1, 0},
    {W(mc2_2), QT_TRANSLATE_NOOP("VelloranClass", "MCON2(Motors Power)"), 1, 1},
    {W(high_speed1), QT_TRANSLATE_NOOP("VelloranClass", "HIGH Speed 1"), 1, 2},
    {W(high_speed2), QT_TRANSLATE_NOOP("VelloranClass", "HIGH Speed 2"), 1, 3},
    {W(escon1), QT_TRANSLATE_NOOP("VelloranClass", "ESCON1(Release1)"), 2, 0},
    {W(escon2), QT_TRANSLATE_NOOP("VelloranClass", "ESCON2(Release2)"), 2, 1},
    {W(brake1), QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 1"), 2, 2},
    {W(brake2), QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 2"), 2, 3},
    {W(brake3), QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 3"), 3, 0},
    {W(brake4), QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 4"), 3, 1},
    {W(brake5), QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 5"), 3, 2},
    {W(brake6), QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 6"), 3, 3},
    {W(brake7), QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 7"), 4, 0},
    {W(brake8), QT_TRANSLATE_NOOP("VelloranClass", "브레이크제어 8"), 4, 1},
    {W(ex_auto1), QT_TRANSLATE_NOOP("VelloranClass", "원격 자동모드 1"), 4, 2},
    {W(ex_auto2), QT_TRANSLATE_NOOP("VelloranClass", "원격 자동모드 2"), 4, 3},
    {W(label_91), QT_TRANSLATE_NOOP("VelloranClass", "-"), 5, 0},
    {W(label_92), QT_TRANSLATE_NOOP("VelloranClass", "-"), 5, 1},
    {W(reservation1_2), QT_TRANSLATE_NOOP("VelloranClass", "예약 1"), 5, 2},
    {W(reservation2_2), QT_TRANSLATE_NOOP("VelloranClass", "예약 2"), 5, 3},
    {W(pan_out), QT_TRANSLATE_NOOP("VelloranClass", "냉각팬 꺼짐"), 6, 0},
    {W(reservation4_2), QT_TRANSLATE_NOOP("VelloranClass", "예약 4"), 6, 1},
    {W(label_97), QT_TRANSLATE_NOOP("VelloranClass", "-"), 6, 2},
    {W(label_98), QT_TRANSLATE_NOOP("VelloranClass", "-"), 6, 3},
};

const IndicatorPage systemInputPage = {
    {W(scrollArea_3), W(scrollAreaWidgetContents_3), 1135, 305, W(gridLayout_15)},
    W(gridLayout), systemInputLabels, 44,
};
const IndicatorPage systemOutputPage = {
    {W(scrollArea_4), W(scrollAreaWidgetContents_4), 1135, 305, W(gridLayout_16)},
    W(gridLayout_2), systemOutputLabels, 28,
};

const GridLabel flagLabels[8] = {
    {W(runto), QT_TRANSLATE_NOOP("VelloranClass", "RunTo"), 0, 0},
    {W(joginch), QT_TRANSLATE_NOOP("VelloranClass", "JogInch"), 0, 1},
    {W(enable), QT_TRANSLATE_NOOP("VelloranClass", "Enable"), 0, 2},
    {W(emgstop), QT_TRANSLATE_NOOP("VelloranClass", "EmgStop"), 0, 3},
    {W(remote), QT_TRANSLATE_NOOP("VelloranClass", "Remote"), 1, 0},
    {W(automode), QT_TRANSLATE_NOOP("VelloranClass", "AutoMode"), 1, 1},
    {W(playback), QT_TRANSLATE_NOOP("VelloranClass", "PlayBack"), 1, 2},
    {W(moton), QT_TRANSLATE_NOOP("VelloranClass", "MotOn"), 1, 3},
};

const ArcRow arcInputRows[8] = {
    {W(label_20), QT_TRANSLATE_NOOP("VelloranClass", "SI1. WRC"), W(WRC0), W(WRC1), W(buttonGroup)},
    {W(label_28), QT_TRANSLATE_NOOP("VelloranClass", "SI2. Shock Sensor"), W(SS0), W(SS1), W(buttonGroup_2)},
    {W(label_27), QT_TRANSLATE_NOOP("VelloranClass", "SI3. Wire Stick"), W(WS0), W(WS1), W(buttonGroup_3)},
    {W(label_26), QT_TRANSLATE_NOOP("VelloranClass", "SI4. Welder Error"), W(WE0), W(WE1), W(buttonGroup_4)},
    {W(label_29), QT_TRANSLATE_NOOP("VelloranClass", "SI5. Wire State"), W(WSt0), W(WSt1), W(buttonGroup_5)},
    {W(label_31), QT_TRANSLATE_NOOP("VelloranClass", "SI6. Gas State"), W(GS0), W(GS1), W(buttonGroup_6)},
    {W(label_30), QT_TRANSLATE_NOOP("VelloranClass", "SI7. Reserved"), W(SIR0), W(SIR1), W(buttonGroup_7)},
    {W(label_32), QT_TRANSLATE_NOOP("VelloranClass", "SI8. Reserved"), W(SIR20), W(SIR21), W(buttonGroup_8)},
};

const ArcRow arcOutputRows[8] = {
    {W(label_41), QT_TRANSLATE_NOOP("VelloranClass", "SO1. Torch Switch"), W(TS0), W(TS1), W(buttonGroup_9)},
    {W(label_34), QT_TRANSLATE_NOOP("VelloranClass", "SO2. Inching"), W(Inch0), W(Inch1), W(buttonGroup_10)},
    {W(label_37), QT_TRANSLATE_NOOP("VelloranClass", "SO3. Retract"), W(Ret0), W(Ret1), W(buttonGroup_11)},
    {W(label_36), QT_TRANSLATE_NOOP("VelloranClass", "SO4. Stick Check"), W(SC0), W(SC1), W(buttonGroup_12)},
    {W(label_35), QT_TRANSLATE_NOOP("VelloranClass", "SO5. Gas Check"), W(GC0), W(GC1), W(buttonGroup_13)},
    {W(label_40), QT_TRANSLATE_NOOP("VelloranClass", "SO6. Reserved"), W(SOR0), W(SOR1), W(buttonGroup_14)},
    {W(label_38), QT_TRANSLATE_NOOP("VelloranClass", "SO7. Reserved"), W(SOR20), W(SOR21), W(buttonGroup_15)},
    {W(label_33), QT_TRANSLATE_NOOP("VelloranClass", "SO8. Reserved"), W(SOR30), W(SOR31), W(buttonGroup_16)},
};

const char *const arcLowText = QT_TRANSLATE_NOOP("VelloranClass", "Low");
const char *const arcHighText = QT_TRANSLATE_NOOP("VelloranClass", "High");

const TabPage tabPages[10] = {
    {W(system_input), QT_TRANSLATE_NOOP("VelloranClass", "System Input"), W(gridLayout_6), setupSystemInputPage},
    {W(system_output), QT_TRANSLATE_NOOP("VelloranClass", "System Output"), W(gridLayout_7), setupSystemOutputPage},
    {W(general_io), QT_TRANSLATE_NOOP("VelloranClass", "General I/O"), W(gridLayout_14), setupGeneralIoPage},
    {W(arcsio), QT_TRANSLATE_NOOP("VelloranClass", "Arc In/Output Signal"), W(gridLayout_34), setupArcPage},
    {W(statistics), QT_TRANSLATE_NOOP("VelloranClass", "Statistics"), W(gridLayout_8), setupStatisticsPage},
    {W(error), QT_TRANSLATE_NOOP("VelloranClass", "Error"), W(gridLayout_17), setupErrorPage},
    {W(mch), QT_TRANSLATE_NOOP("VelloranClass", "MCH"), W(gridLayout_9), setupMchPage},
    {W(inf), QT_TRANSLATE_NOOP("VelloranClass", "INF"), W(gridLayout_10), setupInfPage},
    {W(con), QT_TRANSLATE_NOOP("VelloranClass", "CON"), W(gridLayout_11), setupConPage},
    {W(opr), QT_TRANSLATE_NOOP("VelloranClass", "OPR"), W(gridLayout_26), setupOprPage},
};

const ArcSide arcSides[2] = {
    {{W(scrollArea_6), W(scrollAreaWidgetContents_6), 563, 239, W(gridLayout_24)},
     W(gridLayout_30), W(gridLayout_22), W(gridLayout_21), arcInputRows, F(arcInputLow), F(arcInputHigh), 0,
     W(label_46), W(AI0104), W(AI0508)},
    {{W(scrollArea_7), W(scrollAreaWidgetContents_7), 562, 239, W(gridLayout_25)},
     W(gridLayout_31), W(gridLayout_23), W(gridLayout_27), arcOutputRows, F(arcOutputLow), F(arcOutputHigh), 8,
     W(label_19), W(AO0104), W(AO0508)},
};
const char *const analogCaptionText = QT_TRANSLATE_NOOP("VelloranClass", "Analog Signal");
const char *const analog0104Text = QT_TRANSLATE_NOOP("VelloranClass", "(01-04)");
const char *const analog0508Text = QT_TRANSLATE_NOOP("VelloranClass", "(05-08)");

#undef F
#undef VALUE
#undef LINK
#undef W

} // namespace FormTables
