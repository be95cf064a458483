#include "shell/panels/OutputNavigator.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "convert/ConvertError.h"
#include "document/RungpadDoc.h"
#include "shell/frame/ChildFrm.h"

namespace rungpad {

COutputNavigator::COutputNavigator(QPlainTextEdit* output, QPlainTextEdit* instructions,
                                   QObject* parent)
    : QObject(parent), m_output(output), m_instructions(instructions) {
    for (QPlainTextEdit* edit : {m_output, m_instructions}) {
        edit->installEventFilter(this);
        edit->viewport()->installEventFilter(this);
    }
}

void COutputNavigator::NoteOutputLine(CChildFrame* source) {
    m_outputSources.resize(static_cast<std::size_t>(m_output->blockCount()));
    m_outputSources.back() = source;
}

void COutputNavigator::NoteOutputReplaced(CChildFrame* source) {
    m_outputSources.assign(static_cast<std::size_t>(m_output->blockCount()), source);
}

void COutputNavigator::NoteInstructionList(CChildFrame* source) {
    m_instructionSource = source;
    m_instructionLines.clear();
    if (source == nullptr) {
        return;
    }
    const CLadConvert& convert = source->Document().Converter();
    for (int i = 0; i < convert.TextCount(); ++i) {
        m_instructionLines.push_back(convert.InstructionLine(i));
    }
}

void COutputNavigator::ActivateOutputLine(int block) {
    const QTextBlock text = m_output->document()->findBlockByNumber(block);
    const int line = ConvertError::LineOfReport(text.text().toStdString());
    if (!text.isValid() || line < 0) {
        return;
    }
    const auto index = static_cast<std::size_t>(block);
    CChildFrame* source = index < m_outputSources.size() ? m_outputSources[index].data() : nullptr;
    emit PlaceChosen(source, {0, line}, {0, line});
}

void COutputNavigator::ActivateInstructionRow(int row) {
    if (row < 0 || row >= static_cast<int>(m_instructionLines.size()) || !m_instructionSource) {
        return;
    }
    const int line = m_instructionLines[static_cast<std::size_t>(row)];
    if (line >= 0) {
        emit PlaceChosen(m_instructionSource.data(), {0, line}, {7, line});
    }
}

bool COutputNavigator::eventFilter(QObject* watched, QEvent* event) {
    QPlainTextEdit* edit = nullptr;
    int block = -1;
    if (event->type() == QEvent::MouseButtonDblClick) {
        edit = watched == m_output->viewport()         ? m_output
               : watched == m_instructions->viewport() ? m_instructions
                                                       : nullptr;
        if (edit) {
            const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
            block = edit->cursorForPosition(pos).blockNumber();
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        edit = watched == m_output         ? m_output
               : watched == m_instructions ? m_instructions
                                           : nullptr;
        if (edit && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            block = edit->textCursor().blockNumber();
        }
    }
    if (block < 0) {
        return QObject::eventFilter(watched, event);
    }
    if (edit == m_output) {
        ActivateOutputLine(block);
    } else {
        ActivateInstructionRow(block);
    }
    return false;  // the window still selects the word or moves its cursor
}

}  // namespace rungpad
