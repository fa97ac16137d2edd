// What the window benchmarks share: "painted" means that no paint is pending any more, and a clock
// that is the same in a parent and its child processes.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdint>
#include <ctime>

namespace brivane::bench {

// CLOCK_MONOTONIC in nanoseconds: one clock for the benchmark and the programs it starts, so a child
// can tell how long ago its parent started it.
inline std::int64_t MonotonicNs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// CPU time of the calling thread in nanoseconds: on a busy machine it is steadier than the clock on
// the wall, since waiting for a core does not count.
inline std::int64_t ThreadCpuNs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Counts the paint events of every widget of the application.
class PaintCounter final : public QObject {
 public:
  PaintCounter() { qApp->installEventFilter(this); }
  ~PaintCounter() override { qApp->removeEventFilter(this); }
  PaintCounter(const PaintCounter&) = delete;
  PaintCounter& operator=(const PaintCounter&) = delete;

  std::uint64_t paints() const { return m_paints; }

  // Delivers pending events until a pass delivers no paint: a chart posts its repaint from a queued
  // scene update, so one pass is not always enough.
  void Flush() {
    std::uint64_t before = 0;
    do {
      before = m_paints;
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
    } while (m_paints != before);
  }

  // Lets timers and deferred deletions of earlier work run out, so that they are not counted in
  // the next measurement (the charts leave some behind).
  static void Settle() {
    const std::int64_t until = MonotonicNs() + 30'000'000;
    while (MonotonicNs() < until) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Shows `window` and waits until its first paint has been delivered and drawn.
  void ShowAndPaint(QWidget& window) {
    const std::uint64_t before = m_paints;
    window.show();
    while (m_paints == before) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    Flush();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++m_paints;
    return QObject::eventFilter(watched, event);
  }

 private:
  std::uint64_t m_paints = 0;
};

}  // namespace brivane::bench
