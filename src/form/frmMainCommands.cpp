#include "form/frmMain.h"

#include "form/MadeForMenu.h"
#include "form/MainWidgets.h"
#include "form/RateMenu.h"
#include "platform/Messages.h"
#include "platform/Shell.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <QTreeView>

#include <array>
#include <functional>
#include <utility>

// The window's commands: one action each, with its shortcut, in the
// context menu and the menu button, and behind the toolbar's elements.

namespace tarnwick {

namespace {

// The command behind each toolbar element: imgToolbar 0 to 6 (5 has none)
// and the visible tool buttons 0 to 5.
constexpr std::array<int, 7> kImgToolbarCommands{frmMain::AddFile, frmMain::Remove, frmMain::Options, frmMain::Help,
                                                 frmMain::Exit,    -1,              frmMain::AddFolder};
constexpr std::array<int, 6> kToolButtonCommands{frmMain::AddFile,  frmMain::AddFolder, frmMain::Remove,
                                                 frmMain::Tutorial, frmMain::Options,   frmMain::RemoveAll};

// The platform's key for a standard command; some desktops define none
// for a few (no Preferences key without a desktop theme), and the command
// still wants one.
QKeySequence standardOr(QKeySequence::StandardKey key, const char* fallback)
{
    const QKeySequence standard(key);
    return standard.isEmpty() ? QKeySequence(QString::fromLatin1(fallback)) : standard;
}

} // namespace

void frmMain::createActions()
{
    struct Entry {
        const char* name;
        const char* text;
        QKeySequence keys;
        std::function<void()> run;
    };
    const std::array<Entry, CommandCount> table{{
        {"actAddFile", QT_TR_NOOP("Add a File"), QKeySequence::Open,
         [this] { sources().chooseFiles(); }},
        {"actAddFolder", QT_TR_NOOP("Add a Folder"), QKeySequence(tr("Ctrl+Shift+O")),
         [this] { sources().chooseFolder(); }},
        {"actRemove", QT_TR_NOOP("Remove"), QKeySequence::Delete,
         [this] { sources().removeSelected(selectedRow()); }},
        {"actRemoveAll", QT_TR_NOOP("Remove All"), QKeySequence(tr("Ctrl+Shift+Del")),
         [this] { sources().removeAll(); }},
        {"actReadDisc", QT_TR_NOOP("Read DVD"), QKeySequence(tr("Ctrl+D")),
         [this] { m_w.cmdLoad->click(); }},
        {"actStart", QT_TR_NOOP("Start"), QKeySequence(tr("Ctrl+Return")),
         [this] { m_w.Command3->click(); }},
        {"actOptions", QT_TR_NOOP("Options..."), standardOr(QKeySequence::Preferences, "Ctrl+,"),
         [this] { showOptions(); }},
        {"actHelp", QT_TR_NOOP("Help"), QKeySequence::HelpContents, [this] { ShowHelpFile(); }},
        {"actTutorial", QT_TR_NOOP("Tutorial"), QKeySequence(tr("Ctrl+T")),
         [this] { ShowTutorialPage(); }},
        {"actProductPage", QT_TR_NOOP("Product Page"), QKeySequence(tr("Ctrl+Shift+W")),
         [this] { ShowProductPage(); }},
        {"actFeedback", QT_TR_NOOP("Send Feedback"), QKeySequence(tr("Ctrl+Shift+F")),
         [this] { SendFeedbackMail(); }},
        {"actOpenLogs", QT_TR_NOOP("Open the Logs Folder"), QKeySequence(tr("Ctrl+L")),
         [this] {
             QDir().mkpath(m_session->logsFolder());
             openOrSay(m_session->services().shell.openPath(m_session->logsFolder()),
                       tr("Nothing on this desktop opens the logs folder. It is at:\n\n%1")
                           .arg(m_session->logsFolder()));
         }},
        {"actStop", QT_TR_NOOP("Stop"), QKeySequence(Qt::Key_Escape),
         [this] { m_session->batch().stop(); }},
        {"actExit", QT_TR_NOOP("Exit"), standardOr(QKeySequence::Quit, "Ctrl+Q"),
         [this] { SaveWindowSettings(); }},
    }};
    for (const Entry& entry : table) {
        auto* action = new QAction(tr(entry.text), this);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(entry.keys);
        connect(action, &QAction::triggered, this, entry.run);
        m_actions << action;
    }
    // The window holds them all, so each shortcut works wherever the focus is.
    addActions(m_actions);
    m_actions.at(Stop)->setEnabled(false);
}

void frmMain::createMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("commandMenu"));
    for (int i = 0; i < CommandCount; ++i) {
        if (i == ReadDisc || i == Options || i == Stop)
            m_menu->addSeparator();
        m_menu->addAction(m_actions.at(i));
    }
    createRotateMenu();
    createLanesMenu();
    createRowEntries();
    m_w.btnMenu->setMenu(m_menu);
    // The list's menu acts on the row under the pointer.
    m_w.LV->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_w.LV, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex row = m_w.LV->indexAt(at);
        if (row.isValid())
            m_w.LV->setCurrentIndex(row);
        m_menuForRow = row.isValid();
        m_menu->popup(m_w.LV->viewport()->mapToGlobal(at));
    });
}

// What is done to one file heads the menu opened over its row, and is
// not there when it opens anywhere else.
void frmMain::createRowEntries()
{
    m_timeRange = new QAction(tr("Time Range..."), this);
    m_timeRange->setObjectName(QStringLiteral("actTimeRange"));
    connect(m_timeRange, &QAction::triggered, this, [this] { sources().chooseTimeRange(selectedRow()); });
    QAction* first = m_menu->actions().value(0);
    m_menu->insertAction(first, m_timeRange);
    QAction* separator = m_menu->insertSeparator(first);
    connect(m_menu, &QMenu::aboutToShow, this, [this, separator] {
        m_timeRange->setVisible(std::exchange(m_menuForRow, false));
        separator->setVisible(m_timeRange->isVisible());
    });
    m_timeRange->setVisible(false);
    separator->setVisible(false);
}

// The rotation choice, which the layout keeps out of sight: one checkable
// entry a choice, each selecting that position as a choice in cmbRotate does.
void frmMain::createRotateMenu()
{
    m_rotateMenu = m_menu->addMenu(tr("Rotate"));
    m_rotateMenu->setObjectName(QStringLiteral("menuRotate"));
    auto* group = new QActionGroup(m_rotateMenu);
    EditableList& choice = rotation().choices;
    for (int i = 0; i < choice.count(); ++i) {
        QAction* entry = m_rotateMenu->addAction(QCoreApplication::translate(
            Rotation::kCaptionContext, choice.entries().at(i).toUtf8().constData()));
        entry->setObjectName(QStringLiteral("actRotate%1").arg(i));
        entry->setCheckable(true);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, i] { rotation().choices.select(i); });
    }
    const auto showChoice = [this, group](int position) {
        if (position >= 0 && position < group->actions().size())
            group->actions().at(position)->setChecked(true);
    };
    connect(m_w.cmbRotate, &QComboBox::currentIndexChanged, this, showChoice);
    showChoice(m_w.cmbRotate->currentIndex());

    createOutputMenu();
}

// The conversion's choices beyond the format, bitrate and rotation, in a
// submenu of their own so the menu stays short.
// The loudness every file's sound is brought to, or each its own ("Off").
void frmMain::createLoudnessMenu()
{
    QMenu* menu = m_outputMenu->addMenu(tr("Even Loudness"));
    menu->setObjectName(QStringLiteral("menuLoudness"));
    auto* group = new QActionGroup(menu);
    const std::optional<double> chosen = m_session->loudness().lufs;
    const std::array<std::pair<const char*, std::optional<double>>, 4> choices{{
        {QT_TR_NOOP("Off"), std::nullopt},
        {QT_TR_NOOP("Broadcast, EBU R128 (-23 LUFS)"), LoudnessTarget::kEbu},
        {QT_TR_NOOP("Podcast (-16 LUFS)"), LoudnessTarget::kPodcast},
        {QT_TR_NOOP("Streaming (-14 LUFS)"), LoudnessTarget::kStream},
    }};
    for (const auto& [caption, lufs] : choices) {
        QAction* entry = menu->addAction(tr(caption));
        entry->setCheckable(true);
        entry->setChecked(lufs == chosen);
        group->addAction(entry);
        connect(entry, &QAction::triggered, m_session, [this, lufs] { m_session->setLoudness({lufs}); });
    }
}

void frmMain::createOutputMenu()
{
    m_outputMenu = m_menu->addMenu(tr("Output"));
    m_outputMenu->setObjectName(QStringLiteral("menuOutput"));
    auto* web = m_outputMenu->addAction(tr("Made for the Web"));
    web->setObjectName(QStringLiteral("actWebOptimized"));
    web->setCheckable(true);
    web->setChecked(m_session->webOptimized());
    web->setToolTip(tr("MP4 and MOV files with their index at the front, so that a browser plays them as they arrive"));
    connect(web, &QAction::toggled, m_session, &Session::setWebOptimized);

    auto* sdr = m_outputMenu->addAction(tr("HDR to SDR"));
    sdr->setObjectName(QStringLiteral("actHdrToSdr"));
    sdr->setCheckable(true);
    sdr->setChecked(m_session->hdrToSdr());
    sdr->setToolTip(tr("HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, "
                       "which otherwise keep it in HDR"));
    connect(sdr, &QAction::toggled, m_session, &Session::setHdrToSdr);

    auto* crop = m_outputMenu->addAction(tr("Crop Black Bars"));
    crop->setObjectName(QStringLiteral("actCropBlackBars"));
    crop->setCheckable(true);
    crop->setChecked(m_session->cropBlackBars());
    crop->setToolTip(tr("Each picture cropped to what lies inside its letterbox or pillarbox bars"));
    connect(crop, &QAction::toggled, m_session, &Session::setCropBlackBars);
    createLoudnessMenu();
    m_rateMenu = new RateMenu(m_outputMenu, m_w, *m_session, this);
    m_outputMenu->addSeparator();
    m_madeForMenu = new MadeForMenu(m_outputMenu, *m_session, web, this);
}

// A copy encodes nothing: its bitrate and rotation are greyed, the
// rotation held at None.
void frmMain::showCopyLocks()
{
    const bool apply = m_session->pictureChoicesApply();
    if (!apply)
        m_session->setRotationChoice(RotationChoice::None);
    const bool open = m_w.cmbOF1->isEnabled() && apply;
    m_w.cmbBitrate->setEnabled(open);
    m_w.cmbRotate->setEnabled(open);
    m_rotateMenu->setEnabled(open);
}

// One checkable entry a count, from 1 to the cores, and Automatic (0):
// one per core wherever the program runs. The choice is kept in
// Tarnwick.conf and taken by the next batch.
void frmMain::createLanesMenu()
{
    m_lanesMenu = m_menu->addMenu(tr("Conversions at Once"));
    m_lanesMenu->setObjectName(QStringLiteral("menuConversionsAtOnce"));
    auto* group = new QActionGroup(m_lanesMenu);
    const int cores = qMax(1, QThread::idealThreadCount());
    const int chosen = batch().lanes();
    for (int lanes = 1; lanes <= cores + 1; ++lanes) {
        const int value = lanes <= cores ? lanes : 0;
        QAction* entry = m_lanesMenu->addAction(value ? QString::number(value) : tr("Automatic"));
        entry->setObjectName(value ? QStringLiteral("actLanes%1").arg(value) : QStringLiteral("actLanesAutomatic"));
        entry->setCheckable(true);
        entry->setChecked(value == chosen);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, value] {
            m_programSettings.setConversionsAtOnce(value);
            batch().setLanes(value);
        });
    }
}

// The background and the cover panel (which passes the event on).
void frmMain::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
    event->accept();
}

void frmMain::openOrSay(bool opened, const QString& message)
{
    if (!opened)
        m_session->services().messages.show(message, kProgramTitle, MessageIcon::Information);
}

void frmMain::imgToolbar_Click(int index)
{
    if (index >= 0 && index < int(kImgToolbarCommands.size()) && kImgToolbarCommands[index] >= 0)
        action(Command(kImgToolbarCommands[index]))->trigger();
}

void frmMain::CmdToolsBar_Click(int index)
{
    hidePicDoor();
    if (index >= 0 && index < int(kToolButtonCommands.size()))
        action(Command(kToolButtonCommands[index]))->trigger();
}

} // namespace tarnwick
