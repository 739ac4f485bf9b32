// A batch cut short (a kill, a crash, a power cut) is offered again at the
// next start; a journal that is damaged or points elsewhere is never trusted.

#include "engine/BatchJournal.h"
#include "session/Session.h"

#include "support/BatchFixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {
QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

Q_DECLARE_METATYPE(QList<tarnwick::TimeRange>)

class tst_BatchJournal : public QObject
{
    Q_OBJECT

private slots:
    void interruptedBatchIsOfferedAgain()
    {
        Batch b;
        const QString journal = b.dir.filePath("state/batch.journal");
        b.session.keepJournal(journal);
        const QString a = b.source("a.mp4");
        const QString slow = b.source("slow.mp4", "#standin\nwrite-early\nprogress 50\nsleep 20\n");
        const QString c = b.source("c.mp4");
        for (const QString& s : {a, slow, c})
            b.queue.addEntry(s);
        b.presets.visibleFormat.select(2); // AVI
        b.session.rotation().choices.select(1);
        // What a kill in the middle of the second file would leave: the
        // journal as it stands then, and the half-written output.
        QByteArray atTheKill;
        QObject::connect(&b.objDOS, &ProcessRunner::outputReceived, &b.driver, [&](const QString& piece) {
            if (atTheKill.isEmpty() && piece.contains("time=") && b.queue.runFront() == slow) {
                atTheKill = contents(journal);
                b.driver.abort();
            }
        });
        b.run();
        QVERIFY(!QFile::exists(journal)); // left by Exit: nothing to pick up
        QVERIFY(!atTheKill.isEmpty());
        QVERIFY(writeFile(journal, atTheKill));
        const QString half = QJsonDocument::fromJson(atTheKill).object().value("writing").toString();
        QVERIFY2(half.startsWith(b.dir.filePath("out/slow_")) && half.endsWith(".avi"), qPrintable(half));
        QVERIFY(writeFile(half, "half a file"));

        Batch next;
        next.session.keepJournal(journal);
        next.messages.expectQuestion("The last batch was interrupted with 2 files left. Queue them again?", "Tarnwick",
                                     true);
        next.session.offerInterruptedBatch();
        QVERIFY2(next.messages.done(), qPrintable(next.messages.problems()));
        QVERIFY(!QFile::exists(half));
        QVERIFY(!QFile::exists(journal));
        QCOMPARE(next.queue.pending(), QStringList({slow, c}));
        const RunSettings settings = next.session.runSettings();
        QCOMPARE(settings.format->internalIndex, 3); // AVI's
        QCOMPARE(settings.rotationChoice, RotationChoice::Anticlockwise);
        QCOMPARE(settings.outputFolder, b.dir.filePath("out") + "/");
        next.session.startBatch();
        QTRY_VERIFY_WITH_TIMEOUT(next.driver.state() == BatchDriver::State::Idle, 60000);
        QCOMPARE(next.driver.results().size(), 2);
        QVERIFY(next.driver.results().at(0).ok && next.driver.results().at(1).ok);
        QVERIFY(!QFile::exists(journal)); // a batch that ended leaves none
    }

    // A batch by quality or by size is picked up by the same; a batch made
    // for the web, HDR to SDR or with the cut on is picked up as it was, and
    // the session takes every setting of it.
    void theRateIsKept()
    {
        QTemporaryDir dir;
        const BatchJournal journal(dir.filePath("batch.journal"));
        RunSettings web;
        web.webOptimized = web.hdrToSdr = web.beep = true;
        web.countedSeconds = 90;
        for (const RateControl& rate : {RateControl::constantQuality(28), RateControl::size(25000000),
                                        RateControl::bitrate(750), RateControl::bitrate(750)}) {
            BatchJournal::Entry entry;
            entry.settings = rate == RateControl::bitrate(750) ? std::exchange(web, RunSettings{}) : RunSettings{};
            entry.settings.outputFolder = dir.path();
            entry.settings.format = formatForIndex(2);
            entry.settings.rate = rate;
            entry.remaining = {"/v/a.mp4"};
            journal.write(entry);
            const auto read = journal.read();
            QVERIFY(read);
            QCOMPARE(read->settings.rate, rate);
            QVERIFY(read->settings == entry.settings);
            Batch next;
            next.session.applyRunSettings(read->settings);
            QVERIFY(next.session.runSettings() == entry.settings);
        }
    }

    void untrustworthyJournalsAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<bool>("asked");
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n not a journal") << false;
        QTest::newRow("foreign") << QByteArray(R"({"kind":"something-else","version":1})") << false;
        QTest::newRow("relative output folder")
            << QByteArray(R"({"kind":"tarnwick-batch","version":1,"settings":{"outputFolder":"out",)"
                          R"("internalIndex":4,"bitrateText":"5000","rotationChoice":5},)"
                          R"("remaining":["/v/a.mp4"],"writing":"PRECIOUS","writingExisted":false})")
            << false;
        // Ours in form, but the file it names lies outside its output folder.
        QTest::newRow("outside its folder")
            << QByteArray(R"({"kind":"tarnwick-batch","version":1,"settings":{"outputFolder":"OUT",)"
                          R"("internalIndex":4,"bitrateText":"5000","rotationChoice":5},)"
                          R"("remaining":["/v/a.mp4"],"writing":"OUT/../PRECIOUS","writingExisted":false})")
            << true;
    }
    void untrustworthyJournalsAreIgnored()
    {
        QFETCH(QByteArray, journal);
        QFETCH(bool, asked);
        Batch b;
        const QString precious = b.dir.filePath("precious.mp4");
        QVERIFY(writeFile(precious, "keep me"));
        QVERIFY(QDir().mkpath(b.dir.filePath("out")));
        journal.replace("PRECIOUS", precious.toUtf8()).replace("OUT", b.dir.filePath("out").toUtf8());
        const QString path = b.dir.filePath("batch.journal");
        QVERIFY(writeFile(path, journal));
        b.session.keepJournal(path);
        if (asked)
            b.messages.expectQuestion("The last batch was interrupted with 1 file left. Queue it again?", "Tarnwick",
                                      false);
        b.session.offerInterruptedBatch();
        QVERIFY2(b.messages.done(), qPrintable(b.messages.problems()));
        QCOMPARE(contents(precious), QByteArray("keep me"));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(b.queue.pending(), QStringList());
    }

    // Each file left keeps its time range as written; a journal from before
    // ranges, or a bound that is no time, gives none: the file converts whole.
    void rangesOfTheFilesLeft_data()
    {
        QTest::addColumn<QByteArray>("ranges"); // the journal's, or empty for none
        QTest::addColumn<QList<TimeRange>>("read");
        const std::optional<double> open;
        QTest::newRow("before ranges") << QByteArray() << QList<TimeRange>{{}, {}};
        QTest::newRow("both") << QByteArray(R"([{"start":1.5,"end":3},{"end":60}])")
                              << QList<TimeRange>{{1.5, 3.0}, {open, 60.0}};
        QTest::newRow("one") << QByteArray(R"([null,{"start":90}])") << QList<TimeRange>{{}, {90.0, open}};
        QTest::newRow("no times") << QByteArray(R"([{"start":"1:30","end":-1},{"start":1e12}])")
                                  << QList<TimeRange>{{}, {}};
    }
    void rangesOfTheFilesLeft()
    {
        QFETCH(QByteArray, ranges);
        QFETCH(QList<TimeRange>, read);
        QTemporaryDir dir;
        const QByteArray text = R"({"kind":"tarnwick-batch","version":1,"settings":{"outputFolder":"/out",)"
                                R"("internalIndex":4,"bitrateText":"5000","rotationChoice":5},)"
                                R"("remaining":["/v/a.mp4","/v/b.mp4"],"writing":"","writingExisted":false)";
        QVERIFY(writeFile(dir.filePath("j"), text + (ranges.isEmpty() ? "" : R"(,"ranges":)" + ranges) + "}"));
        const BatchJournal journal(dir.filePath("j"));
        QCOMPARE(journal.read()->ranges, read);
        journal.write(*journal.read());
        QCOMPARE(journal.read()->ranges, read);
        // Without ranges it is written as before them.
        QCOMPARE(contents(dir.filePath("j")).contains("ranges"), (read != QList<TimeRange>{{}, {}}));
    }
};

QTEST_GUILESS_MAIN(tst_BatchJournal)
#include "tst_BatchJournal.moc"
