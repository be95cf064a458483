#include "model/LadFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <ctime>

#include "model/FuncInstrTable.h"
#include "model/HostInterfaces.h"
#include "model/Messages.h"

namespace rungpad {

namespace {

constexpr std::string_view kFormatError = "格式错误!\r\n无法打开梯形图文件!";
constexpr std::size_t kConSkippedBytes = 26;

std::uint16_t U16At(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint8_t* PutU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    return p + 2;
}

template <std::size_t N>
std::uint8_t* PutField(std::uint8_t* p, const FixedText<N>& text) {
    std::memcpy(p, text.Field().data(), N);
    return p + N;
}

void AppendU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

bool Refuse(LadProgram& program, MessageChannel& out, MessageBoxHost& box) {
    program.Clear();
    box.ShowMessage(Messages::Text(LadFile::kCannotOpenText));
    out.OutputLine(Messages::Text(kFormatError));
    return false;
}

// Reads one 13-byte cell record; display state and CODT counts start reset.
void ReadCell(const std::uint8_t* p, LadCell& cell) {
    cell.code = U16At(p);
    cell.vlink = U16At(p + 2);
    cell.number = static_cast<std::int16_t>(U16At(p + 4));
    cell.text.AssignRaw(reinterpret_cast<const char*>(p + 6));
    // A number parameter that was never entered is written with the link word as its number;
    // it has no number, as before saving, so the number checks do not claim 0 or 1 for it.
    // Written again, it gives the same word.
    if (cell.text.View().empty() && FuncInstrTable::IsNumberParameter(cell.code) &&
        U16At(p + 4) == U16At(p + 2)) {
        cell.number = -1;
    }
    cell.highlight = 0;
    cell.codtCount = 0;
}

// Reads one line record (normal or CON layout) into line and note.
void ReadLine(const std::uint8_t* p, bool con, LadLine& line, NoteText& note) {
    for (int c = 0; c < LadLine::kColumns; ++c) {
        if (c == LadLine::kOutputColumn && con) {
            p += kConSkippedBytes;
        }
        ReadCell(p, line.cells[static_cast<std::size_t>(c)]);
        p += LadFile::kCellSize;
    }
    if (con) {
        note.Clear();
    } else {
        note.AssignRaw(reinterpret_cast<const char*>(p));
    }
}

// Every cell of the CODT run that ends just above line end gets the run's length.
void MarkCodtRun(LadProgram& program, int end, int run) {
    for (int i = end - run; i < end; ++i) {
        for (LadCell& cell : program.Line(i).cells) {
            cell.codtCount = run;
        }
    }
}

void CountCodtLines(LadProgram& program) {
    int run = 0;
    for (int i = 0; i < program.LineCount(); ++i) {
        if (Element::IsCodt(program.Cell(0, i).code)) {
            ++run;
        } else if (run > 0) {
            MarkCodtRun(program, i, run);
            run = 0;
        }
    }
    if (run > 0) {
        MarkCodtRun(program, program.LineCount(), run);
    }
}

// The decimal value of the digits after the first character, up to the first non-digit.
int DigitValue(std::string_view text) {
    int v = 0;
    for (std::size_t i = 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = std::min(v * 10 + (text[i] - '0'), 1'000'000);
    }
    return v;
}

bool IsBitAddressLetter(char c) {
    return c == 'X' || c == 'Y' || c == 'G' || c == 'F' || c == 'R' || c == 'K' || c == 'A';
}

// The number word: an address text always stores the byte number it shows. For other texts whose
// value differs from the cell's number the link word is written a second time, as stored files and
// controllers have always had it.
std::uint16_t NumberWord(const LadCell& cell) {
    const std::string_view text = cell.Text();
    const int v = DigitValue(text);
    if (v == cell.number) {
        return static_cast<std::uint16_t>(cell.number);
    }
    if (!text.empty() && IsBitAddressLetter(text[0])) {
        return static_cast<std::uint16_t>(v & 0xFFFF);
    }
    return static_cast<std::uint16_t>(cell.vlink & 0xFFFF);
}

void BuildBoxLines(LadProgram& program, int line, int column, std::uint16_t base, int fromRow,
                   int width, int height) {
    for (int j = fromRow; j < height; ++j) {
        for (int k = column; k < column + width && k < LadLine::kColumns; ++k) {
            LadCell& cell = program.Cell(k, line + j);
            cell.Reset();
            cell.code = static_cast<std::uint16_t>(base + 16 * j + (k - column));
        }
    }
}

void ClearSecondRowTexts(LadProgram& program, int line, int column, int width, int height) {
    for (int j = 0; j < height && line + j < program.LineCount(); ++j) {
        for (int k = column; k < column + width && k < LadLine::kColumns; ++k) {
            LadCell& cell = program.Cell(k, line + j);
            if (Element::BoxRow(cell.code) != 0) {
                cell.text.Clear();
            }
        }
    }
}

int FirstBoxColumn(const LadLine& line) {
    for (int c = 0; c < LadLine::kColumns; ++c) {
        if (line.Cell(c).code > 0x0FFF) {
            return c;
        }
    }
    return -1;
}

// Completes the box whose first line is line i; returns how many lines to advance.
int ExpandBoxAt(LadProgram& program, int i, int f) {
    const std::uint16_t code = program.Cell(f, i).code;
    const auto base = static_cast<std::uint16_t>(code & 0xFF00);
    int w = 1;
    int h = 1;
    FuncInstrTable::BoxSize(code, w, h);
    for (int r = 1; r < h; ++r) {
        const bool present = i + r < program.LineCount() &&
                             (program.Cell(f, i + r).code >> 4) == ((base + 16 * r) >> 4);
        if (present) {
            ClearSecondRowTexts(program, i, f, w, h);
            continue;
        }
        // A box that cannot get its lines in a full program stays as it is; nothing is overwritten.
        if (!program.InsertLines(i + r, h - r)) {
            return 1;
        }
        BuildBoxLines(program, i, f, base, r, w, h);
        break;
    }
    return std::max(h, 1);
}

// Whether rest is a line note trailer to its last byte (also when it is empty).
bool IsTrailer(std::span<const std::uint8_t> rest) {
    constexpr std::size_t kRecordHead = 8;
    std::size_t at = 0;
    while (at < rest.size()) {
        if (rest.size() - at < kRecordHead) {
            return false;
        }
        const std::uint8_t* p = rest.data() + at;
        const std::uint32_t slot = U16At(p + 2) | (static_cast<std::uint32_t>(U16At(p + 4)) << 16);
        const std::size_t length = U16At(p + 6);
        if (U16At(p) != LadFile::kTrailerMark || slot >= LadProgram::kMaxLines || length == 0 ||
            length > NoteText::kSize || rest.size() - at - kRecordHead < length) {
            return false;
        }
        at += kRecordHead + length;
    }
    return true;
}

}  // namespace

namespace {

// Whether text ends in the three upper-case letters of suffix, compared in upper case.
bool EndsInUpper(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    const std::string_view tail = text.substr(text.size() - suffix.size());
    return std::equal(tail.begin(), tail.end(), suffix.begin(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    });
}

}  // namespace

bool LadFile::IsConName(std::string_view fileName) {
    return EndsInUpper(fileName, "CON");
}

bool LadFile::IsGrpName(std::string_view path) {
    return EndsInUpper(path, "GRP");
}

std::string LadFile::RefusalReason(std::span<const std::uint8_t> bytes, std::string_view fileName) {
    if (bytes.size() < kHeaderSize) {
        return Messages::Format("the file holds %1 bytes, less than the %2-byte header",
                                {std::to_string(bytes.size()), std::to_string(kHeaderSize)});
    }
    const auto count =
        static_cast<std::int16_t>(static_cast<std::uint16_t>(U16At(bytes.data()) + 1));
    if (count < 0 || count > LadProgram::kMaxLines) {
        return Messages::Format(
            "the header's line count %1 is above the %2 lines a program holds",
            {std::to_string(U16At(bytes.data()) + 1), std::to_string(LadProgram::kMaxLines)});
    }
    // A file shorter than its count says is refused too: never a partly read program.
    const std::size_t lineSize = IsConName(fileName) ? kConLineSize : kLineSize;
    const std::size_t needed = kHeaderSize + lineSize * static_cast<std::size_t>(count);
    if (bytes.size() < needed) {
        return Messages::Format(
            "the file holds %1 bytes; its line count of %2 needs %3",
            {std::to_string(bytes.size()), std::to_string(count), std::to_string(needed)});
    }
    return {};
}

bool LadFile::LoadLadder(std::span<const std::uint8_t> bytes, std::string_view fileName,
                         LadProgram& program, LadHeaderTexts& header, MessageChannel& out,
                         MessageBoxHost& box) {
    out.ClearOutput();
    out.OutputLine(Messages::Text("正在载入文件......"));
    const bool con = IsConName(fileName);
    program.Clear();
    if (const std::string reason = RefusalReason(bytes, fileName); !reason.empty()) {
        Refuse(program, out, box);
        out.OutputLine(reason);
        return false;
    }
    const auto count =
        static_cast<std::int16_t>(static_cast<std::uint16_t>(U16At(bytes.data()) + 1));
    const std::size_t lineSize = con ? kConLineSize : kLineSize;
    const std::uint8_t* p = bytes.data();
    program.end1Line = static_cast<std::int16_t>(U16At(p + 2));
    program.stepCountWord = static_cast<std::int16_t>(U16At(p + 4));
    program.end1Step = static_cast<std::int16_t>(U16At(p + 6));
    header.version.AssignRaw(reinterpret_cast<const char*>(p + 8));
    header.machine.AssignRaw(reinterpret_cast<const char*>(p + 23));
    header.modifier.AssignRaw(reinterpret_cast<const char*>(p + 63));
    header.saveDate.AssignRaw(reinterpret_cast<const char*>(p + 83));
    LadLine line;
    NoteText note;
    for (int i = 0; i < count; ++i) {
        ReadLine(p + kHeaderSize + lineSize * static_cast<std::size_t>(i), con, line, note);
        program.AppendLine(line, note);
    }
    CountCodtLines(program);
    return true;
}

LadExcess LadFile::Excess(std::span<const std::uint8_t> bytes, std::string_view fileName) {
    const bool con = IsConName(fileName);
    const std::size_t lineSize = con ? kConLineSize : kLineSize;
    if (bytes.size() < kHeaderSize) {
        return {};
    }
    const auto count =
        static_cast<std::int16_t>(static_cast<std::uint16_t>(U16At(bytes.data()) + 1));
    const std::size_t read =
        kHeaderSize + lineSize * static_cast<std::size_t>(std::max<int>(count, 0));
    if (count < 0 || bytes.size() < read) {
        return {};
    }
    const std::span<const std::uint8_t> rest = bytes.subspan(read);
    const std::size_t wholeLines = rest.size() / lineSize;
    // CON files have no trailer: everything after the counted lines is unread.
    for (std::size_t k = 0; !con && k <= wholeLines; ++k) {
        if (IsTrailer(rest.subspan(k * lineSize))) {
            return {static_cast<int>(k), 0};
        }
    }
    return {static_cast<int>(wholeLines), rest.size() % lineSize};
}

void LadFile::SaveLadder(std::vector<std::uint8_t>& file, const LadProgram& table,
                         LadHeaderTexts& header, std::string_view saveDate, MessageChannel& out) {
    header.saveDate.Assign(saveDate);
    out.ClearOutput();
    out.OutputLine(Messages::Text("正在保存文件......"));
    const std::size_t start = file.size();
    file.resize(start + kHeaderSize + kLineSize * static_cast<std::size_t>(table.LineCount()));
    std::uint8_t* p = file.data() + start;
    p = PutU16(p, static_cast<std::uint16_t>(table.LineCount() - 1));
    p = PutU16(p, static_cast<std::uint16_t>(table.end1Line));
    p = PutU16(p, static_cast<std::uint16_t>(table.stepCountWord));
    p = PutU16(p, static_cast<std::uint16_t>(table.end1Step));
    p = PutField(p, header.version);
    p = PutField(p, header.machine);
    p = PutField(p, header.modifier);
    p = PutField(p, header.saveDate);
    for (int i = 0; i < table.LineCount(); ++i) {
        for (const LadCell& cell : table.Line(i).cells) {
            p = PutU16(p, cell.code);
            p = PutU16(p, static_cast<std::uint16_t>(cell.vlink & 0xFFFF));
            p = PutU16(p, NumberWord(cell));
            p = PutField(p, cell.text);
        }
        p = PutField(p, table.Note(i));
    }
    out.OutputLine(Messages::Text("文件保存完成."));
}

void LadFile::WriteNoteTrailer(std::vector<std::uint8_t>& file, const LadProgram& program,
                               MessageChannel& out) {
    out.OutputLine(Messages::Text("正在保存注释......"));
    for (int i = 0; i < LadProgram::kMaxLines; ++i) {
        const std::string_view note = program.Note(i).View();
        if (note.empty()) {
            continue;
        }
        AppendU16(file, kTrailerMark);
        AppendU16(file, static_cast<std::uint16_t>(i));  // a 32-bit index; slots end at 1599
        AppendU16(file, 0);
        AppendU16(file, static_cast<std::uint16_t>(note.size()));
        file.insert(file.end(), note.begin(), note.end());
    }
    out.OutputLine(Messages::Text("保存注释完成"));
}

void LadFile::ExpandBoxes(LadProgram& program) {
    int i = 0;
    while (i < program.LineCount()) {
        const int f = FirstBoxColumn(program.Line(i));
        if (f < 0 || !FuncInstrTable::IsTwoLineListed(program.Cell(f, i).code)) {
            ++i;
            continue;
        }
        // The second line of a box whose first line was not seen: pass it over.
        if (Element::BoxRow(program.Cell(f, i).code) != 0) {
            ++i;
            continue;
        }
        i += ExpandBoxAt(program, i, f);
    }
}

bool LadFile::MakeOldLayoutCopy(const LadProgram& program, LadProgram& copy, MessageChannel& out,
                                MessageBoxHost& box) {
    copy.Clear();
    copy.end1Line = program.end1Line;
    copy.stepCountWord = program.stepCountWord;
    copy.end1Step = program.end1Step;
    for (int i = 0; i < program.LineCount(); ++i) {
        copy.AppendLine(program.Line(i), program.Note(i));
    }
    int i = 0;
    while (i < copy.LineCount()) {
        const int f = FirstBoxColumn(copy.Line(i));
        const std::uint16_t code = f < 0 ? 0 : copy.Cell(f, i).code;
        if (f >= 0 && FuncInstrTable::IsNewGenerationOnly(code)) {
            box.ShowMessage(Messages::Text("存在不支持的功能指令!"));
            out.OutputLine(Messages::Text("无法输出梯形图文件!"));
            return false;
        }
        if (f >= 0 && FuncInstrTable::IsTwoLineListed(code) && Element::BoxRow(code) >= 1) {
            copy.DeleteLines(i, 1);  // the line moving into its place is examined next
            continue;
        }
        ++i;
    }
    return true;
}

std::string LadFile::CurrentSaveDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M", &local);
    return buffer;
}

}  // namespace rungpad
