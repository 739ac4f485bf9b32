#pragma once

#include "job/ConversionJob.h"
#include "engine/ConversionQueue.h"
#include "job/OutputNames.h"
#include "job/RunSettings.h"
#include "process/clsWaitableTimer.h"

#include <QList>
#include <QObject>
#include <QTime>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tarnwick {

class BatchJournal;
class Converter;
class Messages;
class Shell;
enum class MessageIcon;

// Converts the run list from its front, with the settings it was started
// with, in lanes: each lane a converter of its own taking the first entry
// no lane holds yet. With one lane that is one file after another. When the
// list is empty it unlocks the controls, opens the output folder, beeps if
// asked, says "Done." and rebuilds the queue from the master list. The
// batch waits for its lanes with window events running, which keeps the
// window live. What the window shows it learns from the signals; it is
// never asked anything.
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
    ~BatchDriver() override;

    // How many files convert at once: 1 up, or 0 for one per core. A batch
    // takes it when it begins.
    void setLanes(int lanes);
    int lanes() const { return m_lanesWanted; }
    // What a batch begun now would run: the count, 0 resolved to the cores.
    int laneCount() const;
    // The converters of the lanes the last batch ran; lane 0 is the one
    // given in Parts.
    int laneConverters() const { return int(m_lanes.size()); }
    Converter& laneConverter(int lane) { return *m_lanes.at(size_t(lane)).converter; }

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

    // Stops every lane's encoder and ends the batch without its closing
    // steps: the program is exiting. The unfinished outputs are deleted.
    void abort();
    // The user's Stop: every lane's encoder ended and its unfinished output
    // deleted, every file not converted kept in the queue, the controls
    // unlocked and "Stopped." shown.
    void stop();
    bool busy() const { return m_state != State::Idle; }
    // The run list changed: a lane with nothing to do takes what was added
    // at once, not when another lane ends.
    void runListChanged();

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
    struct Lane {
        Converter* converter = nullptr;
        int index = -1;       // the file it converts, -1 when free
        quint64 entry = 0;    // that file's entry in the run list
        std::optional<ConversionJob> job; // once its output is chosen
        bool existedBefore = false;
    };
    void prepareLanes();
    void connectLane(int lane);
    std::optional<RunEntry> nextWaiting() const;
    bool anyBusy() const;
    void startLane(int lane, const RunEntry& entry);
    void waitForALane();
    void finishLane(int lane);
    void stopLanes();
    void refuse(const QString& problem, MessageIcon icon);
    void finishBatch();
    void reportFailures();
    void stopForUnwritableOutput();
    void finishStopped();
    void endEarly();
    QStringList failureLines() const;
    void unlock();
    void journal();
    void closeJournal();
    void pruneLogs();

    Parts m_parts;
    QTimer m_timer;
    State m_state = State::Idle;
    bool m_aborting = false;
    bool m_stopping = false;
    bool m_outputFull = false;
    bool m_desktopSteps = true;
    const BatchJournal* m_journal = nullptr;
    RunSettings m_settings;
    int m_lanesWanted = 1;
    std::vector<Lane> m_lanes;
    std::vector<std::unique_ptr<Converter>> m_ownConverters; // lanes 1 up
    QList<int> m_finishedLanes; // in the order they finished
    bool m_runListChanged = false;
    clsWaitableTimer m_wait;
    bool m_temporaryUsable = false;
    QString m_temporary;
    int m_started = 0;
    OutputNames m_names;
    QList<ConversionResult> m_results; // in the order the files started
    QList<int> m_resultIndexes;
    Clock m_clock = realTimeOfDay;
};

} // namespace tarnwick
