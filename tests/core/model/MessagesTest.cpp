#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model/MessageTable.h"
#include "model/Messages.h"

namespace rungpad {
namespace {

class LanguageScope {
  public:
    explicit LanguageScope(const Language language) { Messages::SetLanguage(language); }
    ~LanguageScope() { Messages::SetLanguage(Language::Original); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

// Code points of the CJK blocks, full-width forms and CJK punctuation, decoded from UTF-8.
bool HasCjk(const std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t next = 1; next < length && at + next < text.size(); ++next) {
            code = (code << 6) | (static_cast<unsigned char>(text[at + next]) & 0x3F);
        }
        if ((code >= 0x3000 && code <= 0x9FFF) || (code >= 0xFF00 && code <= 0xFFEF)) {
            return true;
        }
        at += length;
    }
    return false;
}

bool HasLetter(const std::string_view text) {
    return HasCjk(text) || std::any_of(text.begin(), text.end(), [](const char c) {
               return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
           });
}

std::multiset<std::string> PlaceholdersOf(const std::string_view text) {
    std::multiset<std::string> found;
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] == '%' && text[at + 1] >= '1' && text[at + 1] <= '9') {
            found.insert(std::string(text.substr(at, 2)));
        }
    }
    return found;
}

TEST(MessagesTest, FormatFillsNumberedPlaceholders) {
    struct Case {
        std::string_view text;
        std::initializer_list<std::string_view> arguments;
        std::string_view expected;
    };
    const Case cases[] = {
        {"line %1: %2", {"12", "1011"}, "line 12: 1011"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"100% sure, %3 missing", {"x"}, "100% sure, %3 missing"},
        {"ends with %", {}, "ends with %"},
        {"%1%1", {"ab"}, "abab"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Messages::Fill(c.text, c.arguments), c.expected) << c.text;
    }
}

TEST(MessagesTest, OriginalIsTheDefaultAndUnknownTextsPassThrough) {
    EXPECT_EQ(Messages::CurrentLanguage(), Language::Original);
    const MessageEntry& first = MessageTable::Entries().front();
    EXPECT_EQ(Messages::Text(first.original), first.original);
    {
        const LanguageScope english(Language::English);
        EXPECT_EQ(Messages::Text(first.original), first.english);
        EXPECT_EQ(Messages::Text("a text nobody registered"), "a text nobody registered");
    }
    {
        const LanguageScope chinese(Language::Chinese);
        EXPECT_EQ(Messages::Text(first.original), first.chinese);
    }
    EXPECT_EQ(Messages::Text(first.original), first.original);
}

TEST(MessagesTest, LanguageNames) {
    EXPECT_EQ(LanguageNamed("en"), Language::English);
    EXPECT_EQ(LanguageNamed("zh"), Language::Chinese);
    EXPECT_EQ(LanguageNamed("original"), Language::Original);
    EXPECT_EQ(LanguageNamed("fr"), std::nullopt);
    EXPECT_EQ(LanguageNamed(""), std::nullopt);
}

// Every entry is complete and each form is in its own language with the same placeholders.
TEST(MessagesTest, EveryEntryHasBothTranslations) {
    std::set<std::string_view> originals;
    for (const MessageEntry& entry : MessageTable::Entries()) {
        SCOPED_TRACE(std::string(entry.original));
        EXPECT_TRUE(originals.insert(entry.original).second) << "listed twice";
        EXPECT_FALSE(entry.chinese.empty());
        EXPECT_FALSE(entry.english.empty());
        EXPECT_FALSE(HasCjk(entry.english)) << entry.english;
        if (HasLetter(entry.original)) {
            EXPECT_TRUE(HasCjk(entry.chinese)) << entry.chinese;
        }
        EXPECT_EQ(PlaceholdersOf(entry.chinese), PlaceholdersOf(entry.original));
        EXPECT_EQ(PlaceholdersOf(entry.english), PlaceholdersOf(entry.original));
    }
}

// The string literal(s) starting at `at` (adjacent literals joined), or nothing when the argument
// is not a literal.
std::optional<std::string> LiteralAt(const std::string& source, std::size_t at) {
    std::string text;
    bool any = false;
    while (true) {
        while (at < source.size() && std::isspace(static_cast<unsigned char>(source[at]))) {
            ++at;
        }
        if (at >= source.size() || source[at] != '"') {
            break;
        }
        any = true;
        for (++at; at < source.size() && source[at] != '"'; ++at) {
            if (source[at] == '\\' && at + 1 < source.size()) {
                ++at;
                const char escaped = source[at];
                text += escaped == 'n'   ? '\n'
                        : escaped == 'r' ? '\r'
                        : escaped == 't' ? '\t'
                                         : escaped;
            } else {
                text += source[at];
            }
        }
        ++at;
    }
    if (!any) {
        return std::nullopt;
    }
    return text;
}

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// The literal of a named constant passed at `at` ("kSaved", "LadFile::kCannotOpenText"), defined
// as `kName = "..."` in the same source or its header; nothing for any other argument.
std::optional<std::string> ConstantAt(const std::string& source, const std::filesystem::path& file,
                                      std::size_t at) {
    std::size_t end = at;
    while (end < source.size() && (std::isalnum(static_cast<unsigned char>(source[end])) ||
                                   source[end] == '_' || source[end] == ':')) {
        ++end;
    }
    std::string name = source.substr(at, end - at);
    name = name.substr(name.rfind(':') == std::string::npos ? 0 : name.rfind(':') + 1);
    if (name.size() < 2 || name[0] != 'k' || end >= source.size() || source[end] != ')') {
        return std::nullopt;
    }
    const std::string definition = " " + name + " = ";
    const std::size_t local = source.find(definition);
    if (local != std::string::npos) {
        return LiteralAt(source, local + definition.size());
    }
    const std::filesystem::path root = file.parent_path().parent_path();
    for (const auto& header : std::filesystem::recursive_directory_iterator(root)) {
        if (header.path().extension() != ".h") {
            continue;
        }
        const std::string text = Slurp(header.path());
        const std::size_t found = text.find(definition);
        if (found != std::string::npos) {
            return LiteralAt(text, found + definition.size());
        }
    }
    // Named but not found: reported as missing rather than skipped.
    return "(no definition of " + name + ")";
}

// A named constant looked up whose definition the scan cannot find would escape the check.
TEST(MessagesTest, ConstantScanFindsDefinitions) {
    const std::string source =
        "constexpr std::string_view kSaved = \"保存文件成功!\";\n"
        "Show(Messages::Text(kSaved));";
    const std::size_t at = source.find("Text(") + 5;
    EXPECT_EQ(ConstantAt(source, std::filesystem::path(RUNGPAD_SOURCE_DIR) / "src" / "x.cpp", at),
              "保存文件成功!");
}

// A message looked up by a literal the table lacks would silently stay in the original language.
TEST(MessagesTest, EveryLiteralLookedUpInTheSourcesIsInTheTable) {
    std::set<std::string_view> originals;
    for (const MessageEntry& entry : MessageTable::Entries()) {
        originals.insert(entry.original);
    }
    const std::filesystem::path root = std::filesystem::path(RUNGPAD_SOURCE_DIR) / "src";
    for (const auto& file : std::filesystem::recursive_directory_iterator(root)) {
        const std::string extension = file.path().extension().string();
        if (extension != ".cpp" && extension != ".h") {
            continue;
        }
        const std::string source = Slurp(file.path());
        for (const std::string_view call : {"Messages::Text(", "Messages::Format("}) {
            for (std::size_t at = source.find(call); at != std::string::npos;
                 at = source.find(call, at + 1)) {
                const std::size_t lineStart = source.rfind('\n', at) + 1;
                const bool commented = source.find("//", lineStart) < at;
                std::optional<std::string> literal = LiteralAt(source, at + call.size());
                if (!literal) {
                    literal = ConstantAt(source, file.path(), at + call.size());
                }
                if (commented || !literal) {
                    continue;
                }
                EXPECT_TRUE(originals.count(*literal) != 0)
                    << file.path().filename().string() << ": \"" << *literal
                    << "\" is not in MessageTable";
            }
        }
    }
}

}  // namespace
}  // namespace rungpad
