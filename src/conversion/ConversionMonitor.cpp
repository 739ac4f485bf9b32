#include "conversion/ConversionMonitor.h"


namespace tarnwick {

ConversionMonitor::ConversionMonitor(QObject* parent)
    : QObject(parent)
{
}

void ConversionMonitor::resetBar()
{
    m_display.percent = 0;
    // The bar empties; the label keeps what it said (the last batch's
    // "Done." or this batch's last report) until the new run reports.
    emit displayChanged(ProgressDisplay{0, 0, QString()});
}

void ConversionMonitor::objDOS_ReceiveOutputs(const QString& CommandOutputs)
{
    if (const auto display = m_parser.objDOS_ReceiveOutputs(CommandOutputs)) {
        m_display = *display;
        emit displayChanged(m_display);
    }
}

void ConversionMonitor::objDOS_CommandOver()
{
    m_parser.endRun();
}

} // namespace tarnwick
