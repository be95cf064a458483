#include <filesystem>

#include "document/AddressNoteError.h"
#include "document/RungpadDoc.h"

#include "model/Messages.h"
#include "model/NoteFile.h"

namespace rungpad {

namespace {

constexpr std::string_view kNotConverted = "梯形图未转换!";
constexpr std::string_view kSavingFile = "正在保存文件...";
constexpr std::string_view kSavingFileLong = "正在保存文件......";
constexpr std::string_view kSaved = "保存文件成功!";
constexpr std::string_view kOldFileFailed = "梯形图文件输出失败!";
constexpr std::string_view kOpenFailed = "打开文件失败!";
constexpr std::string_view kSavingNotes = "正在保存注释...";
constexpr std::string_view kNotesSaved = "保存完成!";
constexpr std::string_view kLoadingNotes = "正在载入注释...";
constexpr std::string_view kNotesLoaded = "载入成功!";

constexpr const char* kBinaryFilter = "梯图二进制文件 (*.dat)|*.dat||";
constexpr const char* kLadderFilter = "梯形图文件 (*.grp)|*.grp||";
constexpr const char* kListFilter = "指令表文件 (*.txt)|*.txt||";
constexpr const char* kTextFilter = "文本文件 (*.txt)|*.txt||";
constexpr const char* kImportFilter = "文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||";

std::span<const std::uint8_t> AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Sets a flag for the lifetime of the guard, also when the scope is left by an exception.
class FlagGuard {
  public:
    explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

  private:
    bool& m_flag;
};

}  // namespace

bool CRungpadDoc::LoadNoteFile(const std::string& path) {
    m_lastReadError.clear();
    if (!path.empty()) {
        return NoteFile::Load(path, m_notes, &m_lastReadError);
    }
    const std::string directory = m_host->ProgramDirectory();
    if (directory.empty()) {
        return false;
    }
    return NoteFile::Load((std::filesystem::path(directory) / kNoteFileName).string(), m_notes);
}

bool CRungpadDoc::RefuseUnconverted() {
    m_box->ShowMessage(Messages::Text(kNotConverted));
    return false;
}

std::optional<std::string> CRungpadDoc::ChooseLadderFile() {
    if (!m_converted) {
        RefuseUnconverted();
        return std::nullopt;
    }
    EditLadderInfo();
    return m_host->ChooseSaveFile(
        {"grp", ProposedName(".grp"), std::string(Messages::Text(kLadderFilter))});
}

bool CRungpadDoc::WriteOutputFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (!WriteBytes(path, bytes)) {
        return ReportSaveFailure();
    }
    m_out->OutputLine(Messages::Text(kSaved));
    return true;
}

bool CRungpadDoc::WriteLadderFile(const std::string& path, const LadProgram& table) {
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, table, m_header, LadFile::CurrentSaveDate(), *m_out);
    return WriteOutputFile(path, bytes);
}

bool CRungpadDoc::OnGenerateBinaryFile() {
    // A save whose conversion failed leaves a partial step list: refuse it as unconverted.
    if (!m_converted || !ConverterResultsComplete()) {
        return RefuseUnconverted();
    }
    const auto path =
        m_host->ChooseSaveFile({"dat", "Ladbin.dat", std::string(Messages::Text(kBinaryFilter))});
    if (!path) {
        return false;
    }
    m_out->SetOutputText(Messages::Text(kSavingFile));
    std::vector<std::uint8_t> image;
    if (!m_convert.BinaryImage(image)) {
        return ReportSaveFailure();
    }
    return WriteOutputFile(*path, image);
}

bool CRungpadDoc::OnLadderGeneratedFile() {
    const auto path = ChooseLadderFile();
    return path && WriteLadderFile(*path, m_program);
}

bool CRungpadDoc::OnEditLadderInfo() {
    EditLadderInfo();
    return true;
}

bool CRungpadDoc::OnGenerateOldLadderFile() {
    const auto path = ChooseLadderFile();
    if (!path) {
        return false;
    }
    // The copy is made before the file is touched, so a program the old generation cannot hold
    // leaves whatever file was there as it was.
    if (!LadFile::MakeOldLayoutCopy(m_program, m_oldCopy, *m_out, *m_box)) {
        m_out->OutputLine(Messages::Text(kOldFileFailed));
        return false;
    }
    return WriteLadderFile(*path, m_oldCopy);
}

bool CRungpadDoc::OnGenerateInstructionList() {
    // As for the binary file: never write the partial list of a failed save conversion.
    if (!m_converted || !ConverterResultsComplete()) {
        return RefuseUnconverted();
    }
    const auto path = m_host->ChooseSaveFile(
        {"txt", ProposedName(".txt"), std::string(Messages::Text(kListFilter))});
    if (!path) {
        return false;
    }
    m_out->ClearOutput();
    m_out->OutputLine(Messages::Text(kSavingFileLong));
    return WriteOutputFile(*path, AsBytes(m_convert.WriteListFile()));
}

bool CRungpadDoc::OnExportNote() {
    const auto path =
        m_host->ChooseSaveFile({"txt", "LadChi01.txt", std::string(Messages::Text(kTextFilter))});
    if (!path) {
        return false;
    }
    m_out->SetOutputText(Messages::Text(kSavingNotes));
    std::string text;
    {
        const FlagGuard exporting(m_noteExportMode);
        text = NoteFile::FormatExport([this](std::string_view address) -> std::string {
            try {
                return FindAddressNote(address);
            } catch (const AddressNoteError&) {
                return {};
            }
        });
    }
    if (!WriteBytes(*path, AsBytes(text))) {
        m_box->ShowMessage(Messages::Text(kOpenFailed));
        return false;
    }
    m_out->OutputLine(Messages::Text(kNotesSaved));
    return true;
}

bool CRungpadDoc::OnImportNote() {
    const auto path = m_host->ChooseOpenFile({"", "", std::string(Messages::Text(kImportFilter))});
    if (!path || path->empty()) {
        return false;
    }
    m_out->SetOutputText(Messages::Text(kLoadingNotes));
    if (!LoadNoteFile(*path)) {
        m_box->ShowMessage(Messages::Text(kOpenFailed));
        return false;
    }
    m_out->OutputLine(Messages::Text(kNotesLoaded));
    return true;
}

}  // namespace rungpad
