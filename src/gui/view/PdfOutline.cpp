#include "view/PdfOutline.h"

#include <QRegularExpression>
#include <optional>

namespace rungpad {

namespace {

struct Structure {
    qsizetype startXref = 0;    // offset of the last cross-reference section
    int size = 0;               // the trailer's /Size: the next free object number
    int root = 0;               // the catalog's object number
    QByteArray rootDictionary;  // the catalog's dictionary without its closing ">>"
    QByteArray extraTrailer;    // /Info and /ID of the old trailer, carried over
    std::vector<int> pages;     // page object numbers in page order
};

std::optional<int> IntAfter(const QByteArray& text, const char* pattern) {
    const QRegularExpression re(QString::fromLatin1(pattern));
    const QRegularExpressionMatch m = re.match(QString::fromLatin1(text));
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = m.captured(1).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The text of object number, from "N 0 obj" to its "endobj"; its last definition, which is
// the one in force after incremental updates.
std::optional<QByteArray> ObjectText(const QByteArray& pdf, int number) {
    const QByteArray head = QByteArray::number(number) + " 0 obj";
    std::optional<QByteArray> found;
    qsizetype at = 0;
    while ((at = pdf.indexOf(head, at)) >= 0) {
        // Whole object numbers only: "12 0 obj" must not match inside "112 0 obj".
        if (at == 0 || pdf.at(at - 1) == '\n' || pdf.at(at - 1) == '\r') {
            const qsizetype end = pdf.indexOf("endobj", at);
            if (end < 0) {
                return std::nullopt;
            }
            found = pdf.mid(at + head.size(), end - at - head.size());
        }
        at += head.size();
    }
    return found;
}

std::optional<Structure> Read(const QByteArray& pdf) {
    Structure s;
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    if (startxref < 0 || trailer < 0 || trailer > startxref) {
        return std::nullopt;
    }
    const QByteArray trailerText = pdf.mid(trailer, startxref - trailer);
    const auto xrefAt = IntAfter(pdf.mid(startxref, 40), R"(startxref\s+(\d+))");
    const auto size = IntAfter(trailerText, R"(/Size\s+(\d+))");
    const auto root = IntAfter(trailerText, R"(/Root\s+(\d+)\s+0\s+R)");
    if (!xrefAt || !size || !root || pdf.mid(*xrefAt, 4) != "xref") {
        return std::nullopt;  // a cross-reference stream or a damaged file: left alone
    }
    s.startXref = *xrefAt;
    s.size = *size;
    s.root = *root;
    const QRegularExpression carried(QStringLiteral(R"((/Info\s+\d+\s+0\s+R|/ID\s*\[[^\]]*\]))"));
    for (const QRegularExpressionMatch& m : carried.globalMatch(QString::fromLatin1(trailerText))) {
        s.extraTrailer += ' ' + m.captured(1).toLatin1();
    }
    const auto catalog = ObjectText(pdf, s.root);
    if (!catalog || catalog->contains("/Outlines")) {
        return std::nullopt;
    }
    const qsizetype close = catalog->lastIndexOf(">>");
    const qsizetype open = catalog->indexOf("<<");
    if (open < 0 || close <= open) {
        return std::nullopt;
    }
    s.rootDictionary = catalog->mid(open, close - open);
    const auto pagesRoot = IntAfter(*catalog, R"(/Pages\s+(\d+)\s+0\s+R)");
    const auto pagesText = pagesRoot ? ObjectText(pdf, *pagesRoot) : std::nullopt;
    if (!pagesText) {
        return std::nullopt;
    }
    const qsizetype kids = pagesText->indexOf("/Kids");
    const qsizetype kidsOpen = pagesText->indexOf('[', kids);
    const qsizetype kidsClose = pagesText->indexOf(']', kidsOpen);
    if (kids < 0 || kidsOpen < 0 || kidsClose < 0) {
        return std::nullopt;
    }
    const QRegularExpression ref(QStringLiteral(R"((\d+)\s+0\s+R)"));
    const QString list = QString::fromLatin1(pagesText->mid(kidsOpen, kidsClose - kidsOpen));
    for (const QRegularExpressionMatch& m : ref.globalMatch(list)) {
        const int page = m.captured(1).toInt();
        // A flat page tree only: a kid that is itself a page tree node is not followed.
        const auto kid = ObjectText(pdf, page);
        if (!kid || !kid->contains("/Type /Page") || kid->contains("/Type /Pages")) {
            return std::nullopt;
        }
        s.pages.push_back(page);
    }
    return s;
}

QByteArray PdfString(const QString& title) {
    QByteArray text = "(";
    for (const QChar c : title) {
        const char16_t u = c.unicode();
        const char ascii = u >= 0x20 && u < 0x7f ? static_cast<char>(u) : '?';
        if (ascii == '(' || ascii == ')' || ascii == '\\') {
            text += '\\';
        }
        text += ascii;
    }
    return text + ')';
}

QByteArray Ref(int number) {
    return QByteArray::number(number) + " 0 R";
}

}  // namespace

bool PdfOutline::Add(QByteArray& pdf, const std::vector<Entry>& entries) {
    const std::optional<Structure> s = Read(pdf);
    if (!s || entries.empty()) {
        return false;
    }
    for (const Entry& entry : entries) {
        if (entry.page < 0 || entry.page >= static_cast<int>(s->pages.size())) {
            return false;
        }
    }
    const int outline = s->size;
    const int first = outline + 1;
    const int last = outline + static_cast<int>(entries.size());
    QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    std::vector<std::pair<int, qsizetype>> offsets;
    const auto addObject = [&](int number, const QByteArray& dictionary) {
        offsets.emplace_back(number, pdf.size() + update.size());
        update += QByteArray::number(number) + " 0 obj\n" + dictionary + "\nendobj\n";
    };
    addObject(s->root,
              s->rootDictionary + " /Outlines " + Ref(outline) + " /PageMode /UseOutlines >>");
    addObject(outline, "<< /Type /Outlines /First " + Ref(first) + " /Last " + Ref(last) +
                           " /Count " + QByteArray::number(static_cast<int>(entries.size())) +
                           " >>");
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const Entry& entry = entries[static_cast<std::size_t>(i)];
        QByteArray item = "<< /Title " + PdfString(entry.title) + " /Parent " + Ref(outline);
        if (first + i > first) {
            item += " /Prev " + Ref(first + i - 1);
        }
        if (first + i < last) {
            item += " /Next " + Ref(first + i + 1);
        }
        item += " /Dest [" + Ref(s->pages[static_cast<std::size_t>(entry.page)]) +
                " /XYZ null null null] >>";
        addObject(first + i, item);
    }
    const qsizetype xref = pdf.size() + update.size();
    const auto entryLine = [](qsizetype offset) {
        return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    };
    update += "xref\n" + QByteArray::number(s->root) + " 1\n" + entryLine(offsets[0].second);
    update += QByteArray::number(outline) + ' ' + QByteArray::number(last - outline + 1) + '\n';
    for (std::size_t i = 1; i < offsets.size(); ++i) {
        update += entryLine(offsets[i].second);
    }
    update += "trailer\n<< /Size " + QByteArray::number(last + 1) + " /Root " + Ref(s->root) +
              s->extraTrailer + " /Prev " + QByteArray::number(s->startXref) + " >>\nstartxref\n" +
              QByteArray::number(xref) + "\n%%EOF\n";
    pdf += update;
    return true;
}

}  // namespace rungpad
