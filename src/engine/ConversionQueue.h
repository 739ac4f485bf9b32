#pragma once

#include "job/TimeRange.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarnwick {

// One entry of the run list. The id tells two entries of one path apart and
// stays with the entry however removals move it.
struct RunEntry {
    quint64 id = 0;
    QString path;
    TimeRange range; // the part of it to convert; unset: all of it
};

// What the conversion side needs of the queue; the queue of sources/
// provides it, so conversion code does not depend on how sources are held.
class ConversionQueue
{
public:
    virtual ~ConversionQueue() = default;
    virtual bool runListEmpty() const = 0;
    virtual int runCount() const = 0;
    virtual QStringList runList() const = 0;
    virtual QString runFront() const = 0;
    virtual RunEntry runEntry(int position) const = 0;
    // Drops the front of the run list and the first display row.
    virtual void removeRunFront() = 0;
    // Drops the entry and its display row; false when it is gone already.
    virtual bool removeRunEntry(quint64 id) = 0;
    // How far an entry's conversion is, for its row; nullopt when none runs.
    virtual void setRunProgress(quint64 id, std::optional<double> percent) = 0;
    // Restores the run and display lists from the master list.
    virtual void restoreFromMaster() = 0;
};

} // namespace tarnwick
