#include "view/PrintLayout.h"

#include <algorithm>

namespace rungpad {

LineRange PrintLayout::PageLines(int page, int lineCount) {
    if (page < 1 || lineCount <= 0 || page > PageCount(lineCount)) {
        return {};
    }
    const int first = kLinesPerPage * (page - 1);
    const int last = std::min(kLinesPerPage * page - 1, lineCount - 1);
    return {first, last};
}

}  // namespace rungpad
