// tarnwick-cli's three ways of telling a batch, fed the events the batch
// engine raises in the order it raises them, two files at once.

#include "cli/CliReport.h"
#include "engine/BatchProgress.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cstdio>

using namespace tarnwick;
using namespace tarnwick::cli;

namespace {

QString readAll(std::FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        bytes.append(buffer, qsizetype(n));
    return QString::fromLocal8Bit(bytes);
}

ConversionResult converted(const QString& source, const QString& output)
{
    ConversionResult r;
    r.source = source;
    r.output = output;
    r.ok = true;
    return r;
}

ConversionResult failed(const QString& source, const QString& why)
{
    ConversionResult r;
    r.source = source;
    r.error = why;
    return r;
}

// Each of `parts` in `text`, in this order.
bool inOrder(const QString& text, const QStringList& parts, QString* missing)
{
    qsizetype at = 0;
    for (const QString& part : parts) {
        at = text.indexOf(part, at);
        if (at < 0) {
            *missing = part;
            return false;
        }
        at += part.size();
    }
    return true;
}

} // namespace

class tst_CliReport : public QObject
{
    Q_OBJECT

    // a.mp4 and b.mp4 converting at once; b ends first, converted, then a
    // fails. Returns what went to standard output and standard error.
    static std::pair<QString, QString> batch(CliReport::Mode mode)
    {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        BatchProgress progress;
        progress.setClock([] { return 0.0; });
        const QStringList sources{"/v/a.mp4", "/v/b.mp4"};
        {
            CliReport report(mode, progress, out, err);
            report.queued(sources);
            progress.begin(sources, 2);
            for (int i : {0, 1}) {
                progress.fileStarted(i, 2, sources.at(i));
                report.started(i, sources.at(i));
            }
            for (auto [index, percent] : {std::pair{0, 10.4}, {0, 10.9}, {1, 50.0}, {0, 11.2}}) {
                progress.fileProgress(index, percent);
                report.progress(index, percent);
            }
            const ConversionResult b = converted(sources.at(1), "/out/b_1.mp4");
            progress.fileFinished(1, b);
            report.finished(1, b);
            const ConversionResult a = failed(sources.at(0), "a.mp4: Invalid data found when processing input");
            progress.fileFinished(0, a);
            report.finished(0, a);
            report.summary(false);
            if (report.converted() != 1 || report.failed() != 1)
                qWarning("counts: %d converted, %d failed", report.converted(), report.failed());
        }
        const std::pair<QString, QString> written{readAll(out), readAll(err)};
        std::fclose(out);
        std::fclose(err);
        return written;
    }

private slots:
    // A pipe or a log: one line a file as it ends, then the summary.
    void plainLines()
    {
        const auto [out, err] = batch(CliReport::Mode::Plain);
        QCOMPARE(out, QString("converted /v/b.mp4 -> /out/b_1.mp4\n"
                              "failed /v/a.mp4: a.mp4: Invalid data found when processing input\n"
                              "1 converted, 1 failed in 0:00\n"));
        QCOMPARE(err, QString("tarnwick-cli: /v/a.mp4: a.mp4: Invalid data found when processing input\n"));
    }

    // One object a line; progress once a whole percent, whichever file.
    void jsonEvents()
    {
        const auto [out, err] = batch(CliReport::Mode::Json);
        QStringList events;
        for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
            QJsonParseError error;
            const QJsonObject object = QJsonDocument::fromJson(line.toUtf8(), &error).object();
            QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(line));
            QString event = object.value("event").toString() + u' ' + QString::number(object.value("index").toInt());
            if (object.contains("percent"))
                event += u' ' + QString::number(object.value("percent").toInt());
            if (event.startsWith("batch"))
                event = QString("batch %1/%2/%3")
                            .arg(object.value("converted").toInt())
                            .arg(object.value("failed").toInt())
                            .arg(object.value("total").toInt());
            events << event;
        }
        QCOMPARE(events, QStringList({"queued 0", "queued 1", "started 0", "started 1", "progress 0 10",
                                      "progress 1 50", "progress 0 11", "finished 1", "failed 0", "batch 1/1/2"}));
        QVERIFY(out.contains(R"("output":"/out/b_1.mp4")"));
        QVERIFY(err.startsWith("tarnwick-cli: /v/a.mp4: "));
    }

    // A terminal: one status line redrawn in place, cleared for each line
    // that stays; file k of n counts the files finished.
    void terminalStatusLine()
    {
        const auto [out, err] = batch(CliReport::Mode::Terminal);
        const QString redraw = "\r\x1b[K";
        QString missing;
        QVERIFY2(inOrder(out,
                         {redraw + "a.mp4  0%  file 1 of 2", redraw + "a.mp4  0%  file 1 of 2  (+1 running)",
                          redraw + "converted b.mp4 -> /out/b_1.mp4\n", redraw + "a.mp4  11%  file 2 of 2",
                          redraw + "1 converted, 1 failed in 0:00\n"},
                         &missing),
                 qPrintable("missing " + missing.toUtf8().toPercentEncoding() + " in " +
                            out.toUtf8().toPercentEncoding()));
        QVERIFY(!out.contains("failed /v/a.mp4")); // named on standard error only
        QVERIFY(err.startsWith("tarnwick-cli: /v/a.mp4: "));
    }

    void clockTexts_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << 0.0 << "0:00";
        QTest::newRow("rounded up") << 59.5 << "1:00";
        QTest::newRow("rounded down") << 61.4 << "1:01";
        QTest::newRow("an hour") << 3600.0 << "1:00:00";
        QTest::newRow("hours") << 3 * 3600.0 + 5 * 60 + 7 << "3:05:07";
        QTest::newRow("never below zero") << -3.0 << "0:00";
    }
    void clockTexts()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(clockText(seconds), text);
    }
};

QTEST_GUILESS_MAIN(tst_CliReport)
#include "tst_CliReport.moc"
