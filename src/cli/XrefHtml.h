#pragma once

#include <string>
#include <vector>

#include "analysis/DocumentTable.h"

namespace rungpad::cli {

// The documentation tables as one self-contained HTML page (styles and the column sorting
// inline, nothing fetched), for build servers that publish reports.
class XrefHtml {
  public:
    // title: what the page is about (the file name), UTF-8.
    static std::string Page(const std::string& title, const std::vector<DocumentTable>& tables);
    // text with &, <, >, " and ' escaped.
    static std::string Escape(const std::string& text);
};

}  // namespace rungpad::cli
