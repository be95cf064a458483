#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace rungpad {

// The language the user reads messages in. Original is the texts as the system has always shown
// them (Chinese and English mixed); the other two put every message into one language.
enum class Language : std::uint8_t { Original, Chinese, English };

// The name a command line or a settings file gives a language: "original", "zh" or "en".
constexpr std::optional<Language> LanguageNamed(std::string_view name) {
    if (name == "original") {
        return Language::Original;
    }
    if (name == "zh" || name == "zh_CN") {
        return Language::Chinese;
    }
    if (name == "en") {
        return Language::English;
    }
    return std::nullopt;
}

}  // namespace rungpad
