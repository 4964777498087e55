#pragma once
// Drag and drop events for GUI tests. The application delivers a drop only to
// the target of a running drag, so the tests hand the events to the window's
// own event handler.

#include <QEvent>
#include <QObject>
#include <QWidget>

inline bool deliver(QWidget *window, QEvent *event)
{
    return static_cast<QObject *>(window)->event(event);
}
