#pragma once

// The set-up shared by the tests that drive the whole main window: the user's settings in a
// temporary directory, a message box that records its texts and a document host that answers
// nothing. A test class derives from it and calls InitSettings from its initTestCase.

#include <QCoreApplication>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include "GuiTestSupport.h"
#include "document/DocumentHost.h"
#include "shell/frame/MainFrm.h"

namespace rungpad::test {

class MainFrameTest : public QObject {
  protected:
    void InitSettings() {
        QVERIFY(m_settings.isValid());
        qputenv("XDG_CONFIG_HOME", m_settings.path().toLocal8Bit());
        QCoreApplication::setOrganizationName(QStringLiteral("RungpadTests"));
    }

    // Gives the frame the recording box and the host, and shows it.
    void Prepare(CMainFrame& frame) {
        frame.SetMessageBox(&m_box);
        frame.SetDocumentHost(&m_host);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
    }

    QTemporaryDir m_settings;
    RecordingBox m_box;
    NullDocumentHost m_host;
};

}  // namespace rungpad::test
