#pragma once
#include "base/Text.h"

#include "process/ConsoleCommand.h"

#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>

#include <atomic>

namespace tarnwick {

class Messages;

// Runs one console command as a hidden child, hands each piece of its merged
// standard output and standard error to the owner as it arrives
// (ReceiveOutputs), and reports its end (CommandOver). ExecuteCommand returns
// only when the child has ended and every piece has been delivered, but the
// event loop keeps running while it waits, so the window stays live and the
// owner's handlers run from inside the call.
class DOSOutputs : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DOSOutputs)

public:
    // How the last run ended, for owners that must tell success from failure.
    enum class RunEnd { None, NotStarted, Exited, Crashed, Stopped };

    explicit DOSOutputs(Messages& messages, QObject* parent = nullptr);
    ~DOSOutputs() override;

    QString CommandLine() const { return m_command.text(); }
    void setCommandLine(const QString& DOSCommand);
    const ConsoleCommand& command() const { return m_command; }
    void setCommand(const ConsoleCommand& command);

    // Everything the current or last run printed, decoded.
    const QString& Outputs() const { return m_outputs; }

    // The executable name that identifies the encoder while it runs.
    const QString& EncoderProcessName() const { return m_encoderProcessName; }
    void setEncoderProcessName(const QString& name) { m_encoderProcessName = name; }

    // An empty argument runs the current CommandLine. Returns the collected
    // output, or empty text when no process could be started.
    QString ExecuteCommand(const QString& CommandLine = QString());
    QString ExecuteCommand(const ConsoleCommand& command);

    bool isRunning() const { return m_process != nullptr; }
    // Kills the running child; its run then ends as usual, with CommandOver.
    // May be called from any thread: from another one the run's own loop
    // kills the child within one poll.
    void stop();

    // How long a line without its end is held back before it is handed
    // over anyway (a prompt, or a child that pauses mid-line).
    void setPartialLineHold(qint32 milliseconds) { m_partialHoldMs = milliseconds; }

    RunEnd lastRunEnd() const { return m_lastRunEnd; }
    int lastExitCode() const { return m_lastExitCode; }

signals:
    void ReceiveOutputs(const QString& CommandOutputs);
    void CommandOver();

private:
    QString run();
    void fail(const QString& message);
    bool ProcessExists(const QString& executableName) const;

    Messages& m_messages;
    ConsoleCommand m_command;
    QString m_outputs;
    QString m_encoderProcessName = kEncoderName;
    QPointer<QProcess> m_process;
    std::atomic_bool m_stopRequested = false;
    RunEnd m_lastRunEnd = RunEnd::None;
    int m_lastExitCode = -1;
    qint32 m_partialHoldMs = 50;

    friend class DOSOutputsProbe; // tests reach the private process walk
};

} // namespace tarnwick
