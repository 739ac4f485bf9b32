#include "job/ConversionJob.h"
#include "job/EncoderCommand.h"
#include "job/OutputNames.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick;

namespace {
const QString Q = QStringLiteral("\"");
const QString S = QDir::separator();
} // namespace

class tst_EncoderCommand : public QObject
{
    Q_OBJECT

private slots:
    void conversionTextPerFormat_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("extension");
        QTest::newRow("MP4 MPEG4") << 4 << " -vcodec mpeg4 -vb " << ".mp4";
        QTest::newRow("MP4 H264") << 2 << " -vcodec h264 -vb " << ".mp4";
        QTest::newRow("AVI") << 3 << " -vb " << ".avi";
        QTest::newRow("MOV") << 5 << " -vb " << ".mov";
        QTest::newRow("FLV holds MP4") << 0 << " -f mp4 -vb " << ".flv";
        QTest::newRow("WMV") << 6 << " -vb " << ".wmv";
        QTest::newRow("MPG") << 7 << " -vcodec mpeg1video -vb " << ".mpg";
    }
    void conversionTextPerFormat()
    {
        QFETCH(int, index);
        QFETCH(QString, option);
        QFETCH(QString, extension);
        const OutputFormat* format = formatForIndex(index);
        QVERIFY(format);
        QCOMPARE(format->extension, extension);
        const QString out = "/out/VTS_01_1_1439" + extension;
        const auto command =
            conversionCommand("/tools/conv", "/dvd/VTS_01_1.VOB", index, 5000, {}, out);
        QVERIFY(command);
        // An empty filter leaves two blanks between the bitrate and the output.
        QCOMPARE(command->text(), "/tools/conv" + S + "data" + S + "conv.exe -i " + Q +
                                      "/dvd/VTS_01_1.VOB" + Q + option + "5000k  " + Q + out + Q);
        QCOMPARE(command->arguments().first(), QString("-i"));
        QCOMPARE(command->arguments().last(), out);
    }

    void indexesWithoutCommand()
    {
        for (int index : {-1, 1, 8, 15})
            QVERIFY(!conversionCommand("/p", "/a.vob", index, 5000, {}, "/o.mp4"));
    }

    void filterAndBitrate()
    {
        const auto turned = conversionCommand("/p", "/in.vob", 2, 750, RotationFilters{{"transpose=1"}}, "/o.mp4");
        QVERIFY(turned->text().endsWith(" -vcodec h264 -vb 750k -vf \"transpose=1\" \"/o.mp4\""));
        QCOMPARE(turned->arguments(), QStringList({"-i", "/in.vob", "-vcodec", "h264", "-vb", "750k",
                                                   "-vf", "transpose=1", "/o.mp4"}));
        const auto mirrored = conversionCommand("/p", "/in.vob", 3, 750, RotationFilters{{"transpose=2", "vflip"}}, "/o.avi");
        QVERIFY(mirrored->text().endsWith(" -vb 750k -vf transpose=2,vflip \"/o.avi\""));
    }

    // The typed bitrate reaches the encoder as a number: text that is none
    // stands for the format's own rate and can never add options.
    void typedBitrate()
    {
        const QList<QPair<QString, int>> typed{{"750", 750},   {" 750 ", 750}, {"7 50", 0},       {"750k", 0},
                                               {"", 0},        {"0", 0},       {"1000001", 0},   {"-5", 0},
                                               {"500 -y", 0},  {"٧٥٠", 0},     {"1000000", 1000000}};
        for (const auto& [text, kilobits] : typed)
            QCOMPARE(kilobitsFromText(text), kilobits);
    }

    void probeAndRootFolder()
    {
        QCOMPARE(probeCommand("/tools/conv", "/my clips/a b.vob").text(),
                 "/tools/conv" + S + "data" + S + "conv.exe -i " + Q + "/my clips/a b.vob" + Q);
        QCOMPARE(probeCommand("/tools/conv", "/my clips/a b.vob").arguments(),
                 QStringList({"-i", "/my clips/a b.vob"}));
        const QString root = S;
        QCOMPARE(probeCommand(root, "/a.vob").program(), S + S + "data" + S + "conv.exe");
    }

    void fileBaseName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("base");
        QTest::newRow("last dot") << "/v/movie.part1.vob" << "movie.part1";
        QTest::newRow("backslashes") << "D:\\clips\\holiday.vob" << "holiday";
        QTest::newRow("no dot keeps the name") << "/v/clip" << "clip";
        QTest::newRow("dot in folder only") << "/v.d/clip" << "clip";
        QTest::newRow("leading dot kept") << "/v/.hidden" << ".hidden";
        QTest::newRow("empty") << "" << "";
    }
    void fileBaseName()
    {
        QFETCH(QString, path);
        QFETCH(QString, base);
        QCOMPARE(FileBaseName(path), base);
    }

    void outputNameHasTheClockWithoutLeadingZeros_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("name");
        QTest::newRow("9:05:07") << QTime(9, 5, 7) << "/out/holiday_957.mp4";
        QTest::newRow("14:30:15") << QTime(14, 30, 15) << "/out/holiday_143015.mp4";
        QTest::newRow("14:03:09") << QTime(14, 3, 9) << "/out/holiday_1439.mp4";
        QTest::newRow("midnight") << QTime(0, 0, 0) << "/out/holiday_000.mp4";
    }
    void outputNameHasTheClockWithoutLeadingZeros()
    {
        QFETCH(QTime, time);
        QFETCH(QString, name);
        QCOMPARE(outputFilePath("/out/", "/src/holiday.vob", ".mp4", time), name);
    }

    // Names the file system would refuse are cut at the base, whole
    // characters only; the clock and the extension stay.
    void outputNamesFitTheNameLimit_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<int>("kept");
        QTest::newRow("short") << QString("holiday") << 7;
        QTest::newRow("ascii, 250") << QString(250, u'a') << 255 - 11;
        QTest::newRow("two-byte letters") << QString(200, QChar(0xFC)) << (255 - 11) / 2;
        QTest::newRow("four-byte emoji") << QString::fromUtf8("\xF0\x9F\x8E\xAC").repeated(100) << 2 * ((255 - 11) / 4);
    }
    void outputNamesFitTheNameLimit()
    {
        QFETCH(QString, base);
        QFETCH(int, kept);
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        const QString path = availableOutputPath(folder, "/src/" + base + ".vob", ".mp4", QTime(14, 30, 15));
        QCOMPARE(path, folder + base.left(kept) + "_143015.mp4");
        QVERIFY(fitsNameLimit(path.mid(folder.size())));
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    }

    void takenNamesGetANumber()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        const QTime t(9, 5, 7);
        const QString first = folder + "clip_957.mp4";
        QCOMPARE(availableOutputPath(folder, "/a/clip.mkv", ".mp4", t), first);
        QVERIFY(QDir().mkdir(first));
        QVERIFY(QFile::link(dir.path() + "/nowhere", folder + "clip_957_2.mp4")); // broken
        QCOMPARE(availableOutputPath(folder, "/a/clip.mkv", ".mp4", t), folder + "clip_957_3.mp4");
        const QString longBase(260, u'x');
        const QString cut = availableOutputPath(folder, longBase, ".mp4", t);
        QVERIFY(QFile(cut).open(QIODevice::WriteOnly));
        const QString next = availableOutputPath(folder, longBase, ".mp4", t);
        QVERIFY(next.endsWith("_957_2.mp4"));
        QVERIFY(fitsNameLimit(next.mid(folder.size())));
    }
};

QTEST_GUILESS_MAIN(tst_EncoderCommand)
#include "tst_EncoderCommand.moc"
