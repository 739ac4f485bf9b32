#include "form/frmMain.h"

#include "conversion/ConversionMonitor.h"
#include "conversion/TemporaryFolder.h"
#include "form/SettingsFiles.h"
#include "form/frmOptions.h"
#include "form/Links.h"
#include "form/Skin.h"
#include "form/Look.h"
#include "form/EventHooks.h"
#include "form/ListBinding.h"
#include "process/DOSOutputs.h"
#include "process/Messages.h"
#include "process/Shell.h"
#include "process/UiYield.h"
#include "sources/Drives.h"
#include "sources/Queue.h"
#include "sources/SourceCommands.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

#include <memory>

namespace tarnwick {

frmMain::frmMain(const Services& services, const QString& programFolder, QWidget* parent)
    : QWidget(parent), m_services(services), m_programFolder(programFolder),
      m_w(buildMainWidgets(this)), m_queue(new Queue(this)), m_commonDialogs(services.dialogs),
      m_sources(new SourceCommands(*m_queue, m_commonDialogs, services.dialogs, services.drives,
                                   services.messages, programFolder, this)),
      m_rotation([yield = std::make_shared<UiYield>()] { (*yield)(); }),
      m_objDOS(new DOSOutputs(services.messages, this)),
      m_objffmpeg(new DOSOutputs(services.messages, this)),
      m_monitor(new ConversionMonitor(*m_queue, this)),
      m_batch(new BatchDriver({*m_queue, *m_objDOS, *m_objffmpeg, *m_monitor, m_rotation, m_presets,
                               m_options, *this, services.shell, services.messages},
                              programFolder, this)),
      m_skin(new Skin(this, m_w))
{
    setObjectName(QStringLiteral("frmMain"));
    m_objDOS->setObjectName(QStringLiteral("objDOS"));
    m_objffmpeg->setObjectName(QStringLiteral("objffmpeg"));
    setWindowTitle(kProgramTitle);
    // A fixed-size window without maximize or minimize boxes of its own;
    // the skin's own button minimizes it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    m_commonDialogs.Init(this);

    m_w.LV->setModel(m_queue);
    m_w.LV->header()->resizeSection(0, MainWidgets::px(6800));
    bindList(m_w.cmbOF1, m_presets.cmbOF1);
    bindList(m_w.cmbBitrate, m_presets.cmbBitrate);
    bindList(m_w.cmbRotate, m_rotation.cmbRotate);

    connect(m_monitor, &ConversionMonitor::displayChanged, this, &frmMain::showProgress);
    wireSources();
    wireBatch();
    wireChrome();
    startUp();
}

void frmMain::startUp()
{
    m_presets.cmbBitrate.select(2);
    m_rotation.cmbRotate.select(0);
    QCoreApplication::processEvents();
    m_w.imgPB->resize(0, m_w.imgPB->height());
    m_presets.cmbBR.select(7);
    m_presets.cmbR.select(1);
    m_presets.cmbChannel.select(1);
    m_presets.cmbOF.select(0);
    const QString defaultOutput = m_programFolder + QDir::separator() + QStringLiteral("output");
    m_w.txtPath->setText(defaultOutput);

    // What can be read is applied; a position naming no entry leaves its list alone.
    if (const auto content = SettingsFiles::readFile(settingsFile(SettingsFiles::kSetupFile))) {
        const SettingsFiles::ReadSetup read = SettingsFiles::parseSetup(*content);
        const auto apply = [](EditableList& list, std::optional<qint16> position) {
            if (position && *position >= 0 && *position < list.count())
                list.select(*position);
        };
        apply(m_presets.cmbBR, read.cmbBR);
        apply(m_presets.cmbR, read.cmbR);
        apply(m_presets.cmbChannel, read.cmbChannel);
        if (read.txtPath)
            m_w.txtPath->setText(*read.txtPath);
        apply(m_presets.cmbOF, read.cmbOF);
    }
    if (m_w.txtPath->text().isEmpty())
        m_w.txtPath->setText(defaultOutput);
    setWindowTitle(kProgramTitle);
    m_w.lblWeb->setText(links::kWebCaption);
    m_w.lblWeb->adjustSize();

    if (const auto content = SettingsFiles::readFile(settingsFile(SettingsFiles::kOptionsFile))) {
        const SettingsFiles::ReadOptions read = SettingsFiles::parseOptions(*content);
        m_options.SoundReminder = read.SoundReminder.value_or(m_options.SoundReminder);
        m_options.MusicCutter = read.MusicCutter.value_or(m_options.MusicCutter);
        m_options.CutFromSeconds = read.CutFromSeconds.value_or(m_options.CutFromSeconds);
        m_options.CutToSeconds = read.CutToSeconds.value_or(m_options.CutToSeconds);
    }
    m_options.SoundReminder = 0;
    m_options.MusicCutter = 0;
    m_presets.cmbOF1.select(0);
    m_presets.cmbOF.select(4);
    // Positions are laid out in pixels at 15 twips each; Qt scales the
    // whole window for the screen, so no control is moved here.
    applyLook(this, m_w);
    m_rotation.cmbRotate.select(5);
}

void frmMain::wireChrome()
{
    for (QLabel* spot : {m_w.imgBrowse, m_w.imgConvert, m_w.imgExit, m_w.imgHelp, m_w.imgMin}) {
        hooks::onMouseMove(spot, [this, spot](QMouseEvent*) { m_skin->hover(spot); });
    }
    for (QLabel* spot : {m_w.imgBrowse, m_w.imgConvert, m_w.imgAdd, m_w.imgRemove, m_w.imgStart})
        hooks::onPress(spot, [this, spot] { m_skin->press(spot); });
    for (int i = 0; i < m_w.imgToolbar.size(); ++i) {
        hooks::onMouseMove(m_w.imgToolbar.at(i), [this, i](QMouseEvent*) { m_skin->toolbarHover(i); });
        hooks::onPress(m_w.imgToolbar.at(i), [this] { m_skin->toolbarPress(); });
    }
    hooks::onMouseMove(m_w.lblFeed, [this](QMouseEvent*) {
        QFont font = m_w.lblFeed->font();
        font.setBold(true);
        m_w.lblFeed->setFont(font);
    });
    setMouseTracking(true);
    hooks::onClick(m_w.imgMin, [this] {
        showMinimized();
        Skin::clear(m_w.imgMin);
    });
    hooks::onClick(m_w.imgHelp, [this] { ShowHelpFile(); });
    hooks::onClick(m_w.lblFeed, [this] { SendFeedbackMail(); });
    hooks::onClick(m_w.lblWeb, [this] { ShowProductPage(); });
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
    m_services.shell.openPath(links::helpFile(m_programFolder));
    Skin::clear(m_w.imgHelp);
}

void frmMain::ShowTutorialPage()
{
    m_services.shell.openAddress(links::tutorialPage(m_programFolder));
}

void frmMain::ShowProductPage()
{
    m_services.shell.openAddress(links::productPage(m_programFolder));
}

void frmMain::SendFeedbackMail()
{
    m_services.shell.openAddress(links::feedbackMail());
}

QString frmMain::settingsFile(const QString& name) const
{
    return settingsFolder(m_programFolder, QFileInfo(m_programFolder).isWritable()) + QDir::separator() + name;
}

void frmMain::SaveWindowSettings()
{
    SettingsFiles::WindowSettings settings;
    settings.cmbBR = m_presets.cmbBR.position();
    settings.cmbR = m_presets.cmbR.position();
    settings.cmbChannel = m_presets.cmbChannel.position();
    settings.txtPath = m_w.txtPath->text();
    settings.cmbOF = m_presets.cmbOF.position();
    SettingsFiles::writeFileAtomically(settingsFile(SettingsFiles::kSetupFile),
                                       SettingsFiles::formatSetup(settings));
    close();
}

void frmMain::showOptions()
{
    frmOptions dialog(m_options, settingsFile(SettingsFiles::kOptionsFile), m_services.messages, this);
    dialog.exec();
}

frmMain::~frmMain() = default;

void frmMain::wireSources()
{
    for (const Drive& drive : m_services.drives.volumes())
        m_w.Drive1->addItem(drive.displayName, drive.root);
    m_w.Drive1->setCurrentIndex(m_w.Drive1->findData(m_services.drives.volumeOf(QDir::currentPath())));

    connect(m_sources, &SourceCommands::hintChanged, this, &frmMain::showHint);
    showHint(m_sources->hint());

    connect(m_w.cmdLoad, &QPushButton::clicked, this, [this] {
        hidePicDoor();
        m_sources->ReadDisc(m_w.Drive1->currentData().toString());
    });
    for (QToolButton* button : std::as_const(m_w.CmdToolsBar)) {
        const int index = button->property("index").toInt();
        connect(button, &QToolButton::clicked, this, [this, index] { CmdToolsBar_Click(index); });
    }
    for (QLabel* element : std::as_const(m_w.imgToolbar)) {
        const int index = element->property("index").toInt();
        hooks::onClick(element, [this, index] { imgToolbar_Click(index); });
    }
    hooks::onClick(m_w.imgAdd, [this] { m_sources->AddaFile(); });
    hooks::onClick(m_w.imgRemove, [this] { m_sources->RemoveSelected(selectedRow()); });
    hooks::onClick(m_w.imgBrowse, [this] { BrowseOutputFolder(); });
    hooks::onClick(m_w.txtPath, [this] { BrowseOutputFolder(); });
    connect(m_w.cmdBrowse, &QPushButton::clicked, this, &frmMain::BrowseOutputFolder);

    const auto drop = [this](const QMimeData* data) { m_sources->handleDrop(data); };
    hooks::onDrop(m_w.LV->viewport(), drop);
    hooks::onDrop(m_w.picDrag, drop);
    hooks::onDrop(m_w.picDoor, [this, drop](const QMimeData* data) {
        hidePicDoor();
        drop(data);
    });
    hooks::onClick(m_w.picDoor, [this] { hidePicDoor(); });
    hooks::onClick(m_w.picDrag, [this] { m_sources->pickDropZoneFile(); });
}

void frmMain::wireBatch()
{
    hooks::onClick(m_w.imgExit, [this] { SaveWindowSettings(); });
    hooks::onClick(m_w.imgStart, [this] { m_batch->StartConversion(); });
    hooks::onClick(m_w.imgConvert, [this] { m_batch->StartConversion(); });
    connect(m_w.Command3, &QPushButton::clicked, m_batch, &BatchDriver::Command3_Click);
}

QString frmMain::txtPath() const
{
    return m_w.txtPath->text();
}

void frmMain::setTxtPath(const QString& text)
{
    m_w.txtPath->setText(text);
}

void frmMain::setSettingsEnabled(bool enabled)
{
    for (QWidget* control : {static_cast<QWidget*>(m_w.cmbOF1), static_cast<QWidget*>(m_w.cmbBitrate),
                             static_cast<QWidget*>(m_w.cmdBrowse), static_cast<QWidget*>(m_w.txtPath),
                             static_cast<QWidget*>(m_w.cmbRotate)})
        control->setEnabled(enabled);
}

void frmMain::setQueueControlsEnabled(bool enabled)
{
    for (QToolButton* button : std::as_const(m_w.CmdToolsBar))
        button->setEnabled(enabled);
    m_w.LV->setEnabled(enabled);
    m_w.Command3->setEnabled(enabled);
    m_w.imgConvert->setEnabled(enabled);
    m_w.lblFeed->setEnabled(enabled);
    if (enabled) {
        for (QLabel* image : {m_w.imgAdd, m_w.imgRemove, m_w.imgStart, m_w.imgBrowse})
            image->setEnabled(true);
    }
}

void frmMain::showBatchDone()
{
    m_w.picDrag->show();
    m_w.imgPB->resize(0, m_w.imgPB->height());
    m_w.lblPB->setText(QStringLiteral("Done."));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // Leaving in the middle of a batch: stop the encoder and drop what it
    // had not finished, so no truncated file is left looking finished.
    m_batch->abort();
    DeleteFolderTree(temporaryFolderPath());
    QWidget::closeEvent(event);
}

void frmMain::imgToolbar_Click(int index)
{
    switch (index) {
    case 0:
        m_sources->AddaFile();
        break;
    case 1:
        m_sources->RemoveSelected(selectedRow());
        break;
    case 2:
        showOptions();
        break;
    case 3:
        ShowHelpFile();
        break;
    case 4:
        SaveWindowSettings();
        break;
    case 6:
        m_sources->AddaFolder();
        break;
    default:
        break;
    }
}

void frmMain::CmdToolsBar_Click(int index)
{
    hidePicDoor();
    switch (index) {
    case 0:
        imgToolbar_Click(0);
        break;
    case 1:
        imgToolbar_Click(6);
        break;
    case 2:
        imgToolbar_Click(1);
        break;
    case 3:
        ShowTutorialPage();
        break;
    case 4:
        imgToolbar_Click(2);
        break;
    case 5:
        m_sources->RemoveAll();
        break;
    default:
        break;
    }
}

void frmMain::BrowseOutputFolder()
{
    // A cancelled browser keeps the folder the user had.
    if (const auto folder = m_services.dialogs.browseFolder(kFolderPrompt))
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

void frmMain::showHint(const QueueHint& hint)
{
    m_w.picText->setVisible(hint.picTextVisible);
    m_w.lblText->setVisible(hint.lblTextVisible);
    m_w.lblText->setText(hint.lblText);
}

void frmMain::showProgress(const ProgressDisplay& display)
{
    m_w.pb->setValue(int(display.percent));
    m_w.imgPB->resize(MainWidgets::px(int(display.widthTwips)), m_w.imgPB->height());
    m_w.lblPB->setText(display.label);
}

} // namespace tarnwick
