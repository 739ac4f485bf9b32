#include "engine/ConversionMonitor.h"
#include "job/ConversionJob.h"
#include "job/EncoderCommand.h"
#include "engine/Progress.h"
#include "process/ProcessRunner.h"

#include "support/ScriptedMessages.h"
#include "support/RunToEnd.h"
#include "support/TestPaths.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;

namespace {

// The front-dropping part of a queue, enough to watch the end of a run.
const QString kDuration100 = QStringLiteral("  Duration: 00:01:40.00, start: 0.000000, bitrate: 2140 kb/s\n");

} // namespace

class tst_Progress : public QObject
{
    Q_OBJECT

private slots:
    void timeTokens_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("seconds"); // -1: unreadable
        QTest::newRow("duration with comma") << "00:01:40.00," << 100;
        QTest::newRow("hour") << "01:00:00.00" << 3600;
        QTest::newRow("half to even up") << "00:01:23.50" << 84;
        QTest::newRow("half to even down") << "00:01:24.50" << 84;
        QTest::newRow("rounds") << "00:00:30.03" << 30;
        QTest::newRow("extra pieces ignored") << "00:00:01.0000:00:02.00" << 1;
        QTest::newRow("N/A") << "N/A," << -1;
        QTest::newRow("two pieces") << "01:40.00" << -1;
        QTest::newRow("negative") << "-00:00:01.00" << -1;
        QTest::newRow("letters") << "00:0a:01.00" << -1;
        QTest::newRow("empty piece") << "00::01" << -1;
        QTest::newRow("overflow") << "99999999:00:00.00" << -1;
    }
    void timeTokens()
    {
        QFETCH(QString, token);
        QFETCH(int, seconds);
        QCOMPARE(readTimeToken(token).value_or(-1), seconds);
    }

    // The label's text and the bar's number, which says what the label does.
    void percentTexts_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bar");
        QTest::newRow("a third") << 100.0 / 3 << "33.3" << 33;
        QTest::newRow("half") << 50.0 << "50" << 50;
        QTest::newRow("five") << 5.0 << "5" << 5;
        QTest::newRow("small") << 0.12 << "0.12" << 0;
        QTest::newRow("zero") << 0.0 << "0" << 0;
        QTest::newRow("nearly all") << 99.99 << "99.9" << 99;
        QTest::newRow("all") << 100.0 << "100" << 100;
        QTest::newRow("tiny, no exponent") << 100.0 / 3600000 << "0.00" << 0;
        QTest::newRow("29 of 100, a hair below 29") << 29.0 / 100 * 100 << "29" << 29;
        QTest::newRow("a hair below 10") << 9.999999999999998 << "10" << 10;
        QTest::newRow("just below 1") << 0.9999 << "0.99" << 0;
    }
    void percentTexts()
    {
        QFETCH(double, percent);
        QFETCH(QString, text);
        QFETCH(int, bar);
        QCOMPARE(ProgressParser::percentText(percent), text);
        QCOMPARE(ProgressParser::wholePercent(percent), bar);
    }

    void pieces_data()
    {
        QTest::addColumn<QStringList>("pieces");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("label"); // of the last report; empty: none
        QTest::addColumn<double>("percent");

        QTest::newRow("30 of 100") << QStringList{kDuration100, "frame=  1 time=00:00:30.03 bitrate=1\r"}
                                   << 100 << "30%" << 30.0;
        QTest::newRow("a third") << QStringList{"  Duration: 00:00:30.00, start", "x time=00:00:10.00 y"}
                                 << 30 << "33.3%" << 100.0 / 3;
        QTest::newRow("half an hour of one") << QStringList{"  Duration: 01:00:00.00, s", "time=00:30:00.00 "}
                                             << 3600 << "50%" << 50.0;
        QTest::newRow("beyond the total") << QStringList{kDuration100, "time=00:01:41.00 "} << 100 << "100%" << 100.0;
        QTest::newRow("two time fields, first wins")
            << QStringList{kDuration100 + "time=00:00:50.00 x time=00:00:10.00 "} << 100 << "50%" << 50.0;
        QTest::newRow("duration split over pieces") << QStringList{"  Durat", "ion: 00:01:40.00, x", "time=00:00:50.00 "}
                                                    << 0 << "" << 0.0;
        QTest::newRow("duration key ending a piece") << QStringList{"  Duration: ", "00:01:40.00, x\ntime=00:00:50.00 "}
                                                     << 0 << "" << 0.0;
        QTest::newRow("time key ending a piece") << QStringList{kDuration100 + "frame=1 time="} << 100 << "" << 0.0;
        QTest::newRow("unreadable position is 0") << QStringList{kDuration100, "time=N/A bitrate"} << 100 << "0%" << 0.0;
        QTest::newRow("N/A duration keeps looking") << QStringList{"  Duration: N/A, start", kDuration100, "time=00:00:25.00 "}
                                                    << 100 << "25%" << 25.0;
        QTest::newRow("no keys") << QStringList{"Stream mapping:\n"} << 0 << "" << 0.0;
    }
    void pieces()
    {
        QFETCH(QStringList, pieces);
        QFETCH(int, total);
        QFETCH(QString, label);
        QFETCH(double, percent);
        ProgressParser parser;
        std::optional<double> last;
        for (const QString& piece : pieces) {
            if (auto shown = parser.receiveOutputs(piece))
                last = shown;
        }
        QCOMPARE(parser.TotalSeconds(), total);
        QCOMPARE(last ? ProgressParser::percentText(*last) + "%" : QString(), label);
        if (last)
            QCOMPARE(*last, percent);
    }

    void cutterTakesTheCutEnd()
    {
        ProgressParser parser;
        parser.setCountedLength(120);
        parser.receiveOutputs(kDuration100);
        QCOMPARE(parser.TotalSeconds(), 120);
        QCOMPARE(parser.receiveOutputs("time=00:01:00.00 "), std::optional<double>(50));

        ProgressParser zero; // cutter on with no end: the length stays unknown
        zero.setCountedLength(0);
        QVERIFY(!zero.receiveOutputs(kDuration100 + "time=00:00:10.00 "));
    }

    void runEndForgetsTheLength()
    {
        ConversionMonitor monitor;
        monitor.receiveOutputs(kDuration100);
        QCOMPARE(monitor.parser().TotalSeconds(), 100);
        monitor.commandOver();
        QCOMPARE(monitor.parser().TotalSeconds(), 0);
    }

    // Debian's FFmpeg, through the runner, as the window would see it; the
    // lines SVT-AV1 prints of its own leave the scan alone.
    void realEncoderOutputClimbsTo100_data()
    {
        QTest::addColumn<int>("internalIndex");
        QTest::newRow("MPEG-4") << 4;
        QTest::newRow("AV1 by SVT-AV1") << 10;
        QTest::newRow("VP9") << 12;
    }
    void realEncoderOutputClimbsTo100()
    {
        QFETCH(int, internalIndex);
        QTemporaryDir dir;
        const QString clip = dir.filePath("clip.mp4");
        QProcess make;
        make.start(TARNWICK_FFMPEG, {"-nostdin", "-v", "error", "-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=3",
                                     "-f", "lavfi", "-i", "sine=duration=3", "-shortest", "-c:v", "mpeg4", clip});
        QVERIFY(make.waitForFinished(60000));
        QCOMPARE(make.exitCode(), 0);

        test::ScriptedMessages messages;
        ProcessRunner objDOS(messages);
        ConversionMonitor monitor;
        QList<double> shown;
        connect(&objDOS, &ProcessRunner::outputReceived, &monitor, &ConversionMonitor::receiveOutputs);
        connect(&objDOS, &ProcessRunner::finished, &monitor, &ConversionMonitor::commandOver);
        connect(&monitor, &ConversionMonitor::progressChanged, this, [&](double percent) { shown << percent; });
        const auto command = conversionCommand(test::realProgramFolder(), clip, internalIndex, 1000, {},
                                               dir.filePath("out") + formatForIndex(internalIndex)->extension);
        test::runToEnd(objDOS, *command);
        QCOMPARE(objDOS.lastExitCode(), 0);
        QVERIFY2(!shown.isEmpty(), qPrintable(objDOS.outputs()));
        QCOMPARE(shown.last(), 100.0);
        QVERIFY(std::is_sorted(shown.begin(), shown.end()));
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
    }
};

QTEST_GUILESS_MAIN(tst_Progress)
#include "tst_Progress.moc"
