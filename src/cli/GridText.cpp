#include "GridText.h"

#include <cstdio>
#include <utility>

#include "model/FuncInstrTable.h"
#include "model/TextCodec.h"

namespace rungpad::cli {

namespace {

constexpr std::size_t kCellWidth = 10;

// The cell text made printable and padded to width (a damaged file may hold any bytes).
std::string Padded(std::string_view text, std::size_t width) {
    std::string out;
    for (const char c : text) {
        out.push_back(c >= 0x20 && c < 0x7F ? c : '?');
    }
    out.resize(width, ' ');
    return out;
}

// A UTF-8 text with its control characters (C0, DEL and C1) shown as '?': a file's texts must
// not forge output lines or reach the terminal as escape sequences.
std::string Printable(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool c1 = c == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c < 0x20 || c == 0x7F || c1) {
            out.push_back('?');
            i += c1 ? 1 : 0;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string BoxCell(const LadCell& cell) {
    const bool header = Element::BoxRow(cell.code) == 0 && Element::BoxColumn(cell.code) == 0;
    const std::string_view text =
        header && cell.Text().empty() ? FuncInstrTable::NameOf(cell.code) : cell.Text();
    const bool codt = Element::IsCodt(cell.code);
    return (codt ? "<" : "[") + Padded(text, kCellWidth - 2) + (codt ? ">" : "]");
}

bool Conducts(const LadCell& cell) {
    return cell.code == Element::kHLine || Element::IsContact(cell.code) ||
           Element::IsCoil(cell.code);
}

// The character between a cell and the next: a vertical link, a wire, or nothing.
char Gap(const LadCell& cell, const LadCell* next) {
    if (cell.HasLink()) {
        return '|';
    }
    return next && Conducts(cell) && next->code != Element::kEmpty ? '-' : ' ';
}

}  // namespace

std::string GridText::Cell(const LadCell& cell) {
    const std::string_view text = cell.Text();
    switch (cell.code) {
        case Element::kEmpty:
            return std::string(kCellWidth, ' ');
        case Element::kHLine:
            return std::string(kCellWidth, '-');
        case Element::kNoContact:
            return "-[" + Padded(text, 6) + "]-";
        case Element::kNcContact:
            return "-[/" + Padded(text, 6) + "]";
        case Element::kCoil:
            return "-(" + Padded(text, 6) + ")-";
        case Element::kNegCoil:
            return "-(/" + Padded(text, 6) + ")";
        default:
            break;
    }
    if (FuncInstrTable::FindFunctionCode(cell.code)) {
        return BoxCell(cell);
    }
    char unknown[16];
    std::snprintf(unknown, sizeof unknown, "?%04X", cell.code);
    return Padded(unknown, kCellWidth);
}

std::string GridText::Line(const LadProgram& program, int line) {
    char number[16];
    std::snprintf(number, sizeof number, "%04d ", line + 1);
    std::string out = number;
    const auto& cells = program.Line(line).cells;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        out += Cell(cells[c]);
        out += Gap(cells[c], c + 1 < cells.size() ? &cells[c + 1] : nullptr);
    }
    const std::string_view note = program.Note(line).View();
    if (!note.empty()) {
        out += " ; " + Printable(TextCodec::GbkToUtf8(note));
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
    }
    return out;
}

std::string GridText::HeaderField(std::string_view name, std::string_view value) {
    std::string out(name);
    out += ':';
    out.resize(16, ' ');
    return out + std::string(value);
}

std::string GridText::Header(const LadProgram& program, const LadHeaderTexts& header) {
    const auto word = [](int value) { return std::to_string(value); };
    const auto text = [](std::string_view gbk) { return Printable(TextCodec::GbkToUtf8(gbk)); };
    std::string out;
    for (const auto& [name, value] : {
             std::pair<std::string_view, std::string>{"Lines", word(program.LineCount())},
             {"END1 line", word(program.end1Line)},
             {"Step count", word(program.stepCountWord)},
             {"END1 step", word(program.end1Step)},
             {"Version", text(header.version.View())},
             {"Machine tool", text(header.machine.View())},
             {"Last modifier", text(header.modifier.View())},
             {"Save date", text(header.saveDate.View())},
         }) {
        out += HeaderField(name, value) + '\n';
    }
    return out;
}

}  // namespace rungpad::cli
