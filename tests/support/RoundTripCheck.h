#pragma once

// Whether a program means the same after Save and Open: the instruction list, the binary image
// and the error list, the live check's marker, the cross-reference, the program comparison, a
// simulation, the address notes, and every entry standing before saving is accepted again after
// opening.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "EditingSession.h"
#include "RandomProgramBuilder.h"
#include "analysis/CrossReference.h"
#include "analysis/LiveCheck.h"
#include "analysis/ProgramDiff.h"
#include "model/NoteFile.h"
#include "model/PlcAddress.h"
#include "sim/ScanEngine.h"

namespace rungpad::test {

// Compares what two documents mean; each difference found is one line of text.
class RoundTripCheck {
  public:
    static constexpr int kScans = 200;

    // Saves before (and its address notes) under directory, opens it into after, and compares.
    static std::vector<std::string> SaveAndOpen(EditingSession& before, EditingSession& after,
                                                const std::string& directory,
                                                const std::vector<AcceptedEntry>& accepted) {
        std::vector<std::string> problems;
        const std::string path = directory + "/program.plf";
        // The address notes go into the program directory's note file, which opening reads.
        std::ofstream(directory + "/" + CRungpadDoc::kNoteFileName, std::ios::binary)
            << NoteFile::Format(before.doc.Notes());
        if (!before.doc.OnSaveDocument(path)) {
            return {"cannot save"};
        }
        if (!after.doc.OnOpenDocument(path) || after.doc.IsRefusedFile()) {
            return {"cannot open"};
        }
        Compare(before.doc, after.doc, problems);
        Reenter(after, accepted, problems);
        return problems;
    }

  private:
    using Conversion = std::tuple<int, std::vector<std::string>, std::vector<std::uint8_t>,
                                  std::vector<std::string>>;

    static Conversion Convert(CRungpadDoc& doc) {
        CLadConvert& convert = doc.Converter();
        convert.ClearErrors();
        const int result = static_cast<int>(convert.Convert());
        std::vector<std::string> texts;
        for (int i = 0; i < convert.TextCount(); ++i) {
            texts.push_back(convert.TextAt(i));
        }
        std::vector<std::uint8_t> image;
        convert.BinaryImage(image);
        std::vector<std::string> errors;
        for (int i = 0; i < convert.ErrorCount(); ++i) {
            const ConvertError& e = convert.ErrorAt(i);
            errors.push_back(std::to_string(e.kind) + ":" + std::to_string(e.code) + "@" +
                             std::to_string(e.line));
        }
        return {result, texts, image, errors};
    }

    static std::string Joined(const std::vector<std::string>& items) {
        std::string all;
        for (const std::string& item : items) {
            all += item + " ";
        }
        return all;
    }

    static std::vector<std::string> Notes(const AddressNotes& notes) {
        std::vector<std::string> all;
        notes.ForEachNote([&all](char letter, int byte, std::size_t slot, const std::string& text) {
            all.push_back(std::string(1, letter) + std::to_string(byte) + "." +
                          std::to_string(slot) + "=" + text);
        });
        return all;
    }

    // A digest of every byte of the output and data areas after each scan, with the inputs
    // driven the same way in both runs.
    static std::vector<std::uint32_t> Simulate(const CLadConvert& convert, std::string& message) {
        ScanEngine engine;
        std::vector<std::uint32_t> trace;
        if (!engine.Load(convert, message)) {
            return trace;
        }
        const std::uint16_t x = PlcAddress::EncodeAddress("X000").operand;
        std::uint32_t inputs = 12345;
        for (int scan = 0; scan < kScans && !engine.IsStopped(); ++scan) {
            inputs = inputs * 1103515245u + 12345u;
            engine.Memory().WriteByte(x, static_cast<std::uint8_t>(inputs >> 16));
            engine.Memory().WriteByte(static_cast<std::uint16_t>(x + 1),
                                      static_cast<std::uint8_t>(inputs >> 24));
            engine.Scan();
            trace.push_back(Digest(engine.Memory()));
        }
        message += engine.StopMessage();
        return trace;
    }

    // The output and data areas: Y, G, R, A, K bytes and the C, T, D, DC, DT words.
    static std::uint32_t Digest(const SignalMemory& memory) {
        static const std::vector<std::pair<const char*, int>> kAreas = {
            {"Y000", 48},  {"G000", 64},  {"R000", 512}, {"A000", 32},   {"K000", 64},
            {"C000", 512}, {"T000", 512}, {"D000", 512}, {"DC000", 256}, {"DT000", 256}};
        std::uint32_t digest = 2166136261u;
        for (const auto& [first, bytes] : kAreas) {
            const std::uint16_t base = PlcAddress::EncodeAddress(first).operand;
            for (int i = 0; i < bytes; ++i) {
                digest = (digest ^ memory.Byte(static_cast<std::uint16_t>(base + i))) * 16777619u;
            }
        }
        return digest;
    }

    static void Compare(CRungpadDoc& a, CRungpadDoc& b, std::vector<std::string>& problems) {
        const auto expect = [&problems](bool same, const std::string& what) {
            if (!same) {
                problems.push_back(what);
            }
        };
        const Conversion ca = Convert(a);
        const Conversion cb = Convert(b);
        expect(std::get<0>(ca) == std::get<0>(cb), "conversion result");
        expect(std::get<1>(ca) == std::get<1>(cb), "instruction list");
        expect(std::get<2>(ca) == std::get<2>(cb), "binary image");
        expect(std::get<3>(ca) == std::get<3>(cb),
               "error list: " + Joined(std::get<3>(ca)) + "/ " + Joined(std::get<3>(cb)));
        if (!std::get<3>(ca).empty() && !std::get<3>(cb).empty()) {
            expect(a.Converter().FormatLastError() == b.Converter().FormatLastError(),
                   "last error report");
        }
        if (std::get<0>(ca) == 1 && std::get<0>(cb) == 1) {
            std::string ma;
            std::string mb;
            const std::vector<std::uint32_t> ta = Simulate(a.Converter(), ma);
            const std::vector<std::uint32_t> tb = Simulate(b.Converter(), mb);
            expect(ta == tb && ma == mb, "simulation trace");
        }
        CLiveCheck la;
        CLiveCheck lb;
        const CLiveCheck::Result& ra = la.Check(a.Program());
        const CLiveCheck::Result& rb = lb.Check(b.Program());
        expect(ra.converts == rb.converts && ra.line == rb.line && ra.message == rb.message,
               "live check marker");
        const CrossReference xa = CrossReference::Build(a.Program(), &a.Notes());
        const CrossReference xb = CrossReference::Build(b.Program(), &b.Notes());
        expect(xa.Uses() == xb.Uses() && xa.Findings() == xb.Findings(), "cross-reference");
        expect(ProgramDiff::Compare({a.Program(), a.Header()}, {b.Program(), b.Header()}).Equal(),
               "program comparison");
        expect(Notes(a.Notes()) == Notes(b.Notes()), "address notes");
    }

    // Every entry that stands in the saved program is typed again, in the same order, into the
    // opened document: each is accepted again.
    static void Reenter(EditingSession& after, const std::vector<AcceptedEntry>& accepted,
                        std::vector<std::string>& problems) {
        for (const AcceptedEntry& entry : accepted) {
            after.editor.Select(entry.at, entry.at);
            after.host.items.clear();
            after.host.items.push_back(entry.text);
            after.out.Reset();
            after.editor.PlaceElement(entry.kind);
            if (after.out.Lines().empty() || after.out.Lines().back() != "Accept!") {
                char where[64];
                std::snprintf(where, sizeof where, " at (%d, %d) kind 0x%x", entry.at.column,
                              entry.at.line, static_cast<unsigned>(entry.kind));
                problems.push_back("refused after opening: " + entry.text + where + ": " +
                                   (after.out.Lines().empty() ? "" : after.out.Lines().back()));
            }
        }
    }
};

}  // namespace rungpad::test
