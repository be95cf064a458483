#include "doc/RungpadDoc.h"

namespace rungpad {

bool CRungpadDoc::LoadNoteFile(const std::string&) {
    return false;
}

bool CRungpadDoc::RefuseUnconverted() {
    return false;
}

bool CRungpadDoc::OnGenerateBinaryFile() {
    return false;
}

bool CRungpadDoc::OnLadderGeneratedFile() {
    return false;
}

bool CRungpadDoc::OnEditLadderInfo() {
    EditLadderInfo();
    return true;
}

bool CRungpadDoc::OnGenerateOldLadderFile() {
    return false;
}

bool CRungpadDoc::OnGenerateInstructionList() {
    return false;
}

bool CRungpadDoc::OnExportNote() {
    return false;
}

bool CRungpadDoc::OnImportNote() {
    return false;
}

}  // namespace rungpad
