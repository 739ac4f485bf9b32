#include "process/ProcessRunner.h"

#include "support/CommandText.h"
#include "support/ScriptedMessages.h"
#include "support/TestFiles.h"
#include "support/RunToEnd.h"
#include "support/TestPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace tarnwick {
// Reaches the runner's private process walk.
class ProcessRunnerProbe
{
public:
    static bool exists(const ProcessRunner& runner, const QString& name)
    {
        return runner.processExists(name);
    }
};
} // namespace tarnwick

using namespace tarnwick;
using tarnwick::test::commandFromText;
using tarnwick::test::runToEnd;
using tarnwick::test::ScriptedMessages;
using tarnwick::test::standinEncoder;
using tarnwick::test::writeFile;

namespace {

// Records the events of one runner in the order they were raised.
struct Recorder {
    QStringList pieces;
    int overs = 0;
    int piecesAfterOver = 0;

    explicit Recorder(ProcessRunner& runner)
    {
        QObject::connect(&runner, &ProcessRunner::outputReceived, [this](const QString& s) {
            pieces << s;
            if (overs)
                ++piecesAfterOver;
        });
        QObject::connect(&runner, &ProcessRunner::finished, [this] { ++overs; });
    }
    QString joined() const { return pieces.join(QString()); }
};

QString standin(const QString& options)
{
    return standinEncoder() + u' ' + options;
}

} // namespace

class tst_ProcessRunner : public QObject
{
    Q_OBJECT

private slots:
    void failuresShowTheirMessageAndRaiseNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << "Command Line empty";
        QTest::newRow("missing program") << "/nonexistent/conv.exe -i x" << "File or command not found";
        QTest::newRow("missing on PATH") << "no-such-tarnwick-tool --help" << "File or command not found";
        QTest::newRow("not executable") << QStringLiteral(__FILE__) << "File or command not found";
    }
    void failuresShowTheirMessageAndRaiseNothing()
    {
        QFETCH(QString, command);
        QFETCH(QString, message);
        ScriptedMessages messages;
        messages.expect(message, "Tarnwick", MessageIcon::Critical);
        ProcessRunner runner(messages);
        Recorder events(runner);
        QCOMPARE(runToEnd(runner, command), QString());
        QCOMPARE(events.pieces.size(), 0);
        QCOMPARE(events.overs, 0);
        QCOMPARE(runner.lastRunEnd(), ProcessRunner::RunEnd::NotStarted);
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
    }

    void deliversOutputInPiecesThenOneEnd()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        Recorder events(runner);
        const QString result = runToEnd(runner, standin("--bytes 5000"));
        QCOMPARE(result.size(), 5000);
        QVERIFY(events.pieces.size() >= 5);
        for (const QString& piece : events.pieces)
            QVERIFY(piece.toLocal8Bit().size() <= 1024);
        QCOMPARE(events.joined(), runner.outputs());
        QCOMPARE(result, runner.outputs());
        QCOMPARE(events.overs, 1);
        QCOMPARE(events.piecesAfterOver, 0);
        QCOMPARE(runner.lastRunEnd(), ProcessRunner::RunEnd::Exited);
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
    }

    void silentChildEndsOnce()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        Recorder events(runner);
        QCOMPARE(runToEnd(runner, standin("--sleep 30")), QString());
        QVERIFY(events.joined().isEmpty());
        QCOMPARE(events.overs, 1);
    }

    void emptyArgumentRerunsCommandLineAndReplacesOutputs()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        runToEnd(runner, standin("--text first\\n"));
        QCOMPARE(runner.outputs(), QString("first\n"));
        runner.setCommand(commandFromText(standin("--text second\\n")));
        QCOMPARE(runToEnd(runner), QString("second\n"));
        QCOMPARE(runToEnd(runner, QString()), QString("second\n"));
        QCOMPARE(runner.commandLine(), standin("--text second\\n"));
        QCOMPARE(runner.lastExitCode(), 0);
    }

    void mergesStandardErrorAndReportsExitStatus()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        runToEnd(runner, standin("--text out\\n --stderr err\\n --exit 3"));
        QCOMPARE(runner.outputs(), QString("out\nerr\n"));
        QCOMPARE(runner.lastExitCode(), 3);
        QCOMPARE(runner.lastRunEnd(), ProcessRunner::RunEnd::Exited);
    }

    // FFmpeg writes "  Duration: " and the time in two calls; the owner's
    // scans look at one piece at a time, so the line must arrive whole.
    void lineWrittenInTwoCallsArrivesInOnePiece()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        // Held for as long as it takes: how long the child's two calls are
        // apart on a loaded machine is not the test's to decide.
        runner.setPartialLineHold(600000);
        Recorder events(runner);
        runToEnd(runner, standin("--split-line"));
        QCOMPARE(events.pieces.size(), 1);
        QVERIFY(events.pieces.first().contains("Duration: 00:01:40.00, start"));
    }

    void piecesEndAtCarriageReturns()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        Recorder events(runner);
        runToEnd(runner, standin("--text frame=1\\ttime=00:00:01.00\\r --sleep 80 "
                                      "--text frame=2\\ttime=00:00:02.00\\r"));
        QCOMPARE(events.pieces,
                 QStringList({"frame=1\ttime=00:00:01.00\r", "frame=2\ttime=00:00:02.00\r"}));
    }

    void longLineIsCutAt1024WithoutSplittingACharacter()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        Recorder events(runner);
        const QString text = QString(1023, u'a') + QString::fromUtf8("\xc3\xa9") + "tail";
        runToEnd(runner, ConsoleCommand::Builder(standinEncoder()).blank().argument("--text").blank().quoted(text).build());
        QVERIFY(events.pieces.size() >= 2);
        for (const QString& piece : events.pieces)
            QVERIFY(!piece.contains(QChar::ReplacementCharacter));
        QCOMPARE(events.joined(), text);
    }

    // A file name reaches the child as one argument: checked from its side.
    void fileNamesArriveAsOneLiteralArgument_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks and quote") << "my \"best\" clip.vob";
        QTest::newRow("leading dash") << "-y.vob";
        QTest::newRow("shell characters") << "$(touch pwned) `x`; |&.vob";
    }
    void fileNamesArriveAsOneLiteralArgument()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString argvFile = dir.filePath("argv.txt");
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        runToEnd(runner, ConsoleCommand::Builder(standinEncoder())
                                  .blank()
                                  .argument("--argv")
                                  .blank()
                                  .quoted(argvFile)
                                  .blank()
                                  .quoted(name)
                                  .build());
        QFile file(argvFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), "--argv\n" + argvFile + "\n" + name + "\n");
        QVERIFY(!QFile::exists(QDir::current().filePath("pwned")));
    }

    void eventsRunDuringTheRun()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        QStringList order;
        connect(&runner, &ProcessRunner::finished, this, [&] { order << "over"; });
        QTemporaryDir dir;
        const QString gate = dir.filePath("gate");
        QTimer::singleShot(10, this, [&] {
            order << "timer";
            writeFile(gate);
        });
        runToEnd(runner, ConsoleCommand::Builder(standinEncoder()).blank().argument("--wait-for").blank().quoted(gate).build());
        QCOMPARE(order, QStringList({"timer", "over"}));
    }

    // An encoder that prints a lot (a damaged disc) must never stall on a
    // full pipe: everything arrives, in pieces of at most 1024 bytes.
    void fiftyMegabytesAreConsumed()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        qint64 total = 0;
        qsizetype largest = 0;
        connect(&runner, &ProcessRunner::outputReceived, this, [&](const QString& s) {
            total += s.size();
            largest = qMax(largest, s.size());
        });
        runToEnd(runner, standin("--bytes 52428800"));
        QCOMPARE(total, qint64(52428800));
        QCOMPARE(runner.outputs().size(), qsizetype(52428800));
        QVERIFY(largest <= 1024);
    }

    // The child's end, not its grandchildren, ends the run: a background job
    // that inherited the pipe must not keep the run from ending.
    void grandchildHoldingThePipeDoesNotHoldTheRun()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        Recorder events(runner);
        runToEnd(runner, QStringLiteral("sh -c \"sleep 4 & echo started\""));
        QCOMPARE(events.overs, 1);
        QVERIFY(runner.outputs().startsWith("started"));
    }

    void stopEndsTheRunWithOneEnd()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        Recorder events(runner);
        connect(&runner, &ProcessRunner::outputReceived, &runner, &ProcessRunner::stop);
        runToEnd(runner, standin("--text begun\\n --sleep 60000"));
        QCOMPARE(events.overs, 1);
        QCOMPARE(runner.lastRunEnd(), ProcessRunner::RunEnd::Stopped);
        QCOMPARE(runner.outputs(), QString("begun\n"));
    }

    // Two runs side by side on one thread, heard of through the signals
    // only: each gets its own output and its own end, in its own time.
    void runsSideBySideThroughSignals()
    {
        ScriptedMessages messages;
        ProcessRunner held(messages);
        ProcessRunner quick(messages);
        Recorder heldEvents(held);
        Recorder quickEvents(quick);
        QTemporaryDir dir;
        const QString gate = dir.filePath("gate");
        held.setCommand(ConsoleCommand::Builder(standinEncoder())
                            .blank()
                            .argument("--wait-for")
                            .blank()
                            .quoted(gate)
                            .blank()
                            .arguments({"--text", "held\\n"})
                            .build());
        quick.setCommand(commandFromText(standin("--text quick\\n")));
        QVERIFY(held.start());
        QVERIFY(quick.start());
        QVERIFY(held.isRunning() && quick.isRunning());
        QTRY_COMPARE(quickEvents.overs, 1);
        QCOMPARE(heldEvents.overs, 0);
        QVERIFY(held.isRunning());
        QVERIFY(writeFile(gate));
        QTRY_COMPARE(heldEvents.overs, 1);
        QCOMPARE(heldEvents.joined(), QString("held\n"));
        QCOMPARE(quickEvents.joined(), QString("quick\n"));
        QCOMPARE(held.lastRunEnd(), ProcessRunner::RunEnd::Exited);
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
    }

    void secondCommandWhileRunningIsRefused()
    {
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        Recorder events(runner);
        QString nested = "untouched";
        QTemporaryDir dir;
        const QString gate = dir.filePath("gate");
        QTimer::singleShot(20, this, [&] {
            nested = runToEnd(runner, standin("--text nested"));
            writeFile(gate);
        });
        runToEnd(runner, ConsoleCommand::Builder(standinEncoder())
                                  .blank()
                                  .argument("--wait-for")
                                  .blank()
                                  .quoted(gate)
                                  .blank()
                                  .arguments({"--text", "outer"})
                                  .build());
        QCOMPARE(nested, QString());
        QCOMPARE(runner.outputs(), QString("outer"));
        QCOMPARE(events.overs, 1);
    }

    void processWalkIgnoresCase()
    {
        QTemporaryDir dir;
        const QString upper = dir.filePath("CONV.EXE");
        QVERIFY(QFile::copy(standinEncoder(), upper));
        QFile::setPermissions(upper, QFile::ExeOwner | QFile::ReadOwner);
        QProcess child;
        child.start(upper, {"--sleep", "20000"});
        QVERIFY(child.waitForStarted());
        ScriptedMessages messages;
        ProcessRunner runner(messages);
        QVERIFY(ProcessRunnerProbe::exists(runner, "conv.exe"));
        QVERIFY(ProcessRunnerProbe::exists(runner, "Conv.Exe"));
        QVERIFY(!ProcessRunnerProbe::exists(runner, "no-such-tw.exe"));
        child.kill();
        child.waitForFinished();
    }

#ifdef Q_OS_LINUX
    // With no descriptor left for a pipe the runner says so, with the errno.
    void pipeFailureNamesTheError()
    {
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_NOFILE, &saved) == 0);
        int highest = 0;
        const QStringList fds = QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
        for (const QString& fd : fds)
            highest = qMax(highest, fd.toInt());
        ScriptedMessages messages;
        messages.expect("CreatePipe failed. Error: 24", "Tarnwick", MessageIcon::Critical);
        ProcessRunner runner(messages);
        Recorder events(runner);
        rlimit tight = saved;
        tight.rlim_cur = rlim_t(highest + 1);
        if (setrlimit(RLIMIT_NOFILE, &tight) != 0) // memcheck keeps the limit to itself
            QSKIP("this process may not lower its descriptor limit");
        QList<int> fillers; // take the free numbers below the limit too
        for (int fd; (fd = ::dup(0)) >= 0;)
            fillers << fd;
        const QString result = runToEnd(runner, standin("--text x"));
        for (int fd : fillers)
            ::close(fd);
        QVERIFY(setrlimit(RLIMIT_NOFILE, &saved) == 0);
        QCOMPARE(result, QString());
        QCOMPARE(events.overs, 0);
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
    }
#endif
};

QTEST_GUILESS_MAIN(tst_ProcessRunner)
#include "tst_ProcessRunner.moc"
