#include "process/ConsoleCommand.h"

#include "support/CommandText.h"

#include <QTest>

using tarnwick::ConsoleCommand;
using tarnwick::test::commandFromText;
using tarnwick::test::splitCommandText;

class tst_ConsoleCommand : public QObject
{
    Q_OBJECT

private slots:
    void splitsLikeWindows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");

        QTest::newRow("blank-separated") << "prog a  b\tc" << QStringList{"prog", "a", "b", "c"};
        QTest::newRow("quotes group and vanish")
            << "prog -i \"D:\\my clips\\a.vob\" x" << QStringList{"prog", "-i", "D:\\my clips\\a.vob", "x"};
        QTest::newRow("quoted program path keeps backslashes")
            << "\"C:\\Program Files\\conv.exe\" -i" << QStringList{"C:\\Program Files\\conv.exe", "-i"};
        QTest::newRow("doubled separator in program") << "C:\\\\data\\conv.exe -i \"a\""
                                                      << QStringList{"C:\\\\data\\conv.exe", "-i", "a"};
        QTest::newRow("filter in quotes") << "p -vf \"transpose=2,transpose=2\""
                                          << QStringList{"p", "-vf", "transpose=2,transpose=2"};
        QTest::newRow("empty quoted word") << "p \"\" b" << QStringList{"p", "", "b"};
        QTest::newRow("backslash before quote escapes it") << "p a\\\"b" << QStringList{"p", "a\"b"};
        QTest::newRow("two backslashes before quote") << "p \"a\\\\\" b" << QStringList{"p", "a\\", "b"};
        QTest::newRow("doubled quote inside quotes") << "p \"a\"\"b\"" << QStringList{"p", "a\"b"};
        QTest::newRow("leading and trailing blanks") << "  p  x  " << QStringList{"p", "x"};
        QTest::newRow("nothing") << "   " << QStringList{};
    }
    void splitsLikeWindows()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QCOMPARE(splitCommandText(text), words);
    }

    void fromTextSeparatesProgram()
    {
        const ConsoleCommand c = commandFromText("/opt/t/data/conv.exe -i \"a b.vob\"");
        QCOMPARE(c.program(), QString("/opt/t/data/conv.exe"));
        QCOMPARE(c.arguments(), QStringList({"-i", "a b.vob"}));
        QCOMPARE(c.text(), QString("/opt/t/data/conv.exe -i \"a b.vob\""));
    }

    // A file name is one literal argument whatever it holds, while the text
    // still shows it between quotes exactly as given.
    void builderKeepsFileNamesLiteral_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("blanks") << "/v/my holiday.vob";
        QTest::newRow("double quote") << "/v/say \"hi\".vob";
        QTest::newRow("leading dash") << "-rf.vob";
        QTest::newRow("backslashes and quote") << "C:\\a\\\"b";
        QTest::newRow("newline") << "/v/two\nlines.mp4";
    }
    void builderKeepsFileNamesLiteral()
    {
        QFETCH(QString, path);
        const ConsoleCommand c = ConsoleCommand::Builder("/p/data/conv.exe")
                                     .blank()
                                     .argument("-i")
                                     .blank()
                                     .quoted(path)
                                     .blank()
                                     .arguments({"-vcodec", "h264", "-vb", "5000k", "-vf"})
                                     .blank()
                                     .quoted("transpose=1")
                                     .blank()
                                     .quoted("/out/x.mp4")
                                     .build();
        QCOMPARE(c.text(), "/p/data/conv.exe -i \"" + path +
                               "\" -vcodec h264 -vb 5000k -vf \"transpose=1\" \"/out/x.mp4\"");
        QCOMPARE(c.program(), QString("/p/data/conv.exe"));
        QCOMPARE(c.arguments(), QStringList({"-i", path, "-vcodec", "h264", "-vb", "5000k", "-vf",
                                             "transpose=1", "/out/x.mp4"}));
    }
};

QTEST_GUILESS_MAIN(tst_ConsoleCommand)
#include "tst_ConsoleCommand.moc"
