#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridBuilder.h"
#include "RecordingHost.h"
#include "ScriptedDocumentHost.h"
#include "TempDir.h"
#include "document/RungpadDoc.h"
#include "model/HostInterfaces.h"
#include "model/LadFile.h"

namespace rungpad::test {

// A document with recording and scripted hosts and a temporary directory that also serves as
// the program's directory (where "PBitCh01.MEA" is looked for).
class DocumentFixture : public ::testing::Test {
  protected:
    DocumentFixture() { host.programDirectory = dir.Path().string(); }

    // Replaces the document's program by the grid (no END lines added).
    void UseGrid(const std::vector<std::string>& lines) {
        doc.Program() = GridBuilder::Build(lines);
        doc.Program().SetMessageBox(&rec);
    }

    // A program that converts without errors.
    void UseGoodProgram() {
        UseGrid({"X000.0 - - - - - - (Y000.0)", "X000.1 [TMR:0005] - - - - (R000.0)", ". # #",
                 "- - - - [END1] - - -", "- - - - [END2] - - -"});
    }

    // Writes program as a ladder file called name in the directory; returns its path.
    std::string WriteLadder(const std::string& name, const LadProgram& program,
                            bool trailer = false) {
        std::vector<std::uint8_t> bytes;
        LadHeaderTexts header;
        NullMessageChannel quiet;
        LadFile::SaveLadder(bytes, program, header, "2026-01-02 03:04", quiet);
        if (trailer) {
            LadFile::WriteNoteTrailer(bytes, program, quiet);
        }
        return dir.Write(name, std::string(bytes.begin(), bytes.end()));
    }

    // The recorded events as "kind:text", for order checks.
    std::vector<std::string> Events() const {
        std::vector<std::string> out;
        for (const RecordingHost::Event& e : rec.events) {
            out.push_back(e.kind + ":" + e.text);
        }
        return out;
    }

    TempDir dir;
    RecordingHost rec;
    ScriptedDocumentHost host{&rec};
    CRungpadDoc doc{rec, rec, host};
};

}  // namespace rungpad::test
