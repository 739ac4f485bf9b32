// tarnwick-cli in its user's language, chosen from the environment as a
// terminal sets it, and --json the same in every language.

#include "base/Text.h"
#include "support/TestPaths.h"
#include "translations/Catalogue.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cwchar>

using namespace tarnwick::test;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// `environment`: "NAME=value" pairs; every locale variable not named is unset.
Run runCli(const QString& program, const QStringList& environment, const QStringList& arguments,
           const QString& folder = QString())
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QString::fromLatin1(name));
    for (const QString& pair : environment)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString cli()
{
    return realProgramFolder() + QStringLiteral("/tarnwick-cli");
}

// The locale a user of `language` has: its main country's ("sv" in Sweden,
// "ar" in Egypt), or the one the catalogue names ("pt_BR").
QString localeOf(const QString& language)
{
    return language.contains(u'_') ? language : QLocale(language).name();
}

const QString kUsage = QStringLiteral("Usage: tarnwick-cli [options] SOURCE...");

QString usageIn(const QString& language)
{
    return language.isEmpty() ? kUsage : catalogueOf(language).translate("tarnwick::cli", kUsage);
}

// How many columns a terminal gives a text, as the C library counts them;
// -1 for a character it cannot show.
int cLibraryColumns(const QString& text)
{
    const std::wstring wide = text.toStdWString();
    return ::wcswidth(wide.c_str(), wide.size());
}

} // namespace

class tst_translatedCli : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(std::setlocale(LC_CTYPE, "C.UTF-8"));
    }

    // Which language a start picks, variable by variable, in gettext's
    // order: LANGUAGE (a list), then LC_ALL, LC_MESSAGES, LANG; C means
    // the program's own English.
    void languageFromEnvironment_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("language"); // empty: English
        QTest::newRow("nothing set") << QStringList{} << "";
        QTest::newRow("C") << QStringList{"LANG=C"} << "";
        QTest::newRow("en_US") << QStringList{"LANG=en_US.UTF-8"} << "";
        for (const QString& language : shippedLanguages()) {
            const QString locale = localeOf(language);
            QTest::newRow(qPrintable("LANG " + locale))
                << QStringList{"LANG=" + locale + ".UTF-8"} << language;
        }
        QTest::newRow("ja_JP") << QStringList{"LANG=ja_JP.UTF-8"} << "ja";
        QTest::newRow("LC_ALL over LANG")
            << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=it_IT.UTF-8"} << "it";
        QTest::newRow("LC_ALL=C over LANG")
            << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=C.UTF-8"} << "";
        QTest::newRow("LC_MESSAGES over LANG")
            << QStringList{"LANG=en_US.UTF-8", "LC_MESSAGES=es_ES.UTF-8"} << "es";
        QTest::newRow("LANGUAGE first")
            << QStringList{"LANG=fr_FR.UTF-8", "LANGUAGE=ru:de"} << "ru";
        QTest::newRow("LANGUAGE skips a missing one")
            << QStringList{"LANG=fr_FR.UTF-8", "LANGUAGE=eu:de"} << "de";
        QTest::newRow("LANGUAGE English first")
            << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=en:de"} << "";
        QTest::newRow("LANGUAGE under C") << QStringList{"LANG=C", "LANGUAGE=de"} << "";
        QTest::newRow("no catalogue: English") << QStringList{"LANG=pt_PT.UTF-8"} << "";
        // Traditional Chinese of Hong Kong: not the Simplified catalogue.
        QTest::newRow("zh_HK: English") << QStringList{"LANG=zh_HK.UTF-8"} << "";
        QTest::newRow("Traditional Chinese") << QStringList{"LANG=zh_TW.UTF-8"} << "zh_TW";
    }
    void languageFromEnvironment()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, language);
        const Run run = runCli(cli(), environment, {"--help"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.section(u'\n', 0, 0), usageIn(language));
    }

    // The columns a terminal gives a text, which the help's format list is
    // wrapped by.
    void terminalColumns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::newRow("Latin") << "mp4 (default)," << 14;
        QTest::newRow("ideographs, full-width brackets") << QString::fromUtf8("mp4（預設）") << 11;
        QTest::newRow("Hangul") << QString::fromUtf8("mp4(기본값)") << 11;
        QTest::newRow("Thai marks take none") << QString::fromUtf8("ค่าเริ่มต้น") << 7;
        QTest::newRow("Persian joiner takes none") << QString::fromUtf8("پیش‌فرض") << 6;
        QTest::newRow("beyond the first plane") << QString::fromUtf8("\U00020000a") << 3;
        QTest::newRow("empty") << QString() << 0;
    }
    void terminalColumns()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QCOMPARE(tarnwick::terminalColumns(text), columns);
    }

    void formatListFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("C") << "";
        for (const QString& language : shippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }
    // The format list under --format, "(default)" in the user's language
    // after the first, within 78 columns of the terminal in every language.
    void formatListFits()
    {
        QFETCH(QString, language);
        const QString locale = language.isEmpty()        ? QStringLiteral("C")
                               : language.contains(u'_') ? language
                                                         : language + u'_' + language.toUpper();
        const Run help = runCli(cli(), {"LANG=" + locale + ".UTF-8"}, {"--help"});
        QCOMPARE(help.status, 0);
        const QStringList lines = help.out.split(u'\n');
        const QString first = (language.isEmpty() ? Catalogue{} : catalogueOf(language))
                                  .translate("tarnwick::cli", "%1 (default)")
                                  .arg("mp4");
        qsizetype at = 0;
        while (at < lines.size() && !lines[at].trimmed().startsWith(first + u','))
            ++at;
        QVERIFY2(at < lines.size(), qPrintable(help.out));
        for (; at < lines.size() && lines[at].startsWith(QString(25, u' ')); ++at)
            QVERIFY2(tarnwick::terminalColumns(lines[at]) <= 78, qPrintable(lines[at]));
    }

    void listFormatsAligned_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C";
        QTest::newRow("zh_CN") << "zh_CN.UTF-8";
        QTest::newRow("zh_TW") << "zh_TW.UTF-8";
        QTest::newRow("ja") << "ja_JP.UTF-8";
        QTest::newRow("ko") << "ko_KR.UTF-8";
        QTest::newRow("th, marks above and below") << "th_TH.UTF-8";
        QTest::newRow("ar") << "ar_EG.UTF-8";
    }
    // --list-formats on a terminal: the bitrates start in one column on
    // every line, a Chinese character taking two columns and a Thai vowel
    // mark none.
    void listFormatsAligned()
    {
        QFETCH(QString, locale);
        const Run run = runCli(cli(), {"LANG=" + locale}, {"--list-formats"});
        QCOMPARE(run.status, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() >= 7);
        QMap<int, QStringList> byColumn;
        for (const QString& line : lines) {
            const int column = cLibraryColumns(line.left(line.lastIndexOf(u' ') + 1));
            QVERIFY2(column > 0, qPrintable(line));
            byColumn[column] << line;
        }
        QVERIFY2(byColumn.size() == 1, qPrintable(run.out));
    }

    void helpAndUsageError_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"fr", "pl", "ko", "ar"})
            QTest::newRow(language) << language;
    }
    // The whole help and a usage error in the user's language: the
    // program's paragraphs from its catalogue, Qt's own parser message from Qt's.
    void helpAndUsageError()
    {
        QFETCH(QString, language);
        if (!shippedLanguages().contains(language))
            QSKIP("no catalogue of this language in translations/ yet");
        const Catalogue catalogue = catalogueOf(language);
        const QStringList environment{"LANG=" + localeOf(language) + ".UTF-8"};
        const Run help = runCli(cli(), environment, {"--help"});
        QCOMPARE(help.status, 0);
        int paragraphs = 0;
        for (const CatalogueEntry& entry : catalogue.entries) {
            if (entry.context == u"tarnwick::cli" && entry.source.count(u'\n') >= 1) {
                // The format list fills its one placeholder: each side of it is there.
                for (const QString& part : entry.translations.value(0).split(QStringLiteral("%1")))
                    QVERIFY2(help.out.contains(part), qPrintable(entry.source));
                ++paragraphs;
            }
        }
        QCOMPARE(paragraphs, 7);
        QVERIFY2(!help.out.contains("Options:\n"), qPrintable(help.out));

        const Run badFormat = runCli(cli(), environment, {"-f", "divx", "clip.mp4"});
        QCOMPARE(badFormat.status, 2);
        const QString unknown =
            catalogue.translate("tarnwick::cli", "unknown format '%1' (one of: %2)")
                .arg("divx", "mp4, mp4-h264, avi, mov, flv, wmv, mpg, mp4-h265, mp4-av1, webm-av1, webm-vp9, "
                             "mkv-h264, copy");
        QCOMPARE(badFormat.err,
                 "tarnwick-cli: " + unknown + u'\n' + usageIn(language) + u'\n' +
                     catalogue.translate("tarnwick::cli", "Try 'tarnwick-cli --help' for more.") + u'\n');

        const Run badOption = runCli(cli(), environment, {"--colour", "clip.mp4"});
        QCOMPARE(badOption.status, 2);
        const QString parserSays = badOption.err.section(u'\n', 0, 0);
        QVERIFY2(parserSays.startsWith("tarnwick-cli: ") && parserSays.contains("colour") &&
                     !parserSays.contains("Unknown option"),
                 qPrintable(badOption.err));
    }

    // A batch whose encoder fails without a word fails each file with the
    // program's own reason: in the user's language on the terminal, and in
    // --json the same bytes in every language (the batch's duration aside).
    void jsonIsTheSameInEveryLanguage()
    {
        // A program folder of its own, with the catalogues and an encoder
        // that prints nothing and fails.
        const QString program = m_dir.filePath("program");
        QVERIFY(QDir().mkpath(program + "/data"));
        QVERIFY(QFile::copy(cli(), program + "/tarnwick-cli"));
        QFile encoder(program + "/data/conv.exe");
        QVERIFY(encoder.open(QIODevice::WriteOnly) && encoder.write("#!/bin/sh\nexit 1\n") > 0);
        encoder.close();
        QVERIFY(encoder.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(QFile::link(realProgramFolder() + "/translations", program + "/translations"));
        QFile clip(m_dir.filePath("clip.mp4"));
        QVERIFY(clip.open(QIODevice::WriteOnly));
        clip.close();
        const QStringList arguments{"--json", "-o", m_dir.filePath("out"), clip.fileName()};

        const auto events = [&](const QStringList& environment) {
            Run run = runCli(program + "/tarnwick-cli", environment, arguments, m_dir.path());
            run.out.replace(QRegularExpression("\"seconds\":[0-9.]+"), "\"seconds\":0");
            return run;
        };
        const Run english = events({"LANG=C"});
        QCOMPARE(english.status, 1);
        QVERIFY2(english.out.contains("\"error\":\"the encoder printed nothing\""),
                 qPrintable(english.out));
        for (const QString& language : shippedLanguages()) {
            const Run run = events({"LANG=" + localeOf(language) + ".UTF-8"});
            QCOMPARE(run.status, 1);
            QCOMPARE(run.out, english.out);
        }

        const Run german =
            runCli(program + "/tarnwick-cli", {"LANG=de_DE.UTF-8"}, arguments.mid(1), m_dir.path());
        QCOMPARE(german.status, 1);
        const Catalogue de = catalogueOf("de");
        const QString reason = de.translate("tarnwick::Converter", "the encoder printed nothing");
        QVERIFY2(reason != "the encoder printed nothing" &&
                     german.err.contains(clip.fileName() + ": " + reason),
                 qPrintable(german.err));
        QVERIFY2(german.out.contains(
                     de.translate("tarnwick::cli", "failed %1: %2").arg(clip.fileName(), reason)),
                 qPrintable(german.out));
    }
};

QTEST_GUILESS_MAIN(tst_translatedCli)
#include "tst_translatedCli.moc"
