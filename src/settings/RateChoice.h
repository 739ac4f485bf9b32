#pragma once

#include "job/RateControl.h"
#include "media/OutputFormats.h"

#include <QObject>

namespace tarnwick {

// The window's ways to rate the picture beyond the bitrate list: constant
// quality at one of the chosen format's levels (on or off kept in
// Tarnwick.conf), or a target size for the whole file, which comes first
// while it is set and lasts as long as the session.
class RateChoice : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RateChoice)

public:
    explicit RateChoice(QObject* parent = nullptr);

    bool constantQuality() const { return m_constantQuality; }
    void setConstantQuality(bool on);
    // On the scale of the format last chosen; its default until one is picked.
    int quality() const { return m_quality; }
    void setQuality(int quality);
    qint64 targetBytes() const { return m_targetBytes; } // 0: none
    void setTargetBytes(qint64 bytes);

    // A format was chosen: the quality goes to its default.
    void formatChosen(const OutputFormat* format);
    // The rate a batch converts by, the bitrate list giving `kilobits`.
    RateControl control(int kilobits) const;
    // A run's rate chosen again, as a batch picked up after a crash had it.
    void apply(const RateControl& rate);

signals:
    void changed();

private:
    bool m_constantQuality = false;
    int m_quality = -1;
    qint64 m_targetBytes = 0;
};

} // namespace tarnwick
