#pragma once
// The find dialog of the record table. It only holds the widgets; the search
// and its state live in the main window, whose slots its buttons reach.

#include <QtWidgets>

class FindDialogClass
{
public:
    QGridLayout *gridLayout_3 = nullptr;
    QGridLayout *gridLayout_2 = nullptr;
    QGridLayout *gridLayout = nullptr;
    QSpacerItem *verticalSpacer = nullptr;
    QLabel *label = nullptr;
    QLineEdit *lineEdit = nullptr;
    QSpacerItem *verticalSpacer_2 = nullptr;
    QPushButton *allbutton = nullptr;
    QPushButton *findbutton = nullptr;
    QPushButton *closebutton = nullptr;
    QSpacerItem *verticalSpacer_3 = nullptr;
    QListWidget *listWidget = nullptr;

    void setupUi(QDialog *FindDialogClass);
    void retranslateUi(QDialog *FindDialogClass);
};

class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);
    ~FindDialog() override;

    FindDialogClass ui;

protected:
    void closeEvent(QCloseEvent *event) override;
};
