#include "shell/frame/CoolBar.h"

#include <QPlainTextEdit>

namespace rungpad {

CCoolBar::CCoolBar(const QString& title, const QString& name, bool wrapLines, QWidget* parent)
    : QDockWidget(title, parent), m_edit(new QPlainTextEdit(this)) {
    setObjectName(name);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    m_edit->setReadOnly(true);
    m_edit->setLineWrapMode(wrapLines ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_edit->setFrameShadow(QFrame::Sunken);
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    m_edit->setPalette(palette);
    setWidget(m_edit);
}

}  // namespace rungpad
