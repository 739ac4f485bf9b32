#pragma once

#include <QString>

namespace tarnwick {

// The program's scratch folder: c:\spinloom_tmp on Windows; elsewhere a
// folder of the current user under the temporary location.
QString temporaryFolderPath();

// Creates the folder private to the user (0700) when it is missing. False
// when it cannot be made, or when what is there is a symbolic link or
// belongs to someone else: such a folder is never written or deleted in.
bool ensureTemporaryFolder(const QString& path);
bool isOwnTemporaryFolder(const QString& path);

} // namespace tarnwick
