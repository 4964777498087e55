#include "programview/programview.h"

#include "details/language.h"
#include "log/logfile.h"
#include "programview/joblookup.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QMessageBox>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextStream>
#include <QTranslator>
#include <QVBoxLayout>

void ProgramViewClass::setupUi(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("ProgramViewClass"));
    dialog->resize(843, 741);
    verticalLayoutWidget = new QWidget(dialog);
    verticalLayoutWidget->setObjectName(QStringLiteral("verticalLayoutWidget"));
    verticalLayoutWidget->setGeometry(QRect(0, 0, 841, 741));
    verticalLayout = new QVBoxLayout(verticalLayoutWidget);
    verticalLayout->setSpacing(6);
    verticalLayout->setContentsMargins(0, 0, 0, 0);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    textEdit = new QTextEdit(verticalLayoutWidget);
    textEdit->setObjectName(QStringLiteral("textEdit"));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(textEdit->sizePolicy().hasHeightForWidth());
    textEdit->setSizePolicy(policy);
    QFont font;
    font.setPointSize(12);
    textEdit->setFont(font);
    textEdit->setStyleSheet(QStringLiteral("background-color: rgb(192, 255, 192);"));
    verticalLayout->addWidget(textEdit);

    retranslateUi(dialog);
    QMetaObject::connectSlotsByName(dialog);
}

void ProgramViewClass::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(QCoreApplication::translate("ProgramViewClass", "ProgramView"));
}

ProgramView::ProgramView(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
}

ProgramView::~ProgramView() = default;

void ProgramView::loadJob(const QString &logPath, const QString &namePart, int step, int language)
{
    QFile file(vjob::jobPath(logPath, namePart));
    // A folder or a FIFO named like the job is no job file.
    if (vlog::openRegularFile(file, QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&file);
        const QString text = in.readAll();
        ui.textEdit->setLineWrapMode(vlog::showUnwrapped(text) ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
        ui.textEdit->setPlainText(text);
        findStep(step);
        exec();
        return;
    }
    QTranslator translator;
    if (language == 0) {
        translator.load(vlog::catalogueFileName(vlog::Korean));
        QCoreApplication::installTranslator(&translator);
        ui.retranslateUi(this);
    }
    QMessageBox::warning(this, QCoreApplication::translate("ProgramViewClass", "Velloran"),
                         QCoreApplication::translate("ProgramViewClass", "File not found."));
}

void ProgramView::findStep(int step)
{
    // The search starts at the beginning of the text.
    QTextCursor start(ui.textEdit->document());
    ui.textEdit->setTextCursor(start);
    ui.textEdit->find(vjob::stepMarker(step));
}
