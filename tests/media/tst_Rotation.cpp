#include "engine/Converter.h"
#include "media/Rotation.h"
#include "job/EncoderCommand.h"
#include "process/ProcessRunner.h"

#include "support/ScriptedMessages.h"
#include "support/TestFiles.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tarnwick;

namespace {
// What the converter's probe reads of a source, as a dry run's first step.
ProbeResult probeOf(Converter& converter, const QString& source)
{
    RunSettings plan;
    plan.planOnly = true;
    plan.outputFolder = QDir::tempPath();
    plan.format = &outputFormats().first();
    OutputNames names;
    QSignalSpy ended(&converter, &Converter::finished);
    if (converter.start(source, plan, names, realTimeOfDay))
        ended.wait(30000);
    return converter.result().probe;
}

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
        QCOMPARE(r.choices.entries(), kChoices);
        const QStringList expected{quotedFilter("transpose=1"), quotedFilter("transpose=2"),
                                   "-vf vflip", "-vf hflip",
                                   quotedFilter("transpose=2,transpose=2"), QString()};
        for (int choice = 0; choice < 6; ++choice)
            QCOMPARE(Rotation::filterFor(choice, "0"), expected.at(choice));
        QCOMPARE(Rotation::filterFor(-1, "0"), QString());
        QCOMPARE(Rotation::filterFor(6, "90"), QString());
    }

    // Every cell of the declared-rotation table, through a probe's scan.
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
        RotationScan scan;
        scan.feed("  Metadata:\n    " + kKey + declared + "\n  Duration: 00:00:05.00, ");
        QCOMPARE(scan.declared, declared);
        for (int choice = 0; choice < 6; ++choice)
            QCOMPARE(Rotation::filterFor(choice, scan.declared), filters.at(choice));
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
        RotationScan scan;
        scan.feed("    rotate    ");
        scan.feed("      : 90\n");
        QCOMPARE(scan.declared, QString("0"));
    }

    void valueFromEarlierChunkStays()
    {
        RotationScan scan;
        scan.feed(kKey + "270\n");
        scan.feed("nothing here at all, just text\n");
        QCOMPARE(scan.declared, QString("270"));
        QCOMPARE(Rotation::filterFor(int(RotationChoice::None), scan.declared), quotedFilter("transpose=1"));
    }

    // The probe through the real runner against the stand-in encoder gives
    // back what the description declares, as a value; one file's finding
    // does not carry over to the next.
    void probeGivesBackRotationAndLength()
    {
        QTemporaryDir dir;
        const QString turned = dir.filePath("turned clip.mp4");
        const QString plain = dir.filePath("plain.mp4");
        QVERIFY(test::writeFile(turned, "#standin\nrotate 90\nduration 00:01:05.00\n"));
        QVERIFY(test::writeFile(plain, "#standin\n"));
        test::ScriptedMessages messages;
        Converter converter(messages, test::standinProgramFolder());
        const ProbeResult first = probeOf(converter, turned);
        QVERIFY(first.ran);
        QCOMPARE(first.declaredRotation, QString("90"));
        QCOMPARE(first.lengthSeconds, 65);
        const ProbeResult second = probeOf(converter, plain);
        QCOMPARE(second.declaredRotation, QString("0"));
        QCOMPARE(second.lengthSeconds, 2);
        QVERIFY2(messages.done(), qPrintable(messages.problems()));
    }
};

QTEST_GUILESS_MAIN(tst_Rotation)
#include "tst_Rotation.moc"
