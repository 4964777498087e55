#pragma once
// The one set-up of the GUI tests: a shown main window with the shipped help
// texts, a watcher that answers its modal dialogs, and helpers that reach the
// widgets by object name, open logs and read the tables.

#include "app/velloran.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

struct SeenDialog
{
    QString kind;   // "message" or "file"
    QString title;
    QString text;   // message text, or the file dialog's start directory
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList nameFilters;
    int cursor = -1;   // the shape of the application's override cursor then, -1 without one
};

// Closes message boxes with Ok and answers file dialogs from `fileAnswers`
// (an empty text cancels), remembering what each showed.
class ModalWatcher : public QObject
{
    Q_OBJECT
public:
    ModalWatcher();
    QStringList fileAnswers;
    QList<SeenDialog> seen;
    QStringList messageTexts() const;

private slots:
    void poll();

private:
    QTimer m_timer;
};

// Writes the text as UTF-8, making the folders on the way; returns the path.
QString writeFile(const QString &path, const QString &text);

// Drops files (or URLs) on a window as a drag from the desktop does.
void dropFiles(QWidget *window, const QStringList &paths);

class Fixture
{
public:
    explicit Fixture(bool help = true);
    Velloran window;
    ModalWatcher watcher;
    QTemporaryDir dir;

    // The one widget of that name; the test stops when there is none.
    template <class T = QWidget>
    T *w(const char *name) const
    {
        T *found = window.findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QTableWidget *table() const { return w<QTableWidget>("tableWidget"); }
    QString text(const char *name) const;   // label, button or line edit
    void setFamily(bool kav);               // clicks the radio button unless chosen
    void choose(int language);              // picks the combo box item as a user does
    QString write(const QString &name, const QString &text);   // in a folder of its own
    void drop(const QStringList &paths);
    void open(const QString &name, const QString &text, bool kav = false);
    void clickRow(int row);
    QString cell(int row, int column, const char *table = "tableWidget") const;   // "<none>" without item
    QStringList column(int column) const;
    QStringList row(int row, const char *table = "tableWidget") const;

private:
    int m_files = 0;
};

// The parser's notices in their English source texts.
const QString kArcNotice = QStringLiteral("In addition to basic information, Arc information is included.\n"
                                          "Please, check Arc In/Output Signal tab.");
const QString kUndefinedNotice = QStringLiteral("In addition to basic information, it also contains information that is not "
                                                "defined.\nPlease, check the JOB file.");
const QString kEightAxesNotice = QStringLiteral("This file is error file of 8 Axis or more.\nThe axis is output in two rows.\n\n"
                                                "Top line - Axis1~8\nBottom line - Axis9~16");

#define QVERIFY_NONE(list)                                                              \
    do {                                                                               \
        const QStringList wrong_ = (list);                                             \
        QVERIFY2(wrong_.isEmpty(), qPrintable(wrong_.join(QLatin1Char(' '))));         \
    } while (false)
