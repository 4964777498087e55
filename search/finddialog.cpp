#include "search/finddialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpacerItem>

namespace {

// The buttons of the bottom row, left to right, with their source texts of
// the translation context "FindDialogClass".
struct FindButton
{
    const char *name;
    const char *text;
    QPushButton *FindDialogClass::*field;
    int column;
    bool checkable;
};

const FindButton findButtons[] = {
    {"allbutton", QT_TRANSLATE_NOOP("FindDialogClass", "All"), &FindDialogClass::allbutton, 1, true},
    {"findbutton", QT_TRANSLATE_NOOP("FindDialogClass", "Next"), &FindDialogClass::findbutton, 2, false},
    {"closebutton", QT_TRANSLATE_NOOP("FindDialogClass", "Close"), &FindDialogClass::closebutton, 3, false},
};

// Rows of the search grid: spacer, label with the search field, spacer, buttons.
constexpr int kSpacerRow = 0;
constexpr int kFieldRow = 1;
constexpr int kSecondSpacerRow = 2;
constexpr int kButtonRow = 3;

QString translated(const char *text)
{
    return QCoreApplication::translate("FindDialogClass", text);
}

QGridLayout *makeGrid(const char *name)
{
    auto *grid = new QGridLayout();
    grid->setSpacing(6);
    grid->setObjectName(QString::fromLatin1(name));
    return grid;
}

QSpacerItem *makeSpacer(int height)
{
    return new QSpacerItem(20, height, QSizePolicy::Minimum, QSizePolicy::Expanding);
}

} // namespace

void FindDialogClass::setupUi(QDialog *dialog)
{
    dialog->setGeometry(140, 500, 1181, 794);
    dialog->setObjectName(QStringLiteral("FindDialogClass"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->resize(372, 308);

    gridLayout_3 = new QGridLayout(dialog);
    gridLayout_3->setSpacing(6);
    gridLayout_3->setContentsMargins(11, 11, 11, 11);
    gridLayout_3->setObjectName(QStringLiteral("gridLayout_3"));
    gridLayout_2 = makeGrid("gridLayout_2");
    gridLayout = makeGrid("gridLayout");

    verticalSpacer = makeSpacer(40);
    gridLayout->addItem(verticalSpacer, kSpacerRow, 1, 1, 1);
    label = new QLabel(dialog);
    label->setObjectName(QStringLiteral("label"));
    gridLayout->addWidget(label, kFieldRow, 0, 1, 1);
    lineEdit = new QLineEdit(dialog);
    lineEdit->setObjectName(QStringLiteral("lineEdit"));
    gridLayout->addWidget(lineEdit, kFieldRow, 1, 1, 3);
    verticalSpacer_2 = makeSpacer(40);
    gridLayout->addItem(verticalSpacer_2, kSecondSpacerRow, 1, 1, 1);
    for (const FindButton &b : findButtons) {
        auto *button = new QPushButton(dialog);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setCheckable(b.checkable);
        gridLayout->addWidget(button, kButtonRow, b.column, 1, 1);
        this->*b.field = button;
    }
    gridLayout_2->addLayout(gridLayout, 0, 0, 1, 1);

    verticalSpacer_3 = makeSpacer(20);
    gridLayout_2->addItem(verticalSpacer_3, 1, 0, 1, 1);
    listWidget = new QListWidget(dialog);
    listWidget->setObjectName(QStringLiteral("listWidget"));
    listWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listWidget->hide();
    gridLayout_2->addWidget(listWidget, 2, 0, 1, 1);
    gridLayout_3->addLayout(gridLayout_2, 0, 0, 1, 1);

    retranslateUi(dialog);
    QMetaObject::connectSlotsByName(dialog);
}

void FindDialogClass::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(translated(QT_TRANSLATE_NOOP("FindDialogClass", "FindDialog")));
    label->setText(translated(QT_TRANSLATE_NOOP("FindDialogClass", "   Find What :")));
    for (const FindButton &b : findButtons)
        (this->*b.field)->setText(translated(b.text));
    // Return in the search field presses "Next".
    findbutton->setDefault(true);
}

FindDialog::FindDialog(QWidget *parent) : QDialog(parent, Qt::WindowFlags())
{
    ui.setupUi(this);
}

FindDialog::~FindDialog() = default;

void FindDialog::closeAndReset()
{
    close();
    ui.lineEdit->clear();
    ui.listWidget->hide();
}

void FindDialog::closeEvent(QCloseEvent *event)
{
    ui.lineEdit->clear();
    ui.listWidget->hide();
    QDialog::closeEvent(event);
}
