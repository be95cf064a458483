#pragma once

#include "dialogs/FieldDlg.h"
#include "document/DocumentHost.h"

namespace rungpad {

// "Ladder diagram information": the version number (15 characters at most), the machine tool
// (40) and the last modifying person (20) of a ladder file.
class CLadInfoDlg : public CFieldDlg {
    Q_OBJECT

  public:
    explicit CLadInfoDlg(QWidget* parent = nullptr);

    void SetFields(const LadInfoFields& fields);
    // The texts taken on OK (UTF-8).
    LadInfoFields Fields() const;

  protected:
    bool Check(int& field, std::string& message) override;
};

}  // namespace rungpad
