#pragma once
// The form of the main window: every widget and layout of the window, reached
// by its object name. setupUi builds the form on the main window widget,
// retranslateUi (re)sets every translatable text.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWidget>

class VelloranClass
{
public:
    // Top level and top bar.
    QGridLayout *gridLayout_3 = nullptr;
    QVBoxLayout *verticalLayout_2 = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QPushButton *open_file = nullptr;
    QLineEdit *file_add = nullptr;
    QRadioButton *kav = nullptr;
    QRadioButton *lum_luma = nullptr;
    QComboBox *comboBox = nullptr;
    QPushButton *ManualButton = nullptr;
    QPushButton *InformationButton = nullptr;

    // Record row: record table and details group.
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QTableWidget *tableWidget = nullptr;
    QGroupBox *groupBox = nullptr;
    QGridLayout *gridLayout_12 = nullptr;
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QLabel *label = nullptr, *label_2 = nullptr, *label_3 = nullptr, *label_4 = nullptr, *label_5 = nullptr;
    QLabel *label_6 = nullptr, *label_7 = nullptr, *label_8 = nullptr, *label_9 = nullptr, *label_10 = nullptr;
    QLabel *label_21 = nullptr, *label_22 = nullptr, *label_23 = nullptr, *label_24 = nullptr, *label_25 = nullptr;
    QVBoxLayout *verticalLayout_3 = nullptr;
    QPushButton *error_code = nullptr;
    QLabel *axis_no = nullptr, *date = nullptr, *time = nullptr;
    QPushButton *program = nullptr;
    QLabel *step = nullptr, *function = nullptr;
    QLabel *axis1 = nullptr, *axis2 = nullptr, *axis3 = nullptr, *axis4 = nullptr;
    QLabel *axis5 = nullptr, *axis6 = nullptr, *axis7 = nullptr, *axis8 = nullptr;
    // The details rows in table order: error_code, axis_no, date, time,
    // program, step, function, axis1 .. axis8 (captions label .. label_25).
    QLabel *detailCaptions[15] = {};
    QWidget *detailValues[15] = {};

    // Button row.
    QHBoxLayout *horizontalLayout_4 = nullptr;
    QPushButton *history = nullptr;

    QTabWidget *tabWidget = nullptr;

    // Page 0: System Input.
    QWidget *system_input = nullptr;
    QGridLayout *gridLayout_6 = nullptr;
    QScrollArea *scrollArea_3 = nullptr;
    QWidget *scrollAreaWidgetContents_3 = nullptr;
    QGridLayout *gridLayout_15 = nullptr;
    QGridLayout *gridLayout = nullptr;
    QLabel *mode_switch_auto = nullptr, *mode_switch_manual = nullptr, *mode_switch_ex = nullptr, *mode_switch_sys = nullptr;
    QLabel *motor_on_tp = nullptr, *motor_on_ex = nullptr, *start_tp = nullptr, *stop_tp = nullptr;
    QLabel *enable_switch_tp = nullptr, *label_39 = nullptr, *mc1 = nullptr, *mc2 = nullptr;
    QLabel *safe_garde_auto = nullptr, *safe_garde_menual = nullptr, *em_stop_tp = nullptr, *em_stop_op = nullptr;
    QLabel *em_stop_ex = nullptr, *label_48 = nullptr, *limt1 = nullptr, *limt2 = nullptr;
    QLabel *belt_limt = nullptr, *limt3 = nullptr, *motor_overheat1 = nullptr, *motor_overheat2 = nullptr;
    QLabel *brake_low = nullptr, *robot_pan = nullptr, *overload_motor = nullptr, *overload_brake = nullptr;
    QLabel *overload_control = nullptr, *overload_smps = nullptr, *flt = nullptr, *ov = nullptr;
    QLabel *uv = nullptr, *oc = nullptr, *sv_bk = nullptr, *svon = nullptr;
    QLabel *type_cof = nullptr, *pwmon = nullptr, *op_board_cof = nullptr, *escape = nullptr;
    QLabel *reservation1 = nullptr, *reservation2 = nullptr, *reservation3 = nullptr, *reservation4 = nullptr;
    // The 44 labels above, row by row (four per row).
    QLabel *systemInputLabels[44] = {};

    // Page 1: System Output.
    QWidget *system_output = nullptr;
    QGridLayout *gridLayout_7 = nullptr;
    QScrollArea *scrollArea_4 = nullptr;
    QWidget *scrollAreaWidgetContents_4 = nullptr;
    QGridLayout *gridLayout_16 = nullptr;
    QGridLayout *gridLayout_2 = nullptr;
    QLabel *motor_on_tp_2 = nullptr, *start_tp_2 = nullptr, *stop_tp_2 = nullptr, *system_odd = nullptr;
    QLabel *mc1_2 = nullptr, *mc2_2 = nullptr, *high_speed1 = nullptr, *high_speed2 = nullptr;
    QLabel *escon1 = nullptr, *escon2 = nullptr, *brake1 = nullptr, *brake2 = nullptr;
    QLabel *brake3 = nullptr, *brake4 = nullptr, *brake5 = nullptr, *brake6 = nullptr;
    QLabel *brake7 = nullptr, *brake8 = nullptr, *ex_auto1 = nullptr, *ex_auto2 = nullptr;
    QLabel *label_91 = nullptr, *label_92 = nullptr, *reservation1_2 = nullptr, *reservation2_2 = nullptr;
    QLabel *pan_out = nullptr, *reservation4_2 = nullptr, *label_97 = nullptr, *label_98 = nullptr;
    // The 28 labels above, row by row (four per row).
    QLabel *systemOutputLabels[28] = {};

    // Page 2: General I/O.
    QWidget *general_io = nullptr;
    QGridLayout *gridLayout_14 = nullptr;
    QLabel *label_11 = nullptr, *label_12 = nullptr;
    QScrollArea *scrollArea = nullptr;
    QWidget *scrollAreaWidgetContents = nullptr;
    QGridLayout *gridLayout_4 = nullptr;
    QGridLayout *DI_Layout = nullptr;
    QScrollArea *scrollArea_2 = nullptr;
    QWidget *scrollAreaWidgetContents_2 = nullptr;
    QGridLayout *gridLayout_13 = nullptr;
    QGridLayout *gridLayout_5 = nullptr;
    // DI[0] is DI1, ..., DI[255] is DI256; likewise DO.
    QCheckBox *DI[256] = {};
    QCheckBox *DO[256] = {};

    // Page 3: Arc In/Output Signal.
    QWidget *arcsio = nullptr;
    QGridLayout *gridLayout_34 = nullptr;
    QLabel *label_18 = nullptr, *label_42 = nullptr;
    QGridLayout *gridLayout_33 = nullptr;
    QScrollArea *scrollArea_6 = nullptr;
    QWidget *scrollAreaWidgetContents_6 = nullptr;
    QGridLayout *gridLayout_24 = nullptr;
    QGridLayout *gridLayout_30 = nullptr;
    QGridLayout *gridLayout_22 = nullptr;
    QGridLayout *gridLayout_21 = nullptr;
    QLabel *label_20 = nullptr, *label_28 = nullptr, *label_27 = nullptr, *label_26 = nullptr;
    QLabel *label_29 = nullptr, *label_31 = nullptr, *label_30 = nullptr, *label_32 = nullptr;
    QRadioButton *WRC0 = nullptr, *WRC1 = nullptr, *SS0 = nullptr, *SS1 = nullptr;
    QRadioButton *WS0 = nullptr, *WS1 = nullptr, *WE0 = nullptr, *WE1 = nullptr;
    QRadioButton *WSt0 = nullptr, *WSt1 = nullptr, *GS0 = nullptr, *GS1 = nullptr;
    QRadioButton *SIR0 = nullptr, *SIR1 = nullptr, *SIR20 = nullptr, *SIR21 = nullptr;
    QLabel *label_46 = nullptr, *AI0104 = nullptr, *AI0508 = nullptr;
    QScrollArea *scrollArea_7 = nullptr;
    QWidget *scrollAreaWidgetContents_7 = nullptr;
    QGridLayout *gridLayout_25 = nullptr;
    QGridLayout *gridLayout_31 = nullptr;
    QGridLayout *gridLayout_23 = nullptr;
    QGridLayout *gridLayout_27 = nullptr;
    QLabel *label_41 = nullptr, *label_34 = nullptr, *label_37 = nullptr, *label_36 = nullptr;
    QLabel *label_35 = nullptr, *label_40 = nullptr, *label_38 = nullptr, *label_33 = nullptr;
    QRadioButton *TS0 = nullptr, *TS1 = nullptr, *Inch0 = nullptr, *Inch1 = nullptr;
    QRadioButton *Ret0 = nullptr, *Ret1 = nullptr, *SC0 = nullptr, *SC1 = nullptr;
    QRadioButton *GC0 = nullptr, *GC1 = nullptr, *SOR0 = nullptr, *SOR1 = nullptr;
    QRadioButton *SOR20 = nullptr, *SOR21 = nullptr, *SOR30 = nullptr, *SOR31 = nullptr;
    QLabel *label_19 = nullptr, *AO0104 = nullptr, *AO0508 = nullptr;
    // buttonGroup .. buttonGroup_8 hold the input pairs SI1 .. SI8,
    // buttonGroup_9 .. buttonGroup_16 the output pairs SO1 .. SO8.
    QButtonGroup *buttonGroup = nullptr, *buttonGroup_2 = nullptr, *buttonGroup_3 = nullptr, *buttonGroup_4 = nullptr;
    QButtonGroup *buttonGroup_5 = nullptr, *buttonGroup_6 = nullptr, *buttonGroup_7 = nullptr, *buttonGroup_8 = nullptr;
    QButtonGroup *buttonGroup_9 = nullptr, *buttonGroup_10 = nullptr, *buttonGroup_11 = nullptr, *buttonGroup_12 = nullptr;
    QButtonGroup *buttonGroup_13 = nullptr, *buttonGroup_14 = nullptr, *buttonGroup_15 = nullptr, *buttonGroup_16 = nullptr;
    // Index i is signal row i (SI1 .. SI8, SO1 .. SO8): Low is the "0" button, High the "1" button.
    QRadioButton *arcInputLow[8] = {}, *arcInputHigh[8] = {};
    QRadioButton *arcOutputLow[8] = {}, *arcOutputHigh[8] = {};
    // Inputs 0..7, then outputs 8..15 (the same groups as buttonGroup .. buttonGroup_16).
    QButtonGroup *arcGroups[16] = {};

    // Page 4: Statistics.
    QWidget *statistics = nullptr;
    QGridLayout *gridLayout_8 = nullptr;
    QTableWidget *tableWidget_2 = nullptr;

    // Page 5: Error.
    QWidget *error = nullptr;
    QGridLayout *gridLayout_17 = nullptr;
    QScrollArea *scrollArea_5 = nullptr;
    QWidget *scrollAreaWidgetContents_5 = nullptr;
    QGridLayout *gridLayout_19 = nullptr;
    QGridLayout *gridLayout_18 = nullptr;
    QLabel *label_13 = nullptr, *ErrorCode = nullptr;
    QLabel *label_14 = nullptr, *Message = nullptr;
    QLabel *label_15 = nullptr, *Cause = nullptr;
    QLabel *label_16 = nullptr;
    QTextEdit *Remedy = nullptr;

    // Pages 6 to 8: MCH, INF, CON.
    QWidget *mch = nullptr;
    QGridLayout *gridLayout_9 = nullptr;
    QTreeWidget *treeWidget = nullptr;
    QWidget *inf = nullptr;
    QGridLayout *gridLayout_10 = nullptr;
    QTreeWidget *treeWidget_2 = nullptr;
    QLabel *label_17 = nullptr;
    QTableWidget *tableWidget_3 = nullptr;
    QWidget *con = nullptr;
    QGridLayout *gridLayout_11 = nullptr;
    QTreeWidget *treeWidget_3 = nullptr;

    // Page 9: OPR.
    QWidget *opr = nullptr;
    QGridLayout *gridLayout_26 = nullptr;
    QHBoxLayout *horizontalLayout_8 = nullptr;
    QLabel *Menu = nullptr, *Menu1 = nullptr, *Menu2 = nullptr, *Menu3 = nullptr, *Menu4 = nullptr;
    QHBoxLayout *horizontalLayout_7 = nullptr;
    QTreeWidget *treeWidget_4 = nullptr;
    QTextEdit *textEdit = nullptr;
    QVBoxLayout *verticalLayout_5 = nullptr;
    QVBoxLayout *verticalLayout_4 = nullptr;
    QGridLayout *gridLayout_20 = nullptr;
    QLabel *runto = nullptr, *joginch = nullptr, *enable = nullptr, *emgstop = nullptr;
    QLabel *remote = nullptr, *automode = nullptr, *playback = nullptr, *moton = nullptr;
    QHBoxLayout *horizontalLayout_5 = nullptr;
    QLabel *ModeS = nullptr, *key = nullptr;
    QHBoxLayout *horizontalLayout_6 = nullptr;
    QPushButton *save = nullptr;

    void setupUi(QWidget *VelloranClass);
    void retranslateUi(QWidget *VelloranClass);

};
