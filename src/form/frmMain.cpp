#include "form/frmMain.h"

#include "core/SettingsFiles.h"
#include "form/EventHooks.h"
#include "form/Links.h"
#include "form/ListBinding.h"
#include "form/Look.h"
#include "form/Skin.h"
#include "form/frmOptions.h"
#include "seams/Dialogs.h"
#include "seams/Drives.h"
#include "seams/Messages.h"
#include "seams/Shell.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>

#include <array>

namespace tarnwick {

namespace {

// The command behind each toolbar element: imgToolbar 0 to 6 (5 has none)
// and the visible tool buttons 0 to 5.
constexpr std::array<int, 7> kImgToolbarCommands{frmMain::AddFile, frmMain::Remove, frmMain::Options, frmMain::Help,
                                                 frmMain::Exit,    -1,              frmMain::AddFolder};
constexpr std::array<int, 6> kToolButtonCommands{frmMain::AddFile,  frmMain::AddFolder, frmMain::Remove,
                                                 frmMain::Tutorial, frmMain::Options,   frmMain::RemoveAll};

} // namespace

frmMain::frmMain(const Services& services, const QString& programFolder, QWidget* parent)
    : QWidget(parent), m_session(new Session(services, programFolder, this)), m_w(buildMainWidgets(this)),
      m_skin(new Skin(this, m_w))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kProgramTitle);
    // A fixed-size window without maximize or minimize boxes of its own;
    // the skin's own button minimizes it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    m_session->commonDialogs().Init(this);

    m_w.LV->setModel(&m_session->queue());
    m_w.LV->header()->resizeSection(0, MainWidgets::px(6800));
    bindList(m_w.cmbOF1, presets().cmbOF1);
    bindList(m_w.cmbBitrate, presets().cmbBitrate);
    bindList(m_w.cmbRotate, rotation().cmbRotate);
    connect(m_w.txtPath, &QLineEdit::textChanged, m_session, &Session::setOutputFolder);
    connect(m_session, &Session::outputFolderChanged, this, [this](const QString& folder) {
        if (m_w.txtPath->text() != folder)
            m_w.txtPath->setText(folder);
    });

    createActions();
    wireSources();
    wireBatch();
    wireChrome();

    m_session->loadSettings();
    m_w.txtPath->setText(m_session->outputFolder());
    m_w.imgPB->resize(0, m_w.imgPB->height());
    m_w.lblWeb->setText(links::kWebCaption);
    m_w.lblWeb->adjustSize();
    // Positions are laid out in pixels at 15 twips each; Qt scales the
    // whole window for the screen, so no control is moved here.
    applyLook(this, m_w);
}

frmMain::~frmMain() = default;

void frmMain::createActions()
{
    struct Entry {
        const char* name;
        const char* text;
        QKeySequence keys;
        std::function<void()> run;
    };
    const std::array<Entry, CommandCount> table{{
        {"actAddFile", "Add a File", QKeySequence::Open, [this] { sources().AddaFile(); }},
        {"actAddFolder", "Add a Folder", QKeySequence(tr("Ctrl+Shift+O")), [this] { sources().AddaFolder(); }},
        {"actRemove", "Remove", QKeySequence::Delete, [this] { sources().RemoveSelected(selectedRow()); }},
        {"actRemoveAll", "Remove All", QKeySequence(tr("Ctrl+Shift+Del")), [this] { sources().RemoveAll(); }},
        {"actOptions", "Options", QKeySequence::Preferences, [this] { showOptions(); }},
        {"actHelp", "Help", QKeySequence::HelpContents, [this] { ShowHelpFile(); }},
        {"actTutorial", "Tutorial", QKeySequence(), [this] { ShowTutorialPage(); }},
        {"actExit", "Exit", QKeySequence::Quit, [this] { SaveWindowSettings(); }},
        {"actStart", "Start", QKeySequence(tr("Ctrl+Return")), [this] { m_session->StartConversion(); }},
    }};
    for (const Entry& entry : table) {
        auto* action = new QAction(tr(entry.text), this);
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(entry.keys);
        connect(action, &QAction::triggered, this, entry.run);
        m_actions << action;
    }
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

void frmMain::wireChrome()
{
    m_skin->connectHotSpots();
    setMouseTracking(true);
    hooks::onClick(m_w.imgMin, [this] {
        showMinimized();
        Skin::clear(m_w.imgMin);
    });
    hooks::onClick(m_w.imgHelp, [this] { ShowHelpFile(); });
    hooks::onClick(m_w.lblFeed, [this] { SendFeedbackMail(); });
    hooks::onClick(m_w.lblWeb, [this] { ShowProductPage(); });
}

void frmMain::wireSources()
{
    Drives& drives = m_session->services().drives;
    for (const Drive& drive : drives.volumes())
        m_w.Drive1->addItem(drive.displayName, drive.root);
    m_w.Drive1->setCurrentIndex(m_w.Drive1->findData(drives.volumeOf(QDir::currentPath())));

    connect(&sources(), &SourceCommands::hintChanged, this, [this](const QueueHint& hint) { m_w.showHint(hint); });
    m_w.showHint(sources().hint());

    connect(m_w.cmdLoad, &QPushButton::clicked, this, [this] {
        hidePicDoor();
        sources().ReadDisc(m_w.Drive1->currentData().toString());
    });
    for (QToolButton* button : std::as_const(m_w.CmdToolsBar)) {
        const int index = button->property("index").toInt();
        connect(button, &QToolButton::clicked, this, [this, index] { CmdToolsBar_Click(index); });
    }
    for (QLabel* element : std::as_const(m_w.imgToolbar)) {
        const int index = element->property("index").toInt();
        hooks::onClick(element, [this, index] { imgToolbar_Click(index); });
    }
    hooks::onClick(m_w.imgAdd, [this] { sources().AddaFile(); });
    hooks::onClick(m_w.imgRemove, [this] { sources().RemoveSelected(selectedRow()); });
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
    BatchDriver* batch = &m_session->batch();
    hooks::onClick(m_w.imgExit, [this] { SaveWindowSettings(); });
    hooks::onClick(m_w.imgStart, [this] { m_session->StartConversion(); });
    hooks::onClick(m_w.imgConvert, [this] { m_session->StartConversion(); });
    connect(m_w.Command3, &QPushButton::clicked, m_session, &Session::Command3_Click);
    connect(batch, &BatchDriver::settingsEnabledChanged, this, [this](bool on) { m_w.setSettingsEnabled(on); });
    connect(batch, &BatchDriver::queueControlsEnabledChanged, this,
            [this](bool on) { m_w.setQueueControlsEnabled(on); });
    connect(batch, &BatchDriver::batchDone, this, [this] { m_w.showBatchDone(); });
    connect(&m_session->converter().monitor(), &ConversionMonitor::displayChanged, this,
            [this](const ProgressDisplay& display) { m_w.showProgress(display); });
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

void frmMain::ShowHelpFile()
{
    m_session->services().shell.openPath(links::helpFile(programFolder()));
    Skin::clear(m_w.imgHelp);
}

void frmMain::ShowTutorialPage()
{
    m_session->services().shell.openAddress(links::tutorialPage(programFolder()));
}

void frmMain::ShowProductPage()
{
    m_session->services().shell.openAddress(links::productPage(programFolder()));
}

void frmMain::SendFeedbackMail()
{
    m_session->services().shell.openAddress(links::feedbackMail());
}

void frmMain::SaveWindowSettings()
{
    m_session->saveWindowSettings();
    close();
}

void frmMain::showOptions()
{
    frmOptions dialog(options(), settingsFile(SettingsFiles::kOptionsFile), m_session->services().messages, this);
    dialog.exec();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Leaving in the middle of a batch: stop the encoder and drop what it
    // had not finished, so no truncated file is left looking finished.
    m_session->shutDown();
    QWidget::closeEvent(event);
}

void frmMain::BrowseOutputFolder()
{
    // A cancelled browser keeps the folder the user had.
    if (const auto folder = m_session->services().dialogs.browseFolder(kFolderPrompt))
        m_w.txtPath->setText(*folder);
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
