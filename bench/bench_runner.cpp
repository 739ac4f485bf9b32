// Console runner figures, as ratios against a baseline measured in the same
// process: throughput against a plain blocking read of the same child's
// output, and the time from the child's exit to finished.

#include "process/ProcessRunner.h"
#include "platform/Messages.h"
#include "support/CommandText.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace tarnwick;

namespace {

class PrintedMessages final : public Messages
{
public:
    void show(const QString& text, const QString&, MessageIcon) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

const QString kStandin = QStringLiteral(TARNWICK_STANDIN);

double blockingReadSeconds(qint64 bytes)
{
    QElapsedTimer clock;
    clock.start();
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(kStandin, {"--bytes", QString::number(bytes)});
    qint64 got = 0;
    while (child.waitForReadyRead(-1))
        got += child.readAll().size();
    child.waitForFinished(-1);
    got += child.readAll().size();
    if (got != bytes)
        std::fprintf(stderr, "blocking read got %lld of %lld bytes\n", qlonglong(got), qlonglong(bytes));
    return clock.nsecsElapsed() / 1e9;
}

// One run of the runner, waited for on an event loop of its own.
void runToEnd(ProcessRunner& runner, const QString& command)
{
    runner.setCommand(test::commandFromText(command));
    QEventLoop ended;
    QObject::connect(&runner, &ProcessRunner::finished, &ended, &QEventLoop::quit);
    if (runner.start())
        ended.exec();
}

double runnerSeconds(ProcessRunner& runner, qint64 bytes)
{
    QElapsedTimer clock;
    clock.start();
    runToEnd(runner, kStandin + " --bytes " + QString::number(bytes));
    if (runner.outputs().size() != bytes)
        std::fprintf(stderr, "runner got %lld of %lld bytes\n", qlonglong(runner.outputs().size()),
                     qlonglong(bytes));
    return clock.nsecsElapsed() / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    PrintedMessages messages;
    ProcessRunner runner(messages);

    const qint64 bytes = 32 * 1024 * 1024;
    std::vector<double> plain, ours;
    for (int i = 0; i < 5; ++i) {
        plain.push_back(blockingReadSeconds(bytes));
        ours.push_back(runnerSeconds(runner, bytes));
    }
    const double mb = bytes / 1048576.0;
    // The runner keeps its text buffer from run to run, as it does for file
    // after file; its first run also pays for fresh memory pages.
    std::printf("throughput: blocking read %.1f MB/s, runner %.1f MB/s (first run %.1f MB/s), "
                "ratio %.2f (target >= 0.50)\n",
                mb / median(plain), mb / median(ours), mb / ours.front(), median(plain) / median(ours));

    // The child prints its monotonic clock as its last act; the difference to
    // the clock at finished is the runner's end latency.
    std::vector<double> latencies;
    qint64 stamp = 0;
    QObject::connect(&runner, &ProcessRunner::finished, [&] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        const qint64 ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
        stamp = runner.outputs().trimmed().toLongLong();
        latencies.push_back((ns - stamp) / 1e6);
    });
    for (int i = 0; i < 41; ++i)
        runToEnd(runner, kStandin + " --stamp");
    std::printf("end latency: median %.2f ms, worst %.2f ms over %zu runs (target: median < 5 ms)\n",
                median(latencies), *std::max_element(latencies.begin(), latencies.end()),
                latencies.size());
    return 0;
}
