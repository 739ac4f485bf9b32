#include "cli/TerminalColumns.h"

#include "base/Text.h"

namespace tarnwick::cli {

QString padded(const QString& text, int columns)
{
    return text + QString(qMax(0, columns - terminalColumns(text)), u' ');
}

} // namespace tarnwick::cli
