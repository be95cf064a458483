#pragma once

#include <QDialog>

#include "shell/frame/ShortcutTable.h"

class QTableWidget;

namespace rungpad {

// Help > Keyboard Shortcuts: the table of the commands' keys.
class CShortcutsDialog : public QDialog {
    Q_OBJECT

  public:
    CShortcutsDialog(const QList<ShortcutTable::Row>& rows, QWidget* parent);

    QTableWidget* Table() const { return m_table; }

  private:
    QTableWidget* m_table;
};

}  // namespace rungpad
