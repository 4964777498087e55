#pragma once
// The repeated widgets of the main window form as data. setupUi builds the
// widgets from these tables and retranslateUi takes their texts from the same
// rows, so a name, a place or a text is written down exactly once.
//
// A widget in a row is its object name followed by the member that holds it;
// the rows write the two at once with W(member), so that they cannot differ.
//
// Every text is a source text of the translation context "VelloranClass",
// marked with QT_TRANSLATE_NOOP for lupdate; Korean texts stand as UTF-8.
#include "log/recordcolumns.h"

#include <Qt>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QRadioButton;
class QWidget;
class VelloranClass;

namespace FormTables {

constexpr const char *context = "VelloranClass";

// A column of the record table or of the statistics table.
struct Column
{
    const char *header;
    int width;
};
extern const Column recordColumns[vlog::kRecordColumns];
extern const Column statisticsColumns[3];

// A row of the details group: caption label beside its value widget. The
// value is either a push button (a link to a further view) or a label; exactly
// one of valueButton / valueLabel is set.
struct DetailRow
{
    const char *captionName;
    QLabel *VelloranClass::*caption;
    const char *text; // of the caption; the value shows it too until a record is chosen
    const char *valueName;
    QPushButton *VelloranClass::*valueButton;
    QLabel *VelloranClass::*valueLabel;
    int maximumHeight;       // 0: no limit
    int iconSize;            // buttons only; 0: the style's size
    Qt::Alignment alignment; // labels only
    bool noFocus;
};
extern const DetailRow detailRows[15];

// Style sheets of the details values.
extern const char *const detailLinkStyle;  // the two push buttons
extern const char *const detailValueStyle; // the thirteen labels

// An indicator label in a grid (system input/output, operation flags).
struct GridLabel
{
    const char *name;
    QLabel *VelloranClass::*field;
    const char *text;
    int row;
    int column;
};
extern const GridLabel systemInputLabels[44];
extern const GridLabel systemOutputLabels[28];
extern const GridLabel flagLabels[8];

// A scroll area whose contents widget, of the given start size, has a grid
// layout of its own.
struct ScrollGrid
{
    const char *areaName;
    QScrollArea *VelloranClass::*area;
    const char *contentsName;
    QWidget *VelloranClass::*contents;
    int contentsWidth;
    int contentsHeight;
    const char *layoutName;
    QGridLayout *VelloranClass::*layout;
};

// A page of indicator labels: a white scroll area whose contents hold the grid.
struct IndicatorPage
{
    ScrollGrid scroll;
    const char *gridName;
    QGridLayout *VelloranClass::*grid;
    const GridLabel *labels;
    int labelCount;
};
extern const IndicatorPage systemInputPage;
extern const IndicatorPage systemOutputPage;

// A row of an arc signal table: caption, and the Low/High pair in its group.
struct ArcRow
{
    const char *captionName;
    QLabel *VelloranClass::*caption;
    const char *captionText;
    const char *lowName;
    QRadioButton *VelloranClass::*low;
    const char *highName;
    QRadioButton *VelloranClass::*high;
    const char *groupName;
    QButtonGroup *VelloranClass::*group;
};
extern const ArcRow arcInputRows[8];
extern const ArcRow arcOutputRows[8];
extern const char *const arcLowText;
extern const char *const arcHighText;

// One side of the Arc In/Output Signal page: a scroll area whose grid holds
// the signal table (caption grid beside the grid of Low/High pairs) and, below
// it, the analog caption with the values of channels 1-4 and 5-8.
struct ArcSide
{
    ScrollGrid scroll; // its layout is the side's layout
    const char *tableLayoutName;
    QGridLayout *VelloranClass::*tableLayout;
    const char *captionLayoutName;
    QGridLayout *VelloranClass::*captionLayout;
    const char *buttonLayoutName;
    QGridLayout *VelloranClass::*buttonLayout;
    const ArcRow *rows; // eight rows
    QRadioButton *(VelloranClass::*lowButtons)[8];
    QRadioButton *(VelloranClass::*highButtons)[8];
    int firstGroup;     // index of the first pair's group in VelloranClass::arcGroups
    const char *analogCaptionName;
    QLabel *VelloranClass::*analogCaption;
    const char *analog0104Name;
    QLabel *VelloranClass::*analog0104;
    const char *analog0508Name;
    QLabel *VelloranClass::*analog0508;
};
extern const ArcSide arcSides[2]; // inputs, outputs
extern const char *const analogCaptionText;
extern const char *const analog0104Text;
extern const char *const analog0508Text;

// A page of the tab widget with its grid layout, and the function that builds
// what the page shows once the page and its layout exist.
struct TabPage
{
    const char *pageName;
    QWidget *VelloranClass::*page;
    const char *tabText;
    const char *layoutName;
    QGridLayout *VelloranClass::*layout;
    void (*setup)(VelloranClass &ui, QWidget *window);
};
extern const TabPage tabPages[10];

// The builders of the pages, in velloranform.cpp; window is the main window.
void setupSystemInputPage(VelloranClass &ui, QWidget *window);
void setupSystemOutputPage(VelloranClass &ui, QWidget *window);
void setupGeneralIoPage(VelloranClass &ui, QWidget *window);
void setupArcPage(VelloranClass &ui, QWidget *window);
void setupStatisticsPage(VelloranClass &ui, QWidget *window);
void setupErrorPage(VelloranClass &ui, QWidget *window);
void setupMchPage(VelloranClass &ui, QWidget *window);
void setupInfPage(VelloranClass &ui, QWidget *window);
void setupConPage(VelloranClass &ui, QWidget *window);
void setupOprPage(VelloranClass &ui, QWidget *window);

// The general inputs and outputs: DI1 .. DI256 and DO1 .. DO256, eight to a
// row; box n stands at row (n - 1) / 8, column (n - 1) % 8 and shows its name.
constexpr int generalIoCount = 256;
constexpr int generalIoColumns = 8;

} // namespace FormTables
