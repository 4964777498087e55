#include "app/velloran.h"

#include "app/velloranform.h"

#include "search/finddialog.h"
#include "log/recorditems.h"
#include "search/tablesearch.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

Velloran::Velloran(QWidget *parent) : QWidget(parent, Qt::WindowFlags()), ui(new VelloranClass)
{
    findDialog.reset(new FindDialog(nullptr));
    setAcceptDrops(true);
    ui->setupUi(this);
    setDetailValuesVisible(false);

    connect(ui->open_file, SIGNAL(clicked()), this, SLOT(Onfileopen()));
    connect(ui->tableWidget, SIGNAL(cellClicked(int,int)), this, SLOT(OnRowSelect(int,int)));
    connect(ui->error_code, SIGNAL(clicked()), this, SLOT(Onclick_Details_Error_Code()));
    connect(ui->program, SIGNAL(clicked()), this, SLOT(OnClick_Details_Program()));
    connect(ui->kav, SIGNAL(clicked(bool)), this, SLOT(OnKav_System_IO()));
    connect(ui->lum_luma, SIGNAL(clicked(bool)), this, SLOT(OnLum_System_IO()));
    connect(ui->history, SIGNAL(clicked()), this, SLOT(OnHistory_btn()));
    connect(ui->comboBox, SIGNAL(activated(int)), this, SLOT(OnSelectLang(int)));
    connect(ui->ManualButton, SIGNAL(clicked()), this, SLOT(OnHelp_Manual()));
    connect(ui->InformationButton, SIGNAL(clicked()), this, SLOT(OnVersion()));
    connect(ui->tableWidget->horizontalHeader(), SIGNAL(sectionClicked(int)), this, SLOT(sectionClicked(int)));
    connect(findDialog->ui.findbutton, SIGNAL(clicked()), this, SLOT(OnFind_Button()));
    connect(findDialog->ui.allbutton, SIGNAL(clicked()), this, SLOT(OnAll_Button()));
    connect(findDialog->ui.listWidget, SIGNAL(itemSelectionChanged()), this, SLOT(OnSearch_All_List_Select()));
    connect(findDialog->ui.closebutton, SIGNAL(clicked()), this, SLOT(Onclose()));
    connect(ui->treeWidget_4, SIGNAL(itemClicked(QTreeWidgetItem*,int)), this,
            SLOT(OPRDateTimeSelect(QTreeWidgetItem*,int)));
    connect(ui->textEdit, SIGNAL(cursorPositionChanged()), this, SLOT(highlightCurrentLine()));
    connect(ui->textEdit, SIGNAL(cursorPositionChanged()), this, SLOT(Flag_KeyStatus()));
    connect(ui->textEdit, SIGNAL(cursorPositionChanged()), this, SLOT(OPRDateTime_TextEdit()));
    connect(ui->save, SIGNAL(clicked()), this, SLOT(OnOPRSave()));

    auto *find = new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_F), this);
    find->setContext(Qt::WindowShortcut);
    connect(find, SIGNAL(activated()), this, SLOT(OnFind_Dialog()));
    auto *save = new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_S), this);
    save->setContext(Qt::WindowShortcut);
    connect(save, SIGNAL(activated()), this, SLOT(OnOPRSave()));
}

Velloran::~Velloran()
{
    // The widgets outlive the form's pointers by a moment: the record table
    // must not reach the key filter once the form is gone.
    ui->tableWidget->removeEventFilter(this);
}

void Velloran::setModeImagePaths(const QString &directory)
{
    autoImagePath = directory + QStringLiteral("/Auto.png");
    manualImagePath = directory + QStringLiteral("/Manual.png");
    remoteImagePath = directory + QStringLiteral("/Remote.png");
}

vlog::Family Velloran::family() const
{
    return ui->kav->isChecked() ? vlog::Family::Kav : vlog::Family::Lum;
}

int Velloran::language() const
{
    return ui->comboBox->currentIndex();
}

void Velloran::setDetailValuesVisible(bool visible)
{
    const std::initializer_list<QWidget *> values = {
        ui->error_code, ui->axis_no, ui->date,  ui->time,  ui->program, ui->step,  ui->function, ui->axis1,
        ui->axis2,      ui->axis3,   ui->axis4, ui->axis5, ui->axis6,   ui->axis7, ui->axis8};
    for (QWidget *w : values)
        w->setVisible(visible);
}

void Velloran::closeEvent(QCloseEvent *event)
{
    findDialog->closeAndReset();
    event->accept();
}

void Velloran::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Velloran::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls) {
        const QString path = url.toLocalFile();
        clearAllViews();
        ui->file_add->setText(path);
        loadLog(path);
    }
}

