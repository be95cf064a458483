#include "sim/VcdRecording.h"

#include <span>

#include "model/FileIo.h"
#include "sim/VcdWriter.h"

namespace rungpad {

bool VcdRecording::Write(std::int64_t endMs, std::string& error) const {
    const std::string text = VcdWriter::Write(m_trace, m_notes, endMs);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return FileIo::WriteFileAtomically(m_path, std::span(bytes, text.size()), error);
}

}  // namespace rungpad
