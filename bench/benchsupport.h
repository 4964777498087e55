#pragma once
// What the benchmarks share: the generated log whose cells repeat a lot, and
// the peak memory of the running process.

#include <QObject>
#include <QString>

// A Lum/Luma error log: six position lines, signal lines, two parameters,
// about 500 distinct codes.
QString makeLog(int records);

// The peak resident memory of this process so far, in KiB.
long peakKiB();

// Accepts every message box that a load shows (its notices) as soon as it is
// up, so that a measured load runs through.
class NoticeCloser : public QObject
{
public:
    NoticeCloser() { startTimer(1); }

protected:
    void timerEvent(QTimerEvent *) override;
};
