#pragma once

#include "platform/Dialogs.h"
#include "platform/Drives.h"
#include "platform/Messages.h"
#include "platform/Shell.h"

#include <QMutex>

#include <cstdio>

namespace tarnwick::cli {

// A message box becomes one line on standard error. Lanes on other threads
// may report at the same time.
class StderrMessages final : public Messages
{
public:
    void show(const QString& text, const QString& caption, MessageIcon icon) override;

private:
    QMutex m_mutex;
};

// No desktop: nothing to open, nothing to ask, no beep.
class NoDesktop final : public Shell, public Dialogs, public Drives
{
public:
    bool openPath(const QString&) override { return true; }
    bool openAddress(const QString&) override { return true; }
    void beep() override {}
    std::optional<QString> openFile(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<QStringList> openFiles(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<QString> browseFolder(const QString&) override { return std::nullopt; }
    QList<Drive> volumes() const override { return {}; }
    bool isOptical(const QString&) const override { return false; }
    QString volumeOf(const QString&) const override { return {}; }
};

// Writes a line to a stream at once (an encoder's lines and ours interleave
// in a log only if each of ours goes out whole).
void writeLine(std::FILE* stream, const QString& line);

} // namespace tarnwick::cli
