#pragma once

#include "process/ConsoleCommand.h"

#include <QString>
#include <QTime>

#include <functional>
#include <optional>

namespace tarnwick {

// <program folder>/data/conv.exe, the folder joined unchanged (a folder at
// the root gives a doubled separator, which the system accepts).
QString encoderPath(const QString& programFolder);

// The input's description only: the encoder prints it and ends.
ConsoleCommand probeCommand(const QString& programFolder, const QString& sourcePath);

// The file name after the last separator ("/" or "\"), without the part from
// its last "." on. A name without a dot, or with its only dot in front, is
// kept whole.
QString FileBaseName(const QString& path);

// OutputFolder & base & "_" & H & M & S & extension, the clock fields in
// decimal without leading zeros (9:05:07 gives 957).
QString outputFilePath(const QString& outputFolder, const QString& sourcePath,
                       const QString& extension, const QTime& now);

// Whether anything is at the path: a file, a folder or a link, even a
// broken one (which QFileInfo::exists does not count, yet writing to it
// would create the file wherever it points).
bool isOccupied(const QString& path);

// The longest file name the file system takes, as the name is stored: 255
// bytes of the encoded name on Unix, 255 UTF-16 units on Windows.
bool fitsNameLimit(const QString& name);

// The path a conversion writes: outputFilePath's, with the base cut short
// until the name fits the limit, and "_2", "_3"... before the extension while
// the name is occupied. Two
// sources with one base name converted within a second both convert, and
// nothing that was there is overwritten or written through.
// `alsoTaken` names paths to pass over although nothing is there yet.
QString availableOutputPath(const QString& outputFolder, const QString& sourcePath,
                            const QString& extension, const QTime& now,
                            const std::function<bool(const QString&)>& alsoTaken = {});

} // namespace tarnwick
