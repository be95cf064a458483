#pragma once

#include <string>
#include <utility>
#include <vector>

#include "analysis/CoilReferences.h"
#include "analysis/DocumentTable.h"

namespace rungpad {

class AddressNotes;
class LadProgram;
struct LadHeaderTexts;

// What the printed documentation of a program says besides its diagram: the title page's
// fields, the coil references, the tables (cross-reference, address notes, review findings) and
// the instruction list. Texts are UTF-8. The program is converted on a copy, so the document's
// own converter and converted state stay as they were.
class ProgramDocumentation {
  public:
    using Field = std::pair<std::string, std::string>;  // label, value

    // fileName: as the title page shows it; printDate: when the documentation is made.
    static ProgramDocumentation Build(const LadProgram& program, const LadHeaderTexts& header,
                                      const AddressNotes& notes, const std::string& fileName,
                                      const std::string& printDate);

    const std::vector<Field>& TitleFields() const { return m_fields; }
    const CoilReferences& Coils() const { return m_coils; }
    const std::vector<DocumentTable>& Tables() const { return m_tables; }
    // The converted instruction texts with their ladder line ("  %4d" of line + 1, as listed);
    // empty when the program does not
    // convert, and then ConvertProblem() is the report line of its error.
    const std::vector<std::string>& Instructions() const { return m_instructions; }
    const std::string& ConvertProblem() const { return m_convertProblem; }

  private:
    std::vector<Field> m_fields;
    CoilReferences m_coils;
    std::vector<DocumentTable> m_tables;
    std::vector<std::string> m_instructions;
    std::string m_convertProblem;
};

}  // namespace rungpad
