#include "conversion/BatchDriver.h"
#include "conversion/ConversionMonitor.h"
#include "conversion/Options.h"
#include "conversion/OutputPresets.h"
#include "conversion/Rotation.h"
#include "process/DOSOutputs.h"
#include "sources/Queue.h"

#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

class Window final : public BatchWindow
{
public:
    QString path;
    QString txtPath() const override { return path; }
    void setTxtPath(const QString& text) override { path = text; }
    void setSettingsEnabled(bool) override {}
    void setQueueControlsEnabled(bool) override {}
    void showBatchDone() override {}
};

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
        QTemporaryDir dir;
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

        ScriptedMessages messages;
        RecordingShell shell;
        Window window;
        window.path = dir.filePath("out");
        Queue queue;
        DOSOutputs objDOS(messages), objffmpeg(messages);
        ConversionMonitor monitor(queue);
        Rotation rotation;
        OutputPresets presets;
        Options options;
        BatchDriver driver({queue, objDOS, objffmpeg, monitor, rotation, presets, options, window, shell, messages},
                           realProgramFolder());
        connect(&objDOS, &DOSOutputs::CommandOver, &monitor, &ConversionMonitor::objDOS_CommandOver);
        presets.cmbOF1.select(0);
        rotation.cmbRotate.select(5);
        const QStringList bad{text, empty, truncated, gone, folder};
        const QStringList fine{good, quoted, dash, newline};
        for (const QString& path : bad + fine)
            queue.AddQueueEntry(path);
        QVERIFY(QFile::copy(good, gone));
        QVERIFY(QFile::remove(gone)); // queued, then deleted
        const QStringList before = snapshot(sources);

        driver.StartConversion();
        QTRY_VERIFY_WITH_TIMEOUT(driver.state() == BatchDriver::State::Idle, 120000);

        QCOMPARE(driver.results().size(), bad.size() + fine.size());
        for (const ConversionResult& r : driver.results()) {
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
        QCOMPARE(messages.shown().size(), 1); // one list of the failures
        QVERIFY(messages.shown().first().text.startsWith("5 files could not be converted:"));
    }
};

QTEST_GUILESS_MAIN(tst_HostileSources)
#include "tst_HostileSources.moc"
