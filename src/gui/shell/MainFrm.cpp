#include "shell/MainFrm.h"

#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <string>
#include <vector>

#include "doc/FileIo.h"
#include "shell/QtMessageBox.h"
#include "view/RungpadView.h"

namespace rungpad {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Ladder diagram editor"));
    m_view = new CRungpadView(this);
    setCentralWidget(m_view);
    CreateOutputWindow();
    resize(1000, 760);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::CreateOutputWindow() {
    auto* dock = new QDockWidget(QStringLiteral("输出窗口"), this);
    dock->setObjectName(QStringLiteral("OutputWindow"));
    m_output = new QPlainTextEdit(dock);
    m_output->setReadOnly(true);
    dock->setWidget(m_output);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    resizeDocks({dock}, {120}, Qt::Vertical);
}

bool CMainFrame::OpenFile(const QString& path) {
    QtMessageBox box(this);
    std::vector<std::uint8_t> bytes;
    std::string error;
    const std::string localPath = QFile::encodeName(path).toStdString();
    if (!FileIo::ReadFile(localPath, bytes, error)) {
        box.ShowMessage(error.empty() ? "Cannot open " + path.toStdString() : error);
        return false;
    }
    LadProgram program;
    LadHeaderTexts header;
    const std::string name = QFileInfo(path).fileName().toStdString();
    if (!LadFile::LoadLadder(bytes, name, program, header, *this, box)) {
        return false;
    }
    LadFile::ExpandBoxes(program);
    m_program = std::move(program);
    m_header = header;
    m_view->SetProgram(&m_program);
    setWindowTitle(QStringLiteral("%1 - Ladder diagram editor").arg(QFileInfo(path).fileName()));
    return true;
}

void CMainFrame::OutputLine(std::string_view text) {
    m_output->parentWidget()->show();
    m_output->appendPlainText(FromUtf8(text));
}

void CMainFrame::ClearOutput() {
    m_output->clear();
}

void CMainFrame::SetOutputText(std::string_view text) {
    m_output->setPlainText(FromUtf8(text));
}

void CMainFrame::ShowCellNote(std::string_view note) {
    SetOutputText(note);
}

void CMainFrame::ShowInstructionList(const std::vector<std::string>&) {}

void CMainFrame::ClearInstructionWindow() {}

}  // namespace rungpad
