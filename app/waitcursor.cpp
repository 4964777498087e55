#include "app/waitcursor.h"

#include <QApplication>
#include <QCursor>

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

WaitCursor::Paused::Paused()
{
    QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

WaitCursor::Paused::~Paused()
{
    QApplication::restoreOverrideCursor();
}
