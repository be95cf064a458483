// Convert of an arbitrary program: the input bytes become line records behind a valid header (so
// every input reaches the converter), then Convert, the instruction list and the binary image.
// A second conversion of the same program must give the same result: the converter carries no
// state from one run into the next.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzChecks.h"
#include "convert/LadConvert.h"
#include "model/FuncInstrTable.h"
#include "model/HostInterfaces.h"
#include "model/LadFile.h"

using namespace rungpad;

namespace {

struct Result {
    int status = 0;
    std::vector<std::string> texts;
    std::vector<std::uint8_t> image;
    std::string report;
};

Result ConvertOnce(CLadConvert& converter) {
    Result r;
    converter.ClearErrors();
    r.status = converter.Convert();
    fuzz::Require(r.status >= -1 && r.status <= 1, "Convert returns -1, 0 or 1");
    fuzz::Require(converter.ErrorCount() <= CLadConvert::kMaxErrors, "error list capped");
    fuzz::Require(converter.TextCount() <= CLadConvert::kMaxTexts, "text list capped");
    fuzz::Require((r.status == 1) == (converter.ErrorCount() == 0), "success means no errors");
    for (int i = 0; i < converter.TextCount(); ++i) {
        r.texts.emplace_back(converter.TextAt(i));
    }
    const bool written = converter.BinaryImage(r.image);
    fuzz::Require(written == (r.status == 1), "only a complete step list is written");
    fuzz::Require(written || r.image.empty(), "a refused image is empty");
    if (written) {
        fuzz::Require(converter.StepCount() <= CLadConvert::kMaxSteps, "step list capped");
        fuzz::Require(r.image.size() >= static_cast<std::size_t>(converter.StepCount()) * 8,
                      "the image holds every step record");
    }
    r.report = converter.FormatLastError();
    converter.RenderWindow();
    converter.WriteListFile();
    return r;
}

// Raw mode: the bytes are line records behind a valid header, so every input reaches the converter.
bool LoadRaw(const std::uint8_t* data, std::size_t size, LadProgram& program) {
    const std::size_t lines = std::min<std::size_t>(size / LadFile::kLineSize + 1, 1599);
    std::vector<std::uint8_t> file(LadFile::kHeaderSize + lines * LadFile::kLineSize, 0);
    file[0] = static_cast<std::uint8_t>((lines - 1) & 0xFF);
    file[1] = static_cast<std::uint8_t>((lines - 1) >> 8);
    std::copy(data, data + std::min(size, file.size() - LadFile::kHeaderSize),
              file.begin() + LadFile::kHeaderSize);
    NullMessageChannel out;
    NullMessageBox box;
    LadHeaderTexts header;
    return LadFile::LoadLadder(file, "fuzz.plf", program, header, out, box);
}

// Structured mode: two bytes a cell make programs an editor could draw (contacts and coils with
// valid addresses, whole function boxes, links), so the fuzzer reaches deep into the translation.
void BuildStructured(const std::uint8_t* data, std::size_t size, LadProgram& program) {
    static const char* const kAddresses[] = {
        "X000.0", "X000.1", "X001.2", "Y000.0", "Y000.1", "R100.0", "R100.1", "R255.0",
        "G063.7", "K005.3", "A000.0", "F010.4", "D010",   "0001",   "C005",   "T020"};
    const std::size_t lines = std::min<std::size_t>(size / 16 + 1, 200);
    program.InsertLines(0, static_cast<int>(lines));
    for (std::size_t k = 0; k + 1 < size && k / 16 < lines; k += 2) {
        const int line = static_cast<int>(k / 16);
        const int column = static_cast<int>((k / 2) % 8);
        const std::uint8_t what = data[k];
        const std::uint8_t arg = data[k + 1];
        LadCell& cell = program.Cell(column, line);
        cell.vlink = (what & 8) ? 1 : 0;
        const char* address = kAddresses[arg % 16];
        switch (what & 7) {
            case 0:
                break;
            case 1:
                cell.code = Element::kHLine;
                break;
            case 2:
            case 3:
            case 4:
            case 5:
                cell.code = static_cast<std::uint16_t>((what & 7) << 8);
                cell.SetText(address);
                cell.number = static_cast<std::int16_t>(std::atoi(address + 1));
                break;
            case 6: {  // a whole box, clipped to the grid
                const FuncInstr& f = FuncInstrTable::At(arg % FuncInstrTable::kCount);
                for (int r = 0; r < std::max(f.height, 1) && line + r < program.LineCount(); ++r) {
                    for (int j = 0; j < f.width && column + j < 8; ++j) {
                        LadCell& c = program.Cell(column + j, line + r);
                        c.code = static_cast<std::uint16_t>(f.code + 16 * r + j);
                        c.SetText(j == 0 && r == 0 ? f.name : kAddresses[(arg + j) % 16]);
                        c.number = static_cast<std::int16_t>((arg >> 4) + j);
                    }
                }
                break;
            }
            default:  // any code at all
                cell.code = static_cast<std::uint16_t>(arg << 8 | (what & 0xF0));
                cell.SetText(address);
                break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    LadProgram program;
    if (data[0] & 1) {
        BuildStructured(data + 1, size - 1, program);
    } else {
        fuzz::Require(LoadRaw(data + 1, size - 1, program), "a well-sized file loads");
        LadFile::ExpandBoxes(program);
    }
    const LadProgram before = program;

    CLadConvert converter(&program);
    const Result first = ConvertOnce(converter);
    const Result second = ConvertOnce(converter);
    fuzz::Require(first.status == second.status && first.texts == second.texts &&
                      first.image == second.image && first.report == second.report,
                  "converting twice gives the same result");

    // Conversion may claim box numbers (a cell's number field) and sets the header words; it
    // never changes what a cell holds or draws.
    fuzz::Require(program.LineCount() == before.LineCount(), "conversion keeps the lines");
    for (int i = 0; i < program.LineCount(); ++i) {
        for (int c = 0; c < LadLine::kColumns; ++c) {
            const LadCell& now = program.Cell(c, i);
            const LadCell& was = before.Cell(c, i);
            fuzz::Require(now.code == was.code && now.text == was.text && now.vlink == was.vlink,
                          "conversion leaves codes, texts and links alone");
        }
    }
    fuzz::CheckLineTable(program);
    return 0;
}
