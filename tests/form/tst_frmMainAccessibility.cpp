// What a screen reader hears of the window, read through Qt's accessibility
// interfaces as an assistive tool reads them: a control that shows words is
// called by those words, whatever state the window is in, so that a user can
// name what they see (voice control, a script looking for a button).

#include "form/frmMain.h"
#include "form/SkinStyle.h"
#include "form/frmOptions.h"
#include "process/ProcessRunner.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// What an assistive tool calls a control: its name, and the name of each
// control that labels it (a list's name on Linux is its value; its caption
// comes as a label).
QString calledBy(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    QStringList said{face->text(QAccessible::Name)};
    for (const auto& [label, relation] : face->relations(QAccessible::Label))
        said << label->text(QAccessible::Name);
    return said.join(QStringLiteral(" | "));
}

// The words a control shows, as a user says them; none for dots or a symbol.
QString spoken(QString caption)
{
    caption = caption.remove(u'&').trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    const bool words =
        std::any_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetterOrNumber(); });
    return words ? caption : QString();
}

// Each visible control of a window, enabled or not, that shows words a
// screen reader does not say, and each input no caption names. The cover
// panel's words are in its picture.
QStringList misnamed(QWidget* window, const QString& state)
{
    QStringList problems;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                           qobject_cast<QAbstractItemView*>(widget);
        if (input && widget->parentWidget() == window && widget->isVisibleTo(window) &&
            widget->accessibleName().isEmpty() &&
            QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label).isEmpty())
            problems << QStringLiteral("%1: %2 has no caption that labels it")
                            .arg(state, widget->objectName());
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if ((!label && !button) || !widget->isVisibleTo(window))
            continue;
        QString caption = spoken(label ? label->text() : button->text());
        if (widget->objectName() == "picDoor")
            caption = coverText().section(u'\n', 0, 0);
        QWidget* named = label && label->buddy() ? label->buddy() : widget;
        if (!caption.isEmpty() && !calledBy(named).contains(caption, Qt::CaseInsensitive))
            problems << QStringLiteral("%1: %2%3 shows \"%4\" but is called \"%5\"")
                            .arg(state, named->objectName(),
                                 named->isEnabled() ? "" : " (disabled)", caption, calledBy(named));
    }
    return problems;
}

} // namespace

class tst_frmMainAccessibility : public QObject
{
    Q_OBJECT

private slots:
    // The window through a batch the user stops: the welcome panel, the
    // queue, the batch running (the start button reads Stop, the queue's
    // controls disabled) and stopped; the options dialog beside it.
    void controlsAreCalledByWhatTheyShow()
    {
        QTemporaryDir dir;
        TestWindow w(standinProgramFolder());
        w.form->show();
        QStringList problems = misnamed(w.form.get(), "welcome");
        const QStringList sources{dir.filePath("one.mp4"), dir.filePath("two.mp4")};
        for (const QString& source : sources)
            QVERIFY(writeFile(source, "#standin\nwrite-early\nprogress 50\nsleep 20\n"));
        QCOMPARE(drop(w.c().picDoor, *localFilesMime(sources)), Qt::CopyAction);
        w.c().txtPath->setText(dir.filePath("out"));
        problems << misnamed(w.form.get(), "queued");

        QStringList running; // the start button and a control the batch disables
        connect(&w.form->objDOS(), &ProcessRunner::outputReceived, this, [&](const QString& piece) {
            if (running.isEmpty() && piece.contains("time=")) {
                running << calledBy(w.c().Command3) << QString::number(w.c().lblFeed->isEnabled());
                problems << misnamed(w.form.get(), "running");
                w.c().Command3->click(); // Stop
            }
        });
        w.c().Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(
            !running.isEmpty() && w.form->batch().state() == BatchDriver::State::Idle, 30000);
        problems << misnamed(w.form.get(), "stopped");
        Options record;
        frmOptions dialog(record, w.program.filePath("options.ini"), w.messages);
        dialog.show();
        problems << misnamed(&dialog, "options");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QCOMPARE(running, QStringList({"Stop", "0"}));
        QCOMPARE(w.c().lblPB->text(), QString("Stopped."));
        QCOMPARE(calledBy(w.c().Command3), QString("Start Ripping Now!"));
        QString why;
        QVERIFY2(w.done(&why), qPrintable(why));
    }
};

QTEST_MAIN(tst_frmMainAccessibility)
#include "tst_frmMainAccessibility.moc"
