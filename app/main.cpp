#include "app/allocator.h"
#include "app/velloran.h"
#include "details/helploading.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    tuneAllocator();
    QApplication app(argc, argv);
    auto *window = new Velloran();

    // Help texts and stop reasons: Kav first, then Lum/Luma in Korean,
    // English and Chinese. A missing or broken help file is skipped.
    loadHelpAndStopTables(window);

    const QString dir = QCoreApplication::applicationDirPath();

    window->setModeImagePaths(dir);

    window->show();
    const int result = app.exec();
    delete window;
    return result;
}
