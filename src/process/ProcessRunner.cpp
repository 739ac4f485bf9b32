#include "process/ProcessRunner.h"

#include "platform/Messages.h"
#include "process/OutputFramer.h"
#include "process/ProcessList.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace tarnwick {

namespace {

// The child's output travels through a pipe; when the system has none left
// to give (too many open files), say so with the system's error number
// rather than pretending the program was not found.
int pipeUnavailable()
{
    int ends[2];
    if (::pipe(ends) != 0)
        return errno;
    ::close(ends[0]);
    ::close(ends[1]);
    return 0;
}

// The first word names the program, found as the system finds commands: a
// path as given, a bare name on PATH.
QString resolveProgram(const QString& program)
{
    if (program.isEmpty())
        return {};
    if (!program.contains(u'/'))
        return QStandardPaths::findExecutable(program);
    const QFileInfo file(program);
    return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
}

} // namespace

ProcessRunner::ProcessRunner(Messages& messages, QObject* parent) : QObject(parent), m_messages(messages)
{
    m_hold.setSingleShot(true);
    connect(&m_hold, &QTimer::timeout, this, [this] { pump(m_framer && m_framer->partialAge() >= m_partialHoldMs); });
}

ProcessRunner::~ProcessRunner()
{
    // An owner that goes away mid-run takes its child with it: no orphan.
    if (m_process) {
        m_process->disconnect(this);
        m_process->kill();
    }
}

void ProcessRunner::setCommand(const ConsoleCommand& command)
{
    m_command = command;
}

void ProcessRunner::stop()
{
    m_stopRequested = true;
    if (QThread::currentThread() == thread()) {
        if (m_process)
            m_process->kill();
        return;
    }
    QMetaObject::invokeMethod(this, [this] {
        if (m_process)
            m_process->kill();
    }, Qt::QueuedConnection);
}

void ProcessRunner::stopAndWait()
{
    if (!m_process)
        return;
    stop();
    // A killed child is gone within milliseconds; the bound is for a
    // system too busy to say so.
    QPointer<QProcess> process = m_process;
    process->waitForFinished(5000);
}

void ProcessRunner::fail(const QString& message)
{
    m_lastRunEnd = RunEnd::NotStarted;
    m_lastExitCode = -1;
    m_messages.show(message, kProgramTitle, MessageIcon::Critical);
}

bool ProcessRunner::processExists(const QString& executableName) const
{
    return runningProcessNamed(executableName);
}

bool ProcessRunner::start()
{
    if (isRunning())
        return false;
    if (m_command.isEmpty()) {
        fail(tr("Command Line empty"));
        return false;
    }
    if (const int error = pipeUnavailable()) {
        fail(tr("CreatePipe failed. Error: ") + QString::number(error));
        return false;
    }
    const QString program = resolveProgram(m_command.program());
    if (program.isEmpty()) {
        fail(fileNotFound());
        return false;
    }

    auto process = std::make_unique<QProcess>(this);
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProgram(program);
    process->setArguments(m_command.arguments());
#ifdef Q_OS_LINUX
    // The encoder never outlives the program, however the program ends (a
    // crash, kill -9): the kernel ends it when the thread that started it is
    // gone. A parent already gone before the request took is caught too.
    const pid_t parent = ::getpid();
    process->setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
#endif
    // Output is handed over as it arrives, and the end is seen when Qt
    // reports it: nothing polls. Qt closes our end of the pipe when the
    // child ends, so a grandchild that inherited the pipe cannot hold the
    // run open.
    connect(process.get(), &QProcess::readyReadStandardOutput, this, [this] { pump(false); });
    connect(process.get(), &QProcess::finished, this, [this] {
        m_childEnded = true;
        pump(true);
    });
    process->start(QIODevice::ReadOnly);
    if (!process->waitForStarted(-1)) {
        process->disconnect(this);
        fail(fileNotFound());
        return false;
    }
    m_framer = std::make_unique<OutputFramer>();
    m_childEnded = false;
    m_delivering = false;
    m_flushPending = false;
    m_stopRequested = false;
    // resize, not clear: a runner is used for file after file, and keeping
    // the text's buffer spares the system handing out fresh pages every run.
    m_outputs.resize(0);
    m_process = process.release();
    return true;
}

// Hands over everything waiting. Output that arrives while a handler runs
// (one that ends the run, say) joins the delivery in progress instead of
// overtaking it, so every handler finishes before the next piece is
// raised, and the end comes after the last piece.
void ProcessRunner::pump(bool flush)
{
    if (!m_process)
        return;
    m_framer->append(m_process->readAll());
    if (m_delivering) {
        m_flushPending = m_flushPending || flush;
        return;
    }
    m_delivering = true;
    for (bool again = true; again;) {
        m_framer->takePieces(flush || m_childEnded, [this](const QString& piece) {
            m_outputs += piece;
            emit outputReceived(piece);
        });
        flush = flush || m_flushPending;
        again = m_flushPending || (m_childEnded && !m_framer->isEmpty());
        m_flushPending = false;
    }
    m_delivering = false;
    if (m_stopRequested && m_process->state() != QProcess::NotRunning)
        m_process->kill();
    if (m_childEnded) {
        finish();
        return;
    }
    holdPartialLine();
}

// A partial line waits for its end at most the hold time.
void ProcessRunner::holdPartialLine()
{
    if (m_framer->isEmpty()) {
        m_hold.stop();
        return;
    }
    const qint64 left = qint64(m_partialHoldMs) - m_framer->partialAge();
    m_hold.start(int(qBound<qint64>(1, left, qint64(m_partialHoldMs))));
}

void ProcessRunner::finish()
{
    m_hold.stop();
    QProcess* process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (m_stopRequested)
        m_lastRunEnd = RunEnd::Stopped;
    else if (process->exitStatus() == QProcess::CrashExit)
        m_lastRunEnd = RunEnd::Crashed;
    else
        m_lastRunEnd = RunEnd::Exited;
    m_lastExitCode = process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    // Deleted once the signal that brought us here has returned.
    process->deleteLater();
    emit finished();
}

} // namespace tarnwick
