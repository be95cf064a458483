#pragma once

// An EditorHost for tests: the answers of its dialogs are queued in advance (a missing answer is
// a Cancel), and every request the editor makes is recorded.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "edit/EditorHost.h"

namespace rungpad::test {

class ScriptedEditorHost : public EditorHost {
  public:
    struct ItemAsk {
        std::uint16_t kind;
        std::string shown;  // the text the dialog opened with
    };
    struct NoteAsk {
        std::string address;
        std::string note;
    };

    // Queued answers; std::nullopt cancels that dialog.
    std::deque<std::optional<std::string>> items;
    std::deque<std::optional<std::uint16_t>> functions;
    std::deque<std::optional<unsigned>> insertCounts;
    std::deque<std::optional<std::pair<int, int>>> lineRanges;
    std::deque<std::optional<int>> goLines;
    std::deque<std::optional<std::string>> notes;

    // What the editor asked for.
    std::vector<ItemAsk> itemAsks;
    std::vector<NoteAsk> noteAsks;
    std::vector<std::pair<int, int>> rangeShown;  // the values the range dialog opened with
    std::vector<int> goLineShown;
    std::vector<unsigned> insertShown;
    std::vector<std::string> messages;
    std::vector<GridPos> invalidatedCells;
    int fullRepaints = 0;
    std::vector<int> scrolledTo;

    bool AskItem(std::uint16_t kind, std::string& text) override {
        itemAsks.push_back({kind, text});
        return Answer(items, text);
    }
    bool AskFunctionCode(std::uint16_t& code) override { return Answer(functions, code); }
    bool AskInsertLineCount(unsigned& count) override {
        insertShown.push_back(count);
        return Answer(insertCounts, count);
    }
    bool AskLineRange(int& startLine, int& endLine) override {
        rangeShown.emplace_back(startLine, endLine);
        std::pair<int, int> range{startLine, endLine};
        if (!Answer(lineRanges, range)) {
            return false;
        }
        startLine = range.first;
        endLine = range.second;
        return true;
    }
    bool AskGoLine(int& lineNumber) override {
        goLineShown.push_back(lineNumber);
        return Answer(goLines, lineNumber);
    }
    bool AskNote(std::string_view address, std::string& note) override {
        noteAsks.push_back({std::string(address), note});
        return Answer(notes, note);
    }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    void InvalidateCell(GridPos cell) override { invalidatedCells.push_back(cell); }
    void InvalidateAll() override { ++fullRepaints; }
    void BringLineIntoView(int line) override { scrolledTo.push_back(line); }

  private:
    template <typename T>
    static bool Answer(std::deque<std::optional<T>>& queue, T& value) {
        if (queue.empty()) {
            return false;
        }
        const std::optional<T> answer = queue.front();
        queue.pop_front();
        if (!answer) {
            return false;
        }
        value = *answer;
        return true;
    }
};

}  // namespace rungpad::test
