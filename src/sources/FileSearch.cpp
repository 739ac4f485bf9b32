#include "sources/FileSearch.h"
#include "base/Text.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

namespace tarnwick::FileSearch {

namespace {

QString join(const QString& folder, const QString& name)
{
    if (endsWithSeparator(folder))
        return folder + name;
    return folder + u'/' + name;
}

// The entries of a folder that the listing above leaves out because their
// names cannot be decoded; only those the search would have taken.
qsizetype countUnnamed(const QString& folder, bool everyFile)
{
    qsizetype count = 0;
#ifdef Q_OS_UNIX
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return 0;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == ".." || hasSpelling(name))
            continue;
        if (everyFile || isTitleFileName(QString::fromLatin1(name)))
            ++count;
    }
    ::closedir(dir);
#else
    Q_UNUSED(folder);
    Q_UNUSED(everyFile);
#endif
    return count;
}

void search(const QString& folder, QStringList& target, bool everyFile, qsizetype* unnamed)
{
    if (unnamed)
        *unnamed += countUnnamed(folder, everyFile);
    QStringList subfolders;
    QDirIterator listing(folder, QDir::AllEntries | QDir::Hidden | QDir::System |
                                     QDir::NoDotAndDotDot);
    while (listing.hasNext()) {
        listing.next();
        const QFileInfo entry = listing.fileInfo();
        const QString path = join(folder, entry.fileName());
        if (entry.isSymLink() && entry.isDir()) {
            // neither a file nor a folder to descend into
        } else if (entry.isDir()) {
            if (subfolders.size() < kMaxSubfolders)
                subfolders.append(path);
        } else if (everyFile || isTitleFileName(entry.fileName())) {
            target.append(path);
        }
    }
    for (const QString& subfolder : std::as_const(subfolders))
        search(subfolder, target, false, unnamed);
}

} // namespace

bool isTitleFileName(const QString& name)
{
    const QString upper = name.toUpper();
    return upper.endsWith(u"VOB") || upper.endsWith(u"M2TS");
}

bool hasSpelling(const QByteArray& name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

void SearchTitleFiles(const QString& folder, QStringList& target, qsizetype* unnamed)
{
    search(folder, target, false, unnamed);
}

void SearchFolder(const QString& folder, QStringList& target, qsizetype* unnamed)
{
    search(folder, target, true, unnamed);
}

} // namespace tarnwick::FileSearch
