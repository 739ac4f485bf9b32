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

} // namespace tarnwick
