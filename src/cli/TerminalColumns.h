#pragma once

#include <QString>
#include <QStringView>

namespace tarnwick::cli {

// The text followed by as many spaces (terminal columns, as
// terminalColumns counts them) as fill it to `columns` columns.
QString padded(const QString& text, int columns);

} // namespace tarnwick::cli
