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

void Queue::appendRow(const QString& path, const QString& tag)
{
    const int row = displayCount();
    beginInsertRows({}, row, row);
    m_rows.append({path, tag});
    endInsertRows();
}

bool Queue::AddQueueEntry(const QString& path, const QString& tag)
{
    if (m_lstAddFolder.size() >= kMaxEntries || m_lstFile.size() >= kMaxEntries)
        return false;
    m_lstFile.append(path);
    m_lstAddFolder.append(path);
    appendRow(path, tag);
    emit changed();
    return true;
}

int Queue::RefillQueue()
{
    const int room = kMaxEntries - int(qMax(m_lstFile.size(), m_rows.size()));
    const int take = int(qMin<qsizetype>(room, m_lstAddFolder.size()));
    if (take <= 0)
        return 0;
    const int first = displayCount();
    beginInsertRows({}, first, first + take - 1);
    for (int i = 0; i < take; ++i) {
        const QString& path = m_lstAddFolder.at(i);
        m_lstFile.append(path);
        m_rows.append({path, FormatTag(path)});
    }
    endInsertRows();
    emit changed();
    return take;
}

void Queue::removeRunFront()
{
    if (!m_lstFile.isEmpty()) {
        m_lstFile.removeFirst();
        ++m_convertedSinceRefill;
    }
    if (!m_rows.isEmpty()) {
        beginRemoveRows({}, 0, 0);
        m_rows.removeFirst();
        endRemoveRows();
    }
    emit changed();
}

void Queue::restoreFromMaster()
{
    clearDisplayAndRun();
    RefillQueue();
}

void Queue::removeAt(int row)
{
    if (row < 0 || row >= displayCount())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    if (row < m_lstFile.size())
        m_lstFile.removeAt(row);
    const int master = row + m_convertedSinceRefill;
    if (master < m_lstAddFolder.size())
        m_lstAddFolder.removeAt(master);
    emit changed();
}

void Queue::clearDisplayAndRun()
{
    if (!m_rows.isEmpty()) {
        beginResetModel();
        m_rows.clear();
        endResetModel();
    }
    m_lstFile.clear();
    m_convertedSinceRefill = 0;
    emit changed();
}

void Queue::clearAll()
{
    m_lstAddFolder.clear();
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
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        const Row& row = m_rows.at(index.row());
        return index.column() == 0 ? row.path : row.tag;
    }
    return {};
}

QVariant Queue::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("Filename") : tr("Format");
}

} // namespace tarnwick
