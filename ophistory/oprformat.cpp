#include "ophistory/oprformat.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextCodec>

namespace vopr {
namespace {

QString tr(const char *source)
{
    return QCoreApplication::translate("Velloran", source);
}

// Line i of the history; a line before the first or after the last is empty.
QString lineAt(const QStringList &lines, int i)
{
    return i >= 0 && i < lines.size() ? lines.at(i) : QString();
}

bool has(const QString &line, const char *text)
{
    return line.contains(QLatin1String(text), Qt::CaseInsensitive);
}

// Field i of a split line; a missing field is empty.
QString field(const QStringList &fields, int i)
{
    return i >= 0 && i < fields.size() ? fields.at(i) : QString();
}

const QString yellow = QStringLiteral("background: yellow");
const QString white = QStringLiteral("background: white");

// ----- flags ---------------------------------------------------------------

struct FlagRule
{
    const char *name;
    const char *onStyle; // the RunTo flag shows its value as text instead
};
const FlagRule flagRules[flagCount] = {
    {"RunTo", nullptr},
    {"JogInch", "background: yellow"},
    {"Enable", "background: yellow"},
    {"EmgStop", "background: red"},
    {"Remote", "background: yellow"},
    {"AutoMode", "background: yellow"},
    {"PlayBack", "background: yellow"},
    {"MotOn", "background: green"},
};
constexpr int remoteFlag = 4;
constexpr int autoModeFlag = 5;

const char *const runToTexts[] = {
    QT_TRANSLATE_NOOP("Velloran", "RunTo\nCmd"),
    QT_TRANSLATE_NOOP("Velloran", "RunTo\nStep"),
    QT_TRANSLATE_NOOP("Velloran", "RunTo\nEnd"),
};

// The characters between the brackets of a flag list.
constexpr int flagListLength = 82;

// ----- keys ----------------------------------------------------------------

// A key name in a line, and the label text it gets.
struct KeyName
{
    const char *event;
    const char *label;
};

const KeyName sidebarKeys[] = {
    {"[Sb.Prog]", QT_TRANSLATE_NOOP("Velloran", "Sidebar\nProgram")},
    {"[Sb.CrdSys]", QT_TRANSLATE_NOOP("Velloran", "Sidebar\nCrd")},
    {"[Sb.Speed]", QT_TRANSLATE_NOOP("Velloran", "Sidebar\nPlay spd")},
    {"[Sb.Mech]", QT_TRANSLATE_NOOP("Velloran", "Sidebar\nMech")},
};

const KeyName sideKeys[] = {
    {"[L1]", QT_TRANSLATE_NOOP("Velloran", "Record\ncondition")},
    {"[L2]", QT_TRANSLATE_NOOP("Velloran", "Run to")},
    {"[L3]", QT_TRANSLATE_NOOP("Velloran", "Jog\ninching")},
    {"[L4]", QT_TRANSLATE_NOOP("Velloran", "QuickOpen")},
    {"[L5]", QT_TRANSLATE_NOOP("Velloran", "Help")},
    {"[R1]", QT_TRANSLATE_NOOP("Velloran", "Manual\noutput")},
    {"[R2]", QT_TRANSLATE_NOOP("Velloran", "Window\nadjustment")},
    {"[R3]", QT_TRANSLATE_NOOP("Velloran", "Soft\nkeyboard")},
    {"[R4]", QT_TRANSLATE_NOOP("Velloran", "User key")},
};

// A key with two meanings, chosen by SHIFT.
struct ShiftedKey
{
    const char *event;
    const char *shifted;
    const char *plain;
};
const ShiftedKey shiftedKeys[] = {
    {"[PROG/STEP]", QT_TRANSLATE_NOOP("Velloran", "[PROG]"), QT_TRANSLATE_NOOP("Velloran", "[STEP]")},
    {"[P.Mod/REC]", QT_TRANSLATE_NOOP("Velloran", "[P.Mod]"), QT_TRANSLATE_NOOP("Velloran", "[REC]")},
    {"[TOOL/CRD]", QT_TRANSLATE_NOOP("Velloran", "[TOOL]"), QT_TRANSLATE_NOOP("Velloran", "[CRD]")},
    {"[UNIT/MECH]", QT_TRANSLATE_NOOP("Velloran", "[UNIT]"), QT_TRANSLATE_NOOP("Velloran", "[MECH]")},
    {"[0/+]", QT_TRANSLATE_NOOP("Velloran", "[+]"), QT_TRANSLATE_NOOP("Velloran", "[0]")},
    {"[./-]", QT_TRANSLATE_NOOP("Velloran", "[-]"), QT_TRANSLATE_NOOP("Velloran", "[.]")},
    {"[Del/BkSp]", QT_TRANSLATE_NOOP("Velloran", "[Del]"), QT_TRANSLATE_NOOP("Velloran", "[BackSpace]")},
};

const char *const serviceText = QT_TRANSLATE_NOOP("Velloran", "Service - ");
const char *const systemText = QT_TRANSLATE_NOOP("Velloran", "System - ");
const char *const menuText = QT_TRANSLATE_NOOP("Velloran", "Menu");

template <typename Table>
const KeyName *firstKeyIn(const Table &table, const QString &line)
{
    for (const KeyName &k : table) {
        if (has(line, k.event))
            return &k;
    }
    return nullptr;
}

void showKey(KeyLabels &labels, const QString &text, const QString &style)
{
    labels.key = text;
    labels.keyStyle = style;
}

void clearMenus(KeyLabels &labels, int from, int to)
{
    for (int level = from; level <= to && level <= 4; ++level)
        labels.menu[level].clear();
}

// The root key a line holds: the service root is tested first.
int rootKeyIn(const QString &line)
{
    if (has(line, "[Service]"))
        return menuRoot(false);
    if (has(line, "[System]"))
        return menuRoot(true);
    return -1;
}

void showRoot(KeyLabels &labels, int root)
{
    labels.menu[0] = menuLabel(root);
    clearMenus(labels, 1, 4);
}

// ----- escapes ---------------------------------------------------------------

// What one escape rule does, when the labels Menu (bit 0) to Menu4 (bit 4)
// named in `set` are set and those in `empty` are empty.
struct EscapeRule
{
    int count; // escapes in a row, the current one included; 5 stands for 5 or more
    unsigned set;
    unsigned empty;
    bool resetRoot;
    int clearFrom; // 0: clear nothing
    int clearTo;
};
constexpr unsigned L(int level) { return 1u << level; }

const EscapeRule escapeRules[] = {
    {1, L(4), 0, false, 4, 4},
    {1, L(3), 0, false, 3, 3},
    {1, L(2), 0, false, 2, 2},
    {1, L(1), 0, false, 1, 1},
    {1, L(0), 0, true, 0, 0},

    {2, L(3), 0, false, 3, 4},
    {2, L(2), 0, false, 2, 3},
    {2, L(1), 0, false, 1, 2},
    {2, L(0), 0, true, 1, 1},

    {3, L(2), L(3) | L(4), false, 2, 4},
    {3, L(2) | L(3) | L(4), 0, false, 2, 4},
    {3, L(1), L(2) | L(3), false, 1, 3},
    {3, L(1) | L(2) | L(3), 0, false, 1, 3},
    {3, 0, L(0), false, 0, 0},
    {3, 0, L(1) | L(2), true, 1, 2},
    {3, L(1) | L(2), 0, true, 1, 2},

    {4, L(1), L(2) | L(3) | L(4), false, 1, 4},
    {4, L(1) | L(2) | L(3) | L(4), 0, false, 1, 4},
    {4, 0, L(0), false, 0, 0},
    {4, 0, L(1) | L(2) | L(3), true, 1, 3},
    {4, L(1) | L(2) | L(3), 0, true, 1, 3},

    {5, 0, 0, true, 1, 4},
};

} // namespace

QString entryMarker(bool kav)
{
    return kav ? QStringLiteral("=") : QStringLiteral("Date:");
}

QString historyFileName(bool kav)
{
    return kav ? QStringLiteral("ROBOT.TR0") : QStringLiteral("ROBOT.OPR");
}

int longestLine(const QString &text)
{
    int longest = 0;
    for (int start = 0; start <= text.size();) {
        int end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        longest = qMax(longest, end - start);
        start = end + 1;
    }
    return longest;
}

// ----- flags -------------------------------------------------------------------

int flagLineAbove(const QStringList &lines, int from)
{
    for (int k = qMin(from, lines.size() - 1); k >= 0; --k) {
        if (has(lines.at(k), "Flag"))
            return k;
    }
    return -1;
}

void decodeFlagLine(const QStringList &lines, int k, FlagDisplay &display)
{
    const QStringList fields = lineAt(lines, k).split(QLatin1Char(':'));
    if (field(fields, 0) == QLatin1String("Flag")) {
        // Drop the brackets around the 82 characters of the list.
        QString list = field(fields, 1).simplified();
        list.remove(0, 1);
        list.remove(flagListLength, 1);
        const QStringList items = list.split(QLatin1Char(','));
        for (int i = 0; i < flagCount && i < items.size(); ++i) {
            const QString item = items.at(i).simplified();
            const QString name = QLatin1String(flagRules[i].name);
            int value = -1;
            for (int v = 0; v < 3; ++v) {
                if (item == name + QLatin1Char('=') + QString::number(v))
                    value = v;
            }
            if (i == 0) {
                if (value >= 0)
                    display.runToText = tr(runToTexts[value]);
                continue;
            }
            if (value != 0 && value != 1)
                continue;
            display.styles[i] = value == 1 ? QLatin1String(flagRules[i].onStyle) : white;
            if (i == remoteFlag) {
                display.remoteOn = value;
                if (value == 1)
                    display.mode = ModePicture::Remote;
            } else if (i == autoModeFlag) {
                display.autoModeOn = value;
                if (value == 1)
                    display.mode = ModePicture::Auto;
            }
        }
    }
    if (display.remoteOn == 1 && display.autoModeOn == 1)
        display.mode = ModePicture::Remote;
    else if (display.remoteOn == 0 && display.autoModeOn == 0)
        display.mode = ModePicture::Manual;
}

// ----- keys and menus ---------------------------------------------------------

void decodeKeyLine(const QStringList &lines, int index, KeyLabels &labels)
{
    const QString line = lineAt(lines, index);
    const QStringList fields = line.split(QLatin1Char(','));
    if (fields.size() < 2 || fields.at(0).simplified() == QLatin1String("sec"))
        return;
    const QString event = fields.at(1).simplified();

    bool shiftable = false;
    for (const ShiftedKey &k : shiftedKeys)
        shiftable = shiftable || has(line, k.event);

    if (has(line, "[Sb")) {
        showSidebarKey(lines, index, labels);
    } else if (shiftable) {
        showShiftedKey(lines, index, labels);
    } else if (has(line, "[L") || has(line, "[R")) {
        showSideKey(lines, index, labels);
    } else if (has(line, "[F1]") || has(line, "[F2]")) {
        // A function key right after a root key opens that root's menu.
        const int root = rootKeyIn(lineAt(lines, index - 1));
        if (root >= 0)
            showRoot(labels, root);
    } else if (const int root = rootKeyIn(line); root >= 0) {
        showRoot(labels, root);
    } else if (has(line, "m[")) {
        decodeMenuLine(lines, index, labels);
    } else if (has(line, "[Mode")) {
        decodeModeSelect(lines, index, labels);
    } else if (has(line, "[ESC]")) {
        bool inMenu = labels.menu[0] == tr(serviceText) || labels.menu[0] == tr(systemText);
        for (int level = 1; level <= 4; ++level)
            inMenu = inMenu || !labels.menu[level].isEmpty();
        if (inMenu)
            unwindMenuPath(lines, index, labels);
        showKey(labels, event, yellow);
    } else if (has(line, "+[")) {
        showKey(labels, event, yellow);
    } else if (has(line, "-[")) {
        showKey(labels, event, white);
    } else if (has(line, ",[")) {
        showKey(labels, event, yellow);
    }

    if (has(line, "+[TP.exe]"))
        labels.key = tr(QT_TRANSLATE_NOOP("Velloran", "TP On"));
    else if (has(line, "-[TP.exe]"))
        labels.key = tr(QT_TRANSLATE_NOOP("Velloran", "TP Off"));
}

void showSidebarKey(const QStringList &lines, int index, KeyLabels &labels)
{
    if (const KeyName *k = firstKeyIn(sidebarKeys, lineAt(lines, index)))
        showKey(labels, tr(k->label), yellow);
}

void showShiftedKey(const QStringList &lines, int index, KeyLabels &labels)
{
    const QString line = lineAt(lines, index);
    // SHIFT pressed before the key or released after it.
    const bool shifted = has(lineAt(lines, index - 1), "+[SHIFT]") || has(lineAt(lines, index + 1), "-[SHIFT]");
    for (const ShiftedKey &k : shiftedKeys) {
        if (has(line, k.event)) {
            showKey(labels, tr(shifted ? k.shifted : k.plain), yellow);
            return;
        }
    }
}

void showSideKey(const QStringList &lines, int index, KeyLabels &labels)
{
    if (const KeyName *k = firstKeyIn(sideKeys, lineAt(lines, index)))
        showKey(labels, tr(k->label), yellow);
}

void decodeMenuLine(const QStringList &lines, int index, KeyLabels &labels)
{
    int rootLine = index - 1;
    int node = -1;
    for (; rootLine >= 0 && node < 0; --rootLine)
        node = rootKeyIn(lineAt(lines, rootLine));
    if (node < 0)
        return;
    ++rootLine;
    labels.menu[0] = menuLabel(node);

    int level = 1;
    for (int k = rootLine; k <= index && level <= 4; ++k) {
        const QString line = lineAt(lines, k);
        if (!has(line, "m["))
            continue;
        const int entry = menuEntryOf(node, line);
        if (entry < 0)
            continue;
        labels.menu[level] = menuLabel(entry);
        clearMenus(labels, level + 1, 4);
        if (isSubmenu(entry)) {
            node = entry;
            ++level;
        }
    }
}

void decodeModeSelect(const QStringList &lines, int index, KeyLabels &labels)
{
    const QString line = lineAt(lines, index);
    const bool pressed = line.contains(QLatin1Char('+'));
    const bool released = !pressed && line.contains(QLatin1Char('-'));
    if (has(line, "[Mode.Sel1]")) {
        if (pressed)
            labels.mode = ModePicture::Manual;
        else if (released)
            labels.mode = ModePicture::Auto;
    } else if (has(line, "[Mode.Sel2]")) {
        if (pressed)
            labels.mode = ModePicture::Auto;
        else if (released)
            labels.mode = ModePicture::Remote;
    }
}

void unwindMenuPath(const QStringList &lines, int index, KeyLabels &labels)
{
    int count = 1;
    for (int k = index - 1; k >= 0 && has(lineAt(lines, k), "[ESC]"); --k)
        ++count;
    count = qMin(count, 5);

    unsigned set = 0;
    for (int level = 0; level <= 4; ++level) {
        if (!labels.menu[level].isEmpty())
            set |= L(level);
    }
    for (const EscapeRule &rule : escapeRules) {
        if (rule.count != count || (set & rule.set) != rule.set || (set & rule.empty) != 0)
            continue;
        if (rule.resetRoot)
            labels.menu[0] = tr(menuText);
        if (rule.clearFrom > 0)
            clearMenus(labels, rule.clearFrom, rule.clearTo);
        return;
    }
}

// ----- date and time lines ----------------------------------------------------

TreeKey treeKeyOfLine(const QString &line)
{
    TreeKey key;
    if (has(line, "Date")) {
        const QStringList fields = line.split(QLatin1Char(':'));
        key.kind = TreeKey::Date;
        key.searchable = fields.size() > 1;
        key.text = field(fields, 1).simplified();
    } else if (has(line, "Time")) {
        key.kind = TreeKey::Time;
        key.searchable = true;
        key.text = line.simplified();
    }
    return key;
}

// ----- checks before saving ---------------------------------------------------

TextCheck checkHistoryText(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    TextCheck check;
    if (lines.size() < 9) {
        check.ok = lines.size() == 8;
        return check;
    }
    const auto fail = [&check](const char *message, const QString &offending) {
        check.ok = false;
        check.message = message;
        check.offending = offending;
        return check;
    };
    for (int i = 8; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        bool number = false;
        if (has(line, "+[") || has(line, "-[") || has(line, ",[")) {
            const QString seconds = line.section(QLatin1Char(','), 0, 0).simplified();
            const int value = seconds.toInt(&number);
            if (!number)
                return fail(QT_TRANSLATE_NOOP("Velloran", "Please enter a number."), seconds);
            if (value >= 60)
                return fail(QT_TRANSLATE_NOOP("Velloran", "Out of range of seconds."), seconds);
        } else if (has(line, "Time")) {
            const QStringList fields = line.split(QLatin1Char(':'));
            bool minuteNumber = false;
            const int hour = field(fields, 1).simplified().toInt(&number);
            const int minute = field(fields, 2).simplified().toInt(&minuteNumber);
            if (!number || !minuteNumber)
                return fail(QT_TRANSLATE_NOOP("Velloran", "Please enter a number."), line);
            if (hour >= 25 || minute >= 60)
                return fail(QT_TRANSLATE_NOOP("Velloran", "Out of range of Time."), line);
        }
    }
    return check;
}

QString suggestedSaveName(const QString &logPath)
{
    QString name = logPath;
    return name.replace(QLatin1String("ERR"), QLatin1String("OPR"), Qt::CaseSensitive);
}

QString withCrLf(const QString &text)
{
    QString out = text;
    return out.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

bool saveHistoryFile(const QString &path, const QString &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray data = QTextCodec::codecForLocale()->fromUnicode(withCrLf(text));
    // Every piece is flushed and checked: commit() would not notice a write
    // that fails while it empties the buffer, and would rename a cut file
    // into place.
    constexpr qint64 piece = 1 << 16;
    for (qint64 done = 0; done < data.size(); done += piece) {
        const qint64 n = qMin(piece, data.size() - done);
        if (file.write(data.constData() + done, n) != n || !file.flush()) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

} // namespace vopr
