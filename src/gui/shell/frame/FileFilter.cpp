#include "shell/frame/FileFilter.h"
#include "text/QtText.h"

#include <QStringList>

namespace rungpad {

QString FileFilter::ToQt(std::string_view filter) {
    const QStringList parts = QtText::ToQString(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            break;  // the closing "||"
        }
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QStringLiteral("*.*")) {
                pattern = QStringLiteral("*");  // also names without a dot
            }
        }
        entries << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' '));
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace rungpad
