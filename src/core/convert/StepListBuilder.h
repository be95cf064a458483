#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "convert/ConvertErrorList.h"
#include "convert/InstructionList.h"
#include "convert/StepRecord.h"

namespace rungpad {

class LadProgram;

// Builds the step list and data table of the binary image from the instruction list, one small
// function per instruction chosen by its opcode, and resolves the jumps and calls at the end.
class StepListBuilder {
  public:
    static constexpr int kMaxSteps = 4699;
    static constexpr int kMaxDataWords = 256;
    static constexpr std::uint16_t kDataTableAddress = 0x8A00;

    StepListBuilder();

    // Builds the steps of every instruction of list. The first error goes to errors (with its
    // instruction's line) and ends the build. program (may be null) receives END1's step.
    bool Build(const InstructionList& list, ConvertErrorList& errors, LadProgram* program);
    // Forgets the last result: no steps, not complete.
    void Reset();

    int StepCount() const { return m_stepCount; }
    const StepRecord& StepAt(int i) const;
    // The 0-based ladder line of the instruction that made record i; -1 outside the list.
    int StepLine(int i) const;
    int DataWordCount() const { return m_data.wordCount; }
    std::uint16_t DataWordAt(int i) const;
    // Whether the step list is the complete result of a successful build.
    bool Complete() const { return m_complete; }
    // The step records, then the data words the trailer counts. Refused (false, image empty)
    // unless the step list is complete.
    bool BinaryImage(std::vector<std::uint8_t>& image) const;

    // An instruction's words, upper case: the mnemonic, then its operands.
    struct Tokens {
        std::string_view text;
        const InstructionList::Words* words = nullptr;
        int Count() const { return words ? words->count : 0; }
        std::string_view operator[](int i) const {
            if (i < 0 || i >= Count()) {
                return {};
            }
            const auto word = static_cast<std::size_t>(i);
            return text.substr(words->at[word], words->length[word]);
        }
    };
    using Handler = bool (StepListBuilder::*)(int opcode, const Tokens& tokens);

  private:
    struct Reference {
        int number = 0;
        int step = 0;
        int line = 0;
    };
    struct Subprogram {
        bool defined = false;
        int spStep = 0;
        int line = 0;
        std::array<int, 18> callees{};
        int calleeCount = 0;
    };
    struct DataTable {
        std::array<std::uint16_t, kMaxDataWords> words{};
        int byteCount = 0;
        int wordCount = 0;
    };
    // What the build carries from one instruction to the next.
    struct State {
        bool pendingOutput = false;
        bool afterEnd2 = false;
        bool comOpen = false;
        int sftCount = 0;
        int networkStart = 0;
        int nextTableAddress = kDataTableAddress;
        int codtExpected = 0;
        int codtWidth = 1;
        std::array<bool, 256> edges{};
        std::vector<Reference> jumps;
        std::vector<Reference> labels;
        std::vector<Reference> calls;
        std::array<Subprogram, 100> subprograms{};
        std::vector<Reference> spes;
        int spCount = 0;
        int currentSub = -1;
        int end1Mark = -1;
        int end2Mark = -1;
    };

    bool Fail(ErrorCode code, int line);
    bool Fail(ErrorCode code) { return Fail(code, m_line); }
    bool BuildInstruction(std::string_view text, const InstructionList::Words& words, int line);
    bool BuildRecords(int opcode, const Tokens& tokens);
    bool AppendStep(int opcode, int kind, int a, int b);
    bool AppendBitStep(int opcode, int kind, std::string_view operand);
    bool AppendSourceStep(int opcode, std::string_view param, std::uint16_t b);
    bool CloseNetwork();

    // One row per opcode (the row's position, as StepOpcode numbers them): the function that
    // builds its records, whether it closes its network, and whether it begins one without a
    // contact.
    struct Opcode {
        Handler build;
        bool endsNetwork;
        bool beginsWithoutContact;
    };
    static const std::array<Opcode, 55>& Opcodes();
    static int OpcodeOf(std::string_view mnemonic);

    // One per instruction kind; the opcode table names them.
    bool NoRecord(int opcode, const Tokens& t);
    bool BitOperand(int opcode, const Tokens& t);
    bool Output(int opcode, const Tokens& t);
    bool Stack(int opcode, const Tokens& t);
    bool End(int opcode, const Tokens& t);
    bool Com(int opcode, const Tokens& t);
    bool Come(int opcode, const Tokens& t);
    bool Timer(int opcode, const Tokens& t);
    bool TimerC(int opcode, const Tokens& t);
    bool TimerB(int opcode, const Tokens& t);
    bool Counter(int opcode, const Tokens& t);
    bool Edge(int opcode, const Tokens& t);
    bool Compare(int opcode, const Tokens& t);
    bool MoveN(int opcode, const Tokens& t);
    bool Move(int opcode, const Tokens& t);
    bool Decode(int opcode, const Tokens& t);
    bool CodeConvert(int opcode, const Tokens& t);
    bool TableEntries(int opcode, const Tokens& t);
    bool Rotate(int opcode, const Tokens& t);
    bool SearchTable(int opcode, const Tokens& t);
    bool Arithmetic(int opcode, const Tokens& t);
    bool Not(int opcode, const Tokens& t);
    bool Shift(int opcode, const Tokens& t);
    bool AxisControl(int opcode, const Tokens& t);
    bool JumpOrLabel(int opcode, const Tokens& t);
    bool Call(int opcode, const Tokens& t);
    bool SubprogramStart(int opcode, const Tokens& t);
    bool SubprogramEnd(int opcode, const Tokens& t);

    // Kind 1 + the format's first digit: a constant (kind 1) or an address with its type.
    bool FormattedStep(int opcode, std::string_view format, std::string_view param);
    bool CheckMoveDestination(int opcode, const Tokens& t);
    bool ResolveTargets();
    bool CheckCallCycles();
    bool ResolveCalls();
    bool ResolveJumps();
    bool WalkCalls(int root, int sub, std::vector<int>& path, std::vector<bool>& done);

    ConvertErrorList* m_errors = nullptr;
    LadProgram* m_program = nullptr;
    std::vector<StepRecord> m_steps;
    std::vector<int> m_stepLines;  // per record, the ladder line of its instruction
    int m_stepCount = 0;
    bool m_complete = false;
    DataTable m_data{};
    State m_state{};
    int m_line = 0;  // the ladder line of the instruction being built, for its errors
};

}  // namespace rungpad
