#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;

namespace tarnwick {

class OpenFileDialog;
class Dialogs;
class Drives;
class Messages;
class Queue;

// The hint over an empty queue, in the user's language.
QString dropHere();

// The hint over an empty queue: whether it is shown, and its caption; the
// window decides what shows it.
struct QueueHint {
    bool shown = true;
    bool captionShown = true;
    QString caption = dropHere();
    friend bool operator==(const QueueHint&, const QueueHint&) = default;
};

// The ways files come into the queue and leave it: the Open Files dialog, a
// folder search, a disc, a drop or the drop zone's dialog, and the two
// removals. Each ends by showing the hint when the queue is empty.
class SourceCommands : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SourceCommands)

public:
    SourceCommands(Queue& queue, OpenFileDialog& openFileDialog, Dialogs& dialogs, Drives& drives,
                   Messages& messages, const QString& programFolder, QObject* parent = nullptr);

    const QueueHint& hint() const { return m_hint; }
    bool searching() const { return m_searching; }

    void chooseFiles();
    void chooseFolder();
    // `selectedRow` is the 0-based selected row of the list, -1 for none.
    void removeSelected(int selectedRow);
    void removeAll();
    // Replaces the queue with the title files of the disc in `volumeRoot`.
    void readDisc(const QString& volumeRoot);
    // Queues the local files of a drop; false when it carried none.
    bool handleDrop(const QMimeData* data);
    // The drop zone's click: one file from the Open File dialog.
    void pickDropZoneFile();
    // The part of the file in display row `row` (0-based) to convert, asked
    // in the time range dialog; a cancel keeps the range it had.
    void chooseTimeRange(int row);

    // The same searches without a dialog, for a caller that already knows
    // where to look; they add to the queue.
    void addFiles(const QStringList& paths);
    // Paths queued as a drop queues them (folders searched); what the
    // program was started with, or handed by a second start.
    void addDropped(const QStringList& paths);
    void searchFolder(const QString& folder);
    // VIDEO_TS's title files, then BDMV/STREAM's, below a disc's root.
    void searchDisc(const QString& volumeRoot);

    // The local file paths a drop carries, in the order the source lists them.
    // `unnamed`, when given, counts the dropped files whose names are not
    // valid UTF-8: they have no spelling that opens them, so they are left out.
    static QStringList droppedPaths(const QMimeData* data, qsizetype* unnamed = nullptr);

signals:
    void hintChanged(const tarnwick::QueueHint& hint);

private:
    void applyHintRule();
    void startSearch();
    void endSearch(const QString& emptyText);
    // Appends to the queue as many as fit; says once when some did not.
    void addEntries(const QStringList& paths, bool threeCharacterTag);
    void appendFoundToMaster(const QStringList& found);
    void reportFull(qsizetype skipped);
    void reportUnnamed(qsizetype skipped);
    void queueDropped(const QStringList& dropped, qsizetype unnamed);
    void setHint(const QueueHint& hint);

    Queue& m_queue;
    OpenFileDialog& m_openFileDialog;
    Dialogs& m_dialogs;
    Drives& m_drives;
    Messages& m_messages;
    QString m_programFolder;
    QString m_dropZoneFolder;
    QueueHint m_hint;
    bool m_searching = false;
};

} // namespace tarnwick
