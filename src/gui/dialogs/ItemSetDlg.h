#pragma once

#include <QDialog>
#include <cstdint>

class QGroupBox;

namespace rungpad {

class ItemPreview;
class UpperCaseEdit;

// "item set": the item of one cell typed in upper case, at most 6 characters, under a caption
// naming what is entered and beside a picture of the element. It checks nothing; the caller
// does after OK.
class CItemSetDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CItemSetDlg(QWidget* parent = nullptr);

    void SetElementCode(std::uint16_t code);
    void SetItemText(const QString& text);
    QString ItemText() const;

    QString Caption() const;
    UpperCaseEdit* ItemEdit() const { return m_edit; }
    ItemPreview* Preview() const { return m_preview; }

  private:
    QGroupBox* m_frame;
    ItemPreview* m_preview;
    UpperCaseEdit* m_edit;
};

}  // namespace rungpad
