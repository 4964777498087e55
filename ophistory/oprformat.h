#pragma once
// The operation history of the teach pendant as text: its day entries, the
// flag lines, the key and menu events, the checks of an edited history.
// Plain functions without widgets: lines and label texts in, label texts out.
// Texts meant for the user come out translated in the context "Velloran",
// through whatever catalogue the caller has installed.

#include <QString>
#include <QStringList>

namespace vopr {

// The mode picture a line asks for.
enum class ModePicture { Unchanged, Manual, Auto, Remote };

// ---------------------------------------------------------------------------
// The file

// The text that starts each day entry: "Date:" in ROBOT.OPR, "=" in ROBOT.TR0.
QString entryMarker(bool kav);
// The file name beside the log: "ROBOT.TR0" (Kav) or "ROBOT.OPR".
QString historyFileName(bool kav);

// ---------------------------------------------------------------------------
// Flags

// The eight flags in the order of a flag line, which is also the order of the
// flag labels: RunTo, JogInch, Enable, EmgStop, Remote, AutoMode, PlayBack, MotOn.
constexpr int flagCount = 8;

// What a flag line changes. Empty texts leave their label as it is.
struct FlagDisplay
{
    QString runToText;          // the RunTo label's text
    QString styles[flagCount];  // style sheet per flag label
    int remoteOn = 0;           // in and out: the Remote flag last decoded
    int autoModeOn = 0;         // in and out: the AutoMode flag last decoded
    ModePicture mode = ModePicture::Unchanged;
};

// Decodes line k of the history into the flag labels and the mode picture.
// A line whose first ":" field is not exactly "Flag" only settles the mode
// picture from the stored Remote and AutoMode values.
void decodeFlagLine(const QStringList &lines, int k, FlagDisplay &display);

// The nearest line at or above `from` that holds a flag list ("Flag" in any
// letter case); -1 when there is none.
int flagLineAbove(const QStringList &lines, int from);

// ---------------------------------------------------------------------------
// Keys and menus

// The labels of the key row and the menu path: what they show before a line
// is decoded goes in, what they show afterwards comes out.
struct KeyLabels
{
    QString key;        // the key label
    QString keyStyle;   // its style sheet
    QString menu[5];    // Menu (the root), Menu1 .. Menu4
    ModePicture mode = ModePicture::Unchanged;
};

// One key event line of the history, decoded into the labels. Lines that
// decode to nothing (a column heading, a line without a comma) change nothing.
void decodeKeyLine(const QStringList &lines, int index, KeyLabels &labels);

// The steps of decodeKeyLine, each given the same index.
void showSidebarKey(const QStringList &lines, int index, KeyLabels &labels);
void showShiftedKey(const QStringList &lines, int index, KeyLabels &labels);
void showSideKey(const QStringList &lines, int index, KeyLabels &labels);
void decodeMenuLine(const QStringList &lines, int index, KeyLabels &labels);
void decodeModeSelect(const QStringList &lines, int index, KeyLabels &labels);
void unwindMenuPath(const QStringList &lines, int index, KeyLabels &labels);

// The teach pendant's menus: two roots and up to four levels below them, one
// table in tree order. An entry's key is the number its name begins with; an
// entry followed directly by deeper entries is a submenu.
struct MenuEntry
{
    int depth;         // 0 for the roots, 1 to 4 below them
    const char *name;  // source text of the label
};
// The root entry: "Service - " or "System - ".
int menuRoot(bool system);
// The entry directly under `parent` that the line selects ("m[key]" in any
// letter case); -1 when it selects none.
int menuEntryOf(int parent, const QString &line);
bool isSubmenu(int entry);
// The label text of an entry, translated.
QString menuLabel(int entry);

// ---------------------------------------------------------------------------
// Date and time lines

// What the date list should select for a line of the history.
struct TreeKey
{
    enum Kind { None, Date, Time } kind = None;
    QString text;           // a date (top-level item) or a whole time line (any level)
    bool searchable = false; // false for a date line without a date
};
TreeKey treeKeyOfLine(const QString &line);

// ---------------------------------------------------------------------------
// Checks before saving an edited history

struct TextCheck
{
    bool ok = true;
    const char *message = nullptr; // source text of the warning; null: no warning
    QString offending;             // the text to select, first occurrence
};
// Checks the lines from index 8 on (the first eight are the file's header).
// A text of fewer than nine lines passes when it has exactly eight.
TextCheck checkHistoryText(const QString &text);

// The name the save dialog suggests: the log's path with "ERR" made "OPR".
QString suggestedSaveName(const QString &logPath);
// The text as written to disk: CR LF line ends.
QString withCrLf(const QString &text);
// Writes the text with CR LF line ends in the locale's 8-bit encoding. The
// file is either the whole new text afterwards or, on any failure (no such
// folder, no room, no permission), the old file untouched; false then.
bool saveHistoryFile(const QString &path, const QString &text);

} // namespace vopr
