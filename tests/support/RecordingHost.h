#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/HostInterfaces.h"

namespace rungpad::test {

// Records everything core says through the message channel and message boxes, in order, so tests
// can check texts and their sequence.
class RecordingHost : public MessageChannel, public MessageBoxHost {
  public:
    struct Event {
        std::string kind;  // "line", "clear", "text", "note", "list", "clearList", "box"
        std::string text;
        bool operator==(const Event&) const = default;
    };

    void OutputLine(std::string_view text) override { Add("line", text); }
    void ClearOutput() override { Add("clear", ""); }
    void SetOutputText(std::string_view text) override { Add("text", text); }
    void ShowCellNote(std::string_view note) override { Add("note", note); }
    void ShowInstructionList(const std::vector<std::string>& lines) override {
        instructionList = lines;
        Add("list", "");
    }
    void ClearInstructionWindow() override { Add("clearList", ""); }
    void ShowMessage(std::string_view text) override { Add("box", text); }

    // Texts of the events of one kind, in order.
    std::vector<std::string> Texts(std::string_view kind) const {
        std::vector<std::string> out;
        for (const Event& e : events) {
            if (e.kind == kind) {
                out.push_back(e.text);
            }
        }
        return out;
    }
    std::vector<std::string> Lines() const { return Texts("line"); }
    std::vector<std::string> Boxes() const { return Texts("box"); }
    void Reset() { events.clear(); }

    std::vector<Event> events;
    std::vector<std::string> instructionList;

  private:
    void Add(std::string_view kind, std::string_view text) {
        events.push_back({std::string(kind), std::string(text)});
    }
};

}  // namespace rungpad::test
