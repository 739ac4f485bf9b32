#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

// A rotation as the encoder takes it: quarter turns and mirrors, in the
// order they apply, each one filter of the "-vf" chain.
struct RotationFilters {
    QStringList filters;

    bool isEmpty() const { return filters.isEmpty(); }
    // Each transpose turns the picture a quarter.
    int quarterTurns() const { return int(filters.filter(QStringLiteral("transpose=")).size()); }
    // Pure turns have always been shown between double quotes and chains
    // ending in a mirror bare; logs and habits read them so.
    bool shownQuoted() const { return !filters.isEmpty() && !filters.last().endsWith(QLatin1String("flip")); }
    // The rotation filter as text: "-vf \"transpose=1\"", "-vf hflip" or nothing.
    QString text() const
    {
        if (filters.isEmpty())
            return {};
        const QString chain = filters.join(u',');
        return QStringLiteral("-vf ") + (shownQuoted() ? u'"' + chain + u'"' : chain);
    }
    friend bool operator==(const RotationFilters&, const RotationFilters&) = default;
};

} // namespace tarnwick
