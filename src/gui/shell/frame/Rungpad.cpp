#include "shell/frame/Rungpad.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextStream>

#include "shell/frame/AppIcon.h"
#include "shell/frame/MainFrm.h"
#include "shell/frame/StartupProbe.h"
#include "shell/recovery/QtRecoveryPrompt.h"
#include "shell/recovery/RecoveryKeeper.h"

namespace rungpad {

CRungpadApp::CRungpadApp() = default;

CRungpadApp::~CRungpadApp() = default;

void CRungpadApp::SetIdentity() {
    QApplication::setOrganizationName(QString::fromUtf8(kSettingsKey));
    QApplication::setApplicationName(QString::fromUtf8(kTitle));
    QApplication::setApplicationVersion(QStringLiteral(RUNGPAD_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("rungpad"));
}

void CRungpadApp::InitInstance(const QStringList& arguments) {
    StartupProbe::Mark("application");
    m_frame = std::make_unique<CMainFrame>();
    StartupProbe::Mark("frame");
    StartupProbe::Watch(*m_frame);
    m_frame->ShowWithLayout();
    m_frame->AfterFirstPicture([] { QApplication::setWindowIcon(AppIcon::Get()); });
    StartupProbe::Mark("show");
    m_recovery = new RecoveryKeeper(*m_frame, RecoveryKeeper::DefaultDirectory(), m_frame.get());
    QtRecoveryPrompt prompt(m_frame.get());
    m_recovery->OfferRecovery(prompt);
    m_recovery->Start();
    StartupProbe::Mark("recovery");
    if (arguments.size() > 1) {
        m_frame->OpenDocumentFile(arguments.at(1));
    }
    StartupProbe::Mark("document");
}

bool CRungpadApp::PrintFile(const QString& path) {
    m_frame = std::make_unique<CMainFrame>();
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        QTextStream(stderr) << "rungpad: no printer to print " << path << " on\n";
        return false;
    }
    if (!m_frame->PrintDocumentFile(path, printer)) {
        QTextStream(stderr) << "rungpad: " << path << " was not printed\n";
        return false;
    }
    return true;
}

}  // namespace rungpad
