#pragma once

#include <QByteArray>
#include <QString>

namespace tarnwick {

// Replaces the file in one step: a crash or a full disk during the write
// leaves the previous file whole. False when the file could not be written.
bool writeFileAtomically(const QString& path, const QByteArray& content);

} // namespace tarnwick
