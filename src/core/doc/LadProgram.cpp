#include "doc/LadProgram.h"

#include <algorithm>
#include <stdexcept>

#include "doc/HostInterfaces.h"

namespace rungpad {

LadProgram::LadProgram(const LadProgram& other) {
    *this = other;
}

LadProgram& LadProgram::operator=(const LadProgram& other) {
    if (this == &other) {
        return *this;
    }
    Clear();
    end1Line = other.end1Line;
    stepCountWord = other.stepCountWord;
    end1Step = other.end1Step;
    m_notes = other.m_notes;
    for (int i = 0; i < other.m_count; ++i) {
        m_lines[i] = TakeLine();
        *m_lines[i] = *other.m_lines[i];
    }
    m_count = other.m_count;
    m_box = other.m_box;
    return *this;
}

LadLine& LadProgram::Line(int i) {
    if (!IsValidLine(i)) {
        throw std::out_of_range("ladder line out of range");
    }
    return *m_lines[i];
}

const LadLine& LadProgram::Line(int i) const {
    if (!IsValidLine(i)) {
        throw std::out_of_range("ladder line out of range");
    }
    return *m_lines[i];
}

NoteText& LadProgram::Note(int i) {
    return m_notes.at(static_cast<std::size_t>(i));
}

const NoteText& LadProgram::Note(int i) const {
    return m_notes.at(static_cast<std::size_t>(i));
}

bool LadProgram::InsertLines(int at, int n) {
    if (n <= 0) {
        return n == 0;
    }
    if (m_count + n >= kMaxLines) {
        if (m_box) {
            m_box->ShowMessage("行数超出范围!");
        }
        return false;
    }
    at = std::clamp(at, 0, m_count);
    // Shift references and notes down by n, then fill the gap with new lines.
    std::move_backward(m_lines.begin() + at, m_lines.begin() + m_count,
                       m_lines.begin() + m_count + n);
    std::move_backward(m_notes.begin() + at, m_notes.begin() + m_count,
                       m_notes.begin() + m_count + n);
    m_count += n;
    for (int i = at; i < at + n; ++i) {
        m_lines[i] = NewLine();
        m_notes[i].Clear();
    }
    return true;
}

void LadProgram::DeleteLines(int at, int n) {
    if (at < 0 || at >= m_count || n <= 0) {
        return;
    }
    n = std::min(n, m_count - at);
    for (int i = at; i < at + n; ++i) {
        Release(std::move(m_lines[i]));
    }
    std::move(m_lines.begin() + at + n, m_lines.begin() + m_count, m_lines.begin() + at);
    // Notes move up; the slots past the new count keep the texts they held.
    std::copy(m_notes.begin() + at + n, m_notes.begin() + m_count, m_notes.begin() + at);
    m_count -= n;
}

void LadProgram::Clear() {
    for (int i = 0; i < m_count; ++i) {
        Release(std::move(m_lines[i]));
    }
    m_count = 0;
}

bool LadProgram::AppendLine(const LadLine& line, const NoteText& note) {
    if (m_count >= kMaxLines) {
        return false;
    }
    m_lines[m_count] = TakeLine();
    *m_lines[m_count] = line;
    m_notes[m_count] = note;
    ++m_count;
    return true;
}

std::unique_ptr<LadLine> LadProgram::TakeLine() {
    if (m_spare.empty()) {
        return std::make_unique<LadLine>();
    }
    std::unique_ptr<LadLine> line = std::move(m_spare.back());
    m_spare.pop_back();
    return line;
}

std::unique_ptr<LadLine> LadProgram::NewLine() {
    std::unique_ptr<LadLine> line = TakeLine();
    *line = LadLine{};
    return line;
}

void LadProgram::Release(std::unique_ptr<LadLine> line) {
    if (line && m_spare.size() < static_cast<std::size_t>(kMaxLines)) {
        m_spare.push_back(std::move(line));
    }
}

bool operator==(const LadProgram& a, const LadProgram& b) {
    if (a.m_count != b.m_count || a.end1Line != b.end1Line || a.stepCountWord != b.stepCountWord ||
        a.end1Step != b.end1Step || a.m_notes != b.m_notes) {
        return false;
    }
    for (int i = 0; i < a.m_count; ++i) {
        if (!(*a.m_lines[i] == *b.m_lines[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace rungpad
