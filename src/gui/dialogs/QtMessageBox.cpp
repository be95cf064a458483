#include "dialogs/QtMessageBox.h"
#include "text/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace rungpad {

void QtMessageBox::ShowMessage(std::string_view text) {
    QMessageBox::information(m_parent, QApplication::applicationName(), QtText::ToQString(text));
}

}  // namespace rungpad
