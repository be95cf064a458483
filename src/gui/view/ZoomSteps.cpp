#include "view/ZoomSteps.h"

#include <algorithm>
#include <array>

namespace rungpad {

namespace {

constexpr std::array<int, 13> kSteps = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

}  // namespace

int ZoomSteps::In(int percent) {
    const auto* next = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.end() ? kMax : *next;
}

int ZoomSteps::Out(int percent) {
    const auto* below = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return below == kSteps.begin() ? kMin : *(below - 1);
}

int ZoomSteps::Clamp(int percent) {
    return std::clamp(percent, kMin, kMax);
}

int ZoomSteps::ToFit(int available, int needed) {
    if (needed <= 0) {
        return kNormal;
    }
    return Clamp(static_cast<int>(static_cast<long long>(std::max(available, 0)) * 100 / needed));
}

}  // namespace rungpad
