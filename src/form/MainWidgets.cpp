#include "form/MainWidgets.h"

#include "form/ReadingDirection.h"

#include "engine/BatchProgress.h"
#include "engine/Progress.h"

#include "sources/SourceCommands.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>

namespace tarnwick {

namespace {

template <typename W>
W* place(QWidget* parent, const char* name, int left, int top, int width = -1, int height = -1)
{
    auto* widget = new W(parent);
    widget->setObjectName(QLatin1String(name));
    widget->move(MainWidgets::px(left), MainWidgets::px(top));
    if (width >= 0)
        widget->resize(MainWidgets::px(width), MainWidgets::px(height));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* l = place<QLabel>(parent, name, left, top);
    l->setText(text);
    l->adjustSize();
    return l;
}

// Hot-spots and holders live beyond the right edge of the client area.
constexpr int kOutside = 8490 + 300;

// A caption as it names its input: without the colon after it, in any language's
// way of writing one.
QString withoutColon(QString caption)
{
    caption = caption.trimmed();
    if (caption.endsWith(u':') || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    return caption.trimmed();
}

// The drive list and the button that reads the disc in it.
void addDriveRow(QWidget* window, MainWidgets& w)
{
    w.lblDrive = label(window, "lblDrive", MainWidgets::tr("Select a DVD Drive:"), 120, 60);
    w.Drive1 = place<QComboBox>(window, "Drive1", 90, 330, 7035, 330);
    w.cmdLoad = place<QPushButton>(window, "cmdLoad", 7230, 330, 1125, 315);
    w.cmdLoad->setText(MainWidgets::tr("Read DVD", "the narrow button beside the drive list"));
}

// The queue's tool buttons, by index; Help and Setting lie outside, with
// captions of their own.
void addToolButtons(QWidget* window, MainWidgets& w)
{
    struct Tool {
        int left;
        const char* tip;
        const char* caption;
    };
    const Tool tools[6] = {
        {5580, QT_TRANSLATE_NOOP("tarnwick::MainWidgets", "Add a File"), nullptr},
        {6270, QT_TRANSLATE_NOOP("tarnwick::MainWidgets", "Add Files from a Folder"), nullptr},
        {6960, QT_TRANSLATE_NOOP("tarnwick::MainWidgets", "Remove the Selected from List"),
         nullptr},
        {kOutside, QT_TRANSLATE_NOOP("tarnwick::MainWidgets", "Help"),
         QT_TRANSLATE_NOOP("tarnwick::MainWidgets", "Help")},
        {kOutside + 800, QT_TRANSLATE_NOOP("tarnwick::MainWidgets", "Setting"),
         QT_TRANSLATE_NOOP("tarnwick::MainWidgets", "Setting")},
        {7650, QT_TRANSLATE_NOOP("tarnwick::MainWidgets", "Remove All Files"), nullptr}};
    for (int i = 0; i < 6; ++i) {
        auto* button = place<QToolButton>(window, "CmdToolsBar", tools[i].left, 750, 705, 570);
        button->setProperty("index", i);
        button->setToolTip(MainWidgets::tr(tools[i].tip));
        button->setAccessibleName(MainWidgets::tr(tools[i].tip));
        if (tools[i].caption)
            button->setText(MainWidgets::tr(tools[i].caption));
        button->setFocusPolicy(Qt::StrongFocus);
        w.CmdToolsBar.append(button);
    }
}

// The file list: its caption, its tool buttons, the rows, and the hint
// over an empty list.
void addFileList(QWidget* window, MainWidgets& w)
{
    w.lblFileList = label(window, "lblFileList", MainWidgets::tr("File List:"), 120, 1050);
    addToolButtons(window, w);

    w.LV = place<QTreeView>(window, "LV", 60, 1320, 8325, 3060);
    w.LV->setRootIsDecorated(false);
    w.LV->setUniformRowHeights(true);
    w.LV->setAlternatingRowColors(true);
    w.LV->setSelectionMode(QAbstractItemView::SingleSelection);
    w.LV->setSelectionBehavior(QAbstractItemView::SelectRows);
    w.LV->setAcceptDrops(true);
    w.LV->setDragDropMode(QAbstractItemView::DropOnly);

    w.picText = place<QWidget>(window, "picText", 2760, 2850, 2445, 315);
    w.lblText = new QLabel(w.picText);
    w.lblText->setObjectName(QStringLiteral("lblText"));
    w.lblText->setAlignment(Qt::AlignCenter);
    w.lblText->resize(w.picText->size());
    w.picText->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// What a batch is made with: the format, the bitrate and the output folder.
void addSettings(QWidget* window, MainWidgets& w)
{
    w.lblOutputFormat =
        label(window, "lblOutputFormat", MainWidgets::tr("Output Format:"), 150, 4470);
    w.cmbOF1 = place<QComboBox>(window, "cmbOF1", 120, 4755, 4125, 330);
    w.cmbOF1->setToolTip(MainWidgets::tr("Output Format"));
    w.lblBitrate =
        label(window, "lblBitrate", MainWidgets::tr("Video Quality (Bitrate - K):"), 4410, 4470);
    w.cmbBitrate = place<QComboBox>(window, "cmbBitrate", 4380, 4755, 3945, 330);
    w.cmbBitrate->setEditable(true);
    w.cmbBitrate->setInsertPolicy(QComboBox::NoInsert);
    // Kilobits, a whole number: the box's text reaches the encoder as one
    // number and can never add options of its own.
    w.cmbBitrate->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,7}")), w.cmbBitrate));
    w.cmbBitrate->setToolTip(MainWidgets::tr("Video Bitrate"));

    w.lblOutputPath = label(window, "lblOutputPath", MainWidgets::tr("Output Path:"), 150, 5190);
    w.txtPath = place<QLineEdit>(window, "txtPath", 120, 5445, 7425, 315);
    w.txtPath->setToolTip(MainWidgets::tr("Select a Folder to Output"));
    w.cmdBrowse = place<QPushButton>(window, "cmdBrowse", 7620, 5460, 705, 300);
    w.cmdBrowse->setText(QStringLiteral("..."));
    w.cmdBrowse->setToolTip(MainWidgets::tr("Select an Output Folder"));
}

// The start button, the progress of the batch, and the two links under it.
void addBatchRow(QWidget* window, MainWidgets& w)
{
    w.Command3 = place<QPushButton>(window, "Command3", 6060, 5850, 2295, 825);
    w.Command3->setText(MainWidgets::startCaption());
    w.lblPB = label(window, "lblPB", QStringLiteral("0%"), 2760, 5940);
    w.lblPB->setMinimumWidth(MainWidgets::px(1200));
    w.lblBatch = place<QLabel>(window, "lblBatch", 120, 5940, 2600, 255);
    w.pb = place<QProgressBar>(window, "pb", 90, 6330, 5865, 315);
    w.pb->setRange(0, 100);
    w.pb->setValue(0);
    w.pb->setTextVisible(false);
    w.lblWeb = label(window, "lblWeb", QString(), 120, 6750);
    w.lblFeed = label(window, "lblFeed", MainWidgets::tr("Feedback"), 7620, 6750);
    w.lblFeed->setToolTip(MainWidgets::tr("Send us your suggestion or question"));
}

void addMenuButton(QWidget* window, MainWidgets& w)
{
    w.btnMenu = place<QToolButton>(window, "btnMenu", 8100, 15, 360, 300);
    w.btnMenu->setText(QString(QChar(0x2630))); // the trigram a menu button shows
    w.btnMenu->setToolTip(MainWidgets::tr("All Commands"));
    w.btnMenu->setPopupMode(QToolButton::InstantPopup);
    w.btnMenu->setAutoRaise(true);
    w.btnMenu->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
}

// The skin's hot-spots and holders, one under another beyond the right edge.
void addOutOfSight(QWidget* window, MainWidgets& w)
{
    int top = 0;
    const auto outside = [&](const char* name, const QString& tip = QString()) {
        auto* hotSpot = place<QLabel>(window, name, kOutside, top, 600, 300);
        hotSpot->setToolTip(tip);
        top += 330;
        return hotSpot;
    };
    for (int i = 0; i < 7; ++i) {
        QLabel* element = outside("imgToolbar");
        element->setProperty("index", i);
        w.imgToolbar.append(element);
    }
    w.imgAdd = outside("imgAdd", MainWidgets::tr("Add a new file to file list"));
    w.imgRemove = outside("imgRemove", MainWidgets::tr("Remove a file from file list"));
    w.imgStart = outside("imgStart", MainWidgets::tr("Start Converting"));
    w.imgConvert = outside("imgConvert");
    w.imgBrowse = outside("imgBrowse", MainWidgets::tr("Select an Output Folder"));
    w.imgHelp = outside("imgHelp", MainWidgets::tr("Help & Tutorial"));
    w.imgExit = outside("imgExit", MainWidgets::tr("Exit"));
    w.imgMin = outside("imgMin", MainWidgets::tr("Minimize Window"));
    w.imgPB = outside("imgPB");
    w.imgPB->resize(0, w.imgPB->height());
    w.picDrag = outside("picDrag", MainWidgets::tr("Drag media files onto this DropZone"));
    w.picDrag->setAcceptDrops(true);
    w.lblRotate = label(window, "lblRotate", MainWidgets::tr("Rotate:"), kOutside, top);
    top += 330;
    w.cmbRotate = place<QComboBox>(window, "cmbRotate", kOutside, top, 3000, 330);
    w.cmbRotate->setToolTip(MainWidgets::tr("Rotate Setting"));
}

} // namespace

// The order the controls are made in is the order they are stacked in (the
// cover raised over the rest) and the focus chain of those the tab order
// leaves out.
MainWidgets buildMainWidgets(QWidget* window)
{
    MainWidgets w;
    addDriveRow(window, w);
    addFileList(window, w);
    addSettings(window, w);
    addBatchRow(window, w);
    addMenuButton(window, w);
    // The cover panel lies over the rows below the drive list until it goes.
    w.picDoor = place<QLabel>(window, "picDoor", 0, 750, 8445, 5970);
    w.picDoor->setAcceptDrops(true);
    w.picDoor->raise();
    addOutOfSight(window, w);
    return w;
}

QString coverText()
{
    //: Two lines on the welcome panel; "Read DVD" is the caption of the button above it.
    return MainWidgets::tr("Drop your videos here, or click to begin.\nRead a DVD or Blu-ray disc "
                           "with \"Read DVD\" above.");
}

void MainWidgets::setSettingsEnabled(bool enabled)
{
    for (QWidget* control : {static_cast<QWidget*>(cmbOF1), static_cast<QWidget*>(cmbBitrate),
                             static_cast<QWidget*>(cmdBrowse), static_cast<QWidget*>(txtPath),
                             static_cast<QWidget*>(cmbRotate)})
        control->setEnabled(enabled);
}

void MainWidgets::setQueueControlsEnabled(bool enabled)
{
    for (QToolButton* button : std::as_const(CmdToolsBar))
        button->setEnabled(enabled);
    LV->setEnabled(enabled);
    Command3->setEnabled(enabled);
    imgConvert->setEnabled(enabled);
    lblFeed->setEnabled(enabled);
    if (enabled) {
        for (QLabel* image : {imgAdd, imgRemove, imgStart, imgBrowse})
            image->setEnabled(true);
    }
}

void MainWidgets::showBatchEnd(const QString& caption)
{
    picDrag->show();
    emptyBar();
    lblPB->setText(caption);
}

void MainWidgets::showHint(const QueueHint& hint)
{
    picText->setVisible(hint.shown);
    lblText->setVisible(hint.captionShown);
    lblText->setText(hint.caption);
}

void MainWidgets::showProgress(double percent)
{
    // The bar shows what the label says, cut short as the label is.
    pb->setValue(ProgressParser::wholePercent(percent));
    resizeFromStart(imgPB, QSize(px(int(percent / 100 * kBarImageTwips)), imgPB->height()));
    lblPB->setText(ProgressParser::percentText(percent) + u'%');
}

void MainWidgets::emptyBar()
{
    pb->setValue(0);
    resizeFromStart(imgPB, QSize(0, imgPB->height()));
}

void MainWidgets::showBatchStatus(const BatchStatus* status)
{
    if (!status) {
        lblBatch->clear();
        return;
    }
    QString text = tr("file %1 of %2").arg(status->file).arg(status->count);
    if (status->secondsLeft)
        text += tr(", %1 left").arg(clockText(*status->secondsLeft));
    lblBatch->setText(text);
}

// What a control shows is what a screen reader says and what voice control
// answers to: buttons and links go by their captions (Qt reads them out when
// no name is set, whichever the start button shows), an input by the caption
// beside it. What a control does
// goes in its description. Controls that show no words get names of their
// own.
void MainWidgets::describeForAssistiveTools()
{
    const std::initializer_list<std::pair<QLabel*, QWidget*>> captions{
        {lblDrive, Drive1},       {lblFileList, LV},        {lblOutputFormat, cmbOF1},
        {lblBitrate, cmbBitrate}, {lblOutputPath, txtPath}, {lblRotate, cmbRotate},
    };
    for (const auto& [caption, control] : captions) {
        caption->setBuddy(control);
        control->setAccessibleName(withoutColon(caption->text()));
    }
    cmbBitrate->setAccessibleDescription(tr("Video bitrate in kilobits per second"));
    lblWeb->setAccessibleDescription(tr("Product page"));
    // A caption of dots or a symbol says nothing when read out.
    cmdBrowse->setAccessibleName(tr("Choose the output folder"));
    btnMenu->setAccessibleName(tr("All commands"));
    pb->setAccessibleName(tr("Progress of the current file"));
    // The panel's words are in its picture.
    const QStringList cover = coverText().split(u'\n');
    picDoor->setAccessibleName(cover.value(0));
    picDoor->setAccessibleDescription(cover.value(1));
    QList<QWidget*> order{Drive1, cmdLoad};
    for (int i : {0, 1, 2, 5, 3, 4})
        order << CmdToolsBar.at(i);
    order << LV << cmbOF1 << cmbBitrate << txtPath << cmdBrowse << Command3 << btnMenu;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
}

} // namespace tarnwick
