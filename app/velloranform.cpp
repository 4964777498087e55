#include "app/velloranform.h"

#include "app/formtables.h"

#include <utility>

namespace {

using namespace FormTables;

constexpr int kNoLimit = QWIDGETSIZE_MAX;

QString translated(const char *text)
{
    return QCoreApplication::translate(FormTables::context, text);
}

template <typename W>
W *make(QWidget *parent, const char *name)
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A layout nested in another layout (no parent widget yet).
template <typename L>
L *makeLayout(const char *name, int spacing, int margins = 0)
{
    auto *l = new L();
    l->setSpacing(spacing);
    l->setContentsMargins(margins, margins, margins, margins);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// The layout of a widget.
template <typename L>
L *makeLayout(QWidget *owner, const char *name, int spacing, int margins)
{
    auto *l = new L(owner);
    l->setSpacing(spacing);
    l->setContentsMargins(margins, margins, margins, margins);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

// A scroll area with its contents widget of the given start geometry.
QScrollArea *makeScrollArea(QWidget *parent, const char *name, QWidget *&contents, const char *contentsName,
                            int width, int height)
{
    auto *area = make<QScrollArea>(parent, name);
    area->setWidgetResizable(true);
    contents = new QWidget();
    contents->setObjectName(QString::fromLatin1(contentsName));
    contents->setGeometry(QRect(0, 0, width, height));
    return area;
}

QLabel *makeIndicator(QWidget *parent, const GridLabel &cell)
{
    auto *label = make<QLabel>(parent, cell.name);
    label->setMinimumSize(QSize(0, 20));
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

const char *const kWhiteBackground = "background-color: rgb(255, 255, 255);";

void setupTopBar(VelloranClass &ui, QWidget *window)
{
    ui.horizontalLayout = makeLayout<QHBoxLayout>("horizontalLayout", 6);
    ui.open_file = make<QPushButton>(window, "open_file");
    ui.open_file->setMinimumSize(QSize(0, 32));
    ui.horizontalLayout->addWidget(ui.open_file);
    ui.file_add = make<QLineEdit>(window, "file_add");
    ui.horizontalLayout->addWidget(ui.file_add);
    ui.kav = make<QRadioButton>(window, "kav");
    ui.horizontalLayout->addWidget(ui.kav);
    ui.lum_luma = make<QRadioButton>(window, "lum_luma");
    ui.lum_luma->setChecked(true);
    ui.horizontalLayout->addWidget(ui.lum_luma);
    ui.comboBox = make<QComboBox>(window, "comboBox");
    ui.horizontalLayout->addWidget(ui.comboBox);
    // Icons by bare file name: looked up in the working directory.
    ui.ManualButton = make<QPushButton>(window, "ManualButton");
    ui.ManualButton->setIcon(QIcon(QStringLiteral("bookmark.png")));
    ui.ManualButton->setIconSize(QSize(20, 20));
    ui.horizontalLayout->addWidget(ui.ManualButton);
    ui.InformationButton = make<QPushButton>(window, "InformationButton");
    ui.InformationButton->setIcon(QIcon(QStringLiteral("information.png")));
    ui.InformationButton->setIconSize(QSize(20, 20));
    ui.horizontalLayout->addWidget(ui.InformationButton);
    ui.verticalLayout_2->addLayout(ui.horizontalLayout);
}

void setupTable(QTableWidget *table, const Column *columns, int columnCount)
{
    table->setColumnCount(columnCount);
    for (int c = 0; c < columnCount; ++c)
        table->setHorizontalHeaderItem(c, new QTableWidgetItem());
    table->setRowCount(10);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int c = 0; c < columnCount; ++c)
        table->setColumnWidth(c, columns[c].width);
}

void setupDetails(VelloranClass &ui, QWidget *window)
{
    ui.groupBox = make<QGroupBox>(window, "groupBox");
    ui.gridLayout_12 = makeLayout<QGridLayout>(ui.groupBox, "gridLayout_12", 6, 11);
    ui.horizontalLayout_3 = makeLayout<QHBoxLayout>("horizontalLayout_3", 6);

    ui.verticalLayout = makeLayout<QVBoxLayout>("verticalLayout", 6);
    for (int i = 0; i < 15; ++i) {
        const DetailRow &row = detailRows[i];
        QLabel *caption = make<QLabel>(ui.groupBox, row.captionName);
        ui.*row.caption = caption;
        ui.detailCaptions[i] = caption;
        ui.verticalLayout->addWidget(caption);
    }
    ui.horizontalLayout_3->addLayout(ui.verticalLayout);

    ui.verticalLayout_3 = makeLayout<QVBoxLayout>("verticalLayout_3", 6);
    for (int i = 0; i < 15; ++i) {
        const DetailRow &row = detailRows[i];
        QWidget *value;
        if (row.valueButton) {
            auto *button = make<QPushButton>(ui.groupBox, row.valueName);
            button->setStyleSheet(QString::fromUtf8(detailLinkStyle));
            button->setAutoDefault(false);
            button->setDefault(false);
            button->setFlat(true);
            if (row.iconSize)
                button->setIconSize(QSize(row.iconSize, row.iconSize));
            ui.*row.valueButton = button;
            value = button;
        } else {
            auto *label = make<QLabel>(ui.groupBox, row.valueName);
            label->setStyleSheet(QString::fromUtf8(detailValueStyle));
            label->setAlignment(row.alignment);
            ui.*row.valueLabel = label;
            value = label;
        }
        if (row.maximumHeight)
            value->setMaximumSize(QSize(kNoLimit, row.maximumHeight));
        if (row.noFocus)
            value->setFocusPolicy(Qt::NoFocus);
        // The captions and the values stand in two separate boxes; a caption
        // takes the height limits of its value so that the rows line up.
        QLabel *caption = ui.detailCaptions[i];
        caption->setMaximumSize(QSize(kNoLimit, value->maximumHeight()));
        if (row.valueButton) {
            caption->setMinimumSize(QSize(0, qMin(value->sizeHint().height(), row.maximumHeight)));
            caption->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        }
        ui.detailValues[i] = value;
        ui.verticalLayout_3->addWidget(value);
    }
    ui.horizontalLayout_3->addLayout(ui.verticalLayout_3);

    ui.gridLayout_12->addLayout(ui.horizontalLayout_3, 0, 0, 1, 1);
}

void setupRecordRow(VelloranClass &ui, QWidget *window)
{
    ui.horizontalLayout_2 = makeLayout<QHBoxLayout>("horizontalLayout_2", 6);
    ui.tableWidget = make<QTableWidget>(window, "tableWidget");
    setupTable(ui.tableWidget, recordColumns, 27);
    ui.tableWidget->setMinimumSize(QSize(0, 0));
    ui.tableWidget->setSortingEnabled(false);
    ui.horizontalLayout_2->addWidget(ui.tableWidget);
    setupDetails(ui, window);
    ui.horizontalLayout_2->addWidget(ui.groupBox);
    ui.horizontalLayout_2->setStretch(0, 8);
    ui.horizontalLayout_2->setStretch(1, 2);
    ui.verticalLayout_2->addLayout(ui.horizontalLayout_2);
}

void setupButtonRow(VelloranClass &ui, QWidget *window)
{
    ui.horizontalLayout_4 = makeLayout<QHBoxLayout>("horizontalLayout_4", 6);
    ui.horizontalLayout_4->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    ui.history = make<QPushButton>(window, "history");
    ui.horizontalLayout_4->addWidget(ui.history);
    ui.verticalLayout_2->addLayout(ui.horizontalLayout_4);
}

void setupIndicatorPage(VelloranClass &ui, QWidget *page, QGridLayout *pageLayout, const IndicatorPage &desc,
                        QLabel **labels)
{
    QWidget *contents = nullptr;
    QScrollArea *area = makeScrollArea(page, desc.areaName, contents, desc.contentsName, 1135, 305);
    area->setStyleSheet(QString::fromLatin1(kWhiteBackground));
    ui.*desc.area = area;
    ui.*desc.contents = contents;
    QGridLayout *contentsLayout = makeLayout<QGridLayout>(contents, desc.contentsLayoutName, 6, 11);
    ui.*desc.contentsLayout = contentsLayout;
    QGridLayout *grid = makeLayout<QGridLayout>(desc.gridName, 6);
    ui.*desc.grid = grid;
    for (int i = 0; i < desc.labelCount; ++i) {
        const GridLabel &cell = desc.labels[i];
        QLabel *label = makeIndicator(contents, cell);
        ui.*cell.field = label;
        labels[i] = label;
        grid->addWidget(label, cell.row, cell.column, 1, 1);
    }
    contentsLayout->addLayout(grid, 0, 0, 1, 1);
    area->setWidget(contents);
    pageLayout->addWidget(area, 0, 0, 1, 1);
}

QCheckBox *makeGeneralIoBox(QWidget *parent, const QString &name)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setEnabled(false); // display only
    box->setMinimumSize(QSize(0, 40));
    QFont font;
    font.setPointSize(9);
    box->setFont(font);
    box->setCheckable(true);
    return box;
}

} // namespace

void FormTables::setupSystemInputPage(VelloranClass &ui, QWidget *)
{
    setupIndicatorPage(ui, ui.system_input, ui.gridLayout_6, systemInputPage, ui.systemInputLabels);
}

void FormTables::setupSystemOutputPage(VelloranClass &ui, QWidget *)
{
    setupIndicatorPage(ui, ui.system_output, ui.gridLayout_7, systemOutputPage, ui.systemOutputLabels);
}

void FormTables::setupGeneralIoPage(VelloranClass &ui, QWidget *)
{
    QWidget *page = ui.general_io;
    QGridLayout *pageLayout = ui.gridLayout_14;
    ui.label_11 = make<QLabel>(page, "label_11");
    pageLayout->addWidget(ui.label_11, 0, 0, 1, 1);
    ui.label_12 = make<QLabel>(page, "label_12");
    pageLayout->addWidget(ui.label_12, 0, 1, 1, 1);

    ui.scrollArea = makeScrollArea(page, "scrollArea", ui.scrollAreaWidgetContents, "scrollAreaWidgetContents", 547,
                                   1393);
    QFont kerned;
    kerned.setKerning(true);
    ui.scrollArea->setFont(kerned);
    ui.scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ui.scrollArea->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    ui.gridLayout_4 = makeLayout<QGridLayout>(ui.scrollAreaWidgetContents, "gridLayout_4", 6, 11);
    ui.DI_Layout = makeLayout<QGridLayout>("DI_Layout", 3, 0);
    for (int i = 0; i < generalIoCount; ++i) {
        QCheckBox *box = makeGeneralIoBox(ui.scrollAreaWidgetContents, QStringLiteral("DI%1").arg(i + 1));
        box->setIconSize(QSize(16, 16));
        ui.DI[i] = box;
        ui.DI_Layout->addWidget(box, i / generalIoColumns, i % generalIoColumns, 1, 1);
    }
    ui.gridLayout_4->addLayout(ui.DI_Layout, 0, 0, 1, 1);
    ui.scrollArea->setWidget(ui.scrollAreaWidgetContents);
    pageLayout->addWidget(ui.scrollArea, 1, 0, 1, 1);

    ui.scrollArea_2 = makeScrollArea(page, "scrollArea_2", ui.scrollAreaWidgetContents_2, "scrollAreaWidgetContents_2",
                                     546, 1486);
    ui.scrollArea_2->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ui.scrollArea_2->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    ui.gridLayout_13 = makeLayout<QGridLayout>(ui.scrollAreaWidgetContents_2, "gridLayout_13", 6, 11);
    ui.gridLayout_5 = makeLayout<QGridLayout>("gridLayout_5", 6);
    for (int i = 0; i < generalIoCount; ++i) {
        QCheckBox *box = makeGeneralIoBox(ui.scrollAreaWidgetContents_2, QStringLiteral("DO%1").arg(i + 1));
        box->setChecked(false);
        ui.DO[i] = box;
        ui.gridLayout_5->addWidget(box, i / generalIoColumns, i % generalIoColumns, 1, 1);
    }
    ui.gridLayout_13->addLayout(ui.gridLayout_5, 0, 0, 1, 1);
    ui.scrollArea_2->setWidget(ui.scrollAreaWidgetContents_2);
    pageLayout->addWidget(ui.scrollArea_2, 1, 1, 1, 1);
}

namespace {

void setupArcSide(VelloranClass &ui, QWidget *window, const ArcSide &side, int column)
{
    QWidget *contents = nullptr;
    QScrollArea *area = makeScrollArea(ui.arcsio, side.areaName, contents, side.contentsName, side.contentsWidth,
                                       side.contentsHeight);
    ui.*side.area = area;
    ui.*side.contents = contents;

    QGridLayout *sideLayout = makeLayout<QGridLayout>(contents, side.sideLayoutName, 6, 11);
    ui.*side.sideLayout = sideLayout;
    QGridLayout *table = makeLayout<QGridLayout>(side.tableLayoutName, 6);
    ui.*side.tableLayout = table;

    QGridLayout *captions = makeLayout<QGridLayout>(side.captionLayoutName, 6, 0);
    ui.*side.captionLayout = captions;
    for (int r = 0; r < 8; ++r) {
        const ArcRow &row = side.rows[r];
        QLabel *caption = make<QLabel>(contents, row.captionName);
        ui.*row.caption = caption;
        captions->addWidget(caption, r, 0, 1, 1);
        captions->setRowStretch(r, 1);
    }
    table->addLayout(captions, 0, 0, 1, 1);

    QGridLayout *buttons = makeLayout<QGridLayout>(side.buttonLayoutName, 6);
    ui.*side.buttonLayout = buttons;
    for (int r = 0; r < 8; ++r) {
        const ArcRow &row = side.rows[r];
        auto *group = new QButtonGroup(window);
        group->setObjectName(QString::fromLatin1(row.groupName));
        ui.*row.group = group;
        ui.arcGroups[side.firstGroup + r] = group;
        int c = 0;
        for (auto pair : {std::make_pair(row.lowName, row.low), std::make_pair(row.highName, row.high)}) {
            QRadioButton *button = make<QRadioButton>(contents, pair.first);
            button->setEnabled(false); // display only
            button->setCheckable(true);
            group->addButton(button);
            ui.*pair.second = button;
            buttons->addWidget(button, r, c++, 1, 1);
        }
        (ui.*side.lowButtons)[r] = ui.*row.low;
        (ui.*side.highButtons)[r] = ui.*row.high;
    }
    table->addLayout(buttons, 0, 1, 1, 1);
    sideLayout->addLayout(table, 0, 0, 1, 2);

    QLabel *caption = make<QLabel>(contents, side.analogCaptionName);
    ui.*side.analogCaption = caption;
    sideLayout->addWidget(caption, 1, 0, 1, 1);
    QLabel *low = make<QLabel>(contents, side.analog0104Name);
    ui.*side.analog0104 = low;
    sideLayout->addWidget(low, 1, 1, 1, 1);
    QLabel *high = make<QLabel>(contents, side.analog0508Name);
    ui.*side.analog0508 = high;
    sideLayout->addWidget(high, 2, 1, 1, 1);

    area->setWidget(contents);
    ui.gridLayout_33->addWidget(area, 0, column, 1, 1);
}

} // namespace

void FormTables::setupArcPage(VelloranClass &ui, QWidget *window)
{
    QWidget *page = ui.arcsio;
    QGridLayout *pageLayout = ui.gridLayout_34;
    pageLayout->addItem(new QSpacerItem(17, 17, QSizePolicy::Minimum, QSizePolicy::Fixed), 0, 0, 1, 1);
    ui.label_18 = make<QLabel>(page, "label_18");
    ui.label_18->setAlignment(Qt::AlignCenter);
    pageLayout->addWidget(ui.label_18, 1, 0, 1, 1);
    ui.label_42 = make<QLabel>(page, "label_42");
    ui.label_42->setAlignment(Qt::AlignCenter);
    pageLayout->addWidget(ui.label_42, 1, 1, 1, 1);
    pageLayout->addItem(new QSpacerItem(17, 17, QSizePolicy::Minimum, QSizePolicy::Fixed), 2, 0, 1, 1);
    ui.gridLayout_33 = makeLayout<QGridLayout>("gridLayout_33", 6);
    setupArcSide(ui, window, arcSides[0], 0);
    setupArcSide(ui, window, arcSides[1], 1);
    pageLayout->addLayout(ui.gridLayout_33, 3, 0, 1, 2);
}

void FormTables::setupStatisticsPage(VelloranClass &ui, QWidget *)
{
    ui.tableWidget_2 = make<QTableWidget>(ui.statistics, "tableWidget_2");
    setupTable(ui.tableWidget_2, statisticsColumns, 3);
    ui.gridLayout_8->addWidget(ui.tableWidget_2, 0, 0, 1, 1);
}

void FormTables::setupErrorPage(VelloranClass &ui, QWidget *)
{
    ui.scrollArea_5 = makeScrollArea(ui.error, "scrollArea_5", ui.scrollAreaWidgetContents_5,
                                     "scrollAreaWidgetContents_5", 1135, 305);
    ui.scrollArea_5->setStyleSheet(QString::fromLatin1(kWhiteBackground));
    QWidget *contents = ui.scrollAreaWidgetContents_5;
    ui.gridLayout_19 = makeLayout<QGridLayout>(contents, "gridLayout_19", 6, 11);
    ui.gridLayout_18 = makeLayout<QGridLayout>("gridLayout_18", 6);
    QGridLayout *grid = ui.gridLayout_18;
    const auto spacer = [] { return new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Expanding); };
    const Qt::Alignment leftTop = Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop;

    ui.label_13 = make<QLabel>(contents, "label_13");
    grid->addWidget(ui.label_13, 0, 0, 1, 1);
    ui.ErrorCode = make<QLabel>(contents, "ErrorCode");
    grid->addWidget(ui.ErrorCode, 0, 1, 1, 1);
    grid->addItem(spacer(), 1, 0, 1, 1);

    ui.label_14 = make<QLabel>(contents, "label_14");
    grid->addWidget(ui.label_14, 2, 0, 1, 1);
    ui.Message = make<QLabel>(contents, "Message");
    ui.Message->setAlignment(leftTop);
    grid->addWidget(ui.Message, 2, 1, 1, 1);
    grid->addItem(spacer(), 3, 0, 1, 1);

    ui.label_15 = make<QLabel>(contents, "label_15");
    grid->addWidget(ui.label_15, 4, 0, 1, 1);
    ui.Cause = make<QLabel>(contents, "Cause");
    ui.Cause->setLineWidth(1);
    ui.Cause->setTextFormat(Qt::RichText);
    ui.Cause->setAlignment(leftTop);
    ui.Cause->setWordWrap(true);
    grid->addWidget(ui.Cause, 4, 1, 1, 1);
    grid->addItem(spacer(), 5, 0, 1, 1);

    ui.label_16 = make<QLabel>(contents, "label_16");
    ui.label_16->setAlignment(leftTop);
    grid->addWidget(ui.label_16, 6, 0, 1, 1);
    ui.Remedy = make<QTextEdit>(contents, "Remedy");
    ui.Remedy->setMaximumSize(QSize(kNoLimit, 150));
    ui.Remedy->setFrameShape(QFrame::NoFrame);
    ui.Remedy->setReadOnly(true);
    grid->addWidget(ui.Remedy, 6, 1, 1, 1);

    ui.gridLayout_19->addLayout(grid, 0, 0, 1, 1);
    ui.scrollArea_5->setWidget(contents);
    ui.gridLayout_17->addWidget(ui.scrollArea_5, 0, 0, 1, 1);
}

void FormTables::setupMchPage(VelloranClass &ui, QWidget *)
{
    ui.treeWidget = make<QTreeWidget>(ui.mch, "treeWidget");
    ui.treeWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.gridLayout_9->addWidget(ui.treeWidget, 0, 0, 1, 1);
}

void FormTables::setupInfPage(VelloranClass &ui, QWidget *)
{
    ui.treeWidget_2 = make<QTreeWidget>(ui.inf, "treeWidget_2");
    ui.gridLayout_10->addWidget(ui.treeWidget_2, 0, 0, 2, 1);
    ui.label_17 = make<QLabel>(ui.inf, "label_17");
    ui.gridLayout_10->addWidget(ui.label_17, 0, 1, 1, 1);
    ui.tableWidget_3 = make<QTableWidget>(ui.inf, "tableWidget_3");
    ui.gridLayout_10->addWidget(ui.tableWidget_3, 1, 1, 1, 1);
}

void FormTables::setupConPage(VelloranClass &ui, QWidget *)
{
    ui.treeWidget_3 = make<QTreeWidget>(ui.con, "treeWidget_3");
    ui.treeWidget_3->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.gridLayout_11->addWidget(ui.treeWidget_3, 0, 0, 1, 1);
}

void FormTables::setupOprPage(VelloranClass &ui, QWidget *)
{
    QWidget *page = ui.opr;

    ui.horizontalLayout_8 = makeLayout<QHBoxLayout>("horizontalLayout_8", 6);
    const std::pair<QLabel *VelloranClass::*, const char *> menuLabels[] = {
        {&VelloranClass::Menu, "Menu"},   {&VelloranClass::Menu1, "Menu1"}, {&VelloranClass::Menu2, "Menu2"},
        {&VelloranClass::Menu3, "Menu3"}, {&VelloranClass::Menu4, "Menu4"},
    };
    for (const auto &menu : menuLabels) {
        QLabel *label = make<QLabel>(page, menu.second);
        ui.*menu.first = label;
        ui.horizontalLayout_8->addWidget(label);
    }
    ui.gridLayout_26->addLayout(ui.horizontalLayout_8, 0, 0, 1, 1);

    ui.horizontalLayout_7 = makeLayout<QHBoxLayout>("horizontalLayout_7", 6);
    ui.treeWidget_4 = make<QTreeWidget>(page, "treeWidget_4");
    ui.treeWidget_4->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui.horizontalLayout_7->addWidget(ui.treeWidget_4);

    ui.textEdit = make<QTextEdit>(page, "textEdit");
    QSizePolicy expanding(QSizePolicy::Expanding, QSizePolicy::Expanding);
    expanding.setHorizontalStretch(0);
    expanding.setVerticalStretch(0);
    expanding.setHeightForWidth(ui.textEdit->sizePolicy().hasHeightForWidth());
    ui.textEdit->setSizePolicy(expanding);
    ui.textEdit->setMinimumSize(QSize(0, 0));
    ui.textEdit->setAutoFormatting(QTextEdit::AutoNone);
    ui.textEdit->setLineWrapColumnOrWidth(0);
    ui.horizontalLayout_7->addWidget(ui.textEdit);

    ui.verticalLayout_5 = makeLayout<QVBoxLayout>("verticalLayout_5", 6);
    ui.verticalLayout_4 = makeLayout<QVBoxLayout>("verticalLayout_4", 6);
    ui.gridLayout_20 = makeLayout<QGridLayout>("gridLayout_20", 6);
    for (const GridLabel &cell : flagLabels) {
        QLabel *label = make<QLabel>(page, cell.name);
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
        ui.*cell.field = label;
        ui.gridLayout_20->addWidget(label, cell.row, cell.column, 1, 1);
    }
    ui.verticalLayout_4->addLayout(ui.gridLayout_20);
    ui.verticalLayout_4->addItem(new QSpacerItem(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed));
    ui.horizontalLayout_5 = makeLayout<QHBoxLayout>("horizontalLayout_5", 6);
    ui.ModeS = make<QLabel>(page, "ModeS");
    ui.horizontalLayout_5->addWidget(ui.ModeS);
    ui.horizontalLayout_5->addItem(new QSpacerItem(120, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    ui.key = make<QLabel>(page, "key");
    ui.key->setFrameShape(QFrame::Box);
    ui.key->setAlignment(Qt::AlignCenter);
    ui.horizontalLayout_5->addWidget(ui.key);
    ui.verticalLayout_4->addLayout(ui.horizontalLayout_5);
    ui.verticalLayout_5->addLayout(ui.verticalLayout_4);

    ui.verticalLayout_5->addItem(new QSpacerItem(20, 100, QSizePolicy::Minimum, QSizePolicy::Fixed));

    ui.horizontalLayout_6 = makeLayout<QHBoxLayout>("horizontalLayout_6", 6);
    ui.save = make<QPushButton>(page, "save");
    ui.horizontalLayout_6->addWidget(ui.save);
    ui.horizontalLayout_6->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    ui.verticalLayout_5->addLayout(ui.horizontalLayout_6);
    ui.verticalLayout_5->setStretch(0, 3);
    ui.verticalLayout_5->setStretch(1, 1);
    ui.horizontalLayout_7->addLayout(ui.verticalLayout_5);

    ui.horizontalLayout_7->setStretch(0, 2);
    ui.horizontalLayout_7->setStretch(1, 6);
    ui.horizontalLayout_7->setStretch(2, 3);
    ui.gridLayout_26->addLayout(ui.horizontalLayout_7, 1, 0, 1, 1);
}

namespace {

void setupTabs(VelloranClass &ui, QWidget *window)
{
    ui.tabWidget = make<QTabWidget>(window, "tabWidget");
    ui.tabWidget->setMovable(false);
    ui.tabWidget->setTabBarAutoHide(false);

    for (const TabPage &tab : tabPages) {
        auto *page = new QWidget();
        page->setObjectName(QString::fromLatin1(tab.pageName));
        ui.*tab.page = page;
        ui.*tab.layout = makeLayout<QGridLayout>(page, tab.layoutName, 6, 11);
        tab.setup(ui, window);

        ui.tabWidget->addTab(page, QString());
    }
    ui.verticalLayout_2->addWidget(ui.tabWidget);
}

} // namespace

void VelloranClass::setupUi(QWidget *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("VelloranClass"));
    window->setEnabled(true);
    window->resize(1181, 790);
    gridLayout_3 = makeLayout<QGridLayout>(window, "gridLayout_3", 6, 11);
    verticalLayout_2 = makeLayout<QVBoxLayout>("verticalLayout_2", 6);

    setupTopBar(*this, window);
    setupRecordRow(*this, window);
    setupButtonRow(*this, window);
    setupTabs(*this, window);

    gridLayout_3->addLayout(verticalLayout_2, 0, 0, 1, 1);

    retranslateUi(window);

    error_code->setDefault(false);
    program->setDefault(false);
    tabWidget->setCurrentIndex(0);

    QMetaObject::connectSlotsByName(window);
}

void VelloranClass::retranslateUi(QWidget *window)
{
    window->setWindowTitle(QCoreApplication::translate("VelloranClass", "Velloran"));

    // Top bar.
    open_file->setText(QCoreApplication::translate("VelloranClass", "Open File"));
    kav->setText(QCoreApplication::translate("VelloranClass", "Kav"));
    lum_luma->setText(QCoreApplication::translate("VelloranClass", "Lum/Luma"));
    comboBox->clear();
    comboBox->insertItems(0, QStringList() << QCoreApplication::translate("VelloranClass", "한국어")
                                           << QCoreApplication::translate("VelloranClass", "English")
                                           << QCoreApplication::translate("VelloranClass", "中國語"));
    ManualButton->setText(QString());
    InformationButton->setText(QString());

    // Record row.
    for (int c = 0; c < 27; ++c)
        tableWidget->horizontalHeaderItem(c)->setText(translated(recordColumns[c].header));
    groupBox->setTitle(QCoreApplication::translate("VelloranClass", "Details"));
    for (int i = 0; i < 15; ++i) {
        const DetailRow &row = detailRows[i];
        (this->*row.caption)->setText(translated(row.text));
        if (row.valueButton)
            (this->*row.valueButton)->setText(translated(row.text));
        else
            (this->*row.valueLabel)->setText(translated(row.text));
    }

    history->setText(QCoreApplication::translate("VelloranClass", "HISTORY.TXT"));

    for (const TabPage &tab : tabPages)
        tabWidget->setTabText(tabWidget->indexOf(this->*tab.page), translated(tab.tabText));

    // System input and output.
    for (const IndicatorPage *indicators : {&systemInputPage, &systemOutputPage})
        for (int i = 0; i < indicators->labelCount; ++i)
            (this->*indicators->labels[i].field)->setText(translated(indicators->labels[i].text));

    // General I/O: every box shows its own name.
    label_11->setText(QCoreApplication::translate("VelloranClass", "General Digital Input(DI1 ~ DI256)"));
    label_12->setText(QCoreApplication::translate("VelloranClass", "General Digital Output(DO1 ~ DO256)"));
    for (int i = 0; i < generalIoCount; ++i) {
        DI[i]->setText(DI[i]->objectName());
        DO[i]->setText(DO[i]->objectName());
    }

    // Arc signals.
    label_18->setText(QCoreApplication::translate("VelloranClass", "Arc Input Signal"));
    label_42->setText(QCoreApplication::translate("VelloranClass", "Arc Output Signal"));
    for (const ArcSide &side : arcSides) {
        for (int r = 0; r < 8; ++r) {
            const ArcRow &row = side.rows[r];
            (this->*row.caption)->setText(translated(row.captionText));
            (this->*row.low)->setText(translated(arcLowText));
            (this->*row.high)->setText(translated(arcHighText));
        }
        (this->*side.analogCaption)->setText(translated(analogCaptionText));
        (this->*side.analog0104)->setText(translated(analog0104Text));
        (this->*side.analog0508)->setText(translated(analog0508Text));
    }

    // Statistics.
    for (int c = 0; c < 3; ++c)
        tableWidget_2->horizontalHeaderItem(c)->setText(translated(statisticsColumns[c].header));

    // Error.
    label_13->setText(QCoreApplication::translate("VelloranClass", "Error Code"));
    ErrorCode->setText(QCoreApplication::translate("VelloranClass", "Error Code"));
    label_14->setText(QCoreApplication::translate("VelloranClass", "Message"));
    Message->setText(QCoreApplication::translate("VelloranClass", "Message"));
    label_15->setText(QCoreApplication::translate("VelloranClass", "Cause"));
    Cause->setText(QCoreApplication::translate("VelloranClass", "Cause"));
    label_16->setText(QCoreApplication::translate("VelloranClass", "Remedy"));
    Remedy->setHtml(QCoreApplication::translate(
        "VelloranClass",
        "<html><head><meta name=\"qrichtext\" content=\"1\" /></head>"
        "<body style=\" font-family:'Gulim'; font-size:9pt; font-weight:400; font-style:normal;\">"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;"
        " -qt-block-indent:0; text-indent:0px;\">Remedy</p></body></html>"));

    // Controller data files.
    treeWidget->headerItem()->setText(0, QCoreApplication::translate("VelloranClass", "name"));
    treeWidget_2->headerItem()->setText(0, QCoreApplication::translate("VelloranClass", "name"));
    label_17->setText(QCoreApplication::translate("VelloranClass", "System Characteristic Data"));
    treeWidget_3->headerItem()->setText(0, QCoreApplication::translate("VelloranClass", "name"));

    // Operation history.
    Menu->setText(QCoreApplication::translate("VelloranClass", "Menu"));
    Menu1->setText(QString());
    Menu2->setText(QString());
    Menu3->setText(QString());
    Menu4->setText(QString());
    treeWidget_4->headerItem()->setText(0, QCoreApplication::translate("VelloranClass", "Date/Time"));
    for (const GridLabel &cell : flagLabels)
        (this->*cell.field)->setText(translated(cell.text));
    ModeS->setText(QCoreApplication::translate("VelloranClass", "ModeSel"));
    key->setText(QCoreApplication::translate("VelloranClass", "Key"));
    save->setText(QCoreApplication::translate("VelloranClass", "SAVE"));
}
