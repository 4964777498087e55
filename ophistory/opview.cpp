// The operation history page: loading the history beside the log, the flags,
// key and menu path of the cursor line, the date list following the text.

#include "app/formtables.h"
#include "app/translation.h"
#include "app/velloran.h"
#include "app/velloranform.h"
#include "log/logfile.h"
#include "ophistory/oprformat.h"

#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>

void Velloran::loadOprFile(const QString &path)
{
    const bool kav = ui->kav->isChecked();
    QFile file(QFileInfo(path).path() + QLatin1Char('/') + vopr::historyFileName(kav));
    // Like the log, the history is read only from a regular file: a FIFO
    // named like it would block the window for ever.
    if (vlog::openRegularFile(file, QIODevice::ReadOnly | QIODevice::Text)) {
        const QString text = vlog::readLogText(file);
        ui->textEdit->setLineWrapMode(vlog::showUnwrapped(text) ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
        ui->textEdit->setPlainText(text);
        const QStringList entries = text.split(vopr::entryMarker(kav));
        if (!kav)
            oprLines = text.split(QLatin1Char('\n'));
        for (int i = 1; i < entries.size(); ++i)
            addFileTree(QStringLiteral("OPR"), entries.at(i).split(QLatin1Char('\n')));
    } else {
        MessageTranslation translation(this);
        addFileTree(tr("OPR File does not exist."), QStringList());
    }
    showModePicture(vopr::ModePicture::Manual);
    ui->ModeS->setFixedSize(83, 75);
}

void Velloran::showModePicture(vopr::ModePicture mode)
{
    const QString *path = nullptr;
    switch (mode) {
    case vopr::ModePicture::Manual:
        path = &manualImagePath;
        break;
    case vopr::ModePicture::Auto:
        path = &autoImagePath;
        break;
    case vopr::ModePicture::Remote:
        path = &remoteImagePath;
        break;
    case vopr::ModePicture::Unchanged:
        return;
    }
    ui->ModeS->setPixmap(QPixmap(*path));
}

void Velloran::Flag_KeyStatus()
{
    // The labels' texts come out in the chosen language; the window itself
    // is not re-translated.
    QTranslator translator;
    const QString catalogue = vlog::catalogueFileName(language());
    if (!catalogue.isEmpty() && translator.load(catalogue))
        QCoreApplication::installTranslator(&translator);

    const int line = ui->textEdit->textCursor().blockNumber();
    if (oprLines.isEmpty() || ui->kav->isChecked())
        return;
    if (oprLines.value(line).contains(QLatin1String("Flag"), Qt::CaseInsensitive)) {
        showFlags(line);
        return;
    }
    if (line == 0)
        return;
    const int flagLine = vopr::flagLineAbove(oprLines, line - 1);
    if (flagLine >= 0)
        showFlags(flagLine);
    showKeyStatus(line);
}

void Velloran::showFlags(int line)
{
    vopr::FlagDisplay flags;
    flags.remoteOn = remoteOn;
    flags.autoModeOn = autoModeOn;
    vopr::decodeFlagLine(oprLines, line, flags);
    remoteOn = flags.remoteOn;
    autoModeOn = flags.autoModeOn;
    if (!flags.runToText.isEmpty())
        ui->runto->setText(flags.runToText);
    for (int i = 0; i < vopr::flagCount; ++i) {
        if (!flags.styles[i].isEmpty())
            ((*ui).*FormTables::flagLabels[i].field)->setStyleSheet(flags.styles[i]);
    }
    showModePicture(flags.mode);
}

void Velloran::showKeyStatus(int line)
{
    QLabel *const menus[] = {ui->Menu, ui->Menu1, ui->Menu2, ui->Menu3, ui->Menu4};
    vopr::KeyLabels labels;
    labels.key = ui->key->text();
    labels.keyStyle = ui->key->styleSheet();
    for (int level = 0; level < 5; ++level)
        labels.menu[level] = menus[level]->text();
    vopr::decodeKeyLine(oprLines, line, labels);
    ui->key->setText(labels.key);
    if (labels.keyStyle != ui->key->styleSheet())
        ui->key->setStyleSheet(labels.keyStyle);
    for (int level = 0; level < 5; ++level)
        menus[level]->setText(labels.menu[level]);
    showModePicture(labels.mode);
}

void Velloran::OPRDateTimeSelect(QTreeWidgetItem *item, int column)
{
    if (item)
        selectFirstOccurrence(item->text(column));
}

void Velloran::selectFirstOccurrence(const QString &text)
{
    // A null cursor makes the search start at the beginning of the text.
    ui->textEdit->setTextCursor(QTextCursor());
    ui->textEdit->find(text);
}

void Velloran::highlightCurrentLine()
{
    QList<QTextEdit::ExtraSelection> selections;
    if (!ui->textEdit->isReadOnly()) {
        QTextEdit::ExtraSelection current;
        current.format.setBackground(QColor(Qt::yellow).lighter(160));
        current.format.setProperty(QTextFormat::FullWidthSelection, true);
        current.cursor = ui->textEdit->textCursor();
        current.cursor.clearSelection();
        selections.append(current);
    }
    ui->textEdit->setExtraSelections(selections);
}

void Velloran::OPRDateTime_TextEdit()
{
    const int line = ui->textEdit->textCursor().blockNumber();
    if (oprLines.isEmpty())
        return;
    const vopr::TreeKey key = vopr::treeKeyOfLine(oprLines.value(line));
    if (key.kind == vopr::TreeKey::None)
        return;
    QTreeWidget *tree = ui->treeWidget_4;
    tree->clearSelection();
    if (!key.searchable)
        return;
    const Qt::MatchFlags match =
        key.kind == vopr::TreeKey::Date ? Qt::MatchExactly : Qt::MatchExactly | Qt::MatchRecursive;
    const QList<QTreeWidgetItem *> found = tree->findItems(key.text, match | Qt::MatchCaseSensitive, 0);
    if (found.isEmpty())
        return;
    QTreeWidgetItem *item = found.first();
    item->setSelected(true);
    if (key.kind == vopr::TreeKey::Date)
        item->setExpanded(true);
    else if (item->parent())
        item->parent()->setExpanded(true);
    tree->scrollToItem(item);
}
