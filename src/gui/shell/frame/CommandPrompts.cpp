#include "shell/frame/CommandPrompts.h"

namespace rungpad {

namespace {

// "Text" becomes "Text(Ctrl+N)" unless it names a key already.
QString WithKey(QString text, const QString& key) {
    text = text.trimmed();
    if (key.isEmpty() || text.isEmpty() || text.endsWith(u')')) {
        return text;
    }
    return text + u'(' + key + u')';
}

}  // namespace

CommandPrompts::Prompt CommandPrompts::Parse(const QString& whole, const QKeySequence& key) {
    const qsizetype split = whole.indexOf(u'\n');
    const QString keyText = key.toString(QKeySequence::NativeText);
    const QString status = WithKey(split < 0 ? whole : whole.left(split), keyText);
    QString tip = split < 0 ? QString() : whole.mid(split + 1).trimmed();
    // A tip that is empty or only a key in brackets says less than the prompt.
    if (tip.isEmpty() || tip.startsWith(u'(')) {
        tip = status;
    } else {
        tip = WithKey(tip, keyText);
    }
    return {status, tip};
}

}  // namespace rungpad
