#include "support/fixture.h"

#include "details/helpfilereader.h"
#include "details/helploading.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QComboBox>
#include <QtTest>

ModalWatcher::ModalWatcher()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
}

QStringList ModalWatcher::messageTexts() const
{
    QStringList texts;
    for (const SeenDialog &d : seen)
        if (d.kind == QLatin1String("message"))
            texts << d.text;
    return texts;
}

void ModalWatcher::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        seen << SeenDialog{QStringLiteral("message"), box->windowTitle(), box->text(), box->icon(), {},
                           QApplication::overrideCursor() ? int(QApplication::overrideCursor()->shape()) : -1};
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        seen << SeenDialog{QStringLiteral("file"), dialog->windowTitle(), dialog->directory().absolutePath(),
                           QMessageBox::NoIcon, dialog->nameFilters()};
        const QString answer = fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
        if (answer.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(answer);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    }
}

Fixture::Fixture(bool help)
{
    if (help)
        loadHelpAndStopTables(&window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("window not exposed");
}

QString Fixture::text(const char *name) const
{
    QWidget *widget = w(name);
    if (auto *l = qobject_cast<QLabel *>(widget))
        return l->text();
    if (auto *b = qobject_cast<QAbstractButton *>(widget))
        return b->text();
    if (auto *e = qobject_cast<QLineEdit *>(widget))
        return e->text();
    return QStringLiteral("<no text>");
}

void Fixture::setFamily(bool kav)
{
    auto *radio = w<QRadioButton>(kav ? "kav" : "lum_luma");
    if (!radio->isChecked())
        radio->click();
}

void Fixture::choose(int language)
{
    auto *combo = w<QComboBox>("comboBox");
    combo->setCurrentIndex(language);
    QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, language));
}

QString writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(text.toUtf8());
    return path;
}

QString Fixture::write(const QString &name, const QString &text)
{
    return writeFile(dir.filePath(QString::number(++m_files)) + QLatin1Char('/') + name, text);
}

// The application delivers a drop only to the target of a running drag, so
// the event goes to the window's own handler.
void dropFiles(QWidget *window, const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << (p.contains(QLatin1String("://")) ? QUrl(p) : QUrl::fromLocalFile(p));
    QMimeData mime;
    mime.setUrls(urls);
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject *>(window)->event(&event);
}

void Fixture::drop(const QStringList &paths)
{
    dropFiles(&window, paths);
}

void Fixture::open(const QString &name, const QString &text, bool kav)
{
    setFamily(kav);
    drop({write(name, text)});
}

void Fixture::clickRow(int row)
{
    QTableWidget *t = table();
    const QModelIndex index = t->model()->index(row, 0);
    t->scrollTo(index);
    QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, t->visualRect(index).center());
}

QString Fixture::cell(int row, int column, const char *name) const
{
    const QTableWidgetItem *item = w<QTableWidget>(name)->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

QStringList Fixture::column(int column) const
{
    QStringList texts;
    for (int r = 0; r < table()->rowCount(); ++r)
        texts << cell(r, column);
    return texts;
}

QStringList Fixture::row(int row, const char *name) const
{
    QStringList texts;
    for (int c = 0; c < w<QTableWidget>(name)->columnCount(); ++c)
        texts << cell(row, c, name);
    return texts;
}
