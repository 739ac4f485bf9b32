#pragma once

#include <QByteArray>
#include <QString>

namespace tarnwick {

// How far a write must have gone when it returns.
enum class Durability {
    // On the disk: a power cut right after it keeps the new file.
    PowerCut,
    // Handed to the system: the program may end any way at all (a crash,
    // kill -9) and the new file stays; only a power cut may undo it.
    Crash,
};

// Replaces the file in one step: a crash or a full disk during the write
// leaves the previous file whole. False when the file could not be written.
bool writeFileAtomically(const QString& path, const QByteArray& content,
                         Durability durability = Durability::PowerCut);

} // namespace tarnwick
