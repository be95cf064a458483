#pragma once

namespace rungpad {

// The depth of the logic stack through a step list, followed in program order as a scan that
// takes no jump runs it. A box leaves at least one value; after a label, a subprogram start or a
// call the depth is not known until the next network closes. So when Apply refuses a coil write,
// the stack is empty there on every path a scan can take.
class StackDepth {
  public:
    // Follows one instruction; false when it writes a coil (WRT, WRT.NOT, SET, RST) and nothing
    // is on the stack.
    bool Apply(int opcode);

  private:
    int m_depth = 0;
    bool m_known = true;
};

}  // namespace rungpad
