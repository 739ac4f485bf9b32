#include "platform/Drives.h"

#include <QDir>
#include <QStorageInfo>

namespace tarnwick {

bool StorageDrives::isOpticalVolume(const QByteArray& device, const QByteArray& fileSystemType)
{
    const QByteArray name = device.mid(device.lastIndexOf('/') + 1);
    const QByteArray type = fileSystemType.toLower();
    return name.startsWith("sr") || name.startsWith("cdrom") || name.startsWith("dvd") ||
           type == "iso9660" || type == "udf" || type == "cdfs";
}

QList<Drive> StorageDrives::volumes() const
{
    QList<Drive> drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid())
            continue;
        const QString root = volume.rootPath();
        QString name = root;
        if (!volume.displayName().isEmpty() && volume.displayName() != root)
            name += QStringLiteral(" [") + volume.displayName() + u']';
        drives.append({root, name});
    }
    return drives;
}

bool StorageDrives::isOptical(const QString& root) const
{
    const QStorageInfo volume(root);
    return volume.isValid() && volume.rootPath() == QDir(root).absolutePath() &&
           isOpticalVolume(volume.device(), volume.fileSystemType());
}

QString StorageDrives::volumeOf(const QString& folder) const
{
    return QStorageInfo(folder).rootPath();
}

QString findDiscFolder(const QString& volumeRoot, const QStringList& levels)
{
    QDir dir(volumeRoot);
    for (const QString& level : levels) {
        const QStringList children = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden |
                                                   QDir::System);
        QString match;
        for (const QString& child : children) {
            if (child == level) { // the exact name first
                match = child;
                break;
            }
            if (match.isEmpty() && child.compare(level, Qt::CaseInsensitive) == 0)
                match = child;
        }
        if (match.isEmpty() || !dir.cd(match))
            return {};
    }
    return dir.path();
}

} // namespace tarnwick
