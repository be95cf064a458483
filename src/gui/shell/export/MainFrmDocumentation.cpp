// Print Documentation: the whole documentation of the active document as one PDF file.
#include <QDateTime>

#include "analysis/ProgramDocumentation.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "model/FileIo.h"
#include "model/OutputGuard.h"
#include "shell/frame/ChildFrm.h"
#include "shell/frame/MainFrm.h"
#include "text/QtText.h"
#include "view/DocumentationPrinter.h"

namespace rungpad {

void CMainFrame::OnPrintDocumentation() {
    CRungpadDoc* doc = ActiveDocument();
    if (!doc) {
        return;
    }
    const std::string title = doc->State().Title();
    const std::string stem = title.substr(0, title.rfind('.'));
    const auto path = m_host->ChooseSaveFile(
        {"pdf", stem + "-documentation.pdf", tr("PDF files (*.pdf)").toStdString()});
    if (!path) {
        return;
    }
    OutputGuard guard;
    guard.AddInput(doc->State().PathName());
    guard.AddOutput(*path);
    if (const std::string refusal = guard.Refusal(); !refusal.empty()) {
        m_box->ShowMessage(refusal);
        return;
    }
    const ProgramDocumentation documentation = ProgramDocumentation::Build(
        doc->Program(), doc->Header(), doc->Notes(), title,
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString());
    QByteArray pdf;
    QString problem;
    if (!DocumentationPrinter::ToPdf(doc->Program(), documentation, pdf, problem)) {
        m_box->ShowMessage(*path + ": " + problem.toStdString());
        return;
    }
    std::string error;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(pdf.constData());
    if (!FileIo::WriteFileAtomically(*path, {bytes, static_cast<std::size_t>(pdf.size())}, error)) {
        m_box->ShowMessage(error);
        return;
    }
    OutputLine(tr("Documentation written: %1").arg(QtText::FromLocalPath(*path)).toStdString());
}

}  // namespace rungpad
