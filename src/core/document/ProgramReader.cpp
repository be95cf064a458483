#include "document/ProgramReader.h"

#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "model/Messages.h"

namespace rungpad {

namespace {

// Keeps the last message box text: the reason of a refusal.
class LastMessageBox final : public MessageBoxHost {
  public:
    void ShowMessage(std::string_view text) override { m_last = text; }
    const std::string& Last() const { return m_last; }

  private:
    std::string m_last;
};

}  // namespace

bool ProgramReader::Read(const std::string& path, LadProgram& program, LadHeaderTexts& header,
                         std::string& error) {
    NullMessageChannel channel;
    LastMessageBox box;
    NullDocumentHost host;
    CRungpadDoc doc(channel, box, host);
    if (!doc.OnOpenDocument(path) || doc.IsRefusedFile()) {
        error = box.Last().empty() ? std::string(Messages::Text("cannot be read")) : box.Last();
        return false;
    }
    program = doc.Program();
    program.SetMessageBox(nullptr);  // the document's message box goes with it
    header = doc.Header();
    return true;
}

}  // namespace rungpad
