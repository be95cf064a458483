#include "model/FuncInstrTable.h"

#include <stdexcept>

namespace rungpad {

namespace {

constexpr std::uint16_t CatalogueCode(int index) {
    return static_cast<std::uint16_t>(0x1000 + 0x100 * (index % 10) + 0x1000 * (index / 10));
}

constexpr std::string_view kFormat = "格式指定";
constexpr std::string_view kEorLabels[] = {"格式指定", "地址A", "常数或地址B", "地址C"};

using L = std::array<std::string_view, 5>;

// clang-format off
constexpr std::array<FuncInstr, FuncInstrTable::kCount> kTable{{
    // index, name, code, labels, W, H, In, takes input, drives output, number pool, its parameter
    {0, "CTR", CatalogueCode(0), L{"计数器号"}, 2, 4, 4, true, true, NumberPool::kCounter, 1},
    {1, "ROT", CatalogueCode(1), L{"转台定位地址", "当前位置地址", "目标位置地址", "结果输出地址"}, 5, 5, 5, true, true},
    {2, "COMP", CatalogueCode(2), L{"指定格式", "输入数据地址", "比较数据地址"}, 4, 2, 1, true, true},
    {3, "MOVN", CatalogueCode(3), L{"传送字节数", "传送源地址", "传送目的地址"}, 4, 2, 1, true, true},
    {4, "CALL", CatalogueCode(4), L{"子程序号"}, 2, 1, 1, true, false},
    {5, "SP", CatalogueCode(5), L{"子程序号"}, 2, 1, 1, false, false, NumberPool::kSubprogram, 1},
    {6, "SPE", CatalogueCode(6), L{}, 1, 1, 1, false, false},
    {7, "DSCH", CatalogueCode(7), L{kFormat, "数据表容量存储地址", "数据表头地址", "检索地址", "结果输出地址"}, 6, 3, 3, true, true},
    {8, "COIN", CatalogueCode(8), L{kFormat, "输入值", "比较值地址"}, 4, 2, 1, true, true},
    {9, "TMR", CatalogueCode(9), L{"定时器号"}, 2, 2, 1, true, true, NumberPool::kTimer, 1},
    {10, "ADD", CatalogueCode(10), L{kFormat, "被加数地址", "加数地址或常数", "结果输出地址"}, 5, 2, 2, true, true},
    {11, "SUB", CatalogueCode(11), L{kFormat, "被减数地址", "减数地址或常数", "结果输出地址"}, 5, 2, 2, true, true},
    {12, "XMOV", CatalogueCode(12), L{kFormat, "数据表容量存储地址", "数据表头地址", "输入输出数据地址", "表内号存储地址"}, 6, 3, 3, true, true},
    {13, "END1", 0x7100, L{}, 1, 1, 1, false, false},
    {14, "END2", 0x7200, L{}, 1, 1, 1, false, false},
    {15, "DEC", CatalogueCode(15), L{kFormat, "代码数据地址", "译码数据地址", "译码结果地址"}, 5, 2, 1, true, false},
    {16, "COD", CatalogueCode(16), L{kFormat, "转换表数据容量", "转换输入数据地址", "转换输出数据地址"}, 5, 2, 2, true, true},
    {17, "DIFU", CatalogueCode(17), L{"上升沿号"}, 2, 1, 1, true, true, NumberPool::kEdge, 1},
    {18, "DIFD", CatalogueCode(18), L{"下降沿号"}, 2, 1, 1, true, true, NumberPool::kEdge, 1},
    {19, "EOR", CatalogueCode(19), L{kEorLabels[0], kEorLabels[1], kEorLabels[2], kEorLabels[3]}, 5, 2, 1, true, false},
    {20, "ANDF", CatalogueCode(20), L{kEorLabels[0], kEorLabels[1], kEorLabels[2], kEorLabels[3]}, 5, 2, 1, true, false},
    {21, "ORF", CatalogueCode(21), L{kEorLabels[0], kEorLabels[1], kEorLabels[2], kEorLabels[3]}, 5, 2, 1, true, false},
    {22, "NOT", CatalogueCode(22), L{kFormat, "地址A", "地址B"}, 4, 2, 1, true, false},
    {23, "JMPB", CatalogueCode(23), L{"目的标号"}, 2, 1, 1, true, false},
    {24, "LBL", CatalogueCode(24), L{"标号"}, 2, 1, 1, false, false, NumberPool::kLabel, 1},
    {25, "RST", CatalogueCode(25), L{"复位地址"}, 2, 1, 1, true, false},
    {26, "SET", CatalogueCode(26), L{"置位地址"}, 2, 1, 1, true, false},
    {27, "SFT", CatalogueCode(27), L{"移位数据地址", kFormat}, 3, 4, 4, true, true},
    {28, "COM", CatalogueCode(28), L{}, 1, 1, 1, true, false},
    {29, "COME", CatalogueCode(29), L{}, 1, 1, 1, false, false},
    {30, "CODT", CatalogueCode(30), L{"转换表数据", "转换表数据", "转换表数据", "转换表数据", "转换表数据"}, 10, 0, 0, false, false},
    {31, "TMRB", CatalogueCode(31), L{"定时器精度", "定时器号", "设定值"}, 4, 2, 1, true, true, NumberPool::kTmrbTimer, 2},
    {32, "TMRC", CatalogueCode(32), L{"定时器精度", "定时器号"}, 3, 2, 1, true, true, NumberPool::kTimer, 2},
    {33, "CALLU", CatalogueCode(33), L{"子程序号"}, 2, 1, 1, false, false},
    {34, "MOVB", CatalogueCode(34), L{"传送源地址", "传送目的地址"}, 3, 2, 1, true, true},
    {35, "MOVW", CatalogueCode(35), L{"传送源地址", "传送目的地址"}, 3, 2, 1, true, true},
    {36, "AXCTL", CatalogueCode(36), L{"信号的组号", "轴控制数据地区"}, 3, 2, 2, true, true},
}};
// clang-format on

constexpr int KindOf(std::uint16_t code) {
    return code >> 8;
}

// Catalogue index by the high byte of a code (-1: no instruction), so the converter's many
// look-ups of box cells do not walk the table.
constexpr std::array<std::int8_t, 256> kIndexByKind = [] {
    std::array<std::int8_t, 256> index{};
    index.fill(-1);
    for (const FuncInstr& f : kTable) {
        if (index[static_cast<std::size_t>(KindOf(f.code))] < 0) {
            index[static_cast<std::size_t>(KindOf(f.code))] = static_cast<std::int8_t>(f.index);
        }
    }
    return index;
}();

}  // namespace

const FuncInstr& FuncInstrTable::At(int index) {
    if (index < 0 || index >= kCount) {
        throw std::out_of_range("function instruction index out of range");
    }
    return kTable[static_cast<std::size_t>(index)];
}

const std::array<FuncInstr, FuncInstrTable::kCount>& FuncInstrTable::All() {
    return kTable;
}

const FuncInstr* FuncInstrTable::FindFunctionCode(std::uint16_t code) {
    if (code < 0x1000) {
        return nullptr;
    }
    const int index = kIndexByKind[static_cast<std::size_t>(KindOf(code))];
    return index < 0 ? nullptr : &kTable[static_cast<std::size_t>(index)];
}

const FuncInstr* FuncInstrTable::FindByName(std::string_view name) {
    for (const FuncInstr& f : kTable) {
        if (f.name == name) {
            return &f;
        }
    }
    return nullptr;
}

std::string_view FuncInstrTable::NameOf(std::uint16_t code) {
    const FuncInstr* f = FindFunctionCode(code);
    return f ? f->name : std::string_view{};
}

bool FuncInstrTable::BoxSize(std::uint16_t code, int& width, int& height) {
    const FuncInstr* f = FindFunctionCode(code);
    if (!f) {
        return false;
    }
    width = f->width;
    height = f->height;
    return true;
}

bool FuncInstrTable::InputRows(std::uint16_t code, int& rows) {
    const FuncInstr* f = FindFunctionCode(code);
    if (!f) {
        return false;
    }
    rows = f->inputRows;
    return true;
}

bool FuncInstrTable::TakesInput(std::uint16_t code) {
    const FuncInstr* f = FindFunctionCode(code);
    return f && f->takesInput;
}

bool FuncInstrTable::DrivesOutput(std::uint16_t code) {
    const FuncInstr* f = FindFunctionCode(code);
    return f && f->drivesOutput;
}

NumberPool FuncInstrTable::PoolOf(std::uint16_t code) {
    const FuncInstr* f = FindFunctionCode(code);
    return f ? f->pool : NumberPool::kNone;
}

int FuncInstrTable::PoolSize(NumberPool pool) {
    switch (pool) {
        case NumberPool::kCounter:
        case NumberPool::kTimer:
        case NumberPool::kTmrbTimer:
            return 128;
        case NumberPool::kLabel:
        case NumberPool::kSubprogram:
            return 100;
        case NumberPool::kEdge:
            return 256;
        case NumberPool::kNone:
            break;
    }
    return 0;
}

bool FuncInstrTable::IsNumberParameter(std::uint16_t code) {
    const FuncInstr* f = FindFunctionCode(code);
    return f && f->numberParameter != 0 && (code & 0xFF) == f->numberParameter;
}

bool FuncInstrTable::IsTwoLineListed(std::uint16_t code) {
    switch (KindOf(code)) {
        case 0x12:
        case 0x13:
        case 0x18:
        case 0x19:
        case 0x25:
        case 0x29:  // COMP MOVN COIN TMR DEC EOR
        case 0x30:
        case 0x31:
        case 0x32:  // ANDF ORF NOT
        case 0x41:
        case 0x42:
        case 0x44:
        case 0x45:  // TMRB TMRC MOVB MOVW
            return true;
        default:
            return false;
    }
}

bool FuncInstrTable::IsNewGenerationOnly(std::uint16_t code) {
    switch (KindOf(code)) {
        case 0x41:
        case 0x42:
        case 0x43:
        case 0x44:
        case 0x45:  // TMRB TMRC CALLU MOVB MOVW
            return true;
        default:
            return false;
    }
}

}  // namespace rungpad
