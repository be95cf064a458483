#pragma once

#include <QDockWidget>
#include <cstdint>
#include <vector>

#include "sim/LadderTestFile.h"
#include "sim/LadderTestRunner.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace rungpad {

// The "Test Results" docking window: one row a case of the last test run (PASS or FAIL, the
// case's name, the failure), or why nothing ran (a malformed test file, a program that does not
// convert). Double-click or Enter on a failure asks for that failure to be shown.
class CTestResultsWindow : public QDockWidget {
    Q_OBJECT

  public:
    enum Column { kResult, kCase, kMessage, kColumnCount };

    explicit CTestResultsWindow(QWidget* parent = nullptr);

    // Names a run, e.g. "demo.plt on demo.plf", in the current language.
    static QString Heading(const QString& testFile, const QString& document);
    // Shows the outcome of running the cases of file (results in the same order) on a document
    // that a file would hold as documentBytes; the run is named by the test file's and the
    // document's names.
    void ShowResults(const QString& testFile, const QString& document, LadderTestFile file,
                     std::vector<LadderTestResult> results,
                     std::vector<std::uint8_t> documentBytes);
    // Shows problem, why nothing ran, instead of any row.
    void ShowProblem(const QString& problem);

    // The case and the outcome a row shows; nullptr outside the table.
    const LadderTestCase* CaseAt(int row) const;
    const LadderTestResult* ResultAt(int row) const;
    // The run's test file, as named in its messages.
    const std::string& FileName() const { return m_file.Name(); }
    // The document as the cases ran on it, as a file would hold it.
    const std::vector<std::uint8_t>& DocumentBytes() const { return m_documentBytes; }

    QLabel* Summary() const { return m_summary; }
    QTableWidget* Table() const { return m_table; }
    QPushButton* RunAgainButton() const { return m_runAgain; }

  signals:
    // A failed case was chosen: its row.
    void FailureActivated(int row);
    void RunAgainRequested();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Every text of the window in the current language.
    void Retranslate();
    // The line above the table for the run shown, or for the problem.
    void ShowSummary();
    // The texts of a row's mark and message.
    void ShowRowTexts(int row);
    void ActivateRow(int row);

    LadderTestFile m_file;
    std::vector<LadderTestResult> m_results;
    std::vector<std::uint8_t> m_documentBytes;
    QString m_testFile;  // of the run shown; empty before the first run
    QString m_document;
    QString m_problem;  // why nothing ran; empty when something did
    QLabel* m_summary = nullptr;
    QPushButton* m_runAgain = nullptr;
    QTableWidget* m_table = nullptr;
};

}  // namespace rungpad
