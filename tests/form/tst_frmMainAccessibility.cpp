// What a screen reader hears of the window, read through Qt's accessibility
// interfaces as an assistive tool reads them: a control that shows words is
// called by those words, whatever state the window is in, so that a user can
// name what they see (voice control, a script looking for a button).

#include "form/frmMain.h"
#include "form/Look.h"
#include "form/frmOptions.h"
#include "process/DOSOutputs.h"

#include "support/TestFiles.h"
#include "support/TestPaths.h"
#include "support/TestWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

QAccessibleInterface* reader(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// The words as a user says them: no mnemonic marker, no colon after a caption.
QString spoken(QString caption)
{
    caption.remove(u'&');
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

// What an assistive tool calls a control: its name, and the name of each
// control that labels it (a list's name on Linux is its value, its caption
// comes as a label).
QString calledBy(QWidget* widget)
{
    QAccessibleInterface* face = reader(widget);
    QStringList said{face->text(QAccessible::Name)};
    for (const auto& [label, relation] : face->relations(QAccessible::Label))
        said << label->text(QAccessible::Name);
    return said.join(QStringLiteral(" | "));
}

bool hasWords(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// What a control shows: its own caption, or for an input the caption a label
// beside it gives it.
QString shownCaption(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return spoken(button->text());
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty())
        return spoken(label->text());
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() == control)
            return spoken(label->text());
    }
    return {};
}

// Every visible control of a window that shows words a screen reader does not say.
QStringList misnamed(QWidget* window)
{
    QStringList problems;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool captioned =
            qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget);
        if (!captioned || !widget->isVisibleTo(window))
            continue;
        auto* label = qobject_cast<QLabel*>(widget);
        QWidget* named = label && label->buddy() ? label->buddy() : widget;
        const QString caption = label ? spoken(label->text()) : shownCaption(widget);
        if (!hasWords(caption)) // dots or a symbol: such a control has a name of its own
            continue;
        const QString name = calledBy(named);
        if (!name.contains(caption, Qt::CaseInsensitive))
            problems << QStringLiteral("%1 shows \"%2\" but is called \"%3\"")
                            .arg(named->objectName(), caption, name);
    }
    return problems;
}

QWidget* control(const MainWidgets& c, const QString& key)
{
    if (key.startsWith("CmdToolsBar"))
        return c.CmdToolsBar.at(key.back().digitValue());
    const std::initializer_list<std::pair<const char*, QWidget*>> named{
        {"picDoor", c.picDoor}, {"cmdLoad", c.cmdLoad},   {"Drive1", c.Drive1},
        {"LV", c.LV},           {"cmbOF1", c.cmbOF1},     {"cmbBitrate", c.cmbBitrate},
        {"txtPath", c.txtPath}, {"Command3", c.Command3}, {"lblPB", c.lblPB},
        {"lblWeb", c.lblWeb},   {"lblFeed", c.lblFeed},
    };
    for (const auto& [name, widget] : named) {
        if (key == QLatin1String(name))
            return widget;
    }
    return nullptr;
}

// The controls with words, in the states the window passes through on a
// batch the user stops: what each shows and whether it can be used.
struct Row
{
    const char* state;
    const char* control;
    const char* caption;
    bool enabled;
};
constexpr Row kRows[] = {
    {"welcome", "picDoor", "Drop your videos here, or click to begin.", true},
    {"welcome", "cmdLoad", "Read DVD", true},
    {"welcome", "Drive1", "Select a DVD Drive", true},
    {"welcome", "lblWeb", "www.tarnwick.example", true},
    {"welcome", "lblFeed", "Feedback", true},
    {"queued", "Command3", "Start Ripping Now!", true},
    {"queued", "CmdToolsBar3", "Help", true},
    {"queued", "CmdToolsBar4", "Setting", true},
    {"queued", "LV", "File List", true},
    {"queued", "cmbOF1", "Output Format", true},
    {"queued", "cmbBitrate", "Video Quality (Bitrate - K)", true},
    {"queued", "txtPath", "Output Path", true},
    {"queued", "lblPB", "0%", true},
    {"running", "Command3", "Stop", true},
    {"running", "CmdToolsBar3", "Help", false},
    {"running", "LV", "File List", false},
    {"running", "cmbOF1", "Output Format", false},
    {"running", "txtPath", "Output Path", false},
    {"running", "lblFeed", "Feedback", false},
    {"stopped", "Command3", "Start Ripping Now!", true},
    {"stopped", "lblPB", "Stopped.", true},
    {"stopped", "cmbOF1", "Output Format", true},
    {"stopped", "lblFeed", "Feedback", true},
};

// The rows of a state that the window does not meet, and every control of
// the window a screen reader calls by other words than it shows.
QStringList check(const TestWindow& w, const char* state)
{
    QStringList problems;
    for (const Row& row : kRows) {
        if (qstrcmp(row.state, state) != 0)
            continue;
        const QString where =
            QStringLiteral("%1, %2: ").arg(QLatin1String(state), QLatin1String(row.control));
        QWidget* widget = control(w.c(), QLatin1String(row.control));
        const QString caption = QString::fromUtf8(row.caption);
        // The cover panel's words are in its picture.
        const QString shown =
            widget == w.c().picDoor ? coverText().section(u'\n', 0, 0) : shownCaption(widget);
        if (shown != caption)
            problems << where + QStringLiteral("shows \"%1\"").arg(shown);
        if (widget->isEnabled() != row.enabled || reader(widget)->state().disabled == row.enabled)
            problems << where +
                            (row.enabled ? QStringLiteral("disabled") : QStringLiteral("enabled"));
        const QString name = calledBy(widget);
        if (!name.contains(caption, Qt::CaseInsensitive))
            problems << where + QStringLiteral("called \"%1\"").arg(name);
    }
    for (const QString& problem : misnamed(w.form.get()))
        problems << QLatin1String(state) + QStringLiteral(": ") + problem;
    return problems;
}

} // namespace

class tst_frmMainAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void controlsAreCalledByWhatTheyShow()
    {
        QTemporaryDir dir;
        TestWindow w(standinProgramFolder());
        w.form->show();
        QStringList problems = check(w, "welcome");

        QStringList sources;
        for (const char* name : {"one.mp4", "two.mp4"}) {
            sources << dir.filePath(name);
            QVERIFY(writeFile(sources.last(), "#standin\nwrite-early\nprogress 50\nsleep 20\n"));
        }
        QCOMPARE(drop(w.c().picDoor, *localFilesMime(sources)), Qt::CopyAction);
        w.c().txtPath->setText(dir.filePath("out"));
        problems << check(w, "queued");

        bool seen = false;
        connect(&w.form->objDOS(), &DOSOutputs::ReceiveOutputs, this, [&](const QString& piece) {
            if (!seen && piece.contains("time=")) {
                seen = true;
                problems << check(w, "running");
                w.c().Command3->click(); // Stop
            }
        });
        w.c().Command3->click();
        QTRY_VERIFY_WITH_TIMEOUT(seen && w.form->batch().state() == BatchDriver::State::Idle,
                                 30000);
        problems << check(w, "stopped");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QString why;
        QVERIFY2(w.done(&why), qPrintable(why));
    }

    void optionsDialogControlsAreCalledByWhatTheyShow()
    {
        Options record;
        TestWindow w;
        frmOptions dialog(record, w.program.filePath("options.ini"), w.messages);
        dialog.show();
        QVERIFY2(calledBy(dialog.cmbSR()).contains("Sound Reminder"),
                 qPrintable(calledBy(dialog.cmbSR())));
        const QStringList problems = misnamed(&dialog);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }
};

QTEST_MAIN(tst_frmMainAccessibility)
#include "tst_frmMainAccessibility.moc"
