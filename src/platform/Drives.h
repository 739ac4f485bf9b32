#pragma once

#include <QList>
#include <QString>

namespace tarnwick {

struct Drive {
    QString root;        // mount point (a drive root on Windows)
    QString displayName; // what the drive list shows
    friend bool operator==(const Drive&, const Drive&) = default;
};

// The drive seam: the machine's volumes and whether one is an optical drive.
class Drives
{
public:
    virtual ~Drives() = default;
    virtual QList<Drive> volumes() const = 0;
    virtual bool isOptical(const QString& root) const = 0;
    // The volume holding the given folder: where the drive list starts.
    virtual QString volumeOf(const QString& folder) const = 0;
};

// The real drives, from QStorageInfo. A volume is optical when its device is
// an optical drive (/dev/sr*, /dev/cdrom*) or its file system is one that
// optical media use (iso9660, udf).
class StorageDrives final : public Drives
{
public:
    QList<Drive> volumes() const override;
    bool isOptical(const QString& root) const override;
    QString volumeOf(const QString& folder) const override;

    static bool isOpticalVolume(const QByteArray& device, const QByteArray& fileSystemType);
};

// The disc's folder below a volume, found whatever the case of its names on
// the medium ("VIDEO_TS", "video_ts"). Empty when there is none.
QString findDiscFolder(const QString& volumeRoot, const QStringList& levels);

} // namespace tarnwick
