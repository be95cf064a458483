#include "model/NumberRegistry.h"

#include <algorithm>

namespace rungpad {

NumberRegistry::NumberRegistry() {
    for (std::size_t pool = 0; pool < m_pools.size(); ++pool) {
        m_pools[pool].assign(
            static_cast<std::size_t>(FuncInstrTable::PoolSize(static_cast<NumberPool>(pool))), 0);
    }
}

std::span<std::uint8_t> NumberRegistry::Pool(std::uint16_t code) {
    return m_pools[static_cast<std::size_t>(FuncInstrTable::PoolOf(code))];
}

std::span<const std::uint8_t> NumberRegistry::Pool(std::uint16_t code) const {
    return m_pools[static_cast<std::size_t>(FuncInstrTable::PoolOf(code))];
}

NumberRegistry::Claim NumberRegistry::Take(std::uint16_t code, int number) {
    const std::span<std::uint8_t> pool = Pool(code);
    if (pool.empty()) {
        return Claim::kNoPool;
    }
    if (!InRange(code, number)) {
        return Claim::kOutOfRange;
    }
    std::uint8_t& flag = pool[static_cast<std::size_t>(number)];
    if (flag != 0) {
        return Claim::kInUse;
    }
    flag = 1;
    return Claim::kClaimed;
}

void NumberRegistry::Release(std::uint16_t code, int number) {
    if (InRange(code, number)) {
        Pool(code)[static_cast<std::size_t>(number)] = 0;
    }
}

bool NumberRegistry::IsInUse(std::uint16_t code, int number) const {
    return InRange(code, number) && Pool(code)[static_cast<std::size_t>(number)] != 0;
}

bool NumberRegistry::InRange(std::uint16_t code, int number) const {
    return number >= 0 && number < static_cast<int>(Pool(code).size());
}

void NumberRegistry::Clear() {
    for (std::vector<std::uint8_t>& pool : m_pools) {
        std::fill(pool.begin(), pool.end(), std::uint8_t{0});
    }
}

}  // namespace rungpad
