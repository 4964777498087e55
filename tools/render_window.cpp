// Draws the main window at its start size without a display and writes one
// PNG per tab page into the folder given as the first argument:
// tab<index>_<page object name>.png, for example tab0_system_input.png.
// Run it in the folder of the program, where the button icons lie.
//
//   render_window OUTPUT_FOLDER [--font-size POINTS] [--details]
//
// The offscreen platform's own font (12 points at 100 dpi) is larger than any
// desktop's; by default the window is drawn with an 8-point sans-serif font,
// the size of Qt 5's default dialog font on Windows, for which the form's
// fixed heights are made. --details shows the values of the details group, as
// after a record has been selected.
#include "app/velloran.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_window OUTPUT_FOLDER\n");
        return 2;
    }
    const QStringList args = QCoreApplication::arguments();
    int fontSize = 8;
    bool details = false;
    for (int i = 2; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--font-size") && i + 1 < args.size())
            fontSize = args[++i].toInt();
        else if (args[i] == QLatin1String("--details"))
            details = true;
    }
    if (fontSize > 0)
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), fontSize));

    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "render_window: cannot create %s\n", argv[1]);
        return 1;
    }

    // One window per page, as a user sees it: the window opens on the first
    // page, then the page's tab is chosen. (Grabbing a window lays out its
    // hidden pages too, which a user never sees, so each page gets a fresh one.)
    for (int i = 0;; ++i) {
        Velloran window;
        if (details)
            window.setDetailValuesVisible(true);
        window.show();
        QApplication::processEvents();
        QTabWidget *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        if (!tabs) {
            std::fprintf(stderr, "render_window: the window has no tab widget\n");
            return 1;
        }
        if (i >= tabs->count())
            break;
        tabs->setCurrentIndex(i);
        // A page shown for the first time lays out its nested scroll areas
        // over several rounds of posted layout requests.
        for (int round = 0; round < 5; ++round)
            QApplication::processEvents();
        const QString name = QStringLiteral("tab%1_%2.png").arg(i).arg(tabs->widget(i)->objectName());
        const QString path = out.filePath(name);
        if (!window.grab().save(path, "PNG")) {
            std::fprintf(stderr, "render_window: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s %dx%d\n", qPrintable(path), window.width(), window.height());
    }
    return 0;
}
