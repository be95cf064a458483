#include "dialogs/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace rungpad {

void QtMessageBox::ShowMessage(std::string_view text) {
    QMessageBox::information(m_parent, QApplication::applicationName(),
                             QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace rungpad
