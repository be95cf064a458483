// The editing layer driven by arbitrary bytes: each command takes a few bytes that choose the
// selection, the command and the dialog answers a user would type. After every command the line
// table, the boxes' CODT tables and the limits must hold; at the end every step is undone.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzChecks.h"
#include "RecordingHost.h"
#include "ScriptedEditorHost.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadClipboard.h"
#include "edit/LadEditor.h"

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

void CheckDocument(const CRungpadDoc& doc) {
    const LadProgram& program = doc.Program();
    fuzz::CheckLineTable(program);
    fuzz::Require(program.LineCount() >= 1, "an edited program keeps a line");
    for (int i = 0; i < program.LineCount(); ++i) {
        for (const LadCell& cell : program.Line(i).cells) {
            fuzz::Require(cell.Text().size() <= LadCell::kMaxText, "cell texts within 6");
        }
        fuzz::Require(program.Note(i).Length() <= NoteText::kSize, "notes within 20");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteSource in(data, size);
    test::RecordingHost out;
    NullDocumentHost docHost;
    CRungpadDoc doc{out, out, docHost};
    doc.OnNewDocument();
    test::ScriptedEditorHost host;
    LadClipboard clipboard;
    CLadEditor editor{doc, host, clipboard};
    editor.OnInitialUpdate();
    for (int step = 0; step < 200 && !in.Empty(); ++step) {
        Queue(in, host);
        RunCommand(in, doc, editor);
        CheckDocument(doc);
        out.events.clear();
    }
    for (int undo = 0; undo < 60 && editor.CanUndo(); ++undo) {
        editor.OnUndo();
        CheckDocument(doc);
    }
    return 0;
}
