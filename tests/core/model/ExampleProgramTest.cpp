// The bundled example program is written by the project's own writer: this test builds it and
// checks that examples/demo.plf holds exactly those bytes, so the example never drifts from the
// format. Run with RUNGPAD_WRITE_EXAMPLE=1 to rewrite the file after changing it here.

#include <gtest/gtest.h>

#include <cstdlib>

#include "model/FileIo.h"
#include "model/FuncInstrTable.h"
#include "model/HostInterfaces.h"
#include "model/LadFile.h"
#include "model/TextCodec.h"

namespace rungpad {
namespace {

constexpr const char* kExamplePath = RUNGPAD_SOURCE_DIR "/examples/demo.plf";

class ExampleBuilder {
  public:
    ExampleBuilder() { m_program.InsertLines(0, 14); }

    ExampleBuilder& Contact(int c, int l, std::string_view address, bool closed = false) {
        return Put(c, l, closed ? Element::kNcContact : Element::kNoContact, address,
                   std::atoi(std::string(address.substr(1, 3)).c_str()));
    }
    ExampleBuilder& Coil(int l, std::string_view address) {
        return Put(7, l, Element::kCoil, address,
                   std::atoi(std::string(address.substr(1, 3)).c_str()));
    }
    ExampleBuilder& Lines(int from, int to, int l) {
        for (int c = from; c <= to; ++c) {
            Put(c, l, Element::kHLine, "", -1);
        }
        return *this;
    }
    // A box of a two-column instruction with its number parameter, and its lower lines.
    ExampleBuilder& Box(int c, int l, std::string_view name, std::string_view parameter) {
        const FuncInstr* f = FuncInstrTable::FindByName(name);
        for (int r = 0; r < f->height; ++r) {
            for (int j = 0; j < f->width; ++j) {
                Put(c + j, l + r, static_cast<std::uint16_t>(f->code + 16 * r + j), "", -1);
            }
        }
        m_program.Cell(c, l).SetText(name);
        if (!parameter.empty()) {
            Put(c + 1, l, static_cast<std::uint16_t>(f->code + 1), parameter,
                std::atoi(std::string(parameter).c_str()));
        }
        return *this;
    }
    ExampleBuilder& Link(int c, int l) {
        m_program.Cell(c, l).vlink = 1;
        return *this;
    }
    ExampleBuilder& Note(int l, std::string_view utf8) {
        m_program.Note(l).Assign(TextCodec::Utf8ToGbk(utf8));
        return *this;
    }
    LadProgram& Program() { return m_program; }

  private:
    ExampleBuilder& Put(int c, int l, std::uint16_t code, std::string_view text, int number) {
        LadCell& cell = m_program.Cell(c, l);
        cell.code = code;
        cell.SetText(text);
        cell.number = static_cast<std::int16_t>(number);
        return *this;
    }
    LadProgram m_program;
};

std::vector<std::uint8_t> ExampleBytes() {
    ExampleBuilder b;
    // Spindle start with self-hold.
    b.Contact(0, 0, "X000.0").Link(0, 0).Contact(1, 0, "X000.1", true).Lines(2, 6, 0);
    b.Coil(0, "Y000.0").Note(0, "主轴启动");
    b.Contact(0, 1, "Y000.0");
    // Lubrication delay timer.
    b.Contact(0, 2, "Y000.0").Lines(1, 4, 2).Box(5, 2, "TMR", "0001").Coil(2, "R100.0");
    b.Note(2, "润滑延时");
    b.Contact(0, 4, "R100.0").Lines(1, 6, 4).Coil(4, "Y000.1");
    // Workpiece counter: four input rows.
    b.Box(5, 5, "CTR", "0002").Coil(5, "R100.1").Note(5, "工件计数");
    for (int row = 0; row < 4; ++row) {
        const std::string address = "X000." + std::to_string(2 + row);
        b.Contact(0, 5 + row, address).Lines(1, 4, 5 + row);
    }
    b.Contact(0, 9, "R100.1").Lines(1, 6, 9).Coil(9, "Y000.2");
    b.Lines(0, 3, 10).Box(4, 10, "END1", "").Lines(5, 7, 10).Note(10, "一级程序结束");
    b.Contact(0, 11, "X001.0").Lines(1, 6, 11).Coil(11, "Y001.0").Note(11, "二级程序");
    b.Lines(0, 3, 12).Box(4, 12, "END2", "").Lines(5, 7, 12);

    LadHeaderTexts header;
    header.version.Assign("V1.0");
    header.machine.Assign(TextCodec::Utf8ToGbk("CK6140 数控车床"));
    header.modifier.Assign("Rungpad");
    std::vector<std::uint8_t> bytes;
    NullMessageChannel quiet;
    LadFile::SaveLadder(bytes, b.Program(), header, "2026-12-10 09:00", quiet);
    LadFile::WriteNoteTrailer(bytes, b.Program(), quiet);
    return bytes;
}

TEST(ExampleProgramTest, BundledExampleIsWrittenByOurWriter) {
    const std::vector<std::uint8_t> expected = ExampleBytes();
    std::string error;
    if (std::getenv("RUNGPAD_WRITE_EXAMPLE")) {
        ASSERT_TRUE(FileIo::WriteFileAtomically(kExamplePath, expected, error)) << error;
    }
    std::vector<std::uint8_t> actual;
    ASSERT_TRUE(FileIo::ReadFile(kExamplePath, actual, error)) << error;
    EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace rungpad
