#include "conversion/BatchDriver.h"

#include "base/Text.h"
#include "conversion/BatchJournal.h"
#include "conversion/ConversionQueue.h"
#include "conversion/Converter.h"
#include "conversion/EncoderCheck.h"
#include "conversion/TemporaryFolder.h"
#include "seams/Messages.h"
#include "seams/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarnwick {

BatchDriver::BatchDriver(const Parts& parts, QObject* parent) : QObject(parent), m_parts(parts)
{
    m_parts.converter.setOutputChosen([this](const QString& output, bool existed) {
        if (m_state == State::Running)
            journal(output, existed);
    });
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(100);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BatchDriver::Timer1_Timer);
    connect(&m_parts.converter.monitor(), &ConversionMonitor::displayChanged, this,
            [this](const ProgressDisplay& display) {
                if (m_current >= 0)
                    emit fileProgress(m_current, display.percent);
            });
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

void BatchDriver::journal(const QString& writing, bool existed)
{
    if (!m_journal)
        return;
    if (m_parts.queue.runListEmpty()) {
        m_journal->clear();
        return;
    }
    m_journal->write({m_settings, m_parts.queue.runList(), writing, existed});
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
    m_results.clear();
    m_settings = settings;
    m_parts.converter.resume();

    // Without the encoder every file would fail alike: said once, before
    // anything is made for the batch.
    if (const QString problem = encoderProblem(m_parts.converter.programFolder()); !problem.isEmpty()) {
        refuse(problem, MessageIcon::Critical);
        return;
    }
    QDir().mkpath(m_settings.outputFolder);
    const QString temporary = temporaryFolderPath();
    const bool temporaryUsable = ensureTemporaryFolder(temporary);
    m_settings.outputFolder = withTrailingSeparator(m_settings.outputFolder);
    emit outputFolderUsed(m_settings.outputFolder);
    // Checked on the text with its separator: an empty box means the root.
    if (const QString problem = outputFolderProblem(m_settings.outputFolder); !problem.isEmpty()) {
        refuse(problem, MessageIcon::Exclamation);
        return;
    }

    journal();
    emit batchStarted(m_parts.queue.runList());
    while (!m_parts.queue.runListEmpty() && !m_aborting && !m_stopping) {
        if (temporaryUsable)
            QFile::remove(temporary + QDir::separator() + QStringLiteral("tmp.mp4"));
        const int index = int(m_results.size());
        m_current = index;
        emit fileStarted(index, index + m_parts.queue.runCount(), m_parts.queue.runFront());
        const ConversionResult result =
            m_parts.converter.convert(m_parts.queue.runFront(), m_settings, m_names, m_clock);
        // The queue moves on here and only here, whatever the run did: the
        // entry at the front by now is the one that is done.
        // A file stopped part way was not converted: it stays queued.
        if (!m_aborting && !m_stopping)
            m_parts.queue.removeRunFront();
        journal();
        m_results.append(result);
        m_current = -1;
        emit fileFinished(index, result);
        if (result.outputUnwritable) {
            stopForUnwritableOutput();
            return;
        }
        QCoreApplication::processEvents();
    }
    if (m_aborting) {
        closeJournal(); // left by Exit: nothing to pick up
        m_state = State::Idle;
        return;
    }
    if (m_stopping) {
        finishStopped();
        return;
    }
    finishBatch();
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
        if (!result.ok)
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
    m_parts.converter.stop();
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
    m_parts.converter.stop();
}

} // namespace tarnwick
