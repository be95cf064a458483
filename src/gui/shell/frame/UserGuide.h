#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace rungpad {

// The user guide: the README and docs/*.md installed with the program, shown in a window of its
// own with the pages listed on the left. Links between the pages follow inside it; links to the
// web open in the desktop's browser.
class CUserGuide : public QWidget {
    Q_OBJECT

  public:
    explicit CUserGuide(const QString& folder, QWidget* parent = nullptr);

    // Where the guide is: the installed documentation beside the program
    // (PREFIX/share/doc/rungpad), else the source tree the program was built from; empty when
    // neither holds README.md.
    static QString Folder();
    // README.md first, then docs/*.md by name, as paths relative to folder.
    static QStringList Pages(const QString& folder);

    QTextBrowser* Browser() const { return m_browser; }
    QListWidget* Contents() const { return m_contents; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void ShowPage(int row);

    QString m_folder;
    QStringList m_pages;
    QListWidget* m_contents;
    QTextBrowser* m_browser;
};

}  // namespace rungpad
