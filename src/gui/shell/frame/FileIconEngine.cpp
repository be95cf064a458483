#include "shell/frame/FileIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace rungpad {

FileIconEngine::FileIconEngine(const std::vector<File>& files) {
    m_entries.reserve(files.size());
    for (const File& file : files) {
        m_entries.push_back({file, QPixmap()});
    }
}

FileIconEngine::Entry* FileIconEngine::BestFor(const QSize& size) {
    const auto covers = [&size](const Entry& entry) {
        return entry.file.size.width() >= size.width() && entry.file.size.height() >= size.height();
    };
    Entry* best = nullptr;
    for (Entry& entry : m_entries) {
        if (best == nullptr) {
            best = &entry;
            continue;
        }
        const bool fits = covers(entry);
        if (fits != covers(*best)) {
            best = fits ? &entry : best;
            continue;
        }
        // Of those that cover the size the smallest, of those that do not the largest.
        const bool smaller = entry.file.size.width() < best->file.size.width();
        if (fits == smaller) {
            best = &entry;
        }
    }
    return best;
}

QPixmap FileIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/) {
    Entry* entry = BestFor(size);
    if (entry == nullptr) {
        return {};
    }
    if (entry->pixmap.isNull()) {
        entry->pixmap.load(entry->file.path);
    }
    QPixmap result = entry->pixmap;
    if (!result.isNull() && (result.width() > size.width() || result.height() > size.height())) {
        result = result.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (mode != QIcon::Normal && !result.isNull() && QApplication::style() != nullptr) {
        QStyleOption option;
        option.palette = QApplication::palette();
        const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, result, &option);
        if (!generated.isNull()) {
            result = generated;
        }
    }
    return result;
}

void FileIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    const QPixmap image = pixmap(rect.size(), mode, state);
    if (!image.isNull()) {
        const QRect target(QPoint(), image.size());
        painter->drawPixmap(target.translated(rect.center() - target.center()), image);
    }
}

QSize FileIconEngine::actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) {
    const Entry* entry = BestFor(size);
    if (entry == nullptr) {
        return {};
    }
    const QSize found = entry->file.size;
    return found.width() > size.width() || found.height() > size.height()
               ? found.scaled(size, Qt::KeepAspectRatio)
               : found;
}

QList<QSize> FileIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off) {  // the files are of this mode and state
        for (const Entry& entry : m_entries) {
            sizes << entry.file.size;
        }
    }
    return sizes;
}

bool FileIconEngine::isNull() {
    return m_entries.empty();
}

QString FileIconEngine::key() const {
    return QStringLiteral("FileIconEngine");
}

QIconEngine* FileIconEngine::clone() const {
    return new FileIconEngine(*this);  // QIcon owns its engines
}

}  // namespace rungpad
