#include "document/RungpadDoc.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "DocumentFixture.h"
#include "document/AddressNoteError.h"
#include "model/FileIo.h"
#include "model/Messages.h"

namespace rungpad {
namespace {

using test::DocumentFixture;
using test::TempDir;
using Strings = std::vector<std::string>;

constexpr const char* kExample = RUNGPAD_SOURCE_DIR "/examples/demo.plf";

class RungpadDocTest : public DocumentFixture {};

TEST_F(RungpadDocTest, StartsEmptyWithItsConverterBound) {
    EXPECT_FALSE(doc.IsConverted());
    EXPECT_FALSE(doc.NoteExportMode());
    EXPECT_EQ(doc.Header(), LadHeaderTexts{});
    EXPECT_EQ(doc.Program().LineCount(), 0);
    EXPECT_EQ(doc.Selection().anchor, (GridPos{0, 0}));
    EXPECT_EQ(doc.Selection().cursor, (GridPos{-1, -1}));
    EXPECT_EQ(doc.Converter().Program(), &doc.Program());
}

TEST_F(RungpadDocTest, NewDocumentHasOneEmptyLineAndANumberedTitle) {
    ASSERT_TRUE(doc.OnNewDocument(2));
    ASSERT_EQ(doc.Program().LineCount(), 1);
    EXPECT_EQ(doc.Program().Line(0), LadLine{});
    EXPECT_TRUE(doc.Program().Note(0).Empty());
    EXPECT_EQ(doc.State().Title(), "Ladder2");
    EXPECT_TRUE(doc.State().PathName().empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Converter().Program(), &doc.Program());
}

TEST_F(RungpadDocTest, OpenLoadsTheFileAndTheNoteFileBesideTheProgram) {
    dir.Write(CRungpadDoc::kNoteFileName, "X0001 First input\n");
    ASSERT_TRUE(doc.OnOpenDocument(kExample));
    EXPECT_EQ(doc.Program().LineCount(), 14);
    EXPECT_EQ(doc.State().PathName(), kExample);
    EXPECT_EQ(doc.State().Title(), "demo.plf");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(*doc.Notes().FindBitNote("X000.0"), "First input");
    EXPECT_EQ(Events(), (Strings{"clear:", "line:正在载入文件......", "line:文件载入完成!"}));
}

TEST_F(RungpadDocTest, OpenWithoutANoteFileStillSucceeds) {
    host.programDirectory = (dir.Path() / "elsewhere").string();
    ASSERT_TRUE(doc.OnOpenDocument(kExample));
    EXPECT_EQ(rec.Lines().back(), "文件载入完成!");
}

TEST_F(RungpadDocTest, OpenExpandsOldBoxesAndStaysUnmodified) {
    const LadProgram current =
        test::GridBuilder::Build({"X000.0 [TMR:0005] - - - - (R000.0)", ". # #", "X000.1"});
    LadProgram old;
    test::RecordingHost quiet;
    ASSERT_TRUE(LadFile::MakeOldLayoutCopy(current, old, quiet, quiet));
    ASSERT_EQ(old.LineCount(), 2);
    ASSERT_TRUE(doc.OnOpenDocument(WriteLadder("old.plf", old)));
    ASSERT_EQ(doc.Program().LineCount(), 3);
    EXPECT_EQ(doc.Program().Cell(1, 1).code, 0x1910);
    EXPECT_EQ(doc.Program().Cell(2, 1).code, 0x1911);
    EXPECT_EQ(doc.Program().Cell(0, 2).Text(), "X000.1");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(RungpadDocTest, RefusedFileOpensEmptyAndUsableWithoutItsPath) {
    dir.Write(CRungpadDoc::kNoteFileName, "X0001 Never read\n");
    const std::string example = TempDir::Read(kExample);
    const std::string cut =
        dir.Write("cut.plf", "\x40\x06" + example.substr(2, 200));  // 1601 lines
    ASSERT_TRUE(doc.OnOpenDocument(cut));
    EXPECT_EQ(doc.Program().LineCount(), 0);
    EXPECT_TRUE(doc.IsRefusedFile());
    EXPECT_EQ(rec.Boxes(), Strings{"无法打开梯形图文件!"});
    EXPECT_EQ(rec.Lines(), (Strings{"正在载入文件......", "格式错误!\r\n无法打开梯形图文件!",
                                    "the header's line count 1601 is above the 1600 lines a "
                                    "program holds"}));
    EXPECT_EQ(doc.LastReadError(), cut + ": " + rec.Lines().back());
    EXPECT_TRUE(doc.Notes().FindBitNote("X000.0")->empty());
    EXPECT_EQ(doc.State().Title(), "cut.plf");
    EXPECT_TRUE(doc.State().PathName().empty());
    EXPECT_EQ(doc.Converter().Program(), &doc.Program());
    // The empty document works: it converts (with errors) and Save asks for a name instead of
    // overwriting the refused file.
    EXPECT_FALSE(doc.ConvertProgram());
    EXPECT_FALSE(doc.DoFileSave());
    ASSERT_EQ(host.saveRequests.size(), 1u);
    EXPECT_EQ(TempDir::Read(cut).size(), 202u);
}

TEST_F(RungpadDocTest, OpenOfAnUnreadableFileFails) {
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("missing.plf")));
    ASSERT_EQ(rec.Boxes().size(), 1u);
    EXPECT_NE(rec.Boxes()[0].find("missing.plf"), std::string::npos);
    EXPECT_FALSE(doc.OnOpenDocument(dir.Path().string()));
}

TEST_F(RungpadDocTest, ReopeningReplacesTheProgram) {
    ASSERT_TRUE(doc.OnOpenDocument(dir.Write("refused.plf", std::string("\x40\x06", 2))));
    ASSERT_TRUE(doc.IsRefusedFile());
    ASSERT_TRUE(doc.OnOpenDocument(kExample));
    ASSERT_TRUE(doc.OnOpenDocument(WriteLadder("one.plf", test::GridBuilder::Build({"X000.0"}))));
    EXPECT_EQ(doc.Program().LineCount(), 1);
    EXPECT_EQ(doc.State().Title(), "one.plf");
    EXPECT_FALSE(doc.IsRefusedFile());
}

// --- save ---------------------------------------------------------------------------------

// Whether the saved file carries the note trailer, by the path the document had before.
struct TrailerCase {
    const char* name;
    const char* openedFrom;  // nullptr: a new document
    const char* savedAs;
    bool trailer;
    friend void PrintTo(const TrailerCase& c, std::ostream* os) { *os << c.name; }
};

class SaveTrailer : public DocumentFixture, public ::testing::WithParamInterface<TrailerCase> {};

TEST_P(SaveTrailer, FollowsThePathTheDocumentCameFrom) {
    const TrailerCase& c = GetParam();
    if (c.openedFrom == nullptr) {
        ASSERT_TRUE(doc.OnNewDocument());
    } else {
        ASSERT_TRUE(doc.OnOpenDocument(WriteLadder(c.openedFrom, test::GridBuilder::Build({"."}))));
    }
    doc.Program().Note(0).Assign("note");
    const std::string path = dir.File(c.savedAs);
    ASSERT_TRUE(doc.OnSaveDocument(path));
    const std::size_t plain = LadFile::kHeaderSize + LadFile::kLineSize;
    EXPECT_EQ(TempDir::Read(path).size(), c.trailer ? plain + 8 + 4 : plain);
    EXPECT_EQ(doc.State().PathName(), path);
    EXPECT_FALSE(doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    ByPath, SaveTrailer,
    ::testing::Values(
        // A document never saved gets a trailer, whatever its new name.
        TrailerCase{"NewAsPlf", nullptr, "a.plf", true},
        TrailerCase{"NewAsGrp", nullptr, "a.grp", true},
        // A document from a .grp file gets none, also under a .plf name; the case is ignored.
        TrailerCase{"GrpAsPlf", "x.grp", "x.plf", false},
        TrailerCase{"UpperGrpAsGrp", "X.GRP", "y.grp", false},
        // A .plf document keeps its trailer, also when saved as .grp.
        TrailerCase{"PlfAsGrp", "x.plf", "x.grp", true},
        TrailerCase{"BakAsPlf", "x.bak", "x.plf", true}),
    [](const auto& instance) { return std::string(instance.param.name); });

TEST_F(RungpadDocTest, SaveReportsConversionErrorsAndStillWrites) {
    ASSERT_TRUE(doc.OnNewDocument());
    doc.SetConverted(true);
    doc.SetModifiedFlag();
    rec.Reset();
    const std::string path = dir.File("bad.plf");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    const Strings events = Events();
    ASSERT_EQ(events.size(), 9u) << ::testing::PrintToString(events);
    EXPECT_EQ(events[0], "info:");
    EXPECT_EQ(events[1].rfind("line:梯图第0001行  错误代号 ", 0), 0u) << events[1];
    EXPECT_EQ(
        Strings(events.begin() + 2, events.end()),
        (Strings{"line:梯形图转换失败!", "line:保存文件失败!", "clear:", "line:正在保存文件......",
                 "line:文件保存完成.", "line:正在保存注释......", "line:保存注释完成"}));
    EXPECT_EQ(TempDir::Read(path).size(), LadFile::kHeaderSize + LadFile::kLineSize);
    EXPECT_TRUE(doc.IsConverted());  // a save never changes the converted flag
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(RungpadDocTest, SaveWritesTheHeaderWordsOfItsConversion) {
    ASSERT_TRUE(doc.OnNewDocument());
    UseGoodProgram();
    const std::string path = dir.File("good.plf");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.Program().end1Line, 4);
    EXPECT_GT(doc.Program().stepCountWord, 0);
    EXPECT_FALSE(doc.IsConverted());
}

// Saving the example with the information dialog answered keeps the texts and the program.
TEST_F(RungpadDocTest, SaveAndReopenKeepsProgramHeaderAndLineNotes) {
    ASSERT_TRUE(doc.OnOpenDocument(kExample));
    const LadProgram before = doc.Program();
    host.infoAnswer = LadInfoFields{"V2.0", "车床", "张三"};
    const std::string path = dir.File("copy.plf");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    const LadHeaderTexts header = doc.Header();
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.Header(), header);
    EXPECT_EQ(doc.Header().machine.View(), "\xb3\xb5\xb4\xb2");  // GBK
    for (int i = 0; i < before.LineCount(); ++i) {
        EXPECT_EQ(doc.Program().Line(i), before.Line(i)) << "line " << i;
        EXPECT_EQ(doc.Program().Note(i), before.Note(i)) << "line " << i;
    }
}

class SaveFailure : public DocumentFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(doc.OnNewDocument());
        target = dir.Write("keep.plf", "the old file");
        doc.SetModifiedFlag();
        rec.Reset();
    }
    void ExpectOldFileAndReport() {
        EXPECT_EQ(TempDir::Read(target), "the old file");
        EXPECT_EQ(rec.Boxes(), Strings{"保存文件失败!"});
        EXPECT_EQ(rec.Lines().back(), "保存文件失败!");
        EXPECT_TRUE(doc.State().PathName().empty());
        EXPECT_TRUE(doc.IsModified());
        // No temporary file is left beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                                std::filesystem::directory_iterator()),
                  1);
    }
    std::string target;
};

TEST_F(SaveFailure, AFailingWriterLeavesTheOldFile) {
    doc.SetFileWriter([](const std::string&, std::span<const std::uint8_t>, std::string& error) {
        error = "No space left on device";
        return false;
    });
    EXPECT_FALSE(doc.OnSaveDocument(target));
    ExpectOldFileAndReport();
}

// A disk that fills up while the file is written: the file size limit makes write() fail with
// EFBIG after a few bytes, as a full disk would with ENOSPC.
TEST_F(SaveFailure, ADiskFullDuringTheWriteLeavesTheOldFile) {
    UseGoodProgram();
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = doc.OnSaveDocument(target);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(saved);
    ExpectOldFileAndReport();
}

TEST_F(RungpadDocTest, SaveIntoAMissingDirectoryFails) {
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_FALSE(doc.OnSaveDocument(dir.File("no/such/dir/x.plf")));
    EXPECT_EQ(rec.Boxes(), Strings{"保存文件失败!"});
    EXPECT_NE(doc.LastWriteError().find("no/such/dir/x.plf"), std::string::npos);
}

TEST_F(RungpadDocTest, SaveAsProposesTheTitleWithTheDocumentExtension) {
    ASSERT_TRUE(doc.OnNewDocument(3));
    host.saveAnswers.push_back(dir.File("x.plf"));
    ASSERT_TRUE(doc.DoFileSaveAs());
    ASSERT_EQ(host.saveRequests.size(), 1u);
    EXPECT_EQ(host.saveRequests[0].proposedName, "Ladder3.plf");
    EXPECT_EQ(host.saveRequests[0].defaultExtension, "plf");
    EXPECT_EQ(host.saveRequests[0].filter, "ZIZIdu 文件 (*.grp)|*.plf||");
    EXPECT_EQ(doc.State().Title(), "x.plf");
    // Save then writes to the path name without asking again.
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(host.saveRequests.size(), 1u);
}

TEST_F(RungpadDocTest, CancelledSaveAsWritesNothing) {
    ASSERT_TRUE(doc.OnNewDocument());
    doc.SetModifiedFlag();
    rec.Reset();
    EXPECT_FALSE(doc.DoFileSave());
    EXPECT_EQ(Events(), Strings{"save:Ladder1.plf"});
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(RungpadDocTest, SaveModifiedAsksOnlyForAModifiedDocument) {
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(rec.Texts("ask").empty());
    doc.SetModifiedFlag();
    host.saveChangesAnswer = SaveChangesAnswer::kCancel;
    EXPECT_FALSE(doc.SaveModified());
    host.saveChangesAnswer = SaveChangesAnswer::kNo;
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(host.saveRequests.empty());
    // Yes saves; cancelling its file chooser stops the close.
    host.saveChangesAnswer = SaveChangesAnswer::kYes;
    EXPECT_FALSE(doc.SaveModified());
    host.saveAnswers.push_back(dir.File("y.plf"));
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(rec.Texts("ask"), (Strings{"Ladder1", "Ladder1", "Ladder1", "Ladder1"}));
}

TEST_F(RungpadDocTest, CloseEmptiesBothWindows) {
    ASSERT_TRUE(doc.OnNewDocument());
    rec.Reset();
    doc.OnCloseDocument();
    EXPECT_EQ(Events(), (Strings{"clearList:", "clear:"}));
}

// --- convert ------------------------------------------------------------------------------

TEST_F(RungpadDocTest, ConvertSetsTheFlagAndShowsTheList) {
    UseGoodProgram();
    ASSERT_TRUE(doc.ConvertProgram());
    EXPECT_TRUE(doc.IsConverted());
    EXPECT_EQ(Events(),
              (Strings{"clear:", "line:Converting...", "line:Convert succeed!", "list:"}));
    ASSERT_EQ(rec.instructionList.size(), static_cast<std::size_t>(doc.Converter().TextCount()));
    std::string window;
    for (const std::string& line : rec.instructionList) {
        window += line + "\r\n";
    }
    EXPECT_EQ(window, doc.Converter().RenderWindow());
    EXPECT_EQ(rec.instructionList.front().rfind("RD ", 0), 0u);
    // Then a conversion with errors clears the flag and reports the last error.
    doc.Program().Cell(7, 0).Reset();
    rec.Reset();
    EXPECT_FALSE(doc.ConvertProgram());
    EXPECT_FALSE(doc.IsConverted());
    ASSERT_EQ(rec.Lines().size(), 2u);
    EXPECT_EQ(rec.Lines()[1], doc.Converter().FormatLastError());
    EXPECT_TRUE(rec.Texts("list").empty());
}

// The output window speaks the chosen language; the instruction list does not change with it.
TEST_F(RungpadDocTest, ConvertReportsInTheChosenLanguage) {
    UseGoodProgram();
    ASSERT_TRUE(doc.ConvertProgram());
    const std::vector<std::string> originalList = rec.instructionList;
    Messages::SetLanguage(Language::English);
    rec.Reset();
    const bool english = doc.ConvertProgram();
    const Strings englishEvents = Events();
    const std::vector<std::string> englishList = rec.instructionList;
    doc.Program().Cell(7, 0).Reset();
    rec.Reset();
    doc.ConvertProgram();
    const std::vector<std::string> failed = rec.Lines();
    Messages::SetLanguage(Language::Original);
    EXPECT_TRUE(english);
    EXPECT_EQ(englishEvents,
              (Strings{"clear:", "line:Converting...", "line:Conversion succeeded!", "list:"}));
    EXPECT_EQ(englishList, originalList);
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_TRUE(failed[1].starts_with("Ladder line ")) << failed[1];
    EXPECT_EQ(ConvertError::LineOfReport(failed[1]),
              doc.Converter().ErrorAt(doc.Converter().ErrorCount() - 1).line);
}

// --- ladder information ---------------------------------------------------------------------

TEST_F(RungpadDocTest, InfoDialogShowsTheTextsAndTakesThemOnOk) {
    doc.Header().version.Assign("1.0");
    doc.Header().saveDate.Assign("2026-01-01 00:00");
    host.infoAnswer =
        LadInfoFields{std::string(15, 'V'), std::string(40, 'M'), std::string(20, 'P')};
    doc.EditLadderInfo();
    ASSERT_EQ(host.infoShown.size(), 1u);
    EXPECT_EQ(host.infoShown[0].version, "1.0");
    // Texts that fill their fields are kept whole, without terminator, and leave their
    // neighbours alone.
    EXPECT_EQ(doc.Header().version.View(), std::string(15, 'V'));
    EXPECT_EQ(doc.Header().machine.View(), std::string(40, 'M'));
    EXPECT_EQ(doc.Header().modifier.View(), std::string(20, 'P'));
    EXPECT_EQ(doc.Header().saveDate.View(), "2026-01-01 00:00");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(RungpadDocTest, InfoDialogCancelChangesNothing) {
    doc.Header().machine.Assign("CK6140");
    host.infoAnswer.reset();
    doc.EditLadderInfo();
    EXPECT_EQ(doc.Header().machine.View(), "CK6140");
    EXPECT_TRUE(doc.OnEditLadderInfo());
    EXPECT_EQ(host.infoShown.size(), 2u);
}

TEST_F(RungpadDocTest, InfoTextsAreStoredAsGbkWithoutHalfCharacters) {
    // Eight Chinese characters are 16 GBK bytes: the 15-byte field takes seven of them.
    host.infoAnswer = LadInfoFields{"数控车床数控车床", "数控车床", ""};
    doc.EditLadderInfo();
    EXPECT_EQ(doc.Header().version.Length(), 14u);
    EXPECT_EQ(doc.Header().machine.View(), "\xca\xfd\xbf\xd8\xb3\xb5\xb4\xb2");
    // And they come back as UTF-8 in the dialog.
    doc.EditLadderInfo();
    EXPECT_EQ(host.infoShown[1].version, "数控车床数控车");
}

// --- address notes ------------------------------------------------------------------------

struct LookupCase {
    const char* address;
    bool found;
    friend void PrintTo(const LookupCase& c, std::ostream* os) {
        *os << c.address << (c.found ? " found" : " refused");
    }
};

class FindAddressNoteExport : public DocumentFixture,
                              public ::testing::WithParamInterface<LookupCase> {};

TEST_P(FindAddressNoteExport, LooksUpTheGivenText) {
    doc.SetNoteExportMode(true);
    *doc.Notes().FindBitNote("R511.7") = "Alarm";
    if (GetParam().found) {
        EXPECT_EQ(&doc.FindAddressNote(GetParam().address),
                  doc.Notes().FindBitNote(GetParam().address));
    } else {
        EXPECT_THROW(doc.FindAddressNote(GetParam().address), AddressNoteError);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, FindAddressNoteExport,
                         ::testing::Values(LookupCase{"R511.7", true},   // last R bit
                                           LookupCase{"X000.0", true},   // first entry
                                           LookupCase{"R512.0", false},  // R byte out of range
                                           LookupCase{"Y048.0", false},  // Y byte out of range
                                           LookupCase{"X1.2", false},    // too few digits
                                           LookupCase{"D010.0", false},  // no notes for D
                                           LookupCase{"", false}));

TEST_F(RungpadDocTest, FindAddressNoteFailureCarriesItsText) {
    doc.SetNoteExportMode(true);
    try {
        doc.FindAddressNote("Q000.0");
        FAIL() << "no failure";
    } catch (const AddressNoteError& e) {
        EXPECT_STREQ(e.what(), "Error Note!");
    }
}

TEST_F(RungpadDocTest, FindAddressNoteUsesTheCursorCell) {
    UseGrid({"X001.2 /X001.3 - [TMR:0005] - - (Y000.1)", ". . . # #"});
    *doc.Notes().FindBitNote("X001.2") = "first";
    // Without a cursor, the cell at column 0, line 0.
    EXPECT_EQ(doc.FindAddressNote(), "first");
    doc.Selection().cursor = {1, 0};
    EXPECT_EQ(&doc.FindAddressNote(), doc.Notes().FindBitNote("X001.3"));
    doc.Selection().cursor = {7, 0};
    EXPECT_EQ(&doc.FindAddressNote(), doc.Notes().FindBitNote("Y000.1"));
    // Outside note export mode the given text does not count.
    EXPECT_EQ(&doc.FindAddressNote("R000.0"), doc.Notes().FindBitNote("Y000.1"));
    for (const GridPos pos :
         {GridPos{2, 0}, GridPos{3, 0}, GridPos{4, 0}, GridPos{0, 1}, GridPos{0, 5}}) {
        doc.Selection().cursor = pos;
        EXPECT_THROW(doc.FindAddressNote(), AddressNoteError) << pos.column << "," << pos.line;
    }
}

TEST_F(RungpadDocTest, SetAddressNoteStoresShowsAndMarksModified) {
    UseGrid({"X001.2 - (Y000.1)"});
    doc.Selection().cursor = {0, 0};
    EXPECT_TRUE(doc.SetAddressNote("\xc6\xf4\xb6\xaf"));  // GBK
    EXPECT_EQ(*doc.Notes().FindBitNote("X001.2"), "\xc6\xf4\xb6\xaf");
    EXPECT_EQ(Events(), Strings{"text:启动"});
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(RungpadDocTest, ShowCursorNoteShowsTheNoteOrNothing) {
    UseGrid({"X001.2 - (Y000.1)"});
    *doc.Notes().FindBitNote("X001.2") = "\xc6\xf4\xb6\xaf";
    doc.Selection().cursor = {0, 0};
    doc.ShowCursorNote();
    doc.Selection().cursor = {1, 0};
    doc.ShowCursorNote();
    doc.Selection().cursor = {0, 9};  // a stale cursor below the program
    doc.ShowCursorNote();
    EXPECT_EQ(Events(), (Strings{"note:启动", "note:", "note:"}));
}

TEST_F(RungpadDocTest, SetAddressNoteOnANonAddressCellRefuses) {
    UseGrid({"X001.2 - [TMR:0005] - - - (Y000.1)", ". . # #"});
    for (const GridPos pos : {GridPos{1, 0}, GridPos{2, 0}, GridPos{3, 1}}) {
        doc.Selection().cursor = pos;
        rec.Reset();
        EXPECT_FALSE(doc.SetAddressNote("x"));
        EXPECT_EQ(Events(), Strings{"box:Error Note!"});
    }
    EXPECT_EQ(*doc.Notes().FindBitNote("X001.2"), "");
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace rungpad
