#include "document/RecoveryCopy.h"

#include <charconv>
#include <string_view>

namespace rungpad {

namespace {

constexpr std::string_view kMagic = "RUNGPAD-RECOVERY 1\n";

void Put(std::vector<std::uint8_t>& out, std::string_view key, std::string_view value) {
    const std::string head = std::string(key) + " " + std::to_string(value.size()) + "\n";
    out.insert(out.end(), head.begin(), head.end());
    out.insert(out.end(), value.begin(), value.end());
    out.push_back('\n');
}

// Reads the fields back in the order they were put; every read checks its bounds.
class Reader {
  public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool Expect(std::string_view literal) {
        if (m_text.substr(m_pos, literal.size()) != literal) {
            return false;
        }
        m_pos += literal.size();
        return true;
    }
    std::optional<std::string_view> Field(std::string_view key) {
        if (!Expect(key) || !Expect(" ")) {
            return std::nullopt;
        }
        const std::size_t newline = m_text.find('\n', m_pos);
        if (newline == std::string_view::npos) {
            return std::nullopt;
        }
        std::size_t length = 0;
        const char* first = m_text.data() + m_pos;
        const char* last = m_text.data() + newline;
        const auto [end, ec] = std::from_chars(first, last, length);
        if (ec != std::errc{} || end != last || length > m_text.size() - newline - 1) {
            return std::nullopt;
        }
        const std::string_view value = m_text.substr(newline + 1, length);
        m_pos = newline + 1 + length;
        if (!Expect("\n")) {
            return std::nullopt;
        }
        return value;
    }
    template <typename Value>
    bool Number(std::string_view key, Value& value) {
        const std::optional<std::string_view> text = Field(key);
        if (!text) {
            return false;
        }
        const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
        return ec == std::errc{} && end == text->data() + text->size();
    }
    bool AtEnd() const { return m_pos == m_text.size(); }

  private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace

std::vector<std::uint8_t> RecoveryCopy::Serialise() const {
    std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
    Put(out, "path", path);
    Put(out, "title", title);
    Put(out, "written", std::to_string(writtenAt));
    Put(out, "pid", std::to_string(pid));
    Put(out, "disk",
        diskStamp ? std::to_string(diskStamp->size) + " " + std::to_string(diskStamp->modifiedNs)
                  : std::string());
    Put(out, "ladder",
        std::string_view(reinterpret_cast<const char*>(ladder.data()), ladder.size()));
    return out;
}

std::optional<RecoveryCopy> RecoveryCopy::Parse(std::span<const std::uint8_t> bytes) {
    Reader in(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    RecoveryCopy copy;
    if (!in.Expect(kMagic)) {
        return std::nullopt;
    }
    const auto path = in.Field("path");
    const auto title = in.Field("title");
    if (!path || !title || !in.Number("written", copy.writtenAt) || !in.Number("pid", copy.pid)) {
        return std::nullopt;
    }
    const auto disk = in.Field("disk");
    const auto ladder = in.Field("ladder");
    if (!disk || !ladder || !in.AtEnd()) {
        return std::nullopt;
    }
    if (!disk->empty()) {
        FileIo::Stamp stamp;
        const std::size_t space = disk->find(' ');
        if (space == std::string_view::npos ||
            std::from_chars(disk->data(), disk->data() + space, stamp.size).ec != std::errc{} ||
            std::from_chars(disk->data() + space + 1, disk->data() + disk->size(), stamp.modifiedNs)
                    .ec != std::errc{}) {
            return std::nullopt;
        }
        copy.diskStamp = stamp;
    }
    copy.path = std::string(*path);
    copy.title = std::string(*title);
    copy.ladder.assign(ladder->begin(), ladder->end());
    return copy;
}

}  // namespace rungpad
