#include "job/OutputNames.h"

#include "job/EncoderCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace tarnwick {

QString OutputNames::reserve(const QString& outputFolder, const QString& sourcePath, const QString& extension,
                             const QTime& now)
{
    const QMutexLocker lock(&m_mutex);
    const QString path = availableOutputPath(outputFolder, sourcePath, extension, now,
                                             [this](const QString& p) { return m_reserved.contains(p); });
    m_reserved.insert(path);
    return path;
}

void OutputNames::release(const QString& path)
{
    const QMutexLocker lock(&m_mutex);
    m_reserved.remove(path);
}

// Tried by making a file there: permissions alone do not tell (an
// administrator passes them, an immutable or read-only mounted folder
// refuses even him).
QString outputFolderProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return QCoreApplication::translate("tarnwick::OutputNames",
                                           "The output folder could not be created:\n\n%1")
            .arg(folder);
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tarnwick-XXXXXX")));
    if (!probe.open())
        return QCoreApplication::translate("tarnwick::OutputNames",
                                           "The output folder cannot be written:\n\n%1\n\n%2")
            .arg(folder, probe.errorString());
    return QString();
}

QString prepareOutputFolder(const QString& folder)
{
    QDir().mkpath(folder);
    return outputFolderProblem(folder);
}

} // namespace tarnwick
