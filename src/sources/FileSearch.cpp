#include "sources/FileSearch.h"

#include <QDirIterator>
#include <QFileInfo>

namespace tarnwick::FileSearch {

namespace {

QString join(const QString& folder, const QString& name)
{
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + name;
    return folder + u'/' + name;
}

void search(const QString& folder, QStringList& target, const Yield& yield, bool everyFile)
{
    QStringList subfolders;
    QDirIterator listing(folder, QDir::AllEntries | QDir::Hidden | QDir::System |
                                     QDir::NoDotAndDotDot);
    bool first = true;
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
        if (!first && yield) {
            yield();
            yield();
        }
        first = false;
    }
    for (const QString& subfolder : std::as_const(subfolders))
        search(subfolder, target, yield, false);
}

} // namespace

bool isTitleFileName(const QString& name)
{
    const QString upper = name.toUpper();
    return upper.endsWith(u"VOB") || upper.endsWith(u"M2TS");
}

void SearchTitleFiles(const QString& folder, QStringList& target, const Yield& yield)
{
    search(folder, target, yield, false);
}

void SearchFolder(const QString& folder, QStringList& target, const Yield& yield)
{
    search(folder, target, yield, true);
}

} // namespace tarnwick::FileSearch
