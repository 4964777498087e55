#include "search/finddialog.h"

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
    gridLayout_2 = new QGridLayout();
    gridLayout_2->setSpacing(6);
    gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
    gridLayout = new QGridLayout();
    gridLayout->setSpacing(6);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));

    verticalSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    gridLayout->addItem(verticalSpacer, 0, 1, 1, 1);
    label = new QLabel(dialog);
    label->setObjectName(QStringLiteral("label"));
    gridLayout->addWidget(label, 1, 0, 1, 1);
    lineEdit = new QLineEdit(dialog);
    lineEdit->setObjectName(QStringLiteral("lineEdit"));
    gridLayout->addWidget(lineEdit, 1, 1, 1, 3);
    verticalSpacer_2 = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    gridLayout->addItem(verticalSpacer_2, 2, 1, 1, 1);
    allbutton = new QPushButton(dialog);
    allbutton->setObjectName(QStringLiteral("allbutton"));
    allbutton->setCheckable(true);
    gridLayout->addWidget(allbutton, 3, 1, 1, 1);
    findbutton = new QPushButton(dialog);
    findbutton->setObjectName(QStringLiteral("findbutton"));
    gridLayout->addWidget(findbutton, 3, 2, 1, 1);
    closebutton = new QPushButton(dialog);
    closebutton->setObjectName(QStringLiteral("closebutton"));
    gridLayout->addWidget(closebutton, 3, 3, 1, 1);
    gridLayout_2->addLayout(gridLayout, 0, 0, 1, 1);

    verticalSpacer_3 = new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding);
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
    dialog->setWindowTitle(QCoreApplication::translate("FindDialogClass", "FindDialog"));
    label->setText(QCoreApplication::translate("FindDialogClass", "   Find What :"));
    allbutton->setText(QCoreApplication::translate("FindDialogClass", "All"));
    findbutton->setText(QCoreApplication::translate("FindDialogClass", "Next"));
    closebutton->setText(QCoreApplication::translate("FindDialogClass", "Close"));
    findbutton->setDefault(true);
}

FindDialog::FindDialog(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
}

FindDialog::~FindDialog() = default;

void FindDialog::closeEvent(QCloseEvent *event)
{
    ui.lineEdit->clear();
    ui.listWidget->hide();
    QDialog::closeEvent(event);
}
