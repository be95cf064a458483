#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/LadConvert.h"
#include "document/DocumentHost.h"
#include "document/DocumentState.h"
#include "model/AddressNotes.h"
#include "model/FileIo.h"
#include "model/HostInterfaces.h"
#include "model/LadFile.h"
#include "model/LadProgram.h"
#include "model/SelectionState.h"
#include "undo/AddressNoteTarget.h"
#include "undo/UnDoList.h"

namespace rungpad {

// One open ladder document: the program with its header texts and address notes, the selection
// and the undo history its views share, its converter, and the procedures the framework and the
// menus run on it (new, open, save, close, the output file commands, note import and export). Free
// of any widget: the GUI, the CLI and the tests drive it through the same calls, with their own
// hosts.
//
// User texts in the model (header texts, notes) are GBK bytes; everything given to a host is
// UTF-8.
class CRungpadDoc : public AddressNoteTarget {
  public:
    // Writes a whole file; false with an error text when it could not. The default replaces the
    // file atomically, so a failed write leaves the old file as it was.
    using FileWriter = std::function<bool(const std::string& path,
                                          std::span<const std::uint8_t> bytes, std::string& error)>;

    static constexpr const char* kNoteFileName = "PBitCh01.MEA";
    // What a successful conversion reports (output window, command line).
    static constexpr std::string_view kConvertSucceededText = "Convert succeed!";

    CRungpadDoc(MessageChannel& out, MessageBoxHost& box, DocumentHost& host);
    CRungpadDoc(const CRungpadDoc&) = delete;
    CRungpadDoc& operator=(const CRungpadDoc&) = delete;

    // --- members ----------------------------------------------------------------------------
    // Set by a Convert without errors, cleared by one with errors; the output commands refuse
    // while it is clear.
    bool IsConverted() const { return m_converted; }
    // The instruction window's lines of the last complete conversion; empty when there is none.
    std::vector<std::string> LastInstructionList() const;
    void SetConverted(bool converted) { m_converted = converted; }
    // Set only while Export Note writes; FindAddressNote then looks up the text it is given.
    bool NoteExportMode() const { return m_noteExportMode; }
    void SetNoteExportMode(bool exporting) { m_noteExportMode = exporting; }

    LadHeaderTexts& Header() { return m_header; }
    const LadHeaderTexts& Header() const { return m_header; }
    AddressNotes& Notes() { return m_notes; }
    const AddressNotes& Notes() const { return m_notes; }
    LadProgram& Program() { return m_program; }
    const LadProgram& Program() const { return m_program; }
    LadProgram& OldLayoutCopy() { return m_oldCopy; }
    const LadProgram& OldLayoutCopy() const { return m_oldCopy; }
    SelectionState& Selection() { return m_selection; }
    const SelectionState& Selection() const { return m_selection; }
    CLadConvert& Converter() { return m_convert; }
    const CLadConvert& Converter() const { return m_convert; }
    // One history for the document: a step made in any of its views is undone and redone from
    // any other, with line numbers that always match the program.
    CUnDoList& UndoList() { return m_undo; }
    const CUnDoList& UndoList() const { return m_undo; }

    // The framework's part: path name, title, modified mark.
    DocumentState& State() { return m_state; }
    const DocumentState& State() const { return m_state; }
    bool IsModified() const { return m_state.IsModified(); }
    void SetModifiedFlag(bool modified = true) { m_state.SetModified(modified); }

    MessageChannel& Out() const { return *m_out; }
    MessageBoxHost& Box() const { return *m_box; }

    // Replaces how files are written (tests simulate failing disks with it).
    void SetFileWriter(FileWriter writer) { m_writeFile = std::move(writer); }
    // Why the last failed write failed (path and system error), for callers that print it.
    const std::string& LastWriteError() const { return m_lastWriteError; }
    // Why the last note file could not be read (path and system error), or why the reader
    // refused the last ladder file opened (path and reason).
    const std::string& LastReadError() const { return m_lastReadError; }

    // The timer and counter presets (word, value) set in the editor's simulation: the next run
    // starts with them while the document stays open. Never saved.
    std::map<std::string, std::uint32_t>& SimulationPresets() { return m_simPresets; }
    const std::map<std::string, std::uint32_t>& SimulationPresets() const { return m_simPresets; }

    // --- new, open, save, close -------------------------------------------------------------
    // A new untitled document of one empty line; number gives its title (Ladder1, Ladder2, ...).
    bool OnNewDocument(int number = 1);
    // Reads path. False only when the file cannot be read at all (reported in a message box).
    // A file the reader refuses opens as an empty, untitled-path document so that no save
    // overwrites it by accident.
    bool OnOpenDocument(const std::string& path);
    // Whether the last open met a file the reader refused (the document is then empty).
    bool IsRefusedFile() const { return m_refusedFile; }
    // What the last open could not read because the file holds more than its line count admits
    // (a damaged header), as the warning shown then; empty for a whole file. Cleared by a save.
    const std::string& UnreadWarning() const { return m_unreadWarning; }
    // Whether the document's file exists and its user may not write it (Save then asks).
    bool IsReadOnlyFile() const;
    // Converts, then writes the program to path (with the line note trailer unless the document
    // came from a .grp file). On success path becomes the path name and the modified mark is
    // cleared; a failed write leaves the existing file intact and reports "保存文件失败!".
    bool OnSaveDocument(const std::string& path);
    // Save: to the path name, or asks for one when the document has none.
    bool DoFileSave();
    // Save As: always asks for a name.
    bool DoFileSaveAs();
    // Before closing: asks whether to save a modified document. False when the close is to stop.
    bool SaveModified();
    // The document's last window closes.
    void OnCloseDocument();

    // --- recovery -----------------------------------------------------------------------------
    // The document as Save would write it (note trailer included), without converting, asking
    // or changing anything.
    std::vector<std::uint8_t> RecoveryBytes() const;
    // Takes ladder (a recovery copy) as this document's content: path and title as the copy
    // names them, marked modified so that Save writes it where the user expects. diskStamp is
    // what the file looked like when the lost session opened or saved it. False (reported in a
    // message box) when the reader refuses the bytes.
    bool OpenRecovered(std::span<const std::uint8_t> ladder, const std::string& path,
                       const std::string& title, std::optional<FileIo::Stamp> diskStamp);
    // The file's size and time when this document last read or wrote it; nothing when unknown.
    const std::optional<FileIo::Stamp>& DiskStamp() const { return m_diskStamp; }

    // The Convert command on this document: reports in the output window, sets or clears the
    // converted flag. True when the conversion found no error.
    bool ConvertProgram();

    // Shows the ladder information dialog and takes its fields on OK.
    void EditLadderInfo();

    // --- address notes ----------------------------------------------------------------------
    // The note slot of the cursor cell's address (or, in note export mode, of address); throws
    // AddressNoteError ("Error Note!") when there is none.
    std::string& FindAddressNote(std::string_view address = {});
    // The contact or coil at pos, whose address may carry a note; nullptr for any other cell.
    const LadCell* AddressCell(GridPos pos) const;
    // The note slot of the address of the contact or coil at pos; nullptr for any other cell.
    std::string* NoteOfCell(GridPos pos);
    const std::string* NoteOfCell(GridPos pos) const;
    // Stores text (GBK) as the note of the cursor cell's address; "Error Note!" box and false
    // when the cell has no noteable address.
    bool SetAddressNote(std::string_view text);
    // AddressNoteTarget: an undone address note goes back with the cursor on its cell.
    void RestoreAddressNote(int column, int line, std::string_view text) override;
    std::string AddressNoteAt(int column, int line) const override;
    // Shows the note of the cursor cell's address in the output window (ShowCellNote), or an
    // empty note when the cell has none; what the views call whenever the selection is shown.
    void ShowCursorNote();
    // Reads an address note file into the notes; an empty path means "PBitCh01.MEA" in the
    // program's directory. False when the file cannot be read.
    bool LoadNoteFile(const std::string& path);

    // --- document commands ------------------------------------------------------------------
    // Each returns true when it wrote its file (Edit Ladder Diagram Information: always true).
    bool OnGenerateBinaryFile();
    bool OnLadderGeneratedFile();
    bool OnEditLadderInfo();
    bool OnGenerateOldLadderFile();
    bool OnGenerateInstructionList();
    bool OnExportNote();
    bool OnImportNote();

  private:
    // Whether the converter holds the complete results of its last conversion; a save whose
    // conversion failed leaves partial results that must not be written.
    bool ConverterResultsComplete() const { return m_resultsComplete; }
    bool RefuseUnconverted();
    bool WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes);
    // Writes an output file and reports the result ("保存文件成功!" or "保存文件失败!").
    bool WriteOutputFile(const std::string& path, std::span<const std::uint8_t> bytes);
    bool WriteLadderFile(const std::string& path, const LadProgram& table);
    // Refusal, information dialog and file chooser of the two ladder file commands.
    std::optional<std::string> ChooseLadderFile();
    bool ReportSaveFailure();
    std::string ProposedName(std::string_view extension) const;
    void BindConverter();
    // Whether a save to path may go ahead: asks when path is read-only, when the document's
    // file holds lines its line count hid, and when another program changed it since this
    // document last read or wrote it.
    bool MayOverwrite(const std::string& path);

    MessageChannel* m_out;
    MessageBoxHost* m_box;
    DocumentHost* m_host;
    FileWriter m_writeFile;
    std::string m_lastWriteError;
    std::string m_lastReadError;
    bool m_refusedFile = false;
    std::string m_unreadWarning;

    bool m_converted = false;
    bool m_noteExportMode = false;
    bool m_resultsComplete = false;
    LadHeaderTexts m_header;
    AddressNotes m_notes;
    LadProgram m_program;
    LadProgram m_oldCopy;
    SelectionState m_selection;
    CLadConvert m_convert;
    CUnDoList m_undo;
    DocumentState m_state;
    std::optional<FileIo::Stamp> m_diskStamp;
    std::map<std::string, std::uint32_t> m_simPresets;
};

}  // namespace rungpad
