#pragma once

#include <QStringList>


namespace tarnwick {

// The recursive searches that fill the master list. Both walk a folder in
// the order the file system lists it (no sorting), hidden and system entries
// included, and descend into at most 200 subfolders per folder, always with
// SearchTitleFiles: only the chosen folder itself gives files of any type.
// A symbolic link to a folder is never followed, so a link loop cannot make
// a search endless and no path is found twice through one.
namespace FileSearch {

constexpr int kMaxSubfolders = 200;

// Files whose name, upper-cased, ends in "VOB" or "M2TS" (no dot needed).
// `unnamed`, when given, counts the files the search would have taken but
// cannot name: on Unix a name is bytes, and one that is not valid UTF-8 has
// no spelling that opens it again, so such files are left out.
void SearchTitleFiles(const QString& folder, QStringList& target, qsizetype* unnamed = nullptr);
// Every file of the folder, then the title files below it.
void SearchFolder(const QString& folder, QStringList& target, qsizetype* unnamed = nullptr);

bool isTitleFileName(const QString& name);

// Whether a name's bytes survive decoding into text and encoding back: on
// Unix one that is not valid UTF-8 has no spelling that opens it again.
bool hasSpelling(const QByteArray& name);

} // namespace FileSearch

} // namespace tarnwick
