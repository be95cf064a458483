#pragma once

#include <string>

#include "convert/LadConvert.h"
#include "model/LadProgram.h"

namespace rungpad {

// The editor's silent conversion after every edit: it converts a copy of the program with a
// converter of its own, so the document's program (header words, box numbers), its converter
// (texts, errors, number claims) and its converted flag stay exactly as they were.
class CLiveCheck {
  public:
    struct Result {
        bool converts = true;
        int line = -1;        // 0-based line of the error, inside the program
        std::string message;  // the report line, "梯图第0012行  错误代号 1009 ..." (UTF-8)
    };

    // Converts a copy of program and keeps the outcome.
    const Result& Check(const LadProgram& program);
    const Result& Last() const { return m_result; }

  private:
    LadProgram m_copy;
    CLadConvert m_convert{&m_copy};
    Result m_result;
};

}  // namespace rungpad
