// Recovery copy files on arbitrary bytes: a copy that parses writes back to the same bytes'
// meaning, and its ladder opens as a recovered document (or is refused) without harm; the
// recovered document's own copy then opens again to the same program.

#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzChecks.h"
#include "document/DocumentHost.h"
#include "document/RecoveryCopy.h"
#include "document/RungpadDoc.h"
#include "model/HostInterfaces.h"

using namespace rungpad;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<RecoveryCopy> copy = RecoveryCopy::Parse(std::span(data, size));
    if (!copy) {
        return 0;
    }
    const std::optional<RecoveryCopy> again = RecoveryCopy::Parse(copy->Serialise());
    fuzz::Require(again && *again == *copy, "a copy reads back as written");

    NullMessageChannel out;
    NullMessageBox box;
    NullDocumentHost host;
    CRungpadDoc doc{out, box, host};
    if (!doc.OpenRecovered(copy->ladder, copy->path, copy->title, copy->diskStamp)) {
        return 0;
    }
    fuzz::CheckLineTable(doc.Program());
    fuzz::Require(doc.IsModified(), "a recovered document is modified");
    const std::vector<std::uint8_t> bytes = doc.RecoveryBytes();
    CRungpadDoc reopened{out, box, host};
    fuzz::Require(reopened.OpenRecovered(bytes, copy->path, copy->title, copy->diskStamp),
                  "the recovered document's own copy opens");
    fuzz::Require(reopened.RecoveryBytes() == bytes, "and holds the same program");
    return 0;
}
