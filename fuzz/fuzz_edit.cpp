// The editing layer driven by arbitrary bytes: each command takes a few bytes that choose the
// selection, the command and the dialog answers a user would type. After every command the line
// table, the boxes' CODT tables and the limits must hold; at the end every step is undone.
// The first byte chooses where editing starts: a new document, a full program of 1600 lines, or
// a ladder file carried in the input (three bytes of length, then the file, then the commands).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzChecks.h"
#include "GridBuilder.h"
#include "RecordingHost.h"
#include "ScriptedEditorHost.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadClipboard.h"
#include "edit/LadEditor.h"
#include "model/HostInterfaces.h"
#include "model/LadFile.h"

using namespace rungpad;

namespace {

class ByteSource {
  public:
    ByteSource(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_pos >= m_size; }
    int Next(int n) { return m_pos < m_size ? m_data[m_pos++] % n : 0; }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

const char* const kItems[] = {"X000.0", "x1.2", "Y000.1", "R100.7", "R510.0", "G063.7",
                              "0012",   "200",  "D010",   "DC3",    "2",      "1001",
                              "16",     "",     "R12",    "65535",  "Q1.0",   "X0012.1"};

std::string Item(ByteSource& in) {
    return kItems[in.Next(sizeof kItems / sizeof kItems[0])];
}

void Queue(ByteSource& in, test::ScriptedEditorHost& host) {
    host.items.push_back(in.Next(8) == 0 ? std::nullopt : std::optional<std::string>(Item(in)));
    host.functions.push_back(FuncInstrTable::At(in.Next(FuncInstrTable::kCount)).code);
    host.insertCounts.push_back(static_cast<unsigned>(in.Next(5)));
    host.lineRanges.push_back(std::make_pair(in.Next(40) - 1, in.Next(40) - 1));
    host.goLines.push_back(in.Next(40) - 1);
    host.notes.push_back(Item(in));
}

void RunCommand(ByteSource& in, CRungpadDoc& doc, CLadEditor& editor) {
    const int lines = doc.Program().LineCount();
    const GridPos anchor{in.Next(9) - 1, in.Next(lines + 1)};
    const GridPos cursor = in.Next(4) == 0 ? GridPos{in.Next(8), in.Next(lines + 1)} : anchor;
    editor.Select(anchor, cursor);
    switch (in.Next(15)) {
        case 0:
            editor.OnElementCommand(EditCommands::kElementTools[in.Next(8)].id);
            break;
        case 1:
            editor.OnFunctionMenuCommand(
                EditCommands::kFunctionMenu[in.Next(EditCommands::kFunctionMenu.size())].id);
            break;
        case 2:
            editor.OnFunctionCommand();
            break;
        case 3:
            editor.EditAtCursor();
            break;
        case 4:
            editor.OnInsertLine();
            break;
        case 5:
            editor.OnDeleteLine();
            break;
        case 6:
            editor.OnCopy();
            break;
        case 7:
            editor.OnCut();
            break;
        case 8:
            editor.OnPaste();
            break;
        case 9:
            editor.OnSelectLines();
            break;
        case 10:
            editor.OnGoLine();
            break;
        case 11:
            editor.SearchNext(Item(in), in.Next(2), Item(in), in.Next(6));
            break;
        case 12:
            editor.OnModifyNote();
            break;
        case 13:
            editor.OnUndo();
            break;
        default:
            editor.OnRedo();
            break;
    }
}

// textLimit: 6, or 7 for a program read from a file (7 text bytes without a NUL read as 7).
void CheckDocument(const CRungpadDoc& doc, std::size_t textLimit) {
    const LadProgram& program = doc.Program();
    fuzz::CheckLineTable(program);
    fuzz::Require(program.LineCount() >= 1, "an edited program keeps a line");
    for (int i = 0; i < program.LineCount(); ++i) {
        for (const LadCell& cell : program.Line(i).cells) {
            fuzz::Require(cell.Text().size() <= textLimit, "cell texts within their limit");
        }
        fuzz::Require(program.Note(i).Length() <= NoteText::kSize, "notes within 20");
    }
}

// A program at the line limit (coil networks and END1, END2), as a ladder file.
const std::vector<std::uint8_t>& FullProgram() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<std::string> lines;
        for (int i = 0; i < LadProgram::kMaxLines - 2; ++i) {
            lines.push_back("X" + std::to_string(1000 + i % 60).substr(1) + ".0 - - - - - - (R" +
                            std::to_string(1000 + i % 500).substr(1) + ".1)");
        }
        lines.emplace_back("- - - - [END1] - - -");
        lines.emplace_back("- - - - [END2] - - -");
        std::vector<std::uint8_t> file;
        LadHeaderTexts header;
        NullMessageChannel quiet;
        LadFile::SaveLadder(file, test::GridBuilder::Build(lines), header, "2026-12-10 09:00",
                            quiet);
        return file;
    }();
    return bytes;
}

// Starts doc as the first byte says; returns the number of bytes the start took.
std::size_t Start(const std::uint8_t* data, std::size_t size, CRungpadDoc& doc) {
    const int mode = size > 0 ? data[0] % 3 : 0;
    if (mode == 1 && doc.OpenRecovered(FullProgram(), "", "full", std::nullopt)) {
        return 1;
    }
    if (mode == 2 && size >= 4) {
        const std::size_t length =
            std::min<std::size_t>(data[1] | (data[2] << 8) | (data[3] << 16), size - 4);
        if (doc.OpenRecovered({data + 4, length}, "", "loaded", std::nullopt) &&
            doc.Program().LineCount() > 0) {
            return 4 + length;
        }
    }
    doc.OnNewDocument();
    return std::min<std::size_t>(size, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::RecordingHost out;
    NullDocumentHost docHost;
    CRungpadDoc doc{out, out, docHost};
    const std::size_t start = Start(data, size, doc);
    const std::size_t textLimit = start > 1 ? LadCell::kMaxText + 1 : LadCell::kMaxText;
    ByteSource in(data + start, size - start);
    test::ScriptedEditorHost host;
    LadClipboard clipboard;
    CLadEditor editor{doc, host, clipboard};
    editor.OnInitialUpdate();
    for (int step = 0; step < 200 && !in.Empty(); ++step) {
        Queue(in, host);
        RunCommand(in, doc, editor);
        CheckDocument(doc, textLimit);
        out.events.clear();
    }
    for (int undo = 0; undo < 60 && editor.CanUndo(); ++undo) {
        editor.OnUndo();
        CheckDocument(doc, textLimit);
    }
    return 0;
}
