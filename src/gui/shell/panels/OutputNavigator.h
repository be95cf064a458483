#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

#include "model/SelectionState.h"

class QPlainTextEdit;

namespace rungpad {

class CChildFrame;

// Leads from the output window's error lines and the instruction window's rows back to the
// ladder: double-click or Enter on a line asks for its place in the window of the document that
// wrote it. It remembers which child wrote each output line and the ladder line of each
// instruction row (kept as data when the list is shown, never read back from the text).
class COutputNavigator : public QObject {
    Q_OBJECT

  public:
    COutputNavigator(QPlainTextEdit* output, QPlainTextEdit* instructions, QObject* parent);

    // The output window got a line (appended) or a whole new text from source.
    void NoteOutputLine(CChildFrame* source);
    void NoteOutputReplaced(CChildFrame* source);
    // The instruction window shows the list of source's converter.
    void NoteInstructionList(CChildFrame* source);

    // Chooses the output window's line or the instruction window's row as a double-click would.
    void ActivateOutputLine(int block);
    void ActivateInstructionRow(int row);

  signals:
    // A line was chosen: select from anchor to cursor in child's view (nullptr: the active one).
    void PlaceChosen(CChildFrame* child, GridPos anchor, GridPos cursor);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* m_output;
    QPlainTextEdit* m_instructions;
    std::vector<QPointer<CChildFrame>> m_outputSources;  // per output line
    QPointer<CChildFrame> m_instructionSource;
    std::vector<int> m_instructionLines;  // per instruction row
};

}  // namespace rungpad
