#include "XrefHtml.h"

namespace rungpad::cli {

namespace {

constexpr const char* kStyle = R"(<style>
body { font-family: sans-serif; margin: 2em; color: #111; }
table { border-collapse: collapse; margin-bottom: 2em; }
th, td { border: 1px solid #999; padding: 0.25em 0.6em; text-align: left; vertical-align: top; }
th { background: #e8e8e8; cursor: pointer; user-select: none; }
th[aria-sort="ascending"]::after { content: " \25B2"; }
th[aria-sort="descending"]::after { content: " \25BC"; }
td:first-child { font-family: monospace; white-space: nowrap; }
</style>
)";

// A click on a column heading sorts the table's rows by that column, again reverses them;
// numbers inside the texts compare as numbers (R99.0 before R100.0).
constexpr const char* kScript = R"(<script>
document.querySelectorAll("table.sortable th").forEach(function (th) {
  th.addEventListener("click", function () {
    var table = th.closest("table");
    var body = table.tBodies[0];
    var column = Array.prototype.indexOf.call(th.parentNode.children, th);
    var ascending = th.getAttribute("aria-sort") !== "ascending";
    table.querySelectorAll("th").forEach(function (h) { h.removeAttribute("aria-sort"); });
    th.setAttribute("aria-sort", ascending ? "ascending" : "descending");
    var rows = Array.prototype.slice.call(body.rows);
    rows.sort(function (a, b) {
      var order = a.cells[column].textContent.localeCompare(
          b.cells[column].textContent, undefined, {numeric: true});
      return ascending ? order : -order;
    });
    rows.forEach(function (row) { body.appendChild(row); });
  });
});
</script>
)";

void AppendTable(std::string& page, const DocumentTable& table) {
    page += "<h2>" + XrefHtml::Escape(table.title) + "</h2>\n";
    if (table.rows.empty()) {
        page += "<p>" + XrefHtml::Escape(table.emptyText) + "</p>\n";
        return;
    }
    page += "<table class=\"sortable\">\n<thead><tr>";
    for (const std::string& header : table.headers) {
        page += "<th>" + XrefHtml::Escape(header) + "</th>";
    }
    page += "</tr></thead>\n<tbody>\n";
    for (const std::vector<std::string>& row : table.rows) {
        page += "<tr>";
        for (const std::string& cell : row) {
            page += "<td>" + XrefHtml::Escape(cell) + "</td>";
        }
        page += "</tr>\n";
    }
    page += "</tbody>\n</table>\n";
}

}  // namespace

std::string XrefHtml::Escape(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string XrefHtml::Page(const std::string& title, const std::vector<DocumentTable>& tables) {
    std::string page =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        Escape(title) + "</title>\n" + kStyle + "</head>\n<body>\n<h1>" + Escape(title) + "</h1>\n";
    for (const DocumentTable& table : tables) {
        AppendTable(page, table);
    }
    return page + kScript + "</body>\n</html>\n";
}

}  // namespace rungpad::cli
