// Every output of the converter and the ladder writer, for every fixture and a few hundred
// generated programs, against a stored digest: a restructuring of the converter must leave the
// instruction list, the window text, the binary image, the error list and the ladder file bytes
// unchanged. Run with RUNGPAD_UPDATE_FIXTURES=1 to rewrite the digest after a reviewed change of
// behaviour; the failure message names each program whose outputs differ.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "GridBuilder.h"
#include "RecordingHost.h"
#include "convert/LadConvert.h"
#include "model/FileIo.h"
#include "model/FuncInstrTable.h"
#include "model/LadFile.h"

namespace rungpad {
namespace {

const std::string kDigestFile = std::string(RUNGPAD_FIXTURES) + "/golden/outputs.txt";

// FNV-1a, 64 bits: stable across builds and machines.
class Digest {
  public:
    void Add(std::string_view bytes) {
        for (const char c : bytes) {
            Byte(static_cast<std::uint8_t>(c));
        }
        Byte(0xFF);
    }
    void Add(const std::vector<std::uint8_t>& bytes) {
        for (const std::uint8_t b : bytes) {
            Byte(b);
        }
        Byte(0xFF);
    }
    std::string Hex() const {
        char text[24];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(m_hash));
        return text;
    }

  private:
    void Byte(std::uint8_t b) {
        m_hash ^= b;
        m_hash *= 0x100000001B3ULL;
    }
    std::uint64_t m_hash = 0xCBF29CE484222325ULL;
};

std::vector<std::uint8_t> LadderBytes(const LadProgram& program) {
    test::RecordingHost host;
    LadHeaderTexts header;
    header.version.Assign("1.0");
    std::vector<std::uint8_t> bytes;
    LadFile::SaveLadder(bytes, program, header, "2026-01-01 00:00", host);
    return bytes;
}

// One line of the digest: the program's name, the conversion result, the error list in full and
// the digests of the texts (as stored, as shown, as written), the image and the ladder file.
std::string DigestLine(const std::string& name, LadProgram program) {
    const std::vector<std::uint8_t> ladder = LadderBytes(program);
    test::RecordingHost host;
    LadProgram old;
    const bool hasOld = LadFile::MakeOldLayoutCopy(program, old, host, host);
    const std::vector<std::uint8_t> oldLadder =
        hasOld ? LadderBytes(old) : std::vector<std::uint8_t>{};
    CLadConvert convert(&program);
    const int result = convert.Convert();
    std::ostringstream line;
    line << name << " result=" << result << " texts=" << convert.TextCount()
         << " steps=" << convert.StepCount() << " data=" << convert.DataWordCount() << " errors=";
    for (int i = 0; i < convert.ErrorCount(); ++i) {
        const ConvertError& e = convert.ErrorAt(i);
        line << (i ? "," : "") << int{e.kind} << ':' << e.code << '@' << e.line;
    }
    Digest texts;
    for (int i = 0; i < convert.TextCount(); ++i) {
        texts.Add(convert.TextAt(i));
    }
    Digest window;
    window.Add(convert.RenderWindow());
    window.Add(convert.WriteListFile());
    window.Add(convert.FormatLastError());
    Digest image;
    std::vector<std::uint8_t> bytes;
    image.Add(convert.BinaryImage(bytes) ? "written" : "refused");
    image.Add(bytes);
    for (int i = 0; i < convert.StepCount(); ++i) {
        const auto record = convert.StepAt(i).Bytes();
        image.Add(std::vector<std::uint8_t>(record.begin(), record.end()));
    }
    Digest file;
    file.Add(ladder);
    file.Add(oldLadder);
    line << " list=" << texts.Hex() << " shown=" << window.Hex() << " image=" << image.Hex()
         << " ladder=" << file.Hex() << " end1=" << program.end1Line;
    return line.str();
}

// --- generated programs -------------------------------------------------------------------------

class ProgramGenerator {
  public:
    explicit ProgramGenerator(std::uint32_t seed) : m_rng(seed) {}

    std::vector<std::string> Program() {
        std::vector<std::string> grid;
        AppendNetworks(grid, Below(6) + 1);
        if (Below(40) > 0) {
            grid.push_back("- - - - [END1] - - -");
        }
        AppendNetworks(grid, Below(4));
        if (Below(40) > 0) {
            grid.push_back("- - - - [END2] - - -");
        }
        for (int sp = 1; sp <= Below(3); ++sp) {
            grid.push_back("- - - - [SP:" + Number(sp + Below(2)) + "] - -");
            AppendNetworks(grid, Below(3) + 1);
            grid.push_back("- - - - [SPE] - - -");
        }
        return grid;
    }

  private:
    int Below(int n) { return static_cast<int>(m_rng() % static_cast<std::uint32_t>(n)); }
    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

    static std::string Number(int n) {
        char text[8];
        std::snprintf(text, sizeof text, "%04d", n);
        return text;
    }
    std::string Bit(const char* letters) {
        char text[16];
        const std::string_view set(letters);
        std::snprintf(text, sizeof text, "%c%03d.%d",
                      set[static_cast<std::size_t>(Below(static_cast<int>(set.size())))], Below(4),
                      Below(8));
        return text;
    }
    std::string Contact() {
        switch (Below(12)) {
            case 0:
                return "-";
            case 1:
                return "/" + Bit("XYRGF");
            default:
                return Bit("XYRGFK");
        }
    }
    // Mostly a new output address; now and then one used before or one no coil may have.
    std::string Coil() {
        std::string address = Below(30) == 0 ? Bit("XYRG") : NextOutput();
        return Below(12) == 0 ? "(/" + address + ")" : "(" + address + ")";
    }
    std::string NextOutput() {
        char text[16];
        const int n = m_outputs++;
        if (n % 3 == 0) {
            std::snprintf(text, sizeof text, "Y%03d.%d", (n / 24) % 48, (n / 3) % 8);
        } else {
            std::snprintf(text, sizeof text, "R%03d.%d", 100 + (n / 8) % 150, n % 8);
        }
        return text;
    }
    // A parameter for a label: what an editor would accept most of the time, anything now and
    // then.
    std::string Parameter(std::string_view label) {
        static const std::vector<std::string> kAny = {"0001",   "0002", "1",    "2",    "4",
                                                      "R100",   "R102", "D020", "R012", "0010",
                                                      "R100.1", "X001", "9999", ""};
        if (Below(15) == 0) {
            return Pick(kAny);
        }
        if (label.find("号") != std::string_view::npos &&
            label.find("地址") == std::string_view::npos) {
            return Number(Below(6) + 1);
        }
        if (label == "格式指定" || label == "指定格式" || label == "定时器精度" ||
            label == "信号的组号" || label == "传送字节数") {
            return Below(2) ? std::to_string(1 << Below(3)) : Number(1 << Below(3));
        }
        if (label.find("常数") != std::string_view::npos || label == "设定值" ||
            label == "转换表数据容量" || label == "输入值") {
            return Below(2) ? Number(Below(50) + 1) : "R1" + std::to_string(10 + Below(20));
        }
        static const std::vector<std::string> kAddresses = {"R100", "R102", "D020", "D010",
                                                            "R012", "R010", "Y002", "R104.2"};
        return Pick(kAddresses);
    }

    void AppendNetworks(std::vector<std::string>& grid, int count) {
        for (int n = 0; n < count; ++n) {
            std::vector<std::string> network = Below(3) == 0 ? BoxNetwork() : CoilNetwork();
            try {
                (void)test::GridBuilder::Build(network);
            } catch (const std::invalid_argument&) {
                continue;
            }
            grid.insert(grid.end(), network.begin(), network.end());
            if (Below(4) == 0) {
                grid.emplace_back();
            }
        }
    }

    // Contacts in series, a parallel branch or two, one or more coils in column 7; now and then
    // a shape no editor would accept.
    std::vector<std::string> CoilNetwork() {
        std::vector<std::vector<std::string>> cells(1, std::vector<std::string>(8, "-"));
        const int series = 1 + Below(6);
        for (int c = 0; c < series; ++c) {
            cells[0][static_cast<std::size_t>(c)] = Contact();
        }
        cells[0][7] = Coil();
        for (int branch = Below(3); branch > 0; --branch) {
            const int a = Below(series);
            const int b = a + Below(series - a);
            std::vector<std::string> row(8, ".");
            for (int c = a; c <= b; ++c) {
                row[static_cast<std::size_t>(c)] = Below(4) ? Bit("XYR") : Contact();
            }
            std::vector<std::string>& above = cells.back();
            above[static_cast<std::size_t>(b)] += "|";
            if (a > 0) {
                above[static_cast<std::size_t>(a - 1)] += "|";
            }
            cells.push_back(row);
            if (Below(3) > 0) {
                break;
            }
        }
        if (Below(5) == 0) {
            cells[0][6] += "|";
            std::vector<std::string> row(8, ".");
            row[7] = Coil();
            cells.push_back(row);
        }
        if (Below(10) == 0) {
            std::vector<std::string>& row =
                cells[static_cast<std::size_t>(Below(static_cast<int>(cells.size())))];
            row[static_cast<std::size_t>(Below(8))] = Below(2) ? "-|" : Contact() + "|";
        }
        std::vector<std::string> lines;
        for (const auto& row : cells) {
            std::string line;
            for (const std::string& token : row) {
                line += token + " ";
            }
            lines.push_back(line);
        }
        return lines;
    }

    // A function box with its input rows, its parameters and its coil or line to the right.
    std::vector<std::string> BoxNetwork() {
        static const std::vector<int> kBoxes = {
            FuncInstrTable::kCTR,  FuncInstrTable::kROT,   FuncInstrTable::kCOMP,
            FuncInstrTable::kMOVN, FuncInstrTable::kCALL,  FuncInstrTable::kDSCH,
            FuncInstrTable::kCOIN, FuncInstrTable::kTMR,   FuncInstrTable::kADD,
            FuncInstrTable::kSUB,  FuncInstrTable::kXMOV,  FuncInstrTable::kDEC,
            FuncInstrTable::kCOD,  FuncInstrTable::kDIFU,  FuncInstrTable::kDIFD,
            FuncInstrTable::kEOR,  FuncInstrTable::kANDF,  FuncInstrTable::kORF,
            FuncInstrTable::kNOT,  FuncInstrTable::kJMPB,  FuncInstrTable::kLBL,
            FuncInstrTable::kRST,  FuncInstrTable::kSET,   FuncInstrTable::kSFT,
            FuncInstrTable::kCOM,  FuncInstrTable::kCOME,  FuncInstrTable::kTMRB,
            FuncInstrTable::kTMRC, FuncInstrTable::kCALLU, FuncInstrTable::kMOVB,
            FuncInstrTable::kMOVW, FuncInstrTable::kAXCTL};
        const FuncInstr& f = FuncInstrTable::At(Pick(kBoxes));
        const int room = 7 - f.width;
        const int column =
            f.takesInput ? 1 + Below(std::max(1, room)) : Below(std::max(1, room + 1));
        std::vector<std::string> lines;
        for (int r = 0; r < f.height; ++r) {
            std::string line;
            for (int c = 0; c < column; ++c) {
                line += (f.takesInput && r < f.inputRows) ? (r == 0 ? Contact() : Bit("XR"))
                                                          : std::string(".");
                line += " ";
            }
            if (r == 0) {
                line += "[" + std::string(f.name);
                for (int p = 0; p < f.ParameterCount(); ++p) {
                    line += ":" + Parameter(f.labels[static_cast<std::size_t>(p)]);
                }
                line += "]";
                for (int c = column + f.width; c < 7; ++c) {
                    line += " -";
                }
                line += f.drivesOutput ? " " + Coil() : " -";
            } else {
                for (int c = 0; c < f.width; ++c) {
                    line += c ? " #" : "#";
                }
            }
            lines.push_back(line);
        }
        if (f.index == FuncInstrTable::kCOD && Below(4) > 0) {
            std::string codt = "CODT";
            for (int i = 0; i < 1 + Below(8); ++i) {
                codt += " " + Number(Below(100));
            }
            lines.push_back(codt);
        }
        return lines;
    }

    std::mt19937 m_rng;
    int m_outputs = 0;
};

// Cells of any code and text, as damaged files hold them.
LadProgram RandomCells(std::mt19937& rng) {
    static const std::vector<std::uint16_t> kCodes = {
        0x0000, 0x0100, 0x0200, 0x0300, 0x0400, 0x0500, 0x1000, 0x1001, 0x1900, 0x1901,
        0x2000, 0x2001, 0x2600, 0x2601, 0x3400, 0x3401, 0x3300, 0x4000, 0x4001, 0x4100,
        0x7100, 0x7200, 0x1500, 0x1600, 0x3900, 0x1700, 0x2200, 0x0600, 0xFF00};
    static const std::vector<std::string> kTexts = {"",     "X000.0", "Y000.1", "R255.0", "R100",
                                                    "0001", "0002",   "TMR",    "K005.1", "9"};
    LadProgram program;
    const int lines = 1 + static_cast<int>(rng() % 16);
    for (int i = 0; i < lines; ++i) {
        LadLine line;
        for (LadCell& cell : line.cells) {
            cell.code = kCodes[rng() % kCodes.size()];
            cell.vlink = rng() % 4 == 0 ? 1 : 0;
            cell.SetText(kTexts[rng() % kTexts.size()]);
            cell.number = static_cast<std::int16_t>(static_cast<int>(rng() % 20) - 1);
        }
        program.AppendLine(line, NoteText{});
    }
    if (rng() % 2 == 0) {
        test::GridBuilder::Append(program, {"- - - - [END1] - - -", "- - - - [END2] - - -"});
    }
    return program;
}

std::vector<std::string> AllDigestLines() {
    std::vector<std::string> lines;
    std::vector<std::filesystem::path> files;
    for (const char* dir : {RUNGPAD_FIXTURES, RUNGPAD_SOURCE_DIR "/examples"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
            if (entry.path().extension() == ".plf") {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        std::vector<std::uint8_t> bytes;
        std::string error;
        LadProgram program;
        test::RecordingHost host;
        LadHeaderTexts header;
        if (!FileIo::ReadFile(path.string(), bytes, error) ||
            !LadFile::LoadLadder(bytes, path.filename().string(), program, header, host, host)) {
            lines.push_back(path.filename().string() + " unreadable");
            continue;
        }
        lines.push_back(DigestLine(path.filename().string(), std::move(program)));
    }
    ProgramGenerator generator(20261210);
    // RUNGPAD_GOLDEN_SHOW=generated-N prints that program's grid, to look into a difference.
    const char* show = std::getenv("RUNGPAD_GOLDEN_SHOW");
    for (int i = 0; i < 1000; ++i) {
        const std::string name = "generated-" + std::to_string(i);
        const std::vector<std::string> grid = generator.Program();
        if (show != nullptr && name == show) {
            for (std::size_t n = 0; n < grid.size(); ++n) {
                std::printf("%4zu  %s\n", n + 1, grid[n].c_str());
            }
        }
        lines.push_back(DigestLine(name, test::GridBuilder::Build(grid)));
    }
    std::mt19937 rng(1210);
    for (int i = 0; i < 200; ++i) {
        lines.push_back(DigestLine("cells-" + std::to_string(i), RandomCells(rng)));
    }
    return lines;
}

TEST(GoldenOutputTest, EveryOutputMatchesTheStoredDigest) {
    const std::vector<std::string> lines = AllDigestLines();
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    std::string error;
    if (std::getenv("RUNGPAD_UPDATE_FIXTURES") != nullptr) {
        std::filesystem::create_directories(std::filesystem::path(kDigestFile).parent_path());
        ASSERT_TRUE(FileIo::WriteFileAtomically(
            kDigestFile, std::vector<std::uint8_t>(text.begin(), text.end()), error))
            << error;
    }
    std::vector<std::uint8_t> stored;
    ASSERT_TRUE(FileIo::ReadFile(kDigestFile, stored, error)) << error;
    std::istringstream in(std::string(stored.begin(), stored.end()));
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) {
        expected.push_back(line);
    }
    ASSERT_EQ(expected.size(), lines.size());
    int differing = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != expected[i] && ++differing <= 20) {
            ADD_FAILURE() << "stored:  " << expected[i] << "\nnow:     " << lines[i];
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace rungpad
