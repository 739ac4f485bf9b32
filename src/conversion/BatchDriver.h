#pragma once

#include <QList>
#include <QObject>
#include <QTime>
#include <QTimer>

#include <functional>

namespace tarnwick {

class ConversionMonitor;
class ConversionQueue;
class DOSOutputs;
class Messages;
class OutputPresets;
class Rotation;
class Shell;
struct Options;

// What the batch asks of the window around it.
class BatchWindow
{
public:
    virtual ~BatchWindow() = default;
    virtual QString txtPath() const = 0;
    virtual void setTxtPath(const QString& text) = 0;
    // The five settings a batch locks: format, bitrate, browse button,
    // output folder and rotation.
    virtual void setSettingsEnabled(bool enabled) = 0;
    // The queue's controls: toolbar, list, hidden presets, the start button,
    // the convert image and the feedback link.
    virtual void setQueueControlsEnabled(bool enabled) = 0;
    // The drop zone comes back, the bar image empties and the label says "Done.".
    virtual void showBatchDone() = 0;
};

// One conversion's outcome.
struct ConversionResult {
    QString source;
    QString output;
    bool ok = false;
    QString error; // the encoder's last line, or why it could not start
};

// Converts the run list one file at a time from its front: a probe of the
// input (which may change the rotation filter), then the conversion, whose
// output drives the progress display. When the list is empty it restores
// the window, opens the output folder, beeps if asked, says "Done." and
// rebuilds the queue from the master list. Each encoder run is waited for
// inside the runner, which keeps the window live.
class BatchDriver : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BatchDriver)

public:
    enum class State { Idle, Armed, Running };

    struct Parts {
        ConversionQueue& queue;
        DOSOutputs& objDOS;
        DOSOutputs& objffmpeg;
        ConversionMonitor& monitor;
        Rotation& rotation;
        OutputPresets& presets;
        const Options& options;
        BatchWindow& window;
        Shell& shell;
        Messages& messages;
    };

    BatchDriver(const Parts& parts, const QString& programFolder, QObject* parent = nullptr);

    State state() const { return m_state; }
    const QString& programFolder() const { return m_programFolder; }
    QTimer& Timer1() { return m_timer; }
    const QList<ConversionResult>& results() const { return m_results; }

    // The time of day that names each output; the real clock unless given.
    using Clock = std::function<QTime()>;
    void setClock(Clock clock) { m_clock = std::move(clock); }

    void StartConversion();
    // The start button: locks the settings first; with nothing queued they
    // are unlocked again.
    void Command3_Click();
    void Timer1_Timer();
    void ConvertQueue();

    // Stops the running encoder and ends the batch without its closing
    // steps: the program is exiting. The unfinished output is deleted.
    void abort();

signals:
    void batchFinished();

private:
    ConversionResult convertFront();
    void finishBatch();
    void reportFailures();

    Parts m_parts;
    QString m_programFolder;
    QTimer m_timer;
    State m_state = State::Idle;
    bool m_aborting = false;
    QList<ConversionResult> m_results;
    Clock m_clock = [] { return QTime::currentTime(); };
};

} // namespace tarnwick
