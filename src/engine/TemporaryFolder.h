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

// Removes the scratch file tmp.mp4 from the folder, where a run may have
// left it: no file of a batch starts with an old one beside it. Only for a
// folder ensureTemporaryFolder accepted.
void removeStaleTemporaryFile(const QString& folder);

} // namespace tarnwick

namespace tarnwick {

// Removes a folder and everything in it: hidden and read-only entries too.
// A symbolic link inside is removed as a link, its target untouched; an
// entry that cannot be removed is left and the rest goes on. A folder that
// is itself a link or belongs to someone else is not touched at all.
// Returns whether the folder is gone.
bool DeleteFolderTree(const QString& path);

} // namespace tarnwick
