#include "view/PrinterSetup.h"

#include <QPrinter>

namespace rungpad {

PrinterSetup::PrinterSetup() = default;

PrinterSetup::~PrinterSetup() = default;

QPrinter& PrinterSetup::Printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *m_printer;
}

}  // namespace rungpad
