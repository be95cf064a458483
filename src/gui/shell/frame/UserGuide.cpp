#include "shell/frame/UserGuide.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>

#include "shell/frame/AppIcon.h"

namespace rungpad {

namespace {

constexpr int kContentsWidth = 260;

// A page's name in the contents: its first heading, else its file name.
QString TitleOf(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.startsWith(QLatin1Char('#'))) {
                return line.mid(line.indexOf(QLatin1Char(' ')) + 1).trimmed();
            }
        }
    }
    return QFileInfo(path).completeBaseName();
}

}  // namespace

QString CUserGuide::Folder() {
    const QStringList candidates = {QDir(QCoreApplication::applicationDirPath())
                                        .absoluteFilePath(QStringLiteral("../" RUNGPAD_DOC_SUBDIR)),
                                    QStringLiteral(RUNGPAD_SOURCE_DOCS)};
    for (const QString& folder : candidates) {
        if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("README.md")))) {
            return QDir::cleanPath(folder);
        }
    }
    return {};
}

QStringList CUserGuide::Pages(const QString& folder) {
    QStringList pages{QStringLiteral("README.md")};
    const QDir docs(QDir(folder).filePath(QStringLiteral("docs")));
    for (const QString& name : docs.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name)) {
        pages << QStringLiteral("docs/") + name;
    }
    return pages;
}

CUserGuide::CUserGuide(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_folder(folder),
      m_pages(Pages(folder)),
      m_contents(new QListWidget(this)),
      m_browser(new QTextBrowser(this)) {
    setWindowTitle(tr("User Guide"));
    setWindowIcon(AppIcon::Get());
    setAttribute(Qt::WA_DeleteOnClose);
    for (const QString& page : m_pages) {
        m_contents->addItem(TitleOf(QDir(folder).filePath(page)));
    }
    m_browser->setOpenExternalLinks(true);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kContentsWidth, 4 * kContentsWidth});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    connect(m_contents, &QListWidget::currentRowChanged, this, &CUserGuide::ShowPage);
    // A link followed inside the guide marks its page in the contents.
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        const QString page = QDir(m_folder).relativeFilePath(url.toLocalFile());
        const int row = static_cast<int>(m_pages.indexOf(page));
        if (row >= 0 && row != m_contents->currentRow()) {
            const QSignalBlocker quiet(m_contents);
            m_contents->setCurrentRow(row);
        }
    });
    m_contents->setCurrentRow(0);
    resize(1000, 700);
}

void CUserGuide::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(tr("User Guide"));
    }
    QWidget::changeEvent(event);
}

void CUserGuide::ShowPage(int row) {
    if (row < 0 || row >= m_pages.size()) {
        return;
    }
    m_browser->setSource(QUrl::fromLocalFile(QDir(m_folder).filePath(m_pages.at(row))),
                         QTextDocument::MarkdownResource);
}

}  // namespace rungpad
