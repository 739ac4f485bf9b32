#include "process/DOSOutputs.h"

#include "seams/Messages.h"
#include "process/OutputFramer.h"
#include "process/ProcessList.h"
#include "process/clsWaitableTimer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace tarnwick {

namespace {

constexpr qint32 kPollMilliseconds = 50;

// The child's output travels through a pipe; when the system has none left
// to give (too many open files), say so with the system's error number
// rather than pretending the program was not found.
int pipeUnavailable()
{
#ifdef Q_OS_WIN
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &attributes, 0))
        return int(GetLastError());
    CloseHandle(readEnd);
    CloseHandle(writeEnd);
    return 0;
#else
    int ends[2];
    if (::pipe(ends) != 0)
        return errno;
    ::close(ends[0]);
    ::close(ends[1]);
    return 0;
#endif
}

// The first word names the program, found as the system finds commands: a
// path as given, a bare name on PATH.
QString resolveProgram(const QString& program)
{
    if (program.isEmpty())
        return {};
    const bool hasFolder = program.contains(u'/')
#ifdef Q_OS_WIN
                           || program.contains(u'\\')
#endif
        ;
    if (!hasFolder)
        return QStandardPaths::findExecutable(program);
    const QFileInfo file(program);
    return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}

} // namespace

DOSOutputs::DOSOutputs(Messages& messages, QObject* parent) : QObject(parent), m_messages(messages)
{
}

DOSOutputs::~DOSOutputs()
{
    // An owner that goes away mid-run takes its child with it: no orphan.
    if (m_process)
        m_process->kill();
}

void DOSOutputs::setCommandLine(const QString& DOSCommand)
{
    m_command = ConsoleCommand::fromText(DOSCommand);
}

void DOSOutputs::setCommand(const ConsoleCommand& command)
{
    m_command = command;
}

QString DOSOutputs::ExecuteCommand(const QString& CommandLine)
{
    if (isRunning())
        return {}; // the pipe and the collected text belong to the running command
    if (!CommandLine.isEmpty())
        setCommandLine(CommandLine);
    return run();
}

QString DOSOutputs::ExecuteCommand(const ConsoleCommand& command)
{
    if (isRunning())
        return {};
    if (!command.isEmpty())
        m_command = command;
    return run();
}

void DOSOutputs::stop()
{
    m_stopRequested = true;
    if (QThread::currentThread() == thread() && m_process)
        m_process->kill();
}

void DOSOutputs::fail(const QString& message)
{
    m_lastRunEnd = RunEnd::NotStarted;
    m_lastExitCode = -1;
    m_messages.show(message, kProgramTitle, MessageIcon::Critical);
}

bool DOSOutputs::ProcessExists(const QString& executableName) const
{
    return runningProcessNamed(executableName);
}

QString DOSOutputs::run()
{
    if (m_command.isEmpty()) {
        fail(tr("Command Line empty"));
        return {};
    }
    if (const int error = pipeUnavailable()) {
        fail(tr("CreatePipe failed. Error: ") + QString::number(error));
        return {};
    }
    const QString program = resolveProgram(m_command.program());
    if (program.isEmpty()) {
        fail(fileNotFound());
        return {};
    }

    clsWaitableTimer timer; // declared first: outlives the process that wakes it
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProgram(program);
    process.setArguments(m_command.arguments());
#ifdef Q_OS_LINUX
    // The encoder never outlives the program, however the program ends (a
    // crash, kill -9): the kernel ends it when the thread that started it is
    // gone. A parent already gone before the request took is caught too.
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
#endif

    OutputFramer framer;
    bool delivering = false;
    // Hands over everything waiting. A handler that lets events run (the
    // rotation scan does) may bring more output in; that output joins the
    // queue of the delivery in progress instead of overtaking it, so every
    // handler finishes before the next piece is raised.
    const auto pump = [&](bool flush) {
        framer.append(process.readAll());
        if (delivering)
            return;
        delivering = true;
        framer.takePieces(flush, [&](const QString& piece) {
            m_outputs += piece;
            emit ReceiveOutputs(piece);
        });
        delivering = false;
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &process, [&] { pump(false); });
    QObject::connect(&process, &QProcess::finished, &process, [&timer] { timer.Wake(); });
    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        fail(fileNotFound());
        return {};
    }
    m_process = &process;
    m_stopRequested = false;
    // Waits let window events run on the program's main thread; a runner
    // on a worker thread blocks on the child instead.
    const bool blocking = QThread::currentThread() != QCoreApplication::instance()->thread();
    // resize, not clear: a runner is used for file after file, and keeping
    // the text's buffer spares the system handing out fresh pages every run.
    m_outputs.resize(0);

    // Output is handed over as it arrives; this loop only wakes every 50 ms
    // to let a held partial line go, and when the child ends. The run ends
    // when the child has ended and its output is drained. Qt closes our end
    // of the pipe when the child ends, so a grandchild that inherited the
    // pipe cannot hold the run open.
    for (;;) {
        const bool ended = process.state() == QProcess::NotRunning;
        pump(ended || framer.partialAge() >= m_partialHoldMs);
        if (ended && framer.isEmpty())
            break;
        const qint64 age = framer.partialAge();
        const qint32 pause = framer.isEmpty()
                                 ? kPollMilliseconds
                                 : qint32(qBound<qint64>(1, qint64(m_partialHoldMs) - age, qint64(kPollMilliseconds)));
        if (m_stopRequested && process.state() != QProcess::NotRunning)
            process.kill();
        if (blocking) {
            process.waitForReadyRead(pause);
            continue;
        }
        try {
            timer.WaitAtMost(pause);
        } catch (const WaitError&) {
            // No event loop runs here (none, or the application is exiting):
            // block on the child instead, which still drains its pipe and
            // notices its end.
            process.waitForReadyRead(pause);
        }
    }

    m_process = nullptr;
    if (m_stopRequested)
        m_lastRunEnd = RunEnd::Stopped;
    else if (process.exitStatus() == QProcess::CrashExit)
        m_lastRunEnd = RunEnd::Crashed;
    else
        m_lastRunEnd = RunEnd::Exited;
    m_lastExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;

    emit CommandOver();
    return m_outputs;
}

} // namespace tarnwick
