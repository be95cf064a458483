#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace rungpad {

// The numbers boxes claim, one pool each: a number belongs to one box of the program at a time.
// TMR and TMRC share the timers, DIFU and DIFD the edges.
enum class NumberPool : std::uint8_t {
    kNone,
    kCounter,
    kTimer,
    kTmrbTimer,
    kLabel,
    kSubprogram,
    kEdge
};

// One function instruction of the catalogue.
struct FuncInstr {
    int index;
    std::string_view name;  // the box header text and the instruction list mnemonic
    std::uint16_t code;     // low byte always 0
    std::array<std::string_view, 5> labels;  // parameter labels (UTF-8); empty = no parameter
    int width;                               // cells of the box's first line, header included
    int height;                              // grid lines of the box
    int inputRows;  // box lines, from the first, whose cells left of the box are input conditions
    bool takesInput;
    bool drivesOutput;  // column 7 of the first line must hold a coil (else a horizontal line)
    NumberPool pool = NumberPool::kNone;  // the pool its number parameter claims in
    int numberParameter = 0;              // that parameter, 1-based; 0 when it claims none

    int ParameterCount() const { return width - 1; }
};

// The constant catalogue of the 37 function instructions.
class FuncInstrTable {
  public:
    static constexpr int kCount = 37;

    // Catalogue indices of the instructions other code names directly.
    enum Index : int {
        kCTR = 0,
        kROT,
        kCOMP,
        kMOVN,
        kCALL,
        kSP,
        kSPE,
        kDSCH,
        kCOIN,
        kTMR,
        kADD,
        kSUB,
        kXMOV,
        kEND1,
        kEND2,
        kDEC,
        kCOD,
        kDIFU,
        kDIFD,
        kEOR,
        kANDF,
        kORF,
        kNOT,
        kJMPB,
        kLBL,
        kRST,
        kSET,
        kSFT,
        kCOM,
        kCOME,
        kCODT,
        kTMRB,
        kTMRC,
        kCALLU,
        kMOVB,
        kMOVW,
        kAXCTL
    };

    // Entry by index; throws std::out_of_range outside 0 .. 36.
    static const FuncInstr& At(int index);
    static const std::array<FuncInstr, kCount>& All();
    static std::uint16_t CodeOf(int index) { return At(index).code; }

    // The entry whose code equals code with its low byte cleared; none below 0x1000 or unknown.
    static const FuncInstr* FindFunctionCode(std::uint16_t code);
    // The entry with the given name (exact, upper case); none if unknown.
    static const FuncInstr* FindByName(std::string_view name);
    // The instruction name of any cell code of a box; empty when not a box code.
    static std::string_view NameOf(std::uint16_t code);

    // For any cell code of a box: outputs left unchanged and false returned for an unknown code.
    static bool BoxSize(std::uint16_t code, int& width, int& height);
    static bool InputRows(std::uint16_t code, int& rows);
    static bool TakesInput(std::uint16_t code);
    static bool DrivesOutput(std::uint16_t code);

    // The pool of the box that code (any cell code of the box) belongs to; kNone for a box that
    // claims no number and for other codes.
    static NumberPool PoolOf(std::uint16_t code);
    // How many numbers a pool holds (0 .. size - 1): 128 counters and timers of each kind, 100
    // labels and subprograms, 256 edges; 0 for kNone.
    static int PoolSize(NumberPool pool);
    // Whether code is the parameter cell that claims its box's number (CTR 1, TMR 1, TMRC 2,
    // TMRB 2, LBL 1, SP 1, DIFU 1, DIFD 1).
    static bool IsNumberParameter(std::uint16_t code);

    // Whether the instruction's box has two lines now but one in the old generation.
    static bool IsTwoLineListed(std::uint16_t code);
    // Whether the old generation lacks the instruction (TMRB, TMRC, CALLU, MOVB, MOVW).
    static bool IsNewGenerationOnly(std::uint16_t code);
};

}  // namespace rungpad
