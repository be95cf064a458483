#pragma once

#include <QCoreApplication>

#include "shell/recovery/RecoveryPrompt.h"

class QWidget;

namespace rungpad {

// The recovery question as a message box with Recover, Discard and Later buttons.
class QtRecoveryPrompt final : public RecoveryPrompt {
    Q_DECLARE_TR_FUNCTIONS(QtRecoveryPrompt)

  public:
    explicit QtRecoveryPrompt(QWidget* parent) : m_parent(parent) {}

    RecoveryAnswer Ask(const QString& fileName, const QDateTime& written) override;
    bool AskDeleteDamaged(const QString& copyFile) override;

  private:
    QWidget* m_parent;
};

}  // namespace rungpad
