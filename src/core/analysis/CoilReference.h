#pragma once

#include <string>
#include <vector>

namespace rungpad {

// A contact that reads an address some coil or box writes.
struct ContactReference {
    int line = 0;         // 0-based
    int column = 0;       // 0-based
    bool closed = false;  // a normally closed contact

    friend bool operator==(const ContactReference&, const ContactReference&) = default;
};

// One write of an address (a coil, a negated coil, a SET or RST box, a function output) with
// the contacts that read what it writes, in program order, one per line and contact kind.
struct CoilReference {
    int line = 0;    // 0-based
    int column = 0;  // 0-based
    std::string address;
    std::vector<ContactReference> contacts;

    // "12 40 /57": the contacts' lines counted from 1, "/" before a normally closed one.
    std::string Text() const;
    // One contact's part of that text.
    static std::string ContactText(const ContactReference& contact);

    friend bool operator==(const CoilReference&, const CoilReference&) = default;
};

}  // namespace rungpad
