#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>

namespace rw::test {

// Measures how long the GUI thread's event loop goes without turning: a
// precise 10 ms timer notes the longest gap between two of its ticks. Nested
// loops (a load waiting for its movie, a modal dialog) turn it too, so only a
// call that blocks the thread shows up as a gap.
class LoopWatch {
  public:
    LoopWatch() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        Reset();
        timer_.start();
    }

    // Forgets the gaps so far, e.g. after the test itself waited on a tool.
    void Reset() {
        clock_.start();
        last_ = 0;
        longest_ = 0;
        ticks_ = 0;
    }

    // The longest gap in milliseconds, the one still open included.
    qint64 LongestGapMs() const { return std::max(longest_, clock_.elapsed() - last_); }
    long Ticks() const { return ticks_; }

  private:
    void Tick() {
        const qint64 now = clock_.elapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
        ++ticks_;
    }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
    long ticks_ = 0;
};

// The resident memory of this process in KiB, from /proc/self/status; 0 when
// it cannot be read.
inline long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

}  // namespace rw::test
