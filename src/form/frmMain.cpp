#include "form/frmMain.h"

#include "form/BatchWindowSteps.h"
#include "help/ChmViewerQuery.h"
#include "settings/SettingsFiles.h"
#include "process/SignalExit.h"
#include "form/EventHooks.h"
#include "help/Links.h"
#include "form/ListBinding.h"
#include "form/MadeForMenu.h"
#include "form/SkinStyle.h"
#include "form/ReadingDirection.h"
#include "form/RowProgressDelegate.h"
#include "form/Skin.h"
#include "form/frmOptions.h"
#include "platform/Dialogs.h"
#include "platform/Drives.h"
#include "platform/Messages.h"
#include "platform/Shell.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>

#include <array>
#include <utility>

namespace tarnwick {

frmMain::frmMain(const Services& services, const QString& programFolder, QWidget* parent)
    : QWidget(parent), m_session(new Session(services, programFolder, this)), m_w(buildMainWidgets(this)),
      m_skin(new Skin(this, m_w)), m_batchSteps(new BatchWindowSteps(*m_session, this)),
      m_inhibitor(new SleepInhibitor(this)), m_chmViewer(new ChmViewerQuery(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kProgramTitle);
    // A fixed-size window without maximize or minimize boxes of its own;
    // the skin's own button minimizes it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    m_session->openFileDialog().Init(this);

    m_w.LV->setModel(&m_session->queue());
    m_w.LV->header()->resizeSection(0, MainWidgets::px(6800));
    m_w.LV->setItemDelegateForColumn(0, new OwnDirectionDelegate(m_w.LV));
    m_w.LV->setItemDelegateForColumn(1, new RowProgressDelegate(m_w.LV));
    bindList(m_w.cmbOF1, presets().visibleFormat, OutputPresets::kCaptionContext);
    bindList(m_w.cmbBitrate, presets().bitrate);
    bindList(m_w.cmbRotate, rotation().choices, Rotation::kCaptionContext);
    // The session owns the output folder: the box tells it what is typed
    // and shows what it holds, without telling it back.
    connect(m_w.txtPath, &QLineEdit::textChanged, m_session, &Session::setOutputFolder);
    connect(m_session, &Session::outputFolderChanged, this, [this](const QString& folder) {
        if (m_w.txtPath->text() == folder)
            return; // what was typed: the cursor stays where it is
        const QSignalBlocker quiet(m_w.txtPath);
        m_w.txtPath->setText(folder);
    });

    batch().setLanes(m_programSettings.conversionsAtOnce());
    createActions();
    createMenu();
    m_w.describeForAssistiveTools();
    wireSources();
    wireBatch();
    wireChrome();
    wireDesktop();

    const QString state = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    m_session->keepJournal(state + QStringLiteral("/batch.journal"));
    m_session->keepLogs(state + QStringLiteral("/logs"));
    m_session->loadSettings();
    m_madeForMenu->restore();
    m_w.imgPB->resize(0, m_w.imgPB->height());
    m_w.lblWeb->setText(links::kWebCaption);
    m_w.lblWeb->adjustSize();
    // Positions are laid out in pixels at 15 twips each; Qt scales the
    // whole window for the screen, so no control is moved for it. A
    // right-to-left language moves each to its mirror image, once the look
    // has sized the captions.
    applySkinStyle(this, m_w);
    mirrorLayout(this);
}

frmMain::~frmMain() = default;

void frmMain::wireChrome()
{
    m_skin->connectHotSpots();
    setMouseTracking(true);
    hooks::onClick(m_w.imgMin, [this] {
        showMinimized();
        Skin::clear(m_w.imgMin);
    });
    hooks::onClick(m_w.imgHelp, [this] { action(Help)->trigger(); });
    hooks::onClick(m_w.lblFeed, [this] { action(Feedback)->trigger(); });
    hooks::onClick(m_w.lblWeb, [this] { action(ProductPage)->trigger(); });
    connect(m_chmViewer, &ChmViewerQuery::answered, this, [this](bool chmViewer) {
        if (std::exchange(m_helpAsked, false))
            openHelp(chmViewer);
    });
}

void frmMain::wireSources()
{
    Drives& drives = m_session->services().drives;
    for (const Drive& drive : drives.volumes())
        m_w.Drive1->addItem(inOwnDirection(drive.displayName), drive.root);
    m_w.Drive1->setCurrentIndex(m_w.Drive1->findData(drives.volumeOf(QDir::currentPath())));

    connect(&sources(), &SourceCommands::hintChanged, this, [this](const QueueHint& hint) { m_w.showHint(hint); });
    m_w.showHint(sources().hint());

    connect(m_w.cmdLoad, &QPushButton::clicked, this, [this] {
        hidePicDoor();
        sources().readDisc(m_w.Drive1->currentData().toString());
    });
    for (QToolButton* button : std::as_const(m_w.CmdToolsBar)) {
        const int index = button->property("index").toInt();
        connect(button, &QToolButton::clicked, this, [this, index] { CmdToolsBar_Click(index); });
    }
    for (QLabel* element : std::as_const(m_w.imgToolbar)) {
        const int index = element->property("index").toInt();
        hooks::onClick(element, [this, index] { imgToolbar_Click(index); });
    }
    hooks::onClick(m_w.imgAdd, [this] { action(AddFile)->trigger(); });
    hooks::onClick(m_w.imgRemove, [this] { action(Remove)->trigger(); });
    hooks::onClick(m_w.imgBrowse, [this] { BrowseOutputFolder(); });
    hooks::onClick(m_w.txtPath, [this] { BrowseOutputFolder(); });
    connect(m_w.cmdBrowse, &QPushButton::clicked, this, &frmMain::BrowseOutputFolder);

    const auto drop = [this](const QMimeData* data) { sources().handleDrop(data); };
    hooks::onDrop(m_w.LV->viewport(), drop);
    hooks::onDrop(m_w.picDrag, drop);
    hooks::onDrop(m_w.picDoor, [this, drop](const QMimeData* data) {
        hidePicDoor();
        drop(data);
    });
    hooks::onClick(m_w.picDoor, [this] { hidePicDoor(); });
    hooks::onClick(m_w.picDrag, [this] { sources().pickDropZoneFile(); });
}

void frmMain::wireBatch()
{
    hooks::onClick(m_w.imgExit, [this] { action(Exit)->trigger(); });
    hooks::onClick(m_w.imgStart, [this] { m_session->startBatch(); });
    hooks::onClick(m_w.imgConvert, [this] { m_session->startBatch(); });
    connect(m_w.Command3, &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(m_batchSteps, &BatchWindowSteps::settingsEnabledChanged, this, [this](bool on) {
        m_w.setSettingsEnabled(on);
        showCopyLocks();
    });
    // After the binding's own handler, which chooses the format.
    connect(m_w.cmbOF1, &QComboBox::activated, this, &frmMain::showCopyLocks);
    connect(m_batchSteps, &BatchWindowSteps::queueControlsEnabledChanged, this, [this](bool on) {
        m_w.setQueueControlsEnabled(on);
        m_lanesMenu->setEnabled(on); // a batch keeps the lanes it began with
        // While the batch runs the start button stops it.
        m_w.Command3->setEnabled(true);
        // No name of its own: a screen reader says the caption, whichever it shows.
        m_w.Command3->setText(on ? MainWidgets::startCaption() : tr("Stop"));
        action(Stop)->setEnabled(!on);
        action(Start)->setEnabled(on);
    });
    connect(m_batchSteps, &BatchWindowSteps::batchEnded, this,
            [this](const QString& caption) { m_w.showBatchEnd(caption); });
    // The whole batch: file k of n and the time left beside the bar, the
    // share done in the title for the taskbar.
    BatchProgress* progress = &m_session->progress();
    connect(progress, &BatchProgress::changed, this, [this](const BatchStatus& status) {
        m_w.showBatchStatus(&status);
        setWindowTitle(QStringLiteral("%1% \u2014 %2").arg(int(status.percent)).arg(kProgramTitle));
    });
    connect(progress, &BatchProgress::ended, this, [this] {
        m_w.showBatchStatus(nullptr);
        setWindowTitle(kProgramTitle);
    });
    connect(progress, &BatchProgress::barChanged, this, [this](double percent) { m_w.showProgress(percent); });
    connect(progress, &BatchProgress::barEmptied, this, [this] { m_w.emptyBar(); });
}

void frmMain::Command3_Click()
{
    m_batchSteps->startOrStop();
}

// Moves and presses that a control ignored reach the window too; only
// those over the bare background count as the background's.
bool frmMain::onBackground(const QPointF& position) const
{
    const QPoint at = position.toPoint();
    return rect().contains(at) && !childAt(at);
}

void frmMain::mouseMoveEvent(QMouseEvent* event)
{
    if (onBackground(event->position()))
        m_skin->backgroundMove();
    QWidget::mouseMoveEvent(event);
}

void frmMain::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && windowHandle() && onBackground(event->position()))
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

// Which help opens is the desktop's answer, which may be slow to come: the
// help opens when it does, once however often Help was clicked meanwhile,
// and the window goes on in between.
void frmMain::ShowHelpFile()
{
    if (const auto chmViewer = m_chmViewer->answerOrAsk())
        openHelp(*chmViewer);
    else
        m_helpAsked = true;
    Skin::clear(m_w.imgHelp);
}

// help.chm where the desktop has a viewer for it, the same pages as HTML in
// the browser otherwise.
void frmMain::openHelp(bool chmViewer)
{
    Shell& shell = m_session->services().shell;
    const bool opened = (chmViewer && shell.openPath(links::helpFile(programFolder()))) ||
                        shell.openPath(links::helpIndex(programFolder()));
    openOrSay(opened, tr("Nothing on this desktop opens the help. It is at:\n\n%1")
                          .arg(links::helpIndex(programFolder())));
}

void frmMain::ShowTutorialPage()
{
    const QString page = links::tutorialPage(programFolder());
    openOrSay(m_session->services().shell.openAddress(page),
              tr("Nothing on this desktop opens the tutorial. It is at:\n\n%1").arg(page));
}

void frmMain::ShowProductPage()
{
    const QString page = links::productPage();
    openOrSay(m_session->services().shell.openAddress(page),
              tr("Nothing on this desktop opens the product page. It is at:\n\n%1").arg(page));
}

void frmMain::SendFeedbackMail()
{
    openOrSay(m_session->services().shell.openAddress(links::feedbackMail()),
              tr("Nothing on this desktop opens the mail program. It is at:\n\n%1")
                  .arg(links::kFeedbackMailbox));
}

void frmMain::SaveWindowSettings()
{
    close();
}

void frmMain::showOptions()
{
    frmOptions dialog(options(), settingsFile(SettingsFiles::kOptionsFile), m_session->services().messages, this);
    dialog.exec();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // However the window closes, the user's choices are kept. Leaving in the
    // middle of a batch stops the encoder and drops what it had not
    // finished, so no truncated file is left looking finished.
    m_session->saveWindowSettings();
    m_session->shutDown();
    QWidget::closeEvent(event);
}

void frmMain::BrowseOutputFolder()
{
    // A cancelled browser keeps the folder the user had.
    if (const auto folder = m_session->services().dialogs.browseFolder(folderPrompt()))
        m_session->setOutputFolder(*folder);
}

void frmMain::closeOnTermination(SignalExit& termination)
{
    connect(&termination, &SignalExit::received, this, [this] {
        close();
        QCoreApplication::exit(0);
    });
}

void frmMain::hidePicDoor()
{
    m_w.picDoor->hide();
}

int frmMain::selectedRow() const
{
    const QModelIndexList rows = m_w.LV->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace tarnwick
