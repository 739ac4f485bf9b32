#pragma once

#include "conversion/ConversionMonitor.h"
#include "conversion/OutputNames.h"
#include "conversion/Rotation.h"
#include "conversion/RunSettings.h"
#include "process/DOSOutputs.h"

#include <QObject>
#include <QTime>

#include <atomic>
#include <functional>

namespace tarnwick {

class ConversionLogs;
class Messages;

// Converts one file at a time with its own pair of encoder runners: the
// probe of the input, then the conversion, whose output drives the progress.
// Knows nothing of queues or windows; a batch hands it a source and the
// run's settings and gets back what happened.
class Converter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Converter)

public:
    using Clock = TimeOfDay;

    Converter(Messages& messages, const QString& programFolder, QObject* parent = nullptr);

    const QString& programFolder() const { return m_programFolder; }
    DOSOutputs& objDOS() { return m_objDOS; }
    DOSOutputs& objffmpeg() { return m_objffmpeg; }
    ConversionMonitor& monitor() { return m_monitor; }
    // Lets window events run during the rotation scan.
    void setYield(Rotation::Yield yield) { m_yield = std::move(yield); }
    // Told the output path (and whether something was there) just before
    // the encoder starts writing it.
    using OutputChosen = std::function<void(const QString& output, bool existedBefore)>;
    void setOutputChosen(OutputChosen told) { m_outputChosen = std::move(told); }
    // Where each conversion's log goes; none unless given.
    void setLogs(const ConversionLogs* logs) { m_logs = logs; }

    ProbeResult probe(const QString& source);
    // `names` picks the output path, by the time of day `clock` gives.
    ConversionResult convert(const QString& source, const RunSettings& settings, OutputNames& names,
                             const Clock& clock);

    // Ends the running encoder; the conversion in progress returns failed
    // with its unfinished output removed. Safe from any thread.
    void stop();
    // A stopped converter takes work again.
    void resume() { m_stopping = false; }

    // The command texts a conversion would run, with what the source needs
    // for the format; runs the probe, converts nothing.
    QString dryRun(const QString& source, const RunSettings& settings, const QString& output);

private:
    ConversionResult run(const QString& source, const RunSettings& settings, OutputNames& names,
                         const Clock& clock);
    QString m_programFolder;
    DOSOutputs m_objDOS;
    DOSOutputs m_objffmpeg;
    ConversionMonitor m_monitor;
    Rotation::Yield m_yield;
    OutputChosen m_outputChosen;
    const ConversionLogs* m_logs = nullptr;
    std::atomic_bool m_stopping = false;
};

// The line that says why the encoder failed: its last error line before the
// closing summary ("No space left on device", "Permission denied", ...);
// the last line when none reads as an error.
QString tellingLine(const QString& output);
// Whether an encoder's reason says the output's disk took no more.
bool meansOutputUnwritable(const QString& reason);

} // namespace tarnwick
