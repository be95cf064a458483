#pragma once

#include <QMainWindow>
#include <QString>

#include "doc/HostInterfaces.h"
#include "doc/LadFile.h"
#include "doc/LadProgram.h"

class QPlainTextEdit;

namespace rungpad {

class CRungpadView;

// The main window: for now one ladder view as its central widget and the output window docked at
// the bottom, which is the program's message channel.
class CMainFrame : public QMainWindow, public MessageChannel {
    Q_OBJECT

  public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Reads a ladder file into the view's program; failures are shown in a message box.
    bool OpenFile(const QString& path);

    CRungpadView* View() const { return m_view; }

    void OutputLine(std::string_view text) override;
    void ClearOutput() override;
    void SetOutputText(std::string_view text) override;
    void ShowCellNote(std::string_view note) override;
    void ShowInstructionList(const std::vector<std::string>& lines) override;
    void ClearInstructionWindow() override;

  private:
    void CreateOutputWindow();

    LadProgram m_program;
    LadHeaderTexts m_header;
    CRungpadView* m_view = nullptr;
    QPlainTextEdit* m_output = nullptr;
};

}  // namespace rungpad
