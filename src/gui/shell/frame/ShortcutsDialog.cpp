#include "shell/frame/ShortcutsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rungpad {

CShortcutsDialog::CShortcutsDialog(const QList<ShortcutTable::Row>& rows, QWidget* parent)
    : QDialog(parent), m_table(new QTableWidget(static_cast<int>(rows.size()), 3, this)) {
    setWindowTitle(tr("Keyboard Shortcuts"));
    m_table->setHorizontalHeaderLabels({tr("Keys"), tr("Command"), tr("Menu")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    for (int i = 0; i < rows.size(); ++i) {
        const ShortcutTable::Row& row = rows.at(i);
        const QStringList cells{row.keys, row.command, row.menu};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            item->setToolTip(row.prompt);
            m_table->setItem(i, column, item);
        }
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(560, 600);
}

}  // namespace rungpad
