#pragma once

#include <array>
#include <string_view>

namespace rungpad {

// The opcodes of the step records: position in the table = opcode. The converter looks
// mnemonics up here and the scan engine decodes records by the same numbers.
namespace StepOpcode {

inline constexpr std::array<std::string_view, 56> kNames{
    "NO",     "RD",     "RD.NOT",     "AND",   "AND.NOT", "WRT.NOT", "WRT",     "OR",
    "OR.NOT", "RD.STK", "RD.NOT.STK", "GET",   "REG",     "13",      "AND.STK", "15",
    "OR.STK", "END1",   "END2",       "SPE",   "COM",     "COME",    "22",      "DIFU",
    "DIFD",   "SET",    "RST",        "JMPB",  "CALL",    "LBL",     "SP",      "COMP",
    "COIN",   "TMR",    "CTR",        "MOVN",  "DEC",     "COD",     "ROT",     "DSCH",
    "ADD",    "SUB",    "XMOV",       "ANDF",  "ORF",     "EOR",     "NOT",     "SFT",
    "CODT",   "TMRB",   "TMRC",       "CALLU", "MOVB",    "MOVW",    "AXCTL",   "STOP"};

inline constexpr int kRd = 1, kRdNot = 2, kAnd = 3, kAndNot = 4, kWrtNot = 5, kWrt = 6, kOr = 7,
                     kOrNot = 8, kRdStk = 9, kRdNotStk = 10, kAndStk = 14, kOrStk = 16, kEnd1 = 17,
                     kEnd2 = 18, kSpe = 19, kCom = 20, kCome = 21, kNetworkEnd = 22, kDifu = 23,
                     kDifd = 24, kSet = 25, kRst = 26, kJmpb = 27, kCall = 28, kLbl = 29, kSp = 30,
                     kComp = 31, kCoin = 32, kTmr = 33, kCtr = 34, kMovn = 35, kDec = 36, kCod = 37,
                     kRot = 38, kDsch = 39, kAdd = 40, kSub = 41, kXmov = 42, kAndf = 43, kOrf = 44,
                     kEor = 45, kNot = 46, kSft = 47, kCodt = 48, kTmrb = 49, kTmrc = 50,
                     kCallu = 51, kMovb = 52, kMovw = 53, kAxctl = 54, kStop = 55;
inline constexpr int kTrailer = 254;

// The mnemonic of an opcode; "TRAILER" for the trailer, "?" outside the table.
inline constexpr std::string_view NameOf(int opcode) {
    if (opcode == kTrailer) {
        return "TRAILER";
    }
    return opcode >= 0 && opcode < static_cast<int>(kNames.size())
               ? kNames[static_cast<std::size_t>(opcode)]
               : std::string_view{"?"};
}

}  // namespace StepOpcode

}  // namespace rungpad
