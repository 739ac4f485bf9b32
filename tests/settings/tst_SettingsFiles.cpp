#include "engine/TemporaryFolder.h"
#include "settings/OptionsEditor.h"
#include "settings/ProgramSettings.h"
#include "settings/SettingsFiles.h"

#include "support/TestFiles.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tarnwick;
using namespace tarnwick::SettingsFiles;

class tst_SettingsFiles : public QObject
{
    Q_OBJECT

private slots:
    // Tarnwick.conf: where it lives, its defaults, and values it cannot
    // trust read as the defaults.
    void programSettings()
    {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        QCOMPARE(ProgramSettings::defaultPath(), dir.filePath("Tarnwick/Tarnwick.conf"));
        qputenv("XDG_CONFIG_HOME", "relative/not/allowed");
        QCOMPARE(ProgramSettings::defaultPath(), QDir::homePath() + "/.config/Tarnwick/Tarnwick.conf");
        qunsetenv("XDG_CONFIG_HOME");

        ProgramSettings settings(dir.filePath("Tarnwick/Tarnwick.conf"));
        QCOMPARE(settings.webOptimized(), false);
        QCOMPARE(settings.hdrToSdr(), false);
        QCOMPARE(settings.conversionsAtOnce(), 1);
        settings.setWebOptimized(true);
        settings.setHdrToSdr(true);
        settings.setConversionsAtOnce(0);
        QCOMPARE(ProgramSettings(settings.path()).webOptimized(), true);
        QCOMPARE(ProgramSettings(settings.path()).hdrToSdr(), true);
        QCOMPARE(ProgramSettings(settings.path()).conversionsAtOnce(), 0);
        QFile file(settings.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[Output]\nHdrToSdr=true\nWebOptimized=true") &&
                     text.contains("[Batch]\nConversionsAtOnce=0"),
                 text.constData());
        for (const QByteArray& bad : {QByteArray("-3"), QByteArray("many")}) {
            test::writeFile(settings.path(), "[Batch]\nConversionsAtOnce=" + bad + "\n");
            QCOMPARE(settings.conversionsAtOnce(), 1);
        }
    }

    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("quoted lines") << QByteArray("\"13\"\r\n\"0\"\r\n\"1\"\r\n\"/a, b\"\r\n\"4\"\r\n")
                                      << QStringList{"13", "0", "1", "/a, b", "4"};
        QTest::newRow("leading blanks") << QByteArray("   \"5\"\r\n  7\r\n") << QStringList{"5", "7"};
        QTest::newRow("commas split plain fields") << QByteArray("1,2\r\n3") << QStringList{"1", "2", "3"};
        QTest::newRow("empty quoted") << QByteArray("\"\"\r\n\"x\"") << QStringList{"", "x"};
        QTest::newRow("unterminated quote") << QByteArray("\"abc") << QStringList{"abc"};
        QTest::newRow("utf-8 folder") << QByteArray("\"/home/z\xc3\xbc/out\"\n") << QStringList{QString::fromUtf8("/home/zü/out")};
        QTest::newRow("quote inside a folder") << QByteArray("\"/v/say \"hi\"/\"\r\n\"4\"\r\n")
                                               << QStringList{"/v/say \"hi\"/", "4"};
        QTest::newRow("one line") << QByteArray("\"2\",\"3\" , \"C:\\out\\\",\"0\"")
                                  << QStringList{"2", "3", "C:\\out\\", "0"};
        QTest::newRow("lf only") << QByteArray("1\n2\n") << QStringList{"1", "2"};
    }
    void readingRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, fields);
        QCOMPARE(readFields(content, 5), fields);
    }

    void numbers()
    {
        QCOMPARE(toInt16("13"), std::optional<qint16>(13));
        QCOMPARE(toInt16("-1"), std::optional<qint16>(-1));
        QCOMPARE(toInt16("2.5"), std::optional<qint16>(2));
        QCOMPARE(toInt16("3.5"), std::optional<qint16>(4));
        QVERIFY(!toInt16("abc"));
        QVERIFY(!toInt16("40000"));
        QCOMPARE(leadingNumber("30abc", 0, 100), std::optional<qint64>(30));
        QCOMPARE(leadingNumber("abc", 0, 100), std::optional<qint64>(0));
        QCOMPARE(leadingNumber("  -2.5", -10, 100), std::optional<qint64>(-2));
        QVERIFY(!leadingNumber("99999999999", 0, 2147483647));
    }

    void setupRoundTrips()
    {
        const QString folder = QString::fromUtf8("/home/zoë/Videos/Out");
        const QByteArray hq = formatSetup({13, 0, 1, folder, 4});
        QCOMPARE(hq, "\"13\"\r\n\"0\"\r\n\"1\"\r\n\"" + folder.toUtf8() + "\"\r\n\"4\"\r\n");
        QCOMPARE(formatSetup({5, -1, 1, "/o", 3}), QByteArray("\"5\"\r\n\"-1\"\r\n\"1\"\r\n\"/o\"\r\n\"3\"\r\n"));
        const ReadSetup read = parseSetup(hq);
        QCOMPARE(read.audioBitrate, std::optional<qint16>(13));
        QCOMPARE(read.sampleRate, std::optional<qint16>(0));
        QCOMPARE(read.outputFolder, std::optional<QString>(folder));
        QCOMPARE(read.internalFormat, std::optional<qint16>(4));
    }

    void badSetupFilesApplyWhatTheyCan()
    {
        const ReadSetup short2 = parseSetup("\"7\"\r\n\"x\"");
        QCOMPARE(short2.audioBitrate, std::optional<qint16>(7));
        QVERIFY(!short2.sampleRate);
        QVERIFY(!short2.outputFolder && !short2.internalFormat);
        const ReadSetup garbage = parseSetup(QByteArray("\xff\xfe\x00\x01garbage,,,\r\n", 15));
        QVERIFY(!garbage.audioBitrate);
        QVERIFY(!parseSetup(QByteArray()).audioBitrate);
    }

    void optionsRoundTrip()
    {
        QCOMPARE(formatOptions({false, {}}), QByteArray("1\r\n0\r\n0\r\n0\r\n"));
        QCOMPARE(formatOptions({true, {true, -5, 90}}), QByteArray("0\r\n1\r\n-5\r\n90\r\n"));
        const ReadOptions read = parseOptions("1\r\n1\r\n30\r\n90\r\n");
        QCOMPARE(read.soundReminder, std::optional<qint16>(1));
        QCOMPARE(read.musicCutter, std::optional<qint16>(1));
        QCOMPARE(read.cutFromSeconds, std::optional<qint32>(30));
        QCOMPARE(read.cutToSeconds, std::optional<qint32>(90));
        const ReadOptions odd = parseOptions("7 apples\r\n");
        QCOMPARE(odd.soundReminder, std::optional<qint16>(7));
        QVERIFY(!odd.cutToSeconds);
    }

    // Settings wait for the disk; the journal and the logs, written for
    // every file, only for the system.
    void writeReplacesTheWholeFile_data()
    {
        QTest::addColumn<Durability>("durability");
        QTest::newRow("settings") << Durability::PowerCut;
        QTest::newRow("journal") << Durability::Crash;
    }
    void writeReplacesTheWholeFile()
    {
        QFETCH(Durability, durability);
        QTemporaryDir dir;
        const QString path = dir.filePath("setup.ini");
        QVERIFY(writeFileAtomically(path, "old and long content\r\n", durability));
        QVERIFY(writeFileAtomically(path, "new\r\n", durability));
        QCOMPARE(readFile(path).value(), QByteArray("new\r\n"));
        QVERIFY(!writeFileAtomically(dir.filePath("missing/setup.ini"), "x", durability));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"setup.ini"}); // no leftovers
    }

    void settingsLiveBesideAWritableProgram()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(settingsFolder("/opt/tarnwick", true), QString("/opt/tarnwick"));
        const QString config = settingsFolder("/usr/lib/tarnwick", false);
        QCOMPARE(config, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
        QVERIFY(QFileInfo(config).isDir());
    }

    void optionChecks_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        QTest::newRow("59 minutes") << int(OptionsEditor::FromM) << "59" << "";
        QTest::newRow("60 minutes") << int(OptionsEditor::FromM) << "60" << QString::fromUtf8("分钟必须小于60|分钟");
        QTest::newRow("59.5 minutes") << int(OptionsEditor::ToM) << "59.5" << QString::fromUtf8("分钟必须小于60|分钟");
        QTest::newRow("60 seconds") << int(OptionsEditor::FromS) << "60" << QString::fromUtf8("秒必须小于60|秒");
        QTest::newRow("59.5 seconds") << int(OptionsEditor::ToS) << "59.5" << QString::fromUtf8("秒必须小于60|秒");
        QTest::newRow("hours unlimited") << int(OptionsEditor::ToH) << "500" << "";
        QTest::newRow("text counts as 0") << int(OptionsEditor::ToS) << "abc" << "";
    }
    void optionChecks()
    {
        QFETCH(int, box);
        QFETCH(QString, value);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        Options record;
        OptionsEditor editor(record);
        editor.cutOn = true;
        editor.boxes[box] = value;
        const auto refused = editor.accept(record, dir.filePath("options.ini"));
        if (refusal.isEmpty()) {
            QVERIFY(!refused);
            QVERIFY(QFile::exists(dir.filePath("options.ini")));
        } else {
            QVERIFY(refused);
            QCOMPARE(refused->text + "|" + refused->title, refusal);
            QCOMPARE(int(refused->box), box);
            QVERIFY(!QFile::exists(dir.filePath("options.ini")));
            QCOMPARE(record, Options{});
        }
    }

    void okStoresTheRecordAndTheFile()
    {
        QTemporaryDir dir;
        Options record{true, {true, 3725, 90}};
        OptionsEditor editor(record);
        QVERIFY(editor.cutOn);
        QCOMPARE(editor.boxes, (std::array<QString, 6>{"1", "2", "5", "0", "1", "30"}));
        editor.beep = false;
        QVERIFY(!editor.accept(record, dir.filePath("options.ini")));
        QCOMPARE(record, (Options{false, {true, 3725, 90}}));

        OptionsEditor zeros(Options{true, {true, 0, 0}}); // all boxes 0: the cutter goes off
        QVERIFY(!zeros.accept(record, dir.filePath("options.ini")));
        QVERIFY(!record.cut.on);
        QCOMPARE(readFile(dir.filePath("options.ini")).value(), QByteArray("0\r\n0\r\n0\r\n0\r\n"));
    }

    void deleteFolderTree()
    {
        QTemporaryDir outside;
        QVERIFY(test::writeFile(outside.filePath("keep.txt")));
        QTemporaryDir dir;
        const QString tree = dir.filePath("tmp");
        QVERIFY(ensureTemporaryFolder(tree));
        QVERIFY(test::writeFile(tree + "/ro.txt"));
        QFile::setPermissions(tree + "/ro.txt", QFile::ReadOwner);
        QVERIFY(test::writeFile(tree + "/.hidden/deep/a.mp4"));
        QFile::setPermissions(tree + "/.hidden/deep", QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(QFile::link(outside.path(), tree + "/link"));
        QVERIFY(DeleteFolderTree(tree));
        QVERIFY(!QFileInfo::exists(tree));
        QVERIFY(QFile::exists(outside.filePath("keep.txt")));

        // A temporary folder that is itself a link is not touched.
        QVERIFY(QFile::link(outside.path(), dir.filePath("linked")));
        QVERIFY(!DeleteFolderTree(dir.filePath("linked")));
        QVERIFY(QFile::exists(outside.filePath("keep.txt")));
        QVERIFY(!ensureTemporaryFolder(dir.filePath("linked")));
    }
};

QTEST_GUILESS_MAIN(tst_SettingsFiles)
#include "tst_SettingsFiles.moc"
