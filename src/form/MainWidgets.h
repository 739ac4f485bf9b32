#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTreeView;
class QWidget;

namespace tarnwick {

struct BatchStatus;
struct QueueHint;

// Every control of the main window, created with its object name, text,
// tooltip and place. Positions are laid out in twips, 15 to the pixel.
struct MainWidgets {
    Q_DECLARE_TR_FUNCTIONS(tarnwick::MainWidgets)

public:
    QLabel* lblDrive = nullptr;
    QComboBox* Drive1 = nullptr;
    QPushButton* cmdLoad = nullptr;
    QLabel* picDoor = nullptr;
    QLabel* lblFileList = nullptr;
    QList<QToolButton*> CmdToolsBar; // indexes 0 to 5
    QTreeView* LV = nullptr;
    QWidget* picText = nullptr;
    QLabel* lblText = nullptr;
    QLabel* lblOutputFormat = nullptr;
    QComboBox* cmbOF1 = nullptr;
    QLabel* lblBitrate = nullptr;
    QComboBox* cmbBitrate = nullptr;
    QLabel* lblOutputPath = nullptr;
    QLineEdit* txtPath = nullptr;
    QPushButton* cmdBrowse = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* lblPB = nullptr;
    QLabel* lblBatch = nullptr; // file k of n and the time left, during a batch
    QProgressBar* pb = nullptr;
    QLabel* lblWeb = nullptr;
    QLabel* lblFeed = nullptr;
    // Every command of the window in one menu, in a corner that holds no
    // other control.
    QToolButton* btnMenu = nullptr;

    // Out of sight: beyond the client area.
    QList<QLabel*> imgToolbar; // indexes 0 to 6
    QLabel* imgAdd = nullptr;
    QLabel* imgRemove = nullptr;
    QLabel* imgStart = nullptr;
    QLabel* imgConvert = nullptr;
    QLabel* imgBrowse = nullptr;
    QLabel* imgHelp = nullptr;
    QLabel* imgExit = nullptr;
    QLabel* imgMin = nullptr;
    QLabel* imgPB = nullptr;
    QLabel* picDrag = nullptr;
    QLabel* lblRotate = nullptr;
    QComboBox* cmbRotate = nullptr;

    static int px(int twips) { return twips / 15; }
    // The bar image's width at 100%.
    static constexpr double kBarImageTwips = 5415;
    static QString startCaption() { return tr("Start Ripping Now!"); }

    // What the window shows of the session's state: the five settings a
    // batch locks, the queue's controls, the end of a batch, the hint, the progress.
    void setSettingsEnabled(bool enabled);
    void setQueueControlsEnabled(bool enabled);
    // The drop zone back, the bar empty, the label saying `caption`.
    void showBatchEnd(const QString& caption);
    void showHint(const QueueHint& hint);
    // The bar, its image and the label "NN%" at a share from 0 to 100.
    void showProgress(double percent);
    // The bar and its image empty; the label keeps what it says.
    void emptyBar();
    void showBatchStatus(const BatchStatus* status); // nullptr: no batch
    // A tab order over the visible controls and a name for each that a
    // screen reader can say.
    void describeForAssistiveTools();
};

// Builds the controls as children of `window`.
MainWidgets buildMainWidgets(QWidget* window);

// The lines the cover panel shows under the program's name.
QString coverText();

} // namespace tarnwick
