#include "support/BatchFixture.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// Every file below a folder with its size, to see that nothing else changed.
QStringList snapshot(const QString& folder)
{
    QStringList all;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        all << it.filePath() + u'=' + QString::number(it.fileInfo().size());
    }
    all.sort();
    return all;
}

} // namespace

// Bad sources queued beside good ones, converted by Debian's FFmpeg: each bad
// one fails clearly, every good one is converted, nothing else is touched.
class tst_HostileSources : public QObject
{
    Q_OBJECT

private slots:
    void badSourcesFailAloneAndTouchNothingElse()
    {
        Batch b(realProgramFolder());
        const QTemporaryDir& dir = b.dir;
        const QString sources = dir.filePath("sources");
        QDir().mkpath(sources);
        const QString good = sources + "/good clip.mp4";
        QVERIFY(runTool(TARNWICK_FFMPEG, {"-nostdin", "-v", "error", "-f", "lavfi", "-i",
                                          "testsrc=size=160x120:rate=25:duration=1", "-c:v", "mpeg4", good}));
        const QString quoted = sources + "/say \"cheese\".mp4";
        const QString dash = sources + "/-y.mp4";
        const QString newline = sources + "/two\nlines.mp4";
        for (const QString& copy : {quoted, dash, newline})
            QVERIFY(QFile::copy(good, copy));
        const QString text = sources + "/notes.txt";
        QVERIFY(writeFile(text, "not a video at all\n"));
        const QString empty = sources + "/empty.mp4";
        QVERIFY(writeFile(empty, QByteArray()));
        const QString truncated = sources + "/VTS_01_1.VOB";
        QFile whole(good);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QVERIFY(writeFile(truncated, whole.read(600)));
        const QString gone = sources + "/gone.mp4";
        const QString folder = sources; // a dropped folder

        const QStringList bad{text, empty, truncated, gone, folder};
        const QStringList fine{good, quoted, dash, newline};
        for (const QString& path : bad + fine)
            b.queue.AddQueueEntry(path);
        QVERIFY(QFile::copy(good, gone));
        QVERIFY(QFile::remove(gone)); // queued, then deleted
        const QStringList before = snapshot(sources);

        b.run();

        QCOMPARE(b.driver.results().size(), bad.size() + fine.size());
        for (const ConversionResult& r : b.driver.results()) {
            const bool expectedOk = fine.contains(r.source);
            QVERIFY2(r.ok == expectedOk, qPrintable(r.source + ": " + r.error));
            if (!r.ok) {
                QVERIFY(!r.error.isEmpty());
                QVERIFY(!QFile::exists(r.output));
            } else {
                QVERIFY(QFileInfo(r.output).size() > 0);
            }
        }
        QCOMPARE(QDir(dir.filePath("out")).entryList(QDir::Files).size(), fine.size());
        QCOMPARE(snapshot(sources), before);
        QCOMPARE(b.messages.shown().size(), 1); // one list of the failures
        QVERIFY(b.messages.shown().first().text.startsWith("5 files could not be converted:"));
    }
};

QTEST_GUILESS_MAIN(tst_HostileSources)
#include "tst_HostileSources.moc"
