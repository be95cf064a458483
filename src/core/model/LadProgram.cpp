#include "model/LadProgram.h"

#include <algorithm>
#include <stdexcept>

#include "model/HostInterfaces.h"
#include "model/Messages.h"

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
    m_pastNotes = other.m_pastNotes;
    for (int i = 0; i < other.m_count; ++i) {
        m_slots[i] = TakeSlot();
        *m_slots[i] = *other.m_slots[i];
    }
    m_count = other.m_count;
    m_box = other.m_box;
    return *this;
}

LadProgram::LadProgram(LadProgram&& other) noexcept {
    *this = std::move(other);
}

LadProgram& LadProgram::operator=(LadProgram&& other) noexcept {
    if (this == &other) {
        return *this;
    }
    end1Line = other.end1Line;
    stepCountWord = other.stepCountWord;
    end1Step = other.end1Step;
    m_pool = std::move(other.m_pool);
    m_free = std::move(other.m_free);
    m_slots = other.m_slots;
    m_pastNotes = other.m_pastNotes;
    m_count = other.m_count;
    m_box = other.m_box;
    // The slots now belong to this program: the other is left empty and usable.
    other.m_pool.clear();
    other.m_free.clear();
    other.m_slots.fill(nullptr);
    other.m_count = 0;
    return *this;
}

void LadProgram::ThrowLineOutOfRange() {
    throw std::out_of_range("ladder line out of range");
}

NoteText& LadProgram::Note(int i) {
    if (i < 0 || i >= kMaxLines) {
        throw std::out_of_range("note slot out of range");
    }
    return i < m_count ? m_slots[i]->note : m_pastNotes[i];
}

const NoteText& LadProgram::Note(int i) const {
    if (i < 0 || i >= kMaxLines) {
        throw std::out_of_range("note slot out of range");
    }
    return i < m_count ? m_slots[i]->note : m_pastNotes[i];
}

bool LadProgram::InsertLines(int at, int n) {
    if (n <= 0) {
        return n == 0;
    }
    if (m_count + n >= kMaxLines) {
        if (m_box) {
            m_box->ShowMessage(Messages::Text("行数超出范围!"));
        }
        return false;
    }
    at = std::clamp(at, 0, m_count);
    std::copy_backward(m_slots.begin() + at, m_slots.begin() + m_count,
                       m_slots.begin() + m_count + n);
    m_count += n;
    for (int i = at; i < at + n; ++i) {
        m_slots[i] = TakeSlot();
        *m_slots[i] = Slot{};
    }
    return true;
}

void LadProgram::DeleteLines(int at, int n) {
    if (at < 0 || at >= m_count || n <= 0) {
        return;
    }
    n = std::min(n, m_count - at);
    // The note slots that fall past the new count keep the texts they hold now.
    KeepNotes(m_count - n, m_count);
    ReleaseSlots(at, at + n);
    std::copy(m_slots.begin() + at + n, m_slots.begin() + m_count, m_slots.begin() + at);
    m_count -= n;
}

void LadProgram::Clear() {
    KeepNotes(0, m_count);
    ReleaseSlots(0, m_count);
    m_count = 0;
}

bool LadProgram::AppendLine(const LadLine& line, const NoteText& note) {
    if (m_count >= kMaxLines) {
        return false;
    }
    m_slots[m_count] = TakeSlot();
    m_slots[m_count]->line = line;
    m_slots[m_count]->note = note;
    ++m_count;
    return true;
}

LadProgram::Slot* LadProgram::TakeSlot() {
    if (m_free.empty()) {
        m_pool.push_back(std::make_unique<Slot>());
        return m_pool.back().get();
    }
    Slot* slot = m_free.back();
    m_free.pop_back();
    return slot;
}

void LadProgram::ReleaseSlots(int from, int to) {
    for (int i = from; i < to; ++i) {
        m_free.push_back(m_slots[i]);
        m_slots[i] = nullptr;
    }
}

void LadProgram::KeepNotes(int from, int to) {
    for (int i = from; i < to; ++i) {
        m_pastNotes[i] = m_slots[i]->note;
    }
}

bool operator==(const LadProgram& a, const LadProgram& b) {
    if (a.m_count != b.m_count || a.end1Line != b.end1Line || a.stepCountWord != b.stepCountWord ||
        a.end1Step != b.end1Step) {
        return false;
    }
    for (int i = 0; i < LadProgram::kMaxLines; ++i) {
        if (!(a.Note(i) == b.Note(i))) {
            return false;
        }
    }
    for (int i = 0; i < a.m_count; ++i) {
        if (!(a.m_slots[i]->line == b.m_slots[i]->line)) {
            return false;
        }
    }
    return true;
}

}  // namespace rungpad
