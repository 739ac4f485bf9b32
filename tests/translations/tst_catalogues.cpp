// The catalogues against the program's texts as they are now: lupdate
// reads the sources afresh, so a text added or changed anywhere shows up
// here as untranslated until every catalogue has it.

#include "translations/Catalogue.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tarnwick::test;

namespace {

// The languages the program promises, with the number of plural forms Qt
// gives each (Russian: one, few, many; Arabic: zero, one, two, few, many,
// other; Chinese, Japanese, Korean: one for every number).
const QList<QPair<QString, int>> kPromised{
    {"de", 2}, {"fr", 2}, {"es", 2}, {"pt_BR", 2}, {"it", 2}, {"ru", 3}, {"zh_CN", 1}, {"ja", 1},
    {"ar", 6}, {"he", 2}, {"fa", 1}, {"bg", 2},    {"ca", 2}, {"cs", 3}, {"da", 2},    {"el", 2},
    {"et", 2}, {"fi", 2}, {"hr", 3}, {"hu", 1},    {"id", 1}, {"ko", 1}, {"lt", 3},    {"lv", 3},
    {"nb", 2}, {"nl", 2}, {"pl", 3}, {"ro", 3},    {"sk", 3}, {"sl", 4}, {"sr", 3},    {"sv", 2},
    {"th", 1}, {"tr", 1}, {"uk", 3}, {"vi", 1},    {"zh_TW", 1}};

QString describe(const CatalogueEntry& e)
{
    return QStringLiteral("[%1] \"%2\"%3")
        .arg(e.context, e.source, e.comment.isEmpty() ? QString() : " (" + e.comment + ")");
}

} // namespace

class tst_catalogues : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Catalogue m_current; // the texts the sources hold now

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString fresh = m_dir.filePath("current.ts");
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(
            QStringLiteral(TARNWICK_LUPDATE),
            {"-locations", "none", QStringLiteral(TARNWICK_SOURCE_DIR "/src"), "-ts", fresh});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        m_current = readCatalogue(fresh);
        QVERIFY2(m_current.error.isEmpty(), qPrintable(m_current.error));
        // A sanity floor: the window, the options dialog and the command line.
        QVERIFY(m_current.entries.size() > 100);
    }

    void everyPromisedLanguageShips()
    {
        const QStringList shipped = shippedLanguages();
        QStringList missing;
        for (const auto& [language, forms] : kPromised) {
            if (!shipped.contains(language))
                missing << language;
        }
        QVERIFY2(missing.isEmpty(), qPrintable("no catalogue: " + missing.join(u' ')));
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("forms"); // 0: not known here, only consistent
        for (const QString& language : shippedLanguages()) {
            int forms = 0;
            for (const auto& [promised, count] : kPromised)
                forms = promised == language ? count : forms;
            QTest::newRow(qPrintable(language)) << language << forms;
        }
    }

    // Every current text finished in every language, with the right number
    // of plural forms; the list says what to translate after a merge.
    void catalogue()
    {
        QFETCH(QString, language);
        QFETCH(int, forms);
        const Catalogue catalogue = catalogueOf(language);
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        // lrelease writes it into the compiled catalogue; start-up finds Qt's
        // own catalogue by it.
        QCOMPARE(catalogue.language, language);

        QStringList missing;
        QStringList wrongForms;
        for (const CatalogueEntry& text : std::as_const(m_current.entries)) {
            const CatalogueEntry* entry = catalogue.find(text);
            const bool finished =
                entry && entry->type.isEmpty() &&
                std::none_of(entry->translations.cbegin(), entry->translations.cend(),
                             [](const QString& t) { return t.isEmpty(); }) &&
                !entry->translations.isEmpty();
            if (!finished) {
                missing << describe(text);
                continue;
            }
            if (text.numerus) {
                if (forms == 0)
                    forms = int(entry->translations.size());
                if (entry->translations.size() != forms)
                    wrongForms << describe(text);
            }
        }
        QVERIFY2(
            missing.isEmpty(),
            qPrintable(QStringLiteral("%1 texts not translated (scripts/update-translations.sh, "
                                      "then translate):\n")
                           .arg(missing.size()) +
                       missing.join(u'\n')));
        QVERIFY2(wrongForms.isEmpty(),
                 qPrintable("wrong number of plural forms:\n" + wrongForms.join(u'\n')));
    }

    void placeholders_data() { catalogue_data(); }

    // %1, %2, %n: each translation (each plural form) uses exactly the
    // source's, or an argument would be dropped or shown raw.
    void placeholders()
    {
        QFETCH(QString, language);
        QStringList wrong;
        for (const CatalogueEntry& entry : catalogueOf(language).entries) {
            if (!entry.type.isEmpty())
                continue;
            const QStringList wanted = tarnwick::test::placeholders(entry.source);
            for (const QString& translation : entry.translations) {
                if (tarnwick::test::placeholders(translation) != wanted)
                    wrong << describe(entry) + QStringLiteral(" -> \"") + translation + u'"';
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    void consistent_data() { catalogue_data(); }

    // The same English text in two places (the Read DVD button and its
    // menu entry, Help, Exit, Setting) reads the same in each language.
    void consistent()
    {
        QFETCH(QString, language);
        QHash<QString, QString> first;
        QStringList differing;
        for (const CatalogueEntry& entry : catalogueOf(language).entries) {
            if (!entry.type.isEmpty() || entry.numerus || !entry.comment.isEmpty())
                continue;
            const QString translation = entry.translations.value(0);
            const auto known = first.constFind(entry.source);
            if (known == first.cend())
                first.insert(entry.source, translation);
            else if (*known != translation)
                differing << QStringLiteral("\"%1\": \"%2\" and \"%3\"")
                                 .arg(entry.source, *known, translation);
        }
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(tst_catalogues)
#include "tst_catalogues.moc"
