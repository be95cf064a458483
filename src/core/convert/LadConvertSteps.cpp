// The step list and data table of the binary image.
#include "convert/LadConvert.h"

namespace rungpad {

bool CLadConvert::BuildSteps() {
    return true;
}

const StepRecord& CLadConvert::StepAt(int i) const {
    static constexpr StepRecord kNone{};
    return i >= 0 && i < m_stepCount ? m_steps[static_cast<std::size_t>(i)] : kNone;
}

std::uint16_t CLadConvert::DataWordAt(int i) const {
    return i >= 0 && i < m_data.wordCount ? m_data.words[static_cast<std::size_t>(i)] : 0;
}

bool CLadConvert::BinaryImage(std::vector<std::uint8_t>& image) const {
    image.clear();
    return m_stepsComplete;
}

}  // namespace rungpad
