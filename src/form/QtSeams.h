#pragma once

#include "platform/Shell.h"
#include "platform/Dialogs.h"

#include <QPointer>
#include <QWidget>

namespace tarnwick {

// The platform's file and folder dialogs, owned by the given window.
class QtDialogs final : public Dialogs
{
public:
    void setOwner(QWidget* owner) { m_owner = owner; }
    std::optional<QString> openFile(const OpenFileRequest& request) override;
    std::optional<QStringList> openFiles(const OpenFileRequest& request) override;
    std::optional<QString> browseFolder(const QString& prompt) override;
    std::optional<TimeRangeAnswer> askTimeRange(const TimeRangeRequest& request) override;
    std::optional<QString> askText(const TextRequest& request) override;

private:
    std::optional<QStringList> open(const OpenFileRequest& request, int mode);
    QPointer<QWidget> m_owner;
};

class DesktopShell final : public Shell
{
public:
    bool openPath(const QString& path) override;
    bool openAddress(const QString& address) override;
    void beep() override;
};

} // namespace tarnwick
