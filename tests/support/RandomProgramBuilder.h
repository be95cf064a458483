#pragma once

// Random programs built through the editing layer, for the round trip of Save and Open (the
// property test draws from a seeded generator, the fuzz target from the fuzzer's bytes).

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "EditingSession.h"
#include "edit/EditCommands.h"
#include "model/FuncInstrTable.h"

namespace rungpad::test {

// One entry the item dialog accepted: the element kind placed, where, the text typed and the
// text the cell then held.
struct AcceptedEntry {
    int kind = 0;
    GridPos at;
    std::string text;
    std::string stored;
};

// Builds a random program network by network through the editor: contact and coil networks
// (some with a parallel branch), every function box with parameters drawn from formats (1, 2,
// 1001, 1002), constants and addresses, CODT tables with five-digit entries, line notes, notes of
// addresses, and mostly END1 and END2 at the end. Below(n) draws a number 0 to n - 1.
class RandomProgramBuilder {
  public:
    RandomProgramBuilder(EditingSession& session, std::function<int(int)> below)
        : m_s(session), m_below(std::move(below)) {}

    // A tidy program retries every entry until one is accepted, so that most of them convert.
    void Build(int networks) {
        m_s.doc.OnNewDocument();
        m_tidy = Below(2) == 0;
        for (int i = 0; i < networks; ++i) {
            switch (Below(6)) {
                case 0:
                case 1:
                    ContactNetwork();
                    break;
                case 2:
                    LineNote();
                    break;
                default:
                    BoxNetwork(PickBox());
                    break;
            }
        }
        if (Below(8) != 0) {
            InsertBox(FuncInstrTable::At(FuncInstrTable::kEND1).code, 0);
            InsertBox(FuncInstrTable::At(FuncInstrTable::kEND2).code, 0);
        }
    }

    // The entries that still stand: the last one accepted in each cell, when the cell still
    // holds what it stored (a format change may have cleared a parameter since), in entry order.
    std::vector<AcceptedEntry> Accepted() const {
        std::vector<AcceptedEntry> standing;
        for (std::size_t i = 0; i < m_accepted.size(); ++i) {
            const AcceptedEntry& e = m_accepted[i];
            const auto later =
                std::find_if(m_accepted.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                             m_accepted.end(), [&e](const AcceptedEntry& o) {
                                 return o.at.column == e.at.column && o.at.line == e.at.line;
                             });
            if (later == m_accepted.end() && Cell(e.at.column, e.at.line).Text() == e.stored) {
                standing.push_back(e);
            }
        }
        return standing;
    }

  private:
    int Below(int n) { return n <= 1 ? 0 : m_below(n); }
    int LastLine() const { return m_s.doc.Program().LineCount() - 1; }
    const LadCell& Cell(int column, int line) const { return m_s.doc.Program().Cell(column, line); }
    void Select(GridPos at) { m_s.editor.Select(at, at); }

    // Places kind at at, typing text into the item dialog; keeps the entry when it is accepted.
    bool Enter(int kind, GridPos at, const std::string& text) {
        Select(at);
        m_s.host.items.clear();
        m_s.host.items.push_back(text);
        m_s.out.Reset();
        m_s.editor.PlaceElement(kind);
        if (m_s.out.Lines().empty() || m_s.out.Lines().back() != "Accept!") {
            return false;
        }
        m_accepted.push_back({kind, at, text, std::string(Cell(at.column, at.line).Text())});
        return true;
    }
    // Enters texts drawn by next: once, or in a tidy program until one is accepted.
    void EnterDrawn(int kind, GridPos at, const std::function<std::string()>& next) {
        for (int tries = m_tidy ? 16 : 1; tries > 0 && !Enter(kind, at, next()); --tries) {
        }
    }

    std::string BitAddress(const char* letters) {
        const char letter =
            letters[Below(static_cast<int>(std::char_traits<char>::length(letters)))];
        const int byte = letter == 'R' ? Below(12) * 40 : Below(6);
        return std::string(1, letter) + std::to_string(byte) + "." + std::to_string(Below(8));
    }

    void ContactNetwork() {
        const int line = LastLine();
        const int contacts = 1 + Below(4);
        for (int c = 0; c < contacts; ++c) {
            Enter(Below(2) == 0 ? Element::kNoContact : Element::kNcContact, {c, line},
                  BitAddress("XYRFGAK"));
        }
        EnterDrawn(Below(3) == 0 ? Element::kNegCoil : Element::kCoil,
                   {LadLine::kOutputColumn, line}, [this] { return BitAddress("YRGA"); });
        if (Below(3) == 0) {  // an OR branch below the first contact
            Enter(Element::kNoContact, {0, line + 1}, BitAddress("XR"));
            Select({0, line});
            m_s.editor.PlaceElement(EditCommands::kSetLink);
        }
        AddressNote(line);
    }

    void AddressNote(int line) {
        if (Below(3) != 0 || !Element::IsContact(Cell(0, line).code)) {
            return;
        }
        Select({0, line});
        m_s.doc.SetAddressNote(Below(2) == 0 ? "start" : "\xC6\xF4\xB6\xAF");  // GBK 启动
    }

    void LineNote() {
        m_s.editor.SetLineNote(Below(m_s.doc.Program().LineCount()),
                               "note " + std::to_string(Below(1000)));
    }

    // Inserts the box above the last line (at column, or as far right as it fits); the column of
    // its header, or -1 when it was refused.
    int InsertBox(std::uint16_t code, int column) {
        const int lines = m_s.doc.Program().LineCount();
        Select({column, LastLine()});
        m_s.editor.InsertFunctionBox(code);
        return m_s.doc.Program().LineCount() == lines ? -1 : m_s.doc.Selection().cursor.column;
    }

    std::string ParameterText() {
        static const std::vector<std::string> kFormats = {"1", "2", "1001", "1002"};
        static const std::vector<std::string> kNumbers = {
            "0", "1", "2", "3", "5", "8", "12", "17", "99", "127", "255", "300", "9999", "65535"};
        static const std::vector<std::string> kAddresses = {
            "R100", "R1", "D10", "D255", "X1",  "Y2",   "F3",   "G4",   "A5", "K6",
            "C7",   "T8", "DC3", "DT5",  "R12", "R1.2", "Y0.1", "R511", "D0", "R200"};
        switch (Below(3)) {
            case 0:
                return Pick(kFormats);
            case 1:
                return Pick(kNumbers);
            default:
                return Pick(kAddresses);
        }
    }
    const std::string& Pick(const std::vector<std::string>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

    // Any box of the function menu; a tidy program leaves out the ones that need a partner or
    // a place of their own (subprograms, jumps, COM, the END boxes).
    const FuncInstr& PickBox() {
        for (;;) {
            const FuncInstr& f = FuncInstrTable::At(
                EditCommands::kFunctionMenu[static_cast<std::size_t>(Below(static_cast<int>(
                                                EditCommands::kFunctionMenu.size())))]
                    .index);
            static const std::vector<std::string_view> kStructural = {
                "CALL", "CALLU", "SP", "SPE", "JMPB", "LBL", "COM", "COME", "END1", "END2"};
            if (!m_tidy ||
                std::find(kStructural.begin(), kStructural.end(), f.name) == kStructural.end()) {
                return f;
            }
        }
    }

    void BoxNetwork(const FuncInstr& f) {
        const int top = LastLine();
        const int start = InsertBox(f.code, m_tidy ? 1 : Below(3));
        if (start < 0) {
            return;
        }
        // Parameters mostly left to right, so a format comes before what it governs.
        for (int round = 0; round < 1 + Below(2); ++round) {
            for (int p = 1; p < f.width && start + p < LadLine::kColumns; ++p) {
                if (m_tidy || Below(6) != 0) {
                    EnterDrawn(f.code + p, {start + p, top}, [this] { return ParameterText(); });
                }
            }
        }
        if (f.code == FuncInstrTable::At(FuncInstrTable::kCOD).code) {
            CodtEntries(top + f.height);
        }
        for (int row = 0; start > 0 && row < f.inputRows; ++row) {
            if (m_tidy || Below(3) != 0) {
                Enter(Element::kNoContact, {0, top + row}, BitAddress("XR"));
            }
        }
        if (f.drivesOutput && (m_tidy || Below(4) != 0)) {
            EnterDrawn(Element::kCoil, {LadLine::kOutputColumn, top},
                       [this] { return BitAddress("YR"); });
        }
    }

    void CodtEntries(int first) {
        static const std::vector<std::string> kEntries = {"65535", "12345", "10000", "99999",
                                                          "7",     "0",     "4096",  "R1"};
        for (int line = first;
             line < m_s.doc.Program().LineCount() && Element::IsCodt(Cell(0, line).code); ++line) {
            for (int c = 0; c < LadLine::kColumns; ++c) {
                if (m_tidy || Below(2) == 0) {
                    EnterDrawn(Cell(c, line).code, {c, line}, [this] { return Pick(kEntries); });
                }
            }
        }
    }

    EditingSession& m_s;
    std::function<int(int)> m_below;
    std::vector<AcceptedEntry> m_accepted;
    bool m_tidy = false;
};

}  // namespace rungpad::test
