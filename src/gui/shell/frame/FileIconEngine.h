#pragma once

#include <QIconEngine>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <vector>

namespace rungpad {

// An icon of image files, one per size, each read the first time a pixmap of about its size is
// asked for. Qt's own file icons read every file when the icon is made, which costs the start a
// few milliseconds for sizes (the 256 pixel one) that nobody draws before the window is up.
class FileIconEngine : public QIconEngine {
  public:
    struct File {
        QSize size;
        QString path;
    };

    explicit FileIconEngine(const std::vector<File>& files);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QString key() const override;
    QIconEngine* clone() const override;

  private:
    struct Entry {
        File file;
        QPixmap pixmap;  // null until first asked for
    };

    // The smallest file at least as large as size, else the largest.
    Entry* BestFor(const QSize& size);

    std::vector<Entry> m_entries;
};

}  // namespace rungpad
