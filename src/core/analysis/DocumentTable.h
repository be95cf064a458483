#pragma once

#include <string>
#include <vector>

namespace rungpad {

// A table of the program's documentation, as text (UTF-8): the printed documentation and the
// HTML report show the same tables.
struct DocumentTable {
    std::string title;
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;  // each as many cells as headers
    std::string emptyText = "none";              // shown in place of no rows
};

}  // namespace rungpad
