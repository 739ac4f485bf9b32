#pragma once

#include "job/ContentLook.h"
#include "job/ConversionJob.h"
#include "job/ConversionResult.h"
#include "engine/ConversionMonitor.h"
#include "engine/EncoderOutput.h"
#include "job/OutputNames.h"
#include "media/Rotation.h"
#include "job/RunSettings.h"
#include "process/ProcessRunner.h"

#include <QDateTime>
#include <QObject>
#include <QTime>

#include <functional>

namespace tarnwick {

class ConversionLogs;
class Messages;

// Converts one file at a time with its own pair of encoder runners: the
// probe of the input, then the conversion, whose output drives the progress.
// Knows nothing of queues or windows; a batch hands it a source and the
// run's settings and hears back what happened. A conversion runs through
// the runners' signals, so several converters work side by side on one
// thread, each a lane of the batch.
class Converter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Converter)

public:
    using Clock = TimeOfDay;

    Converter(Messages& messages, const QString& programFolder, QObject* parent = nullptr);

    const QString& programFolder() const { return m_programFolder; }
    ProcessRunner& encoderRunner() { return m_encoder; }
    ProcessRunner& probeRunner() { return m_probe; }
    ConversionMonitor& monitor() { return m_monitor; }
    // Told the job (and whether something was at its output) just before
    // the encoder starts writing it.
    using OutputChosen = std::function<void(const ConversionJob& job, bool existedBefore)>;
    void setOutputChosen(OutputChosen told) { m_outputChosen = std::move(told); }
    // Where each conversion's log goes; none unless given.
    void setLogs(const ConversionLogs* logs) { m_logs = logs; }
    const ConversionLogs* logs() const { return m_logs; }

    // Starts converting `source`, the part `range` of it; `names` picks the
    // output path, by the time of day `clock` gives, and must outlive the
    // conversion. True while it runs: `finished` follows. False when it is
    // over already (nothing could be started), with result() holding why.
    bool start(const QString& source, const RunSettings& settings, OutputNames& names, const Clock& clock,
               const TimeRange& range = {});
    bool busy() const { return m_phase != Phase::Idle; }
    const ConversionResult& result() const { return m_result; }

    // Ends the running encoder; the conversion in progress ends failed
    // with its unfinished output removed.
    void stop();
    // The same, but over before it returns, `finished` included: for when
    // no event may come any more. The encoder's own end is not waited for.
    void endNow();
    // A stopped converter takes work again.
    void resume() { m_stopping = false; }


signals:
    void finished(const tarnwick::ConversionResult& result);

private:
    enum class Phase { Idle, Probing, Looking, FindingKeyFrame, Converting };
    void probeEnded();
    // The look's runs one after the other, then what follows the probe.
    void lookNext();
    void lookEnded();
    void planned();
    void keyFrameFound();
    void convert();
    void startRun();
    void conversionEnded();
    // Aiming at a size: true when the last pass runs again at a corrected
    // rate; false when the result stands (or, above the target, fails).
    bool triedAgain(qint64 madeBytes);
    void complete();
    ProbeResult described(const QString& source, const RotationScan& scan, const ProgressParser& length) const;

    QString m_programFolder;
    ProcessRunner m_encoder;
    ProcessRunner m_probe;
    ConversionMonitor m_monitor;
    OutputChosen m_outputChosen;
    const ConversionLogs* m_logs = nullptr;
    bool m_stopping = false;

    // The conversion in progress.
    Phase m_phase = Phase::Idle;
    RunSettings m_settings;
    TimeRange m_range;
    OutputNames* m_names = nullptr;
    Clock m_clock;
    RotationScan m_scan;
    ProgressParser m_length; // the probe's length, read as the progress reads it
    ConversionJob m_job;
    ContentLook m_look;
    ProbeResult m_probed; // the description, which the look adds to
    QString m_probeCommand; // the probe's, and the key frame's run after it
    QString m_probeOutputs;
    QList<ConsoleCommand> m_runs; // the encoder's runs for the job: one, or two passes
    qsizetype m_run = 0;
    QString m_passLog;            // the first pass's log, in the temporary folder
    QList<QPair<QString, QString>> m_ranRuns; // the runs before the current one: command and output
    QList<SizeTry> m_tries;       // encodes of the last pass aiming at a size
    bool m_existedBefore = false;
    QDateTime m_started;
    ConversionResult m_result;
};

} // namespace tarnwick
