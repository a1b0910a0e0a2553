#pragma once

#include "app/LaunchLists.h"
#include "app/Launcher.h"
#include "prefs/Options.h"
#include "prefs/RandomPicture.h"
#include "server/ServerConfig.h"
#include "status/StatusQuery.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>

class QLabel;
class QListView;
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

    // The Launch command: settles the lists, asks for the default server
    // configuration when none is selected, writes the script and starts the
    // game; a session that ends while that dialog is open starts nothing.
    // True when the game was started. Works with the window hidden.
    bool LaunchGame();

    // Adds a game server to the remote servers unless it is there, selects
    // it, switches to Client Only and launches as the Launch button does.
    // With `launch` false it is only added (and selected when the list shows
    // the remote servers).
    void JoinServer(const QString& address, bool launch = true);

    std::unique_ptr<Options> mOptions;
    std::unique_ptr<RandomPicture> mRandomPicture;
    std::unique_ptr<ServerConfig> mDefaultServer;

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

    void SetupWindow();
    void ApplyLaunchType();
    void SwitchLaunchType(int type);
    QStringList SaveState();
    void Unload();

    void PlaceWindow();
    void SavePlacement(SettingsStore& settings) const;
    void ShowPicture(bool afterDialog);
    void StartClock();

    void SettlePendingDeselects();
    void ShowSelection(ListControls& controls, qint16 row);
    void ConnectList(ListControls& controls, void (frmCorvale::*change)());

    void AddClient();
    void ChangeClient();
    void RemoveClient();
    void AddServer();
    void ChangeServer();
    void RemoveServer();

    void ViewCommandLine();
    void ViewConfigFile();
    void ShowOptions();
    void ShowAbout();
    void ShowServerStatus();
    void ShowServerFinder();
    void QueryRemoteServers();
    void UpdateStatusCommand();
    void ChoosePicture();
    void PressDefaultButton();

    qint16 ServerSelection() const;
    qint16 ClientSelection() const;

    std::unique_ptr<Ui::frmCorvale> ui;
    Quake2& mGame;
    Launcher mLauncher;
    LaunchLists mLists{mLauncher};
    ListControls mServerList;
    ListControls mClientList;
    // The last status of each remote server address, shown as its tooltip.
    StatusQuery mStatusQuery;
    QHash<QString, QString> mStatusTips;
    QPointer<QWidget> mServerFinder;
    QLabel* mDateLabel = nullptr;
    QLabel* mTimeLabel = nullptr;
    QTimer mClock;
    bool mUnloaded = false;
    bool mShowingSelection = false;
};

// The one main window of the running program, set while Main runs. Nothing
// in the program reads it; a test reaches the window through it.
extern frmCorvale* gMainForm;
