#include "text/QtText.h"

#include <QFile>

#include "model/TextCodec.h"

namespace rungpad {

QString QtText::ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString QtText::FromGbk(std::string_view gbk) {
    return ToQString(TextCodec::GbkToUtf8(gbk));
}

std::string QtText::ToLocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString QtText::FromLocalPath(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

}  // namespace rungpad
