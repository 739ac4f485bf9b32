#include "language/Translations.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tarnwick {

Translations::Translations() = default;

Translations::~Translations() = default;

QStringList Translations::wantedLanguages(const QLocale& system)
{
    if (system.language() == QLocale::C)
        return {};
    return system.uiLanguages();
}

QString Translations::folderOf(const QString& programFolder)
{
    return programFolder + QStringLiteral("/translations");
}

QString Translations::load(const QStringList& languages, const QString& folder,
                           const QString& qtFolder)
{
    unload();
    for (QString language : languages) {
        language.replace(u'-', u'_');
        if (QLocale(language).language() == QLocale::English)
            return {};
        // QTranslator falls back from "de_DE" to "de" by itself.
        auto own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral("tarnwick_") + language, folder))
            continue;
        const QString loaded = own->language();
        QCoreApplication::installTranslator(own.get());
        m_installed.push_back(std::move(own));
        // Installed last, Qt's catalogue answers first; where it lacks the
        // standard buttons' captions, the program's own has them.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + loaded, qtFolder)) {
            QCoreApplication::installTranslator(qt.get());
            m_installed.push_back(std::move(qt));
        }
        return loaded;
    }
    return {};
}

void Translations::unload()
{
    // A translator leaves the application's list when it is destroyed.
    m_installed.clear();
}

} // namespace tarnwick
