#include "app/velloranform.h"

#include "app/formtables.h"
#include "log/recordcolumns.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QMetaObject>
#include <QSpacerItem>

#include <utility>

// A widget or layout is named once: W(open_file) stands for its object name
// and the member that holds it, "open_file", &VelloranClass::open_file.
#define W(member) #member, &VelloranClass::member

namespace {

using namespace FormTables;

constexpr int kNoLimit = QWIDGETSIZE_MAX;

QString translated(const char *text)
{
    return QCoreApplication::translate(FormTables::context, text);
}

// A widget of the form, made on parent, named and kept in its member.
template <typename T>
T *place(VelloranClass &ui, QWidget *parent, const char *name, T *VelloranClass::*member)
{
    auto *w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    ui.*member = w;
    return w;
}

// A layout of the form, kept in its member: the layout of owner, or without
// an owner one to be nested in another layout.
template <typename L>
L *placeLayout(VelloranClass &ui, QWidget *owner, const char *name, L *VelloranClass::*member, int spacing,
               int margins = 0)
{
    L *l = owner ? new L(owner) : new L();
    l->setSpacing(spacing);
    l->setContentsMargins(margins, margins, margins, margins);
    l->setObjectName(QString::fromLatin1(name));
    ui.*member = l;
    return l;
}

// The scroll area of a row, its contents widget and the contents' layout.
struct Scroll
{
    QScrollArea *area;
    QWidget *contents;
    QGridLayout *layout;
};

Scroll placeScrollGrid(VelloranClass &ui, QWidget *parent, const ScrollGrid &row)
{
    QScrollArea *area = place(ui, parent, row.areaName, row.area);
    area->setWidgetResizable(true);
    QWidget *contents = place(ui, nullptr, row.contentsName, row.contents);
    contents->setGeometry(QRect(0, 0, row.contentsWidth, row.contentsHeight));
    return {area, contents, placeLayout(ui, contents, row.layoutName, row.layout, 6, 11)};
}

// The contents go into the area once they are complete; the area into the
// page's grid.
void addScroll(const Scroll &scroll, QGridLayout *into, int row, int column)
{
    scroll.area->setWidget(scroll.contents);
    into->addWidget(scroll.area, row, column, 1, 1);
}

QLabel *boxed(QLabel *label)
{
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QTreeWidget *readOnly(QTreeWidget *tree)
{
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return tree;
}

const char *const kWhiteBackground = "background-color: rgb(255, 255, 255);";

void setupTopBar(VelloranClass &ui, QWidget *window)
{
    QHBoxLayout *bar = placeLayout(ui, nullptr, W(horizontalLayout), 6);
    place(ui, window, W(open_file))->setMinimumSize(QSize(0, 32));
    bar->addWidget(ui.open_file);
    bar->addWidget(place(ui, window, W(file_add)));
    bar->addWidget(place(ui, window, W(kav)));
    place(ui, window, W(lum_luma))->setChecked(true);
    bar->addWidget(ui.lum_luma);
    bar->addWidget(place(ui, window, W(comboBox)));
    // Icons by bare file name: looked up in the working directory.
    const auto addIconButton = [&](const char *name, QPushButton *VelloranClass::*member, const char *icon) {
        QPushButton *button = place(ui, window, name, member);
        button->setIcon(QIcon(QString::fromLatin1(icon)));
        button->setIconSize(QSize(20, 20));
        bar->addWidget(button);
    };
    addIconButton(W(ManualButton), "bookmark.png");
    addIconButton(W(InformationButton), "information.png");
    ui.verticalLayout_2->addLayout(bar);
}

template <std::size_t N>
void setupTable(QTableWidget *table, const Column (&columns)[N])
{
    const int count = static_cast<int>(N);
    table->setColumnCount(count);
    for (int c = 0; c < count; ++c)
        table->setHorizontalHeaderItem(c, new QTableWidgetItem());
    table->setRowCount(10);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int c = 0; c < count; ++c)
        table->setColumnWidth(c, columns[c].width);
}

template <std::size_t N>
void translateHeaders(QTableWidget *table, const Column (&columns)[N])
{
    for (int c = 0; c < static_cast<int>(N); ++c)
        table->horizontalHeaderItem(c)->setText(translated(columns[c].header));
}

void setupDetails(VelloranClass &ui, QWidget *window)
{
    QGroupBox *group = place(ui, window, W(groupBox));
    placeLayout(ui, group, W(gridLayout_12), 6, 11);
    placeLayout(ui, nullptr, W(horizontalLayout_3), 6);

    placeLayout(ui, nullptr, W(verticalLayout), 6);
    for (int i = 0; i < 15; ++i) {
        const DetailRow &row = detailRows[i];
        QLabel *caption = place(ui, group, row.captionName, row.caption);
        ui.detailCaptions[i] = caption;
        ui.verticalLayout->addWidget(caption);
    }
    ui.horizontalLayout_3->addLayout(ui.verticalLayout);

    placeLayout(ui, nullptr, W(verticalLayout_3), 6);
    for (int i = 0; i < 15; ++i) {
        const DetailRow &row = detailRows[i];
        QWidget *value;
        if (row.valueButton) {
            QPushButton *button = place(ui, group, row.valueName, row.valueButton);
            button->setStyleSheet(QString::fromUtf8(detailLinkStyle));
            button->setAutoDefault(false);
            button->setDefault(false);
            button->setFlat(true);
            if (row.iconSize)
                button->setIconSize(QSize(row.iconSize, row.iconSize));
            value = button;
        } else {
            QLabel *label = place(ui, group, row.valueName, row.valueLabel);
            label->setStyleSheet(QString::fromUtf8(detailValueStyle));
            label->setAlignment(row.alignment);
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
    QHBoxLayout *recordRow = placeLayout(ui, nullptr, W(horizontalLayout_2), 6);
    QTableWidget *table = place(ui, window, W(tableWidget));
    setupTable(table, recordColumns);
    table->setMinimumSize(QSize(0, 0));
    table->setSortingEnabled(false);
    recordRow->addWidget(table);
    setupDetails(ui, window);
    recordRow->addWidget(ui.groupBox);
    recordRow->setStretch(0, 8);
    recordRow->setStretch(1, 2);
    ui.verticalLayout_2->addLayout(recordRow);
}

void setupButtonRow(VelloranClass &ui, QWidget *window)
{
    QHBoxLayout *buttonRow = placeLayout(ui, nullptr, W(horizontalLayout_4), 6);
    buttonRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    buttonRow->addWidget(place(ui, window, W(history)));
    ui.verticalLayout_2->addLayout(buttonRow);
}

void setupIndicatorPage(VelloranClass &ui, QWidget *page, QGridLayout *pageLayout, const IndicatorPage &desc,
                        QLabel **labels)
{
    const Scroll scroll = placeScrollGrid(ui, page, desc.scroll);
    scroll.area->setStyleSheet(QString::fromLatin1(kWhiteBackground));
    QGridLayout *grid = placeLayout(ui, nullptr, desc.gridName, desc.grid, 6);
    for (int i = 0; i < desc.labelCount; ++i) {
        const GridLabel &cell = desc.labels[i];
        QLabel *label = boxed(place(ui, scroll.contents, cell.name, cell.field));
        label->setMinimumSize(QSize(0, 20));
        labels[i] = label;
        grid->addWidget(label, cell.row, cell.column, 1, 1);
    }
    scroll.layout->addLayout(grid, 0, 0, 1, 1);
    addScroll(scroll, pageLayout, 0, 0);
}

// The 256 display-only boxes of one side of the General I/O page, eight to a
// row, each named after its signal.
template <typename Prepare>
void placeGeneralIoBoxes(QWidget *contents, QGridLayout *grid, const char *prefix, QCheckBox **boxes,
                         Prepare prepare)
{
    QFont font;
    font.setPointSize(9);
    // A group that is not exclusive: a box being unchecked then asks the group
    // which box is checked, instead of looking through every box of the page.
    auto *group = new QButtonGroup(contents);
    group->setExclusive(false);
    for (int i = 0; i < generalIoCount; ++i) {
        auto *box = new QCheckBox(contents);
        group->addButton(box);
        box->setObjectName(QString::fromLatin1(prefix) + QString::number(i + 1));
        box->setEnabled(false); // display only
        box->setMinimumSize(QSize(0, 40));
        box->setFont(font);
        box->setCheckable(true);
        prepare(box);
        boxes[i] = box;
        grid->addWidget(box, i / generalIoColumns, i % generalIoColumns, 1, 1);
    }
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
    pageLayout->addWidget(place(ui, page, W(label_11)), 0, 0, 1, 1);
    pageLayout->addWidget(place(ui, page, W(label_12)), 0, 1, 1, 1);

    const Scroll inputs =
        placeScrollGrid(ui, page, {W(scrollArea), W(scrollAreaWidgetContents), 547, 1393, W(gridLayout_4)});
    QFont kerned;
    kerned.setKerning(true);
    inputs.area->setFont(kerned);
    inputs.area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    inputs.area->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    QGridLayout *inputGrid = placeLayout(ui, nullptr, W(DI_Layout), 3, 0);
    placeGeneralIoBoxes(inputs.contents, inputGrid, "DI", ui.DI,
                        [](QCheckBox *box) { box->setIconSize(QSize(16, 16)); });
    inputs.layout->addLayout(inputGrid, 0, 0, 1, 1);
    addScroll(inputs, pageLayout, 1, 0);

    const Scroll outputs =
        placeScrollGrid(ui, page, {W(scrollArea_2), W(scrollAreaWidgetContents_2), 546, 1486, W(gridLayout_13)});
    outputs.area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    outputs.area->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    QGridLayout *outputGrid = placeLayout(ui, nullptr, W(gridLayout_5), 6);
    placeGeneralIoBoxes(outputs.contents, outputGrid, "DO", ui.DO, [](QCheckBox *box) { box->setChecked(false); });
    outputs.layout->addLayout(outputGrid, 0, 0, 1, 1);
    addScroll(outputs, pageLayout, 1, 1);
}

namespace {

void setupArcSide(VelloranClass &ui, QWidget *window, const ArcSide &side, int column)
{
    const Scroll scroll = placeScrollGrid(ui, ui.arcsio, side.scroll);
    QWidget *contents = scroll.contents;
    QGridLayout *table = placeLayout(ui, nullptr, side.tableLayoutName, side.tableLayout, 6);

    QGridLayout *captions = placeLayout(ui, nullptr, side.captionLayoutName, side.captionLayout, 6, 0);
    for (int r = 0; r < 8; ++r) {
        const ArcRow &row = side.rows[r];
        captions->addWidget(place(ui, contents, row.captionName, row.caption), r, 0, 1, 1);
        captions->setRowStretch(r, 1);
    }
    table->addLayout(captions, 0, 0, 1, 1);

    QGridLayout *buttons = placeLayout(ui, nullptr, side.buttonLayoutName, side.buttonLayout, 6);
    for (int r = 0; r < 8; ++r) {
        const ArcRow &row = side.rows[r];
        QButtonGroup *group = place(ui, window, row.groupName, row.group);
        ui.arcGroups[side.firstGroup + r] = group;
        int c = 0;
        for (auto pair : {std::make_pair(row.lowName, row.low), std::make_pair(row.highName, row.high)}) {
            QRadioButton *button = place(ui, contents, pair.first, pair.second);
            button->setEnabled(false); // display only
            button->setCheckable(true);
            group->addButton(button);
            buttons->addWidget(button, r, c++, 1, 1);
        }
        (ui.*side.lowButtons)[r] = ui.*row.low;
        (ui.*side.highButtons)[r] = ui.*row.high;
    }
    table->addLayout(buttons, 0, 1, 1, 1);
    scroll.layout->addLayout(table, 0, 0, 1, 2);

    scroll.layout->addWidget(place(ui, contents, side.analogCaptionName, side.analogCaption), 1, 0, 1, 1);
    scroll.layout->addWidget(place(ui, contents, side.analog0104Name, side.analog0104), 1, 1, 1, 1);
    scroll.layout->addWidget(place(ui, contents, side.analog0508Name, side.analog0508), 2, 1, 1, 1);

    addScroll(scroll, ui.gridLayout_33, 0, column);
}

} // namespace

void FormTables::setupArcPage(VelloranClass &ui, QWidget *window)
{
    QWidget *page = ui.arcsio;
    QGridLayout *pageLayout = ui.gridLayout_34;
    pageLayout->addItem(new QSpacerItem(17, 17, QSizePolicy::Minimum, QSizePolicy::Fixed), 0, 0, 1, 1);
    place(ui, page, W(label_18))->setAlignment(Qt::AlignCenter);
    pageLayout->addWidget(ui.label_18, 1, 0, 1, 1);
    place(ui, page, W(label_42))->setAlignment(Qt::AlignCenter);
    pageLayout->addWidget(ui.label_42, 1, 1, 1, 1);
    pageLayout->addItem(new QSpacerItem(17, 17, QSizePolicy::Minimum, QSizePolicy::Fixed), 2, 0, 1, 1);
    placeLayout(ui, nullptr, W(gridLayout_33), 6);
    setupArcSide(ui, window, arcSides[0], 0);
    setupArcSide(ui, window, arcSides[1], 1);
    pageLayout->addLayout(ui.gridLayout_33, 3, 0, 1, 2);
}

void FormTables::setupStatisticsPage(VelloranClass &ui, QWidget *)
{
    QTableWidget *table = place(ui, ui.statistics, W(tableWidget_2));
    setupTable(table, statisticsColumns);
    ui.gridLayout_8->addWidget(table, 0, 0, 1, 1);
}

void FormTables::setupErrorPage(VelloranClass &ui, QWidget *)
{
    const Scroll scroll =
        placeScrollGrid(ui, ui.error, {W(scrollArea_5), W(scrollAreaWidgetContents_5), 1135, 305, W(gridLayout_19)});
    scroll.area->setStyleSheet(QString::fromLatin1(kWhiteBackground));
    QWidget *contents = scroll.contents;
    QGridLayout *grid = placeLayout(ui, nullptr, W(gridLayout_18), 6);
    const auto gap = [] { return new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Expanding); };
    const Qt::Alignment leftTop = Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop;

    grid->addWidget(place(ui, contents, W(label_13)), 0, 0, 1, 1);
    grid->addWidget(place(ui, contents, W(ErrorCode)), 0, 1, 1, 1);
    grid->addItem(gap(), 1, 0, 1, 1);

    grid->addWidget(place(ui, contents, W(label_14)), 2, 0, 1, 1);
    place(ui, contents, W(Message))->setAlignment(leftTop);
    grid->addWidget(ui.Message, 2, 1, 1, 1);
    grid->addItem(gap(), 3, 0, 1, 1);

    grid->addWidget(place(ui, contents, W(label_15)), 4, 0, 1, 1);
    QLabel *cause = place(ui, contents, W(Cause));
    cause->setLineWidth(1);
    cause->setTextFormat(Qt::RichText);
    cause->setAlignment(leftTop);
    cause->setWordWrap(true);
    grid->addWidget(cause, 4, 1, 1, 1);
    grid->addItem(gap(), 5, 0, 1, 1);

    place(ui, contents, W(label_16))->setAlignment(leftTop);
    grid->addWidget(ui.label_16, 6, 0, 1, 1);
    QTextEdit *remedy = place(ui, contents, W(Remedy));
    remedy->setMaximumSize(QSize(kNoLimit, 150));
    remedy->setFrameShape(QFrame::NoFrame);
    remedy->setReadOnly(true);
    grid->addWidget(remedy, 6, 1, 1, 1);

    scroll.layout->addLayout(grid, 0, 0, 1, 1);
    addScroll(scroll, ui.gridLayout_17, 0, 0);
}

void FormTables::setupMchPage(VelloranClass &ui, QWidget *)
{
    ui.gridLayout_9->addWidget(readOnly(place(ui, ui.mch, W(treeWidget))), 0, 0, 1, 1);
}

void FormTables::setupInfPage(VelloranClass &ui, QWidget *)
{
    ui.gridLayout_10->addWidget(place(ui, ui.inf, W(treeWidget_2)), 0, 0, 2, 1);
    ui.gridLayout_10->addWidget(place(ui, ui.inf, W(label_17)), 0, 1, 1, 1);
    ui.gridLayout_10->addWidget(place(ui, ui.inf, W(tableWidget_3)), 1, 1, 1, 1);
}

void FormTables::setupConPage(VelloranClass &ui, QWidget *)
{
    ui.gridLayout_11->addWidget(readOnly(place(ui, ui.con, W(treeWidget_3))), 0, 0, 1, 1);
}

void FormTables::setupOprPage(VelloranClass &ui, QWidget *)
{
    QWidget *page = ui.opr;

    QHBoxLayout *menuRow = placeLayout(ui, nullptr, W(horizontalLayout_8), 6);
    const std::pair<const char *, QLabel *VelloranClass::*> menuLabels[] = {
        {W(Menu)}, {W(Menu1)}, {W(Menu2)}, {W(Menu3)}, {W(Menu4)},
    };
    for (const auto &menu : menuLabels)
        menuRow->addWidget(place(ui, page, menu.first, menu.second));
    ui.gridLayout_26->addLayout(menuRow, 0, 0, 1, 1);

    QHBoxLayout *panes = placeLayout(ui, nullptr, W(horizontalLayout_7), 6);
    panes->addWidget(readOnly(place(ui, page, W(treeWidget_4))));

    QTextEdit *text = place(ui, page, W(textEdit));
    QSizePolicy expanding(QSizePolicy::Expanding, QSizePolicy::Expanding);
    expanding.setHorizontalStretch(0);
    expanding.setVerticalStretch(0);
    expanding.setHeightForWidth(text->sizePolicy().hasHeightForWidth());
    text->setSizePolicy(expanding);
    text->setMinimumSize(QSize(0, 0));
    text->setAutoFormatting(QTextEdit::AutoNone);
    text->setLineWrapColumnOrWidth(0);
    panes->addWidget(text);

    QVBoxLayout *side = placeLayout(ui, nullptr, W(verticalLayout_5), 6);
    QVBoxLayout *state = placeLayout(ui, nullptr, W(verticalLayout_4), 6);
    QGridLayout *flags = placeLayout(ui, nullptr, W(gridLayout_20), 6);
    for (const GridLabel &cell : flagLabels)
        flags->addWidget(boxed(place(ui, page, cell.name, cell.field)), cell.row, cell.column, 1, 1);
    state->addLayout(flags);
    state->addItem(new QSpacerItem(20, 5, QSizePolicy::Minimum, QSizePolicy::Fixed));
    QHBoxLayout *mode = placeLayout(ui, nullptr, W(horizontalLayout_5), 6);
    mode->addWidget(place(ui, page, W(ModeS)));
    mode->addItem(new QSpacerItem(120, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    mode->addWidget(boxed(place(ui, page, W(key))));
    state->addLayout(mode);
    side->addLayout(state);

    side->addItem(new QSpacerItem(20, 100, QSizePolicy::Minimum, QSizePolicy::Fixed));

    QHBoxLayout *saveRow = placeLayout(ui, nullptr, W(horizontalLayout_6), 6);
    saveRow->addWidget(place(ui, page, W(save)));
    saveRow->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    side->addLayout(saveRow);
    side->setStretch(0, 3);
    side->setStretch(1, 1);
    panes->addLayout(side);

    panes->setStretch(0, 2);
    panes->setStretch(1, 6);
    panes->setStretch(2, 3);
    ui.gridLayout_26->addLayout(panes, 1, 0, 1, 1);
}

namespace {

void setupTabs(VelloranClass &ui, QWidget *window)
{
    QTabWidget *tabs = place(ui, window, W(tabWidget));
    tabs->setMovable(false);
    tabs->setTabBarAutoHide(false);

    for (const TabPage &tab : tabPages) {
        QWidget *page = place(ui, nullptr, tab.pageName, tab.page);
        placeLayout(ui, page, tab.layoutName, tab.layout, 6, 11);
        tab.setup(ui, window);
        tabs->addTab(page, QString());
    }
    ui.verticalLayout_2->addWidget(tabs);
}

} // namespace

void VelloranClass::setupUi(QWidget *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("VelloranClass"));
    window->setEnabled(true);
    window->resize(1181, 790);
    placeLayout(*this, window, W(gridLayout_3), 6, 11);
    placeLayout(*this, nullptr, W(verticalLayout_2), 6);

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

// Every text goes through translated(); a literal is marked for lupdate with
// QT_TRANSLATE_NOOP where it stands.
void VelloranClass::retranslateUi(QWidget *window)
{
    window->setWindowTitle(translated(QT_TRANSLATE_NOOP("VelloranClass", "Velloran")));

    // Top bar.
    open_file->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "Open File")));
    kav->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "Kav")));
    lum_luma->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "Lum/Luma")));
    comboBox->clear();
    comboBox->insertItems(0, QStringList() << translated(QT_TRANSLATE_NOOP("VelloranClass", "한국어"))
                                           << translated(QT_TRANSLATE_NOOP("VelloranClass", "English"))
                                           << translated(QT_TRANSLATE_NOOP("VelloranClass", "中國語")));
    ManualButton->setText(QString());
    InformationButton->setText(QString());

    // Record row.
    translateHeaders(tableWidget, recordColumns);
    groupBox->setTitle(translated(QT_TRANSLATE_NOOP("VelloranClass", "Details")));
    for (const DetailRow &row : detailRows) {
        const QString text = translated(row.text);
        (this->*row.caption)->setText(text);
        if (row.valueButton)
            (this->*row.valueButton)->setText(text);
        else
            (this->*row.valueLabel)->setText(text);
    }

    history->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "HISTORY.TXT")));

    for (const TabPage &tab : tabPages)
        tabWidget->setTabText(tabWidget->indexOf(this->*tab.page), translated(tab.tabText));

    // System input and output.
    for (const IndicatorPage *indicators : {&systemInputPage, &systemOutputPage})
        for (int i = 0; i < indicators->labelCount; ++i)
            (this->*indicators->labels[i].field)->setText(translated(indicators->labels[i].text));

    // General I/O: every box shows its own name.
    label_11->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "General Digital Input(DI1 ~ DI256)")));
    label_12->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "General Digital Output(DO1 ~ DO256)")));
    for (int i = 0; i < generalIoCount; ++i) {
        DI[i]->setText(DI[i]->objectName());
        DO[i]->setText(DO[i]->objectName());
    }

    // Arc signals.
    label_18->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "Arc Input Signal")));
    label_42->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "Arc Output Signal")));
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
    translateHeaders(tableWidget_2, statisticsColumns);

    // Error: each value shows its caption until a record is chosen.
    const struct
    {
        QLabel *caption;
        QLabel *value;
        const char *text;
    } errorRows[] = {
        {label_13, ErrorCode, QT_TRANSLATE_NOOP("VelloranClass", "Error Code")},
        {label_14, Message, QT_TRANSLATE_NOOP("VelloranClass", "Message")},
        {label_15, Cause, QT_TRANSLATE_NOOP("VelloranClass", "Cause")},
    };
    for (const auto &row : errorRows) {
        const QString text = translated(row.text);
        row.caption->setText(text);
        row.value->setText(text);
    }
    label_16->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "Remedy")));
    Remedy->setHtml(translated(QT_TRANSLATE_NOOP(
        "VelloranClass",
        "<html><head><meta name=\"qrichtext\" content=\"1\" /></head>"
        "<body style=\" font-family:'Gulim'; font-size:9pt; font-weight:400; font-style:normal;\">"
        "<p style=\" margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px;"
        " -qt-block-indent:0; text-indent:0px;\">Remedy</p></body></html>")));

    // Controller data files.
    const QString name = translated(QT_TRANSLATE_NOOP("VelloranClass", "name"));
    treeWidget->headerItem()->setText(0, name);
    treeWidget_2->headerItem()->setText(0, name);
    label_17->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "System Characteristic Data")));
    treeWidget_3->headerItem()->setText(0, name);

    // Operation history.
    Menu->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "Menu")));
    for (QLabel *menu : {Menu1, Menu2, Menu3, Menu4})
        menu->setText(QString());
    treeWidget_4->headerItem()->setText(0, translated(QT_TRANSLATE_NOOP("VelloranClass", "Date/Time")));
    for (const GridLabel &cell : flagLabels)
        (this->*cell.field)->setText(translated(cell.text));
    ModeS->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "ModeSel")));
    key->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "Key")));
    save->setText(translated(QT_TRANSLATE_NOOP("VelloranClass", "SAVE")));
}

#undef W
