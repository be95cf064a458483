#include "view/DocumentationPrinter.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>

#include "analysis/ProgramDocumentation.h"
#include "model/LadProgram.h"
#include "text/QtText.h"
#include "view/CoilRefMargin.h"
#include "view/LadPainter.h"
#include "view/PagePrinter.h"
#include "view/PdfOutline.h"
#include "view/PrintLayout.h"
#include "view/ViewFonts.h"

namespace rungpad {

namespace {

// Text pages, in the logical units of the ladder pages (0.01 inch, y up).
constexpr int kLeft = 42;
constexpr int kRight = PrintLayout::kPageExtent.width - 42;
constexpr int kFirstRowTop = -60;
constexpr int kRowHeight = 17;
constexpr int kRowsPerPage = 64;
constexpr int kFontSize = 12;
constexpr int kCellGap = 8;
constexpr LogicalPoint kFooterAt{380, -1200};
constexpr int kInstructionColumns = 3;

struct TextItem {
    int x = 0;
    int row = 0;
    QString text;
    bool bold = false;
};

// A page: either ladder page ladderPage (1-based) or text items.
struct Page {
    int ladderPage = 0;
    std::vector<TextItem> items;
};

class Measure {
  public:
    Measure() {
        m_font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        m_font.setPixelSize(kFontSize);
    }
    int Width(const QString& text) const {
        return static_cast<int>(std::ceil(QFontMetricsF(m_font).horizontalAdvance(text)));
    }
    // text in lines no wider than width: broken at spaces, a longer word by characters.
    QStringList Wrap(const QString& text, int width) const {
        QStringList lines;
        QString line;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (Width(joined) <= width) {
                line = joined;
                continue;
            }
            if (!line.isEmpty()) {
                lines << line;
            }
            line = word;
            while (Width(line) > width && line.size() > 1) {
                qsizetype cut = line.size() - 1;
                while (cut > 1 && Width(line.left(cut)) > width) {
                    --cut;
                }
                lines << line.left(cut);
                line = line.mid(cut);
            }
        }
        if (!line.isEmpty() || lines.isEmpty()) {
            lines << line;
        }
        return lines;
    }

  private:
    QFont m_font;
};

// Lays out text pages row by row, starting a new page when one is full.
class TextPages {
  public:
    explicit TextPages(std::vector<Page>& pages) : m_pages(pages) {}
    void StartPage() {
        m_pages.push_back({});
        m_row = 0;
    }
    bool Fits(int rows) const { return m_row + rows <= kRowsPerPage; }
    void Add(int x, int rowOffset, const QString& text, bool bold) {
        m_pages.back().items.push_back({x, m_row + rowOffset, text, bold});
    }
    void Advance(int rows) { m_row += rows; }
    int PageIndex() const { return static_cast<int>(m_pages.size()) - 1; }

  private:
    std::vector<Page>& m_pages;
    int m_row = 0;
};

std::vector<int> ColumnLefts(std::size_t columns) {
    // The first column holds an address, a middle one a note or a finding, the last the rest.
    std::vector<int> lefts{kLeft};
    if (columns >= 2) {
        lefts.push_back(kLeft + 110);
    }
    if (columns >= 3) {
        lefts.push_back(kLeft + 110 + 240);
    }
    return lefts;
}

void LayOutTable(TextPages& pages, const DocumentTable& table, const Measure& measure) {
    pages.StartPage();
    pages.Add(kLeft, 0, QtText::ToQString(table.title), true);
    pages.Advance(2);
    if (table.rows.empty()) {
        pages.Add(kLeft, 0, QtText::ToQString(table.emptyText), false);
        return;
    }
    const std::vector<int> lefts = ColumnLefts(table.headers.size());
    const auto header = [&] {
        for (std::size_t c = 0; c < table.headers.size() && c < lefts.size(); ++c) {
            pages.Add(lefts[c], 0, QtText::ToQString(table.headers[c]), true);
        }
        pages.Advance(1);
    };
    header();
    for (const std::vector<std::string>& row : table.rows) {
        std::vector<QStringList> cells;
        int height = 1;
        for (std::size_t c = 0; c < row.size() && c < lefts.size(); ++c) {
            const int right = c + 1 < lefts.size() ? lefts[c + 1] - kCellGap : kRight;
            cells.push_back(measure.Wrap(QtText::ToQString(row[c]), right - lefts[c]));
            height = std::max(height, static_cast<int>(cells.back().size()));
        }
        // A row stays on one page when it can; one taller than a page goes on over the next.
        if (!pages.Fits(height) && height < kRowsPerPage - 1) {
            pages.StartPage();
            header();
        }
        for (int l = 0; l < height; ++l) {
            if (!pages.Fits(1)) {
                pages.StartPage();
                header();
            }
            for (std::size_t c = 0; c < cells.size(); ++c) {
                if (l < cells[c].size()) {
                    pages.Add(lefts[c], 0, cells[c][l], false);
                }
            }
            pages.Advance(1);
        }
    }
}

void LayOutInstructions(TextPages& pages, const ProgramDocumentation& doc) {
    pages.StartPage();
    pages.Add(kLeft, 0, QStringLiteral("Instruction list"), true);
    pages.Advance(2);
    if (!doc.ConvertProblem().empty()) {
        pages.Add(kLeft, 0,
                  QStringLiteral("The program does not convert: ") +
                      QtText::ToQString(doc.ConvertProblem()),
                  false);
        return;
    }
    const int columnWidth = (kRight - kLeft) / kInstructionColumns;
    int rowsLeft = kRowsPerPage - 2;
    std::size_t i = 0;
    while (i < doc.Instructions().size()) {
        for (int column = 0; column < kInstructionColumns; ++column) {
            for (int row = 0; row < rowsLeft && i < doc.Instructions().size(); ++row, ++i) {
                pages.Add(kLeft + column * columnWidth, row,
                          QtText::ToQString(doc.Instructions()[i]).trimmed(), false);
            }
        }
        if (i < doc.Instructions().size()) {
            pages.StartPage();
            rowsLeft = kRowsPerPage;
        }
    }
}

void LayOutTitle(std::vector<Page>& pages, const ProgramDocumentation& doc,
                 const std::vector<DocumentationPrinter::Section>& sections) {
    Page& title = pages.front();
    title.items.push_back({kLeft, 0, QStringLiteral("Ladder program documentation"), true});
    int row = 2;
    for (const auto& [label, value] : doc.TitleFields()) {
        title.items.push_back({kLeft, row, QtText::ToQString(label), true});
        title.items.push_back({kLeft + 140, row, QtText::ToQString(value), false});
        ++row;
    }
    row += 2;
    title.items.push_back({kLeft, row++, QStringLiteral("Contents"), true});
    for (const DocumentationPrinter::Section& section : sections) {
        title.items.push_back({kLeft, row, section.title, false});
        title.items.push_back(
            {kLeft + 240, row, QStringLiteral("page %1").arg(section.firstPage + 1), false});
        ++row;
    }
}

std::vector<Page> LayOut(const LadProgram& program, const ProgramDocumentation& doc,
                         std::vector<DocumentationPrinter::Section>& sections) {
    std::vector<Page> pages(1);  // the title page
    sections = {{QStringLiteral("Title page"), 0}};
    sections.push_back({QStringLiteral("Ladder diagram"), 1});
    for (int page = 1; page <= PrintLayout::PageCount(program.LineCount()); ++page) {
        pages.push_back({page, {}});
    }
    const Measure measure;
    TextPages text(pages);
    for (const DocumentTable& table : doc.Tables()) {
        sections.push_back({QtText::ToQString(table.title), static_cast<int>(pages.size())});
        LayOutTable(text, table, measure);
    }
    sections.push_back({QStringLiteral("Instruction list"), static_cast<int>(pages.size())});
    LayOutInstructions(text, doc);
    LayOutTitle(pages, doc, sections);
    return pages;
}

void PaintText(QPainter& painter, const LogicalMapping& mapping, const Page& page) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(std::max(1, mapping.HeightToDevice(kFontSize)));
    QFont bold = font;
    bold.setBold(true);
    const int ascent = QFontMetrics(font, painter.device()).ascent();
    for (const TextItem& item : page.items) {
        painter.setFont(item.bold ? bold : font);
        const QPoint at =
            mapping.ToDevice(LogicalPoint{item.x, kFirstRowTop - kRowHeight * item.row});
        painter.drawText(QPoint(at.x(), at.y() + ascent), item.text);
    }
}

void PaintFooter(QPainter& painter, const LogicalMapping& mapping, int page, int count) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(std::max(1, mapping.HeightToDevice(kFontSize)));
    painter.setFont(font);
    const QPoint at = mapping.ToDevice(kFooterAt);
    painter.drawText(QPoint(at.x(), at.y() + QFontMetrics(font, painter.device()).ascent()),
                     QStringLiteral("page %1 of %2").arg(page).arg(count));
}

}  // namespace

bool DocumentationPrinter::Print(QPagedPaintDevice& device, const LadProgram& program,
                                 const ProgramDocumentation& doc, std::vector<Section>& sections) {
    if (program.LineCount() <= 0 || program.LineCount() > LadProgram::kMaxLines) {
        return false;
    }
    const std::vector<Page> pages = LayOut(program, doc, sections);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const LogicalMapping mapping = PagePrinter::PageMapping(device);
    const ViewFonts fonts;
    const Measure measure;
    const CoilRefMargin::Measure coilMeasure = [&measure](const QString& text) {
        return measure.Width(text);
    };
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            device.newPage();
        }
        const Page& page = pages[static_cast<std::size_t>(i)];
        if (page.ladderPage > 0) {
            LadPainter p(painter, mapping, fonts);
            PagePrinter::PrintPage(p, program, page.ladderPage);
            CoilRefMargin::Draw(p, doc.Coils(),
                                PrintLayout::PageLines(page.ladderPage, program.LineCount()),
                                coilMeasure, true);
        } else {
            PaintText(painter, mapping, page);
        }
        PaintFooter(painter, mapping, i + 1, count);
    }
    return painter.end();
}

bool DocumentationPrinter::ToPdf(const LadProgram& program, const ProgramDocumentation& doc,
                                 QByteArray& pdf, QString& problem) {
    // The printer writes where it likes; the caller writes the finished bytes carefully.
    const QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("documentation.pdf"));
    std::vector<Section> sections;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        // The PDF's title: the program's name, as a viewer's title bar and a file list show it.
        for (const auto& [label, value] : doc.TitleFields()) {
            if (label == "File") {
                printer.setDocName(QFileInfo(QString::fromStdString(value)).completeBaseName());
            }
        }
        if (!scratch.isValid() || !Print(printer, program, doc, sections)) {
            problem = tr("nothing was printed");
            return false;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = tr("nothing was printed");
        return false;
    }
    pdf = file.readAll();
    std::vector<PdfOutline::Entry> entries;
    for (const Section& section : sections) {
        entries.push_back({section.title, section.firstPage});
    }
    if (!PdfOutline::Add(pdf, entries)) {
        problem = tr("the bookmarks could not be added");
        return false;
    }
    return true;
}

}  // namespace rungpad
