// Makes every corpus the conversion tests share, before they start, and
// says how long that took; a source already made from the same recipe is
// kept. Named sets ("make_corpus loudness") make only those.

#include "support/Corpus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

using namespace tarnwick::test;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QList<std::pair<QString, QList<CorpusSource>>> corpora{
        {QStringLiteral("device"), deviceCorpus()}, {QStringLiteral("interlaced"), interlacedCorpus()},
        {QStringLiteral("hdr"), hdrCorpus() << sdrMaster()}, {QStringLiteral("range"), rangeCorpus()},
        {QStringLiteral("rate"), rateCorpus()}, {QStringLiteral("loudness"), loudnessCorpus()}};
    const QStringList named = app.arguments().mid(1);
    for (const auto& [set, sources] : corpora) {
        if (!named.isEmpty() && !named.contains(set))
            continue;
        QElapsedTimer clock;
        clock.start();
        QString error;
        const QStringList made = sharedCorpus(set, sources, &error);
        if (made.isEmpty()) {
            out << set << ": " << error << Qt::endl;
            return 1;
        }
        out << set << ": " << made.size() << " sources in " << sharedCorpusFolder(set) << ", "
            << clock.elapsed() / 1000.0 << " s" << Qt::endl;
    }
    return 0;
}
