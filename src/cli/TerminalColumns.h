#pragma once

#include <QString>
#include <QStringView>

namespace tarnwick::cli {

// How many columns of a terminal a text takes: two for each East Asian wide
// or fullwidth character (Chinese, Japanese, Korean), none for a combining
// mark or an invisible format character, one for any other.
int displayWidth(QStringView text);

// The text followed by as many spaces as fill it to `columns` columns.
QString padded(const QString& text, int columns);

} // namespace tarnwick::cli
