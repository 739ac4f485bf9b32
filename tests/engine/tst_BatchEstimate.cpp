// The time a batch has left, one file at a time and several at once.

#include "engine/BatchEstimate.h"

#include <QTest>

using namespace tarnwick;

namespace {

// What happened to one file: started at `began` (-1: waiting), `percent`
// done, ended at `ended` (-1: not over), its length known or not, and of a
// time range, the whole source's length.
struct Step {
    double began;
    double percent;
    double ended;
    qint32 length;
    qint32 whole = 0;
};

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class tst_BatchEstimate : public QObject
{
    Q_OBJECT

private slots:
    void secondsLeft_data()
    {
        QTest::addColumn<QList<qint64>>("sizes");
        QTest::addColumn<QList<Step>>("files");
        QTest::addColumn<double>("now");
        QTest::addColumn<int>("lanes");
        QTest::addColumn<double>("left"); // -1: nothing measured yet
        const QList<qint64> four{1000, 1000, 1000, 1000};
        // Ten-second clips converting at one second of video a second.
        QTest::newRow("one lane, one done") << four << QList<Step>{{0, 100, 10, 10}, {10, 0, -1, 0}} << 10.0 << 1
                                            << 30.0;
        QTest::newRow("one lane, half way through the second")
            << four << QList<Step>{{0, 100, 10, 10}, {10, 50, -1, 10}} << 15.0 << 1 << 25.0;
        QTest::newRow("two lanes, two half done")
            << four << QList<Step>{{0, 50, -1, 10}, {0, 50, -1, 10}} << 5.0 << 2 << 15.0;
        QTest::newRow("two lanes, the same as one would see it")
            << four << QList<Step>{{0, 50, -1, 10}, {0, 50, -1, 10}} << 5.0 << 1 << 30.0;
        QTest::newRow("two lanes, one file left: no faster than one lane")
            << four << QList<Step>{{0, 100, 10, 10}, {0, 100, 10, 10}, {10, 100, 20, 10}, {20, 50, -1, 10}}
            << 25.0 << 2 << 5.0;
        QTest::newRow("three waiting on two lanes: the odd one last")
            << QList<qint64>{1000, 1000, 1000, 1000, 1000}
            << QList<Step>{{0, 100, 10, 10}, {0, 100, 10, 10}} << 10.0 << 2 << 20.0;
        QTest::newRow("a bigger file waiting weighs by its size")
            << QList<qint64>{1000, 3000} << QList<Step>{{0, 100, 10, 10}} << 10.0 << 1 << 30.0;
        // Ten seconds of a hundred-second file: the file waiting, as large,
        // is a hundred seconds, not ten.
        QTest::newRow("a range is its part of the file's bytes")
            << QList<qint64>{1000, 1000} << QList<Step>{{0, 100, 10, 10, 100}} << 10.0 << 1 << 100.0;
        QTest::newRow("nothing done yet") << four << QList<Step>{{0, 0, -1, 0}} << 3.0 << 2 << -1.0;
    }
    void secondsLeft()
    {
        QFETCH(QList<qint64>, sizes);
        QFETCH(QList<Step>, files);
        QFETCH(double, now);
        QFETCH(int, lanes);
        QFETCH(double, left);
        BatchEstimate estimate;
        estimate.start(sizes);
        for (int i = 0; i < files.size(); ++i) {
            const Step& f = files.at(i);
            estimate.setStarted(i, f.began);
            estimate.setLength(i, f.length, f.whole);
            if (f.ended >= 0)
                estimate.setDone(i, f.ended);
            else
                estimate.setProgress(i, f.percent);
        }
        const std::optional<double> got = estimate.secondsLeft(now, lanes);
        if (left < 0) {
            QVERIFY(!got);
            return;
        }
        QVERIFY(got);
        QCOMPARE(*got, left);
    }

    void shareDoneCountsFilesUntilALengthIsKnown()
    {
        BatchEstimate estimate;
        estimate.start({100, 300});
        estimate.setStarted(0, 0);
        estimate.setProgress(0, 50);
        QCOMPARE(estimate.overallPercent(), 25.0);
        estimate.setLength(0, 10); // 0.1 s a byte: the second file is 30 s
        QCOMPARE(estimate.overallPercent(), 100.0 * 5 / 40);
        estimate.add(100);
        QCOMPARE(estimate.count(), 3);
        QCOMPARE(estimate.overallPercent(), 100.0 * 5 / 50);
    }
};

QTEST_GUILESS_MAIN(tst_BatchEstimate)
#include "tst_BatchEstimate.moc"
