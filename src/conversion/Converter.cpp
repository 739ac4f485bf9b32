#include "conversion/Converter.h"

#include "base/Text.h"
#include "conversion/ConversionLogs.h"
#include "conversion/ConversionPlan.h"
#include "conversion/EncoderCommand.h"
#include "conversion/OutputNames.h"
#include "conversion/Progress.h"
#include "seams/Messages.h"

#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>

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
    : QObject(parent), m_programFolder(programFolder), m_objDOS(messages, this), m_objffmpeg(messages, this),
      m_monitor(this)
{
    m_objDOS.setObjectName(QStringLiteral("objDOS"));
    m_objffmpeg.setObjectName(QStringLiteral("objffmpeg"));
    m_objDOS.setEncoderProcessName(kEncoderName);
    m_objffmpeg.setEncoderProcessName(kEncoderName);
    connect(&m_objDOS, &DOSOutputs::ReceiveOutputs, &m_monitor, &ConversionMonitor::objDOS_ReceiveOutputs);
    connect(&m_objDOS, &DOSOutputs::CommandOver, &m_monitor, &ConversionMonitor::objDOS_CommandOver);
}

ProbeResult Converter::probe(const QString& source)
{
    // The length is read as the progress display reads it from the
    // conversion's own output, piece by piece.
    RotationScan scan;
    ProgressParser length;
    const auto connection = connect(&m_objffmpeg, &DOSOutputs::ReceiveOutputs, this, [&](const QString& piece) {
        scan.feed(piece, m_yield);
        length.objDOS_ReceiveOutputs(piece);
    });
    m_objffmpeg.ExecuteCommand(probeCommand(m_programFolder, source));
    disconnect(connection);
    ProbeResult result;
    result.ran = m_objffmpeg.lastRunEnd() != DOSOutputs::RunEnd::NotStarted;
    result.declaredRotation = scan.declared;
    result.lengthSeconds = length.TotalSeconds();
    if (result.ran)
        result.streams = scanDescription(m_objffmpeg.Outputs(), source);
    return result;
}

ConversionResult Converter::convert(const QString& source, const RunSettings& settings, OutputNames& names,
                                    const Clock& clock)
{
    const QDateTime started = QDateTime::currentDateTime();
    ConversionResult result = run(source, settings, names, clock);
    // A log for each conversion the encoder took part in.
    if (m_logs && m_objffmpeg.lastRunEnd() != DOSOutputs::RunEnd::NotStarted) {
        const bool converted = !result.output.isEmpty();
        result.log = m_logs->write({source, result.output, m_objffmpeg.CommandLine(),
                                    converted ? m_objDOS.CommandLine() : QString(), m_objffmpeg.Outputs(),
                                    converted ? m_objDOS.Outputs() : QString(), started,
                                    QDateTime::currentDateTime(),
                                    result.ok ? QStringLiteral("converted") : result.error, result.added});
        m_logs->prune();
    }
    return result;
}

ConversionResult Converter::run(const QString& source, const RunSettings& settings, OutputNames& names,
                                const Clock& clock)
{
    ConversionResult result;
    result.source = source;
    m_monitor.resetBar();
    m_monitor.parser().setCutter(settings.musicCutter, settings.cutToSeconds);

    const ProbeResult probed = probe(source);
    result.lengthSeconds = probed.lengthSeconds;
    if (m_stopping) {
        result.error = tr("stopped");
        return result;
    }
    if (!probed.ran) {
        // No encoder to run: the entry is dropped instead of started for ever.
        result.error = fileNotFound();
        return result;
    }
    // What cannot convert at all fails here, with nothing written for it.
    if (const QString reason = unconvertibleReason(probed.streams); !reason.isEmpty()) {
        result.error = reason;
        return result;
    }
    const OutputFormat* format = formatForIndex(settings.internalIndex);
    if (!format) {
        result.error = tr("No output format is chosen");
        return result;
    }
    const ConversionPlan plan = planConversion(probed.streams, *format,
                                               Rotation::filterFor(settings.rotationChoice, probed.declaredRotation),
                                               settings.bitrateText, settings.webOptimized);
    result.output = names.reserve(settings.outputFolder, source, plan.extension, clock());
    const bool existedBefore = isOccupied(result.output);
    result.added = plan.fit.reasons;
    m_objDOS.setCommand(conversionCommand(m_programFolder, source, *plan.format, plan.bitrateText,
                                          plan.rotateFilter, result.output, plan.fit));
    if (m_outputChosen)
        m_outputChosen(result.output, existedBefore);
    if (!m_stopping)
        m_objDOS.ExecuteCommand(QString());

    const DOSOutputs::RunEnd end = m_objDOS.lastRunEnd();
    const QFileInfo written(result.output);
    result.ok = !m_stopping && end == DOSOutputs::RunEnd::Exited && m_objDOS.lastExitCode() == 0 &&
                written.isFile() && written.size() > 0;
    if (!result.ok) {
        if (m_stopping)
            result.error = tr("stopped");
        else if (end == DOSOutputs::RunEnd::NotStarted)
            result.error = fileNotFound();
        else if (end == DOSOutputs::RunEnd::Crashed)
            result.error = tr("The encoder stopped unexpectedly.");
        else
            result.error = tellingLine(m_objDOS.Outputs());
        // A folder that can no longer be written to fails every file after
        // this one too: tell the batch, which stops.
        result.outputUnwritable = end == DOSOutputs::RunEnd::Exited &&
                                  (meansOutputUnwritable(result.error) ||
                                   !outputFolderProblem(settings.outputFolder).isEmpty());
        // A file this run made but did not finish must not look like a
        // finished one. A file that was there before is never touched.
        if (!existedBefore)
            QFile::remove(result.output);
    }
    names.release(result.output);
    return result;
}

void Converter::stop()
{
    m_stopping = true;
    m_objDOS.stop();
    m_objffmpeg.stop();
}

QString Converter::dryRun(const QString& source, const RunSettings& settings, const QString& output)
{
    QString text = probeCommand(m_programFolder, source).text();
    const OutputFormat* format = formatForIndex(settings.internalIndex);
    if (!format)
        return text;
    // The description is read as the conversion reads it, so that what is
    // printed is what would run.
    const ProbeResult probed = probe(source);
    if (const QString reason = unconvertibleReason(probed.streams); !reason.isEmpty())
        return text + QStringLiteral("\n# not converted: ") + reason;
    const ConversionPlan plan = planConversion(probed.streams, *format,
                                               Rotation::filterFor(settings.rotationChoice, probed.declaredRotation),
                                               settings.bitrateText, settings.webOptimized);
    for (const QString& reason : plan.fit.reasons)
        text += QStringLiteral("\n# added ") + reason;
    // A copy's extension follows the source: the output named here is the one it writes.
    QString written = output;
    if (plan.extension != format->extension && output.endsWith(format->extension))
        written = output.chopped(format->extension.size()) + plan.extension;
    return text + u'\n' +
           conversionCommand(m_programFolder, source, *plan.format, plan.bitrateText, plan.rotateFilter, written,
                             plan.fit)
               .text();
}

} // namespace tarnwick
