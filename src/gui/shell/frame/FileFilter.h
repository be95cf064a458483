#pragma once

#include <QString>
#include <string_view>

namespace rungpad {

// File dialog filters: the program states them as "name|patterns|name|patterns||" with patterns
// separated by ';' (as in "*.plf;*.grp"); Qt's dialogs take "name (patterns);;name (patterns)".
class FileFilter {
  public:
    static QString ToQt(std::string_view filter);
};

}  // namespace rungpad
