#include "engine/TemporaryFolder.h"

#include "job/OutputNames.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

QString temporaryFolderPath()
{
    return QDir::tempPath() + QStringLiteral("/tarnwick-") + QString::number(::getuid());
}

bool isOwnTemporaryFolder(const QString& path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
}

void removeStaleTemporaryFile(const QString& folder)
{
    QFile::remove(folder + QDir::separator() + QStringLiteral("tmp.mp4"));
}

bool ensureTemporaryFolder(const QString& path)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST)
        return false;
    return isOwnTemporaryFolder(path);
}

} // namespace tarnwick

namespace tarnwick {

namespace {

// Walks below a folder already checked; never follows a link. Each entry is
// looked at once, so one that cannot be removed cannot make the walk loop.
void removeBelow(const QByteArray& folder)
{
    const QStringList names = QDir(QFile::decodeName(folder))
                                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                 QDir::NoDotAndDotDot,
                                             QDir::Unsorted);
    for (const QString& name : names) {
        const QByteArray path = folder + '/' + QFile::encodeName(name);
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0)
            continue;
        if (S_ISDIR(info.st_mode)) {
            ::chmod(path.constData(), 0700); // a read-only folder cannot be emptied
            removeBelow(path);
            ::rmdir(path.constData());
        } else {
            ::unlink(path.constData());
        }
    }
}

} // namespace

bool DeleteFolderTree(const QString& path)
{
    if (!isOwnTemporaryFolder(path))
        return !isOccupied(path);
    const QByteArray folder = QFile::encodeName(QDir::cleanPath(path));
    ::chmod(folder.constData(), 0700);
    removeBelow(folder);
    ::rmdir(folder.constData());
    return !QFileInfo::exists(path);
}

} // namespace tarnwick
