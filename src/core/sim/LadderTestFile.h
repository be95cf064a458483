#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/LadderTestCase.h"

namespace rungpad {

// A ladder test file (.plt): named cases for one program, one statement a line, '#' comments.
//   case NAME                       starts a case
//   force SIGNAL=VALUE              held for the whole run
//   set SIGNAL=VALUE                written before the first scan
//   TIME SIGNAL=VALUE               a stimulus event, as in a sim stimulus file
//   expect TIME SIGNAL=VALUE        | expect FROM..TO SIGNAL=VALUE
//   expect always SIGNAL=VALUE      | expect never SIGNAL=VALUE
//   expect SIGNAL rises|falls within DURATION after TIME
//   run DURATION                    simulated time of the case (else the last time named + 1 s)
// docs/testing.md describes the format and its timing.
class LadderTestFile {
  public:
    // Parses text; false with message "NAME:LINE: what is wrong" for the first fault (then no
    // case is kept). name is the file name used in messages.
    bool Parse(std::string_view text, const std::string& name, std::string& message);
    // Reads the file at path and parses it, named by path in messages; false with message when
    // the file cannot be read or is malformed.
    bool Read(const std::string& path, std::string& message);

    const std::string& Name() const { return m_name; }
    const std::vector<LadderTestCase>& Cases() const { return m_cases; }

  private:
    bool ParseLine(std::string_view line, std::string& problem);
    bool ParseExpect(std::string_view rest, std::string& problem);
    bool Finish(std::string& problem);

    std::string m_name;
    std::vector<LadderTestCase> m_cases;
    std::string m_stimulusText;  // the stimulus lines of the open case, blank lines elsewhere
    std::int64_t m_lastMs = 0;   // the latest time the open case names
    bool m_explicitRun = false;
    int m_line = 0;
};

}  // namespace rungpad
