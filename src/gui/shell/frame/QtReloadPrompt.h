#pragma once

#include <QCoreApplication>

#include "shell/frame/ReloadPrompt.h"

class QWidget;

namespace rungpad {

// The reload question as a message box with Reload and Keep buttons.
class QtReloadPrompt final : public ReloadPrompt {
    Q_DECLARE_TR_FUNCTIONS(QtReloadPrompt)

  public:
    explicit QtReloadPrompt(QWidget* parent) : m_parent(parent) {}

    bool AskReload(const QString& fileName, bool modified) override;

  private:
    QWidget* m_parent;
};

}  // namespace rungpad
