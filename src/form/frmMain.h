#pragma once

#include "conversion/BatchDriver.h"
#include "conversion/Options.h"
#include "conversion/OutputPresets.h"
#include "conversion/Rotation.h"
#include "form/MainWidgets.h"
#include "sources/CCommonDialogs.h"

#include <QWidget>

namespace tarnwick {

class ConversionMonitor;
class Skin;
class DOSOutputs;
class Dialogs;
class Drives;
class Messages;
class Queue;
class Shell;
class SourceCommands;
struct ProgressDisplay;
struct QueueHint;

// The seams the window reaches the desktop through.
struct Services {
    Messages& messages;
    Dialogs& dialogs;
    Shell& shell;
    Drives& drives;
};

// The main window. It owns the long-lived objects of the program and wires
// widgets to them; the rules live in the classes it owns.
class frmMain : public QWidget, private BatchWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    // The client area is laid out in twips at 15 twips per pixel.
    static constexpr int kClientWidth = 8490 / 15;
    static constexpr int kClientHeight = 7050 / 15;

    frmMain(const Services& services, const QString& programFolder, QWidget* parent = nullptr);
    ~frmMain() override;

    const QString& programFolder() const { return m_programFolder; }
    const MainWidgets& widgets() const { return m_w; }
    Queue& queue() { return *m_queue; }
    SourceCommands& sources() { return *m_sources; }
    OutputPresets& presets() { return m_presets; }
    Rotation& rotation() { return m_rotation; }
    DOSOutputs& objDOS() { return *m_objDOS; }
    DOSOutputs& objffmpeg() { return *m_objffmpeg; }
    BatchDriver& batch() { return *m_batch; }
    Options& options() { return m_options; }

    // Writes setup.ini, then closes the window. The Exit command only:
    // closing the window any other way leaves the old file.
    void SaveWindowSettings();
    void showOptions();
    QString settingsFile(const QString& name) const;

    void ShowHelpFile();
    void ShowTutorialPage();
    void ShowProductPage();
    void SendFeedbackMail();
    Skin& skin() { return *m_skin; }

    void imgToolbar_Click(int index);
    void CmdToolsBar_Click(int index);
    void BrowseOutputFolder();
    void hidePicDoor();

protected:
    void closeEvent(QCloseEvent* event) override;
    // The bare background: a move clears every highlight, a press drags the window.
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool onBackground(const QPointF& position) const;

private:
    // BatchWindow
    QString txtPath() const override;
    void setTxtPath(const QString& text) override;
    void setSettingsEnabled(bool enabled) override;
    void setQueueControlsEnabled(bool enabled) override;
    void showBatchDone() override;

    void startUp();
    void wireSources();
    void wireBatch();
    void wireChrome();
    void showHint(const QueueHint& hint);
    void showProgress(const ProgressDisplay& display);
    int selectedRow() const;

    Services m_services;
    QString m_programFolder;
    MainWidgets m_w;
    Queue* m_queue;
    CCommonDialogs m_commonDialogs;
    SourceCommands* m_sources;
    OutputPresets m_presets;
    Rotation m_rotation;
    DOSOutputs* m_objDOS;
    DOSOutputs* m_objffmpeg;
    ConversionMonitor* m_monitor;
    Options m_options;
    BatchDriver* m_batch;
    Skin* m_skin;
};

} // namespace tarnwick
