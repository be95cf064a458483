#include "document/RungpadDoc.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "document/AddressNoteError.h"
#include "model/FileIo.h"
#include "model/Messages.h"
#include "model/TextCodec.h"

namespace rungpad {

namespace {

constexpr std::string_view kLoaded = "文件载入完成!";
constexpr std::string_view kConvertFailed = "梯形图转换失败!";
constexpr std::string_view kSaveFailed = "保存文件失败!";
constexpr std::string_view kConverting = "Converting...";
constexpr const char* kDocExtension = "plf";
constexpr const char* kDocFilter = "ZIZIdu 文件 (*.grp)|*.plf||";

// A header text from the dialog (UTF-8) into its fixed-width field as GBK, never half a
// character.
template <std::size_t N>
void StoreField(FixedText<N>& field, const std::string& utf8) {
    field.Assign(TextCodec::Utf8ToGbk(utf8));
}

// The converter's window rendering, one entry per line.
std::vector<std::string> InstructionWindowLines(const CLadConvert& convert) {
    const std::string window = convert.RenderWindow();
    std::vector<std::string> lines;
    std::size_t pos = 0;
    for (std::size_t end = window.find("\r\n"); end != std::string::npos;
         pos = end + 2, end = window.find("\r\n", pos)) {
        lines.push_back(window.substr(pos, end - pos));
    }
    return lines;
}

// The warning about what a damaged line count kept from being read; empty when nothing was.
std::string DescribeUnread(const std::string& path, int count, const LadExcess& excess) {
    if (!excess.Any()) {
        return {};
    }
    const std::string lines = std::to_string(excess.lines);
    const std::string bytes = std::to_string(excess.bytes);
    std::string what;
    if (excess.bytes == 0) {
        what = excess.lines == 1 ? Messages::Format("%1 more line", {lines})
                                 : Messages::Format("%1 more lines", {lines});
    } else if (excess.lines == 1) {
        what = Messages::Format("%1 more line and %2 bytes that are no line note trailer",
                                {lines, bytes});
    } else {
        what = Messages::Format("%1 more lines and %2 bytes that are no line note trailer",
                                {lines, bytes});
    }
    return Messages::Format(
        "Warning: %1 holds more than its header's line count of %2: %3 were not read.",
        {path, std::to_string(count), what});
}

}  // namespace

CRungpadDoc::CRungpadDoc(MessageChannel& out, MessageBoxHost& box, DocumentHost& host)
    : m_out(&out),
      m_box(&box),
      m_host(&host),
      m_writeFile(&FileIo::WriteFileAtomically),
      m_convert(&m_program) {
    m_program.SetMessageBox(&box);
    m_oldCopy.SetMessageBox(&box);
    m_undo.Attach(m_program, m_convert.Numbers(), this);
}

void CRungpadDoc::BindConverter() {
    m_convert.SetProgram(&m_program);
}

bool CRungpadDoc::OnNewDocument(int number) {
    m_state.SetUntitled(number);
    m_state.SetModified(false);
    m_program.InsertLines(0, 1);
    BindConverter();
    m_convert.PreCheck();
    return true;
}

bool CRungpadDoc::OnOpenDocument(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    if (!FileIo::ReadFile(path, bytes, error)) {
        m_box->ShowMessage(error);
        return false;
    }
    if (m_program.LineCount() > 0) {
        m_oldCopy.Clear();
    }
    m_refusedFile = false;
    m_unreadWarning.clear();
    m_lastReadError.clear();
    if (!LadFile::LoadLadder(bytes, FileIo::FileName(path), m_program, m_header, *m_out, *m_box)) {
        // The refused file stays as it is: the empty document has no path name, so Save asks
        // for one instead of overwriting it.
        m_refusedFile = true;
        m_lastReadError = path + ": " + LadFile::RefusalReason(bytes, FileIo::FileName(path));
        BindConverter();
        m_state.SetPathName(path);
        m_state.ClearPathName();
        m_state.SetModified(false);
        return true;
    }
    BindConverter();
    LoadNoteFile({});
    m_out->OutputLine(Messages::Text(kLoaded));
    m_unreadWarning =
        DescribeUnread(path, m_program.LineCount(), LadFile::Excess(bytes, FileIo::FileName(path)));
    if (!m_unreadWarning.empty()) {
        m_out->OutputLine(m_unreadWarning);
        m_box->ShowMessage(m_unreadWarning);
    }
    m_convert.PreCheck();
    LadFile::ExpandBoxes(m_program);
    m_state.SetPathName(path);
    m_state.SetModified(false);
    m_diskStamp = FileIo::StampOf(path);
    return true;
}

std::vector<std::uint8_t> CRungpadDoc::RecoveryBytes() const {
    NullMessageChannel quiet;
    LadHeaderTexts header = m_header;
    const std::string date(header.saveDate.View());
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, m_program, header, date, quiet);
    LadFile::WriteNoteTrailer(bytes, m_program, quiet);
    return bytes;
}

bool CRungpadDoc::OpenRecovered(std::span<const std::uint8_t> ladder, const std::string& path,
                                const std::string& title, std::optional<FileIo::Stamp> diskStamp) {
    // The copy is always in the normal layout, whatever name the document's file has.
    if (!LadFile::LoadLadder(ladder, "recovered.plf", m_program, m_header, *m_out, *m_box)) {
        return false;
    }
    BindConverter();
    LoadNoteFile({});
    m_convert.PreCheck();
    LadFile::ExpandBoxes(m_program);
    if (path.empty()) {
        m_state.SetTitle(title);
    } else {
        m_state.SetPathName(path);
    }
    m_state.SetModified(true);
    m_diskStamp = diskStamp;
    return true;
}

bool CRungpadDoc::IsReadOnlyFile() const {
    return !m_state.PathName().empty() && FileIo::IsReadOnly(m_state.PathName());
}

bool CRungpadDoc::MayOverwrite(const std::string& path) {
    if (FileIo::IsReadOnly(path) && !m_host->ConfirmRiskyOverwrite(Messages::Format(
                                        "%1 is read-only.\nSave over it all the same?", {path}))) {
        return false;
    }
    if (path != m_state.PathName()) {
        return true;
    }
    if (!m_unreadWarning.empty() &&
        !m_host->ConfirmRiskyOverwrite(
            Messages::Format("%1\nSaving writes only the lines shown; the unread part of the file "
                             "is lost. Save all the same?",
                             {m_unreadWarning}))) {
        return false;
    }
    if (!m_diskStamp) {
        return true;
    }
    const std::optional<FileIo::Stamp> now = FileIo::StampOf(path);
    return !now || *now == *m_diskStamp || m_host->ConfirmOverwriteChanged(path);
}

bool CRungpadDoc::OnSaveDocument(const std::string& path) {
    if (!MayOverwrite(path)) {
        return false;
    }
    const bool trailer = !LadFile::IsGrpName(m_state.PathName());
    EditLadderInfo();
    m_convert.ClearErrors();
    m_convert.Convert();
    m_resultsComplete = m_convert.ErrorCount() == 0;
    if (!m_resultsComplete) {
        m_out->OutputLine(m_convert.ShownLastError());
        m_out->OutputLine(Messages::Text(kConvertFailed));
        m_out->OutputLine(Messages::Text(kSaveFailed));
    }
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, m_program, m_header, LadFile::CurrentSaveDate(), *m_out);
    if (trailer) {
        LadFile::WriteNoteTrailer(bytes, m_program, *m_out);
    }
    if (!WriteBytes(path, bytes)) {
        return ReportSaveFailure();
    }
    m_state.SetPathName(path);
    m_state.SetModified(false);
    m_diskStamp = FileIo::StampOf(path);
    m_unreadWarning.clear();
    return true;
}

bool CRungpadDoc::DoFileSave() {
    if (m_state.PathName().empty()) {
        return DoFileSaveAs();
    }
    return OnSaveDocument(m_state.PathName());
}

bool CRungpadDoc::DoFileSaveAs() {
    std::string proposed = m_state.PathName().empty() ? m_state.Title() : m_state.PathName();
    if (!proposed.empty() && FileIo::FileName(proposed).find('.') == std::string::npos) {
        proposed += std::string(".") + kDocExtension;
    }
    const auto path =
        m_host->ChooseSaveFile({kDocExtension, proposed, std::string(Messages::Text(kDocFilter))});
    if (!path) {
        return false;
    }
    return OnSaveDocument(*path);
}

bool CRungpadDoc::SaveModified() {
    if (!m_state.IsModified()) {
        return true;
    }
    switch (m_host->AskSaveChanges(m_state.Title())) {
        case SaveChangesAnswer::kYes:
            return DoFileSave();
        case SaveChangesAnswer::kNo:
            return true;
        case SaveChangesAnswer::kCancel:
            break;
    }
    return false;
}

void CRungpadDoc::OnCloseDocument() {
    m_out->ClearInstructionWindow();
    m_out->ClearOutput();
}

std::vector<std::string> CRungpadDoc::LastInstructionList() const {
    if (!m_converted || !m_resultsComplete) {
        return {};
    }
    return InstructionWindowLines(m_convert);
}

bool CRungpadDoc::ConvertProgram() {
    m_out->ClearOutput();
    m_out->OutputLine(Messages::Text(kConverting));
    m_convert.ClearErrors();
    m_convert.Convert();
    m_resultsComplete = m_convert.ErrorCount() == 0;
    if (!m_resultsComplete) {
        m_converted = false;
        m_out->OutputLine(m_convert.ShownLastError());
        return false;
    }
    m_converted = true;
    m_out->OutputLine(Messages::Text(kConvertSucceededText));
    m_out->ShowInstructionList(InstructionWindowLines(m_convert));
    return true;
}

void CRungpadDoc::EditLadderInfo() {
    LadInfoFields fields{TextCodec::GbkToUtf8(m_header.version.View()),
                         TextCodec::GbkToUtf8(m_header.machine.View()),
                         TextCodec::GbkToUtf8(m_header.modifier.View())};
    if (!m_host->EditLadderInfo(fields)) {
        return;
    }
    StoreField(m_header.machine, fields.machine);
    StoreField(m_header.version, fields.version);
    StoreField(m_header.modifier, fields.modifier);
}

std::string& CRungpadDoc::FindAddressNote(std::string_view address) {
    std::string* note = nullptr;
    if (m_noteExportMode) {
        note = m_notes.FindBitNote(address);
    } else {
        const GridPos pos = m_selection.cursor;
        note = NoteOfCell(pos.column < 0 || pos.line < 0 ? GridPos{0, 0} : pos);
    }
    if (note == nullptr) {
        throw AddressNoteError();
    }
    return *note;
}

const LadCell* CRungpadDoc::AddressCell(GridPos pos) const {
    if (!m_program.IsValidLine(pos.line) || pos.column < 0 || pos.column >= LadLine::kColumns) {
        return nullptr;
    }
    const LadCell& cell = m_program.Cell(pos.column, pos.line);
    if (cell.code <= 0x01FF || cell.code >= Element::kFirstBox) {
        return nullptr;  // only contacts and coils carry an address with a note
    }
    return &cell;
}

const std::string* CRungpadDoc::NoteOfCell(GridPos pos) const {
    const LadCell* cell = AddressCell(pos);
    return cell != nullptr ? m_notes.FindBitNote(cell->Text()) : nullptr;
}

std::string* CRungpadDoc::NoteOfCell(GridPos pos) {
    const LadCell* cell = AddressCell(pos);
    return cell != nullptr ? m_notes.FindBitNote(cell->Text()) : nullptr;
}

bool CRungpadDoc::SetAddressNote(std::string_view text) {
    std::string* note = nullptr;
    try {
        note = &FindAddressNote();
    } catch (const AddressNoteError& e) {
        m_box->ShowMessage(e.what());
        return false;
    }
    *note = text;
    m_out->SetOutputText(TextCodec::GbkToUtf8(text));
    SetModifiedFlag();
    return true;
}

void CRungpadDoc::RestoreAddressNote(int column, int line, std::string_view text) {
    m_selection.cursor = {column, line};
    SetAddressNote(text);
}

std::string CRungpadDoc::AddressNoteAt(int column, int line) const {
    const std::string* note = NoteOfCell({column, line});
    return note ? *note : std::string();
}

void CRungpadDoc::ShowCursorNote() {
    std::string note;
    try {
        note = TextCodec::GbkToUtf8(FindAddressNote());
    } catch (const AddressNoteError&) {
        // A cell without a noteable address shows an empty note.
    }
    m_out->ShowCellNote(note);
}

bool CRungpadDoc::WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    m_lastWriteError.clear();
    return m_writeFile(path, bytes, m_lastWriteError);
}

bool CRungpadDoc::ReportSaveFailure() {
    m_box->ShowMessage(Messages::Text(kSaveFailed));
    m_out->OutputLine(Messages::Text(kSaveFailed));
    return false;
}

std::string CRungpadDoc::ProposedName(std::string_view extension) const {
    const std::string& path = m_state.PathName();
    const std::string stem = path.size() >= 4 ? path.substr(0, path.size() - 4) : std::string{};
    return stem + std::string(extension);
}

}  // namespace rungpad
