#include "shell/Rungpad.h"

#include <QApplication>

#include "shell/MainFrm.h"

namespace rungpad {

CRungpadApp::CRungpadApp() = default;

CRungpadApp::~CRungpadApp() = default;

void CRungpadApp::SetIdentity() {
    QApplication::setOrganizationName(QString::fromUtf8(kSettingsKey));
    QApplication::setApplicationName(QString::fromUtf8(kTitle));
    QApplication::setApplicationVersion(QStringLiteral(RUNGPAD_VERSION));
}

void CRungpadApp::InitInstance(const QStringList& arguments) {
    m_frame = std::make_unique<CMainFrame>();
    m_frame->showMaximized();
    if (arguments.size() > 1) {
        m_frame->OpenDocumentFile(arguments.at(1));
    }
}

}  // namespace rungpad
