#pragma once

#include <QDialog>

#include "dialogs/QtMessageBox.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace rungpad {

class SearchEdit;
class SearchTarget;

// "Find dialog": a search text and a direction; Find selects the next cell whose text equals it
// and the dialog stays open. The view keeps one, so the last text and direction stay.
class CFindDlg : public QDialog {
    Q_OBJECT

  public:
    CFindDlg(SearchTarget& target, QWidget* parent = nullptr);

    void SetMessageBox(MessageBoxHost* box) { m_box = box ? box : &m_qtBox; }
    SearchEdit* FindEdit() const { return m_find; }
    QRadioButton* UpButton() const { return m_up; }
    // 0 down, 1 up.
    int Direction() const;

  public slots:
    void OnFind();

  protected:
    // The view keeps the dialog between uses: its texts follow a change of language.
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();

    SearchTarget* m_target;
    QtMessageBox m_qtBox;
    MessageBoxHost* m_box;
    SearchEdit* m_find;
    QRadioButton* m_up;
    QRadioButton* m_down;
    QLabel* m_targetLabel;
    QGroupBox* m_group;
    QPushButton* m_findButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

}  // namespace rungpad
