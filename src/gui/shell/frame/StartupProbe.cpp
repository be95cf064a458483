#include "shell/frame/StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace rungpad {

namespace {

bool Asked(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0' && *value != '0';
}

long long CpuNs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long long MonotonicNs() {
    // steady_clock is CLOCK_MONOTONIC on Linux.
    return static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::steady_clock::now().time_since_epoch())
                                      .count());
}

}  // namespace

void StartupProbe::Watch(QWidget& window) {
    if (Asked("RUNGPAD_STARTUP_PROBE")) {
        QCoreApplication::instance()->installEventFilter(new StartupProbe(window));
    }
}

void StartupProbe::Mark(const char* label) {
    static const bool traced = Asked("RUNGPAD_STARTUP_TRACE");
    if (traced) {
        std::fprintf(stderr, "mark %s %lld %lld\n", label, MonotonicNs(), CpuNs());
    }
}

StartupProbe::StartupProbe(QWidget& window) : QObject(&window), m_window(window) {}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && !m_pending && watched == m_window.windowHandle()) {
        m_pending = true;
        // High priority: ahead of the work queued for after the first picture (FirstShowQueue,
        // the first live check), which the window on the screen does not wait for.
        QCoreApplication::postEvent(this, new QEvent(CheckEvent()), Qt::HighEventPriority);
    }
    return QObject::eventFilter(watched, event);
}

bool StartupProbe::event(QEvent* event) {
    if (event->type() == CheckEvent()) {
        CheckShown();
        return true;
    }
    return QObject::event(event);
}

QEvent::Type StartupProbe::CheckEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void StartupProbe::CheckShown() {
    m_pending = false;
    const QWindow* window = m_window.windowHandle();
    if (window == nullptr || !window->isExposed()) {
        return;
    }
    QCoreApplication::instance()->removeEventFilter(this);
    Mark("shown");
    std::printf("shown %lld %lld\n", MonotonicNs(), CpuNs());
    std::fflush(stdout);
    QCoreApplication::quit();
}

}  // namespace rungpad
