#pragma once

#include <string_view>

namespace rungpad {

class MessageBoxHost;
class SearchTarget;

// What the buttons of the find and replace dialogs do, on the view they search in. The two wrap
// flags outlive every replace dialog: the application owns one ReplaceButtons and hands it to
// each replace dialog it opens. After an unsuccessful FIND NEXT (or REPLACE), the next press of
// the same button starts again at the top of the program.
class ReplaceButtons {
  public:
    static constexpr std::string_view kNotFound = "没有找到要查找的内容。";
    static constexpr std::string_view kAllReplaced = "全部替换完成。";

    // The find dialog's Find button. direction: 0 down, 1 up.
    static bool OnFind(std::string_view find, int direction, SearchTarget& view,
                       MessageBoxHost& box);

    bool OnFindNext(std::string_view find, SearchTarget& view, MessageBoxHost& box);
    bool OnReplace(std::string_view find, std::string_view replace, SearchTarget& view,
                   MessageBoxHost& box);
    // Replaces every match from the top of the program; returns the number of matches met (the
    // refused ones included). Both replace buttons end with the view's report of what they did.
    static int OnReplaceAll(std::string_view find, std::string_view replace, SearchTarget& view,
                            MessageBoxHost& box);

    bool FindNextWraps() const { return m_findNextWrap; }
    bool ReplaceWraps() const { return m_replaceWrap; }

  private:
    static bool Press(bool& wrap, std::string_view find, std::string_view replace, int mode,
                      SearchTarget& view, MessageBoxHost& box);

    bool m_findNextWrap = false;
    bool m_replaceWrap = false;
};

}  // namespace rungpad
