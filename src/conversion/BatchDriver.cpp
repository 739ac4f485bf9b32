#include "conversion/BatchDriver.h"

#include "conversion/ConversionMonitor.h"
#include "conversion/ConversionQueue.h"
#include "conversion/EncoderCommand.h"
#include "conversion/Options.h"
#include "conversion/OutputPresets.h"
#include "conversion/Rotation.h"
#include "conversion/TemporaryFolder.h"
#include "process/DOSOutputs.h"
#include "process/Messages.h"
#include "process/Shell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTime>

namespace tarnwick {

namespace {

const QString kEncoderName = QStringLiteral("conv.exe");

QString lastLine(const QString& output)
{
    const QStringList lines = output.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QString line = it->trimmed();
        if (!line.isEmpty())
            return line;
    }
    return QStringLiteral("the encoder printed nothing");
}

bool hasSeparatorAtEnd(const QString& text)
{
    return text.endsWith(u'/') || text.endsWith(u'\\');
}

// Why no file could be written into the output folder, or nothing. Tried by
// making a file there: permissions alone do not tell (an administrator
// passes them, an immutable or read-only mounted folder refuses even him).
QString outputFolderProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return QStringLiteral("The output folder could not be created:\n\n") + folder;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tarnwick-XXXXXX")));
    if (!probe.open())
        return QStringLiteral("The output folder cannot be written:\n\n") + folder + QStringLiteral("\n\n") +
               probe.errorString();
    return QString();
}

} // namespace

BatchDriver::BatchDriver(const Parts& parts, const QString& programFolder, QObject* parent)
    : QObject(parent), m_parts(parts), m_programFolder(programFolder)
{
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(100);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BatchDriver::Timer1_Timer);
    // The conversion runner's output drives the progress and its end moves
    // the queue on; the probe runner's output may change the rotation filter.
    ConversionMonitor* monitor = &m_parts.monitor;
    Rotation* rotation = &m_parts.rotation;
    connect(&m_parts.objDOS, &DOSOutputs::ReceiveOutputs, monitor, &ConversionMonitor::objDOS_ReceiveOutputs);
    connect(&m_parts.objDOS, &DOSOutputs::CommandOver, monitor, &ConversionMonitor::objDOS_CommandOver);
    connect(&m_parts.objffmpeg, &DOSOutputs::ReceiveOutputs, this,
            [rotation](const QString& piece) { rotation->objffmpeg_ReceiveOutputs(piece); });
    connect(&m_parts.objffmpeg, &DOSOutputs::CommandOver, this, [rotation] { rotation->objffmpeg_CommandOver(); });
}

void BatchDriver::StartConversion()
{
    // One batch at a time: a second would run nested inside the first on
    // the same runners.
    if (m_state != State::Idle)
        return;
    if (m_parts.queue.runListEmpty()) {
        m_parts.messages.show(QStringLiteral("Please add a file."), QStringLiteral("Add"),
                              MessageIcon::Exclamation);
        return;
    }
    m_parts.window.setQueueControlsEnabled(false);
    m_state = State::Armed;
    m_timer.start();
}

void BatchDriver::Command3_Click()
{
    if (m_state != State::Idle)
        return;
    m_parts.window.setSettingsEnabled(false);
    StartConversion();
    if (m_state == State::Idle)
        m_parts.window.setSettingsEnabled(true);
}

void BatchDriver::Timer1_Timer()
{
    m_timer.stop();
    if (m_state != State::Armed)
        return;
    QCoreApplication::processEvents();
    ConvertQueue();
}

void BatchDriver::ConvertQueue()
{
    m_state = State::Running;
    m_aborting = false;
    m_results.clear();

    QDir().mkpath(m_parts.window.txtPath());
    const QString temporary = temporaryFolderPath();
    const bool temporaryUsable = ensureTemporaryFolder(temporary);
    if (!hasSeparatorAtEnd(m_parts.window.txtPath()))
        m_parts.window.setTxtPath(m_parts.window.txtPath() + QDir::separator());
    // Checked on the text with its separator: an empty box means the root.
    if (const QString problem = outputFolderProblem(m_parts.window.txtPath()); !problem.isEmpty()) {
        // Every file would fail the same way: say it once and keep the queue.
        m_state = State::Idle;
        m_parts.window.setSettingsEnabled(true);
        m_parts.window.setQueueControlsEnabled(true);
        m_parts.messages.show(problem, kProgramTitle, MessageIcon::Exclamation);
        emit batchFinished();
        return;
    }

    while (!m_parts.queue.runListEmpty() && !m_aborting) {
        if (temporaryUsable)
            QFile::remove(temporary + QDir::separator() + QStringLiteral("tmp.mp4"));
        m_results.append(convertFront());
        QCoreApplication::processEvents();
    }
    if (m_aborting) {
        m_state = State::Idle;
        return;
    }
    finishBatch();
}

ConversionResult BatchDriver::convertFront()
{
    ConversionResult result;
    result.source = m_parts.queue.runFront();
    const QString outputFolder = m_parts.window.txtPath();

    m_parts.rotation.startJob();
    m_parts.monitor.resetBar();
    m_parts.monitor.parser().setCutter(m_parts.options.MusicCutter, m_parts.options.CutToSeconds);

    m_parts.objffmpeg.setEncoderProcessName(kEncoderName);
    m_parts.objffmpeg.ExecuteCommand(probeCommand(m_programFolder, result.source));
    if (m_aborting)
        return result;
    if (m_parts.objffmpeg.lastRunEnd() == DOSOutputs::RunEnd::NotStarted) {
        // No encoder to run: drop the entry instead of starting it for ever.
        result.error = QStringLiteral("File or command not found");
        m_parts.queue.removeRunFront();
        return result;
    }

    const auto format = outputFormatForIndex(m_parts.presets.cmbOF.position());
    if (!format) {
        result.error = QStringLiteral("No output format is chosen");
        m_parts.queue.removeRunFront();
        return result;
    }
    result.output = availableOutputPath(outputFolder, result.source, format->extension, m_clock());
    const auto command = conversionCommand(m_programFolder, result.source, m_parts.presets.cmbOF.position(),
                                           m_parts.presets.cmbBitrate.text(),
                                           m_parts.rotation.RotateFilter(), result.output);
    const bool existedBefore = isOccupied(result.output);

    m_parts.objDOS.setEncoderProcessName(kEncoderName);
    m_parts.objDOS.setCommand(*command);
    m_parts.objDOS.ExecuteCommand(QString());

    const DOSOutputs::RunEnd end = m_parts.objDOS.lastRunEnd();
    if (end == DOSOutputs::RunEnd::NotStarted) {
        result.error = QStringLiteral("File or command not found");
        m_parts.queue.removeRunFront();
        return result;
    }
    const QFileInfo written(result.output);
    result.ok = end == DOSOutputs::RunEnd::Exited && m_parts.objDOS.lastExitCode() == 0 &&
                written.isFile() && written.size() > 0;
    if (!result.ok) {
        if (m_aborting)
            result.error = QStringLiteral("stopped at exit");
        else if (end == DOSOutputs::RunEnd::Crashed)
            result.error = QStringLiteral("The encoder stopped unexpectedly.");
        else
            result.error = lastLine(m_parts.objDOS.Outputs());
        // A file this run made but did not finish must not look like a
        // finished one. A file that was there before is never touched.
        if (!existedBefore)
            QFile::remove(result.output);
    }
    return result;
}

void BatchDriver::finishBatch()
{
    m_parts.monitor.resetBar();
    m_parts.window.setSettingsEnabled(true);
    m_parts.shell.openPath(m_parts.window.txtPath());
    if (m_parts.options.SoundReminder == 0)
        m_parts.shell.beep();
    m_parts.window.setQueueControlsEnabled(true);
    m_parts.window.showBatchDone();
    m_parts.queue.restoreFromMaster();
    m_state = State::Idle;
    reportFailures();
    emit batchFinished();
}

void BatchDriver::reportFailures()
{
    QStringList lines;
    for (const ConversionResult& result : std::as_const(m_results)) {
        if (!result.ok)
            lines << result.source + QStringLiteral("\n    ") + result.error;
    }
    if (lines.isEmpty())
        return;
    const QString heading = lines.size() == 1 ? QStringLiteral("1 file could not be converted:")
                                              : QStringLiteral("%1 files could not be converted:").arg(lines.size());
    m_parts.messages.show(heading + QStringLiteral("\n\n") + lines.join(u'\n'), kProgramTitle,
                          MessageIcon::Exclamation);
}

void BatchDriver::abort()
{
    m_timer.stop();
    if (m_state == State::Armed)
        m_state = State::Idle;
    if (m_state != State::Running)
        return;
    m_aborting = true;
    m_parts.objDOS.stop();
    m_parts.objffmpeg.stop();
}

} // namespace tarnwick
