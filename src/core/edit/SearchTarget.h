#pragma once

#include <string_view>

namespace rungpad {

// The view a find or replace dialog searches in.
class SearchTarget {
  public:
    // What SearchNext does (its mode): find; replace the selected cell if it matches, then find;
    // replace all from the first cell; replace all from the selection.
    enum Mode : int { kFind = 0, kReplaceSelected = 1, kReplaceAllFirst = 2, kReplaceAllNext = 3 };
    // Directions: 0 down, anything else up.
    static constexpr int kDown = 0;

    virtual ~SearchTarget() = default;
    virtual bool SearchNext(std::string_view find, int direction, std::string_view replace,
                            int mode) = 0;
    // Hides the selection, puts it on column 0 of line 0 and shows it again.
    virtual void SelectFirstCell() = 0;
    // After a Replace or Replace All: writes into the output window how many cells were replaced
    // and which were refused, with their line and error; nothing when nothing was tried.
    virtual void ReportReplacements() = 0;
};

}  // namespace rungpad
