#include "engine/BatchDriver.h"

#include "base/Text.h"
#include "engine/ConversionQueue.h"
#include "engine/Converter.h"
#include "engine/EncoderCheck.h"
#include "engine/TemporaryFolder.h"
#include "platform/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace tarnwick {

BatchDriver::BatchDriver(const Parts& parts, QObject* parent)
    : QObject(parent), m_parts(parts), m_records([this] {
          return BatchJournal::Entry{m_settings, m_parts.queue.runList(), m_lanes.writing()};
      }),
      m_lanes(parts.converter, parts.messages)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(100);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BatchDriver::begin);
    connect(&m_lanes, &ConverterLanes::outputChosen, this, [this] {
        if (m_state == State::Running)
            m_records.update();
    });
    connect(&m_lanes, &ConverterLanes::finished, this, [this](int lane) {
        m_finishedLanes.append(lane);
        advanceSoon();
    });
    connect(&m_lanes, &ConverterLanes::progressChanged, this, [this](int lane, double percent) {
        if (const int index = m_lanes[lane].index; index >= 0)
            emit fileProgress(index, percent);
    });
}

BatchDriver::~BatchDriver() = default;

// Lanes are made as a batch begins, never while one runs.
void BatchDriver::setLanes(int lanes)
{
    m_lanesWanted = qMax(0, lanes);
    if (m_state == State::Idle)
        m_lanes.prepare(laneCount());
}

int BatchDriver::laneCount() const
{
    return m_lanesWanted > 0 ? m_lanesWanted : qMax(1, QThread::idealThreadCount());
}

void BatchDriver::arm(const RunSettings& settings)
{
    // One batch at a time: a second would run nested inside the first on
    // the same runners.
    if (m_state != State::Idle)
        return;
    if (m_parts.queue.runListEmpty()) {
        emit nothingToConvert();
        return;
    }
    m_settings = settings;
    emit armed();
    m_state = State::Armed;
    m_timer.start();
}

void BatchDriver::begin()
{
    m_timer.stop();
    if (m_state != State::Armed)
        return;
    run(m_settings);
}

void BatchDriver::run(const RunSettings& settings)
{
    m_state = State::Running;
    m_aborting = false;
    m_stopping = false;
    m_outputFull = false;
    m_results.clear();
    m_resultIndexes.clear();
    m_started = 0;
    m_settings = settings;
    m_lanes.prepare(laneCount());
    m_finishedLanes.clear();
    m_records.setLogs(m_parts.converter.logs());
    m_records.setKept(!settings.planOnly);
    if (!setUp())
        return;

    m_records.begin();
    emit batchStarted(m_parts.queue.runList());
    advance();
}

// A lane's end and a change of the run list are taken up once the signal
// that told of them has returned, never inside a runner's own handler.
void BatchDriver::advanceSoon()
{
    if (m_advancePosted)
        return;
    m_advancePosted = true;
    QMetaObject::invokeMethod(this, &BatchDriver::advance, Qt::QueuedConnection);
}

// One step of a running batch: the lanes that ended are wound up in the
// order they ended, every free lane takes the first entry no lane holds,
// and the batch ends when no lane has a file left.
void BatchDriver::advance()
{
    m_advancePosted = false;
    if (m_state != State::Running)
        return;
    if (m_advancing) {
        m_advanceAgain = true;
        return;
    }
    m_advancing = true;
    do {
        m_advanceAgain = false;
        while (!m_finishedLanes.isEmpty())
            finishLane(m_finishedLanes.takeFirst());
        startFreeLanes();
    } while (!m_finishedLanes.isEmpty() || m_advanceAgain);
    m_advancing = false;
    if (!m_lanes.anyBusy())
        end();
}

void BatchDriver::startFreeLanes()
{
    for (int lane = 0; lane < m_lanes.count() && !m_aborting && !m_stopping && !m_outputFull; ++lane) {
        if (m_lanes[lane].index >= 0)
            continue;
        const std::optional<RunEntry> entry = nextWaiting();
        if (!entry)
            break;
        startLane(lane, *entry);
    }
}

void BatchDriver::end()
{
    // Whichever way it ended, nothing is left to pick up.
    m_records.end();
    if (m_aborting) {
        m_state = State::Idle; // left by Exit: no closing steps
        emit aborted();
        return;
    }
    if (m_outputFull) {
        stopForUnwritableOutput();
        return;
    }
    if (m_stopping) {
        endEarly();
        emit batchFinished();
        return;
    }
    finishBatch();
}

// The folders a batch needs, and whether it can run at all. Without the
// encoder every file would fail alike: said once, before anything is made
// for the batch.
bool BatchDriver::setUp()
{
    if (const QString problem = encoderProblem(m_parts.converter.programFolder()); !problem.isEmpty()) {
        refuse(problem, MessageIcon::Critical);
        return false;
    }
    // A dry run makes nothing, and names its outputs where they would go.
    if (m_settings.planOnly) {
        m_temporaryUsable = false;
        m_settings.outputFolder = withTrailingSeparator(m_settings.outputFolder);
        return true;
    }
    m_temporary = temporaryFolderPath();
    m_temporaryUsable = ensureTemporaryFolder(m_temporary);
    m_settings.outputFolder = withTrailingSeparator(m_settings.outputFolder);
    emit outputFolderTaken();
    // Made and checked on the text with its separator: an empty box means the root.
    if (const QString problem = prepareOutputFolder(m_settings.outputFolder); !problem.isEmpty()) {
        refuse(problem, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

std::optional<RunEntry> BatchDriver::nextWaiting() const
{
    for (int position = 0; position < m_parts.queue.runCount(); ++position) {
        const RunEntry entry = m_parts.queue.runEntry(position);
        if (!m_lanes.holds(entry.id))
            return entry;
    }
    return std::nullopt;
}

void BatchDriver::startLane(int lane, const RunEntry& entry)
{
    if (m_temporaryUsable)
        removeStaleTemporaryFile(m_temporary);
    ConverterLanes::Lane& l = m_lanes[lane];
    l.index = m_started++;
    l.entry = entry.id;
    l.job.reset();
    emit fileStarted(l.index, int(m_results.size()) + m_parts.queue.runCount(), entry.path, entry.id);
    if (!l.converter->start(entry.path, m_settings, m_names, m_clock, entry.range))
        m_finishedLanes.append(lane);
}

void BatchDriver::runListChanged()
{
    if (m_state == State::Running)
        advanceSoon();
}

void BatchDriver::finishLane(int lane)
{
    ConverterLanes::Lane& l = m_lanes[lane];
    const ConversionResult result = l.converter->result();
    const int index = l.index;
    const quint64 entry = l.entry;
    l.index = -1;
    l.entry = 0;
    l.job.reset();
    // The queue moves on here and only here, whatever the run did. A file
    // stopped part way was not converted: it stays queued.
    if (!m_aborting && !m_stopping && !result.stopped) {
        // An entry removed while it converted gives its place to the next
        // one waiting, which goes instead: with one lane, the entry at the
        // front by now is the one that is done.
        if (!m_parts.queue.removeRunEntry(entry)) {
            if (const std::optional<RunEntry> next = nextWaiting())
                m_parts.queue.removeRunEntry(next->id);
        }
    }
    m_records.update();
    // Results stay in the order the files started, whichever lane ends first.
    const auto at = std::upper_bound(m_resultIndexes.begin(), m_resultIndexes.end(), index);
    m_results.insert(at - m_resultIndexes.begin(), result);
    m_resultIndexes.insert(at, index);
    emit fileFinished(index, result);
    // Every file after this one would fail as it did: the other lanes stop
    // and nothing more starts.
    if (result.outputUnwritable && !m_outputFull) {
        m_outputFull = true;
        m_lanes.stopAll();
    }
}

// Every file would fail the same way: the batch says it once and keeps the queue.
void BatchDriver::refuse(const QString& problem, MessageIcon icon)
{
    m_state = State::Idle;
    emit refused();
    m_parts.messages.show(problem, kProgramTitle, icon);
    emit batchFinished();
}

// Every file left would fail as this one did: the batch ends here, the
// files not yet tried stay in the queue for when there is room again.
void BatchDriver::stopForUnwritableOutput()
{
    endEarly();
    const int left = m_parts.queue.runCount();
    m_parts.messages.show(tr("The batch stopped: the output folder takes no more files.") +
                              QStringLiteral("\n\n") + failureLines(m_results).join(u'\n') +
                              QStringLiteral("\n\n") +
                              (left == 1 ? tr("1 file is left in the queue.")
                                         : tr("%n files are left in the queue.", nullptr, left)),
                          kProgramTitle, MessageIcon::Exclamation);
    emit batchFinished();
}

QStringList BatchDriver::failureLines(const QList<ConversionResult>& results)
{
    QStringList lines;
    for (const ConversionResult& result : results) {
        if (!result.ok && !result.stopped)
            lines << result.source + QStringLiteral("\n    ") + result.error +
                         (result.log.isEmpty()
                              ? QString()
                              : QStringLiteral("\n    ") + tr("log: %1").arg(result.log));
    }
    return lines;
}

void BatchDriver::finishBatch()
{
    emit queueConverted();
    m_parts.queue.restoreFromMaster();
    m_state = State::Idle;
    emit queueRestored();
    emit batchFinished();
}

void BatchDriver::stop()
{
    if (m_state == State::Armed) {
        m_timer.stop();
        m_state = State::Idle;
        emit disarmed();
        return;
    }
    if (m_state != State::Running || m_aborting)
        return;
    m_stopping = true;
    m_lanes.stopAll();
}

// A batch that ends before its queue does: the queue left as it stands.
void BatchDriver::endEarly()
{
    emit batchStopped();
    m_state = State::Idle;
}

void BatchDriver::abort()
{
    m_timer.stop();
    if (m_state == State::Armed) {
        m_state = State::Idle;
        return;
    }
    if (m_state != State::Running)
        return;
    // No event may come any more: every lane ends here and now, and the
    // batch with them.
    m_aborting = true;
    m_lanes.endAllNow();
    advance();
}

} // namespace tarnwick
