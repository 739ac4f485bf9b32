#include "engine/BatchDriver.h"
#include "engine/BatchProgress.h"
#include "engine/Converter.h"
#include "engine/ConversionMonitor.h"
#include "job/EncoderCommand.h"
#include "settings/Options.h"
#include "settings/OutputPresets.h"
#include "media/Rotation.h"
#include "engine/TemporaryFolder.h"
#include "process/ProcessRunner.h"
#include "sources/Queue.h"

#include "support/BatchFixture.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <QScopeGuard>

#include <unistd.h>

using namespace tarnwick;
using namespace tarnwick::test;


class tst_BatchDriver : public QObject
{
    Q_OBJECT

    // One file after another, and two at once.
    static void lanesData()
    {
        QTest::addColumn<int>("lanes");
        QTest::newRow("one lane") << 1;
        QTest::newRow("two lanes") << 2;
    }

private slots:
    void emptyQueueSaysSoAndLocksNothing()
    {
        Batch b;
        b.messages.expect("Please add a file.", "Add", MessageIcon::Exclamation);
        b.start();
        QCOMPARE(b.driver.state(), BatchDriver::State::Idle);
        QVERIFY(!b.driver.armingTimer().isActive());
        b.messages.expect("Please add a file.", "Add", MessageIcon::Exclamation);
        b.command3(); // the five settings come back
        QCOMPARE(b.window.events, QStringList({"settings off", "settings on"}));
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
    }

    void threeFilesProbedAndConvertedInOrder_data() { lanesData(); }
    void threeFilesProbedAndConvertedInOrder()
    {
        QFETCH(int, lanes);
        Batch b;
        b.driver.setLanes(lanes);
        const QStringList sources{b.source("a.vob"), b.source("b clip.mp4"), b.source("c")};
        for (const QString& s : sources)
            b.queue.addEntry(s);
        QSignalSpy reports(&b.monitor, &ConversionMonitor::progressChanged);
        b.command3();
        QCOMPARE(b.driver.state(), BatchDriver::State::Armed);
        QTRY_VERIFY_WITH_TIMEOUT(b.driver.state() == BatchDriver::State::Idle, 60000);

        const QStringList calls = b.calls();
        QCOMPARE(calls.size(), 6);
        for (int i = 0; i < 3; ++i) {
            // One file after another; each file's probe before its conversion in any case.
            const QStringList own =
                lanes == 1 ? calls.mid(2 * i, 2)
                           : calls.filter(QRegularExpression("^-i\t" + QRegularExpression::escape(sources.at(i)) + "(\t|$)"));
            QCOMPARE(own.size(), 2);
            QCOMPARE(own.at(0), "-i\t" + sources.at(i)); // the probe names only the input
            QVERIFY(own.at(1).startsWith("-i\t" + sources.at(i) + "\t-vcodec\tmpeg4\t-vb\t5000k\t"));
        }
        if (lanes == 1)
            QCOMPARE(b.objDOS.commandLine(),
                     encoderPath(standinProgramFolder()) + " -i \"" + sources.at(2) +
                         "\" -vcodec mpeg4 -vb 5000k  \"" + b.driver.results().at(2).output + "\"");
        QVERIFY(QFileInfo(b.driver.results().at(2).output).fileName().startsWith("c_"));
        QCOMPARE(b.outputs().size(), 3);
        QCOMPARE(b.window.path, b.dir.filePath("out") + "/");
        QCOMPARE(b.window.events,
                 QStringList({"settings off", "queue off", "settings on", "queue on", "Done."}));
        QCOMPARE(b.shell.opened, QStringList{"path:" + b.dir.filePath("out") + "/"});
        QCOMPARE(b.shell.beeps, 1);
        QCOMPARE(b.queue.pending(), sources);
        QCOMPARE(b.queue.displayCount(), 3);
        QCOMPARE(reports.last().first().toDouble(), 100.0); // the label's last word
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
    }

    void fileAddedDuringTheBatchIsConvertedToo_data() { lanesData(); }
    void fileAddedDuringTheBatchIsConvertedToo()
    {
        QFETCH(int, lanes);
        Batch b;
        b.driver.setLanes(lanes);
        b.options.beep = false;
        for (const char* name : {"a.mp4", "b.mp4", "c.mp4"})
            b.queue.addEntry(b.source(name, "#standin\nsleep 20\n"));
        const QString late = b.source("late.mp4");
        bool added = false;
        QObject::connect(&b.objDOS, &ProcessRunner::outputReceived, &b.queue, [&] {
            if (!added) {
                added = true;
                b.queue.addEntry(late, "MP4");
                b.start(); // ignored while running
            }
        });
        QSignalSpy again(&b.driver, &BatchDriver::batchFinished);
        b.run();
        QCOMPARE(again.count(), 1);
        QCOMPARE(b.driver.results().size(), 4);
        QCOMPARE(b.driver.results().at(3).source, late);
        QCOMPARE(b.shell.beeps, 0);
        QCOMPARE(b.queue.allEntries().size(), 4);
    }

    // The end of a run removes the front entry, whatever it is by then.
    void frontRemovedFromUnderARunningConversion()
    {
        Batch b;
        const QStringList sources{b.source("a.mp4", "#standin\nsleep 20\n"), b.source("b.mp4"), b.source("c.mp4")};
        for (const QString& s : sources)
            b.queue.addEntry(s);
        bool removed = false;
        QObject::connect(&b.objDOS, &ProcessRunner::outputReceived, &b.queue, [&] {
            if (!removed) {
                removed = true;
                b.queue.removeAt(0);
            }
        });
        b.run();
        QCOMPARE(b.driver.results().size(), 2);
        QCOMPARE(b.driver.results().at(1).source, sources.at(2));
        QCOMPARE(b.queue.pending(), QStringList({sources.at(1), sources.at(2)}));
    }

    // An encoder that cannot be run fails every file alike: the batch says
    // what is missing once and makes nothing, neither the output folder nor
    // its temporary one, and the queue stays for when the encoder is back.
    void brokenEncoderIsSaidOnceBeforeAnythingIsMade_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("not there") << "none" << "conv.exe is not there.";
        QTest::newRow("link to nothing") << "dangling" << "conv.exe is a link to /nonexistent/ffmpeg, which is not there.";
        QTest::newRow("not a program") << "text" << "conv.exe is not a program.";
    }
    void brokenEncoderIsSaidOnceBeforeAnythingIsMade()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        QTemporaryDir program;
        QVERIFY(QDir().mkpath(program.filePath("data")));
        const QString encoder = program.filePath("data/conv.exe");
        if (kind == "dangling")
            QVERIFY(QFile::link("/nonexistent/ffmpeg", encoder));
        if (kind == "text")
            QVERIFY(writeFile(encoder, "#!/bin/sh\n")); // not executable
        DeleteFolderTree(temporaryFolderPath());
        Batch b(program.path());
        const QStringList sources{b.source("a.mp4"), b.source("c.mp4")};
        for (const QString& s : sources)
            b.queue.addEntry(s);
        QSignalSpy finished(&b.driver, &BatchDriver::batchFinished);
        b.command3();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(b.messages.shown().size(), 1);
        const ShownMessage message = b.messages.shown().first();
        QCOMPARE(message.icon, MessageIcon::Critical);
        QVERIFY2(message.text.startsWith("The encoder is missing, so nothing can be converted.\n\n" +
                                         program.filePath("data/") + said + "\n\n"),
                 qPrintable(message.text));
        QVERIFY2(message.text.contains("Tarnwick converts with FFmpeg") && message.text.contains("ln -sfn "),
                 qPrintable(message.text));
        QCOMPARE(b.window.events, QStringList({"settings off", "queue off", "settings on", "queue on"}));
        QCOMPARE(b.queue.pending(), sources);
        QVERIFY(!QFileInfo::exists(b.dir.filePath("out")));
        QVERIFY(!QFileInfo::exists(temporaryFolderPath()));
        QCOMPARE(b.driver.state(), BatchDriver::State::Idle);
    }

    void failuresAreReportedNotCountedAsDone_data() { lanesData(); }
    void failuresAreReportedNotCountedAsDone()
    {
        QFETCH(int, lanes);
        Batch b;
        b.driver.setLanes(lanes);
        const QString bad = b.source("bad.mp4", "#standin\nfail bad.mp4: Invalid data found when processing input\n");
        const QString crashed = b.source("half.mp4", "#standin\nexit 1\n");
        const QString good = b.source("good.mp4");
        for (const QString& s : {bad, crashed, good})
            b.queue.addEntry(s);
        b.messages.expect("2 files could not be converted:\n\n" + bad +
                              "\n    bad.mp4: Invalid data found when processing input\n" + crashed +
                              "\n    video:1kB audio:0kB subtitle:0kB other streams:0kB",
                          "Tarnwick", MessageIcon::Exclamation);
        b.run();
        QCOMPARE(b.outputs().size(), 1); // the failed run's file is not left behind
        QVERIFY(b.outputs().first().startsWith("good_"));
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
    }

    // A file with nothing to convert fails on what its description says,
    // before the encoder is started for it; one that needs more than the
    // format's options gets them, and the batch goes on.
    void sourcesAreFittedOrFailedBeforeTheEncoder_data() { lanesData(); }
    void sourcesAreFittedOrFailedBeforeTheEncoder()
    {
        QFETCH(int, lanes);
        Batch b;
        b.driver.setLanes(lanes);
        b.presets.visibleFormat.select(1); // MP4(H264 Video)
        const QString unreadable = b.source("notes.mp4", "#standin\nno-input\n");
        const QString music = b.source("song.mp4", "#standin\nstream Audio: mp3, 44100 Hz, stereo, fltp\n");
        const QString camera =
            b.source("cam.mp4", "#standin\nstream Video: h264 (High 4:2:2), yuv422p10le(tv), 321x241, 25 fps\n");
        const QString plain = b.source("plain.mp4");
        for (const QString& s : {unreadable, music, camera, plain})
            b.queue.addEntry(s);
        b.messages.expect("2 files could not be converted:\n\n" + unreadable + "\n    not a video file FFmpeg can read\n" +
                              music + "\n    no video stream",
                          "Tarnwick", MessageIcon::Exclamation);
        b.run();
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
        const QStringList calls = b.calls();
        QCOMPARE(calls.size(), 6); // a probe for each, a conversion for two
        QCOMPARE(calls.filter("notes.mp4").size(), 1);
        QCOMPARE(calls.filter("song.mp4").size(), 1);
        QVERIFY2(calls.filter("cam.mp4").value(1).endsWith("-vcodec\th264\t-vb\t5000k\t-vf\tscale=trunc(iw/2)*2:trunc(ih/2)*2\t"
                                      "-pix_fmt\tyuv420p\t" + b.window.path + b.outputs().at(0)),
                 qPrintable(calls.join('\n')));
        QVERIFY(calls.filter("plain.mp4").value(1).endsWith("-vcodec\th264\t-vb\t5000k\t" + b.window.path +
                                                            b.outputs().at(1)));
        QCOMPARE(b.outputs().size(), 2);
    }

    // A name already taken in the output folder (a file that was there, or a
    // source with the same base name converted within the same second) gets
    // a number: the file that was there stays as it was, and this one converts.
    void takenOutputNamesGetANumber_data()
    {
        QTest::addColumn<int>("lanes");
        QTest::addColumn<QList<QTime>>("clock"); // the time each conversion is named by
        QTest::addColumn<QStringList>("taken");   // clock suffixes already in the folder
        QTest::addColumn<QStringList>("expected");
        const QTime t(10, 20, 30);
        // Two lanes name their outputs side by side, before either encoder
        // has made its file.
        for (int lanes : {1, 2}) {
            const auto row = [lanes](const char* name) -> QTestData& {
                return QTest::addRow("%s, %d lane%s", name, lanes, lanes == 1 ? "" : "s") << lanes;
            };
            row("same second, name taken") << QList<QTime>{t, t} << QStringList{"102030"}
                                            << QStringList{"same_102030_2.mp4", "same_102030_3.mp4"};
            row("same second, name free") << QList<QTime>{t, t} << QStringList{}
                                           << QStringList{"same_102030.mp4", "same_102030_2.mp4"};
            row("next second, both taken") << QList<QTime>{t, t.addSecs(1)} << QStringList{"102030", "102031"}
                                            << QStringList{"same_102030_2.mp4", "same_102031_2.mp4"};
            row("next second free") << QList<QTime>{t, t.addSecs(1)} << QStringList{"102030"}
                                     << QStringList{"same_102030_2.mp4", "same_102031.mp4"};
        }
    }
    void takenOutputNamesGetANumber()
    {
        QFETCH(int, lanes);
        QFETCH(QList<QTime>, clock);
        QFETCH(QStringList, taken);
        QFETCH(QStringList, expected);
        Batch b;
        b.driver.setLanes(lanes);
        const QString source = b.source("same.mp4", "#standin\n");
        b.queue.addEntry(source);
        b.queue.addEntry(source);
        const QString out = b.dir.filePath("out/");
        QDir().mkpath(out);
        QStringList precious;
        for (const QString& suffix : taken) {
            precious << out + "same_" + suffix + ".mp4";
            writeFile(precious.last(), "precious");
        }
        int calls = 0;
        b.driver.setClock([&] { return clock.value(calls++, clock.last()); });
        b.run();
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
        QCOMPARE(b.driver.results().size(), 2);
        QStringList named;
        for (int i = 0; i < 2; ++i) {
            QVERIFY(b.driver.results()[i].ok);
            named << b.driver.results()[i].output;
        }
        // Side by side, whichever probe ends first names its output first.
        if (lanes > 1)
            named.sort();
        QCOMPARE(named, QStringList({out + expected[0], out + expected[1]}));
        for (const QString& path : precious) {
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), QByteArray("precious"));
        }
    }

    // An output folder that cannot be made: one message, nothing run, the
    // queue kept for another try.
    void uncreatableOutputFolderRunsNothing_data() { lanesData(); }
    void uncreatableOutputFolderRunsNothing()
    {
        QFETCH(int, lanes);
        Batch b;
        b.driver.setLanes(lanes);
        const QString blocker = b.dir.filePath("a file");
        QVERIFY(writeFile(blocker, "x"));
        b.window.path = blocker + "/out";
        b.queue.addEntry(b.source("one.mp4"));
        b.messages.expect("The output folder could not be created:\n\n" + blocker + "/out/", "Tarnwick",
                          MessageIcon::Exclamation);
        b.run();
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
        QVERIFY(b.calls().isEmpty());
        QCOMPARE(b.queue.pending().size(), 1);
        QCOMPARE(b.queue.displayCount(), 1);
        QCOMPARE(b.window.events, QStringList({"queue off", "settings on", "queue on"}));
    }

    // On a batch of equal clips the time left is right from the second file
    // on: each clip here takes four ticks of the given clock.
    void estimateOfTheTimeLeft()
    {
        Batch b;
        for (const char* name : {"a.mp4", "b.mp4", "c.mp4"})
            b.queue.addEntry(b.source(name, "#standin\nduration 00:00:10.00\nprogress 4\n"));
        double now = 0;
        BatchProgress& follower = b.session.progress();
        follower.setClock([&] { return now; });
        QObject::connect(&b.driver, &BatchDriver::fileProgress, &b.driver, [&] { now += 1; });
        QList<BatchStatus> atStarts;
        QList<double> shares;
        QObject::connect(&follower, &BatchProgress::changed, &b.driver, [&](const BatchStatus& status) {
            shares << status.percent;
        });
        QObject::connect(&b.driver, &BatchDriver::fileStarted, &b.driver,
                         [&] { atStarts << follower.status(); });
        QList<BatchStatus> ended;
        QObject::connect(&follower, &BatchProgress::ended, &b.driver,
                         [&](const BatchStatus& status) { ended << status; });
        b.run();
        QCOMPARE(atStarts.size(), 3);
        QCOMPARE(atStarts.at(1).file, 2);
        QCOMPARE(atStarts.at(1).count, 3);
        for (int k = 1; k < 3; ++k) {
            const double truth = 4.0 * (3 - k);
            QVERIFY(atStarts.at(k).secondsLeft);
            QVERIFY2(qAbs(*atStarts.at(k).secondsLeft - truth) <= 0.25 * truth,
                     qPrintable(QString("file %1: %2 s left, truly %3").arg(k + 1).arg(*atStarts.at(k).secondsLeft).arg(truth)));
        }
        QVERIFY(std::is_sorted(shares.begin(), shares.end()));
        QCOMPARE(shares.last(), 100.0);
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.first().converted, 3);
        QCOMPARE(ended.first().failed, 0);
    }

    // The encoder's reason, not its generic closing words.
    void tellingLineOfAFailure_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("line");
        QTest::newRow("disk full") << "frame=  12 fps=0.0 q=2.0 size=     768kB time=00:00:00.48 bitrate=13107.2kbits/s\r"
                                      "[mp4 @ 0x55d] Error writing trailer: No space left on device\n"
                                      "av_interleaved_write_frame(): No space left on device\n"
                                      "video:1200kB audio:0kB subtitle:0kB other streams:0kB global headers:0kB\n"
                                      "Conversion failed!\n"
                                   << "av_interleaved_write_frame(): No space left on device";
        QTest::newRow("unreadable input") << "broken.mp4: Invalid data found when processing input\n"
                                          << "broken.mp4: Invalid data found when processing input";
        QTest::newRow("an encoder refused: its reason, not FFmpeg's summary")
            << "[wmav2 @ 0x55764341cb80] too many channels: got 6, need 2 or fewer\n"
               "Error initializing output stream 0:1 -- Error while opening encoder for output stream #0:1 - "
               "maybe incorrect parameters such as bit_rate, rate, width or height\nConversion failed!\n"
            << "wmav2: too many channels: got 6, need 2 or fewer";
        QTest::newRow("no error line: the last line") << "video:1kB audio:0kB subtitle:0kB other streams:0kB\n"
                                                      << "video:1kB audio:0kB subtitle:0kB other streams:0kB";
        QTest::newRow("nothing printed") << "" << "the encoder printed nothing";
    }
    void tellingLineOfAFailure()
    {
        QFETCH(QString, output);
        QFETCH(QString, line);
        QCOMPARE(tellingLine(output), line);
    }

    // The output folder on a small disk that fills in the second of four
    // files: the first kept, the batch stopped there with one message
    // naming the reason, the two not tried still queued. With two lanes
    // writing at once, the disk fills under one or both: every lane stops,
    // and whatever was not converted stays queued.
    void fullDiskStopsTheBatch_data() { lanesData(); }
    void fullDiskStopsTheBatch()
    {
        QFETCH(int, lanes);
        if (::geteuid() != 0)
            QSKIP("mounting a small tmpfs needs root");
        Batch b(realProgramFolder());
        b.driver.setLanes(lanes);
        const QString out = b.dir.filePath("out");
        QVERIFY(QDir().mkpath(out));
        if (!runTool("mount", {"-t", "tmpfs", "-o", "size=2m", "tmpfs", out}))
            QSKIP("tmpfs could not be mounted here");
        const auto unmount = qScopeGuard([&] { runTool("umount", {out}); });
        QStringList sources;
        for (int i = 1; i <= 4; ++i) {
            sources << b.dir.filePath(QString("noise%1.mp4").arg(i));
            QVERIFY(runTool(TARNWICK_FFMPEG, {"-nostdin", "-v", "error", "-f", "lavfi", "-i",
                                              "nullsrc=s=320x240:d=2,geq=random(1)*255:128:128", "-c:v", "mpeg4",
                                              "-q:v", "2", sources.last()}));
            b.queue.addEntry(sources.last());
        }
        b.options.beep = false;
        b.run();
        const QList<ConversionResult>& results = b.driver.results();
        if (lanes == 1) {
            QCOMPARE(results.size(), 2);
            QVERIFY(results.at(0).ok);
            QVERIFY(results.at(1).outputUnwritable);
            QCOMPARE(b.outputs().size(), 1);
            QCOMPARE(b.queue.pending(), sources.mid(2));
        }
        // Left queued: what was not tried, and what a lane stopped part way.
        QStringList left = sources;
        QStringList full;
        for (const ConversionResult& r : results) {
            QVERIFY(r.ok || r.stopped || r.outputUnwritable);
            if (r.outputUnwritable)
                full << r.source;
            if (!r.stopped)
                left.removeOne(r.source);
        }
        QVERIFY(!full.isEmpty());
        QCOMPARE(b.queue.pending(), left);
        QCOMPARE(b.messages.shown().size(), 1);
        const QString message = b.messages.shown().first().text;
        QVERIFY2(message.startsWith("The batch stopped: the output folder takes no more files.\n\n" + full.first()) &&
                     message.contains("No space left on device") &&
                     message.endsWith(QString("%1 files are left in the queue.").arg(left.size())),
                 qPrintable(message));
        QVERIFY(!b.window.events.contains("Done."));
        QCOMPARE(b.shell.opened, QStringList());
        // Only finished files are left in the folder.
        QStringList finished;
        for (const ConversionResult& r : results) {
            if (r.ok)
                finished << QFileInfo(r.output).fileName();
        }
        finished.sort();
        QCOMPARE(b.outputs(), finished);
    }

    void abortStopsTheEncoderAndDropsItsUnfinishedFile()
    {
        Batch b;
        b.queue.addEntry(b.source("long.mp4", "#standin\nprogress 100\nsleep 100\n"));
        b.queue.addEntry(b.source("next.mp4"));
        QObject::connect(&b.objDOS, &ProcessRunner::outputReceived, &b.driver, [&](const QString& s) {
            if (s.contains("time="))
                b.driver.abort();
        });
        b.run();
        QVERIFY(b.outputs().isEmpty());
        QVERIFY(!b.window.events.contains("Done."));
        QCOMPARE(b.calls().size(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_BatchDriver)
#include "tst_BatchDriver.moc"
