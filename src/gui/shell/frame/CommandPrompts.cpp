#include "shell/frame/CommandPrompts.h"

#include <array>
#include <utility>

namespace rungpad {

namespace {

// The program's own commands, and the framework's with the usual desktop wording. Two strings
// of the program's own are mended: "Insert Linen" and "Modify note(" were cut short.
constexpr std::array<std::pair<int, const char*>, 51> kPrompts = {{
    {32771, "Normally open contact(Ctrl+Q)\n"},
    {32772, "Output coil(Ctrl+E)\n"},
    {32773, "Normally closed contact(Ctrl+W)\n(Ctrl+W)"},
    {32774, "Horizontal conductive line(Ctrl+G)\n"},
    {32775, "Negated output coil(Ctrl+R)\n"},
    {32776, "Vertical conductive line(Ctrl+D)\n"},
    {32777, "Delete nodes(Del)\n"},
    {32778, "Remove vertical conductive line(Ctrl+Shift+D)\n"},
    {32779, "function command(Ctrl+A)\n function command(Ctrl+A)"},
    {32780, "Insert Line\n"},
    {32781, "Delete Line\n"},
    {32782, "Find(Ctrl+F)\n"},
    {32789, "Convert Ladder diagram(F7)\n"},
    {32821, "Generate binary file\n"},
    {32822, "Save as command file\n"},
    {32823, "Modify note\n"},
    {32825, "Export  Note\n"},
    {32826, "Import Note\n"},
    {32827, "Replace"},
    {32828, "Generate ladder diagram file \n"},
    {32830, "Generate Instruction List \n"},
    {61452, "Generate the old ladder diagram file\n"},
    {32831, "Select several whole lines\nMultiple Line Selection"},
    {32832, "Go to a line by its number\nGo Line"},
    {32787, "Show or hide the output window\nOutput window"},
    {32791, "Show or hide the instruction window\nInstruction Window"},
    {57600, "Create a new document\nNew"},
    {57601, "Open an existing document\nOpen"},
    {57602, "Close the active document\nClose"},
    {57603, "Save the active document\nSave"},
    {57604, "Save the active document with a new name\nSave As"},
    {57606, "Change the printer and printing options\nPrint Setup"},
    {57607, "Print the active document\nPrint"},
    {57609, "Display full pages\nPrint Preview"},
    {57634, "Copy the selection to the editor's clipboard\nCopy"},
    {57635, "Cut the selection to the editor's clipboard\nCut"},
    {57637, "Insert the editor's clipboard contents\nPaste"},
    {57643, "Undo the last action\nUndo"},
    {57644, "Redo the action last undone\nRedo"},
    {33101, "Start the simulation of the active program, or stop it\nStart/Stop Simulation"},
    {33102, "Run one scan of the simulation, starting it paused\nSingle Scan"},
    {57648, "Open another window for the active document\nNew Window"},
    {57649, "Arrange icons at the bottom of the window\nArrange Icons"},
    {57650, "Arrange windows so they overlap\nCascade Windows"},
    {57651, "Arrange windows as non-overlapping tiles\nTile Windows"},
    {57664, "Display program information and version\nAbout"},
    {33120, "Open the user guide\nUser Guide"},
    {33121, "List the keys of every command\nKeyboard Shortcuts"},
    {57665, "Quit the application; prompts to save documents\nExit"},
    {59392, "Show or hide the toolbar\nToggle ToolBar"},
    {59393, "Show or hide the status bar\nToggle StatusBar"},
}};

// "Text" becomes "Text(Ctrl+N)" unless it names a key already.
QString WithKey(QString text, const QString& key) {
    text = text.trimmed();
    if (key.isEmpty() || text.isEmpty() || text.endsWith(u')')) {
        return text;
    }
    return text + u'(' + key + u')';
}

}  // namespace

CommandPrompts::Prompt CommandPrompts::For(int id, const QKeySequence& key) {
    for (const auto& [each, text] : kPrompts) {
        if (each != id) {
            continue;
        }
        const QString whole = QString::fromUtf8(text);
        const qsizetype split = whole.indexOf(u'\n');
        const QString keyText = key.toString(QKeySequence::NativeText);
        const QString status = WithKey(split < 0 ? whole : whole.left(split), keyText);
        QString tip = split < 0 ? QString() : whole.mid(split + 1).trimmed();
        // A tip that is empty or only a key in brackets says less than the prompt.
        if (tip.isEmpty() || tip.startsWith(u'(')) {
            tip = status;
        } else {
            tip = WithKey(tip, keyText);
        }
        return {status, tip};
    }
    return {};
}

}  // namespace rungpad
