#include "shell/monitor/SignalsWindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "model/AddressNotes.h"
#include "shell/monitor/SimMonitor.h"
#include "shell/panels/DockTitle.h"
#include "sim/SimWarnings.h"
#include "text/QtText.h"
#include "view/RungpadView.h"

namespace rungpad {

// A table that tells whether one of its cells is being edited, so a refresh leaves that cell
// alone, and that hands the Delete key to deleteRows.
class CSignalTable : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;
    bool IsEditing(int row, int column) const {
        return state() == EditingState && currentRow() == row && currentColumn() == column;
    }

    std::function<void()> deleteRows;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (IsDelete(event)) {
            deleteRows();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

  private:
    bool IsDelete(const QKeyEvent* event) const {
        return deleteRows && state() != EditingState && event->key() == Qt::Key_Delete;
    }
};

namespace {

CSignalTable* MakeTable(QWidget* parent, int columns) {
    auto* table = new CSignalTable(0, columns, parent);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    // The last column (the note) takes the room the others leave; they are fitted to their
    // contents when rows come or go, not at every refresh (that would measure every cell).
    table->horizontalHeader()->setStretchLastSection(true);
    table->horizontalHeader()->setMinimumSectionSize(36);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

}  // namespace

CSignalsWindow::CSignalsWindow(CSimMonitor& monitor, QWidget* parent)
    : QDockWidget(parent), m_monitor(monitor) {
    setObjectName(QStringLiteral("SignalsWindow"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* row = new QHBoxLayout;
    m_address = new QLineEdit(body);
    m_address->setPlaceholderText(QStringLiteral("X000.0, R100, DT0001 ..."));
    m_add = new QPushButton(body);
    m_remove = new QPushButton(body);
    row->addWidget(m_address, 1);
    row->addWidget(m_add);
    row->addWidget(m_remove);
    m_problem = new QLabel(body);
    m_problem->setStyleSheet(QStringLiteral("color: #c00000"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    m_table = MakeTable(body, kColumnCount);
    m_boxes = MakeTable(body, kBoxColumnCount);
    m_boxesLabel = new QLabel(body);
    layout->addLayout(row);
    layout->addWidget(m_problem);
    layout->addWidget(m_table, 2);
    layout->addWidget(m_boxesLabel);
    layout->addWidget(m_boxes, 1);
    setWidget(body);
    Retranslate();

    connect(m_address, &QLineEdit::returnPressed, this, &CSignalsWindow::AddTypedAddress);
    connect(m_add, &QPushButton::clicked, this, &CSignalsWindow::AddTypedAddress);
    connect(m_remove, &QPushButton::clicked, this, &CSignalsWindow::RemoveSelected);
    m_table->deleteRows = [this] { RemoveSelected(); };
    connect(m_table, &QTableWidget::itemChanged, this, &CSignalsWindow::OnItemChanged);
    connect(m_boxes, &QTableWidget::itemChanged, this, &CSignalsWindow::OnBoxItemChanged);
    connect(&m_monitor, &CSimMonitor::Refreshed, this, [this] {
        ShowValues();
        ShowBoxes();
    });
    connect(&m_monitor, &CSimMonitor::ActiveChanged, this, [this] {
        ShowProblem({});
        ShowAll();
    });
}

void CSignalsWindow::Retranslate() {
    DockTitle::Set(*this, tr("Signals"));
    m_add->setText(tr("Add"));
    m_remove->setText(tr("Remove"));
    m_table->setHorizontalHeaderLabels({tr("Address"), tr("Value"), tr("Forced"), tr("Note")});
    m_address->setToolTip(
        tr("Address to watch: a bit (X000.0), a byte (R100) or a "
           "word (D010, T001, C002, DT0001, DC0002)"));
    m_boxes->setHorizontalHeaderLabels({tr("Box"), tr("Line"), tr("Current"), tr("Preset")});
    m_boxesLabel->setText(tr("Timers and counters"));
}

void CSignalsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        // The marks' reasons are the simulation's words in the language now chosen.
        for (int row = 0; row < m_boxes->rowCount(); ++row) {
            if (QTableWidgetItem* name = m_boxes->item(row, kBox)) {
                name->setData(kNeverSetRole, QVariant());
            }
        }
        ShowAll();
    }
    QDockWidget::changeEvent(event);
}

void CSignalsWindow::AddTypedAddress() {
    static const AddressNotes kNoNotes;
    const AddressNotes* notes = m_notes ? m_notes() : nullptr;
    std::string problem;
    if (!m_monitor.Watch().Add(m_address->text().toStdString(), notes ? *notes : kNoNotes,
                               problem)) {
        ShowProblem(problem);
        return;
    }
    ShowProblem({});
    m_address->clear();
    if (m_monitor.IsActive()) {
        m_monitor.Refresh();
    }
    RebuildRows();
}

void CSignalsWindow::RemoveSelected() {
    std::set<int, std::greater<>> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        rows.insert(index.row());
    }
    for (const int row : rows) {
        m_monitor.Watch().Remove(static_cast<std::size_t>(row));
    }
    RebuildRows();
}

void CSignalsWindow::ShowAll() {
    RebuildRows();
    RebuildBoxes();
}

void CSignalsWindow::ShowProblem(const std::string& problem) {
    m_problem->setText(QtText::ToQString(problem));
    m_problem->setVisible(!problem.empty());
}

QTableWidget* CSignalsWindow::Table() const {
    return m_table;
}

QTableWidget* CSignalsWindow::BoxTable() const {
    return m_boxes;
}

void CSignalsWindow::SetCell(CSignalTable* table, int row, int column, const QString& text,
                             bool editable) {
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    if (item->text() != text && !table->IsEditing(row, column)) {
        item->setText(text);
    }
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled |
                                (editable ? Qt::ItemIsEditable : Qt::NoItemFlags);
    if (item->flags() != flags) {
        item->setFlags(flags);
    }
}

void CSignalsWindow::RebuildRows() {
    m_updating = true;
    const auto& entries = m_monitor.Watch().Entries();
    m_table->setRowCount(static_cast<int>(entries.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const WatchEntry& entry = entries[static_cast<std::size_t>(row)];
        SetCell(m_table, row, kAddress, QtText::ToQString(entry.signal.name));
        SetCell(m_table, row, kNote, QtText::ToQString(entry.note));
    }
    m_updating = false;
    ShowValues();
    FitColumns(m_table);
}

void CSignalsWindow::ShowValues() {
    const auto& entries = m_monitor.Watch().Entries();
    if (m_table->rowCount() != static_cast<int>(entries.size())) {
        RebuildRows();
        return;
    }
    m_updating = true;
    const bool active = m_monitor.IsActive();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const WatchEntry& entry = entries[static_cast<std::size_t>(row)];
        SetCell(m_table, row, kValue, active ? QString::number(entry.value) : QString(), active);
        QTableWidgetItem* forced = m_table->item(row, kForced);
        if (!forced) {
            forced = new QTableWidgetItem;
            m_table->setItem(row, kForced, forced);
        }
        const Qt::ItemFlags flags =
            active ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable
                   : Qt::ItemIsSelectable;
        if (forced->flags() != flags) {
            forced->setFlags(flags);
        }
        const Qt::CheckState state = active && entry.forced ? Qt::Checked : Qt::Unchecked;
        if (forced->data(Qt::CheckStateRole).isNull() || forced->checkState() != state) {
            forced->setCheckState(state);
        }
    }
    m_updating = false;
}

void CSignalsWindow::RebuildBoxes() {
    const auto& boxes = m_monitor.TimersAndCounters();
    m_updating = true;
    m_boxes->setRowCount(static_cast<int>(boxes.size()));
    for (int row = 0; row < m_boxes->rowCount(); ++row) {
        const ScanEngine::TimerCounter& box = boxes[static_cast<std::size_t>(row)];
        SetCell(m_boxes, row, kBox,
                QStringLiteral("%1 %2").arg(QtText::ToQString(box.instruction)).arg(box.number));
        SetCell(m_boxes, row, kLine, QString::number(box.line + 1));
        SetCell(m_boxes, row, kCurrent, {});
        SetCell(m_boxes, row, kPreset, {}, !box.presetWord.empty());
        m_boxes->item(row, kPreset)->setToolTip(QtText::ToQString(box.presetWord));
        m_boxes->item(row, kCurrent)->setToolTip(QtText::ToQString(box.currentWord));
    }
    m_updating = false;
    ShowBoxes();
    FitColumns(m_boxes);
}

void CSignalsWindow::ShowBoxes() {
    const auto& boxes = m_monitor.TimersAndCounters();
    if (m_boxes->rowCount() != static_cast<int>(boxes.size())) {
        RebuildBoxes();
        return;
    }
    m_updating = true;
    for (int row = 0; row < m_boxes->rowCount(); ++row) {
        const ScanEngine::TimerCounter& box = boxes[static_cast<std::size_t>(row)];
        SetCell(m_boxes, row, kCurrent, QString::number(box.current));
        SetCell(m_boxes, row, kPreset, QString::number(box.preset), !box.presetWord.empty());
        MarkPresetNeverSet(row, box);
    }
    m_updating = false;
}

void CSignalsWindow::MarkPresetNeverSet(int row, const ScanEngine::TimerCounter& box) {
    const bool marked = m_monitor.PresetNeverSet(static_cast<std::size_t>(row));
    QTableWidgetItem* name = m_boxes->item(row, kBox);
    if (name == nullptr || (name->data(kNeverSetRole).toBool() == marked)) {
        return;
    }
    name->setData(kNeverSetRole, marked);
    name->setToolTip(marked ? QtText::ToQString(SimWarnings::PresetText(box)) : QString());
    for (int column = 0; column < m_boxes->columnCount(); ++column) {
        if (QTableWidgetItem* item = m_boxes->item(row, column)) {
            item->setBackground(marked ? QBrush(kNeverSetColor) : QBrush());
        }
    }
}

void CSignalsWindow::FitColumns(CSignalTable* table) {
    for (int column = 0; column + 1 < table->columnCount(); ++column) {
        table->resizeColumnToContents(column);
    }
}

void CSignalsWindow::OnItemChanged(QTableWidgetItem* item) {
    const auto& entries = m_monitor.Watch().Entries();
    const auto row = static_cast<std::size_t>(item->row());
    if (m_updating || row >= entries.size()) {
        return;
    }
    const WatchEntry entry = entries[row];
    std::string problem;
    if (item->column() == kValue) {
        m_monitor.Assign(entry.signal, item->text().trimmed().toStdString(), entry.forced, problem);
    } else if (item->column() == kForced && (item->checkState() == Qt::Checked) != entry.forced) {
        if (entry.forced) {
            m_monitor.Release(entry.signal);
        } else {
            m_monitor.Assign(entry.signal, std::to_string(entry.value), true, problem);
        }
    } else {
        return;
    }
    ShowProblem(problem);
    ShowValues();  // a refused value goes back to the one the signal holds
}

void CSignalsWindow::OnBoxItemChanged(QTableWidgetItem* item) {
    const auto& boxes = m_monitor.TimersAndCounters();
    const auto row = static_cast<std::size_t>(item->row());
    if (m_updating || item->column() != kPreset || row >= boxes.size() ||
        boxes[row].presetWord.empty()) {
        return;
    }
    std::string problem;
    const std::optional<SimSignal> preset = SimSignal::Parse(boxes[row].presetWord, problem);
    if (preset && m_monitor.Assign(*preset, item->text().trimmed().toStdString(), false, problem)) {
        emit PresetEdited(QString::fromStdString(preset->name),
                          preset->Read(m_monitor.Engine().Memory()));
    }
    ShowProblem(problem);
    ShowBoxes();
}

}  // namespace rungpad
