#include "view/FirstShowQueue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace rungpad {

FirstShowQueue::FirstShowQueue(QWidget& window) : m_window(window) {}

bool FirstShowQueue::OnItsWay(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return window.isVisible() && (handle == nullptr || !handle->isExposed());
}

void FirstShowQueue::Run(const std::function<void()>& work) {
    if (!OnItsWay(m_window)) {
        work();
        return;
    }
    if (m_waiting.empty()) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    m_waiting.push_back(work);
}

void FirstShowQueue::Flush() {
    QCoreApplication::instance()->removeEventFilter(this);
    const std::vector<std::function<void()>> work = std::exchange(m_waiting, {});
    for (const std::function<void()>& run : work) {
        run();
    }
}

bool FirstShowQueue::eventFilter(QObject* watched, QEvent* event) {
    // Once the expose has been handled, the first picture is on the screen.
    if (event->type() == QEvent::Expose && watched == m_window.windowHandle()) {
        QTimer::singleShot(0, this, &FirstShowQueue::RunWhenShown);
    }
    return QObject::eventFilter(watched, event);
}

void FirstShowQueue::RunWhenShown() {
    if (!m_waiting.empty() && !OnItsWay(m_window)) {
        Flush();
    }
}

}  // namespace rungpad
