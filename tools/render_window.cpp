// Draws the pictures of the window that the README and the user manuals show,
// without a display, from the sample backups:
//
//   render_window OUTPUT_FOLDER SAMPLES_FOLDER
//
// OUTPUT_FOLDER/window_start.png is the window right after start-up. Each of
// OUTPUT_FOLDER/ko, /en and /zh gets one set of the window at work: a sample
// log open, a record selected, the pages, message boxes and dialogs that the
// manual of that language shows. The language is chosen in the window's combo
// box as a user would, so the help texts and the window's texts are those of
// the manual. Run it in the build folder, where the help texts, catalogues,
// icons and mode pictures lie. The build runs it; the manuals are printed
// with its pictures, and the README's are the English ones (target
// velloran_screens).
//
// The path field shows the sample's place in the installed package
// (/opt/velloran/samples/...) rather than the build machine's folders, so that
// the pictures are the same wherever they are drawn.

#include "app/velloran.h"
#include "details/helploading.h"
#include "details/language.h"
#include "search/finddialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <memory>

namespace {

const char *const kShownSamplesFolder = "/opt/velloran/samples";

void fail(const QString &text)
{
    std::fprintf(stderr, "render_window: %s\n", qPrintable(text));
}

// Runs the posted events until a page shown for the first time has laid out
// its nested scroll areas, which takes several rounds.
void settle()
{
    for (int round = 0; round < 6; ++round)
        QApplication::processEvents();
}

// A text view lays out a long text bit by bit while the program idles, and
// its scroll bar follows; a picture waits for the whole text, so that it does
// not depend on the moment it is taken.
void finishTextLayout(QWidget *widget)
{
    for (QTextEdit *edit : widget->findChildren<QTextEdit *>())
        edit->document()->pageCount();
    settle();
}

// Answers the message boxes that loading and the buttons open, and saves a
// picture of each under the name given before.
class BoxCatcher : public QObject
{
public:
    BoxCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(50);
    }

    void setFolder(const QDir &out) { m_out = out; }

    // The next boxes are saved under these names ("" = not saved).
    QStringList names;
    int failures = 0;

private:
    void poll()
    {
        const QWidgetList widgets = QApplication::topLevelWidgets();
        for (QWidget *w : widgets) {
            // Message boxes, and the program view, which runs as a dialog too.
            auto *box = qobject_cast<QDialog *>(w);
            const bool wanted = qobject_cast<QMessageBox *>(w) || w->objectName() == QLatin1String("ProgramViewClass");
            if (!box || !wanted || !box->isVisible())
                continue;
            const QString name = names.isEmpty() ? QString() : names.takeFirst();
            if (!name.isEmpty()) {
                finishTextLayout(box);
                const QString path = m_out.filePath(name);
                if (box->grab().save(path, "PNG")) {
                    std::printf("%s\n", qPrintable(path));
                } else {
                    fail(QStringLiteral("cannot write %1").arg(path));
                    ++failures;
                }
            }
            box->done(QMessageBox::Ok);
        }
    }

    QDir m_out;
    QTimer m_timer;
};

class Screens
{
public:
    Screens(const QDir &out, const QDir &samples) : m_out(out), m_samples(samples) {}

    int run()
    {
        bool ok = clear(m_out);
        {
            // The window as it opens, before a language or a log is chosen.
            Velloran w;
            prepare(w);
            m_dir = m_out;
            ok &= save(&w, QStringLiteral("window_start.png"));
        }
        const struct { const char *folder; int language; } languages[] = {
            {"ko", vlog::Korean}, {"en", vlog::English}, {"zh", vlog::Chinese}};
        for (const auto &language : languages) {
            const QString folder = QString::fromLatin1(language.folder);
            if (!m_out.mkpath(folder)) {
                fail(QStringLiteral("cannot create %1").arg(m_out.filePath(folder)));
                return 1;
            }
            m_dir = QDir(m_out.filePath(folder));
            m_language = language.language;
            m_boxes.setFolder(m_dir);
            ok &= clear(m_dir) && runLanguage();
        }
        return ok && m_boxes.failures == 0 ? 0 : 1;
    }

private:
    // Removes the pictures of an earlier run, so that a picture no longer
    // drawn cannot stay behind.
    static bool clear(const QDir &dir)
    {
        bool ok = true;
        for (const QString &name : dir.entryList({QStringLiteral("*.png")}, QDir::Files))
            ok &= QFile::remove(dir.filePath(name));
        return ok;
    }

    // A window as the program shows it after start-up.
    static void prepare(Velloran &w)
    {
        loadHelpAndStopTables(&w);
        w.setModeImagePaths(QCoreApplication::applicationDirPath());
        w.show();
        settle();
    }

    // A window as after start-up, with the language of the set chosen in the
    // combo box.
    std::unique_ptr<Velloran> window()
    {
        auto w = std::make_unique<Velloran>();
        prepare(*w);
        w->findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(m_language);
        w->OnSelectLang(m_language);
        settle();
        return w;
    }

    // Opens a sample log as the open button does after the dialog.
    void open(Velloran &w, const QString &sample, const QStringList &boxNames = {})
    {
        m_boxes.names = boxNames;
        const QString path = m_samples.filePath(sample);
        w.clearAllViews();
        w.findChild<QLineEdit *>(QStringLiteral("file_add"))->setText(path);
        w.loadLog(path);
        settle();
        m_boxes.names.clear();
    }

    static void select(Velloran &w, int row)
    {
        w.findChild<QTableWidget *>(QStringLiteral("tableWidget"))->setCurrentCell(row, 0);
        w.OnRowSelect(row, 0);
        settle();
    }

    bool save(QWidget *widget, const QString &name)
    {
        finishTextLayout(widget);
        // The path field shows the samples' installed folder while the
        // picture is taken; the window keeps reading the real one.
        auto *pathField = widget->window()->findChild<QLineEdit *>(QStringLiteral("file_add"));
        const QString realPath = pathField ? pathField->text() : QString();
        const QString relative = m_samples.relativeFilePath(realPath);
        if (pathField && !realPath.isEmpty() && !relative.startsWith(QLatin1String("..")))
            pathField->setText(QLatin1String(kShownSamplesFolder) + QLatin1Char('/') + relative);
        const QString path = m_dir.filePath(name);
        const bool written = widget->grab().save(path, "PNG");
        if (pathField)
            pathField->setText(realPath);
        if (!written) {
            fail(QStringLiteral("cannot write %1").arg(path));
            return false;
        }
        std::printf("%s %dx%d\n", qPrintable(path), widget->width(), widget->height());
        return true;
    }

    bool tab(Velloran &w, int index, const QString &name)
    {
        w.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(index);
        return save(&w, name);
    }

    bool runLanguage()
    {
        bool ok = true;
        {
            // Spot-welding robot, error log, first record (E-0015).
            auto w = window();
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
            select(*w, 0);
            ok &= tab(*w, 0, QStringLiteral("loaded_system_input.png"));
            ok &= tab(*w, 2, QStringLiteral("loaded_general_io.png"));
            ok &= tab(*w, 4, QStringLiteral("loaded_statistics.png"));
            ok &= tab(*w, 5, QStringLiteral("loaded_error.png"));
            ok &= save(w->findChild<QGroupBox *>(QStringLiteral("groupBox")), QStringLiteral("details_group.png"));
            m_boxes.names = QStringList{QStringLiteral("box_error_code.png")};
            w->Onclick_Details_Error_Code();
            settle();
        }
        {
            // Arc-welding robot: the arc notice, then the arc page.
            auto w = window();
            open(*w, QStringLiteral("lum_arc/ROBOT.ERR"), {QStringLiteral("notice_arc.png")});
            select(*w, 2);
            ok &= tab(*w, 3, QStringLiteral("loaded_arc.png"));
        }
        {
            // Twelve axes: the notice and the two-line axis cells.
            auto w = window();
            open(*w, QStringLiteral("lum_multiaxis/ROBOT.ERR"), {QStringLiteral("notice_eight_axes.png")});
            select(*w, 0);
            ok &= save(w->findChild<QTableWidget *>(QStringLiteral("tableWidget")), QStringLiteral("table_multiaxis.png"));
        }
        {
            // Kav robot with the Kav family chosen; then a Lum/Luma log with
            // the Kav family still chosen.
            auto w = window();
            w->findChild<QRadioButton *>(QStringLiteral("kav"))->click();
            open(*w, QStringLiteral("kav/ROBOT.E01"));
            select(*w, 0);
            ok &= tab(*w, 0, QStringLiteral("loaded_kav.png"));
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"),
                 {QStringLiteral("box_not_kav_file.png"), QStringLiteral("box_select_lum.png")});
        }
        {
            // The controller data files of the spot-welding robot, every
            // section opened.
            auto w = window();
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
            for (const char *name : {"treeWidget", "treeWidget_2", "treeWidget_3"})
                w->findChild<QTreeWidget *>(QLatin1String(name))->expandAll();
            ok &= tab(*w, 6, QStringLiteral("loaded_mch.png"));
            ok &= tab(*w, 7, QStringLiteral("loaded_inf.png"));
            ok &= tab(*w, 8, QStringLiteral("loaded_con.png"));
        }
        {
            // The operation history beside the spot-welding log, the cursor
            // on the first menu selection that reaches the fourth level.
            auto w = window();
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
            w->findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(9);
            settle();
            auto *text = w->findChild<QTextEdit *>(QStringLiteral("textEdit"));
            const auto *deepest = w->findChild<QLabel *>(QStringLiteral("Menu4"));
            for (int line = 0; line < text->document()->blockCount() && deepest->text().isEmpty(); ++line)
                text->setTextCursor(QTextCursor(text->document()->findBlockByNumber(line)));
            ok &= save(w.get(), QStringLiteral("loaded_opr.png"));
        }
        {
            // The program view of the first record, its step selected.
            auto w = window();
            open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
            select(*w, 0);
            m_boxes.names = QStringList{QStringLiteral("program_view.png")};
            w->OnClick_Details_Program();
            settle();
        }
        ok &= findAll();
        return ok;
    }

    // The find dialog after "All": every cell that contains E-0015.
    bool findAll()
    {
        auto w = window();
        open(*w, QStringLiteral("lum_spot/ROBOT.ERR"));
        w->OnFind_Dialog();
        settle();
        FindDialog *find = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<FindDialog *>(top))
                find = dialog;
        if (!find || !find->isVisible()) {
            fail(QStringLiteral("the find dialog did not open"));
            return false;
        }
        find->findChild<QLineEdit *>(QStringLiteral("lineEdit"))->setText(QStringLiteral("E-0015"));
        w->OnAll_Button();
        settle();
        const auto *list = find->findChild<QListWidget *>(QStringLiteral("listWidget"));
        const bool listed = list->isVisible() && list->count() > 0;
        if (!listed)
            fail(QStringLiteral("the find dialog listed no match"));
        const bool ok = listed && save(find, QStringLiteral("find_dialog.png"));
        find->close();
        return ok;
    }

    QDir m_out;
    QDir m_dir;
    QDir m_samples;
    BoxCatcher m_boxes;
    int m_language = vlog::Korean;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_window OUTPUT_FOLDER SAMPLES_FOLDER\n");
        return 2;
    }
    // The offscreen platform's own font (12 points at 100 dpi) is larger than
    // any desktop's; the window is drawn with an 8-point sans-serif font, the
    // size of Qt 5's default dialog font on Windows, for which the form's
    // fixed heights are made. The text cursor does not blink, so that a
    // picture does not depend on the moment it is taken.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    QApplication::setCursorFlashTime(0);

    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        fail(QStringLiteral("cannot create %1").arg(out.path()));
        return 1;
    }
    const QDir samples(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath());
    if (!samples.exists(QStringLiteral("lum_spot/ROBOT.ERR"))) {
        fail(QStringLiteral("no sample backups in %1").arg(samples.path()));
        return 1;
    }
    Screens screens(out, samples);
    return screens.run();
}
