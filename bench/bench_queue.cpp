// Queue figures with the window shown: adding a folder of 30,000 files and
// emptying a full queue of 32,767 entries. Targets: each under two seconds.

#include "form/frmMain.h"
#include "platform/Messages.h"
#include "platform/Dialogs.h"
#include "platform/Drives.h"
#include "sources/Queue.h"
#include "sources/SourceCommands.h"
#include "platform/Shell.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace tarnwick;

namespace {
class Quiet final : public Messages, public Dialogs, public Shell, public Drives
{
public:
    QString folder;
    void show(const QString&, const QString&, MessageIcon) override {}
    std::optional<QString> openFile(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<QStringList> openFiles(const OpenFileRequest&) override { return std::nullopt; }
    std::optional<QString> browseFolder(const QString&) override { return folder; }
    bool openPath(const QString&) override { return true; }
    bool openAddress(const QString&) override { return true; }
    void beep() override {}
    QList<Drive> volumes() const override { return {}; }
    bool isOptical(const QString&) const override { return false; }
    QString volumeOf(const QString&) const override { return {}; }
};
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Quiet seams;
    seams.folder = dir.path();
    for (int i = 0; i < 30000; ++i) {
        QFile file(dir.filePath(QString("clip%1.mp4").arg(i)));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
    }
    frmMain window({seams, seams, seams, seams}, QCoreApplication::applicationDirPath());
    window.show();

    QElapsedTimer clock;
    clock.start();
    window.sources().chooseFolder();
    const double add = clock.nsecsElapsed() / 1e9;
    std::printf("add a folder of 30000 files: %.3f s, %d queued (target < 2 s)\n", add,
                window.queue().displayCount());

    for (int i = window.queue().displayCount(); i < Queue::kMaxEntries; ++i)
        window.queue().addEntry(QString("/x/%1.vob").arg(i));
    clock.restart();
    window.sources().removeAll();
    const double remove = clock.nsecsElapsed() / 1e9;
    std::printf("remove all of %d entries: %.3f s (target < 2 s)\n", Queue::kMaxEntries, remove);
    return 0;
}
