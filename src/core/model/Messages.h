#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/Language.h"

namespace rungpad {

// The messages of core and of the command-line tool in the language the user chose. Code names a
// message by its original text, so a message reads where it is used:
//     host.Message(Messages::Text("1011 地址数据未正确输入"));
//     Messages::Format("WRT on ladder line %1 cannot be simulated", {line});
// Every such text is an entry of MessageTable (a test scans the sources for them). Files the
// system writes never go through here: they do not change with the language.
class Messages {
  public:
    // Process-wide; the editor sets it when the user picks a language, rungpad-cli from --lang.
    static void SetLanguage(Language language);
    static Language CurrentLanguage();

    // The message in the current language; a text the table does not hold comes back unchanged.
    static std::string_view Text(std::string_view original);
    static std::string_view Text(std::string_view original, Language language);

    // Text(original) with %1..%9 replaced by the arguments (%1 the first). A % not followed by a
    // digit naming an argument stays as it is.
    static std::string Format(std::string_view original,
                              std::initializer_list<std::string_view> arguments);
    static std::string Fill(std::string_view text,
                            std::initializer_list<std::string_view> arguments);
};

}  // namespace rungpad
