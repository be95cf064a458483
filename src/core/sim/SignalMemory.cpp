#include "sim/SignalMemory.h"

namespace rungpad {

SignalMemory::SignalMemory() : m_bytes(kSize), m_forceMask(kSize), m_forceValue(kSize) {}

std::uint32_t SignalMemory::Value(std::uint16_t address, int bytes) const {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | m_bytes[static_cast<std::uint16_t>(address + i)];
    }
    return value;
}

void SignalMemory::WriteValue(std::uint16_t address, int bytes, std::uint32_t value) {
    for (int i = 0; i < bytes; ++i) {
        WriteByte(static_cast<std::uint16_t>(address + i),
                  static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void SignalMemory::Force(std::uint16_t address, std::uint8_t mask, std::uint8_t value) {
    if (m_forceMask[address] == 0 && mask != 0) {
        ++m_forceCount;
    }
    m_forceMask[address] = static_cast<std::uint8_t>(m_forceMask[address] | mask);
    m_forceValue[address] =
        static_cast<std::uint8_t>((m_forceValue[address] & ~mask) | (value & mask));
    ApplyForce(address);
}

void SignalMemory::Release(std::uint16_t address, std::uint8_t mask) {
    if (m_forceMask[address] == 0) {
        return;
    }
    m_forceMask[address] = static_cast<std::uint8_t>(m_forceMask[address] & ~mask);
    if (m_forceMask[address] == 0) {
        --m_forceCount;
    }
}

void SignalMemory::ReleaseAll() {
    m_forceMask.assign(kSize, 0);
    m_forceCount = 0;
}

void SignalMemory::Clear() {
    m_bytes.assign(kSize, 0);
    ReleaseAll();
}

}  // namespace rungpad
