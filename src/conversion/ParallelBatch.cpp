#include "conversion/ParallelBatch.h"

#include "conversion/Converter.h"

#include <QMutex>
#include <QThread>

#include <algorithm>

namespace tarnwick {

ParallelBatch::ParallelBatch(Messages& messages, const QString& programFolder, QObject* parent)
    : QObject(parent), m_messages(messages), m_programFolder(programFolder),
      m_lanesMutex(std::make_unique<QMutex>())
{
    qRegisterMetaType<tarnwick::ConversionResult>();
}

ParallelBatch::~ParallelBatch()
{
    stop();
    for (auto& thread : m_threads)
        thread->wait();
}

void ParallelBatch::start(const QStringList& sources, const RunSettings& settings, int lanes)
{
    if (m_running > 0)
        return;
    m_sources = sources;
    m_settings = settings;
    m_results.clear();
    m_next = 0;
    m_stopping = false;
    m_outputFull = false;
    for (auto& thread : m_threads)
        thread->wait();
    m_threads.clear();
    const int count = std::clamp(lanes, 1, int(qMax<qsizetype>(1, sources.size())));
    m_running = count;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<QThread> thread(QThread::create([this] { runLane(); }));
        connect(thread.get(), &QThread::finished, this, [this] {
            if (--m_running == 0)
                emit finished();
        });
        thread->start();
        m_threads.push_back(std::move(thread));
    }
}

void ParallelBatch::runLane()
{
    Converter converter(m_messages, m_programFolder);
    {
        const QMutexLocker lock(m_lanesMutex.get());
        if (m_stopping)
            return;
        m_converters.push_back(&converter);
    }
    int current = -1;
    // Queued to this object's thread: the lane's own objects live here.
    connect(&converter.monitor(), &ConversionMonitor::displayChanged, this,
            [this, &current](const ProgressDisplay& display) { emit fileProgress(current, display.percent); },
            Qt::DirectConnection);
    while (!m_stopping && !m_outputFull) {
        current = m_next++;
        if (current >= m_sources.size())
            break;
        emit fileStarted(current, m_sources.at(current));
        const ConversionResult result = converter.convert(m_sources.at(current), m_settings, m_names, m_clock);
        // Every file after this one would fail as it did: none is started.
        if (result.outputUnwritable)
            m_outputFull = true;
        QMetaObject::invokeMethod(this, [this, current, result] {
            m_results.append(result);
            emit fileFinished(current, result);
        }, Qt::QueuedConnection);
    }
    const QMutexLocker lock(m_lanesMutex.get());
    m_converters.erase(std::remove(m_converters.begin(), m_converters.end(), &converter), m_converters.end());
}

void ParallelBatch::stop()
{
    const QMutexLocker lock(m_lanesMutex.get());
    m_stopping = true;
    for (Converter* converter : m_converters)
        converter->stop();
}

} // namespace tarnwick
