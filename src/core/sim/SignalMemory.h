#pragma once

#include <cstdint>
#include <vector>

namespace rungpad {

// The simulated signal memory: one byte per 16-bit operand of the binary image, so every record
// reads and writes exactly where its operand points (X at 0x8090, DT at 0x8100, ...). Multi-byte
// values are little-endian, low byte at the operand. Addresses wrap inside the 64 KiB, so no
// operand can reach outside the array.
//
// Forced bits hold their forced value: every write leaves them as they are until they are
// released (how a commissioning engineer isolates one network).
class SignalMemory {
  public:
    static constexpr std::size_t kSize = 0x10000;

    SignalMemory();

    std::uint8_t Byte(std::uint16_t address) const { return m_bytes[address]; }
    bool Bit(std::uint16_t address, std::uint8_t mask) const {
        return (m_bytes[address] & mask) != 0;
    }
    // bytes (1 to 4) little-endian from address on.
    std::uint32_t Value(std::uint16_t address, int bytes) const;

    void WriteBit(std::uint16_t address, std::uint8_t mask, bool on) {
        std::uint8_t& byte = m_bytes[address];
        byte =
            on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
        if (m_forceMask[address] != 0) {
            ApplyForce(address);
        }
    }
    void WriteByte(std::uint16_t address, std::uint8_t value) {
        m_bytes[address] = value;
        if (m_forceMask[address] != 0) {
            ApplyForce(address);
        }
    }
    void WriteValue(std::uint16_t address, int bytes, std::uint32_t value);

    // Forces the bits of mask at address to the matching bits of value.
    void Force(std::uint16_t address, std::uint8_t mask, std::uint8_t value);
    void Release(std::uint16_t address, std::uint8_t mask);
    void ReleaseAll();
    std::uint8_t ForceMask(std::uint16_t address) const { return m_forceMask[address]; }
    bool HasForces() const { return m_forceCount != 0; }

    // Every byte 0, every force released.
    void Clear();

  private:
    void ApplyForce(std::uint16_t address) {
        const std::uint8_t mask = m_forceMask[address];
        m_bytes[address] =
            static_cast<std::uint8_t>((m_bytes[address] & ~mask) | (m_forceValue[address] & mask));
    }

    std::vector<std::uint8_t> m_bytes;
    std::vector<std::uint8_t> m_forceMask;
    std::vector<std::uint8_t> m_forceValue;
    int m_forceCount = 0;  // bytes with at least one forced bit
};

}  // namespace rungpad
