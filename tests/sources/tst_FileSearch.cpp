#include "platform/Drives.h"
#include "sources/FileSearch.h"

#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace tarnwick;
using namespace tarnwick::test;

class tst_FileSearch : public QObject
{
    Q_OBJECT

private slots:
    // The folder's own files of any type in listing order, then title files
    // only from below it, hidden ones included, no dot needed.
    void folderThenTitleFilesBelow()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        for (const char* name : {"a.mp4", "notes.txt", ".hidden.avi", "MOVIEVOB"})
            QVERIFY(writeFile(root + "/" + name));
        for (const char* name : {"s/c.VOB", "s/d.mp4", "s/e.m2ts", "s/.x.vob", "s/deeper/f.VOB"})
            QVERIFY(writeFile(root + "/" + name));

        QStringList own;
        for (const QString& name : listingOrder(root))
            if (name != "s")
                own << root + "/" + name;
        QStringList below;
        for (const QString& name : listingOrder(root + "/s"))
            if (name != "deeper" && name != "d.mp4")
                below << root + "/s/" + name;
        below << root + "/s/deeper/f.VOB";

        QStringList found{"kept"};
        FileSearch::SearchFolder(root, found);
        QCOMPARE(found, QStringList{"kept"} + own + below);

        QStringList titles;
        FileSearch::SearchTitleFiles(root, titles);
        QCOMPARE(titles, QStringList{root + "/MOVIEVOB"} + below);
    }

    void atMost200SubfoldersPerFolder()
    {
        QTemporaryDir dir;
        for (int i = 0; i < 250; ++i)
            QVERIFY(writeFile(dir.filePath(QString("d%1/t.vob").arg(i))));
        const QStringList order = listingOrder(dir.path());
        QStringList expected;
        for (int i = 0; i < 200; ++i)
            expected << dir.path() + "/" + order.at(i) + "/t.vob";
        QStringList found;
        FileSearch::SearchTitleFiles(dir.path(), found);
        QCOMPARE(found, expected);
    }

    void symbolicLinksToFoldersAreNotFollowed()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("a/t.vob")));
        QVERIFY(QFile::link(dir.path(), dir.filePath("a/loop")));        // a loop
        QVERIFY(QFile::link(dir.filePath("a"), dir.filePath("again")));  // the same folder twice
        QVERIFY(QFile::link(dir.filePath("a/t.vob"), dir.filePath("link.vob"))); // a file link is a file
        QStringList found;
        FileSearch::SearchTitleFiles(dir.path(), found);
        found.sort();
        QCOMPARE(found, QStringList({dir.filePath("a/t.vob"), dir.filePath("link.vob")}));
    }

    // A name that is not UTF-8 cannot be listed by name: counted, so that
    // the user hears of it, only where the search would have taken it.
    void namesThatAreNotUtf8AreCounted()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("sub"));
        const QByteArray root = QFile::encodeName(dir.path());
        const QList<QByteArray> odd{root + "/caf\xe9.mp4", root + "/sub/t\xff.VOB", root + "/sub/n\xff.txt"};
        for (const QByteArray& name : odd) {
            FILE* file = std::fopen(name.constData(), "w");
            QVERIFY(file && std::fclose(file) == 0);
        }
        QVERIFY(writeFile(dir.filePath("fine.mp4")));
        QStringList found;
        qsizetype unnamed = 0;
        FileSearch::SearchFolder(dir.path(), found, &unnamed);
        QCOMPARE(found, QStringList{dir.filePath("fine.mp4")});
        QCOMPARE(unnamed, qsizetype(2)); // the .txt below would not be taken anyway
        for (const QByteArray& name : odd)
            QCOMPARE(std::remove(name.constData()), 0);
    }

    void missingFolderAddsNothing()
    {
        QStringList found;
        FileSearch::SearchFolder("/nonexistent/tarnwick", found);
        QVERIFY(found.isEmpty());
    }

    void discFoldersWhateverTheirCase()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath("video_ts");
        QDir(dir.path()).mkpath("Bdmv/stream");
        QCOMPARE(findDiscFolder(dir.path(), {"VIDEO_TS"}), dir.filePath("video_ts"));
        QCOMPARE(findDiscFolder(dir.path(), {"BDMV", "STREAM"}), dir.filePath("Bdmv/stream"));
        QCOMPARE(findDiscFolder(dir.path(), {"AUDIO_TS"}), QString());
    }

    void opticalVolumes_data()
    {
        QTest::addColumn<QByteArray>("device");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("optical");
        QTest::newRow("sr0") << QByteArray("/dev/sr0") << QByteArray("iso9660") << true;
        QTest::newRow("cdrom") << QByteArray("/dev/cdrom") << QByteArray("ext4") << true;
        QTest::newRow("udf image") << QByteArray("/dev/loop3") << QByteArray("udf") << true;
        QTest::newRow("disk") << QByteArray("/dev/vda1") << QByteArray("ext4") << false;
        QTest::newRow("stick") << QByteArray("/dev/sdb1") << QByteArray("vfat") << false;
    }
    void opticalVolumes()
    {
        QFETCH(QByteArray, device);
        QFETCH(QByteArray, type);
        QFETCH(bool, optical);
        QCOMPARE(StorageDrives::isOpticalVolume(device, type), optical);
    }
};

QTEST_GUILESS_MAIN(tst_FileSearch)
#include "tst_FileSearch.moc"
