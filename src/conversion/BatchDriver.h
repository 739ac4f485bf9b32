#pragma once

#include "conversion/OutputNames.h"
#include "conversion/RunSettings.h"

#include <QList>
#include <QObject>
#include <QTime>
#include <QTimer>

#include <functional>

namespace tarnwick {

class BatchJournal;
class ConversionQueue;
class Converter;
class Messages;
class Shell;
enum class MessageIcon;

// Converts the run list one file at a time from its front, with the
// settings it was started with. When the list is empty it unlocks the
// controls, opens the output folder, beeps if asked, says "Done." and
// rebuilds the queue from the master list. Each encoder run is waited for
// inside the converter's runners, which keeps the window live. What the
// window shows it learns from the signals; it is never asked anything.
class BatchDriver : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BatchDriver)

public:
    enum class State { Idle, Armed, Running };

    struct Parts {
        ConversionQueue& queue;
        Converter& converter;
        Shell& shell;
        Messages& messages;
    };

    explicit BatchDriver(const Parts& parts, QObject* parent = nullptr);

    State state() const { return m_state; }
    QTimer& Timer1() { return m_timer; }
    const QList<ConversionResult>& results() const { return m_results; }
    const RunSettings& settings() const { return m_settings; }

    // The time of day that names each output; the real clock unless given.
    using Clock = TimeOfDay;
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // Off for a face that reports on its own: no folder opened, no beep,
    // no message about failures.
    void setDesktopSteps(bool on) { m_desktopSteps = on; }
    // Where the batch keeps its journal while it runs; none unless given.
    void setJournal(const BatchJournal* journal) { m_journal = journal; }

    // Arms the batch with these settings; it starts on Timer1.
    void StartConversion(const RunSettings& settings);
    // The start button: locks the settings first; with nothing queued they
    // are unlocked again.
    void Command3_Click(const RunSettings& settings);
    void Timer1_Timer();
    void ConvertQueue(const RunSettings& settings);

    // Stops the running encoder and ends the batch without its closing
    // steps: the program is exiting. The unfinished output is deleted.
    void abort();
    // The user's Stop: the running encoder ended and its unfinished output
    // deleted, every file not converted kept in the queue, the controls
    // unlocked and "Stopped." shown.
    void stop();
    bool busy() const { return m_state != State::Idle; }

signals:
    // The five settings a batch locks: format, bitrate, browse button,
    // output folder and rotation.
    void settingsEnabledChanged(bool enabled);
    // The queue's controls: toolbar, list, the start button, the convert
    // image and the feedback link.
    void queueControlsEnabledChanged(bool enabled);
    // The files the batch starts with, in order.
    void batchStarted(const QStringList& sources);
    // The folder as the batch uses it, with its separator.
    void outputFolderUsed(const QString& folder);
    // File `index` (0-based) of `count` known so far begins.
    void fileStarted(int index, int count, const QString& source);
    void fileProgress(int index, double percent);
    void fileFinished(int index, const tarnwick::ConversionResult& result);
    // The drop zone comes back, the bar image empties and the label says "Done.".
    void batchDone();
    // The batch ended early: the label says "Stopped." instead.
    void batchStopped();
    void batchFinished();

private:
    void refuse(const QString& problem, MessageIcon icon);
    void finishBatch();
    void reportFailures();
    void stopForUnwritableOutput();
    void finishStopped();
    void endEarly();
    QStringList failureLines() const;
    void unlock();
    void journal(const QString& writing = QString(), bool existed = false);
    void closeJournal();

    Parts m_parts;
    QTimer m_timer;
    State m_state = State::Idle;
    bool m_aborting = false;
    bool m_stopping = false;
    bool m_desktopSteps = true;
    const BatchJournal* m_journal = nullptr;
    RunSettings m_settings;
    int m_current = -1;
    OutputNames m_names;
    QList<ConversionResult> m_results;
    Clock m_clock = realTimeOfDay;
};

} // namespace tarnwick
