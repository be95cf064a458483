#include "analysis/ParameterAccess.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "model/CellValue.h"
#include "model/FuncInstrTable.h"
#include "model/LadLine.h"

namespace rungpad {

namespace {

struct ParameterRule {
    int index;      // catalogue index
    int parameter;  // 1-based
    XrefAccess access;
};

// Every parameter that is not read only.
constexpr std::array<ParameterRule, 18> kRules{{
    {FuncInstrTable::kROT, 4, XrefAccess::kWrite},
    {FuncInstrTable::kMOVN, 3, XrefAccess::kWrite},
    {FuncInstrTable::kDSCH, 5, XrefAccess::kWrite},
    {FuncInstrTable::kADD, 4, XrefAccess::kWrite},
    {FuncInstrTable::kSUB, 4, XrefAccess::kWrite},
    // XMOV reads or writes its table entry as an input condition decides.
    {FuncInstrTable::kXMOV, 4, XrefAccess::kReadWrite},
    {FuncInstrTable::kDEC, 4, XrefAccess::kWrite},
    {FuncInstrTable::kCOD, 4, XrefAccess::kWrite},
    {FuncInstrTable::kEOR, 4, XrefAccess::kWrite},
    {FuncInstrTable::kANDF, 4, XrefAccess::kWrite},
    {FuncInstrTable::kORF, 4, XrefAccess::kWrite},
    {FuncInstrTable::kNOT, 3, XrefAccess::kWrite},
    {FuncInstrTable::kRST, 1, XrefAccess::kWrite},
    {FuncInstrTable::kSET, 1, XrefAccess::kWrite},
    {FuncInstrTable::kSFT, 1, XrefAccess::kReadWrite},
    {FuncInstrTable::kMOVB, 2, XrefAccess::kWrite},
    {FuncInstrTable::kMOVW, 2, XrefAccess::kWrite},
    {FuncInstrTable::kAXCTL, 2, XrefAccess::kReadWrite},
}};

constexpr int kDefaultWidth = 4;
constexpr int kMaxMoveBytes = 256;

bool IsLetter(char c) {
    return std::isupper(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

XrefAccess ParameterAccess::Of(std::uint16_t function, int parameter) {
    const FuncInstr* instr = FuncInstrTable::FindFunctionCode(function);
    if (instr == nullptr) {
        return XrefAccess::kRead;
    }
    const auto rule = std::find_if(kRules.begin(), kRules.end(), [&](const ParameterRule& r) {
        return r.index == instr->index && r.parameter == parameter;
    });
    return rule == kRules.end() ? XrefAccess::kRead : rule->access;
}

int ParameterAccess::Width(std::uint16_t function, int parameter, const LadLine& boxLine,
                           int column) {
    const FuncInstr* instr = FuncInstrTable::FindFunctionCode(function);
    if (instr == nullptr) {
        return kDefaultWidth;
    }
    switch (instr->index) {
        case FuncInstrTable::kMOVB:
            return 1;
        case FuncInstrTable::kMOVW:
            return 2;
        case FuncInstrTable::kMOVN: {
            // The byte count stands in the first parameter, right of the header.
            if (parameter < 2 || column + 1 >= LadLine::kColumns) {
                return kDefaultWidth;
            }
            const int n = CellValue::Of(boxLine.Cell(column + 1)).value_or(0);
            return n >= 1 ? std::min(n, kMaxMoveBytes) : kDefaultWidth;
        }
        default:
            return kDefaultWidth;
    }
}

bool ParameterAccess::IsAddress(std::string_view text) {
    std::size_t letters = 0;
    while (letters < text.size() && IsLetter(text[letters])) {
        ++letters;
    }
    return letters >= 1 && letters <= 2 && letters < text.size() && IsDigit(text[letters]);
}

}  // namespace rungpad
