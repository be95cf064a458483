#pragma once

#include "model/HostInterfaces.h"

class QWidget;

namespace rungpad {

// The modal message box of the desktop, captioned with the application title.
class QtMessageBox final : public MessageBoxHost {
  public:
    explicit QtMessageBox(QWidget* parent) : m_parent(parent) {}
    void ShowMessage(std::string_view text) override;

  private:
    QWidget* m_parent;
};

}  // namespace rungpad
