#pragma once

#include <QDockWidget>
#include <functional>
#include <vector>

#include "analysis/XrefUse.h"
#include "model/SelectionState.h"

class QLabel;
class QLineEdit;
class QTableWidget;

namespace rungpad {

class CRungpadDoc;

// The "Cross Reference" docking window: every address of the active document with each use, a
// table sortable by any column (by address in address order), filtered by typing an address
// prefix, and the review findings below it. Double-click or Enter on a row asks for the use.
class CXrefWindow : public QDockWidget {
    Q_OBJECT

  public:
    explicit CXrefWindow(QWidget* parent = nullptr);

    // Where the document to show comes from (the active one); asked at each rebuild, so a
    // closed document is never read.
    using Source = std::function<const CRungpadDoc*()>;
    void SetSource(Source source) { m_source = std::move(source); }
    // Rebuilds the table once, after the current event; a hidden window waits until it is shown.
    void ScheduleRefresh();
    // Rebuilds the table now.
    void Refresh();
    // Shows the window with the filter set to address.
    void SelectAddress(const QString& address);

    QLineEdit* Filter() const { return m_filter; }
    QTableWidget* Table() const { return m_table; }
    QLabel* FindingsLabel() const { return m_findings; }
    // The use a table row shows (after sorting and filtering); nullptr outside the table.
    const XrefUse* UseAt(int row) const;

  signals:
    // A row was chosen: the place of its use.
    void UseActivated(GridPos place);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Every text of the window in the current language.
    void Retranslate();
    void ApplyFilter();
    void ActivateRow(int row);

    Source m_source;
    std::vector<XrefUse> m_uses;
    bool m_refreshPending = false;
    QLineEdit* m_filter = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_findings = nullptr;
};

}  // namespace rungpad
