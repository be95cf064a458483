#pragma once

#include <memory>

class QPrinter;

namespace rungpad {

// The printer set-up that the print commands share: the printer, its page set-up and the choices
// of the last print dialog. The printer is made at its first use, since making one starts the
// print system (CUPS and its libraries), which opening the editor need not wait for.
class PrinterSetup {
  public:
    PrinterSetup();
    ~PrinterSetup();
    PrinterSetup(const PrinterSetup&) = delete;
    PrinterSetup& operator=(const PrinterSetup&) = delete;

    QPrinter& Printer();

  private:
    std::unique_ptr<QPrinter> m_printer;
};

}  // namespace rungpad
