#include "edit/ReplaceButtons.h"

#include "edit/SearchTarget.h"
#include "model/HostInterfaces.h"
#include "model/LadLine.h"
#include "model/LadProgram.h"
#include "model/Messages.h"

namespace rungpad {

bool ReplaceButtons::OnFind(std::string_view find, int direction, SearchTarget& view,
                            MessageBoxHost& box) {
    const bool found = view.SearchNext(find, direction, {}, SearchTarget::kFind);
    if (!found) {
        box.ShowMessage(Messages::Text(kNotFound));
    }
    return found;
}

bool ReplaceButtons::Press(bool& wrap, std::string_view find, std::string_view replace, int mode,
                           SearchTarget& view, MessageBoxHost& box) {
    if (wrap) {
        view.SelectFirstCell();
        wrap = false;
    }
    const bool found = view.SearchNext(find, SearchTarget::kDown, replace, mode);
    if (!found) {
        wrap = true;
        box.ShowMessage(Messages::Text(kNotFound));
    }
    return found;
}

bool ReplaceButtons::OnFindNext(std::string_view find, SearchTarget& view, MessageBoxHost& box) {
    return Press(m_findNextWrap, find, {}, SearchTarget::kFind, view, box);
}

bool ReplaceButtons::OnReplace(std::string_view find, std::string_view replace, SearchTarget& view,
                               MessageBoxHost& box) {
    const bool found =
        Press(m_replaceWrap, find, replace, SearchTarget::kReplaceSelected, view, box);
    view.ReportReplacements();
    return found;
}

int ReplaceButtons::OnReplaceAll(std::string_view find, std::string_view replace,
                                 SearchTarget& view, MessageBoxHost& box) {
    // Every call moves on past the cell it replaced, so the cells of the program bound the loop.
    constexpr int kMostCells = LadProgram::kMaxLines * LadLine::kColumns;
    int replaced = 0;
    if (view.SearchNext(find, SearchTarget::kDown, replace, SearchTarget::kReplaceAllFirst)) {
        ++replaced;
        while (replaced < kMostCells &&
               view.SearchNext(find, SearchTarget::kDown, replace, SearchTarget::kReplaceAllNext)) {
            ++replaced;
        }
    }
    box.ShowMessage(Messages::Text(kAllReplaced));
    view.ReportReplacements();
    return replaced;
}

}  // namespace rungpad
