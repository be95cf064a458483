// The main frame's comparison commands: Compare With marks the lines of the active document that
// differ from another program; Next and Previous Difference move the cursor between them.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>

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

void CMainFrame::CreateCompareActions(QMenu* menu) {
    QAction* compare = menu->addAction(QString());
    connect(compare, &QAction::triggered, this, &CMainFrame::OnCompareWith);
    m_documentActions << compare;
    const auto move = [this, menu](const QKeySequence& key, bool forward) {
        QAction* action = menu->addAction(QString());
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, [this, forward] {
            CChildFrame* child = ActiveChild();
            if (child && !child->View()->GoToDifference(forward)) {
                QApplication::beep();
            }
        });
        m_documentActions << action;
        return action;
    };
    QAction* next = move(QKeySequence(Qt::ALT | Qt::Key_Down), true);
    QAction* previous = move(QKeySequence(Qt::ALT | Qt::Key_Up), false);
    KeepTranslated([compare, next, previous] {
        compare->setText(tr("Compare With(&W)..."));
        compare->setStatusTip(tr("Mark the lines that differ from another program"));
        next->setText(tr("Next Difference"));
        previous->setText(tr("Previous Difference"));
    });
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
