#include <gtest/gtest.h>

#include <filesystem>

#include "DocumentFixture.h"
#include "document/RungpadDoc.h"

namespace rungpad {
namespace {

using test::DocumentFixture;
using test::TempDir;
using Strings = std::vector<std::string>;
using Command = bool (CRungpadDoc::*)();

const Strings kEndLines = {"- - - - [END1] - - -", "- - - - [END2] - - -"};

class OutputCommands : public DocumentFixture {
  protected:
    // The good program, converted, with the recorder emptied.
    void Converted() {
        UseGoodProgram();
        ASSERT_TRUE(doc.ConvertProgram());
        rec.Reset();
    }
    bool Run(Command command, const std::string& path) {
        host.saveAnswers.push_back(path);
        return (doc.*command)();
    }
};

struct FileCommand {
    const char* name;
    Command command;
    friend void PrintTo(const FileCommand& c, std::ostream* os) { *os << c.name; }
};

const std::vector<FileCommand> kFileCommands = {
    {"Binary", &CRungpadDoc::OnGenerateBinaryFile},
    {"LadderGenerated", &CRungpadDoc::OnLadderGeneratedFile},
    {"OldLadder", &CRungpadDoc::OnGenerateOldLadderFile},
    {"InstructionList", &CRungpadDoc::OnGenerateInstructionList},
};

class EachFileCommand : public OutputCommands, public ::testing::WithParamInterface<FileCommand> {};

TEST_P(EachFileCommand, RefusesANeverConvertedDocumentBeforeAnyDialog) {
    UseGoodProgram();
    EXPECT_FALSE(Run(GetParam().command, dir.File("out")));
    EXPECT_EQ(Events(), Strings{"box:梯形图未转换!"});
    EXPECT_FALSE(std::filesystem::exists(dir.File("out")));
}

TEST_P(EachFileCommand, RefusesAfterAConvertWithErrors) {
    Converted();
    doc.Program().Cell(7, 0).Reset();
    EXPECT_FALSE(doc.ConvertProgram());
    rec.Reset();
    EXPECT_FALSE(Run(GetParam().command, dir.File("out")));
    EXPECT_EQ(Events(), Strings{"box:梯形图未转换!"});
}

TEST_P(EachFileCommand, ACancelledChooserWritesNothing) {
    Converted();
    host.saveAnswers.push_back(std::nullopt);
    EXPECT_FALSE((doc.*GetParam().command)());
    EXPECT_TRUE(rec.Lines().empty());
    EXPECT_TRUE(rec.Boxes().empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST_P(EachFileCommand, AFailedWriteKeepsTheOldFileAndSaysSo) {
    Converted();
    const std::string path = dir.Write("old.out", "previous");
    doc.SetFileWriter([](const std::string&, std::span<const std::uint8_t>, std::string& error) {
        error = "No space left on device";
        return false;
    });
    EXPECT_FALSE(Run(GetParam().command, path));
    EXPECT_EQ(TempDir::Read(path), "previous");
    EXPECT_EQ(rec.Boxes(), Strings{"保存文件失败!"});
    EXPECT_EQ(rec.Lines().back(), "保存文件失败!");
}

TEST_P(EachFileCommand, AnUnwritableDirectoryFailsCleanly) {
    Converted();
    EXPECT_FALSE(Run(GetParam().command, dir.File("no/such/dir/out")));
    EXPECT_EQ(rec.Boxes(), Strings{"保存文件失败!"});
}

INSTANTIATE_TEST_SUITE_P(Commands, EachFileCommand, ::testing::ValuesIn(kFileCommands),
                         [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(OutputCommands, BinaryFileHoldsTheStepRecords) {
    Converted();
    const std::string path = dir.File("Ladbin.dat");
    ASSERT_TRUE(Run(&CRungpadDoc::OnGenerateBinaryFile, path));
    ASSERT_EQ(host.saveRequests.size(), 1u);
    EXPECT_EQ(host.saveRequests[0].defaultExtension, "dat");
    EXPECT_EQ(host.saveRequests[0].filter, "梯图二进制文件 (*.dat)|*.dat||");
    EXPECT_EQ(Events(), (Strings{"save:Ladbin.dat", "text:正在保存文件...", "line:保存文件成功!"}));
    std::vector<std::uint8_t> image;
    ASSERT_TRUE(doc.Converter().BinaryImage(image));
    EXPECT_EQ(TempDir::ReadBytes(path), image);
    EXPECT_EQ(image.size(), 8u * static_cast<std::size_t>(doc.Converter().StepCount()));
}

TEST_F(OutputCommands, InstructionListIsTheConvertersListFile) {
    Converted();
    doc.State().SetPathName("/work/press.plf");
    const std::string path = dir.File("press.txt");
    ASSERT_TRUE(Run(&CRungpadDoc::OnGenerateInstructionList, path));
    EXPECT_EQ(host.saveRequests[0].proposedName, "/work/press.txt");
    EXPECT_EQ(host.saveRequests[0].defaultExtension, "txt");
    EXPECT_EQ(host.saveRequests[0].filter, "指令表文件 (*.txt)|*.txt||");
    EXPECT_EQ(Events(), (Strings{"save:/work/press.txt", "clear:", "line:正在保存文件......",
                                 "line:保存文件成功!"}));
    EXPECT_EQ(TempDir::Read(path), doc.Converter().WriteListFile());
}

TEST_F(OutputCommands, AnUnsavedDocumentProposesJustTheExtension) {
    Converted();
    ASSERT_TRUE(Run(&CRungpadDoc::OnGenerateInstructionList, dir.File("a.txt")));
    ASSERT_TRUE(Run(&CRungpadDoc::OnLadderGeneratedFile, dir.File("a.grp")));
    EXPECT_EQ(host.saveRequests[0].proposedName, ".txt");
    EXPECT_EQ(host.saveRequests[1].proposedName, ".grp");
}

TEST_F(OutputCommands, LadderGeneratedFileIsTheDocumentsSaveWithoutTrailer) {
    Converted();
    doc.Program().Note(0).Assign("start");
    const std::string own = dir.File("press.plf");
    ASSERT_TRUE(doc.OnSaveDocument(own));
    ASSERT_TRUE(doc.ConvertProgram());
    rec.Reset();
    const std::string path = dir.File("press.grp");
    ASSERT_TRUE(Run(&CRungpadDoc::OnLadderGeneratedFile, path));
    EXPECT_EQ(host.saveRequests.back().proposedName, dir.File("press.grp"));
    EXPECT_EQ(host.saveRequests.back().filter, "梯形图文件 (*.grp)|*.grp||");
    EXPECT_EQ(Events(), (Strings{"info:", "save:" + dir.File("press.grp"),
                                 "clear:", "line:正在保存文件......", "line:文件保存完成.",
                                 "line:保存文件成功!"}));
    // Same bytes except the save date (header bytes 83 to 107) and the trailer.
    std::string generated = TempDir::Read(path);
    std::string saved = TempDir::Read(own);
    const std::size_t plain = LadFile::kHeaderSize + LadFile::kLineSize * 5;
    ASSERT_EQ(generated.size(), plain);
    ASSERT_GT(saved.size(), plain);
    saved.resize(plain);
    generated.replace(83, 25, 25, '\0');
    saved.replace(83, 25, 25, '\0');
    EXPECT_EQ(generated, saved);
    // The document itself is untouched.
    EXPECT_EQ(doc.State().PathName(), own);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(OutputCommands, CancellingTheInformationDialogStillAsksForTheFile) {
    Converted();
    host.infoAnswer.reset();
    EXPECT_FALSE(doc.OnLadderGeneratedFile());
    EXPECT_EQ(Events(), (Strings{"info:", "save:.grp"}));
}

TEST_F(OutputCommands, TheInformationDialogTakesEffectBeforeTheFileIsChosen) {
    Converted();
    host.infoAnswer = LadInfoFields{"V9", "", ""};
    host.saveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(doc.OnGenerateOldLadderFile());
    EXPECT_EQ(doc.Header().version.View(), "V9");
}

TEST_F(OutputCommands, OldLadderFileHasOneLineBoxes) {
    Converted();
    const std::string path = dir.File("old.grp");
    ASSERT_TRUE(Run(&CRungpadDoc::OnGenerateOldLadderFile, path));
    // The TMR box loses its second line.
    EXPECT_EQ(TempDir::Read(path).size(), LadFile::kHeaderSize + LadFile::kLineSize * 4);
    EXPECT_EQ(doc.OldLayoutCopy().LineCount(), 4);
    EXPECT_EQ(doc.Program().LineCount(), 5);
    EXPECT_EQ(rec.Lines().back(), "保存文件成功!");
    // Reading it back restores the current program.
    const LadProgram current = doc.Program();
    ASSERT_TRUE(doc.OnOpenDocument(path));
    for (int i = 0; i < current.LineCount(); ++i) {
        for (int c = 0; c < LadLine::kColumns; ++c) {
            EXPECT_EQ(doc.Program().Cell(c, i).code, current.Cell(c, i).code) << c << "," << i;
        }
    }
}

TEST_F(OutputCommands, OldLadderFileRefusesNewInstructionsAndLeavesTheFileAlone) {
    Strings grid = {"X000.1 [TMRB:1:0007:1000] - - (R000.1)", ". # # # #"};
    grid.insert(grid.end(), kEndLines.begin(), kEndLines.end());
    UseGrid(grid);
    doc.SetConverted(true);
    const std::string kept = dir.Write("kept.grp", "previous");
    EXPECT_FALSE(Run(&CRungpadDoc::OnGenerateOldLadderFile, kept));
    EXPECT_EQ(Events(), (Strings{"info:", "save:.grp", "box:存在不支持的功能指令!",
                                 "line:无法输出梯形图文件!", "line:梯形图文件输出失败!"}));
    EXPECT_EQ(TempDir::Read(kept), "previous");
    // A new name is not even created.
    EXPECT_FALSE(Run(&CRungpadDoc::OnGenerateOldLadderFile, dir.File("new.grp")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("new.grp")));
}

TEST_F(OutputCommands, ASaveWhoseConversionFailedBlocksTheConverterOutputs) {
    Converted();
    doc.Program().Cell(7, 0).Reset();
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("broken.plf")));
    ASSERT_TRUE(doc.IsConverted());
    rec.Reset();
    EXPECT_FALSE(Run(&CRungpadDoc::OnGenerateBinaryFile, dir.File("Ladbin.dat")));
    EXPECT_FALSE(Run(&CRungpadDoc::OnGenerateInstructionList, dir.File("list.txt")));
    EXPECT_EQ(rec.Boxes(), (Strings{"梯形图未转换!", "梯形图未转换!"}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Ladbin.dat")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("list.txt")));
    // The ladder files write the program, not the converter's results: they go ahead.
    EXPECT_TRUE(Run(&CRungpadDoc::OnLadderGeneratedFile, dir.File("broken.grp")));
    // Repairing and saving again makes the results whole.
    doc.Program().Cell(7, 0).code = Element::kCoil;
    doc.Program().Cell(7, 0).SetText("Y000.0");
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("fixed.plf")));
    EXPECT_TRUE(Run(&CRungpadDoc::OnGenerateBinaryFile, dir.File("Ladbin.dat")));
}

// --- notes --------------------------------------------------------------------------------

TEST_F(OutputCommands, ExportOfNoNotesWritesTheFrame) {
    const std::string path = dir.File("LadChi01.txt");
    ASSERT_TRUE(Run(&CRungpadDoc::OnExportNote, path));
    EXPECT_EQ(TempDir::Read(path), "%\r\nend\r\n");
    EXPECT_EQ(host.saveRequests[0].defaultExtension, "txt");
    EXPECT_EQ(host.saveRequests[0].filter, "文本文件 (*.txt)|*.txt||");
    EXPECT_EQ(Events(), (Strings{"save:LadChi01.txt", "text:正在保存注释...", "line:保存完成!"}));
    EXPECT_FALSE(doc.NoteExportMode());
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(OutputCommands, ExportWritesBitNotesAndImportReadsItBackUnchanged) {
    *doc.Notes().FindBitNote("R511.7") = "Alarm";
    *doc.Notes().FindBitNote("X001.2") = "\xc6\xf4\xb6\xaf";
    const AddressNotes before = doc.Notes();
    const std::string path = dir.File("notes.txt");
    ASSERT_TRUE(Run(&CRungpadDoc::OnExportNote, path));
    EXPECT_EQ(TempDir::Read(path), "%\r\nX0012     \xc6\xf4\xb6\xaf\r\nR5117     Alarm\r\nend\r\n");
    rec.Reset();
    host.openAnswers.push_back(path);
    ASSERT_TRUE(doc.OnImportNote());
    EXPECT_EQ(doc.Notes(), before);
    EXPECT_EQ(Events(), (Strings{"open:文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||",
                                 "text:正在载入注释...", "line:载入成功!"}));
}

TEST_F(OutputCommands, ImportReadsAnAddressNoteFile) {
    host.openAnswers.push_back(dir.Write("plc.MEA", "X0013 Motor ready\nR5118 Alarm\n"));
    ASSERT_TRUE(doc.OnImportNote());
    EXPECT_EQ(*doc.Notes().FindBitNote("X001.2"), "Motor ready");
    EXPECT_EQ(*doc.Notes().FindBitNote("R511.7"), "Alarm");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(OutputCommands, NoteFilesThatCannotBeUsedAreReported) {
    host.openAnswers.push_back(dir.File("missing.txt"));
    EXPECT_FALSE(doc.OnImportNote());
    EXPECT_EQ(Events(), (Strings{"open:文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||",
                                 "text:正在载入注释...", "box:打开文件失败!"}));
    rec.Reset();
    EXPECT_FALSE(Run(&CRungpadDoc::OnExportNote, dir.File("no/such/dir/n.txt")));
    EXPECT_EQ(rec.Boxes(), Strings{"打开文件失败!"});
    EXPECT_FALSE(doc.NoteExportMode());
    // Cancelled choosers do nothing.
    rec.Reset();
    EXPECT_FALSE(doc.OnImportNote());
    EXPECT_FALSE(doc.OnExportNote());
    EXPECT_EQ(rec.Texts("text"), Strings{});
}

}  // namespace
}  // namespace rungpad
