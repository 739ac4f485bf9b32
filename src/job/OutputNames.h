#pragma once

#include <QMutex>
#include <QSet>
#include <QString>
#include <QTime>

#include <functional>

namespace tarnwick {

// The time of day that names an output; tests give the times they mean.
using TimeOfDay = std::function<QTime()>;
inline QTime realTimeOfDay()
{
    return QTime::currentTime();
}

// Picks each conversion's output path and holds it until that conversion
// is over, so that conversions running side by side never pick one name
// (the folder alone cannot tell: the encoder creates its file only later).
class OutputNames
{
public:
    QString reserve(const QString& outputFolder, const QString& sourcePath, const QString& extension,
                    const QTime& now);
    void release(const QString& path);

private:
    QMutex m_mutex;
    QSet<QString> m_reserved;
};

// Why no file could be written into the output folder, or nothing.
QString outputFolderProblem(const QString& folder);
// The folder made when it is missing, then tried as above.
QString prepareOutputFolder(const QString& folder);

// The file name after the last separator ("/" or "\"), without the part from
// its last "." on. A name without a dot, or with its only dot in front, is
// kept whole.
QString FileBaseName(const QString& path);

// OutputFolder & base & "_" & H & M & S & extension, the clock fields in
// decimal without leading zeros (9:05:07 gives 957).
QString outputFilePath(const QString& outputFolder, const QString& sourcePath,
                       const QString& extension, const QTime& now);

// Whether anything is at the path: a file, a folder or a link, even a
// broken one (which QFileInfo::exists does not count, yet writing to it
// would create the file wherever it points).
bool isOccupied(const QString& path);

// The longest file name the file system takes: 255 bytes of the encoded
// name.
bool fitsNameLimit(const QString& name);

// The path a conversion writes: outputFilePath's, with the base cut short
// until the name fits the limit, and "_2", "_3"... before the extension while
// the name is occupied. Two
// sources with one base name converted within a second both convert, and
// nothing that was there is overwritten or written through.
// `alsoTaken` names paths to pass over although nothing is there yet.
QString availableOutputPath(const QString& outputFolder, const QString& sourcePath,
                            const QString& extension, const QTime& now,
                            const std::function<bool(const QString&)>& alsoTaken = {});

} // namespace tarnwick
