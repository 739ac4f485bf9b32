#pragma once

#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

namespace tarnwick {

// The program's texts in its user's language: Tarnwick's own catalogue and
// Qt's (standard buttons, dialogs, the text boxes' menus), both for the
// first of the user's languages that Tarnwick has a catalogue for. English
// is the texts' own language, so a user who lists it first gets no
// catalogue, and neither does one whose languages Tarnwick lacks. Tarnwick's
// own catalogue also carries the standard buttons' captions, for the
// languages whose Qt catalogue is missing or lacks them.
class Translations
{
    Q_DISABLE_COPY_MOVE(Translations)

public:
    Translations();
    ~Translations();

    // The user's languages, most wanted first (LANGUAGE, then LC_ALL,
    // LC_MESSAGES, LANG as QLocale reads them). As with gettext, a C or
    // POSIX locale means the program's own texts, whatever LANGUAGE says.
    static QStringList wantedLanguages(const QLocale& system);
    // Where the program keeps its catalogues: translations/ in its folder.
    static QString folderOf(const QString& programFolder);

    // Installs the catalogues of the first of `languages` found in `folder`
    // (and Qt's of the same language from `qtFolder`, where it has one),
    // replacing any loaded before. Returns the language loaded ("de",
    // "pt_BR"), or an empty text for English.
    QString load(const QStringList& languages, const QString& folder,
                 const QString& qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    void unload();

private:
    std::vector<std::unique_ptr<QTranslator>> m_installed;
};

} // namespace tarnwick
