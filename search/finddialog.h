#pragma once
// The find dialog of the record table. It only holds the widgets; the search
// and its state live in the main window, whose slots its buttons reach.

#include <QDialog>

class QCloseEvent;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpacerItem;

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

    void setupUi(QDialog *dialog);
    void retranslateUi(QDialog *dialog);
};

class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);
    ~FindDialog() override;

    FindDialogClass ui;

    // Closing: the search text is cleared and the match list hidden. The
    // main window's close does the same.
    void closeAndReset();

protected:
    void closeEvent(QCloseEvent *event) override;
};
