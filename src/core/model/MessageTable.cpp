#include "model/MessageTable.h"

#include <array>

namespace rungpad {

namespace {

// Keep each area's messages together; the order does not matter for the look-up.
constexpr std::array kEntries{
    // --- conversion, editing, document (core/model, convert, edit, undo, document, analysis)
    MessageEntry{"1011 地址数据未正确输入", "1011 地址数据未正确输入",
                 "1011 address data not entered correctly"},

    // --- simulation, timing and the command-line tool (core/sim, core/timing, src/cli)

};

}  // namespace

std::span<const MessageEntry> MessageTable::Entries() {
    return kEntries;
}

}  // namespace rungpad
