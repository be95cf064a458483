#pragma once

#include <QMdiSubWindow>
#include <memory>

namespace rungpad {

class CRungpadDoc;
class CRungpadView;
class LadClipboard;

// The child window of one document: it owns the document and shows and edits it in one ladder
// view.
// Closing it asks to save a modified document first.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    // clipboard: the application's cut and paste buffer, shared by all views.
    CChildFrame(std::unique_ptr<CRungpadDoc> doc, LadClipboard& clipboard,
                QWidget* parent = nullptr);
    ~CChildFrame() override;

    CRungpadDoc& Document() const { return *m_doc; }
    CRungpadView* View() const { return m_view; }

    // Title from the document's title, with the modified mark.
    void UpdateTitle();
    // Closes without the save question: the caller has asked it already.
    void CloseWithoutAsking();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    std::unique_ptr<CRungpadDoc> m_doc;
    CRungpadView* m_view;
    bool m_asked = false;
};

}  // namespace rungpad
