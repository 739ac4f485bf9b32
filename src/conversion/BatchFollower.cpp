#include "conversion/BatchFollower.h"

#include "conversion/BatchDriver.h"

#include <QFileInfo>

namespace tarnwick {

BatchFollower::BatchFollower(QObject* parent) : QObject(parent)
{
    m_wall.start();
    m_clock = [this] { return m_wall.nsecsElapsed() / 1e9; };
}

void BatchFollower::follow(BatchDriver& driver)
{
    connect(&driver, &BatchDriver::batchStarted, this, &BatchFollower::begin);
    connect(&driver, &BatchDriver::fileStarted, this, &BatchFollower::fileStarted);
    connect(&driver, &BatchDriver::fileProgress, this, &BatchFollower::fileProgress);
    connect(&driver, &BatchDriver::fileFinished, this, &BatchFollower::fileFinished);
    connect(&driver, &BatchDriver::batchStopped, this, &BatchFollower::stopped);
    connect(&driver, &BatchDriver::batchFinished, this, &BatchFollower::end);
}

void BatchFollower::begin(const QStringList& sources)
{
    QList<qint64> sizes;
    for (const QString& source : sources)
        sizes << QFileInfo(source).size();
    m_estimate.start(sizes);
    m_status = BatchStatus{};
    m_status.count = int(sources.size());
    m_start = m_clock();
    m_active = true;
}

void BatchFollower::fileStarted(int index, int count, const QString& source)
{
    // Files queued during the batch join it.
    while (m_estimate.count() < count)
        m_estimate.add(QFileInfo(source).size());
    m_status.file = index + 1;
    m_status.count = count;
    publish();
}

void BatchFollower::fileProgress(int index, double percent)
{
    m_estimate.setProgress(index, percent);
    publish();
}

void BatchFollower::fileFinished(int index, const ConversionResult& result)
{
    m_estimate.setLength(index, result.lengthSeconds);
    m_estimate.setDone(index);
    result.ok ? ++m_status.converted : ++m_status.failed;
    publish();
}

void BatchFollower::stopped()
{
    m_status.stopped = true;
}

// A batch refused before its first file (an unusable output folder) is not
// one that ended.
void BatchFollower::end()
{
    if (m_active)
        emit ended(m_status);
    m_active = false;
}

void BatchFollower::publish()
{
    m_status.percent = m_estimate.overallPercent();
    m_status.secondsLeft = m_estimate.secondsLeft(elapsed());
    emit changed(m_status);
}

} // namespace tarnwick
