#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace rungpad {

// Texts between core and Qt: core hands over UTF-8 (messages, menu texts, anything a host
// interface receives), keeps user texts as GBK bytes and takes file names in the local encoding.
class QtText {
  public:
    static QString ToQString(std::string_view utf8);
    // A user text as the model holds it (GBK bytes).
    static QString FromGbk(std::string_view gbk);
    // File names: core takes and gives them in the local encoding.
    static std::string ToLocalPath(const QString& path);
    static QString FromLocalPath(const std::string& path);
};

}  // namespace rungpad
