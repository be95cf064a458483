#pragma once

#include <QEvent>
#include <QObject>

class QWidget;

namespace rungpad {

// Start-up measurement, off unless the environment asks for it (bench/startup.py does):
//   RUNGPAD_STARTUP_PROBE=1  once the window has been exposed and painted for the first time,
//                            prints "shown NS CPU" on stdout and quits the application;
//   RUNGPAD_STARTUP_TRACE=1  each Mark(label) prints "mark LABEL NS CPU" on stderr.
// NS is the monotonic clock in nanoseconds, the clock a parent process reads with
// clock_gettime(CLOCK_MONOTONIC), so start-up is measured from outside, process start included;
// CPU the processor time the process has used so far, in nanoseconds, which a busy machine
// disturbs less than the time on the clock.
// Shared by the editor and the bare baseline window of the benchmark.
class StartupProbe : public QObject {
  public:
    // Watches window, a top-level widget about to be shown, when the probe is asked for.
    static void Watch(QWidget& window);
    static void Mark(const char* label);

  private:
    explicit StartupProbe(QWidget& window);
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    static QEvent::Type CheckEvent();
    // Runs after the expose has been handled, so the window's first paint is done.
    void CheckShown();

    QWidget& m_window;
    bool m_pending = false;
};

}  // namespace rungpad
