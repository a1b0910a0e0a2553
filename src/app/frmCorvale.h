#pragma once

#include "app/Launcher.h"
#include "prefs/Options.h"
#include "prefs/RandomPicture.h"
#include "server/ServerConfig.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class SettingsStore;
class Quake2;

namespace Ui {
class frmCorvale;
}

// The main window: the server list and the profile list with their buttons,
// the launch type, the Launch button and the picture. Creating it reads the
// launcher settings; Load() fills it; closing it stores the lists, and then
// the placement, the options and the launcher settings in one write.
class frmCorvale : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCorvale(Quake2& game, QWidget* parent = nullptr);
    ~frmCorvale() override;

    // Window load: options, picture and default server configuration are
    // created, the window is placed and the lists are filled.
    void Load();

    Launcher& State() { return mLauncher; }

    // Shows the window over the others, restored if it was minimized.
    void BringForward();

    std::unique_ptr<Options> mOptions;
    std::unique_ptr<RandomPicture> mRandomPicture;
    std::unique_ptr<ServerConfig> mDefaultServer;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Each list with what belongs to it: its buttons and its click memory.
    struct ListControls {
        QListWidget* list;
        QPushButton* change;
        QPushButton* remove;
        qint16 lastClick = -1;
        qint16 rowAtPress = -1;
        QTimer deselectTimer;
    };

    void SetupWindow();
    void FillServerList();
    void FillClientList();
    void ApplyLaunchType();
    void SwitchLaunchType(int type);
    QStringList SaveState();
    void Unload();

    void PlaceWindow();
    void SavePlacement(SettingsStore& settings) const;
    void ShowPicture(bool afterDialog);
    void StartClock();

    static void FinishDeselect(ListControls& controls);
    void SettlePendingDeselects();
    void ClickRule(ListControls& controls);
    void UpdateButtons(ListControls& controls);
    void ConnectList(ListControls& controls, void (frmCorvale::*change)());

    void AddClient();
    void ChangeClient();
    void RemoveClient();
    void AddServer();
    void ChangeServer();
    void RemoveServer();
    void RemoveSelected(ListControls& controls, auto& collection);

    void LaunchGame();
    void ViewCommandLine();
    void ViewConfigFile();
    void ShowOptions();
    void ShowAbout();
    void ChoosePicture();
    void PressDefaultButton();

    qint16 ServerSelection() const;
    qint16 ClientSelection() const;

    std::unique_ptr<Ui::frmCorvale> ui;
    Quake2& mGame;
    Launcher mLauncher;
    ListControls mServerList;
    ListControls mClientList;
    QLabel* mDateLabel = nullptr;
    QLabel* mTimeLabel = nullptr;
    QTimer mClock;
    bool mUnloaded = false;
};

// The one main window of the running program.
extern frmCorvale* gMainForm;
