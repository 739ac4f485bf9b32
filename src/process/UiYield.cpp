#include "process/UiYield.h"

#include <QCoreApplication>

namespace tarnwick {

void UiYield::operator()()
{
    if (m_since.elapsed() >= m_intervalMs)
        now();
}

void UiYield::now()
{
    QCoreApplication::processEvents();
    m_since.restart();
}

} // namespace tarnwick
