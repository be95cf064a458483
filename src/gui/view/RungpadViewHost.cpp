// CRungpadView as the editing core's host: the dialogs of the editing commands.

#include "dialogs/FindDlg.h"
#include "dialogs/FuncDlg.h"
#include "dialogs/GotoLineDlg.h"
#include "dialogs/InsertLineDlg.h"
#include "dialogs/ItemSetDlg.h"
#include "dialogs/NoteDlg.h"
#include "dialogs/QtMessageBox.h"
#include "dialogs/SelMulRowDlg.h"
#include "edit/LadEditor.h"
#include "text/QtText.h"
#include "view/RungpadView.h"

namespace rungpad {

bool CRungpadView::AskItem(std::uint16_t kind, std::string& text) {
    CItemSetDlg dialog(this);
    dialog.SetElementCode(kind);
    dialog.SetItemText(QtText::ToQString(text));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    text = dialog.ItemText().toStdString();
    return true;
}

bool CRungpadView::AskFunctionCode(std::uint16_t& code) {
    CFuncDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    code = dialog.FunctionCode();
    return true;
}

bool CRungpadView::AskInsertLineCount(unsigned& count) {
    CInsertLineDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    count = dialog.Count();
    return true;
}

bool CRungpadView::AskLineRange(int& startLine, int& endLine) {
    CSelMulRowDlg dialog(this);
    dialog.SetLines(startLine, endLine);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    startLine = dialog.StartLine();
    endLine = dialog.EndLine();
    return true;
}

bool CRungpadView::AskGoLine(int& lineNumber) {
    CGotoLineDlg dialog(this);
    dialog.SetLineNumber(lineNumber);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    lineNumber = dialog.LineNumber();
    return true;
}

bool CRungpadView::AskNote(std::string_view address, std::string& note) {
    CNoteDlg dialog(this);
    dialog.SetAddress(QtText::ToQString(address));
    dialog.SetNote(QtText::ToQString(note));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    note = dialog.Note().toStdString();
    return true;
}

bool CRungpadView::SearchNext(std::string_view find, int direction, std::string_view replace,
                              int mode) {
    bool found = false;
    Edit([&](CLadEditor& editor) { found = editor.SearchNext(find, direction, replace, mode); });
    return found;
}

void CRungpadView::SelectFirstCell() {
    Edit([](CLadEditor& editor) { editor.SelectFirstCell(); });
}

void CRungpadView::ReportReplacements() {
    if (m_editor) {
        m_editor->ReportReplacements();
    }
}

void CRungpadView::OnFind() {
    if (!m_editor) {
        return;
    }
    if (!m_findDlg) {
        m_findDlg = std::make_unique<CFindDlg>(*this, this);
    }
    m_findDlg->exec();
}

void CRungpadView::ShowMessage(std::string_view text) {
    QtMessageBox(this).ShowMessage(text);
}

}  // namespace rungpad
