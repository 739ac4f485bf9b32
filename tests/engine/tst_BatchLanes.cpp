// Several files at once: each lane takes the first entry no lane holds, and
// what one lane does (fail, stop, lose its row) is confined to it. Lane 0 is
// held on a gate file the test writes when the other lane has done what the
// case is about, so the order of events is the test's, not the machine's.

#include "engine/BatchDriver.h"
#include "engine/BatchJournal.h"
#include "engine/Converter.h"
#include "process/ProcessRunner.h"
#include "sources/Queue.h"

#include "support/BatchFixture.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QByteArray heldOn(const QString& gate)
{
    return "#standin\nwrite-early\nwait-for " + gate.toLocal8Bit() + "\n";
}

// Calls `act` once both lanes' encoders have begun writing.
void whenBothLanesWrite(Batch& b, const std::function<void()>& act)
{
    auto writing = std::make_shared<QSet<int>>();
    for (int lane = 0; lane < 2; ++lane) {
        QObject::connect(&b.driver.laneConverter(lane).encoderRunner(), &ProcessRunner::outputReceived, &b.driver,
                         [=](const QString& piece) {
                             if (!piece.startsWith("Output #0") || writing->contains(lane))
                                 return;
                             writing->insert(lane);
                             if (writing->size() == 2)
                                 act();
                         });
    }
}

QStringList sourcesOf(const QList<ConversionResult>& results)
{
    QStringList sources;
    for (const ConversionResult& r : results)
        sources << r.source;
    return sources;
}

} // namespace

class tst_BatchLanes : public QObject
{
    Q_OBJECT

private slots:
    // While lane 0 holds the first file, lane 1 takes the others in queue
    // order; the results come back in queue order all the same.
    void lanesTakeEntriesInQueueOrder()
    {
        Batch b;
        b.driver.setLanes(2);
        const QString gate = b.dir.filePath("gate");
        const QStringList sources{b.source("a.mp4", heldOn(gate)), b.source("b.mp4"), b.source("c.mp4"),
                                  b.source("d.mp4")};
        for (const QString& s : sources)
            b.queue.addEntry(s);
        QStringList started;
        QList<int> finished;
        QObject::connect(&b.driver, &BatchDriver::fileStarted, &b.driver,
                         [&](int, int, const QString& source) { started << source; });
        QObject::connect(&b.driver, &BatchDriver::fileFinished, &b.driver, [&](int index, const ConversionResult&) {
            finished << index;
            if (index == 3)
                writeFile(gate);
        });
        b.run();
        QCOMPARE(started, sources);
        QCOMPARE(finished, QList<int>({1, 2, 3, 0}));
        QCOMPARE(sourcesOf(b.driver.results()), sources);
        for (const ConversionResult& r : b.driver.results())
            QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(b.outputs().size(), 4);
        QVERIFY(b.window.events.contains("Done."));
        QCOMPARE(b.queue.pending(), sources);
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
    }

    // A file queued while a lane has nothing to do starts at once, not when
    // the other lane's file ends.
    void aFreeLaneTakesAFileAddedDuringTheBatch()
    {
        Batch b;
        b.driver.setLanes(2);
        const QString gate = b.dir.filePath("gate");
        const QString held = b.source("held.mp4", heldOn(gate));
        const QString added = b.source("added.mp4");
        b.queue.addEntry(held);
        QObject::connect(&b.driver.laneConverter(0).encoderRunner(), &ProcessRunner::outputReceived, &b.driver,
                         [&](const QString& piece) {
                             if (piece.startsWith("Output #0"))
                                 b.queue.addEntry(added);
                         });
        QList<int> finished;
        QObject::connect(&b.driver, &BatchDriver::fileFinished, &b.driver, [&](int index, const ConversionResult&) {
            finished << index;
            if (index == 1)
                writeFile(gate);
        });
        b.run();
        QCOMPARE(finished, QList<int>({1, 0}));
        QCOMPARE(sourcesOf(b.driver.results()), QStringList({held, added}));
        QCOMPARE(b.outputs().size(), 2);
    }

    // A file that fails in one lane leaves the other lane's file alone.
    void aFailingJobInOneLaneWhileAnotherRuns()
    {
        Batch b;
        b.driver.setLanes(2);
        b.options.beep = false;
        const QString gate = b.dir.filePath("gate");
        const QString held = b.source("held.mp4", heldOn(gate));
        const QString bad = b.source("bad.mp4", "#standin\nfail bad.mp4: Invalid data found when processing input\n");
        const QString after = b.source("after.mp4");
        for (const QString& s : {held, bad, after})
            b.queue.addEntry(s);
        QObject::connect(&b.driver, &BatchDriver::fileFinished, &b.driver, [&](int index, const ConversionResult&) {
            if (index == 2)
                writeFile(gate);
        });
        b.messages.expect("1 file could not be converted:\n\n" + bad +
                              "\n    bad.mp4: Invalid data found when processing input",
                          "Tarnwick", MessageIcon::Exclamation);
        b.run();
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
        const QList<ConversionResult>& results = b.driver.results();
        QCOMPARE(results.size(), 3);
        QVERIFY(results.at(0).ok);
        QVERIFY(!results.at(1).ok && !results.at(1).outputUnwritable);
        QVERIFY(results.at(2).ok);
        const QStringList outputs = b.outputs();
        QCOMPARE(outputs.size(), 2);
        QVERIFY(outputs.at(0).startsWith("after_") && outputs.at(1).startsWith("held_"));
    }

    // Stop with both lanes writing: both encoders end, both unfinished
    // outputs go, and every file stays queued.
    void stopWithTwoLanesBusy()
    {
        Batch b;
        b.driver.setLanes(2);
        const QString never = b.dir.filePath("never");
        const QStringList sources{b.source("a.mp4", heldOn(never)), b.source("b.mp4", heldOn(never)),
                                  b.source("c.mp4")};
        for (const QString& s : sources)
            b.queue.addEntry(s);
        const QString journal = b.dir.filePath("state/batch.journal");
        b.session.keepJournal(journal);
        QSignalSpy stopped(&b.driver, &BatchDriver::batchStopped);
        whenBothLanesWrite(b, [&] {
            QCOMPARE(b.outputs().size(), 2);
            b.driver.stop();
        });
        b.run();
        QCOMPARE(stopped.count(), 1);
        QVERIFY(!b.window.events.contains("Done."));
        QVERIFY(b.outputs().isEmpty());
        QCOMPARE(b.queue.pending(), sources);
        QCOMPARE(b.queue.displayCount(), 3);
        for (int lane = 0; lane < 2; ++lane)
            QVERIFY(!b.driver.laneConverter(lane).encoderRunner().isRunning());
        QVERIFY(!QFile::exists(journal));
        QCOMPARE(b.calls().filter("c.mp4").size(), 0); // nothing started after the stop
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
    }

    // The journal names the output of every lane that is writing, so that
    // after a kill each half-written file is removed.
    void journalNamesEveryLanesOutput()
    {
        Batch b;
        b.driver.setLanes(2);
        const QString never = b.dir.filePath("never");
        const QStringList sources{b.source("a.mp4", heldOn(never)), b.source("b.mp4", heldOn(never))};
        for (const QString& s : sources)
            b.queue.addEntry(s);
        const QString journal = b.dir.filePath("state/batch.journal");
        b.session.keepJournal(journal);
        QByteArray atTheKill;
        whenBothLanesWrite(b, [&] {
            QFile file(journal);
            QVERIFY(file.open(QIODevice::ReadOnly));
            atTheKill = file.readAll();
            b.driver.abort();
        });
        b.run();
        QVERIFY(!atTheKill.isEmpty());
        QVERIFY(writeFile(journal, atTheKill));
        const auto entry = BatchJournal(journal).read();
        QVERIFY(entry);
        QCOMPARE(entry->remaining, sources);
        QCOMPARE(entry->writing.size(), 2);
        QStringList halves;
        for (const BatchJournal::Writing& w : entry->writing) {
            QVERIFY(!w.existed);
            QVERIFY(writeFile(w.output, "half a file"));
            halves << QFileInfo(w.output).fileName();
        }
        halves.sort();
        QVERIFY2(halves.at(0).startsWith("a_") && halves.at(1).startsWith("b_"), qPrintable(halves.join(' ')));

        Batch next;
        next.session.keepJournal(journal);
        next.messages.expectQuestion("The last batch was interrupted with 2 files left. Queue them again?",
                                     "Tarnwick", false);
        next.session.offerInterruptedBatch();
        QVERIFY2(next.messages.done(), qPrintable(next.messages.problems()));
        for (const BatchJournal::Writing& w : entry->writing)
            QVERIFY(!QFile::exists(w.output));
    }

    // Removing the row a lane converts does to that lane what removing the
    // front entry does to a batch of one: the conversion goes on, and when
    // it ends the next entry waiting goes with it, unconverted.
    void removingARowALaneConverts()
    {
        Batch b;
        b.driver.setLanes(2);
        const QString gate = b.dir.filePath("gate");
        const QStringList sources{b.source("a.mp4", heldOn(gate)), b.source("b.mp4", "#standin\nsleep 20\n"),
                                  b.source("c.mp4"), b.source("d.mp4")};
        for (const QString& s : sources)
            b.queue.addEntry(s);
        bool removed = false;
        QObject::connect(&b.driver.laneConverter(1).encoderRunner(), &ProcessRunner::outputReceived, &b.queue, [&] {
            if (!removed && b.queue.displayPath(1) == sources.at(1)) {
                removed = true;
                b.queue.removeAt(1);
            }
        });
        QStringList started;
        QObject::connect(&b.driver, &BatchDriver::fileStarted, &b.driver,
                         [&](int, int, const QString& source) { started << source; });
        QObject::connect(&b.driver, &BatchDriver::fileFinished, &b.driver, [&](int, const ConversionResult& r) {
            if (r.source == sources.at(3))
                writeFile(gate);
        });
        b.run();
        QVERIFY(removed);
        QCOMPARE(started, QStringList({sources.at(0), sources.at(1), sources.at(3)}));
        QCOMPARE(sourcesOf(b.driver.results()), started);
        QCOMPARE(b.queue.pending(), QStringList({sources.at(0), sources.at(2), sources.at(3)}));
    }

    // Each conversion has its log, whichever lane ran it; the folder is
    // held to its limits by the batch.
    void everyLaneWritesItsLogs()
    {
        Batch b;
        b.driver.setLanes(2);
        b.session.keepLogs(b.dir.filePath("logs"));
        const QString old = b.dir.filePath("logs/old.mp4.log");
        QVERIFY(writeFile(old));
        {
            QFile f(old);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-31), QFileDevice::FileModificationTime));
        }
        for (const char* name : {"a.mp4", "b.mp4", "c.mp4"})
            b.queue.addEntry(b.source(name));
        b.run();
        QStringList logs;
        for (const ConversionResult& r : b.driver.results()) {
            QVERIFY(r.ok);
            QCOMPARE(QFileInfo(r.log).fileName(), QFileInfo(r.output).fileName() + ".log");
            QFile log(r.log);
            QVERIFY(log.open(QIODevice::ReadOnly));
            QVERIFY(log.readAll().startsWith(("source:     " + r.source + "\noutput:     " + r.output).toUtf8()));
            logs << r.log;
        }
        QCOMPARE(QDir(b.dir.filePath("logs")).entryList(QDir::Files | QDir::Hidden).size(), 3);
        QVERIFY(!QFile::exists(old));
    }
};

QTEST_GUILESS_MAIN(tst_BatchLanes)
#include "tst_BatchLanes.moc"
