#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "model/FuncInstrTable.h"

namespace rungpad {

// Which numbers of each pool a box of the program holds: counters, timers (TMR and TMRC), TMRB
// timers, labels, subprograms and edges. The converter claims them afresh before each conversion;
// the editor and undo keep them up to date as boxes are numbered and removed.
class NumberRegistry {
  public:
    enum class Claim { kClaimed, kOutOfRange, kInUse, kNoPool };

    NumberRegistry();

    // Claims number in the pool of the box that code (any cell code of the box) belongs to.
    Claim Take(std::uint16_t code, int number);
    // Gives number back; numbers outside the pool and codes without a pool release nothing.
    void Release(std::uint16_t code, int number);
    bool IsInUse(std::uint16_t code, int number) const;
    // Whether number lies in the pool of code (false for a code without a pool).
    bool InRange(std::uint16_t code, int number) const;
    void Clear();

  private:
    std::span<std::uint8_t> Pool(std::uint16_t code);
    std::span<const std::uint8_t> Pool(std::uint16_t code) const;

    // One in-use flag per number, by pool (kNone holds none).
    std::array<std::vector<std::uint8_t>, 7> m_pools;
};

}  // namespace rungpad
