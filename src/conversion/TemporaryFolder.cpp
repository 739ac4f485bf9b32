#include "conversion/TemporaryFolder.h"

#include <QDir>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarnwick {

QString temporaryFolderPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\spinloom_tmp");
#else
    return QDir::tempPath() + QStringLiteral("/tarnwick-") + QString::number(::getuid());
#endif
}

bool isOwnTemporaryFolder(const QString& path)
{
#ifdef Q_OS_WIN
    return QFileInfo(path).isDir();
#else
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::getuid();
#endif
}

bool ensureTemporaryFolder(const QString& path)
{
#ifndef Q_OS_WIN
    if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST)
        return false;
#else
    QDir().mkpath(path);
#endif
    return isOwnTemporaryFolder(path);
}

} // namespace tarnwick
