#pragma once

#include "conversion/Progress.h"

#include <QObject>

namespace tarnwick {

// Follows one conversion run of the encoder and turns its output into
// progress displays.
class ConversionMonitor : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConversionMonitor)

public:
    explicit ConversionMonitor(QObject* parent = nullptr);

    ProgressParser& parser() { return m_parser; }
    const ProgressDisplay& display() const { return m_display; }

    // Resets the bar for the next file: the display it raises has no label,
    // and the label shown keeps its text until the next report arrives.
    void resetBar();

    void objDOS_ReceiveOutputs(const QString& CommandOutputs);
    void objDOS_CommandOver();

signals:
    void displayChanged(const tarnwick::ProgressDisplay& display);

private:
    ProgressParser m_parser;
    ProgressDisplay m_display{0, 0, QStringLiteral("0%")};
};

} // namespace tarnwick
