#include "engine/Converter.h"

#include "base/Text.h"
#include "engine/ConversionLogs.h"
#include "job/EncoderCommand.h"
#include "job/OutputNames.h"
#include "engine/Progress.h"
#include "platform/Messages.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace tarnwick {

namespace {

// "[wmav2 @ 0x55d0c0a0] too many channels" reads "wmav2: too many channels":
// the address means nothing to a user.
QString withoutContext(const QString& line)
{
    static const QRegularExpression context(QStringLiteral("^\\[([^\\] @]{1,64}) @ 0x[0-9a-fA-F]{1,16}\\] "));
    const QRegularExpressionMatch m = context.match(line);
    return m.hasMatch() ? m.captured(1) + QStringLiteral(": ") + line.mid(m.capturedLength()) : line;
}

} // namespace

QString tellingLine(const QString& output)
{
    static const QRegularExpression lineEnds(QStringLiteral("[\r\n]"));
    static const QRegularExpression generic(
        QStringLiteral("^(Conversion failed!|Exiting normally.*|video:.*kB.*|frame=.*|size=.*|Press \\[q\\].*|"
                       // FFmpeg's summary of an encoder that refused: the line before says why.
                       "Error while opening encoder .*|Error initializing output stream .*)$"));
    static const QRegularExpression telling(
        QStringLiteral("error|no space left|permission denied|read-only file system|invalid|no such file|"
                       "not found|failed|unable|could not|cannot|denied|unknown encoder|does not|not supported|too many"),
        QRegularExpression::CaseInsensitiveOption);
    const QStringList lines = output.split(lineEnds, Qt::SkipEmptyParts);
    QString last;
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QString line = it->trimmed();
        if (line.isEmpty())
            continue;
        if (last.isEmpty())
            last = line;
        if (!generic.match(line).hasMatch() && telling.match(line).hasMatch())
            return withoutContext(line);
    }
    return last.isEmpty() ? Converter::tr("the encoder printed nothing") : last;
}

bool meansOutputUnwritable(const QString& reason)
{
    return reason.contains(QLatin1String("No space left on device")) ||
           reason.contains(QLatin1String("Disk quota exceeded")) ||
           reason.contains(QLatin1String("Read-only file system"));
}

Converter::Converter(Messages& messages, const QString& programFolder, QObject* parent)
    : QObject(parent), m_programFolder(programFolder), m_encoder(messages, this), m_probe(messages, this),
      m_monitor(this)
{
    m_encoder.setObjectName(QStringLiteral("encoder"));
    m_probe.setObjectName(QStringLiteral("probe"));
    m_encoder.setEncoderProcessName(kEncoderName);
    m_probe.setEncoderProcessName(kEncoderName);
    connect(&m_encoder, &DOSOutputs::ReceiveOutputs, &m_monitor, &ConversionMonitor::receiveOutputs);
    connect(&m_encoder, &DOSOutputs::CommandOver, &m_monitor, &ConversionMonitor::commandOver);
    // The probe's description is read as it arrives, as the progress
    // display reads the conversion's.
    connect(&m_probe, &DOSOutputs::ReceiveOutputs, this, [this](const QString& piece) {
        if (m_phase != Phase::Probing)
            return;
        m_scan.feed(piece, m_yield);
        m_length.receiveOutputs(piece);
    });
    connect(&m_probe, &DOSOutputs::CommandOver, this, [this] {
        if (m_phase == Phase::Probing)
            probeEnded();
        else if (m_phase == Phase::FindingKeyFrame)
            keyFrameFound();
    });
    connect(&m_encoder, &DOSOutputs::CommandOver, this, [this] {
        if (m_phase == Phase::Converting)
            conversionEnded();
    });
}

ProbeResult Converter::probe(const QString& source)
{
    RotationScan scan;
    ProgressParser length;
    const auto connection = connect(&m_probe, &DOSOutputs::ReceiveOutputs, this, [&](const QString& piece) {
        scan.feed(piece, m_yield);
        length.receiveOutputs(piece);
    });
    m_probe.ExecuteCommand(probeCommand(m_programFolder, source));
    disconnect(connection);
    return described(source, scan, length);
}

ProbeResult Converter::described(const QString& source, const RotationScan& scan, const ProgressParser& length) const
{
    ProbeResult result;
    result.ran = m_probe.lastRunEnd() != DOSOutputs::RunEnd::NotStarted;
    result.declaredRotation = scan.declared;
    result.lengthSeconds = length.TotalSeconds();
    if (result.ran)
        result.streams = scanDescription(m_probe.Outputs(), source);
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
    m_scan = RotationScan{};
    m_length = ProgressParser{};
    m_monitor.resetBar();
    m_monitor.parser().setCutter(settings.musicCutter, settings.cutToSeconds);
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
    m_probeCommand = m_probe.CommandLine();
    m_probeOutputs = m_probe.Outputs();
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
    m_job.keyFrame = m_job.keyFrameIn(m_probe.Outputs());
    m_probeOutputs += QStringLiteral("\n$ ") + m_probe.CommandLine() + u'\n' + m_probe.Outputs();
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
    if (m_settings.planOnly) {
        // The name stays held: a later source of the same name is shown
        // with the name it would get beside this one's output.
        m_result.plan = m_probeCommand;
        for (const QString& reason : m_job.added())
            m_result.plan += QStringLiteral("\n# added ") + reason;
        m_result.plan += u'\n' + m_job.command(m_programFolder).text();
        m_result.ok = true;
        complete();
        return;
    }
    m_encoder.setCommand(m_job.command(m_programFolder));
    if (m_outputChosen)
        m_outputChosen(m_job, m_existedBefore);
    m_phase = Phase::Converting;
    if (m_stopping || !m_encoder.start())
        conversionEnded();
}

void Converter::conversionEnded()
{
    const DOSOutputs::RunEnd end = m_encoder.lastRunEnd();
    const QFileInfo written(m_result.output);
    ConversionResult& result = m_result;
    result.ok = !m_stopping && end == DOSOutputs::RunEnd::Exited && m_encoder.lastExitCode() == 0 &&
                written.isFile() && written.size() > 0;
    if (!result.ok) {
        if (m_stopping)
            result.error = tr("stopped");
        else if (end == DOSOutputs::RunEnd::NotStarted)
            result.error = fileNotFound();
        else if (end == DOSOutputs::RunEnd::Crashed)
            result.error = tr("The encoder stopped unexpectedly.");
        else
            result.error = tellingLine(m_encoder.Outputs());
        // A folder that can no longer be written to fails every file after
        // this one too: tell the batch, which stops.
        result.outputUnwritable = !m_stopping && end == DOSOutputs::RunEnd::Exited &&
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
    if (m_logs && !m_settings.planOnly) {
        const bool converted = !m_result.output.isEmpty();
        const bool probed = !m_probeCommand.isEmpty();
        m_result.log = m_logs->write({m_result.source, m_result.output,
                                      probed ? m_probeCommand : m_probe.CommandLine(),
                                      converted ? m_encoder.CommandLine() : QString(),
                                      probed ? m_probeOutputs : m_probe.Outputs(),
                                      converted ? m_encoder.Outputs() : QString(), m_started,
                                      QDateTime::currentDateTime(),
                                      m_result.ok ? QStringLiteral("converted") : m_result.error, m_result.added});
    }
    m_phase = Phase::Idle;
    emit finished(m_result);
}

void Converter::waitForActivity(qint32 milliSeconds)
{
    if (m_phase == Phase::Probing || m_phase == Phase::FindingKeyFrame)
        m_probe.waitForActivity(milliSeconds);
    else if (m_phase == Phase::Converting)
        m_encoder.waitForActivity(milliSeconds);
}

void Converter::stop()
{
    m_stopping = true;
    m_encoder.stop();
    m_probe.stop();
}

} // namespace tarnwick
