// The main frame's comparison commands: Compare With marks the lines of the active document that
// differ from another program; Next and Previous Difference move the cursor between them.

#include <QApplication>
#include <QFile>

#include "analysis/ProgramDiff.h"
#include "document/ProgramReader.h"
#include "document/RungpadDoc.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/MainFrm.h"
#include "text/QtText.h"
#include "view/RungpadView.h"

namespace rungpad {

namespace {

// The file dialog puts the filter's descriptions into the language chosen.
constexpr const char* kCompareFilter =
    "PLC梯图文件 (*.plf;*.grp;*.bak)|*.plf;*.grp;*.bak|所有文件(*.*)|*.*||";

}  // namespace

void CMainFrame::OnNextDifference() {
    MoveToDifference(true);
}

void CMainFrame::OnPreviousDifference() {
    MoveToDifference(false);
}

void CMainFrame::MoveToDifference(bool forward) {
    CChildFrame* child = ActiveChild();
    if (child && !child->View()->GoToDifference(forward)) {
        QApplication::beep();
    }
}

void CMainFrame::OnCompareWith() {
    CChildFrame* child = ActiveChild();
    if (!child) {
        return;
    }
    const auto path = m_host->ChooseOpenFile({"", "", kCompareFilter});
    if (!path) {
        return;
    }
    LadProgram other;
    LadHeaderTexts header;
    std::string error;
    if (!ProgramReader::Read(*path, other, header, error)) {
        m_box->ShowMessage(*path + ": " + error);
        return;
    }
    const CRungpadDoc& doc = child->Document();
    const ProgramDiff diff = ProgramDiff::Compare({other, header}, {doc.Program(), doc.Header()});
    OutputLine(tr("Compare With %1: %2")
                   .arg(QtText::FromLocalPath(*path),
                        QtText::ToQString(ProgramDiff::Summary(diff.Counts())))
                   .toStdString());
    child->View()->SetComparison(std::move(other));
}

}  // namespace rungpad
