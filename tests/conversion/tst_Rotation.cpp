#include "conversion/Rotation.h"
#include "conversion/EncoderCommand.h"
#include "process/DOSOutputs.h"

#include "support/ScriptedMessages.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarnwick;

namespace {
const QString kKey = QStringLiteral("rotate          : ");
QString quotedFilter(const QString& x)
{
    return "-vf \"" + x + "\"";
}
const QStringList kChoices{"90 Degree Clockwise", "90 Degree Anticlockwise", "Vertical Mirror",
                           "Horizontal Mirror", "180 Degree", "None"};
} // namespace

class tst_Rotation : public QObject
{
    Q_OBJECT

private slots:
    void choicesAndBaseTable()
    {
        Rotation r;
        QCOMPARE(r.cmbRotate.entries(), kChoices);
        const QStringList expected{quotedFilter("transpose=1"), quotedFilter("transpose=2"),
                                   "-vf vflip", "-vf hflip",
                                   quotedFilter("transpose=2,transpose=2"), QString()};
        for (int choice = 0; choice < 6; ++choice) {
            r.cmbRotate.select(choice); // raises cmbRotate_Click
            QCOMPARE(r.RotateFilter(), expected.at(choice));
        }
        r.setRotateFilter("kept");
        r.cmbRotate.select(-1);
        QCOMPARE(r.RotateFilter(), QString("kept"));
    }

    // Every cell of the declared-rotation table, through a probe's scan and completion.
    void declaredRotationTable_data()
    {
        QTest::addColumn<QString>("declared");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("90") << "90"
            << QStringList{"", quotedFilter("transpose=2,transpose=2"), "-vf transpose=2,vflip",
                           "-vf transpose=2,hflip", quotedFilter("transpose=1"), quotedFilter("transpose=2")};
        QTest::newRow("180") << "180"
            << QStringList{quotedFilter("transpose=2"), quotedFilter("transpose=1"),
                           "-vf transpose=2,transpose=2,vflip", "-vf transpose=2,transpose=2,hflip", "",
                           quotedFilter("transpose=2,transpose=2")};
        QTest::newRow("270") << "270"
            << QStringList{quotedFilter("transpose=2,transpose=2"), "", "-vf transpose=1,vflip",
                           "-vf transpose=1,hflip", quotedFilter("transpose=2"), quotedFilter("transpose=1")};
    }
    void declaredRotationTable()
    {
        QFETCH(QString, declared);
        QFETCH(QStringList, filters);
        for (int choice = 0; choice < 6; ++choice) {
            Rotation r;
            r.cmbRotate.select(choice);
            r.startJob();
            r.objffmpeg_ReceiveOutputs("  Metadata:\n    " + kKey + declared + "\n  Duration: 00:00:05.00, ");
            QCOMPARE(r.DetectedRotation(), declared);
            r.objffmpeg_CommandOver();
            QCOMPARE(r.RotateFilter(), filters.at(choice));
        }
    }

    void scanTraps_data()
    {
        QTest::addColumn<QString>("chunk");
        QTest::addColumn<QString>("value"); // empty: nothing found
        QTest::newRow("metadata line") << "    " + kKey + "90\r\n" << "90";
        QTest::newRow("270 is not 90 found later") << kKey + "270 and 90" << "270";
        QTest::newRow("0 then 1900 further on") << kKey + "0\n  Duration: 00:00:01.00, bitrate: 1900 kb/s" << "90";
        QTest::newRow("key ending the chunk") << "xx" + kKey << "";
        QTest::newRow("chunk that is the key") << kKey << "";
        QTest::newRow("key with one character after") << kKey + "9" << "";
        QTest::newRow("no value anywhere") << kKey + "0 degrees\n" << "";
        QTest::newRow("first key decides") << kKey + "180\n" + kKey + "90\n" << "180";
        QTest::newRow("key without value, then one with") << kKey + "x" << "";
        QTest::newRow("case matters") << "Rotate          : 90\n" << "";
        QTest::newRow("nine spaces") << "rotate         : 90\n" << "";
    }
    void scanTraps()
    {
        QFETCH(QString, chunk);
        QFETCH(QString, value);
        QCOMPARE(Rotation::scanChunk(chunk).value_or(QString()), value);
    }

    void keySplitAcrossChunksIsNotSeen()
    {
        Rotation r;
        r.cmbRotate.select(5);
        r.startJob();
        r.objffmpeg_ReceiveOutputs("    rotate    ");
        r.objffmpeg_ReceiveOutputs("      : 90\n");
        r.objffmpeg_CommandOver();
        QCOMPARE(r.DetectedRotation(), QString("0"));
        QCOMPARE(r.RotateFilter(), QString());
    }

    void valueFromEarlierChunkStaysAndJobsReset()
    {
        Rotation r;
        r.cmbRotate.select(5);
        r.startJob();
        r.objffmpeg_ReceiveOutputs(kKey + "270\n");
        r.objffmpeg_ReceiveOutputs("nothing here at all, just text\n");
        QCOMPARE(r.DetectedRotation(), QString("270"));
        r.objffmpeg_CommandOver();
        QCOMPARE(r.RotateFilter(), quotedFilter("transpose=1"));
        r.startJob(); // the next file declares nothing
        r.objffmpeg_CommandOver();
        QCOMPARE(r.DetectedRotation(), QString("0"));
        QCOMPARE(r.RotateFilter(), QString());
    }

    void scanLetsEventsRun()
    {
        int yields = 0;
        Rotation r([&] { ++yields; });
        r.objffmpeg_ReceiveOutputs(QString(100, u'x'));
        QVERIFY(yields >= 80);
    }

    // The completion uses the choice at its own moment, and the probe runs
    // through the real runner against the stand-in encoder.
    void choiceChangedDuringTheProbe()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath("turned clip.mp4");
        QFile script(source);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#standin\nrotate 90\n");
        script.close();

        test::ScriptedMessages messages;
        DOSOutputs objffmpeg(messages);
        Rotation r([] { QCoreApplication::processEvents(); });
        connect(&objffmpeg, &DOSOutputs::ReceiveOutputs, this,
                [&](const QString& s) { r.objffmpeg_ReceiveOutputs(s); });
        connect(&objffmpeg, &DOSOutputs::CommandOver, this, [&] { r.objffmpeg_CommandOver(); });
        r.cmbRotate.select(5);
        r.startJob();
        QTimer::singleShot(0, this, [&] { r.cmbRotate.select(4); });
        objffmpeg.ExecuteCommand(probeCommand(test::standinProgramFolder(), source));
        QCOMPARE(r.DetectedRotation(), QString("90"));
        QCOMPARE(r.RotateFilter(), quotedFilter("transpose=1"));
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
    }
};

QTEST_GUILESS_MAIN(tst_Rotation)
#include "tst_Rotation.moc"
