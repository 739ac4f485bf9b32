#pragma once

#include "engine/ConversionQueue.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace tarnwick {

// The tag shown in the Format column: "M2TS", or the last three characters
// of the trimmed path upper-cased (no dot is looked for: clip.mpeg gives
// "PEG", clip.ts gives ".TS").
QString FormatTag(const QString& path);

// The queue of source files, held in three lists kept in step: the rows
// (this model, shown by the window's list), the pending entries (paths
// still to convert; the front is the current file) and all entries (the
// whole queue, restored into the other two after a search and after a
// batch).
class Queue : public QAbstractTableModel, public ConversionQueue
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Queue)

public:
    // Counts and positions are 16-bit: this many entries at most.
    static constexpr int kMaxEntries = 32767;

    // A running conversion's percentage, in the row of its entry; none
    // for a row that is not converting.
    static constexpr int ProgressRole = Qt::UserRole + 1;

    explicit Queue(QObject* parent = nullptr);

    const QStringList& pending() const { return m_pending; }
    const QStringList& allEntries() const { return m_allEntries; }
    QStringList& allEntries() { return m_allEntries; }
    int displayCount() const { return int(m_rows.size()); }
    const QString& displayPath(int row) const { return m_rows.at(row).path; }
    const QString& displayTag(int row) const { return m_rows.at(row).tag; }
    // The part of a row's file to convert, kept with its master entry so
    // that it outlasts a batch; unset for the whole file.
    TimeRange range(int row) const;
    void setRange(int row, const TimeRange& range);

    // Appends to all three lists. False when the queue is full.
    bool addEntry(const QString& path, const QString& tag);
    bool addEntry(const QString& path) { return addEntry(path, FormatTag(path)); }

    // Appends every master-list path to the run list and the display list.
    // The callers empty those two first. Returns how many fitted.
    int refill();

    // ConversionQueue. The end of a conversion run drops the front of the
    // run list and the first display row, whatever they are by then.
    bool runListEmpty() const override { return m_pending.isEmpty(); }
    int runCount() const override { return int(m_pending.size()); }
    QStringList runList() const override { return m_pending; }
    QString runFront() const override { return m_pending.value(0); }
    RunEntry runEntry(int position) const override;
    void removeRunFront() override;
    bool removeRunEntry(quint64 id) override;
    void setRunProgress(quint64 id, std::optional<double> percent) override;
    void restoreFromMaster() override;

    // Removes display row k (0-based) and the same entry of the other two
    // lists. During a batch the display and run lists have lost the files
    // already converted, so each row remembers its master position.
    void removeAt(int row);
    void clearDisplayAndRun();
    void clearAll();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // The queue changed in a way the empty-queue hint may care about.
    void changed();

private:
    struct Row {
        QString path;
        QString tag;
        quint64 id = 0;
        qsizetype master = -1; // its position in the master list
        std::optional<double> progress;
    };
    void appendRow(const QString& path, const QString& tag, qsizetype master);
    int rowOf(quint64 id) const;
    void removeRow(int row);

    QList<Row> m_rows; // the display list and, position for position, the run list
    QStringList m_pending;
    QStringList m_allEntries;
    // By master position; the entries past its end have none, so paths
    // appended to the master list alone need no range.
    QList<TimeRange> m_masterRanges;
    quint64 m_nextId = 1;
};

} // namespace tarnwick
