// Drawing of the ladder grid, checked pixel by pixel where the elements belong. Images are made
// at 100 DPI, so the logical point (x, y) is the pixel (x, -y).

#include <QTest>

#include <cstdlib>
#include <random>
#include "GuiTestSupport.h"

#include "model/TextCodec.h"
#include "view/ElementIcons.h"
#include "view/PagePrinter.h"
#include "view/PrintLayout.h"

using namespace rungpad;
using namespace rungpad::test;

namespace {

struct Probe {
    int dx;  // from the cell's left edge
    int dy;  // from the cell's top edge, downwards positive
};

}  // namespace

Q_DECLARE_METATYPE(std::vector<Probe>)

class TestLadRenderer : public QObject {
    Q_OBJECT

  private slots:
    void rails() {
        // A program of 3 lines: rails from y -22 down to -162, two units wide.
        const QImage image = RenderProgram(MakeProgram(3));
        for (int x : {GridGeometry::kLeftRail, GridGeometry::kRightRail}) {
            QVERIFY(Dark(image, x, -22));
            QVERIFY(Dark(image, x, -100));
            QVERIFY(Dark(image, x, -161));
            QVERIFY(!Dark(image, x, -20));
            QVERIFY(!Dark(image, x, -164));
            QCOMPARE(DarkCount(image, {x - 3, -100, x + 4, -101}), 2);
        }
    }

    void lineNumbers() {
        // "0001" to "0003" beside the left rail, at y -62, -102, -142; nothing for a fourth line.
        const QImage image = RenderProgram(MakeProgram(3));
        for (int line = 0; line < 3; ++line) {
            const int top = -62 - 40 * line;
            QVERIFY(DarkCount(image, {22, top, 70, top - 16}) > 10);
            QCOMPARE(DarkCount(image, {0, top, 21, top - 16}), 0);
        }
        QCOMPARE(DarkCount(image, {0, -182, 70, -240}), 0);
        QCOMPARE(LadRenderer::LineNumberText(0), QStringLiteral("0001"));
        QCOMPARE(LadRenderer::LineNumberText(1599), QStringLiteral("1600"));
    }

    void nothingForAnEmptyProgram() {
        const QImage image = RenderProgram(MakeProgram(0));
        QCOMPARE(DarkCount(image, {0, 0, image.width(), -image.height()}), 0);
    }

    void element_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<std::vector<Probe>>("dark");
        QTest::addColumn<std::vector<Probe>>("light");
        QTest::addColumn<bool>("hasText");
        // horizontal line across the whole cell at wire height
        QTest::newRow("horizontal line")
            << int(Element::kHLine) << std::vector<Probe>{{0, 32}, {35, 32}, {69, 32}}
            << std::vector<Probe>{{35, 31}, {35, 33}, {35, 20}} << false;
        // normally open: two wire pieces and two bars 12 high, a gap between the bars
        QTest::newRow("normally open")
            << int(Element::kNoContact)
            << std::vector<Probe>{{0, 32},  {31, 32}, {32, 26}, {32, 37},
                                  {38, 26}, {38, 37}, {39, 32}, {69, 32}}
            << std::vector<Probe>{{35, 32}, {35, 28}, {35, 36}, {32, 24}, {32, 40}} << true;
        // normally closed: the same bars joined by a slash through the gap
        QTest::newRow("normally closed")
            << int(Element::kNcContact)
            << std::vector<Probe>{{0, 32}, {32, 26}, {32, 37}, {38, 26}, {38, 37}, {35, 32}}
            << std::vector<Probe>{{35, 27}, {35, 37}, {32, 24}} << true;
        // coil: the wire, hidden inside the filled circle
        QTest::newRow("coil") << int(Element::kCoil)
                              << std::vector<Probe>{{0, 32}, {30, 32}, {42, 25}, {55, 32}, {69, 32}}
                              << std::vector<Probe>{{42, 32}, {38, 32}, {46, 32}, {42, 22}} << true;
        // negated coil: a small circle before the coil
        QTest::newRow("negated coil")
            << int(Element::kNegCoil)
            << std::vector<Probe>{{0, 32}, {20, 32}, {31, 30}, {42, 25}, {69, 32}}
            << std::vector<Probe>{{42, 32}, {46, 32}} << true;
        // empty: nothing at all
        QTest::newRow("empty") << int(Element::kEmpty) << std::vector<Probe>{}
                               << std::vector<Probe>{{0, 32}, {35, 32}, {69, 32}} << false;
    }
    void element() {
        QFETCH(int, code);
        QFETCH(std::vector<Probe>, dark);
        QFETCH(std::vector<Probe>, light);
        QFETCH(bool, hasText);
        LadProgram program = MakeProgram(3);
        SetCell(program, 2, 1, static_cast<std::uint16_t>(code), "X000.1");
        const QImage image = RenderProgram(program);
        const int x = GridGeometry::CellLeft(2);
        const int t = GridGeometry::LineTop(1);
        for (const Probe& probe : dark) {
            QVERIFY2(Dark(image, x + probe.dx, t - probe.dy),
                     qPrintable(QString("dark at %1,%2").arg(probe.dx).arg(probe.dy)));
        }
        for (const Probe& probe : light) {
            QVERIFY2(!Dark(image, x + probe.dx, t - probe.dy),
                     qPrintable(QString("light at %1,%2").arg(probe.dx).arg(probe.dy)));
        }
        // The address text sits above the wire, its top left corner at (x + 7, t - 5).
        const int textPixels = DarkCount(image, {x + 7, t - 5, x + 65, t - 22});
        QCOMPARE(textPixels > 10, hasText);
        QCOMPARE(DarkCount(image, {x, t, x + 70, t - 5}), 0);
    }

    void verticalLink() {
        // A link in cell (2, 4): a line at x 281 from y -234 down to -274, also on an empty cell.
        LadProgram program = MakeProgram(6);
        program.Cell(2, 4).vlink = 1;
        const QImage image = RenderProgram(program);
        QVERIFY(Dark(image, 281, -234));
        QVERIFY(Dark(image, 281, -254));
        QVERIFY(Dark(image, 281, -273));
        QVERIFY(!Dark(image, 281, -232));
        QVERIFY(!Dark(image, 281, -276));
        QVERIFY(!Dark(image, 280, -254));
        QVERIFY(!Dark(image, 282, -254));
    }

    void highlightInvertsTheCell() {
        // A selected cell (3, 0) inverts x 281 to 351, y -42 to -82, interior included.
        LadProgram program = MakeProgram(2);
        SetCell(program, 3, 0, Element::kHLine);
        program.Cell(3, 0).highlight = 1;
        const QImage image = RenderProgram(program);
        QVERIFY(Dark(image, 281, -42));
        QVERIFY(Dark(image, 350, -81));
        QVERIFY(Dark(image, 300, -60));
        QVERIFY(!Dark(image, 310, -74));  // the wire shows white on black
        QVERIFY(!Dark(image, 280, -60));
        QVERIFY(!Dark(image, 351, -60));
        QVERIFY(!Dark(image, 300, -41));
        QVERIFY(!Dark(image, 300, -82));
    }

    void highlightWithoutRasterOpsLooksTheSame() {
        // Printers cannot invert pixels; they draw white ink on a black cell instead, and the
        // result must be what the screen shows, also where rails, links, wire ends and box frames
        // of neighbouring cells reach into a highlighted cell.
        LadProgram program = MakeProgram(5);
        SetCell(program, 0, 0, Element::kNoContact, "X000.0");
        SetCell(program, 1, 0, Element::kHLine);
        SetCell(program, 2, 0, Element::kNcContact, "R1.1");
        SetCell(program, 7, 0, Element::kNegCoil, "Y1.0");
        SetCell(program, 7, 1, Element::kCoil);
        program.Cell(1, 0).vlink = 1;
        program.Cell(6, 1).vlink = 1;
        PlaceBox(program, FuncInstrTable::kTMR, 3, 2, "5");
        for (int column = 0; column < 8; ++column) {
            program.Cell(column, 0).highlight = 1;
        }
        program.Cell(4, 3).highlight = 1;
        program.Cell(7, 2).highlight = 1;
        const QImage inverted = RenderProgram(program);
        QImage inked = BlankImage(inverted.size());
        {
            QPainter painter(&inked);
            const ViewFonts fonts(100.0);
            LadPainter p(painter, LogicalMapping::ForDevice(inked), fonts);
            QVERIFY(p.CanInvert());
            p.SetCanInvert(false);
            LadRenderer::DrawView(p, program, {0, 4});
        }
        QCOMPARE(inked, inverted);
    }

    void multiLineBox() {
        // A CTR box at column 3 of lines 10 to 13: open at the bottom with "CTR" and the counter
        // number on line 10, sides only on lines 11 and 12, open at the top on line 13.
        LadProgram program = MakeProgram(16);
        PlaceBox(program, FuncInstrTable::kCTR, 3, 10, "12");
        const QImage image = RenderProgram(program, {1220, 800});
        for (int column : {3, 4}) {
            const int x = GridGeometry::CellLeft(column);
            const auto at = [&](int line) { return GridGeometry::LineTop(line); };
            // line 10
            QVERIFY(Dark(image, x + 35, at(10) - 12));
            QVERIFY(Dark(image, x, at(10) - 30));
            QVERIFY(Dark(image, x + 70, at(10) - 30));
            QVERIFY(!Dark(image, x + 35, at(10) - 38));
            QVERIFY(DarkCount(image, {x + 7, at(10) - 15, x + 60, at(10) - 30}) > 5);
            // lines 11 and 12
            for (int line : {11, 12}) {
                QVERIFY(Dark(image, x, at(line) - 20));
                QVERIFY(Dark(image, x + 70, at(line) - 20));
                QCOMPARE(DarkCount(image, {x + 2, at(line), x + 69, at(line) - 40}), 0);
            }
            // line 13
            QVERIFY(Dark(image, x + 35, at(13) - 38));
            QVERIFY(Dark(image, x, at(13) - 5));
            QVERIFY(!Dark(image, x + 35, at(13) - 12));
            QVERIFY(!Dark(image, x + 35, at(13) - 40));
        }
    }

    void singleLineBox() {
        // END1 is one line high: a closed frame from t - 12 to t - 38 with its name inside.
        LadProgram program = MakeProgram(3);
        PlaceBox(program, FuncInstrTable::kEND1, 0, 1);
        const QImage image = RenderProgram(program);
        const int x = GridGeometry::CellLeft(0);
        const int t = GridGeometry::LineTop(1);
        QVERIFY(Dark(image, x + 50, t - 12));
        QVERIFY(Dark(image, x + 50, t - 38));
        QVERIFY(Dark(image, x + 70, t - 25));
        QVERIFY(!Dark(image, x + 50, t - 10));
        QVERIFY(!Dark(image, x + 50, t - 40));
        QVERIFY(DarkCount(image, {x + 7, t - 15, x + 60, t - 30}) > 5);
    }

    void codTable() {
        // A COD table of 3 lines below a COD box: open at the bottom, sides only, open at the top;
        // every table cell shows its entry; only the note of the last table line is drawn.
        LadProgram program = MakeProgram(8);
        PlaceBox(program, FuncInstrTable::kCOD, 1, 0, "1");
        PlaceCodTable(program, 2, 3, "255");
        for (int line = 0; line < 6; ++line) {
            program.Note(line).Assign("note");
        }
        const QImage image = RenderProgram(program);
        const int x = GridGeometry::CellLeft(5);
        const auto at = [](int line) { return GridGeometry::LineTop(line); };
        QVERIFY(Dark(image, x + 35, at(2) - 12));
        QVERIFY(!Dark(image, x + 35, at(2) - 38));
        QVERIFY(!Dark(image, x + 35, at(3) - 12));
        QVERIFY(Dark(image, x, at(3) - 30));
        QVERIFY(Dark(image, x + 35, at(4) - 38));
        QVERIFY(!Dark(image, x + 35, at(4) - 12));
        for (int line = 2; line <= 4; ++line) {
            for (int column = 0; column < 8; ++column) {
                const int cx = GridGeometry::CellLeft(column);
                QVERIFY(DarkCount(image, {cx + 7, at(line) - 15, cx + 60, at(line) - 30}) > 5);
            }
        }
        const auto notePixels = [&](int line) {
            return DarkCount(image, {GridGeometry::kNoteX, at(line) - 20, 1000, at(line) - 36});
        };
        QVERIFY(notePixels(1) > 5);
        QCOMPARE(notePixels(2), 0);
        QCOMPARE(notePixels(3), 0);
        QVERIFY(notePixels(4) > 5);
        QVERIFY(notePixels(5) > 5);
    }

    void damagedTableCountsEndTheWalk() {
        // A table head whose count is 0, negative or past the program must neither stall the
        // drawing nor read past the last line.
        for (int count : {0, -5, 100000}) {
            LadProgram program = MakeProgram(6);
            PlaceCodTable(program, 3, 3, "1");
            program.Cell(0, 3).codtCount = count;
            QImage image = BlankImage({700, 400});
            QPainter painter(&image);
            const ViewFonts fonts(100.0);
            LadPainter p(painter, LogicalMapping::ForDevice(image), fonts);
            const LineRange drawn = LadRenderer::DrawView(p, program, {0, 5});
            QCOMPARE(drawn, (LineRange{0, 5}));
        }
    }

    void damagedProgramsDrawWithoutFault() {
        // Cells as a damaged file may leave them: any code, any table count, links everywhere,
        // texts filling all seven bytes, notes of broken GBK. Drawing ends and stays in bounds.
        std::mt19937 random(8);
        const auto pick = [&](int n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        const std::uint16_t interesting[] = {0x0000, 0x0100, 0x0200, 0x0300, 0x0400, 0x0500,
                                             0x0600, 0x1000, 0x1011, 0x1031, 0x10F0, 0x4000,
                                             0x4010, 0x40F7, 0x7100, 0x2600, 0x4716, 0xFFFF};
        QImage image = BlankImage({1220, 700});
        QPainter painter(&image);
        const ViewFonts fonts(100.0);
        LadPainter p(painter, LogicalMapping::ForDevice(image), fonts);
        for (int round = 0; round < 40; ++round) {
            LadProgram program = MakeProgram(1 + pick(120));
            for (int line = 0; line < program.LineCount(); ++line) {
                for (int column = 0; column < LadLine::kColumns; ++column) {
                    LadCell& cell = program.Cell(column, line);
                    cell.code = pick(2) ? interesting[pick(std::size(interesting))]
                                        : static_cast<std::uint16_t>(random());
                    cell.vlink = pick(3) == 0 ? static_cast<std::int32_t>(random()) : 0;
                    cell.codtCount = pick(4) == 0 ? static_cast<std::int32_t>(random()) : pick(12);
                    cell.highlight = static_cast<std::uint8_t>(pick(5) == 0 ? random() : 0);
                    char raw[7];
                    for (char& c : raw) {
                        c = static_cast<char>(random());
                    }
                    cell.text.AssignRaw(raw);
                }
                program.Note(line).Assign(std::string(static_cast<std::size_t>(pick(21)), '\xB0'));
            }
            const int count = program.LineCount();
            p.SetCanInvert(round % 2 == 0);
            QCOMPARE(LadRenderer::DrawView(p, program, {0, count - 1}), (LineRange{0, count - 1}));
            QCOMPARE(LadRenderer::DrawView(p, program, {count / 2, count / 2}).Size(), 1);
            for (int page = 1; page <= PrintLayout::PageCount(count); ++page) {
                PagePrinter::PrintPage(p, program, page);
            }
        }
    }

    void elementIconsDiffer() {
        // Each element tool gets its own picture; at toolbar size any two differ in clearly
        // more than a few pixels (a coil and a negated coil, a contact and a closed one too).
        QList<QImage> seen;
        for (int kind : {0x300, 0x200, 0x100, 16, 0, 17, 0x400, 0x500}) {
            const QImage icon = ElementIcons::ForKind(kind)
                                    .pixmap(QSize(30, 24))
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
            QVERIFY(!icon.isNull());
            QVERIFY(DarkCount(icon, {0, 0, icon.width(), -icon.height()}) > 5);
            for (const QImage& other : seen) {
                int differing = 0;
                for (int y = 0; y < icon.height(); ++y) {
                    for (int x = 0; x < icon.width(); ++x) {
                        differing +=
                            std::abs(qGray(icon.pixel(x, y)) - qGray(other.pixel(x, y))) > 100 ? 1
                                                                                               : 0;
                    }
                }
                QVERIFY2(differing >= 12,
                         qPrintable(QStringLiteral("kind %1: %2 pixels").arg(kind).arg(differing)));
            }
            seen << icon;
        }
    }

    void lineNotesDecodeGbk() {
        // Notes are GBK bytes; drawn, they read as the same characters typed in UTF-8.
        const QString typed = QStringLiteral("主轴电机 M3");
        LadProgram program = MakeProgram(2);
        program.Note(0).Assign(TextCodec::Utf8ToGbk(typed.toStdString()));
        QImage drawn = BlankImage({1220, 120});
        QImage expected = BlankImage({1220, 120});
        const ViewFonts fonts(100.0);
        {
            QPainter painter(&drawn);
            LadPainter p(painter, LogicalMapping::ForDevice(drawn), fonts);
            LadRenderer::DrawLineNote(p, program, 0);
        }
        {
            QPainter painter(&expected);
            LadPainter p(painter, LogicalMapping::ForDevice(expected), fonts);
            p.Text({GridGeometry::kNoteX, -62}, typed, LadPainter::FontRole::Note);
        }
        QCOMPARE(drawn, expected);
        QVERIFY(DarkCount(drawn, {GridGeometry::kNoteX, -62, 1220, -80}) > 20);
    }

    void partialDrawingMatchesFullDrawing() {
        // Painting only an exposed band gives the same pixels there as painting everything, also
        // when the band cuts a box, a link or a COD table in half.
        LadProgram program = MakeProgram(40);
        PlaceBox(program, FuncInstrTable::kCTR, 3, 5, "7");
        PlaceBox(program, FuncInstrTable::kCOD, 1, 12, "2");
        PlaceCodTable(program, 14, 4, "9");
        for (int line = 0; line < 40; ++line) {
            program.Note(line).Assign("n");
            SetCell(program, 0, line, Element::kNoContact, "X001.1");
            program.Cell(0, line).vlink = line % 3 == 0 ? 1 : 0;
        }
        const QSize size{1220, 1700};
        const QImage full = RenderProgram(program, size);
        for (int top : {0, 200, 230, 555, 570, 600, 700}) {
            for (int height : {1, 10, 39, 41, 120}) {
                const QRect band(0, top, size.width(), height);
                QImage partial = BlankImage(size);
                {
                    QPainter painter(&partial);
                    painter.setClipRect(band);
                    const ViewFonts fonts(100.0);
                    const LogicalMapping mapping = LogicalMapping::ForDevice(partial);
                    LadPainter p(painter, mapping, fonts);
                    int bandTop = 0;
                    int bandBottom = 0;
                    mapping.VerticalBand(band, bandTop, bandBottom);
                    const LineRange lines = GridGeometry::LinesTouching(bandTop, bandBottom, 40);
                    QVERIFY(LadRenderer::DrawView(p, program, lines).Size() <= 6);
                }
                QCOMPARE(partial.copy(band), full.copy(band));
            }
        }
    }

    void drawsOnlyTheWantedLines() {
        // The work of a paint does not grow with the program: only the asked-for lines are drawn,
        // also inside a long COD table.
        LadProgram program;
        LadLine line;
        line.Cell(0).code = Element::kNoContact;
        for (int i = 0; i < LadProgram::kMaxLines; ++i) {
            program.AppendLine(line, NoteText("x"));
        }
        PlaceCodTable(program, 90, 20, "1");
        QImage image = BlankImage({10, 10});
        QPainter painter(&image);
        const ViewFonts fonts(100.0);
        LadPainter p(painter, LogicalMapping::ForDevice(image), fonts);
        QCOMPARE(LadRenderer::DrawView(p, program, {800, 815}), (LineRange{800, 815}));
        QCOMPARE(LadRenderer::DrawView(p, program, {100, 104}), (LineRange{100, 104}));
        QCOMPARE(LadRenderer::DrawView(p, program, {1590, 2000}), (LineRange{1590, 1599}));
    }
};

QTEST_MAIN(TestLadRenderer)
#include "tst_LadRenderer.moc"
