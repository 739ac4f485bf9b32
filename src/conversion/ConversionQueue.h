#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

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
    // Drops the front of the run list and the first display row.
    virtual void removeRunFront() = 0;
    // Restores the run and display lists from the master list.
    virtual void restoreFromMaster() = 0;
};

} // namespace tarnwick
