#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tarnwick {

struct FileFilter {
    QString label;
    QString pattern;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// What an open-file dialog is asked to show. One existing file is chosen.
struct OpenFileRequest {
    QString title;
    QList<FileFilter> filters;
    QString initialFolder;
    QString initialFile; // pre-filled, may be empty
};

// What a time range dialog asks for: the part of one file, as two times
// typed, either left empty for the beginning or the end.
struct TimeRangeRequest {
    QString file;
    QString start; // the fields as they are first shown
    QString end;
    // Why the times typed cannot be taken; empty when they can. The dialog
    // keeps its OK for times that can.
    std::function<QString(const QString& start, const QString& end)> problem;
};
struct TimeRangeAnswer {
    QString start;
    QString end;
    friend bool operator==(const TimeRangeAnswer&, const TimeRangeAnswer&) = default;
};
// What a dialog asking for one line of text shows.
struct TextRequest {
    QString title;
    QString label;
    QString text; // pre-filled, may be empty
};

// The dialogs seam: the real one shows the platform's dialogs, the tests'
// one answers from a script.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // The chosen path, or nullopt when cancelled.
    virtual std::optional<QString> openFile(const OpenFileRequest& request) = 0;
    // One or more existing files, in the order the dialog gives them, or
    // nullopt when cancelled.
    virtual std::optional<QStringList> openFiles(const OpenFileRequest& request) = 0;
    // A file-system folder, or nullopt when cancelled.
    virtual std::optional<QString> browseFolder(const QString& prompt) = 0;
    // The times typed, or nullopt when cancelled. A face without the dialog
    // answers as a cancel.
    virtual std::optional<TimeRangeAnswer> askTimeRange(const TimeRangeRequest&) { return std::nullopt; }
    // The line entered, or nullopt when cancelled; a face that cannot ask cancels.
    virtual std::optional<QString> askText(const TextRequest& request)
    {
        Q_UNUSED(request);
        return std::nullopt;
    }
};

// "label|pattern|label|pattern..." as filter entries; a trailing label
// without pattern is dropped.
QList<FileFilter> parseFilter(const QString& filter);

} // namespace tarnwick
