#include "engine/BatchProgress.h"

#include "engine/BatchDriver.h"
#include "engine/ConversionQueue.h"
#include "job/TimeRange.h"

#include <QFileInfo>

#include <cmath>

namespace tarnwick {

// The range's clock, to the nearest second.
QString clockText(double seconds)
{
    return timeText(std::round(seconds));
}

BatchProgress::BatchProgress(QObject* parent) : QObject(parent)
{
    m_wall.start();
    m_clock = [this] { return m_wall.nsecsElapsed() / 1e9; };
}

void BatchProgress::follow(BatchDriver& driver, ConversionQueue& queue)
{
    m_queue = &queue;
    connect(&driver, &BatchDriver::batchStarted, this,
            [this, &driver](const QStringList& sources) { begin(sources, driver.laneCount()); });
    connect(&driver, &BatchDriver::fileStarted, this, &BatchProgress::fileStarted);
    connect(&driver, &BatchDriver::fileProgress, this, &BatchProgress::fileProgress);
    connect(&driver, &BatchDriver::fileFinished, this, &BatchProgress::fileFinished);
    connect(&driver, &BatchDriver::queueConverted, this, &BatchProgress::closing);
    connect(&driver, &BatchDriver::batchStopped, this, &BatchProgress::stopped);
    connect(&driver, &BatchDriver::batchFinished, this, &BatchProgress::end);
}

void BatchProgress::begin(const QStringList& sources, int lanes)
{
    QList<qint64> sizes;
    for (const QString& source : sources)
        sizes << QFileInfo(source).size();
    m_estimate.start(sizes);
    m_status = BatchStatus{};
    m_status.file = sources.isEmpty() ? 0 : 1;
    m_status.count = int(sources.size());
    m_lanes = qMax(1, lanes);
    m_entries.clear();
    m_active = true;
}

void BatchProgress::fileStarted(int index, int count, const QString& source, quint64 entry)
{
    // Files queued during the batch join it.
    while (m_estimate.count() < count)
        m_estimate.add(QFileInfo(source).size());
    m_estimate.setStarted(index, m_clock());
    m_status.count = count;
    m_entries.insert(index, entry);
    publish();
    if (barFollowsFile())
        emit barEmptied();
    else
        setRowShare(index, 0.0);
}

void BatchProgress::fileProgress(int index, double percent)
{
    if (!barFollowsFile())
        setRowShare(index, percent);
    m_estimate.setProgress(index, percent);
    publish();
    if (barFollowsFile())
        emit barChanged(percent);
}

void BatchProgress::fileFinished(int index, const ConversionResult& result)
{
    // A row left in the queue (a file stopped part way) shows no share;
    // a converted file's row is gone already.
    if (!barFollowsFile())
        setRowShare(index, std::nullopt);
    m_entries.remove(index);
    m_estimate.setLength(index, result.lengthSeconds, result.sourceSeconds);
    m_estimate.setDone(index, m_clock());
    result.ok ? ++m_status.converted : ++m_status.failed;
    publish();
}

void BatchProgress::closing()
{
    emit barEmptied();
}

void BatchProgress::stopped()
{
    m_status.stopped = true;
    closing();
}

void BatchProgress::setRowShare(int index, std::optional<double> percent)
{
    if (m_queue && m_entries.contains(index))
        m_queue->setRunProgress(m_entries.value(index), percent);
}

// A batch refused before its first file (an unusable output folder) is not
// one that ended.
void BatchProgress::end()
{
    if (m_active)
        emit ended(m_status);
    m_active = false;
}

void BatchProgress::publish()
{
    // With files at once, the one "being converted" is the one after those
    // finished, whichever lane has it.
    m_status.file = qMin(m_status.converted + m_status.failed + 1, m_status.count);
    m_status.percent = m_estimate.overallPercent();
    m_status.secondsLeft = m_estimate.secondsLeft(m_clock(), m_lanes);
    emit changed(m_status);
    if (!barFollowsFile())
        emit barChanged(m_status.percent);
}

} // namespace tarnwick
