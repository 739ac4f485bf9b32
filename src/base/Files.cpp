#include "base/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>

namespace tarnwick {

bool writeFileAtomically(const QString& path, const QByteArray& content, Durability durability)
{
    if (durability == Durability::PowerCut) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        if (file.write(content) != content.size()) {
            file.cancelWriting();
            return false;
        }
        return file.commit();
    }
    // QSaveFile waits for the disk on every commit; a file rewritten for
    // each conversion needs only the rename, which the system carries out
    // whatever becomes of the program.
    const QFileInfo target(path);
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(content) != content.size() || !file.flush())
        return false;
    file.close();
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

} // namespace tarnwick
