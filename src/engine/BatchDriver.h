#pragma once

#include "engine/BatchRecords.h"
#include "engine/ConversionQueue.h"
#include "engine/ConverterLanes.h"
#include "job/ConversionResult.h"
#include "job/OutputNames.h"
#include "job/RunSettings.h"

#include <QList>
#include <QObject>
#include <QTime>
#include <QTimer>

#include <optional>

namespace tarnwick {

class Converter;
class Messages;
enum class MessageIcon;

// Converts the run list from its front, with the settings it was started
// with, in lanes: each lane a converter of its own taking the first entry
// no lane holds yet. With one lane that is one file after another. When the
// list is empty it rebuilds the queue from the master list. What a face
// does around a batch (locks, the folder, the beep, what it says at the
// end) it does on the signals; the batch only says what stops or refuses
// it, to whichever face runs it.
class BatchDriver : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BatchDriver)

public:
    enum class State { Idle, Armed, Running };

    struct Parts {
        ConversionQueue& queue;
        Converter& converter;
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
    int laneConverters() const { return m_lanes.count(); }
    Converter& laneConverter(int lane) { return *m_lanes[lane].converter; }

    State state() const { return m_state; }
    bool busy() const { return m_state != State::Idle; }
    QTimer& armingTimer() { return m_timer; }
    const QList<ConversionResult>& results() const { return m_results; }
    const RunSettings& settings() const { return m_settings; }

    // The time of day that names each output; the real clock unless given.
    using Clock = TimeOfDay;
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // Where the batch keeps its journal while it runs; none unless given.
    void setJournal(const BatchJournal* journal) { m_records.setJournal(journal); }

    // Arms the batch with these settings; it begins when the arming timer
    // (the window's Timer1) fires.
    void arm(const RunSettings& settings);
    // Begins converting the queue with these settings now. The batch runs
    // on the converters' signals; batchFinished (or aborted) says it ended.
    void run(const RunSettings& settings);

    // Stops every lane's encoder and ends the batch before returning,
    // without its closing steps: the program is exiting. The unfinished
    // outputs are deleted; aborted() follows.
    void abort();
    // The user's Stop: every lane's encoder ended and its unfinished output
    // deleted, every file not converted kept in the queue.
    void stop();
    // The run list changed: a lane with nothing to do takes what was added
    // at once, not when another lane ends.
    void runListChanged();

    // One line a file that failed, with its reason and its log.
    static QStringList failureLines(const QList<ConversionResult>& results);

signals:
    // A start with nothing queued: no batch.
    void nothingToConvert();
    // A start taken: the batch begins when the arming timer fires.
    void armed();
    // A batch stopped before the arming timer began it.
    void disarmed();
    // The batch could not begin: every file would fail alike. Why is said
    // next, through the messages.
    void refused();
    // The batch has made the output folder it was started with and goes on
    // with it, a separator at its end.
    void outputFolderTaken();
    // The files the batch starts with, in order.
    void batchStarted(const QStringList& sources);
    // File `index` (0-based) of `count` known so far begins: run list
    // entry `entry`.
    void fileStarted(int index, int count, const QString& source, quint64 entry);
    void fileProgress(int index, double percent);
    void fileFinished(int index, const tarnwick::ConversionResult& result);
    // Every file has been converted or tried; the queue is rebuilt next.
    void queueConverted();
    // The queue holds every file of the master list again and the batch is idle.
    void queueRestored();
    // The batch ended early, by the user's Stop or a full output folder;
    // what was not converted stays queued.
    void batchStopped();
    void batchFinished();
    // A batch ended by abort(): no closing steps.
    void aborted();

private:
    void begin();
    bool setUp();
    void advanceSoon();
    void advance();
    void startFreeLanes();
    void end();
    std::optional<RunEntry> nextWaiting() const;
    void startLane(int lane, const RunEntry& entry);
    void finishLane(int lane);
    void refuse(const QString& problem, MessageIcon icon);
    void finishBatch();
    void stopForUnwritableOutput();
    void endEarly();

    Parts m_parts;
    QTimer m_timer;
    State m_state = State::Idle;
    bool m_aborting = false;
    bool m_stopping = false;
    bool m_outputFull = false;
    BatchRecords m_records;
    RunSettings m_settings;
    int m_lanesWanted = 1;
    ConverterLanes m_lanes;
    QList<int> m_finishedLanes; // in the order they finished
    bool m_advancePosted = false;
    bool m_advancing = false;
    bool m_advanceAgain = false;
    bool m_temporaryUsable = false;
    QString m_temporary;
    int m_started = 0;
    OutputNames m_names;
    QList<ConversionResult> m_results; // in the order the files started
    QList<int> m_resultIndexes;
    Clock m_clock = realTimeOfDay;
};

} // namespace tarnwick
