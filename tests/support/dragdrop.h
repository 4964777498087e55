#pragma once
// Files and drops for GUI tests. The application delivers a drop only to the
// target of a running drag, so the tests hand the events to the window's own
// event handler.

#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QWidget>

inline bool deliver(QWidget *window, QEvent *event)
{
    return static_cast<QObject *>(window)->event(event);
}

// Drops the URLs on the window, as a drag from a file manager would.
inline void dropUrls(QWidget *window, const QList<QUrl> &urls)
{
    QMimeData mime;
    mime.setUrls(urls);
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    deliver(window, &event);
}

inline void dropFiles(QWidget *window, const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << QUrl::fromLocalFile(p);
    dropUrls(window, urls);
}

// Writes the text as UTF-8, making the folders on the way; returns the path.
inline QString writeFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(text.toUtf8());
    return path;
}
