#include "sim/StackDepth.h"

#include <algorithm>

#include "convert/StepOpcode.h"

namespace rungpad {

namespace Op = StepOpcode;

bool StackDepth::Apply(int opcode) {
    switch (opcode) {
        case Op::kRd:
        case Op::kRdNot:
        case Op::kRdStk:
        case Op::kRdNotStk:
            ++m_depth;
            return true;
        case Op::kAnd:
        case Op::kAndNot:
        case Op::kOr:
        case Op::kOrNot:
        case Op::kEnd1:
        case Op::kEnd2:
        case Op::kCome:
        case Op::kSpe:
        case Op::kTrailer:
            return true;
        case Op::kWrt:
        case Op::kWrtNot:
        case Op::kSet:
        case Op::kRst:
            return !m_known || m_depth > 0;
        case Op::kAndStk:
        case Op::kOrStk:
        case Op::kCom:
        case Op::kJmpb:
            m_depth = std::max(m_depth - 1, 0);
            return true;
        case Op::kNetworkEnd:
            m_depth = 0;
            m_known = true;
            return true;
        case Op::kLbl:
        case Op::kSp:
        case Op::kCall:
        case Op::kCallu:
            m_known = false;
            return true;
        default:  // a box takes its inputs and leaves its output
            m_depth = std::max(m_depth, 1);
            return true;
    }
}

}  // namespace rungpad
