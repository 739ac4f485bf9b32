#include "sources/OpenFileDialog.h"
#include "base/Text.h"

#include <QDir>
#include <QDirIterator>

namespace tarnwick {

QList<FileFilter> parseFilter(const QString& filter)
{
    const QStringList pieces = filter.split(u'|');
    QList<FileFilter> filters;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2)
        filters.append({pieces.at(i), pieces.at(i + 1)});
    return filters;
}

QString OpenFileDialog::beforeNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

OpenFileRequest OpenFileDialog::request() const
{
    OpenFileRequest request;
    request.title = Title();
    request.filters = parseFilter(m_filter);
    request.initialFolder = QDir::currentPath();
    request.initialFile = FileName();
    return request;
}

void OpenFileDialog::remember(const QString& chosen)
{
    m_fileName = chosen;
    const qsizetype slash = lastSeparator(chosen);
    m_fileTitle = chosen.mid(slash + 1);
    m_path = slash < 0 ? QString() : chosen.left(slash);
    if (!m_path.isEmpty())
        QDir::setCurrent(m_path);
    else if (slash == 0)
        QDir::setCurrent(QStringLiteral("/"));
}

bool OpenFileDialog::ShowOpen()
{
    const std::optional<QString> chosen = m_dialogs.openFile(request());
    if (!chosen)
        return false;
    remember(*chosen);
    return true;
}

QStringList OpenFileDialog::ShowOpenSeveral()
{
    const std::optional<QStringList> chosen = m_dialogs.openFiles(request());
    if (!chosen || chosen->isEmpty())
        return {};
    remember(chosen->constFirst());
    return *chosen;
}

QString pickOpenFile(Dialogs& dialogs, const QString& programFolder, const QString& title,
                     QString& initialFolder, const QString& filter)
{
    if (isBlank(initialFolder)) {
        initialFolder = programFolder;
    } else {
        initialFolder = withTrailingSeparator(initialFolder);
        QDirIterator listing(initialFolder, QDir::AllEntries | QDir::Hidden | QDir::System |
                                                QDir::NoDotAndDotDot);
        if (!listing.hasNext())
            initialFolder = programFolder;
    }
    OpenFileRequest request;
    request.title = title;
    request.filters = parseFilter(filter);
    request.initialFolder = initialFolder;
    return dialogs.openFile(request).value_or(QString());
}

} // namespace tarnwick
