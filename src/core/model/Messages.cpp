#include "model/Messages.h"

#include <atomic>
#include <string_view>
#include <unordered_map>

#include "model/MessageTable.h"

namespace rungpad {

namespace {

std::atomic<Language> g_language{Language::Original};

const MessageEntry* EntryOf(std::string_view original) {
    static const std::unordered_map<std::string_view, const MessageEntry*> index = [] {
        std::unordered_map<std::string_view, const MessageEntry*> byOriginal;
        for (const MessageEntry& entry : MessageTable::Entries()) {
            byOriginal.emplace(entry.original, &entry);
        }
        return byOriginal;
    }();
    const auto found = index.find(original);
    return found == index.end() ? nullptr : found->second;
}

}  // namespace

void Messages::SetLanguage(const Language language) {
    g_language.store(language);
}

Language Messages::CurrentLanguage() {
    return g_language.load();
}

std::string_view Messages::Text(const std::string_view original) {
    return Text(original, CurrentLanguage());
}

std::string_view Messages::Text(const std::string_view original, const Language language) {
    const MessageEntry* entry = language == Language::Original ? nullptr : EntryOf(original);
    if (entry == nullptr) {
        return original;
    }
    return language == Language::Chinese ? entry->chinese : entry->english;
}

std::string Messages::Format(const std::string_view original,
                             const std::initializer_list<std::string_view> arguments) {
    return Fill(Text(original), arguments);
}

std::string Messages::Fill(const std::string_view text,
                           const std::initializer_list<std::string_view> arguments) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool placeholder =
            text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
        const std::size_t index = placeholder ? static_cast<std::size_t>(text[at + 1] - '1') : 0;
        if (placeholder && index < arguments.size()) {
            filled += arguments.begin()[index];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

}  // namespace rungpad
