#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace rungpad {

// Work that a window's first picture does not need. While the window is on its way to the
// screen (asked to show, not exposed yet), work waits until the first picture has been painted;
// at any other time it runs at once, so a window that is never shown, or shown already, works as
// before. The owner runs what still waits (Flush) before it goes.
class FirstShowQueue : public QObject {
  public:
    explicit FirstShowQueue(QWidget& window);

    // Whether window has been asked to show and has not been exposed yet.
    static bool OnItsWay(const QWidget& window);

    void Run(const std::function<void()>& work);
    void Flush();
    // Whether work still waits for the first picture.
    bool Pending() const { return !m_waiting.empty(); }

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void RunWhenShown();

    QWidget& m_window;
    std::vector<std::function<void()>> m_waiting;
};

}  // namespace rungpad
