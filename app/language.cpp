// Languages, the user manual and the about box.

#include "app/translation.h"
#include "app/velloran.h"
#include "app/velloranform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTranslator>
#include <QUrl>

void Velloran::OnSelectLang(int item)
{
    // The item just chosen; retranslateUi inserts the items again and makes
    // the first one current.
    const QString chosen = ui->comboBox->currentText();
    QTranslator translator;
    installAndRetranslate(translator, item, this);
    // When the catalogue translated the item names, no item has this text
    // any more and the first one stays current.
    ui->comboBox->setCurrentText(chosen);
    // The translator leaves the application here; the widgets keep its texts.
}

void Velloran::retranslate()
{
    ui->retranslateUi(this);
}

void Velloran::selectLanguageIndex(int language)
{
    ui->comboBox->setCurrentIndex(language);
}

void Velloran::OnHelp_Manual()
{
    const QString name = vlog::manualFileName(language());
    if (name.isEmpty())
        return;
    // A relative URL: the desktop opens the manual from the working directory.
    QDesktopServices::openUrl(QUrl(name, QUrl::TolerantMode));
}

void Velloran::OnVersion()
{
    const MessageTranslation translation(this);
    const QString text =
        tr("<h3>Velloran %1</h3>"
           "<p>Viewer for the error, stop and operation history logs of robot controller backups.</p>"
           "<p>Running on Qt %2.</p>"
           "<p>Licensed under the MIT License.</p>")
            .arg(QStringLiteral(VELLORAN_VERSION), QString::fromLatin1(qVersion()));
    QMessageBox::about(this, tr("Velloran"), text);
}
