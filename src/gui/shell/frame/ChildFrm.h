#pragma once

#include <QMdiSubWindow>
#include <functional>
#include <memory>

namespace rungpad {

class CRungpadDoc;
class CRungpadView;
class LadClipboard;

// A child window of one document: it shows and edits the document in one ladder view. A
// document has one window, or more after New Window; they share it. Closing its last window
// asks to save a modified document first and closes the document.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    // clipboard: the application's cut and paste buffer, shared by all views.
    CChildFrame(std::shared_ptr<CRungpadDoc> doc, LadClipboard& clipboard,
                QWidget* parent = nullptr);
    ~CChildFrame() override;

    CRungpadDoc& Document() const { return *m_doc; }
    const std::shared_ptr<CRungpadDoc>& SharedDocument() const { return m_doc; }
    // Whether no other open window shows this document; the main frame, which knows the
    // windows, answers it.
    void SetLastViewTest(std::function<bool(const CChildFrame*)> test) {
        m_isLastView = std::move(test);
    }
    bool IsLastView() const { return !m_isLastView || m_isLastView(this); }
    // Once it has accepted its close, a window no longer counts as open.
    bool IsClosing() const { return m_closing; }
    // The window's number among its document's windows ("demo.plf:2"); 0 when it is the only one.
    void SetViewNumber(int number);
    CRungpadView* View() const { return m_view; }

    // Title from the document's title, with the modified mark.
    void UpdateTitle();
    // Closes without the save question: the caller has asked it already.
    void CloseWithoutAsking();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The title's " [read-only]" follows the language.
    void changeEvent(QEvent* event) override;

  private:
    std::shared_ptr<CRungpadDoc> m_doc;
    CRungpadView* m_view;
    int m_viewNumber = 0;
    bool m_closing = false;
    std::function<bool(const CChildFrame*)> m_isLastView;
    bool m_asked = false;
};

}  // namespace rungpad
