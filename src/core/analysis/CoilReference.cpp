#include "analysis/CoilReference.h"

namespace rungpad {

std::string CoilReference::ContactText(const ContactReference& contact) {
    return (contact.closed ? "/" : "") + std::to_string(contact.line + 1);
}

std::string CoilReference::Text() const {
    std::string text;
    for (const ContactReference& contact : contacts) {
        if (!text.empty()) {
            text += ' ';
        }
        text += ContactText(contact);
    }
    return text;
}

}  // namespace rungpad
