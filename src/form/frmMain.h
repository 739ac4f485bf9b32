#pragma once

#include "settings/ProgramSettings.h"
#include "session/Session.h"
#include "desktop/DesktopServices.h"
#include "form/MainWidgets.h"

#include <QWidget>

class QAction;
class QMenu;

namespace tarnwick {

class BatchWindowSteps;
class ChmViewerQuery;
class HandOver;
class RateMenu;
class MadeForMenu;
class SignalExit;
class Skin;

// The main window: a view over a session. It wires widget signals to the
// session's operations and shows the session's state in widgets; the rules
// live in the session and the classes it owns.
class frmMain : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    // The client area is laid out in twips at 15 twips per pixel.
    static constexpr int kClientWidth = 8490 / 15;
    static constexpr int kClientHeight = 7050 / 15;

    // The window's commands, each one QAction.
    enum Command {
        AddFile,
        AddFolder,
        Remove,
        RemoveAll,
        ReadDisc,
        Start,
        Options,
        Help,
        Tutorial,
        ProductPage,
        Feedback,
        OpenLogs,
        Stop,
        Exit,
        CommandCount
    };

    frmMain(const Services& services, const QString& programFolder, QWidget* parent = nullptr);
    ~frmMain() override;

    Session& session() { return *m_session; }
    const QString& programFolder() const { return m_session->programFolder(); }
    const MainWidgets& widgets() const { return m_w; }
    Queue& queue() { return m_session->queue(); }
    SourceCommands& sources() { return m_session->sources(); }
    OutputPresets& presets() { return m_session->presets(); }
    Rotation& rotation() { return m_session->rotation(); }
    ProcessRunner& objDOS() { return m_session->converter().encoderRunner(); }
    ProcessRunner& objffmpeg() { return m_session->converter().probeRunner(); }
    BatchDriver& batch() { return m_session->batch(); }
    BatchWindowSteps& batchSteps() { return *m_batchSteps; }
    tarnwick::Options& options() { return m_session->options(); }
    QAction* action(Command command) const { return m_actions.at(command); }
    // Every command, as the context menu and the menu button offer them.
    QMenu* commandMenu() const { return m_menu; }
    QMenu* rotateMenu() const { return m_rotateMenu; }
    // "Time Range..." for the selected row: the first entry of the command
    // menu when it opens over a row of the queue, and only then.
    QAction* timeRangeAction() const { return m_timeRange; }
    // How many files convert at once: 1 up to the cores, or Automatic.
    QMenu* lanesMenu() const { return m_lanesMenu; }
    // Constant quality and a target size instead of the bitrate.
    RateMenu* rateMenu() const { return m_rateMenu; }
    QMenu* outputMenu() const { return m_outputMenu; }
    MadeForMenu* madeForMenu() const { return m_madeForMenu; }
    Skin& skin() { return *m_skin; }
    SleepInhibitor& inhibitor() { return *m_inhibitor; }

    // Closes the window, which writes setup.ini: Exit, Quit and the close
    // box all leave the same file.
    void SaveWindowSettings();
    void showOptions();
    QString settingsFile(const QString& name) const { return m_session->settingsFile(name); }

    void ShowHelpFile();
    void ShowTutorialPage();
    void ShowProductPage();
    void SendFeedbackMail();

    void imgToolbar_Click(int index);
    void CmdToolsBar_Click(int index);
    void Command3_Click();
    void BrowseOutputFolder();
    void hidePicDoor();
    // A termination signal ends the program as Exit does: the window
    // closes (settings written, encoder stopped, its output removed) and
    // the application leaves its event loops.
    void closeOnTermination(SignalExit& termination);
    // Files the program was started with, or handed by a second start:
    // queued as a drop queues them, the window brought to the front.
    void openGiven(const QStringList& paths);
    // What the window starts with once it is shown: the files a batch cut
    // short left, if the user wants them again, then the files it was given.
    // Files queued either way are shown at once, as dropped ones are.
    void startWith(const QStringList& given);
    void takeHandOvers(HandOver& handOver);

protected:
    void closeEvent(QCloseEvent* event) override;
    // The bare background: a move clears every highlight, a press drags the window.
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool onBackground(const QPointF& position) const;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createActions();
    void createMenu();
    void createRotateMenu();
    void createOutputMenu();
    void createLoudnessMenu();
    void createLanesMenu();
    void createRowEntries();
    void showCopyLocks();
    // Opens a file or page, or says where it is when nothing on the desktop opens it.
    void openOrSay(bool opened, const QString& message);
    void openHelp(bool chmViewer);
    void wireSources();
    void wireBatch();
    void wireChrome();
    void wireDesktop();
    int selectedRow() const;

    Session* m_session;
    MainWidgets m_w;
    Skin* m_skin;
    QList<QAction*> m_actions;
    QMenu* m_menu = nullptr;
    QMenu* m_rotateMenu = nullptr;
    QMenu* m_lanesMenu = nullptr;
    QAction* m_timeRange = nullptr;
    bool m_menuForRow = false; // the next opening of the menu is over a row
    RateMenu* m_rateMenu = nullptr;
    QMenu* m_outputMenu = nullptr;
    MadeForMenu* m_madeForMenu = nullptr;
    ProgramSettings m_programSettings;
    BatchWindowSteps* m_batchSteps;
    DesktopNotifier m_notifier;
    SleepInhibitor* m_inhibitor;
    LauncherEntry m_launcher;
    ChmViewerQuery* m_chmViewer;
    bool m_helpAsked = false; // Help waits for the desktop's answer
};

} // namespace tarnwick
