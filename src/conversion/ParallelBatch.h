#pragma once

#include "conversion/OutputNames.h"
#include "conversion/RunSettings.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTime>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace tarnwick {

class Converter;
class Messages;

// Converts a list of sources several at a time: each lane is a thread with
// a converter of its own, taking the next source when it is free. The
// signals arrive on the thread that owns this object. `messages` must
// accept calls from any thread.
class ParallelBatch : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ParallelBatch)

public:
    using Clock = TimeOfDay;

    ParallelBatch(Messages& messages, const QString& programFolder, QObject* parent = nullptr);
    ~ParallelBatch() override;

    void setClock(Clock clock) { m_clock = std::move(clock); }
    bool running() const { return m_running > 0; }
    const QList<ConversionResult>& results() const { return m_results; }
    // The output folder took no more, and the files after were not started.
    bool outputFull() const { return m_outputFull; }

    // Starts `lanes` lanes (at least one) over the sources; the settings'
    // output folder must exist and end with a separator.
    void start(const QStringList& sources, const RunSettings& settings, int lanes);
    // Ends every running encoder; what they had not finished is removed.
    void stop();

signals:
    void fileStarted(int index, const QString& source);
    void fileProgress(int index, double percent);
    void fileFinished(int index, const tarnwick::ConversionResult& result);
    void finished();

private:
    void runLane();

    Messages& m_messages;
    QString m_programFolder;
    Clock m_clock = realTimeOfDay;
    QStringList m_sources;
    RunSettings m_settings;
    OutputNames m_names;
    std::atomic_int m_next = 0;
    std::atomic_bool m_stopping = false;
    std::atomic_bool m_outputFull = false;
    int m_running = 0;
    std::vector<std::unique_ptr<QThread>> m_threads;
    std::vector<Converter*> m_converters; // guarded by m_lanesMutex, each owned by its lane
    std::unique_ptr<class QMutex> m_lanesMutex;
    QList<ConversionResult> m_results;
};

} // namespace tarnwick
