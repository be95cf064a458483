// CRungpadView as the editing core's host: the dialogs of the editing commands.

#include <QInputDialog>
#include <QStringList>

#include "dialogs/GotoLineDlg.h"
#include "dialogs/InsertLineDlg.h"
#include "dialogs/NoteDlg.h"
#include "dialogs/QtMessageBox.h"
#include "dialogs/SelMulRowDlg.h"
#include "doc/LadCell.h"
#include "edit/EditCommands.h"
#include "view/RungpadView.h"

namespace rungpad {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool CRungpadView::AskItem(std::uint16_t kind, std::string& text) {
    // A plain text box stands in for the item dialog until that dialog exists.
    bool ok = false;
    const QString typed = QInputDialog::getText(
        this, QStringLiteral("Item"), QStringLiteral("0x%1").arg(kind, 4, 16, QLatin1Char('0')),
        QLineEdit::Normal, FromUtf8(text), &ok);
    if (!ok) {
        return false;
    }
    text = typed.trimmed().toUpper().left(static_cast<qsizetype>(LadCell::kMaxText)).toStdString();
    return true;
}

bool CRungpadView::AskFunctionCode(std::uint16_t& code) {
    // A list of the function names stands in for the function dialog until that dialog exists.
    QStringList names;
    for (const EditCommands::FunctionCommand& command : EditCommands::kFunctionMenu) {
        names << FromUtf8(command.menuText);
    }
    bool ok = false;
    const QString chosen = QInputDialog::getItem(this, QStringLiteral("function command"),
                                                 QString(), names, 0, false, &ok);
    const qsizetype index = names.indexOf(chosen);
    if (!ok || index < 0) {
        return false;
    }
    code = EditCommands::kFunctionMenu.at(static_cast<std::size_t>(index)).code;
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
    dialog.SetAddress(FromUtf8(address));
    dialog.SetNote(FromUtf8(note));
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    note = dialog.Note().toStdString();
    return true;
}

void CRungpadView::ShowMessage(std::string_view text) {
    QtMessageBox(this).ShowMessage(text);
}

}  // namespace rungpad
