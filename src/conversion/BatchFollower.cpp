#include "conversion/BatchFollower.h"

#include "conversion/BatchDriver.h"

#include <QFileInfo>

namespace tarnwick {

BatchFollower::BatchFollower(BatchDriver& driver, QObject* parent) : QObject(parent)
{
    m_wall.start();
    m_clock = [this] { return m_wall.nsecsElapsed() / 1e9; };
    connect(&driver, &BatchDriver::batchStarted, this, [this](const QStringList& sources) {
        m_sizes.clear();
        for (const QString& source : sources)
            m_sizes << QFileInfo(source).size();
        m_estimate.start(m_sizes);
        m_status = BatchStatus{};
        m_status.count = int(sources.size());
        m_start = m_clock();
        m_active = true;
    });
    connect(&driver, &BatchDriver::fileStarted, this, [this](int index, int count, const QString& source) {
        // Files queued during the batch join it.
        while (m_sizes.size() < count) {
            m_sizes << QFileInfo(source).size();
            m_estimate.add(m_sizes.last());
        }
        m_status.file = index + 1;
        m_status.count = count;
        publish();
    });
    connect(&driver, &BatchDriver::fileProgress, this, [this](int index, double percent) {
        m_estimate.setProgress(index, percent);
        publish();
    });
    connect(&driver, &BatchDriver::fileFinished, this, [this](int index, const ConversionResult& result) {
        m_estimate.setLength(index, result.lengthSeconds);
        m_estimate.setDone(index);
        result.ok ? ++m_status.converted : ++m_status.failed;
        publish();
    });
    connect(&driver, &BatchDriver::batchStopped, this, [this] { m_status.stopped = true; });
    // A batch refused before its first file (an unusable output folder) is
    // not one that ended.
    connect(&driver, &BatchDriver::batchFinished, this, [this] {
        if (m_active)
            emit ended(m_status);
        m_active = false;
    });
}

void BatchFollower::publish()
{
    m_status.percent = m_estimate.overallPercent();
    m_status.secondsLeft = m_estimate.secondsLeft(elapsed());
    emit changed(m_status);
}

} // namespace tarnwick
