#include "timing/SvgPainter.h"

#include <charconv>
#include <cmath>

namespace rungpad {

namespace {

std::string ColorText(DiagramColor color) {
    constexpr const char* kHex = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t part : {color.red, color.green, color.blue}) {
        text += kHex[part >> 4];
        text += kHex[part & 0xF];
    }
    return text;
}

// The length of the valid UTF-8 sequence at text[at], 0 when the byte starts none.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    std::uint32_t min = 0;
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    std::uint32_t code = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not characters; nor are
    // U+FFFE and U+FFFF, which XML leaves out.
    const bool valid = code >= min && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF) &&
                       code != 0xFFFE && code != 0xFFFF;
    return valid ? length : 0;
}

}  // namespace

SvgPainter::SvgPainter(double width, double height, std::string_view title) {
    m_head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
        Number(width) + "\" height=\"" + Number(height) + "\" viewBox=\"0 0 " + Number(width) +
        " " + Number(height) + "\" font-family=\"DejaVu Sans Mono, monospace\" font-size=\"" +
        Number(kFontPixels) + "\">\n<title>" + Escape(title) + "</title>\n";
}

void SvgPainter::BeginGroup(std::string_view name) {
    m_body += "<g id=\"" + Escape(name) + "\">\n";
    ++m_depth;
}

void SvgPainter::EndGroup() {
    if (m_depth > 0) {
        m_body += "</g>\n";
        --m_depth;
    }
}

void SvgPainter::FillRect(double x, double y, double width, double height, DiagramColor color) {
    m_body += "<rect x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" width=\"" + Number(width) +
              "\" height=\"" + Number(height) + "\" fill=\"" + ColorText(color) + "\"/>\n";
}

void SvgPainter::Polyline(std::span<const DiagramPoint> points, DiagramColor color) {
    if (points.size() < 2) {
        return;
    }
    m_body += "<polyline fill=\"none\" stroke=\"" + ColorText(color) + "\" points=\"";
    for (std::size_t i = 0; i < points.size(); ++i) {
        m_body += (i == 0 ? "" : " ") + Number(points[i].x) + "," + Number(points[i].y);
    }
    m_body += "\"/>\n";
}

void SvgPainter::Text(double x, double y, std::string_view text, DiagramColor color, Align align) {
    const char* anchor = align == Align::kLeft     ? "start"
                         : align == Align::kCenter ? "middle"
                                                   : "end";
    m_body += "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" fill=\"" + ColorText(color) +
              "\" text-anchor=\"" + anchor + "\">" + Escape(text) + "</text>\n";
}

std::string SvgPainter::Document() const {
    std::string closing;
    for (int i = 0; i < m_depth; ++i) {
        closing += "</g>\n";
    }
    return m_head + m_body + closing + "</svg>\n";
}

std::string SvgPainter::Escape(std::string_view text) {
    std::string escaped;
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        const std::size_t length = Utf8Length(text, at);
        if (length == 0) {
            escaped += '?';
            ++at;
            continue;
        }
        if (length > 1) {
            escaped.append(text.substr(at, length));
        } else if (c == '&') {
            escaped += "&amp;";
        } else if (c == '<') {
            escaped += "&lt;";
        } else if (c == '>') {
            escaped += "&gt;";
        } else if (c == '"') {
            escaped += "&quot;";
        } else if (c == '\'') {
            escaped += "&apos;";
        } else if (static_cast<unsigned char>(c) >= ' ' && c != 0x7F) {
            escaped += c;
        }
        at += length;
    }
    return escaped;
}

std::string SvgPainter::Number(double value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (error != std::errc()) {
        return "0";
    }
    std::string text(buffer, end);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

}  // namespace rungpad
