#include "shell/frame/FileFilter.h"
#include "text/QtText.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace rungpad {

namespace {

// The captions of the program's filters. The filters come as data (many from the core), so the
// captions are listed here for the translations; a caption not listed shows as it is.
[[maybe_unused]] constexpr std::array kCaptions = {
    QT_TRANSLATE_NOOP("FileFilter", "ZIZIdu 文件 (*.grp)"),
    QT_TRANSLATE_NOOP("FileFilter", "PLC梯图文件 (*.grp)"),
    QT_TRANSLATE_NOOP("FileFilter", "PLC梯图文件 (*.plf;*.grp;*.bak)"),
    QT_TRANSLATE_NOOP("FileFilter", "备份文件 (*.bak)"),
    QT_TRANSLATE_NOOP("FileFilter", "所有文件(*.*)"),
    QT_TRANSLATE_NOOP("FileFilter", "所有文件 (*.*)"),
    QT_TRANSLATE_NOOP("FileFilter", "梯图二进制文件 (*.dat)"),
    QT_TRANSLATE_NOOP("FileFilter", "梯形图文件 (*.grp)"),
    QT_TRANSLATE_NOOP("FileFilter", "指令表文件 (*.txt)"),
    QT_TRANSLATE_NOOP("FileFilter", "文本文件 (*.txt)"),
    QT_TRANSLATE_NOOP("FileFilter", "Ladder tests (*.plt)"),
    QT_TRANSLATE_NOOP("FileFilter", "All files (*.*)"),
    QT_TRANSLATE_NOOP("FileFilter", "Stimulus files (*.stim;*.txt)"),
    QT_TRANSLATE_NOOP("FileFilter", "Value Change Dump (*.vcd)"),
    QT_TRANSLATE_NOOP("FileFilter", "PNG image (*.png)"),
    QT_TRANSLATE_NOOP("FileFilter", "SVG image (*.svg)"),
};

}  // namespace

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
        const QString caption =
            QCoreApplication::translate("FileFilter", parts[i].toUtf8().constData());
        entries << QStringLiteral("%1 (%2)").arg(caption, patterns.join(u' '));
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace rungpad
