#pragma once

#include "app/LaunchLists.h"
#include "app/Launcher.h"
#include "app/StatusTooltips.h"
#include "app/ui/PictureBox.h"
#include "app/ui/StatusClock.h"
#include "app/ui/StatusMessage.h"
#include "app/ui/WindowPlacement.h"
#include "prefs/Options.h"
#include "server/ServerConfig.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QListView;
class QPushButton;
class Quake2;

namespace Ui {
class frmCorvale;
}

// The main window: the server list and the profile list with their buttons,
// the launch type, the Launch button and the picture. Load() reads the
// settings and fills it; closing it stores the lists, and then the placement,
// the options, the picture and the launcher settings in one write.
class frmCorvale : public QMainWindow {
    Q_OBJECT
public:
    explicit frmCorvale(Quake2& game, QWidget* parent = nullptr);
    ~frmCorvale() override;

    // Window load: the options, the picture, the placement and the launcher
    // settings are read and the lists are filled.
    void Load();

    Launcher& State() { return mLauncher; }

    // Shows the window over the others, restored if it was minimized.
    void BringForward();

    // The Launch command: settles the lists, asks for the default server
    // configuration when none is selected, writes the script and starts the
    // game; a session that ends while that dialog is open starts nothing.
    // True when the game was started. Works with the window hidden.
    bool LaunchGame();

    // The session ends: the window closes without a question, and the
    // dedicated servers started from it run on.
    void EndSession();

    // Adds a game server to the remote servers unless it is there, selects
    // it, switches to Client Only and launches as the Launch button does.
    // With `launch` false it is only added (and selected when the list shows
    // the remote servers).
    void JoinServer(const QString& address, bool launch = true);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A list view with its buttons, showing one of the lists' models.
    struct ListControls {
        QListView* view;
        QPushButton* change;
        QPushButton* remove;
        ListSelection* selection;
        qint16 rowAtPress = -1;
    };

    // Starts the plan's game detached; a dedicated server launched from the
    // shown window, which stays open, runs in a console of its own.
    Result<> StartGame(const LaunchPlan& plan);
    // Asks what becomes of the dedicated servers still running in consoles
    // when the window closes; false when the user keeps the window open.
    bool SettleRunningServers();

    void ApplyLaunchType();
    void SwitchLaunchType(int type);
    void Unload();
    // The launch for what the lists show, composed once for the command that
    // asks; with its script written when writeScript. On failure the user
    // has been told why.
    Result<LaunchPlan> PlanLaunch(bool writeScript);

    void SettlePendingDeselects();
    void ShowSelection(ListControls& controls, qint16 row);
    void ConnectList(ListControls& controls, void (frmCorvale::*change)());

    void AddClient();
    void ChangeClient();
    void AddServer();
    void ChangeServer();

    void ShowOptions();
    // "Ready", or that the game was not found.
    void ShowReadiness();
    // Says that the game is missing; leads to the options the first time.
    void ReportGameMissing(const QString& message);

    void ViewCommandLine();
    void ViewConfigFile();
    void ShowServerStatus();
    void ShowServerFinder();
    void QueryRemoteServers();
    void UpdateStatusCommand();
    void PressDefaultButton();

    qint16 ServerSelection() const;
    qint16 ClientSelection() const;

    std::unique_ptr<Ui::frmCorvale> ui;
    Quake2& mGame;
    Launcher mLauncher;
    Options mOptions;
    ServerConfig mDefaultServer;
    LaunchLists mLists{mLauncher};
    ListControls mServerList;
    ListControls mClientList;
    StatusTooltips mStatusTips{mLists.ServerModel()};
    WindowPlacement mPlacement{*this};
    std::unique_ptr<PictureBox> mPicture;
    std::unique_ptr<StatusMessage> mStatus;
    std::unique_ptr<StatusClock> mClock;
    QPointer<QWidget> mServerFinder;
    bool mLoaded = false;
    bool mUnloaded = false;
    bool mShowingSelection = false;
    bool mOptionsOffered = false;
};

// The one main window of the running program, set while Main runs. Nothing
// in the program reads it; a test reaches the window through it.
extern frmCorvale* gMainForm;
