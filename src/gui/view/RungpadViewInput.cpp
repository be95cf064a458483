// CRungpadView's input: mouse selection and the rubber band, double-click and Enter, the cursor
// keys, the right-click menu and the line note typed in place.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>
#include <QScrollBar>
#include <QValidator>
#include <QWheelEvent>
#include <array>
#include <cstdlib>
#include <optional>
#include <utility>

#include "document/RungpadDoc.h"
#include "edit/EditCommands.h"
#include "edit/LadEditor.h"
#include "model/LadProgram.h"
#include "text/QtText.h"
#include "view/CoilRefMargin.h"
#include "view/RungpadView.h"
#include "view/ViewFonts.h"
#include "view/ZoomSteps.h"

namespace rungpad {

namespace {

using G = GridGeometry;

// The note editor's box and the part of the line repainted when it closes.
LogicalRect NoteEditRect(int line, int noteX) {
    const int top = G::LineTop(line) - G::kTextDrop;
    return {noteX, top, noteX + 769 - G::kNoteX, top - 32};
}

LogicalRect NoteRepaintRect(int line, int noteX) {
    const int top = G::LineTop(line) - G::kTextDrop;
    return {noteX, top, noteX + 1042 - G::kNoteX, top - 32};
}

// Refuses typing beyond the 20 bytes of a line note.
class LineNoteValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return CLadEditor::LineNoteFits(input.toStdString()) ? Acceptable : Invalid;
    }
};

// The cursor movement of a key, if it is a cursor key.
std::optional<CursorMotion::Key> CursorKeyOf(int qtKey) {
    using Key = CursorMotion::Key;
    static constexpr std::array<std::pair<int, Key>, 8> kKeys = {{
        {Qt::Key_Left, Key::Left},
        {Qt::Key_Right, Key::Right},
        {Qt::Key_Up, Key::Up},
        {Qt::Key_Down, Key::Down},
        {Qt::Key_Home, Key::Home},
        {Qt::Key_End, Key::End},
        {Qt::Key_PageUp, Key::PageUp},
        {Qt::Key_PageDown, Key::PageDown},
    }};
    for (const auto& [qt, key] : kKeys) {
        if (qt == qtKey) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace

void CRungpadView::Edit(const std::function<void(CLadEditor&)>& command) {
    RunEdit(command, true);
}

void CRungpadView::RunEdit(const std::function<void(CLadEditor&)>& command, bool keepCursorInView) {
    if (!m_editor || IsMonitoring()) {  // read-only while simulating
        return;
    }
    const GridPos before = m_doc->Selection().cursor;
    const int linesBefore = LineCount();
    command(*m_editor);
    if (LineCount() != linesBefore) {
        UpdateScrollSize();
        viewport()->update();
    }
    const GridPos after = m_doc->Selection().cursor;
    if (keepCursorInView && !(after == before)) {
        KeepCellInView(after);
    }
    emit Edited();
}

LogicalPoint CRungpadView::ToLogical(const QPoint& viewportPos) const {
    return Mapping().ToLogical(viewportPos);
}

int CRungpadView::LineCount() const {
    return m_program ? m_program->LineCount() : 0;
}

void CRungpadView::mousePressEvent(QMouseEvent* event) {
    if (!m_editor) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const LogicalPoint p = ToLogical(event->position().toPoint());
    if (IsMonitoring()) {
        if (event->button() == Qt::LeftButton && G::InGrid(p, LineCount())) {
            const GridPos cell = G::CellAt(p, LineCount());
            emit MonitorClicked(cell.column, cell.line,
                                event->modifiers().testFlag(Qt::ShiftModifier));
        }
        return;
    }
    EndNoteEdit();
    if (event->button() == Qt::LeftButton && JumpToCoilReference(event->position().toPoint())) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        RunEdit(
            [&](CLadEditor& editor) {
                editor.SetHighlight(false);
                SelectionState& selection = m_doc->Selection();
                selection.bandStart = selection.bandEnd = p;
                selection.anchor = selection.cursor = G::CellAt(p, LineCount());
            },
            false);
        m_dragging = true;
        m_bandStart = event->position().toPoint();
        if (!m_band) {
            m_band = new QRubberBand(QRubberBand::Rectangle, viewport());
        }
        m_band->setGeometry(QRect(m_bandStart, QSize()));
        m_band->show();
    } else if (event->button() == Qt::RightButton && G::InGrid(p, LineCount())) {
        // A right click inside the selection keeps it; elsewhere the clicked cell is selected.
        const GridPos cell = G::CellAt(p, LineCount());
        if (m_program->Cell(cell.column, cell.line).highlight == 0) {
            RunEdit([&](CLadEditor& editor) { editor.Select(cell, cell); }, false);
        }
    }
}

void CRungpadView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    m_band->setGeometry(QRect(m_bandStart, event->position().toPoint()).normalized());
    m_doc->Selection().bandEnd = ToLogical(event->position().toPoint());
}

void CRungpadView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_editor || IsMonitoring()) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    const LogicalPoint p = ToLogical(event->position().toPoint());
    if (event->button() == Qt::LeftButton && m_dragging) {
        m_dragging = false;
        m_band->hide();
        RunEdit(
            [&](CLadEditor& editor) {
                SelectionState& selection = m_doc->Selection();
                selection.bandEnd = p;
                selection.cursor = G::CellAt(p, LineCount());
                editor.SetHighlight(true);
            },
            false);
    } else if (event->button() == Qt::RightButton) {
        EndNoteEdit();
        ShowContextMenu(event->globalPosition().toPoint());
    }
}

void CRungpadView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!m_editor || IsMonitoring() || event->button() != Qt::LeftButton ||
        !m_editor->CanEditAtCursor()) {
        return;
    }
    const LogicalPoint p = ToLogical(event->position().toPoint());
    if (G::InGrid(p, LineCount())) {
        Edit([](CLadEditor& editor) { editor.EditAtCursor(); });
    } else if (m_coilRefs && CoilRefMargin::InColumn(p, LineCount())) {
        return;  // the second click on a reference: the first one jumped
    } else if (G::InNoteColumn(p, LineCount())) {
        StartNoteEdit(m_doc->Selection().cursor.line);
    }
}

void CRungpadView::keyPressEvent(QKeyEvent* event) {
    using Key = CursorMotion::Key;
    if (!m_editor) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    std::optional<Key> move = CursorKeyOf(event->key());
    if (move && event->modifiers().testFlag(Qt::ControlModifier)) {
        // Ctrl+Home and Ctrl+End go to the program's first and last line; other Ctrl+ keys
        // are the scroll area's.
        move = *move == Key::Home  ? std::optional(Key::First)
               : *move == Key::End ? std::optional(Key::Last)
                                   : std::nullopt;
        if (!move) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
    }
    if (move) {
        MoveCursor(*move);  // also in monitor mode: the cursor is no edit
        return;
    }
    if (IsMonitoring()) {
        // Space works the input contact at the cursor as a click does; Shift+Space forces it.
        const GridPos cursor = m_doc->Selection().cursor;
        if (event->key() == Qt::Key_Space && cursor.column >= 0 &&
            m_program->IsValidLine(cursor.line)) {
            emit MonitorClicked(cursor.column, cursor.line,
                                event->modifiers().testFlag(Qt::ShiftModifier));
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            EndNoteEdit();
            Edit([](CLadEditor& editor) { editor.EditAtCursor(); });
            return;
        case Qt::Key_Delete:
            Edit([](CLadEditor& editor) { editor.PlaceElement(Element::kEmpty); });
            return;
        default:
            QAbstractScrollArea::keyPressEvent(event);
    }
}

bool CRungpadView::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the note box stores the note and ends there: it must not reach the view, where it
    // would open the item entry of the cursor cell.
    if (watched == m_noteEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EndNoteEdit();
            return true;
        }
        if (key == Qt::Key_Escape) {
            CancelNoteEdit();
            return true;
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void CRungpadView::MoveCursor(CursorMotion::Key key) {
    if (!m_editor) {
        return;
    }
    const GridPos old = m_doc->Selection().cursor;
    const LogicalPoint at = ScrollPosition();
    const CursorMotion::Move move = CursorMotion::Next(key, old, at.y, LineCount());
    // Moving the cursor changes no cell of the program, so it is allowed while simulating.
    m_editor->SetHighlight(false);
    if (move.scrollY) {
        ScrollTo({at.x, *move.scrollY});
    }
    SelectionState& selection = m_doc->Selection();
    selection.anchor = selection.cursor = move.cursor;
    m_editor->SetHighlight(true);
    m_editor->InvalidateCursorCell();
    KeepCellInView(move.cursor);
    emit Edited();
}

void CRungpadView::StartNoteEdit(int line) {
    if (!m_editor || IsMonitoring() || !m_program->IsValidLine(line)) {
        return;
    }
    EndNoteEdit();
    m_noteLine = line;
    m_noteEdit = new QLineEdit(viewport());
    const LogicalMapping mapping = Mapping();
    QFont font = Fonts().NoteFont();
    font.setPixelSize(std::max(1, mapping.HeightToDevice(Fonts().NoteSize())));
    m_noteEdit->setFont(font);
    m_noteEdit->setGeometry(mapping.ToDevice(NoteEditRect(line, NoteLeft())));
    m_noteEdit->setText(QtText::ToQString(m_editor->LineNote(line)));
    // Typing stops at the note's 20 bytes instead of the text being cut when the box closes.
    m_noteEdit->setValidator(new LineNoteValidator(m_noteEdit));
    m_noteEdit->installEventFilter(this);
    m_noteEdit->show();
    m_noteEdit->setFocus();
    m_noteEdit->selectAll();
}

void CRungpadView::CloseNoteBox() {
    // The box may be closing from its own signal: it goes once control is back in the loop.
    m_noteEdit->hide();
    m_noteEdit->deleteLater();
    m_noteEdit = nullptr;
    setFocus();
}

void CRungpadView::CancelNoteEdit() {
    if (m_noteEdit) {
        CloseNoteBox();
    }
}

void CRungpadView::EndNoteEdit() {
    if (!m_noteEdit) {
        return;
    }
    const std::string text = m_noteEdit->text().toStdString();
    CloseNoteBox();
    const int line = m_noteLine;
    Edit([&](CLadEditor& editor) { editor.SetLineNote(line, text); });
    InvalidateLogical(NoteRepaintRect(line, NoteLeft()), 5);
}

void CRungpadView::ShowContextMenu(const QPoint& globalPos) {
    const GridPos cursor = m_doc ? m_doc->Selection().cursor : GridPos{-1, -1};
    if (!m_editor || IsMonitoring() || cursor.column < 0 || cursor.line < 0 ||
        !m_program->IsValidLine(cursor.line)) {
        return;
    }
    QMenu menu(this);
    BuildContextMenu(menu);
    if (!menu.isEmpty()) {
        menu.exec(globalPos);
    }
}

void CRungpadView::BuildContextMenu(QMenu& menu) {
    if (!m_commandLookup || !m_editor) {
        return;
    }
    const auto add = [this](QMenu* into, int id) {
        if (QAction* action = m_commandLookup(id)) {
            into->addAction(action);
        }
    };
    using C = EditCommands;
    for (const int id : {C::kCut, C::kCopy, C::kPaste}) {
        add(&menu, id);
    }
    menu.addSeparator();
    add(&menu, C::kInsertLine);
    add(&menu, C::kDeleteLine);
    if (m_editor->CanModifyNote()) {
        // Modify Note under this menu's own name.
        if (QAction* modifyNote = m_commandLookup(C::kModifyNote)) {
            QAction* item = menu.addAction(tr("修改注释(&M)"));
            connect(item, &QAction::triggered, modifyNote, &QAction::trigger);
        }
        const GridPos cursor = m_doc->Selection().cursor;
        const std::string_view text = m_program->Cell(cursor.column, cursor.line).Text();
        const QString address =
            QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        QAction* xref = menu.addAction(tr("Show Cross Reference"));
        connect(xref, &QAction::triggered, this,
                [this, address] { emit CrossReferenceRequested(address); });
    }
    menu.addSeparator();
    QMenu* basic = menu.addMenu(tr("基本指令(&B)"));
    // Contacts, horizontal, vertical, coils, Delete Nodes, Remove Vertical.
    for (const int id : {C::kNoContactTool, C::kNcContactTool, C::kHLineTool, C::kSetLinkTool,
                         C::kCoilTool, C::kNegCoilTool, C::kDeleteTool, C::kClearLinkTool}) {
        add(basic, id);
    }
    QMenu* functions = menu.addMenu(tr("功能指令(&F)"));
    for (const EditCommands::FunctionCommand& command : EditCommands::kFunctionMenu) {
        add(functions, command.id);
    }
}

void CRungpadView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    constexpr int kNotch = 120;  // one step of a common wheel
    if (delta != 0 && event->modifiers() == Qt::ControlModifier && m_program) {
        // Ctrl+wheel zooms about the point under the mouse, a step a notch.
        m_wheelRemainder += delta;
        const int notches = m_wheelRemainder / kNotch;
        m_wheelRemainder %= kNotch;
        int percent = m_zoom;
        for (int i = 0; i < std::abs(notches); ++i) {
            percent = notches > 0 ? ZoomSteps::In(percent) : ZoomSteps::Out(percent);
        }
        SetZoom(percent, event->position().toPoint());
        event->accept();
        return;
    }
    if (delta == 0 || event->modifiers() != Qt::NoModifier || !m_program) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    m_wheelRemainder += delta;
    const int notches = m_wheelRemainder / kNotch;
    m_wheelRemainder %= kNotch;
    const int lines = notches * QApplication::wheelScrollLines();
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - Mapping().HeightToDevice(G::kLineHeight * lines));
    event->accept();
}

}  // namespace rungpad
