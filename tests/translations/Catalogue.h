#pragma once

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>

namespace tarnwick::test {

// One message of a Qt Linguist catalogue (.ts).
struct CatalogueEntry
{
    QString context;
    QString source;
    QString comment; // the disambiguation, part of the message's identity
    bool numerus = false;
    QStringList translations; // one, or one per plural form
    QString type;             // empty when finished; "unfinished", "vanished", "obsolete"

    bool sameMessage(const CatalogueEntry& other) const
    {
        return context == other.context && source == other.source && comment == other.comment;
    }
};

struct Catalogue
{
    QString language;
    QList<CatalogueEntry> entries;
    QString error;

    const CatalogueEntry* find(const CatalogueEntry& message) const
    {
        const auto it =
            std::find_if(entries.cbegin(), entries.cend(),
                         [&](const CatalogueEntry& e) { return e.sameMessage(message); });
        return it == entries.cend() ? nullptr : &*it;
    }
    // The finished translation of a text, or the text itself.
    QString translate(const QString& context, const QString& source,
                      const QString& comment = QString()) const
    {
        for (const CatalogueEntry& e : entries) {
            if (e.context == context && e.source == source && e.comment == comment &&
                e.type.isEmpty() && !e.numerus)
                return e.translations.value(0);
        }
        return source;
    }
};

inline Catalogue readCatalogue(const QString& path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        catalogue.error = path + QStringLiteral(": cannot be read");
        return catalogue;
    }
    QXmlStreamReader xml(&file);
    QString context;
    CatalogueEntry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"TS") {
                catalogue.language = xml.attributes().value(QLatin1String("language")).toString();
            } else if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                entry = CatalogueEntry{
                    context, {}, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes",
                    {},      {}};
            } else if (name == u"source") {
                entry.source = xml.readElementText();
            } else if (name == u"comment") {
                entry.comment = xml.readElementText();
            } else if (name == u"translation") {
                entry.type = xml.attributes().value(QLatin1String("type")).toString();
                if (!entry.numerus)
                    entry.translations << xml.readElementText();
            } else if (name == u"numerusform") {
                entry.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            catalogue.entries << entry;
        }
    }
    if (xml.hasError())
        catalogue.error = path + QStringLiteral(": ") + xml.errorString();
    return catalogue;
}

inline QString catalogueFolder()
{
    return QStringLiteral(TARNWICK_SOURCE_DIR "/translations");
}

inline Catalogue catalogueOf(const QString& language)
{
    return readCatalogue(catalogueFolder() + QStringLiteral("/tarnwick_") + language +
                         QStringLiteral(".ts"));
}

// The languages the program ships: tarnwick_<language>.ts in translations/.
inline QStringList shippedLanguages()
{
    QStringList languages;
    for (const QString& name :
         QDir(catalogueFolder()).entryList({QStringLiteral("tarnwick_*.ts")}, QDir::Files))
        languages << name.mid(9).chopped(3);
    return languages;
}

// %1 to %99 and %n (with or without L), sorted: a translation must use the
// same ones as its source, as often.
inline QStringList placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(0).remove(u'L');
    found.sort();
    return found;
}

} // namespace tarnwick::test
