#pragma once

// Helpers of the GUI tests: small programs, offscreen rendering at 100 DPI (one pixel per logical
// unit, so a logical point (x, y) is the pixel (x, -y)) and pixel probes.

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/DocumentHost.h"
#include "model/FuncInstrTable.h"
#include "model/HostInterfaces.h"
#include "model/LadProgram.h"
#include "view/GridGeometry.h"
#include "view/LadPainter.h"
#include "view/LadRenderer.h"
#include "view/LogicalMapping.h"
#include "view/ViewFonts.h"

namespace rungpad::test {

inline constexpr int kDotsPerMeterAt100Dpi = 3937;

// The command (menu or toolbar action) of a window with the given text, or nullptr.
inline QAction* FindAction(const QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

// A message box that records its texts instead of showing them.
class RecordingBox final : public MessageBoxHost {
  public:
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

// Runs answer on the next modal dialog as soon as it shows (the dialog's exec then still waits for
// it); gives up after about five seconds.
inline void WhenModalShows(const std::function<void(QWidget&)>& answer, int triesLeft = 500) {
    QTimer::singleShot(10, [answer, triesLeft] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(*modal);
        } else if (triesLeft > 0) {
            WhenModalShows(answer, triesLeft - 1);
        }
    });
}

// Answers the save question of a changed document as told, and counts the questions.
class AnsweringHost final : public DocumentHost {
  public:
    explicit AnsweringHost(SaveChangesAnswer answer) : m_answer(answer) {}
    bool EditLadderInfo(LadInfoFields&) override { return false; }
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest&) override {
        return std::nullopt;
    }
    SaveChangesAnswer AskSaveChanges(const std::string&) override {
        ++asked;
        return m_answer;
    }
    std::string ProgramDirectory() override { return {}; }
    int asked = 0;

  private:
    SaveChangesAnswer m_answer;
};

// Answers the file choosers with the paths queued, then cancels.
class PathHost final : public DocumentHost {
  public:
    bool EditLadderInfo(LadInfoFields&) override { return false; }
    std::optional<std::string> ChooseSaveFile(const FileChooserRequest& request) override {
        saveRequests.push_back(request);
        return Next();
    }
    std::optional<std::string> ChooseOpenFile(const FileChooserRequest&) override { return Next(); }
    SaveChangesAnswer AskSaveChanges(const std::string&) override { return SaveChangesAnswer::kNo; }
    std::string ProgramDirectory() override { return {}; }

    std::deque<std::string> answers;
    std::vector<FileChooserRequest> saveRequests;

  private:
    std::optional<std::string> Next() {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::string path = answers.front();
        answers.pop_front();
        return path;
    }
};

inline LadProgram MakeProgram(int lines) {
    LadProgram program;
    program.InsertLines(0, lines);
    return program;
}

inline void SetCell(LadProgram& program, int column, int line, std::uint16_t code,
                    std::string_view text = {}) {
    LadCell& cell = program.Cell(column, line);
    cell.code = code;
    cell.SetText(text);
}

// Places a catalogue box with its header at (column, line): every cell of its height x width.
inline void PlaceBox(LadProgram& program, int index, int column, int line,
                     std::string_view param = {}) {
    const FuncInstr& f = FuncInstrTable::At(index);
    for (int r = 0; r < f.height; ++r) {
        for (int c = 0; c < f.width; ++c) {
            LadCell& cell = program.Cell(column + c, line + r);
            cell.code = static_cast<std::uint16_t>(f.code + 16 * r + c);
            if (r == 0) {
                cell.SetText(c == 0 ? f.name : param);
            }
        }
    }
}

// Lines [first, first + count) as one COD table with the given entry text in every cell.
inline void PlaceCodTable(LadProgram& program, int first, int count, std::string_view entry) {
    for (int b = 0; b < count; ++b) {
        for (int j = 0; j < LadLine::kColumns; ++j) {
            LadCell& cell = program.Cell(j, first + b);
            cell.code = static_cast<std::uint16_t>(Element::kCodt + 16 * b + j);
            cell.codtCount = count;
            cell.SetText(entry);
        }
    }
}

inline QImage BlankImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(kDotsPerMeterAt100Dpi);
    image.setDotsPerMeterY(kDotsPerMeterAt100Dpi);
    image.fill(Qt::white);
    return image;
}

// Draws the lines of wanted (all lines by default) the way the view does.
inline QImage RenderProgram(const LadProgram& program, QSize size = {1220, 700},
                            LineRange wanted = {0, LadProgram::kMaxLines}) {
    QImage image = BlankImage(size);
    QPainter painter(&image);
    const ViewFonts fonts(100.0);
    LadPainter p(painter, LogicalMapping::ForDevice(image), fonts);
    LadRenderer::DrawView(p, program, wanted);
    return image;
}

// Whether the pixel at logical point (x, y) is dark.
inline bool Dark(const QImage& image, int x, int y) {
    if (!image.rect().contains(x, -y)) {
        return false;
    }
    return qGray(image.pixel(x, -y)) < 128;
}

// Dark pixels in the logical rectangle from (left, top) to (right, bottom), right and bottom
// excluded.
inline int DarkCount(const QImage& image, const LogicalRect& r) {
    int n = 0;
    for (int y = -r.top; y < -r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 128) {
                ++n;
            }
        }
    }
    return n;
}

// Pages of a PDF document.
inline int PdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

}  // namespace rungpad::test
