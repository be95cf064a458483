#pragma once

// A document of a given number of lines and a view editing it, on screen, with the places of
// its cells in viewport pixels.

#include <QPoint>
#include <QSize>

#include "GuiTestSupport.h"
#include "document/DocumentHost.h"
#include "document/RungpadDoc.h"
#include "edit/LadClipboard.h"
#include "view/RungpadView.h"

namespace rungpad::test {

struct ViewFixture {
    NullMessageChannel out;
    RecordingBox box;
    NullDocumentHost host;
    LadClipboard clipboard;
    CRungpadDoc doc{out, box, host};
    CRungpadView view;

    explicit ViewFixture(int lines, QSize size = {800, 600}) {
        doc.OnNewDocument(1);
        doc.Program().InsertLines(0, lines - 1);
        view.resize(size);
        view.AttachDocument(doc, clipboard);
        view.show();
    }
    LadProgram& Program() { return doc.Program(); }
    // The middle of a cell, in viewport pixels.
    QPoint CellCentre(int column, int line) const {
        return view.Mapping().ToDevice(
            LogicalPoint{GridGeometry::CellLeft(column) + 35, GridGeometry::LineTop(line) - 20});
    }
    QPoint NotePoint(int line) const {
        return view.Mapping().ToDevice(LogicalPoint{700, GridGeometry::LineTop(line) - 20});
    }
    int Highlighted() {
        int n = 0;
        for (int line = 0; line < Program().LineCount(); ++line) {
            for (int column = 0; column < 8; ++column) {
                n += Program().Cell(column, line).highlight != 0 ? 1 : 0;
            }
        }
        return n;
    }
};

}  // namespace rungpad::test
