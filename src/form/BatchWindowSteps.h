#pragma once

#include <QObject>

namespace tarnwick {

class Session;

// What the window does around a session's batch: locks the settings and
// the queue's controls while it runs and gives them back after, asks for
// a file when nothing is queued, and at the end opens the output folder,
// beeps if the options ask for it, says "Done." or "Stopped." and names
// the files that failed. The window owns it and shows its signals in
// widgets; the command line reports on its own and has none.
class BatchWindowSteps : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BatchWindowSteps)

public:
    explicit BatchWindowSteps(Session& session, QObject* parent = nullptr);

    // The start button: the five settings locked first and the batch
    // started (with nothing queued they are unlocked again), or the batch
    // running stopped.
    void startOrStop();

signals:
    // The five settings a batch locks: format, bitrate, browse button,
    // output folder and rotation.
    void settingsEnabledChanged(bool enabled);
    // The queue's controls: toolbar, list, the start button, the convert
    // image and the feedback link.
    void queueControlsEnabledChanged(bool enabled);
    // The batch is over: the drop zone comes back, the bar image empties
    // and the label says `caption`.
    void batchEnded(const QString& caption);

private:
    void unlock();
    void finish();
    void reportFailures();

    Session& m_session;
};

} // namespace tarnwick
