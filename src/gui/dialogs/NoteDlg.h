#pragma once

#include "dialogs/FieldDlg.h"

class QGroupBox;

namespace rungpad {

// "Modify note": the address shown as the frame's caption, its note edited on one line.
class CNoteDlg : public CFieldDlg {
    Q_OBJECT

  public:
    explicit CNoteDlg(QWidget* parent = nullptr);

    void SetAddress(const QString& address);
    QString Address() const;
    void SetNote(const QString& note);
    QString Note() const;

  protected:
    bool Check(int& field, std::string& message) override;

  private:
    QGroupBox* m_frame;
};

}  // namespace rungpad
