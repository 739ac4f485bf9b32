#pragma once

#include "form/frmMain.h"

#include "support/ScriptedMessages.h"
#include "support/ScriptedSeams.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tarnwick::test {

// The main window over scripted seams, in a program folder of its own
// (a fresh temporary one unless given).
struct TestWindow {
    QTemporaryDir program;
    ScriptedMessages messages;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    ScriptedDrives drives;
    std::unique_ptr<frmMain> form;

    explicit TestWindow(const QString& programFolder = QString())
        : form(std::make_unique<frmMain>(Services{messages, dialogs, shell, drives},
                                         programFolder.isEmpty() ? program.path() : programFolder))
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
