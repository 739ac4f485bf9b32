#include "sources/SourceCommands.h"

#include "job/TimeRange.h"
#include "platform/Messages.h"
#include "sources/OpenFileDialog.h"
#include "platform/Drives.h"
#include "sources/FileSearch.h"
#include "sources/Queue.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace tarnwick {

QString dropHere()
{
    return SourceCommands::tr("Drop Your Video Files Here");
}

SourceCommands::SourceCommands(Queue& queue, OpenFileDialog& openFileDialog, Dialogs& dialogs,
                               Drives& drives, Messages& messages, const QString& programFolder,
                               QObject* parent)
    : QObject(parent), m_queue(queue), m_openFileDialog(openFileDialog), m_dialogs(dialogs),
      m_drives(drives), m_messages(messages), m_programFolder(programFolder)
{
    // The hint follows the queue however it changed: a batch ending, a drop,
    // a removal. A search shows its own text until it is over.
    connect(&m_queue, &Queue::changed, this, [this] {
        if (!m_searching)
            applyHintRule();
    });
}

void SourceCommands::setHint(const QueueHint& hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    emit hintChanged(m_hint);
}

void SourceCommands::applyHintRule()
{
    QueueHint hint = m_hint;
    hint.shown = m_queue.displayCount() == 0;
    setHint(hint);
}

void SourceCommands::startSearch()
{
    m_searching = true;
    setHint({true, true, tr("Searching...")});
}

void SourceCommands::endSearch(const QString& emptyText)
{
    m_searching = false;
    QueueHint hint = m_hint;
    if (m_queue.displayCount() == 0)
        hint.caption = emptyText;
    hint.captionShown = false;
    setHint(hint);
    applyHintRule();
}

void SourceCommands::reportFull(qsizetype skipped)
{
    m_messages.show(
        skipped == 1 ? tr("The queue is full: it holds at most %1 files. 1 file was not added.")
                           .arg(Queue::kMaxEntries)
                     : tr("The queue is full: it holds at most %1 files. %n files were not added.",
                          nullptr, int(skipped))
                           .arg(Queue::kMaxEntries),
        kProgramTitle, MessageIcon::Exclamation);
}

void SourceCommands::reportUnnamed(qsizetype skipped)
{
    if (skipped == 0)
        return;
    m_messages.show(skipped == 1 ? tr("1 file was not added: its name is not valid UTF-8.")
                                 : tr("%n files were not added: their names are not valid UTF-8.",
                                      nullptr, int(skipped)),
                    kProgramTitle, MessageIcon::Exclamation);
}

void SourceCommands::addEntries(const QStringList& paths, bool threeCharacterTag)
{
    qsizetype skipped = 0;
    for (const QString& path : paths) {
        const bool added = threeCharacterTag ? m_queue.addEntry(path, path.right(3).toUpper())
                                             : m_queue.addEntry(path);
        if (!added)
            ++skipped;
    }
    if (skipped > 0)
        reportFull(skipped);
}

void SourceCommands::chooseFiles()
{
    m_openFileDialog.setTitle(tr("Open Files"));
    m_openFileDialog.setFilter(tr("All formats") + QStringLiteral("(*.*)|*.*"));
    QStringList paths = m_openFileDialog.ShowOpenSeveral();
    if (paths.isEmpty())
        return;
    for (QString& path : paths)
        path = OpenFileDialog::beforeNul(path);
    paths.removeAll(QString());
    addEntries(paths, false);
    applyHintRule();
}

// Found paths join the master list only when the search is over, and the
// run and display lists are rebuilt from it at once: a file dropped while
// the search yields to the window then stays in step in all three lists.
void SourceCommands::appendFoundToMaster(const QStringList& found)
{
    const qsizetype room = Queue::kMaxEntries - m_queue.allEntries().size();
    const qsizetype take = qMin(room, found.size());
    m_queue.allEntries().append(found.first(qMax<qsizetype>(0, take)));
    m_queue.restoreFromMaster();
    if (take < found.size())
        reportFull(found.size() - take);
}

void SourceCommands::chooseFolder()
{
    const std::optional<QString> folder = m_dialogs.browseFolder(folderPrompt());
    startSearch();
    if (folder && !folder->isEmpty())
        searchFolder(*folder);
    endSearch(dropHere());
}

void SourceCommands::searchFolder(const QString& folder)
{
    QStringList found;
    qsizetype unnamed = 0;
    FileSearch::SearchFolder(folder, found, &unnamed);
    appendFoundToMaster(found);
    reportUnnamed(unnamed);
}

void SourceCommands::addFiles(const QStringList& paths)
{
    addEntries(paths, false);
    applyHintRule();
}

void SourceCommands::chooseTimeRange(int row)
{
    if (row < 0 || row >= m_queue.displayCount())
        return;
    const TimeRange current = m_queue.range(row);
    const auto shown = [](const std::optional<double>& bound) { return bound ? timeText(*bound) : QString(); };
    const auto answer = m_dialogs.askTimeRange(
        {m_queue.displayPath(row), shown(current.start), shown(current.end),
         [](const QString& start, const QString& end) { return parseRange(start, end).error; }});
    if (!answer)
        return;
    // The dialog takes only times it can read; an answer from elsewhere is
    // read again, and one that cannot be kept changes nothing.
    const ParsedRange parsed = parseRange(answer->start, answer->end);
    if (!parsed.error.isEmpty()) {
        m_messages.show(parsed.error, kProgramTitle, MessageIcon::Exclamation);
        return;
    }
    m_queue.setRange(row, parsed.range);
}

void SourceCommands::removeSelected(int selectedRow)
{
    if (m_queue.displayCount() > 0 && selectedRow >= 0)
        m_queue.removeAt(selectedRow);
    applyHintRule();
}

void SourceCommands::removeAll()
{
    m_queue.clearAll();
    applyHintRule();
}

void SourceCommands::readDisc(const QString& volumeRoot)
{
    m_queue.clearAll();
    if (volumeRoot.isEmpty() || !m_drives.isOptical(volumeRoot)) {
        m_messages.show(tr("Please select a DVD Drive"), tr("DVD"), MessageIcon::None);
        applyHintRule();
        return;
    }
    startSearch();
    searchDisc(volumeRoot);
    endSearch(tr("Drag your Video Here"));
}

void SourceCommands::searchDisc(const QString& volumeRoot)
{
    QStringList found;
    qsizetype unnamed = 0;
    const QString dvd = findDiscFolder(volumeRoot, {QStringLiteral("VIDEO_TS")});
    if (!dvd.isEmpty())
        FileSearch::SearchTitleFiles(dvd, found, &unnamed);
    const QString bluray = findDiscFolder(volumeRoot, {QStringLiteral("BDMV"), QStringLiteral("STREAM")});
    if (!bluray.isEmpty())
        FileSearch::SearchTitleFiles(bluray, found, &unnamed);
    appendFoundToMaster(found);
    reportUnnamed(unnamed);
}

QStringList SourceCommands::droppedPaths(const QMimeData* data, qsizetype* unnamed)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        // The URL carries the name's bytes; decoding them as UTF-8 loses
        // any that are not, and the path would name another file.
        if (!FileSearch::hasSpelling(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()))) {
            if (unnamed)
                ++*unnamed;
            continue;
        }
        paths.append(url.toLocalFile());
    }
    return paths;
}

bool SourceCommands::handleDrop(const QMimeData* data)
{
    qsizetype unnamed = 0;
    const QStringList dropped = droppedPaths(data, &unnamed);
    queueDropped(dropped, unnamed);
    return !dropped.isEmpty();
}

void SourceCommands::addDropped(const QStringList& paths)
{
    queueDropped(paths, 0);
}

// A folder is searched as "Add a Folder" searches it, its files taking its
// place among the others: queued as one entry it could only fail.
void SourceCommands::queueDropped(const QStringList& dropped, qsizetype unnamed)
{
    QStringList paths;
    for (const QString& path : dropped) {
        if (QFileInfo(path).isDir())
            FileSearch::SearchFolder(path, paths, &unnamed);
        else
            paths << path;
    }
    addEntries(paths, true);
    applyHintRule();
    reportUnnamed(unnamed);
}

void SourceCommands::pickDropZoneFile()
{
    const QString path = OpenFileDialog::beforeNul(pickOpenFile(
        m_dialogs, m_programFolder, tr("Open File"), m_dropZoneFolder, QStringLiteral("*.*|*.*")));
    m_dropZoneFolder.clear(); // every click starts from an empty initial folder
    if (path.isEmpty())
        return;
    addEntries({path}, false);
    applyHintRule();
}

} // namespace tarnwick
