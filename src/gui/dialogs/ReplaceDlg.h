#pragma once

#include <QDialog>

#include "dialogs/QtMessageBox.h"

namespace rungpad {

class ReplaceButtons;
class SearchEdit;
class SearchTarget;

// "Replace": a search text and its replacement; FIND NEXT, REPLACE and ALL REPLACE search
// downwards in the view and the dialog stays open. The buttons' wrap flags belong to the
// application and outlive the dialog.
class CReplaceDlg : public QDialog {
    Q_OBJECT

  public:
    CReplaceDlg(ReplaceButtons& buttons, SearchTarget& target, QWidget* parent = nullptr);

    void SetMessageBox(MessageBoxHost* box) { m_box = box ? box : &m_qtBox; }
    SearchEdit* FindEdit() const { return m_find; }
    SearchEdit* ReplaceEdit() const { return m_replace; }

  public slots:
    void OnFindNext();
    void OnReplace();
    void OnReplaceAll();

  private:
    ReplaceButtons* m_buttons;
    SearchTarget* m_target;
    QtMessageBox m_qtBox;
    MessageBoxHost* m_box;
    SearchEdit* m_find;
    SearchEdit* m_replace;
};

}  // namespace rungpad
