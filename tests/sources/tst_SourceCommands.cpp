#include "sources/OpenFileDialog.h"
#include "sources/Queue.h"
#include "sources/SourceCommands.h"

#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"
#include "support/TestFiles.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// One queue with its commands over scripted seams.
struct Fixture {
    ScriptedDialogs dialogs;
    ScriptedDrives drives;
    ScriptedMessages messages;
    Queue queue;
    OpenFileDialog common{dialogs};
    SourceCommands commands{queue, common, dialogs, drives, messages, "/program"};

    bool inStep() const
    {
        QStringList shown;
        for (int i = 0; i < queue.displayCount(); ++i)
            shown << queue.displayPath(i);
        return shown == queue.pending() && shown == queue.allEntries();
    }
    QStringList tags() const
    {
        QStringList all;
        for (int i = 0; i < queue.displayCount(); ++i)
            all << queue.displayTag(i);
        return all;
    }
    void check()
    {
        QVERIFY2(dialogs.done(), qPrintable(dialogs.report()));
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
        QVERIFY(inStep());
    }
};

} // namespace

class tst_SourceCommands : public QObject
{
    Q_OBJECT

private slots:
    void formatTags_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("tag");
        QTest::newRow("mp4") << "/v/a.MP4" << "MP4";
        QTest::newRow("m2ts") << "/v/b.m2ts" << "M2TS";
        QTest::newRow("mpeg") << "/v/c.mpeg" << "PEG";
        QTest::newRow("ts") << "/v/d.ts" << ".TS";
        QTest::newRow("trailing blanks") << "/v/e.vob  " << "VOB";
        QTest::newRow("short") << "ab" << "AB";
    }
    void formatTags()
    {
        QFETCH(QString, path);
        QFETCH(QString, tag);
        QCOMPARE(FormatTag(path), tag);
    }

    void addaFileAndCancel()
    {
        Fixture f;
        f.dialogs.answerOpen("/v/a.m2ts");
        f.dialogs.answerOpen("/v/a.m2ts");
        f.dialogs.answerOpen(std::nullopt);
        f.commands.chooseFiles();
        f.commands.chooseFiles();
        QCOMPARE(f.commands.hint().shown, false);
        f.commands.chooseFiles(); // cancelled
        QCOMPARE(f.queue.pending(), QStringList({"/v/a.m2ts", "/v/a.m2ts"}));
        QCOMPARE(f.tags(), QStringList({"M2TS", "M2TS"}));
        QCOMPARE(f.dialogs.openRequests.at(0).title, QString("Open Files"));
        f.check();
    }

    void addaFolderAppendsAfterTheQueue()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("one.mp4")));
        QVERIFY(writeFile(dir.filePath("sub/two.VOB")));
        QVERIFY(writeFile(dir.filePath("sub/three.mp4")));
        Fixture f;
        f.queue.addEntry("/first.avi");
        f.queue.addEntry("/second.avi");
        f.dialogs.answerFolder(dir.path());
        f.dialogs.answerFolder(std::nullopt);
        f.commands.chooseFolder();
        QCOMPARE(f.queue.allEntries(),
                 QStringList({"/first.avi", "/second.avi", dir.filePath("one.mp4"), dir.filePath("sub/two.VOB")}));
        QCOMPARE(f.dialogs.folderPrompts.at(0), QString("Select a folder:"));
        f.commands.chooseFolder(); // cancelled: unchanged, label hidden
        QCOMPARE(f.queue.displayCount(), 4);
        QCOMPARE(f.commands.hint().captionShown, false);
        QCOMPARE(f.commands.hint().shown, false);
        f.check();
    }

    void emptyFolderOnEmptyQueueKeepsTheHint()
    {
        QTemporaryDir dir;
        Fixture f;
        f.dialogs.answerFolder(dir.path());
        f.commands.chooseFolder();
        QCOMPARE(f.commands.hint(), (QueueHint{true, false, "Drop Your Video Files Here"}));
        f.check();
    }

    void removalsKeepTheListsInStep()
    {
        Fixture f;
        for (const char* p : {"/a.mp4", "/b.mp4", "/c.mp4"})
            f.queue.addEntry(p);
        f.commands.removeSelected(-1);
        QCOMPARE(f.queue.displayCount(), 3);
        f.commands.removeSelected(1);
        QCOMPARE(f.queue.allEntries(), QStringList({"/a.mp4", "/c.mp4"}));
        f.check();
        f.commands.removeAll();
        QCOMPARE(f.queue.displayCount(), 0);
        QVERIFY(f.commands.hint().shown);
        f.commands.removeSelected(0); // empty: nothing, the hint shows
        QVERIFY(f.commands.hint().shown);
        f.check();
    }

    // While a batch runs the lists have lost the files converted so far; a
    // removal must take the same file out of the master list, not a neighbour.
    void removalDuringABatchTakesTheSameFile()
    {
        Fixture f;
        for (const char* p : {"/a.mp4", "/b.mp4", "/c.mp4", "/d.mp4"})
            f.queue.addEntry(p);
        f.queue.removeRunFront(); // a.mp4 converted
        f.queue.removeAt(1);      // the row showing c.mp4
        QCOMPARE(f.queue.pending(), QStringList({"/b.mp4", "/d.mp4"}));
        QCOMPARE(f.queue.allEntries(), QStringList({"/a.mp4", "/b.mp4", "/d.mp4"}));
        f.queue.restoreFromMaster();
        QVERIFY(f.inStep());
    }

    void queueLimitSaysSoOnce()
    {
        QTemporaryDir dir;
        for (int i = 0; i < 5; ++i)
            QVERIFY(writeFile(dir.filePath(QString("f%1.mp4").arg(i))));
        Fixture f;
        for (int i = 0; i < Queue::kMaxEntries - 2; ++i)
            f.queue.allEntries().append(QString("/q/%1.mp4").arg(i));
        f.queue.restoreFromMaster();
        f.dialogs.answerFolder(dir.path());
        f.messages.expect("The queue is full: it holds at most 32767 files. 3 files were not added.",
                          "Tarnwick", MessageIcon::Exclamation);
        f.commands.chooseFolder();
        QCOMPARE(f.queue.displayCount(), Queue::kMaxEntries);
        f.messages.expect("The queue is full: it holds at most 32767 files. 1 file was not added.",
                          "Tarnwick", MessageIcon::Exclamation);
        const auto drop = localFilesMime({"/x.mp4"});
        f.commands.handleDrop(drop.get());
        f.check();
    }

    // A dropped folder is searched as "Add a Folder" searches it, its files
    // in its place among the other dropped paths.
    void droppedFolderIsSearchedInPlace()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("holiday");
        QVERIFY(writeFile(folder + "/beach.mp4"));
        QVERIFY(writeFile(folder + "/disc/VIDEO_TS/VTS_01_1.VOB"));
        QVERIFY(writeFile(folder + "/disc/notes.txt")); // below the folder only title files count
        const QString before = dir.filePath("before.mkv");
        const QString after = dir.filePath("after.avi");
        QVERIFY(writeFile(before) && writeFile(after));
        Fixture f;
        const auto files = localFilesMime({before, folder, after});
        QVERIFY(f.commands.handleDrop(files.get()));
        QCOMPARE(f.queue.pending(),
                 QStringList({before, folder + "/beach.mp4", folder + "/disc/VIDEO_TS/VTS_01_1.VOB", after}));
        QCOMPARE(f.tags(), QStringList({"MKV", "MP4", "VOB", "AVI"}));
        f.check();
    }

    void dropsQueueLocalPathsWithThreeCharacterTags()
    {
        QTemporaryDir dir; // an empty folder gives nothing
        Fixture f;
        const auto files = localFilesMime({"/v/a.mp4", "/v/b.m2ts", dir.path()});
        QVERIFY(f.commands.handleDrop(files.get()));
        QCOMPARE(f.queue.pending(), QStringList({"/v/a.mp4", "/v/b.m2ts"}));
        QCOMPARE(f.tags(), QStringList({"MP4", "2TS"}));
        QMimeData text;
        text.setText("/v/c.mp4");
        QVERIFY(!f.commands.handleDrop(&text));
        QMimeData remote;
        remote.setUrls({QUrl("https://example.org/d.mp4")});
        QVERIFY(!f.commands.handleDrop(&remote));
        QCOMPARE(f.queue.displayCount(), 2);
        f.check();
    }

    void dropZoneDialogUsesTheFullTag()
    {
        Fixture f;
        f.dialogs.answerOpen("/v/b.m2ts");
        f.dialogs.answerOpen(std::nullopt);
        f.commands.pickDropZoneFile();
        f.commands.pickDropZoneFile();
        QCOMPARE(f.tags(), QStringList{"M2TS"});
        QCOMPARE(f.dialogs.openRequests.at(1).initialFolder, QString("/program"));
        f.check();
    }

    void readDiscOnANonOpticalDrive()
    {
        Fixture f;
        f.queue.addEntry("/a.mp4");
        f.messages.expect("Please select a DVD Drive", "DVD", MessageIcon::None);
        f.commands.readDisc("/");
        QCOMPARE(f.queue.displayCount(), 0);
        QVERIFY(f.commands.hint().shown);
        f.check();
    }

    // A real DVD authored by dvdauthor and a Blu-ray stream folder of
    // FFmpeg-written M2TS files, on a volume the drive seam calls optical.
    void readDiscTakesDvdThenBlurayTitles()
    {
        QTemporaryDir dir;
        const QString clip = dir.filePath("clip.mpg");
        QVERIFY(runTool(TARNWICK_FFMPEG, {"-nostdin", "-v", "error", "-f", "lavfi", "-i",
                                          "testsrc=size=720x480:rate=30000/1001:duration=1", "-f", "lavfi",
                                          "-i", "sine=duration=1", "-target", "ntsc-dvd", clip}));
        const QString disc = dir.filePath("disc");
        qputenv("VIDEO_FORMAT", "NTSC");
        QString log;
        QVERIFY2(runTool("dvdauthor", {"-o", disc, "-t", clip}, &log), qPrintable(log));
        QVERIFY2(runTool("dvdauthor", {"-o", disc, "-T"}, &log), qPrintable(log));
        QDir(disc).mkpath("BDMV/STREAM");
        for (const char* name : {"00000.m2ts", "00001.m2ts"}) {
            QVERIFY(runTool(TARNWICK_FFMPEG, {"-nostdin", "-v", "error", "-f", "lavfi", "-i",
                                              "testsrc=duration=1", "-f", "mpegts", "-mpegts_m2ts_mode", "1",
                                              disc + "/BDMV/STREAM/" + name}));
        }
        QStringList expected;
        for (const QString& name : listingOrder(disc + "/VIDEO_TS"))
            if (name.endsWith(".VOB"))
                expected << disc + "/VIDEO_TS/" + name;
        QVERIFY(expected.contains(disc + "/VIDEO_TS/VTS_01_1.VOB"));
        for (const QString& name : listingOrder(disc + "/BDMV/STREAM"))
            expected << disc + "/BDMV/STREAM/" + name;

        Fixture f;
        f.drives.optical = {disc};
        f.queue.addEntry("/before.mp4");
        f.commands.readDisc(disc);
        QCOMPARE(f.queue.pending(), expected);
        f.commands.readDisc(disc); // twice: the same queue, not a doubled one
        QCOMPARE(f.queue.allEntries(), expected);
        QCOMPARE(f.tags().filter("M2TS").size(), 2);
        QCOMPARE(f.commands.hint().captionShown, false);
        f.check();
    }

    void emptyOpticalDriveLeavesTheQueueEmpty()
    {
        QTemporaryDir dir;
        Fixture f;
        f.drives.optical = {dir.path()};
        for (int i = 0; i < 5; ++i)
            f.queue.addEntry(QString("/%1.mp4").arg(i));
        f.commands.readDisc(dir.path());
        QCOMPARE(f.queue.displayCount(), 0);
        QCOMPARE(f.commands.hint(), (QueueHint{true, false, "Drag your Video Here"}));
        f.check();
    }
};

QTEST_GUILESS_MAIN(tst_SourceCommands)
#include "tst_SourceCommands.moc"
