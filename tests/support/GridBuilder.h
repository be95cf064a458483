#pragma once

// Builds ladder programs for tests from one string per line, one token per cell:
//
//   .          empty cell               -          horizontal line
//   X000.0     normally open contact    /X000.0    normally closed contact
//   (Y000.0)   coil                     (/Y000.0)  negated coil       ()  coil without address
//   [TMR:0005] box header and its parameters (':' separated, empty between two ':' for a missing
//              one); the box takes its catalogue width in the line and its height in the lines
//              below, where each of its cells is written '#'
//   {0x1234}   raw element code, {0x1234:TEXT} with a text (damaged programs)
//   CODT a b c ...  as the first token: a CODT line, up to eight entries ('_' for an empty one);
//                   consecutive CODT lines form one table
//
// Any token may end in '|': a vertical link down from the cell's right edge. Missing trailing
// tokens are empty cells. A malformed grid throws std::invalid_argument naming the token.

#include <cctype>
#include <cstdio>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/FuncInstrTable.h"
#include "model/LadProgram.h"

namespace rungpad::test {

class GridBuilder {
  public:
    // Appends the lines to program.
    static void Append(LadProgram& program, const std::vector<std::string>& lines) {
        const int base = program.LineCount();
        std::vector<Box> boxes;
        for (const std::string& line : lines) {
            if (!program.AppendLine(LadLine{}, NoteText{})) {
                throw std::invalid_argument("grid: more than 1600 lines");
            }
            ParseLine(program, program.LineCount() - 1, line, boxes);
        }
        for (const Box& box : boxes) {
            FillBox(program, box);
        }
        MarkCodtTables(program, base);
    }

    static LadProgram Build(const std::vector<std::string>& lines) {
        LadProgram program;
        Append(program, lines);
        return program;
    }

    // The program as grid lines in the same notation, so a test can compare a program with the
    // grid it expects; trailing empty cells are left out. Build(Render(p)) gives p back for any
    // program an editor makes (cell numbers aside: Build derives them from the texts).
    static std::vector<std::string> Render(const LadProgram& program) {
        std::vector<std::string> lines;
        for (int i = 0; i < program.LineCount(); ++i) {
            lines.push_back(RenderLine(program.Line(i)));
        }
        return lines;
    }

    // The number a cell keeps for a text: the digits after the letters, or the constant.
    static std::int16_t NumberOf(std::string_view text) {
        std::size_t i = 0;
        while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
        if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) {
            return -1;
        }
        int value = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            value = value * 10 + (text[i++] - '0');
        }
        return static_cast<std::int16_t>(value);
    }

  private:
    struct Box {
        int line;
        int column;
        const FuncInstr* instr;
    };

    static std::vector<std::string> Split(std::string_view text, char separator) {
        std::vector<std::string> parts;
        std::string part;
        for (char c : text) {
            if (c == separator) {
                parts.push_back(part);
                part.clear();
            } else {
                part.push_back(c);
            }
        }
        parts.push_back(part);
        return parts;
    }

    static std::vector<std::string> Tokens(std::string_view line) {
        std::vector<std::string> tokens;
        std::string token;
        for (char c : line) {
            if (c == ' ' || c == '\t') {
                if (!token.empty()) {
                    tokens.push_back(token);
                    token.clear();
                }
            } else {
                token.push_back(c);
            }
        }
        if (!token.empty()) {
            tokens.push_back(token);
        }
        return tokens;
    }

    static void SetTextCell(LadCell& cell, std::uint16_t code, std::string_view text) {
        cell.code = code;
        cell.SetText(text);
        cell.number = NumberOf(text);
    }

    static void Bad(std::string_view what, std::string_view token) {
        throw std::invalid_argument("grid: " + std::string(what) + " '" + std::string(token) + "'");
    }

    static void ParseLine(LadProgram& program, int line, std::string_view text,
                          std::vector<Box>& boxes) {
        std::vector<std::string> tokens = Tokens(text);
        if (!tokens.empty() && tokens[0] == "CODT") {
            ParseCodtLine(program, line, tokens);
            return;
        }
        int column = 0;
        for (std::string token : tokens) {
            if (column >= LadLine::kColumns) {
                Bad("more than eight cells at", token);
            }
            const bool link = token.size() > 1 && token.back() == '|';
            if (link || token == "|") {
                token.pop_back();
            }
            LadCell& cell = program.Cell(column, line);
            cell.vlink = (link || token.empty()) ? 1 : 0;
            column += ParseCell(program, line, column, token, boxes);
        }
    }

    // Fills the cell(s) of one token; returns the number of columns taken.
    static int ParseCell(LadProgram& program, int line, int column, const std::string& token,
                         std::vector<Box>& boxes) {
        LadCell& cell = program.Cell(column, line);
        if (token.empty() || token == "." || token == "#") {
            return 1;  // '#' cells are filled by the box above
        }
        if (token == "-") {
            cell.code = Element::kHLine;
            return 1;
        }
        if (token.front() == '(' && token.back() == ')') {
            const std::string inner = token.substr(1, token.size() - 2);
            const bool negated = !inner.empty() && inner[0] == '/';
            SetTextCell(cell, negated ? Element::kNegCoil : Element::kCoil,
                        negated ? inner.substr(1) : inner);
            return 1;
        }
        if (token.front() == '[' && token.back() == ']') {
            return ParseBox(program, line, column, token, boxes);
        }
        if (token.front() == '{' && token.back() == '}') {
            const std::vector<std::string> parts = Split(token.substr(1, token.size() - 2), ':');
            cell.code = static_cast<std::uint16_t>(std::stoul(parts[0], nullptr, 0));
            if (parts.size() > 1) {
                cell.SetText(parts[1]);
                cell.number = NumberOf(parts[1]);
            }
            return 1;
        }
        if (token.front() == '/') {
            SetTextCell(cell, Element::kNcContact, token.substr(1));
            return 1;
        }
        if (std::isalpha(static_cast<unsigned char>(token.front()))) {
            SetTextCell(cell, Element::kNoContact, token);
            return 1;
        }
        Bad("unknown cell", token);
        return 1;
    }

    static int ParseBox(LadProgram& program, int line, int column, const std::string& token,
                        std::vector<Box>& boxes) {
        const std::vector<std::string> parts = Split(token.substr(1, token.size() - 2), ':');
        const FuncInstr* instr = FuncInstrTable::FindByName(parts[0]);
        if (instr == nullptr) {
            Bad("unknown box", token);
        }
        if (static_cast<int>(parts.size()) > instr->width) {
            Bad("too many parameters in", token);
        }
        for (int p = 0; p < instr->width; ++p) {
            if (column + p >= LadLine::kColumns) {
                Bad("box does not fit in the line:", token);
            }
            LadCell& cell = program.Cell(column + p, line);
            const std::string text = p < static_cast<int>(parts.size()) ? parts[p] : "";
            SetTextCell(cell, static_cast<std::uint16_t>(instr->code + p), text);
        }
        // The link suffix belongs to the token's last cell.
        if (program.Cell(column, line).vlink != 0 && instr->width > 1) {
            program.Cell(column, line).vlink = 0;
            program.Cell(column + instr->width - 1, line).vlink = 1;
        }
        boxes.push_back({line, column, instr});
        return instr->width;
    }

    static void FillBox(LadProgram& program, const Box& box) {
        for (int r = 1; r < box.instr->height && box.line + r < program.LineCount(); ++r) {
            for (int q = 0; q < box.instr->width; ++q) {
                LadCell& cell = program.Cell(box.column + q, box.line + r);
                cell.code = static_cast<std::uint16_t>(box.instr->code + 16 * r + q);
            }
        }
    }

    static void ParseCodtLine(LadProgram& program, int line,
                              const std::vector<std::string>& tokens) {
        if (tokens.size() > 1 + LadLine::kColumns) {
            Bad("more than eight entries in a CODT line starting", tokens[1]);
        }
        for (int j = 0; j < LadLine::kColumns; ++j) {
            LadCell& cell = program.Cell(j, line);
            const std::string entry =
                j + 1 < static_cast<int>(tokens.size()) && tokens[j + 1] != "_" ? tokens[j + 1]
                                                                                : "";
            SetTextCell(cell, static_cast<std::uint16_t>(Element::kCodt + j), entry);
        }
    }

    // Numbers the lines of each run of CODT lines and gives every cell the run's length.
    static void MarkCodtTables(LadProgram& program, int from) {
        int line = from;
        while (line < program.LineCount()) {
            int end = line;
            while (end < program.LineCount() && IsCodtLine(program, end)) {
                ++end;
            }
            for (int b = line; b < end; ++b) {
                for (int j = 0; j < LadLine::kColumns; ++j) {
                    LadCell& cell = program.Cell(j, b);
                    cell.code = static_cast<std::uint16_t>(Element::kCodt + 16 * (b - line) + j);
                    cell.codtCount = end - line;
                }
            }
            line = end > line ? end : line + 1;
        }
    }

    static std::string RenderLine(const LadLine& line) {
        if (IsTableLine(line)) {
            std::vector<std::string> entries;
            for (const LadCell& cell : line.cells) {
                entries.push_back(cell.text.Empty() ? "_" : cell.text.Str());
            }
            while (!entries.empty() && entries.back() == "_") {
                entries.pop_back();
            }
            std::string out = "CODT";
            for (const std::string& entry : entries) {
                out += " " + entry;
            }
            return out;
        }
        std::vector<std::string> tokens;
        for (int c = 0; c < LadLine::kColumns;) {
            const int width = BoxTokenWidth(line, c);
            if (width > 0) {
                std::string token = "[" + std::string(line.Cell(c).Text());
                for (int p = 1; p < width; ++p) {
                    token += ":" + std::string(line.Cell(c + p).Text());
                }
                tokens.push_back(token + "]" + (line.Cell(c + width - 1).HasLink() ? "|" : ""));
                c += width;
                continue;
            }
            tokens.push_back(CellToken(line.Cell(c)) + (line.Cell(c).HasLink() ? "|" : ""));
            ++c;
        }
        while (!tokens.empty() && tokens.back() == ".") {
            tokens.pop_back();
        }
        std::string out;
        for (const std::string& token : tokens) {
            out += (out.empty() ? "" : " ") + token;
        }
        return out;
    }

    // A line of a CODT table as the editor makes it: codes 0x4000 + 16 x b + column, counted.
    static bool IsTableLine(const LadLine& line) {
        const std::uint16_t first = line.Cell(0).code;
        if (!Element::IsCodt(first) || (first & 0xF) != 0 || line.Cell(0).codtCount < 1) {
            return false;
        }
        for (int j = 1; j < LadLine::kColumns; ++j) {
            if (line.Cell(j).code != first + j) {
                return false;
            }
        }
        return true;
    }

    // The columns a box header at column takes as one token, or 0 when the cells there do not
    // form a box written the builder's way.
    static int BoxTokenWidth(const LadLine& line, int column) {
        const LadCell& header = line.Cell(column);
        const FuncInstr* instr = FuncInstrTable::FindFunctionCode(header.code);
        if (instr == nullptr || header.code != instr->code || header.Text() != instr->name ||
            column + instr->width > LadLine::kColumns) {
            return 0;
        }
        for (int p = 0; p < instr->width; ++p) {
            const LadCell& cell = line.Cell(column + p);
            if (cell.code != instr->code + p || (p + 1 < instr->width && cell.HasLink()) ||
                cell.Text().find_first_of(":]| ") != std::string_view::npos) {
                return 0;
            }
        }
        return instr->width;
    }

    static std::string CellToken(const LadCell& cell) {
        const std::string text(cell.Text());
        const bool plainText = !text.empty() && std::isalpha(static_cast<unsigned char>(text[0])) &&
                               text.find_first_of("|:()[]{} ") == std::string::npos;
        switch (cell.code) {
            case Element::kEmpty:
                return text.empty() ? "." : Raw(cell);
            case Element::kHLine:
                return text.empty() ? "-" : Raw(cell);
            case Element::kNoContact:
                return plainText ? text : Raw(cell);
            case Element::kNcContact:
                return plainText ? "/" + text : Raw(cell);
            case Element::kCoil:
                return text.empty() || plainText ? "(" + text + ")" : Raw(cell);
            case Element::kNegCoil:
                return plainText ? "(/" + text + ")" : Raw(cell);
            default:
                return Element::IsBoxCell(cell.code) && Element::BoxRow(cell.code) > 0 &&
                               text.empty()
                           ? "#"
                           : Raw(cell);
        }
    }

    static std::string Raw(const LadCell& cell) {
        char code[8];
        std::snprintf(code, sizeof code, "0x%04X", cell.code);
        return "{" + std::string(code) + (cell.text.Empty() ? "" : ":" + cell.text.Str()) + "}";
    }

    static bool IsCodtLine(const LadProgram& program, int line) {
        return program.Cell(0, line).code == Element::kCodt &&
               program.Cell(1, line).code == Element::kCodt + 1;
    }
};

}  // namespace rungpad::test
