#include "engine/Converter.h"

#include "base/Text.h"
#include "engine/ConversionLogs.h"
#include "job/EncoderCommand.h"
#include "job/OutputNames.h"
#include "engine/Progress.h"
#include "engine/TemporaryFolder.h"
#include "job/RateControl.h"
#include "platform/Messages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>
#include <atomic>

namespace tarnwick {

Converter::Converter(Messages& messages, const QString& programFolder, QObject* parent)
    : QObject(parent), m_programFolder(programFolder), m_encoder(messages, this), m_probe(messages, this),
      m_monitor(this)
{
    m_encoder.setObjectName(QStringLiteral("encoder"));
    m_probe.setObjectName(QStringLiteral("probe"));
    m_encoder.setEncoderProcessName(kEncoderName);
    m_probe.setEncoderProcessName(kEncoderName);
    connect(&m_encoder, &ProcessRunner::outputReceived, &m_monitor, &ConversionMonitor::receiveOutputs);
    connect(&m_encoder, &ProcessRunner::finished, &m_monitor, &ConversionMonitor::commandOver);
    // The probe's description is read as it arrives, as the progress
    // display reads the conversion's.
    connect(&m_probe, &ProcessRunner::outputReceived, this, [this](const QString& piece) {
        if (m_phase != Phase::Probing)
            return;
        m_scan.feed(piece);
        m_length.receiveOutputs(piece);
    });
    connect(&m_probe, &ProcessRunner::finished, this, [this] {
        if (m_phase == Phase::Probing)
            probeEnded();
        else if (m_phase == Phase::Looking)
            lookEnded();
        else if (m_phase == Phase::FindingKeyFrame)
            keyFrameFound();
    });
    connect(&m_encoder, &ProcessRunner::finished, this, [this] {
        if (m_phase == Phase::Converting)
            conversionEnded();
    });
}

ProbeResult Converter::described(const QString& source, const RotationScan& scan, const ProgressParser& length) const
{
    ProbeResult result;
    result.ran = m_probe.lastRunEnd() != ProcessRunner::RunEnd::NotStarted;
    result.declaredRotation = scan.declared;
    result.lengthSeconds = length.TotalSeconds();
    if (result.ran)
        result.streams = scanDescription(m_probe.outputs(), source);
    return result;
}

bool Converter::start(const QString& source, const RunSettings& settings, OutputNames& names, const Clock& clock,
                      const TimeRange& range)
{
    if (busy())
        return true;
    m_started = QDateTime::currentDateTime();
    m_result = ConversionResult{};
    m_result.source = source;
    m_settings = settings;
    m_range = range;
    m_names = &names;
    m_clock = clock;
    m_job = ConversionJob{};
    m_probeCommand.clear();
    m_probeOutputs.clear();
    m_runs.clear();
    m_ranRuns.clear();
    m_run = 0;
    m_tries.clear();
    m_passLog.clear();
    m_scan = RotationScan{};
    m_length = ProgressParser{};
    m_monitor.resetBar();
    m_monitor.parser().setCountedLength(settings.countedSeconds);
    m_monitor.parser().setRunLength(std::nullopt);

    m_phase = Phase::Probing;
    m_probe.setCommand(probeCommand(m_programFolder, source));
    if (!m_probe.start()) {
        // No encoder to run: the entry is dropped instead of started for ever.
        m_phase = Phase::Idle;
        m_result.error = fileNotFound();
        return false;
    }
    return true;
}

void Converter::probeEnded()
{
    const ProbeResult probed = described(m_result.source, m_scan, m_length);
    m_result.probe = probed;
    m_probeCommand = m_probe.commandLine();
    m_probeOutputs = m_probe.outputs();
    m_result.lengthSeconds = probed.lengthSeconds;
    m_result.sourceSeconds = probed.lengthSeconds;
    if (m_stopping) {
        m_result.error = tr("stopped");
        complete();
        return;
    }
    if (const QString why = refusal(probed, m_settings, m_range); !why.isEmpty()) {
        m_result.error = why;
        if (m_settings.planOnly)
            m_result.plan = m_probeCommand + QStringLiteral("\n# not converted: ") + why;
        complete();
        return;
    }
    // A range is all the run converts: its progress and its share of the
    // batch count that part alone.
    if (m_range.isSet()) {
        const double part = m_range.lengthWithin(probed.streams.duration);
        m_monitor.parser().setRunLength(part > 0 ? std::optional<double>(part) : std::nullopt);
        if (part > 0)
            m_result.lengthSeconds = qint32(std::lround(std::max(1.0, part)));
    }
    m_job = planJob(m_result.source, probed, m_settings, m_range);
    m_probed = probed;
    m_look = ContentLook(m_job, m_probed.streams, m_settings);
    lookNext();
}

void Converter::lookNext()
{
    if (m_stopping) {
        m_result.error = tr("stopped");
        complete();
        return;
    }
    if (!m_look.isDone()) {
        m_phase = Phase::Looking;
        const ConsoleCommand command = m_look.nextCommand(m_programFolder);
        m_probe.setCommand(command);
        if (m_settings.planOnly)
            m_probeCommand += u'\n' + command.text();
        if (m_probe.start())
            return;
        // A look that cannot run says nothing: the pictures stay as described.
        m_look.read(QString(), false);
        lookNext();
        return;
    }
    // What the pictures showed decides with the description: the job is
    // planned again from both.
    if (m_look.found().pictures.ran)
        m_job = planJob(m_result.source, m_probed, m_settings, m_range, m_look.found().pictures);
    applyLook(m_job, m_look.found());
    m_result.unlooked = m_look.found().pictures.unread;
    if (const QString& why = m_look.found().soundError; !why.isEmpty()) {
        m_result.error = why;
        if (m_settings.planOnly)
            m_result.plan = m_probeCommand + QStringLiteral("\n# not converted: ") + why;
        complete();
        return;
    }
    planned();
}

void Converter::lookEnded()
{
    const bool finished = m_probe.lastRunEnd() == ProcessRunner::RunEnd::Exited && m_probe.lastExitCode() == 0;
    if (!m_settings.planOnly)
        m_probeOutputs += QStringLiteral("\n$ ") + m_probe.commandLine() + u'\n' + m_probe.outputs();
    m_look.read(m_probe.outputs(), finished);
    lookNext();
}

void Converter::planned()
{
    // A copy from a start begins at a key frame: the log says which.
    if (m_job.beginsAtKeyFrame() && !m_stopping) {
        m_phase = Phase::FindingKeyFrame;
        m_probe.setCommand(m_job.keyFrameCommand(m_programFolder));
        if (m_probe.start())
            return;
    }
    convert();
}

void Converter::keyFrameFound()
{
    m_job.keyFrame = m_job.keyFrameIn(m_probe.outputs());
    m_probeOutputs += QStringLiteral("\n$ ") + m_probe.commandLine() + u'\n' + m_probe.outputs();
    if (m_stopping) {
        m_result.error = tr("stopped");
        complete();
        return;
    }
    convert();
}

void Converter::convert()
{
    m_result.output = m_names->reserve(m_settings.outputFolder, m_result.source, m_job.extension, m_clock());
    m_existedBefore = isOccupied(m_result.output);
    m_job.output = m_result.output;
    m_result.added = m_job.added();
    if (m_job.takesTwoPasses() && !m_settings.planOnly) {
        m_passLog = newPassLog();
        if (!ensureTemporaryFolder(temporaryFolderPath())) {
            m_result.error = tr("the temporary folder %1 cannot be used for the first pass's log")
                                 .arg(temporaryFolderPath());
            m_names->release(m_result.output);
            m_result.output.clear();
            complete();
            return;
        }
    }
    m_runs = m_job.commands(m_programFolder, m_settings.planOnly ? newPassLog() : m_passLog);
    if (m_settings.planOnly) {
        // The name stays held: a later source of the same name is shown
        // with the name it would get beside this one's output.
        m_result.plan = m_probeCommand;
        for (const QString& reason : m_job.added())
            m_result.plan += QStringLiteral("\n# added ") + reason;
        for (const QString& what : std::as_const(m_result.unlooked))
            m_result.plan += QStringLiteral("\n# not looked at: ") + what;
        for (const ConsoleCommand& run : m_runs)
            m_result.plan += u'\n' + run.text();
        m_result.ok = true;
        complete();
        return;
    }
    if (m_outputChosen)
        m_outputChosen(m_job, m_existedBefore);
    m_phase = Phase::Converting;
    startRun();
}

// Each run fills its share of the bar: two passes a half each.
void Converter::startRun()
{
    m_encoder.setCommand(m_runs.at(m_run));
    const double share = 100.0 / double(m_runs.size());
    m_monitor.setSpan(share * double(m_run), share * double(m_run + 1));
    if (m_stopping || !m_encoder.start())
        conversionEnded();
}

bool Converter::triedAgain(qint64 madeBytes)
{
    const SizePlan& plan = m_job.sizePlan;
    m_tries.append({m_job.rate.kilobits, madeBytes, videoBytesOf(m_encoder.outputs())});
    const int next = nextKilobits(plan, m_tries);
    const bool over = madeBytes > plan.targetBytes;
    if (next <= 0) {
        if (!over && madeBytes < SizePlan::kLeast * double(plan.targetBytes)) {
            m_result.added << QStringLiteral("%1 of the target %2: the picture needs no more at this size")
                                  .arg(sizeText(madeBytes), sizeText(plan.targetBytes));
            m_result.notes << tr("it came out at %1 of the target %2: the picture needs no more")
                                  .arg(sizeText(madeBytes), sizeText(plan.targetBytes));
        }
        return false;
    }
    m_result.added << QStringLiteral("encoded again at -vb %1k: at %2k the file came out at %3, %4 the target %5")
                          .arg(next)
                          .arg(m_job.rate.kilobits)
                          .arg(sizeText(madeBytes),
                               over ? QStringLiteral("above") : QStringLiteral("well below"), sizeText(plan.targetBytes));
    m_result.notes << (over ? tr("encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4")
                            : tr("encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4"))
                          .arg(next)
                          .arg(m_job.rate.kilobits)
                          .arg(sizeText(madeBytes), sizeText(plan.targetBytes));
    m_ranRuns.append({m_encoder.commandLine(), m_encoder.outputs()});
    QFile::remove(m_result.output);
    m_job.rate.kilobits = next;
    m_runs.last() = m_job.command(m_programFolder,
                                  m_runs.size() > 1 ? ConversionJob::Pass::Second : ConversionJob::Pass::Only,
                                  m_passLog);
    m_run = m_runs.size() - 1;
    startRun();
    return true;
}

void Converter::conversionEnded()
{
    const ProcessRunner::RunEnd end = m_encoder.lastRunEnd();
    const bool ran = !m_stopping && end == ProcessRunner::RunEnd::Exited && m_encoder.lastExitCode() == 0;
    if (ran && m_run + 1 < m_runs.size()) {
        m_ranRuns.append({m_encoder.commandLine(), m_encoder.outputs()});
        ++m_run;
        startRun();
        return;
    }
    const QFileInfo written(m_result.output);
    ConversionResult& result = m_result;
    result.ok = ran && written.isFile() && written.size() > 0;
    const bool sized = m_job.rate.mode == RateControl::Mode::Size;
    if (result.ok && sized && !m_existedBefore && triedAgain(written.size()))
        return;
    const bool tooLarge = result.ok && sized && written.size() > m_job.sizePlan.targetBytes;
    if (tooLarge) {
        result.ok = false;
        result.error = tr("it came out at %1, above the target %2, however it was encoded")
                           .arg(sizeText(written.size()), sizeText(m_job.sizePlan.targetBytes));
    }
    if (!result.ok && !tooLarge) {
        if (m_stopping)
            result.error = tr("stopped");
        else if (end == ProcessRunner::RunEnd::NotStarted)
            result.error = fileNotFound();
        else if (end == ProcessRunner::RunEnd::Crashed)
            result.error = tr("The encoder stopped unexpectedly.");
        else
            result.error = tellingLine(m_encoder.outputs());
    }
    if (!result.ok) {
        // A folder that can no longer be written to fails every file after
        // this one too: tell the batch, which stops.
        result.outputUnwritable = !m_stopping && end == ProcessRunner::RunEnd::Exited &&
                                  (meansOutputUnwritable(result.error) ||
                                   !outputFolderProblem(m_settings.outputFolder).isEmpty());
        // A file this run made but did not finish must not look like a
        // finished one. A file that was there before is never touched.
        if (!m_existedBefore)
            QFile::remove(result.output);
    }
    m_names->release(result.output);
    complete();
}

// A log for each conversion the encoder took part in.
void Converter::complete()
{
    m_result.stopped = m_stopping;
    if (!m_passLog.isEmpty()) {
        const QFileInfo log(m_passLog);
        for (const QFileInfo& file : log.dir().entryInfoList({log.fileName() + u'*'}, QDir::Files | QDir::Hidden))
            QFile::remove(file.filePath());
    }
    if (m_logs && !m_settings.planOnly) {
        const bool converted = !m_result.output.isEmpty();
        const bool probed = !m_probeCommand.isEmpty();
        // Every run of the encoder, one after the other.
        QString command = converted ? m_encoder.commandLine() : QString();
        QString output = converted ? m_encoder.outputs() : QString();
        if (converted && !m_ranRuns.isEmpty()) {
            const QString last = QStringLiteral("\n$ ") + command + u'\n' + output;
            command = m_ranRuns.first().first;
            output = m_ranRuns.first().second;
            for (qsizetype i = 1; i < m_ranRuns.size(); ++i)
                output += QStringLiteral("\n$ ") + m_ranRuns.at(i).first + u'\n' + m_ranRuns.at(i).second;
            output += last;
        }
        m_result.log = m_logs->write({m_result.source, m_result.output,
                                      probed ? m_probeCommand : m_probe.commandLine(), command,
                                      probed ? m_probeOutputs : m_probe.outputs(), output, m_started,
                                      QDateTime::currentDateTime(),
                                      m_result.ok ? QStringLiteral("converted") : m_result.error, m_result.added,
                                      m_result.unlooked});
    }
    m_phase = Phase::Idle;
    emit finished(m_result);
}

void Converter::stop()
{
    m_stopping = true;
    m_encoder.stop();
    m_probe.stop();
}

void Converter::endNow()
{
    if (!busy())
        return;
    m_stopping = true;
    m_encoder.stopAndWait();
    m_probe.stopAndWait();
    // The runners' ends may have ended the conversion already; if they come
    // later (from inside a runner's own handler), they find it idle.
    if (!busy())
        return;
    if (m_phase == Phase::Converting) {
        conversionEnded();
        return;
    }
    m_result.error = tr("stopped");
    complete();
}

} // namespace tarnwick
