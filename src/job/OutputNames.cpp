#include "job/OutputNames.h"

#include "base/Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>


namespace tarnwick {

QString FileBaseName(const QString& path)
{
    const qsizetype slash = lastSeparator(path);
    const QString name = path.mid(slash + 1);
    // A name that would leave nothing before its dot ("clip", ".hidden") is
    // kept whole: an output named only by the clock says nothing of its source.
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot <= 0 ? name : name.left(dot);
}

namespace {

// "_" & H & M & S, without leading zeros.
QString clockSuffix(const QTime& now)
{
    return u'_' + QString::number(now.hour()) + QString::number(now.minute()) + QString::number(now.second());
}

} // namespace

QString outputFilePath(const QString& outputFolder, const QString& sourcePath,
                       const QString& extension, const QTime& now)
{
    return outputFolder + FileBaseName(sourcePath) + clockSuffix(now) + extension;
}

bool isOccupied(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool fitsNameLimit(const QString& name)
{
    constexpr qsizetype kNameLimit = 255;
    return QFile::encodeName(name).size() <= kNameLimit;
}

QString availableOutputPath(const QString& outputFolder, const QString& sourcePath,
                            const QString& extension, const QTime& now,
                            const std::function<bool(const QString&)>& alsoTaken)
{
    const QString clock = clockSuffix(now);
    const QString base = FileBaseName(sourcePath);
    QString path;
    for (int copy = 1; copy <= 999; ++copy) {
        const QString tail = clock + (copy == 1 ? QString() : u'_' + QString::number(copy)) + extension;
        QString name = base;
        while (!name.isEmpty() && !fitsNameLimit(name + tail))
            name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
        path = outputFolder + name + tail;
        if (!isOccupied(path) && !(alsoTaken && alsoTaken(path)))
            return path;
    }
    // Every name taken: the encoder refuses to overwrite and says so.
    return path;
}


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
