// Languages, the user manual and the about box.

#include "app/translation.h"
#include "app/velloran.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTranslator>
#include <QUrl>

void Velloran::OnSelectLang(int item)
{
    // The item just chosen; retranslateUi inserts the items again and makes
    // the first one current.
    const QString chosen = ui.comboBox->currentText();
    QTranslator translator;
    const QString catalogue = catalogueFileName(item);
    if (!catalogue.isEmpty()) {
        translator.load(catalogue);
        QCoreApplication::installTranslator(&translator);
        ui.retranslateUi(this);
    }
    // When the catalogue translated the item names, no item has this text
    // any more and the first one stays current.
    ui.comboBox->setCurrentText(chosen);
    // The translator leaves the application here; the widgets keep its texts.
}

void Velloran::OnHelp_Manual()
{
    const QString name = manualFileName(language());
    if (name.isEmpty())
        return;
    // A relative URL: the desktop opens the manual from the working directory.
    QDesktopServices::openUrl(QUrl(name, QUrl::TolerantMode));
}

void Velloran::OnVersion()
{
    MessageTranslation translation(this);
    translation.prepare();
    const QString text =
        tr("<h3>Velloran %1</h3>"
           "<p>Viewer for the error, stop and operation history logs of robot controller backups.</p>"
           "<p>Running on Qt %2.</p>"
           "<p>Licensed under the MIT License.</p>")
            .arg(QStringLiteral(VELLORAN_VERSION), QString::fromLatin1(qVersion()));
    QMessageBox::about(this, tr("Velloran"), text);
}
