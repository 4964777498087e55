#include "support/modalwatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>

ModalWatcher::ModalWatcher(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
}

ModalWatcher::~ModalWatcher() = default;

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
    if (!modal)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        SeenDialog d;
        d.kind = QStringLiteral("message");
        d.title = box->windowTitle();
        d.text = box->text();
        d.icon = box->icon();
        d.standardButtons = box->standardButtons();
        seen << d;
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        if (ok)
            ok->click();
        else
            box->reject();
        return;
    }
    if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        SeenDialog d;
        d.kind = QStringLiteral("file");
        d.title = dialog->windowTitle();
        d.text = dialog->directory().absolutePath();
        d.nameFilters = dialog->nameFilters();
        seen << d;
        const QString answer = fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
        if (answer.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(answer);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    }
}
