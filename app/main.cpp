#include "app/velloran.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto *window = new Velloran();

    // The help texts and the stop-reason tables are read here, in this order:
    // the Kav help files (errors, then warnings), the Kav stop reasons, the
    // Lum/Luma help files of Korean, English and Chinese (errors, then
    // warnings, each), the Lum/Luma stop reasons.

    const QString dir = QCoreApplication::applicationDirPath();
    window->autoImagePath = dir + QStringLiteral("/Auto.png");
    window->manualImagePath = dir + QStringLiteral("/Manual.png");
    window->remoteImagePath = dir + QStringLiteral("/Remote.png");

    window->show();
    const int result = app.exec();
    delete window;
    return result;
}
