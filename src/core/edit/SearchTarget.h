#pragma once

#include <string_view>

namespace rungpad {

// The view a find or replace dialog searches in.
class SearchTarget {
  public:
    virtual ~SearchTarget() = default;
    // Modes: 0 find, 1 replace the selected cell if it matches then find, 2 replace all from the
    // first cell, 3 replace all from the selection. direction: 0 down, anything else up.
    virtual bool SearchNext(std::string_view find, int direction, std::string_view replace,
                            int mode) = 0;
    // Hides the selection, puts it on column 0 of line 0 and shows it again.
    virtual void SelectFirstCell() = 0;
};

}  // namespace rungpad
