#pragma once

#include "engine/Progress.h"

#include <QObject>

namespace tarnwick {

// Follows one conversion run of the encoder and turns its output into the
// share of the run done, a number from 0 to 100.
class ConversionMonitor : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConversionMonitor)

public:
    explicit ConversionMonitor(QObject* parent = nullptr);

    ProgressParser& parser() { return m_parser; }
    // The last share reported; 0 after a reset.
    double percent() const { return m_percent; }

    // Resets the bar for the next file; the label shown keeps its text until
    // the next report arrives.
    void resetBar();
    // The part of the bar the next run of the encoder fills, in percent: a
    // conversion in two passes fills the first half, then the second.
    void setSpan(double from, double to)
    {
        m_from = from;
        m_to = to;
    }

    void receiveOutputs(const QString& CommandOutputs);
    void commandOver();

signals:
    void progressChanged(double percent);
    void barReset();

private:
    ProgressParser m_parser;
    double m_percent = 0;
    double m_from = 0;
    double m_to = 100;
};

} // namespace tarnwick
