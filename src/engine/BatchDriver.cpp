#include "engine/BatchDriver.h"

#include "base/Text.h"
#include "engine/BatchJournal.h"
#include "engine/ConversionLogs.h"
#include "engine/ConversionQueue.h"
#include "engine/Converter.h"
#include "engine/EncoderCheck.h"
#include "engine/TemporaryFolder.h"
#include "platform/Messages.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace tarnwick {

BatchDriver::BatchDriver(const Parts& parts, QObject* parent) : QObject(parent), m_parts(parts)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(100);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BatchDriver::Timer1_Timer);
    m_lanes.push_back(Lane{&m_parts.converter, -1, 0, std::nullopt, false});
    connectLane(0);
}

BatchDriver::~BatchDriver() = default;

void BatchDriver::setLanes(int lanes)
{
    m_lanesWanted = qMax(0, lanes);
    if (m_state == State::Idle)
        prepareLanes();
}

int BatchDriver::laneCount() const
{
    return m_lanesWanted > 0 ? m_lanesWanted : qMax(1, QThread::idealThreadCount());
}

void BatchDriver::connectLane(int lane)
{
    Converter& converter = *m_lanes.at(size_t(lane)).converter;
    converter.setOutputChosen([this, lane](const ConversionJob& job, bool existed) {
        Lane& l = m_lanes.at(size_t(lane));
        l.job = job;
        l.existedBefore = existed;
        if (m_state == State::Running)
            journal();
    });
    connect(&converter, &Converter::finished, this, [this, lane] {
        m_finishedLanes.append(lane);
        m_wait.Wake();
    });
    connect(&converter.monitor(), &ConversionMonitor::progressChanged, this, [this, lane](double percent) {
        const Lane& l = m_lanes.at(size_t(lane));
        if (l.index < 0)
            return;
        // With several at once each row shows its own file's share.
        if (m_lanes.size() > 1)
            m_parts.queue.setRunProgress(l.entry, percent);
        emit fileProgress(l.index, percent);
    });
}

// Lanes are made as a batch begins, never while one runs: the signals of
// each lane's converter name it by its place.
void BatchDriver::prepareLanes()
{
    const size_t wanted = size_t(laneCount());
    Converter& first = m_parts.converter;
    while (m_lanes.size() < wanted) {
        m_ownConverters.push_back(std::make_unique<Converter>(m_parts.messages, first.programFolder(), this));
        m_lanes.push_back(Lane{m_ownConverters.back().get(), -1, 0, std::nullopt, false});
        connectLane(int(m_lanes.size()) - 1);
    }
    while (m_lanes.size() > wanted) {
        m_lanes.pop_back();
        m_ownConverters.pop_back();
    }
    for (Lane& lane : m_lanes) {
        lane.index = -1;
        lane.entry = 0;
        lane.job.reset();
        lane.converter->setLogs(first.logs());
        lane.converter->setYield(first.yield());
        lane.converter->resume();
    }
    m_finishedLanes.clear();
}

void BatchDriver::StartConversion(const RunSettings& settings)
{
    // One batch at a time: a second would run nested inside the first on
    // the same runners.
    if (m_state != State::Idle)
        return;
    if (m_parts.queue.runListEmpty()) {
        m_parts.messages.show(tr("Please add a file."), tr("Add"), MessageIcon::Exclamation);
        return;
    }
    m_settings = settings;
    emit queueControlsEnabledChanged(false);
    m_state = State::Armed;
    m_timer.start();
}

void BatchDriver::Command3_Click(const RunSettings& settings)
{
    if (m_state != State::Idle)
        return;
    emit settingsEnabledChanged(false);
    StartConversion(settings);
    if (m_state == State::Idle)
        emit settingsEnabledChanged(true);
}

void BatchDriver::Timer1_Timer()
{
    m_timer.stop();
    if (m_state != State::Armed)
        return;
    QCoreApplication::processEvents();
    ConvertQueue(m_settings);
}

void BatchDriver::journal()
{
    if (!m_journal)
        return;
    if (m_parts.queue.runListEmpty()) {
        m_journal->clear();
        return;
    }
    BatchJournal::Entry entry{m_settings, m_parts.queue.runList(), {}};
    for (const Lane& lane : m_lanes) {
        if (lane.index >= 0 && lane.job)
            entry.writing.append({lane.job->output, lane.existedBefore});
    }
    m_journal->write(entry);
}

// The logs folder is held to its limits as a batch begins and ends, not
// after every file: a look through hundreds of logs costs more than a
// conversion of a short clip is worth waiting for.
void BatchDriver::pruneLogs()
{
    if (const ConversionLogs* logs = m_parts.converter.logs())
        logs->prune();
}

void BatchDriver::closeJournal()
{
    if (m_journal)
        m_journal->clear();
}

void BatchDriver::unlock()
{
    emit settingsEnabledChanged(true);
    emit queueControlsEnabledChanged(true);
}

void BatchDriver::ConvertQueue(const RunSettings& settings)
{
    m_state = State::Running;
    m_aborting = false;
    m_stopping = false;
    m_outputFull = false;
    m_results.clear();
    m_resultIndexes.clear();
    m_started = 0;
    m_settings = settings;
    prepareLanes();

    // Without the encoder every file would fail alike: said once, before
    // anything is made for the batch.
    if (const QString problem = encoderProblem(m_parts.converter.programFolder()); !problem.isEmpty()) {
        refuse(problem, MessageIcon::Critical);
        return;
    }
    QDir().mkpath(m_settings.outputFolder);
    m_temporary = temporaryFolderPath();
    m_temporaryUsable = ensureTemporaryFolder(m_temporary);
    m_settings.outputFolder = withTrailingSeparator(m_settings.outputFolder);
    emit outputFolderUsed(m_settings.outputFolder);
    // Checked on the text with its separator: an empty box means the root.
    if (const QString problem = outputFolderProblem(m_settings.outputFolder); !problem.isEmpty()) {
        refuse(problem, MessageIcon::Exclamation);
        return;
    }

    pruneLogs();
    journal();
    emit batchStarted(m_parts.queue.runList());
    for (;;) {
        // Every free lane takes the first entry no lane holds.
        for (size_t lane = 0; lane < m_lanes.size() && !m_aborting && !m_stopping && !m_outputFull; ++lane) {
            if (m_lanes[lane].index >= 0)
                continue;
            const std::optional<RunEntry> entry = nextWaiting();
            if (!entry)
                break;
            startLane(int(lane), *entry);
        }
        if (!anyBusy())
            break;
        waitForALane();
        while (!m_finishedLanes.isEmpty())
            finishLane(m_finishedLanes.takeFirst());
        if (m_outputFull && !anyBusy())
            break;
        QCoreApplication::processEvents();
    }
    pruneLogs();
    if (m_aborting) {
        closeJournal(); // left by Exit: nothing to pick up
        m_state = State::Idle;
        return;
    }
    if (m_outputFull) {
        stopForUnwritableOutput();
        return;
    }
    if (m_stopping) {
        finishStopped();
        return;
    }
    finishBatch();
}

std::optional<RunEntry> BatchDriver::nextWaiting() const
{
    for (int position = 0; position < m_parts.queue.runCount(); ++position) {
        const RunEntry entry = m_parts.queue.runEntry(position);
        const bool held = std::any_of(m_lanes.begin(), m_lanes.end(),
                                      [&](const Lane& lane) { return lane.index >= 0 && lane.entry == entry.id; });
        if (!held)
            return entry;
    }
    return std::nullopt;
}

bool BatchDriver::anyBusy() const
{
    return std::any_of(m_lanes.begin(), m_lanes.end(), [](const Lane& lane) { return lane.index >= 0; });
}

void BatchDriver::startLane(int lane, const RunEntry& entry)
{
    if (m_temporaryUsable)
        QFile::remove(m_temporary + QDir::separator() + QStringLiteral("tmp.mp4"));
    Lane& l = m_lanes.at(size_t(lane));
    l.index = m_started++;
    l.entry = entry.id;
    l.job.reset();
    emit fileStarted(l.index, int(m_results.size()) + m_parts.queue.runCount(), entry.path);
    if (m_lanes.size() > 1)
        m_parts.queue.setRunProgress(l.entry, 0.0);
    if (!l.converter->start(entry.path, m_settings, m_names, m_clock, entry.range))
        m_finishedLanes.append(lane);
}

void BatchDriver::runListChanged()
{
    if (m_state != State::Running)
        return;
    m_runListChanged = true;
    m_wait.Wake();
}

// Returns once a lane has finished or the run list has changed, with
// window events running meanwhile.
void BatchDriver::waitForALane()
{
    m_runListChanged = false;
    while (m_finishedLanes.isEmpty() && !m_runListChanged) {
        try {
            m_wait.WaitAtMost(1000);
        } catch (const WaitError&) {
            // The application is exiting and no event loop runs: block on
            // the encoders instead, which still brings their ends in.
            for (const Lane& lane : m_lanes) {
                if (lane.index >= 0 && m_finishedLanes.isEmpty())
                    lane.converter->waitForActivity(20);
            }
        }
    }
}

void BatchDriver::finishLane(int lane)
{
    Lane& l = m_lanes.at(size_t(lane));
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
    } else if (m_lanes.size() > 1) {
        m_parts.queue.setRunProgress(entry, std::nullopt);
    }
    journal();
    // Results stay in the order the files started, whichever lane ends first.
    const auto at = std::upper_bound(m_resultIndexes.begin(), m_resultIndexes.end(), index);
    m_results.insert(at - m_resultIndexes.begin(), result);
    m_resultIndexes.insert(at, index);
    emit fileFinished(index, result);
    // Every file after this one would fail as it did: the other lanes stop
    // and nothing more starts.
    if (result.outputUnwritable && !m_outputFull) {
        m_outputFull = true;
        stopLanes();
    }
}

void BatchDriver::stopLanes()
{
    for (const Lane& lane : m_lanes)
        lane.converter->stop();
}

// Every file would fail the same way: the batch says it once and keeps the queue.
void BatchDriver::refuse(const QString& problem, MessageIcon icon)
{
    m_state = State::Idle;
    unlock();
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
                              QStringLiteral("\n\n") + failureLines().join(u'\n') +
                              QStringLiteral("\n\n") +
                              (left == 1 ? tr("1 file is left in the queue.")
                                         : tr("%n files are left in the queue.", nullptr, left)),
                          kProgramTitle, MessageIcon::Exclamation);
    emit batchFinished();
}

QStringList BatchDriver::failureLines() const
{
    QStringList lines;
    for (const ConversionResult& result : m_results) {
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
    closeJournal();
    m_parts.converter.monitor().resetBar();
    emit settingsEnabledChanged(true);
    if (m_desktopSteps) {
        m_parts.shell.openPath(m_settings.outputFolder);
        if (m_settings.beepAtEnd)
            m_parts.shell.beep();
    }
    emit queueControlsEnabledChanged(true);
    emit batchDone();
    m_parts.queue.restoreFromMaster();
    m_state = State::Idle;
    if (m_desktopSteps)
        reportFailures();
    emit batchFinished();
}

void BatchDriver::reportFailures()
{
    const QStringList lines = failureLines();
    if (lines.isEmpty())
        return;
    const QString heading =
        lines.size() == 1 ? tr("1 file could not be converted:")
                          : tr("%n files could not be converted:", nullptr, int(lines.size()));
    m_parts.messages.show(heading + QStringLiteral("\n\n") + lines.join(u'\n'), kProgramTitle,
                          MessageIcon::Exclamation);
}

void BatchDriver::stop()
{
    if (m_state == State::Armed) {
        m_timer.stop();
        m_state = State::Idle;
        unlock();
        return;
    }
    if (m_state != State::Running || m_aborting)
        return;
    m_stopping = true;
    stopLanes();
}

// What was converted stays, and so does everything not converted: no
// closing steps, no message; the user asked for it.
void BatchDriver::finishStopped()
{
    endEarly();
    emit batchFinished();
}

// A batch that ends before its queue does: the controls back, "Stopped.",
// and the queue left as it stands.
void BatchDriver::endEarly()
{
    closeJournal();
    m_parts.converter.monitor().resetBar();
    unlock();
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
    m_aborting = true;
    stopLanes();
}

} // namespace tarnwick
