#include "shell/panels/XrefWindow.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "analysis/CrossReference.h"
#include "document/RungpadDoc.h"
#include "model/Messages.h"
#include "shell/panels/DockTitle.h"
#include "text/QtText.h"

namespace rungpad {

namespace {

enum Column { kAddress, kLine, kColumn, kUse, kAccess, kNote, kColumnCount };

constexpr int kUseIndexRole = Qt::UserRole;

// Sorts by the uses' own order (address order) in the address column, by number in the line
// and column columns, by text elsewhere.
class XrefItem : public QTableWidgetItem {
  public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant key = data(Qt::UserRole + 1);
        if (key.isValid()) {
            return key.toInt() < other.data(Qt::UserRole + 1).toInt();
        }
        return QTableWidgetItem::operator<(other);
    }
};

QTableWidgetItem* Item(const QString& text, int index, int sortKey = -1) {
    auto* item = new XrefItem(text);
    item->setData(kUseIndexRole, index);
    if (sortKey >= 0) {
        item->setData(Qt::UserRole + 1, sortKey);
    }
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

CXrefWindow::CXrefWindow(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("CrossReferenceWindow"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    m_filter = new QLineEdit(body);
    m_filter->setClearButtonEnabled(true);
    m_table = new QTableWidget(0, kColumnCount, body);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSortIndicator(kAddress, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);
    m_findings = new QLabel(body);
    m_findings->setWordWrap(true);
    layout->addWidget(m_filter);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_findings);
    setWidget(body);
    Retranslate();

    connect(m_filter, &QLineEdit::textChanged, this, &CXrefWindow::ApplyFilter);
    connect(m_table, &QTableWidget::cellActivated, this,
            [this](int row, int) { ActivateRow(row); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { ActivateRow(row); });
}

void CXrefWindow::Retranslate() {
    DockTitle::Set(*this, tr("Cross Reference"));
    m_filter->setPlaceholderText(tr("Address prefix"));
    m_table->setHorizontalHeaderLabels(
        {tr("Address"), tr("Line"), tr("Column"), tr("Use"), tr("Access"), tr("Note")});
}

void CXrefWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        // The uses and findings are described anew in the language now chosen; a hidden
        // window is rebuilt when it is shown.
        if (isVisible()) {
            Refresh();
        }
    }
    QDockWidget::changeEvent(event);
}

void CXrefWindow::ScheduleRefresh() {
    if (m_refreshPending || !isVisible()) {
        return;  // a hidden window is rebuilt when it is shown
    }
    m_refreshPending = true;
    QTimer::singleShot(0, this, &CXrefWindow::Refresh);
}

// The first use becomes the current row and the table takes the focus: Enter goes there.
void CXrefWindow::SelectAddress(const QString& address) {
    show();
    raise();
    m_filter->setText(address);
    Refresh();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (!m_table->isRowHidden(row)) {
            m_table->setCurrentCell(row, kAddress);
            break;
        }
    }
    m_table->setFocus();
}

void CXrefWindow::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    Refresh();
}

void CXrefWindow::Refresh() {
    m_refreshPending = false;
    const CRungpadDoc* doc = m_source ? m_source() : nullptr;
    const CrossReference xref =
        doc ? CrossReference::Build(doc->Program(), &doc->Notes()) : CrossReference{};
    m_uses = xref.Uses();
    const int sortColumn = m_table->horizontalHeader()->sortIndicatorSection();
    const Qt::SortOrder order = m_table->horizontalHeader()->sortIndicatorOrder();
    m_table->setSortingEnabled(false);
    m_table->setRowCount(static_cast<int>(m_uses.size()));
    for (int i = 0; i < static_cast<int>(m_uses.size()); ++i) {
        const XrefUse& use = m_uses[static_cast<std::size_t>(i)];
        m_table->setItem(i, kAddress, Item(QtText::ToQString(use.address), i, i));
        m_table->setItem(i, kLine, Item(QString::number(use.line + 1), i, use.line));
        m_table->setItem(i, kColumn, Item(QString::number(use.column + 1), i, use.column));
        m_table->setItem(i, kUse,
                         Item(QtText::ToQString(use.Describe(Messages::CurrentLanguage())), i));
        m_table->setItem(i, kAccess,
                         Item(QtText::ToQString(use.AccessName(Messages::CurrentLanguage())), i));
        m_table->setItem(i, kNote, Item(QtText::FromGbk(use.note), i));
    }
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(sortColumn, order);
    // Every column but the note (which takes the rest) as wide as its contents.
    for (int column = 0; column < kNote; ++column) {
        m_table->resizeColumnToContents(column);
    }
    ApplyFilter();
    QStringList findings;
    for (const ReviewFinding& finding : xref.Findings()) {
        findings << QtText::ToQString(finding.Format(Messages::CurrentLanguage()));
    }
    m_findings->setText(findings.isEmpty() ? tr("No findings")
                                           : tr("Findings: %1").arg(findings.size()));
    m_findings->setToolTip(findings.join(u'\n'));
}

void CXrefWindow::ApplyFilter() {
    const std::string prefix = m_filter->text().trimmed().toStdString();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const XrefUse* use = UseAt(row);
        m_table->setRowHidden(row, use == nullptr || !use->MatchesPrefix(prefix));
    }
}

const XrefUse* CXrefWindow::UseAt(int row) const {
    const QTableWidgetItem* item = m_table->item(row, kAddress);
    if (item == nullptr) {
        return nullptr;
    }
    const int index = item->data(kUseIndexRole).toInt();
    return index >= 0 && index < static_cast<int>(m_uses.size())
               ? &m_uses[static_cast<std::size_t>(index)]
               : nullptr;
}

void CXrefWindow::ActivateRow(int row) {
    if (const XrefUse* use = UseAt(row)) {
        emit UseActivated({use->column, use->line});
    }
}

}  // namespace rungpad
