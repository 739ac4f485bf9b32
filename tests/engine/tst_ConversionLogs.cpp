#include "engine/ConversionLogs.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;

class tst_ConversionLogs : public QObject
{
    Q_OBJECT

private slots:
    void aLogHoldsTheRunAndKeepsItsEnds()
    {
        QTemporaryDir dir;
        ConversionLogs logs(dir.filePath("logs"));
        const QDateTime start(QDate(2026, 12, 9), QTime(10, 0, 0));
        LogRecord record{"/v/clip.mp4", "/out/clip_1000.mp4", "conv.exe -i \"/v/clip.mp4\"",
                         "conv.exe -i \"/v/clip.mp4\" -vb 5000k \"/out/clip_1000.mp4\"", "  Duration: 00:00:02.00,",
                         "HEAD" + QString(3 * 1024 * 1024, u'x') + "TAIL", start, start.addSecs(5), "converted",
                         {"-pix_fmt yuv420p: why"}, {"no pictures in 1 of 3 windows"}};
        const QString path = logs.write(record);
        QCOMPARE(path, dir.filePath("logs/clip_1000.mp4.log"));
        QCOMPARE(logs.write(record), dir.filePath("logs/clip_1000.mp4_2.log")); // never over another
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.size() <= ConversionLogs::kMaxBytes);
        QVERIFY(text.startsWith("source:     /v/clip.mp4\noutput:     /out/clip_1000.mp4\n"
                                "started:    2026-12-09T10:00:00.000\nended:      2026-12-09T10:00:05.000\n"
                                "outcome:    converted\nadded:      -pix_fmt yuv420p: why\n"
                                "not looked at: no pictures in 1 of 3 windows\n\n$ conv.exe -i \"/v/clip.mp4\"\n  Duration: 00:00:02.00,\n$ "));
        QVERIFY(text.contains(" bytes were cut ...]"));
        QVERIFY(text.endsWith("TAIL"));
        QCOMPARE(ConversionLogs::capped("short", 100), QByteArray("short"));
    }

    void theFolderKeepsTheNewestAndNothingOld()
    {
        QTemporaryDir dir;
        ConversionLogs logs(dir.path());
        const QDateTime now = QDateTime::currentDateTime();
        // 510 logs a minute apart, and one from 31 days ago.
        for (int i = 0; i < 510; ++i) {
            const QString path = dir.filePath(QString("n%1.log").arg(i, 3, 10, QLatin1Char('0')));
            QVERIFY(test::writeFile(path));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(now.addSecs(-60 * i), QFileDevice::FileModificationTime));
        }
        const QString old = dir.filePath("old.log");
        QVERIFY(test::writeFile(old));
        {
            QFile f(old);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(now.addDays(-31), QFileDevice::FileModificationTime));
        }
        QVERIFY(test::writeFile(dir.filePath("notes.txt"))); // not a log: left alone
        logs.prune(now);
        const QStringList kept = QDir(dir.path()).entryList({"*.log"}, QDir::Files, QDir::Name);
        QCOMPARE(kept.size(), ConversionLogs::kMaxLogs);
        QCOMPARE(kept.first(), QString("n000.log"));
        QCOMPARE(kept.last(), QString("n499.log"));
        QVERIFY(QFile::exists(dir.filePath("notes.txt")));
    }
};

QTEST_GUILESS_MAIN(tst_ConversionLogs)
#include "tst_ConversionLogs.moc"
