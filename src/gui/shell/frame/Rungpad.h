#pragma once

#include <QStringList>
#include <memory>

namespace rungpad {

class CMainFrame;
class RecoveryKeeper;

// The application: its names and settings key, the main frame, and the file named on the
// command line.
class CRungpadApp {
  public:
    static constexpr const char* kTitle = "Rungpad";
    static constexpr const char* kSettingsKey = "Local AppWizard-Generated Applications";

    CRungpadApp();
    ~CRungpadApp();

    // Sets the application's names; call once the QApplication exists.
    static void SetIdentity();

    // Creates the main frame, offers the recovery copies of an editor that ended without
    // closing its documents, opens the file named in arguments (after the program's own name)
    // and shows the frame maximized. The program starts without a document otherwise.
    void InitInstance(const QStringList& arguments);

    // The print switch: prints the file on the default printer without showing a window;
    // false (reported on stderr) when there is no printer or the file cannot be printed.
    bool PrintFile(const QString& path);

  private:
    std::unique_ptr<CMainFrame> m_frame;
    RecoveryKeeper* m_recovery = nullptr;  // owned by the frame
};

}  // namespace rungpad
