#pragma once

#include "form/frmMain.h"

#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"
#include "support/TestPaths.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tarnwick::test {

// For the program folders tests share (the stand-in's, the build's), a
// fresh one with the same encoder: a window writes its settings on closing,
// and must write them where no other test reads them. Any other folder is
// the test's own and is used as it is.
inline QString privateProgramFolder(const QTemporaryDir& folder, const QString& shared)
{
    if (shared.isEmpty())
        return folder.path();
    if (shared != standinProgramFolder() && shared != realProgramFolder())
        return shared;
    QDir().mkpath(folder.filePath("data"));
    QFile::link(shared + "/data/conv.exe", folder.filePath("data/conv.exe"));
    return folder.path();
}

// How many files at once a test that can run only once in a process runs
// its batch with: TARNWICK_TEST_LANES, else 1.
inline int lanesUnderTest()
{
    return qMax(1, qEnvironmentVariableIntValue("TARNWICK_TEST_LANES"));
}

// The conversion runner of every lane the window's batch has.
inline QList<ProcessRunner*> conversionRunners(frmMain& form)
{
    QList<ProcessRunner*> runners;
    for (int lane = 0; lane < form.batch().laneConverters(); ++lane)
        runners << &form.batch().laneConverter(lane).encoderRunner();
    return runners;
}

// The main window over scripted seams, in a program folder of its own:
// a fresh temporary one, with the given folder's encoder when one is given.
struct TestWindow {
    QTemporaryDir program;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    ScriptedDrives drives;
    std::unique_ptr<frmMain> form;

    explicit TestWindow(const QString& encoderFolder = QString())
        : form(std::make_unique<frmMain>(Services{messages, dialogs, shell, drives},
                                         privateProgramFolder(program, encoderFolder)))
    {
    }
    const MainWidgets& c() const { return form->widgets(); }
    // Every scripted answer used and no message unexpected.
    bool done(QString* why) const
    {
        *why = messages.problems() + u' ' + dialogs.report();
        return messages.done() && dialogs.done();
    }
};

// A drop as the desktop delivers it: enter, then the drop itself.
inline Qt::DropAction drop(QWidget* target, const QMimeData& data)
{
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent dropEvent(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropEvent);
    return dropEvent.isAccepted() ? dropEvent.dropAction() : Qt::IgnoreAction;
}

} // namespace tarnwick::test
