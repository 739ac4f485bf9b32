#pragma once
#include "base/Text.h"

#include "process/ConsoleCommand.h"

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <atomic>
#include <memory>

namespace tarnwick {

class Messages;
class OutputFramer;

// Runs one console command as a hidden child, hands each piece of its merged
// standard output and standard error to the owner as it arrives
// (outputReceived), and reports its end (finished), every piece delivered
// before it. Nothing waits: the owner hears of the run through the two
// signals only, so several runners work side by side on one thread.
class ProcessRunner : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProcessRunner)

public:
    // How the last run ended, for owners that must tell success from failure.
    enum class RunEnd { None, NotStarted, Exited, Crashed, Stopped };

    explicit ProcessRunner(Messages& messages, QObject* parent = nullptr);
    ~ProcessRunner() override;

    QString commandLine() const { return m_command.text(); }
    const ConsoleCommand& command() const { return m_command; }
    void setCommand(const ConsoleCommand& command);

    // Everything the current or last run printed, decoded.
    const QString& outputs() const { return m_outputs; }

    // The executable name that identifies the encoder while it runs.
    const QString& encoderProcessName() const { return m_encoderProcessName; }
    void setEncoderProcessName(const QString& name) { m_encoderProcessName = name; }

    // Starts the command and returns at once; false (with a message, and
    // no events) when nothing could start, or a run is going on. The output
    // and the end arrive through the signals.
    bool start();

    bool isRunning() const { return m_process != nullptr; }
    // Kills the running child; its run then ends as usual, with finished.
    // May be called from any thread.
    void stop();
    // The same, and the child gone before it returns: its end is handed
    // over at once, or, from inside a handler of this runner, as soon as
    // that handler has returned. For when no event may come any more.
    void stopAndWait();

    // How long a line without its end is held back before it is handed
    // over anyway (a prompt, or a child that pauses mid-line).
    void setPartialLineHold(qint32 milliseconds) { m_partialHoldMs = milliseconds; }

    RunEnd lastRunEnd() const { return m_lastRunEnd; }
    int lastExitCode() const { return m_lastExitCode; }

signals:
    void outputReceived(const QString& CommandOutputs);
    void finished();

private:
    void fail(const QString& message);
    bool processExists(const QString& executableName) const;
    void pump(bool flush);
    void holdPartialLine();
    void finish();

    Messages& m_messages;
    ConsoleCommand m_command;
    QString m_outputs;
    QString m_encoderProcessName = kEncoderName;
    QPointer<QProcess> m_process;
    std::unique_ptr<OutputFramer> m_framer;
    QTimer m_hold; // lets a partial line go when its end is slow to come
    bool m_delivering = false;
    bool m_flushPending = false;
    bool m_childEnded = false;
    std::atomic_bool m_stopRequested = false;
    RunEnd m_lastRunEnd = RunEnd::None;
    int m_lastExitCode = -1;
    qint32 m_partialHoldMs = 50;

    friend class ProcessRunnerProbe; // tests reach the private process walk
};

} // namespace tarnwick
