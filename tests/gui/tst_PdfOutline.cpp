// Bookmarks appended to a PDF of Qt's writer; what is not as expected is refused untouched.

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include "view/PdfOutline.h"

using namespace rungpad;

namespace {

// A PDF of pages pages, as Qt writes it.
QByteArray QtPdf(const QString& path, int pages) {
    {
        QPdfWriter writer(path);
        QPainter painter(&writer);
        for (int page = 0; page < pages; ++page) {
            if (page > 0) {
                writer.newPage();
            }
            painter.drawText(100, 100, QStringLiteral("page %1").arg(page + 1));
        }
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestPdfOutline : public QObject {
    Q_OBJECT

  private slots:
    void appendsAfterEveryByteQtWrote() {
        QTemporaryDir dir;
        const QByteArray original = QtPdf(dir.filePath(QStringLiteral("a.pdf")), 3);
        QVERIFY(original.startsWith("%PDF-"));
        QByteArray pdf = original;
        QVERIFY(PdfOutline::Add(
            pdf, {{QStringLiteral("One (first)"), 0}, {QStringLiteral("Three \\ ü"), 2}}));
        QVERIFY(pdf.startsWith(original));
        const QByteArray update = pdf.mid(original.size());
        QVERIFY(update.contains("/Title (One \\(first\\))"));
        QVERIFY(update.contains("/Title (Three \\\\ ?)"));
        QVERIFY(update.contains("/PageMode /UseOutlines"));
        QVERIFY(update.contains("/Prev "));
        QVERIFY(update.endsWith("%%EOF\n"));
        // The catalog now names an outline: a second one is refused, nothing changes.
        const QByteArray once = pdf;
        QVERIFY(!PdfOutline::Add(pdf, {{QStringLiteral("Again"), 0}}));
        QCOMPARE(pdf, once);
    }

    void refusesWhatItDoesNotKnow() {
        QTemporaryDir dir;
        const QByteArray original = QtPdf(dir.filePath(QStringLiteral("b.pdf")), 1);
        QByteArray pdf = original;
        QVERIFY(!PdfOutline::Add(pdf, {{QStringLiteral("Past the end"), 1}}));
        QVERIFY(!PdfOutline::Add(pdf, {{QStringLiteral("Before the start"), -1}}));
        QVERIFY(!PdfOutline::Add(pdf, {}));
        QCOMPARE(pdf, original);
        for (QByteArray broken : {QByteArray("not a pdf"), original.left(original.size() / 2),
                                  QByteArray(original).replace("/Kids", "/Kinder")}) {
            const QByteArray before = broken;
            QVERIFY(!PdfOutline::Add(broken, {{QStringLiteral("Title"), 0}}));
            QCOMPARE(broken, before);
        }
    }
};

QTEST_MAIN(TestPdfOutline)
#include "tst_PdfOutline.moc"
