#pragma once

#include <QColor>
#include <QDockWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

#include "sim/ScanEngine.h"

namespace rungpad {

class AddressNotes;
class CSimMonitor;
class CSignalTable;

// The "Signals" docking window of monitor mode: the watched signals (address, value, forced,
// note) and the timers and counters of the running program (number, current value, preset).
// Addresses are typed and added, values and presets edited in place, forces set and released
// with the Forced box. Every rule is the simulation's; the window shows and forwards.
class CSignalsWindow : public QDockWidget {
    Q_OBJECT

  public:
    enum Column { kAddress, kValue, kForced, kNote, kColumnCount };
    enum BoxColumn { kBox, kLine, kCurrent, kPreset, kBoxColumnCount };
    // On a box row's first cell: true while its preset was never set (the row is marked).
    static constexpr int kNeverSetRole = Qt::UserRole + 1;

    explicit CSignalsWindow(CSimMonitor& monitor, QWidget* parent = nullptr);

    // Where the notes of a newly watched address come from (the active document's); nullptr:
    // none.
    using NotesSource = std::function<const AddressNotes*()>;
    void SetNotesSource(NotesSource source) { m_notes = std::move(source); }

    // Watches the address typed in the address box; the problem shows below it when refused.
    void AddTypedAddress();
    // Stops watching the selected rows.
    void RemoveSelected();
    // Shows the watch list, its notes and the timers and counters as they are now.
    void ShowAll();

    QLineEdit* AddressEdit() const { return m_address; }
    QLabel* ProblemLabel() const { return m_problem; }
    QTableWidget* Table() const;
    QTableWidget* BoxTable() const;

  signals:
    // A timer's or counter's preset word was given a new value in the table.
    void PresetEdited(const QString& word, quint32 value);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Every text of the window in the current language.
    void Retranslate();
    // Rows for the watch list as it is now.
    void RebuildRows();
    // New values into the rows, leaving a cell being edited alone.
    void ShowValues();
    void RebuildBoxes();
    void ShowBoxes();
    // Marks a box row whose preset nobody set (a tinted row, the reason as the tip of its name).
    void MarkPresetNeverSet(int row, const ScanEngine::TimerCounter& box);
    // Fits the columns but the last (which takes the rest) to their contents.
    static void FitColumns(CSignalTable* table);
    void OnItemChanged(QTableWidgetItem* item);
    void OnBoxItemChanged(QTableWidgetItem* item);
    void ShowProblem(const std::string& problem);
    // Sets text (and the check state) of a cell only when it differs, so an edit stays put.
    void SetCell(CSignalTable* table, int row, int column, const QString& text,
                 bool editable = false);

    static constexpr QColor kNeverSetColor{255, 228, 160};

    CSimMonitor& m_monitor;
    NotesSource m_notes;
    QLineEdit* m_address = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QLabel* m_problem = nullptr;
    QLabel* m_boxesLabel = nullptr;
    CSignalTable* m_table = nullptr;
    CSignalTable* m_boxes = nullptr;
    bool m_updating = false;  // item changes made by the window itself, not by the user
};

}  // namespace rungpad
