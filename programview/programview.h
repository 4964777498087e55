#pragma once
// The program view: a modal dialog that shows the job program of a record as
// plain text with the record's step selected. It lives for one click.

#include <QDialog>

class QTextEdit;
class QVBoxLayout;
class QWidget;

class ProgramViewClass
{
public:
    QWidget *verticalLayoutWidget = nullptr;
    QVBoxLayout *verticalLayout = nullptr;
    QTextEdit *textEdit = nullptr;

    void setupUi(QDialog *dialog);
    void retranslateUi(QDialog *dialog);
};

class ProgramView : public QDialog
{
    Q_OBJECT
public:
    explicit ProgramView(QWidget *parent = nullptr);
    ~ProgramView() override;

    // Finds the job file of `namePart` beside the log, shows it with the step
    // selected and runs the dialog; reports a missing file instead. Language
    // 0 shows that report in Korean.
    void loadJob(const QString &logPath, const QString &namePart, int step, int language);
    // Selects the first "S<step>" of the text, case ignored, even inside a
    // longer word; nothing is selected when the text has none.
    void findStep(int step);

private:
    ProgramViewClass ui;
};
