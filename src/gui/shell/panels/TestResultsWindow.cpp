#include "shell/panels/TestResultsWindow.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/panels/DockTitle.h"
#include "text/QtText.h"

namespace rungpad {

namespace {

const QColor kFailColor(0xB0, 0x00, 0x00);
const QColor kPassColor(0x00, 0x70, 0x00);

QTableWidgetItem* Item(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// What a row says of its case: the failure, or for a pass what it checked.
QString MessageOf(const LadderTestCase& testCase, const LadderTestResult& result,
                  const std::string& fileName) {
    if (result.passed) {
        return CTestResultsWindow::tr("%1 expectations met").arg(testCase.expectations.size());
    }
    const QString name = QFileInfo(QtText::FromLocalPath(fileName)).fileName();
    return QtText::ToQString(result.Detail(QtText::ToLocalPath(name)));
}

}  // namespace

CTestResultsWindow::CTestResultsWindow(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("TestResultsWindow"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* top = new QHBoxLayout;
    m_summary = new QLabel(body);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_runAgain = new QPushButton(body);
    m_runAgain->setObjectName(QStringLiteral("RunTestsAgain"));
    m_runAgain->setEnabled(false);
    top->addWidget(m_summary, 1);
    top->addWidget(m_runAgain);
    m_table = new QTableWidget(0, kColumnCount, body);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    setWidget(body);
    Retranslate();

    connect(m_runAgain, &QPushButton::clicked, this, &CTestResultsWindow::RunAgainRequested);
    // Activation is the double-click (or Enter); it also comes with the double-click signal.
    connect(m_table, &QTableWidget::cellActivated, this,
            [this](int row, int) { ActivateRow(row); });
}

QString CTestResultsWindow::Heading(const QString& testFile, const QString& document) {
    return tr("%1 on %2").arg(testFile, document);
}

void CTestResultsWindow::ShowResults(const QString& testFile, const QString& document,
                                     LadderTestFile file, std::vector<LadderTestResult> results,
                                     std::vector<std::uint8_t> documentBytes) {
    m_file = std::move(file);
    m_results = std::move(results);
    m_documentBytes = std::move(documentBytes);
    const int rows = static_cast<int>(std::min(m_results.size(), m_file.Cases().size()));
    m_table->clearContents();
    m_table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const LadderTestResult& result = m_results[static_cast<std::size_t>(row)];
        QTableWidgetItem* mark = Item(QString());
        mark->setForeground(result.passed ? kPassColor : kFailColor);
        m_table->setItem(row, kResult, mark);
        m_table->setItem(row, kCase, Item(QtText::ToQString(result.name)));
        m_table->setItem(row, kMessage, Item(QString()));
        ShowRowTexts(row);
    }
    m_table->resizeColumnToContents(kResult);
    m_table->resizeColumnToContents(kCase);
    // The first failure in sight once the window has its size, left unselected so its mark
    // keeps its colour.
    for (int row = 0; row < rows; ++row) {
        if (!m_results[static_cast<std::size_t>(row)].passed) {
            QTimer::singleShot(0, m_table, [table = m_table, row] {
                if (QTableWidgetItem* item = table->item(row, kResult)) {
                    table->scrollToItem(item);
                }
            });
            break;
        }
    }
    m_testFile = testFile;
    m_document = document;
    m_problem.clear();
    ShowSummary();
    m_runAgain->setEnabled(true);
}

void CTestResultsWindow::ShowRowTexts(int row) {
    const LadderTestResult& result = m_results[static_cast<std::size_t>(row)];
    const LadderTestCase& testCase = m_file.Cases()[static_cast<std::size_t>(row)];
    m_table->item(row, kResult)->setText(result.passed ? tr("PASS") : tr("FAIL"));
    QTableWidgetItem* message = m_table->item(row, kMessage);
    message->setText(MessageOf(testCase, result, m_file.Name()));
    message->setToolTip(message->text());
}

void CTestResultsWindow::ShowSummary() {
    if (!m_problem.isEmpty()) {
        m_summary->setStyleSheet(QStringLiteral("color: #b00000"));
        m_summary->setText(tr("Nothing ran: %1").arg(m_problem));
        return;
    }
    if (m_testFile.isEmpty()) {
        m_summary->setText(tr("No tests run yet: Simulation > Run Tests..."));
        return;
    }
    const int rows = m_table->rowCount();
    int failed = 0;
    for (int row = 0; row < rows; ++row) {
        failed += m_results[static_cast<std::size_t>(row)].passed ? 0 : 1;
    }
    m_summary->setStyleSheet(failed ? QStringLiteral("color: #b00000") : QString());
    m_summary->setText(tr("%1: %2 passed, %3 failed%4")
                           .arg(Heading(m_testFile, m_document), QString::number(rows - failed),
                                QString::number(failed),
                                failed ? tr(" (double-click a failure to see it)") : QString()));
}

void CTestResultsWindow::Retranslate() {
    DockTitle::Set(*this, tr("Test Results"));
    m_runAgain->setText(tr("Run Again"));
    m_table->setHorizontalHeaderLabels({tr("Result"), tr("Case"), tr("Message")});
    for (int row = 0; row < m_table->rowCount(); ++row) {
        ShowRowTexts(row);
    }
    ShowSummary();
}

void CTestResultsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
    }
    QDockWidget::changeEvent(event);
}

void CTestResultsWindow::ShowProblem(const QString& problem) {
    m_file = LadderTestFile();
    m_results.clear();
    m_documentBytes.clear();
    m_table->clearContents();
    m_table->setRowCount(0);
    m_problem = problem;
    ShowSummary();
    m_runAgain->setEnabled(true);
}

const LadderTestCase* CTestResultsWindow::CaseAt(int row) const {
    return row >= 0 && row < m_table->rowCount() ? &m_file.Cases()[static_cast<std::size_t>(row)]
                                                 : nullptr;
}

const LadderTestResult* CTestResultsWindow::ResultAt(int row) const {
    return row >= 0 && row < m_table->rowCount() ? &m_results[static_cast<std::size_t>(row)]
                                                 : nullptr;
}

void CTestResultsWindow::ActivateRow(int row) {
    const LadderTestResult* result = ResultAt(row);
    if (result != nullptr && !result->passed) {
        emit FailureActivated(row);
    }
}

}  // namespace rungpad
