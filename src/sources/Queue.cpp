#include "sources/Queue.h"

namespace tarnwick {

QString FormatTag(const QString& path)
{
    const QString trimmed = path.trimmed();
    if (trimmed.right(4).toUpper() == u"M2TS")
        return QStringLiteral("M2TS");
    return trimmed.right(3).toUpper();
}

Queue::Queue(QObject* parent) : QAbstractTableModel(parent) {}

void Queue::appendRow(const QString& path, const QString& tag, qsizetype master)
{
    const int row = displayCount();
    beginInsertRows({}, row, row);
    m_rows.append({path, tag, m_nextId++, master, std::nullopt});
    endInsertRows();
}

bool Queue::addEntry(const QString& path, const QString& tag)
{
    if (m_allEntries.size() >= kMaxEntries || m_pending.size() >= kMaxEntries)
        return false;
    m_pending.append(path);
    m_allEntries.append(path);
    appendRow(path, tag, m_allEntries.size() - 1);
    emit changed();
    return true;
}

int Queue::refill()
{
    const int room = kMaxEntries - int(qMax(m_pending.size(), m_rows.size()));
    const int take = int(qMin<qsizetype>(room, m_allEntries.size()));
    if (take <= 0)
        return 0;
    const int first = displayCount();
    beginInsertRows({}, first, first + take - 1);
    for (int i = 0; i < take; ++i) {
        const QString& path = m_allEntries.at(i);
        m_pending.append(path);
        m_rows.append({path, FormatTag(path), m_nextId++, i, std::nullopt});
    }
    endInsertRows();
    emit changed();
    return take;
}

RunEntry Queue::runEntry(int position) const
{
    if (position < 0 || position >= displayCount())
        return {};
    const Row& row = m_rows.at(position);
    return {row.id, row.path, range(position)};
}

TimeRange Queue::range(int row) const
{
    return row >= 0 && row < displayCount() ? m_masterRanges.value(m_rows.at(row).master) : TimeRange{};
}

void Queue::setRange(int row, const TimeRange& range)
{
    if (row < 0 || row >= displayCount() || this->range(row) == range)
        return;
    const qsizetype master = m_rows.at(row).master;
    if (master < 0 || master >= m_allEntries.size())
        return;
    if (m_masterRanges.size() <= master)
        m_masterRanges.resize(master + 1);
    m_masterRanges[master] = range;
    emit dataChanged(index(row, 0), index(row, 0), {Qt::DisplayRole, Qt::ToolTipRole});
}

// A converted entry leaves the run and display lists; the master list
// keeps it for the next batch.
void Queue::removeRow(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    if (row < m_pending.size())
        m_pending.removeAt(row);
    emit changed();
}

void Queue::removeRunFront()
{
    if (m_rows.isEmpty()) {
        emit changed();
        return;
    }
    removeRow(0);
}

int Queue::rowOf(quint64 id) const
{
    // Running entries are at the front: the search ends early.
    for (int row = 0; row < displayCount(); ++row) {
        if (m_rows.at(row).id == id)
            return row;
    }
    return -1;
}

bool Queue::removeRunEntry(quint64 id)
{
    const int row = rowOf(id);
    if (row < 0)
        return false;
    removeRow(row);
    return true;
}

void Queue::setRunProgress(quint64 id, std::optional<double> percent)
{
    const int row = rowOf(id);
    if (row < 0 || m_rows.at(row).progress == percent)
        return;
    m_rows[row].progress = percent;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {ProgressRole});
}

void Queue::restoreFromMaster()
{
    clearDisplayAndRun();
    refill();
}

void Queue::removeAt(int row)
{
    if (row < 0 || row >= displayCount())
        return;
    const qsizetype master = m_rows.at(row).master;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    if (row < m_pending.size())
        m_pending.removeAt(row);
    if (master >= 0 && master < m_allEntries.size()) {
        m_allEntries.removeAt(master);
        if (master < m_masterRanges.size())
            m_masterRanges.removeAt(master);
        for (Row& other : m_rows) {
            if (other.master > master)
                --other.master;
        }
    }
    emit changed();
}

void Queue::clearDisplayAndRun()
{
    if (!m_rows.isEmpty()) {
        beginResetModel();
        m_rows.clear();
        endResetModel();
    }
    m_pending.clear();
    emit changed();
}

void Queue::clearAll()
{
    m_allEntries.clear();
    m_masterRanges.clear();
    clearDisplayAndRun();
}

int Queue::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : displayCount();
}

int Queue::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant Queue::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= displayCount())
        return {};
    const Row& row = m_rows.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        if (index.column() != 0)
            return row.tag;
        // A file with a time range says so after its name.
        const TimeRange range = this->range(index.row());
        return range.isSet() ? row.path + QStringLiteral("   (") + rangeText(range) + u')' : row.path;
    }
    if (role == ProgressRole && row.progress)
        return *row.progress;
    return {};
}

QVariant Queue::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Filename") : tr("Format");
}

} // namespace tarnwick
