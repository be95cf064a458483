#pragma once

#include <QDockWidget>

class QPlainTextEdit;

namespace rungpad {

// A docking window holding one read-only text box, black on white: the output, comment and
// instruction windows of the main frame. Its close button hides it.
class CCoolBar : public QDockWidget {
    Q_OBJECT

  public:
    CCoolBar(const QString& title, const QString& name, bool wrapLines, QWidget* parent);

    QPlainTextEdit* Edit() const { return m_edit; }

  private:
    QPlainTextEdit* m_edit;
};

}  // namespace rungpad
