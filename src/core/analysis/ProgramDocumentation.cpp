#include "analysis/ProgramDocumentation.h"

#include "analysis/CrossReference.h"
#include "analysis/DocumentationTables.h"
#include "convert/LadConvert.h"
#include "model/LadFile.h"
#include "model/LadProgram.h"
#include "model/TextCodec.h"

namespace rungpad {

ProgramDocumentation ProgramDocumentation::Build(const LadProgram& program,
                                                 const LadHeaderTexts& header,
                                                 const AddressNotes& notes,
                                                 const std::string& fileName,
                                                 const std::string& printDate) {
    ProgramDocumentation doc;
    LadProgram copy = program;
    copy.SetMessageBox(nullptr);
    CLadConvert convert(&copy);
    const bool converts = convert.Convert() == CLadConvert::kConvertSucceeded;
    if (converts) {
        for (int i = 0; i < convert.TextCount(); ++i) {
            doc.m_instructions.push_back(convert.TextAt(i));
        }
    } else {
        doc.m_convertProblem =
            convert.ErrorCount() > 0 ? convert.FormatLastError() : std::string("does not convert");
    }
    doc.m_fields = {
        {"File", fileName},
        {"Version", TextCodec::GbkToUtf8(header.version.View())},
        {"Machine tool", TextCodec::GbkToUtf8(header.machine.View())},
        {"Last modifier", TextCodec::GbkToUtf8(header.modifier.View())},
        {"Save date", TextCodec::GbkToUtf8(header.saveDate.View())},
        {"Lines", std::to_string(program.LineCount())},
        {"Steps", converts ? std::to_string(convert.StepCount()) : "none (does not convert)"},
        {"Printed", printDate},
    };
    doc.m_coils = CoilReferences::Build(program);
    doc.m_tables = DocumentationTables::Build(CrossReference::Build(program, &notes), notes);
    return doc;
}

}  // namespace rungpad
