#include "app/ui/frmCorvale.h"

#include "app/ui/ServerConsole.h"
#include "client/ui/frmUserProfile.h"
#include "finder/ui/frmServerFinder.h"
#include "game/Quake2.h"
#include "platform/SettingsStore.h"
#include "prefs/ui/frmAbout.h"
#include "prefs/ui/frmOptions.h"
#include "server/ui/frmServer.h"
#include "status/ui/frmServerStatus.h"
#include "ui_frmCorvale.h"
#include "widgets/OpenInViewer.h"
#include "widgets/Prompts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListView>
#include <QScopedValueRollback>
#include <QShortcut>

#include <utility>

frmCorvale* gMainForm = nullptr;

namespace {

qint16 SelectedRow(const QListView* view) {
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? qint16(-1) : qint16(selected.first().row());
}

} // namespace

frmCorvale::frmCorvale(Quake2& game, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmCorvale>()), mGame(game), mLauncher(game),
      mOptions(game) {
    ui->setupUi(this);
    mPicture = std::make_unique<PictureBox>(*ui->imgRandom);
    mStatus = std::make_unique<StatusMessage>(*ui->staStatus);
    mClock = std::make_unique<StatusClock>(*ui->staStatus);
    const QList<QAction*> viewActions = ui->mnuView->actions();
    int separators = 0;
    for (QAction* action : viewActions) {
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("mnuViewBar%1").arg(++separators));
    }

    mServerList = {ui->lstServer, ui->cmdServerChange, ui->cmdServerRemove, &mLists.Servers()};
    mClientList = {ui->lstClient, ui->cmdClientChange, ui->cmdClientRemove, &mLists.Clients()};
    ui->lstServer->setModel(&mLists.ServerModel());
    ui->lstClient->setModel(&mLists.ClientModel());
    ConnectList(mServerList, &frmCorvale::ChangeServer);
    ConnectList(mClientList, &frmCorvale::ChangeClient);

    connect(ui->cmdClientAdd, &QPushButton::clicked, this, &frmCorvale::AddClient);
    connect(ui->cmdClientChange, &QPushButton::clicked, this, &frmCorvale::ChangeClient);
    connect(ui->cmdClientRemove, &QPushButton::clicked, this,
            [this] { mLists.RemoveSelectedClient(); });
    connect(ui->cmdServerAdd, &QPushButton::clicked, this, &frmCorvale::AddServer);
    connect(ui->cmdServerChange, &QPushButton::clicked, this, &frmCorvale::ChangeServer);
    connect(ui->cmdServerRemove, &QPushButton::clicked, this,
            [this] { mLists.RemoveSelectedServer(); });
    connect(ui->cmdLaunch, &QPushButton::clicked, this, &frmCorvale::LaunchGame);
    connect(ui->optLaunch, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            SwitchLaunchType(id);
    });
    ui->optLaunch->setId(ui->optLaunch0, Launcher::DedicatedServer);
    ui->optLaunch->setId(ui->optLaunch1, Launcher::ListenServer);
    ui->optLaunch->setId(ui->optLaunch2, Launcher::ClientOnly);

    connect(ui->mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(ui->mnuViewStatusBar, &QAction::toggled, ui->staStatus, &QWidget::setVisible);
    connect(ui->mnuViewCommandLine, &QAction::triggered, this, &frmCorvale::ViewCommandLine);
    connect(ui->mnuViewConfigFile, &QAction::triggered, this, &frmCorvale::ViewConfigFile);
    connect(ui->mnuViewServerStatus, &QAction::triggered, this, &frmCorvale::ShowServerStatus);
    connect(ui->mnuViewFindServers, &QAction::triggered, this, &frmCorvale::ShowServerFinder);
    connect(ui->mnuViewOptions, &QAction::triggered, this, &frmCorvale::ShowOptions);
    connect(ui->mnuHelpAbout, &QAction::triggered, this, [this] { frmAbout(this).exec(); });

    // A main window has no default button of its own: Enter presses the
    // focused button, or Launch.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &frmCorvale::PressDefaultButton);
    }
}

frmCorvale::~frmCorvale() = default;

void frmCorvale::Load() {
    const SettingsStore settings;
    mOptions.ReadSettings(settings);
    mPicture->ReadSettings(settings);
    mPlacement.ReadSettings(settings);
    mLauncher.ReadSettings(settings);
    mLoaded = true;
    const Result<> loaded = mLauncher.LoadCollections();
    mLists.FillServerList();
    mLists.FillClientList();
    ApplyLaunchType();
    if (mLauncher.Type() != Launcher::ListenServer)
        ui->optLaunch->button(mLauncher.Type())->setChecked(true);
    ShowReadiness();
    if (!loaded) {
        // Said once, after the window is on the screen.
        QTimer::singleShot(0, this, [this, problems = loaded.Error()] {
            Prompts::Message(this, problems, Prompts::Icon::Warning);
        });
    }
}

void frmCorvale::ApplyLaunchType() {
    const bool profilesUsed = mLists.ProfilesUsed();
    ui->fraClient->setEnabled(profilesUsed);
    ui->lstClient->setEnabled(profilesUsed);
    ui->cmdClientAdd->setEnabled(profilesUsed);
    mLists.ApplyLaunchType();
    QueryRemoteServers();
}

void frmCorvale::SwitchLaunchType(int type) {
    mLists.SwitchLaunchType(type);
    ui->fraServer->setTitle(type == Launcher::ClientOnly ? tr("Connect To")
                                                         : tr("Server Configurations"));
    ApplyLaunchType();
}

qint16 frmCorvale::ServerSelection() const {
    return mLists.Servers().Selected();
}

qint16 frmCorvale::ClientSelection() const {
    return mLists.Clients().Selected();
}

// The view shows what the list's selection holds; what the user selects in
// the view goes through the selection's rules.
void frmCorvale::ConnectList(ListControls& controls, void (frmCorvale::*change)()) {
    QListView* view = controls.view;
    view->setUniformItemSizes(true);
    view->viewport()->installEventFilter(this);
    connect(controls.selection, &ListSelection::Changed, this,
            [this, &controls](qint16 row) { ShowSelection(controls, row); });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this, &controls] {
                if (!mShowingSelection)
                    controls.selection->Select(SelectedRow(controls.view));
            });
    // A click on the entry that was already selected deselects it, unless it
    // turns out to be the first click of a double click.
    connect(view, &QListView::clicked, this, [&controls](const QModelIndex& index) {
        if (index.row() == controls.rowAtPress && controls.selection->Selected() == index.row())
            controls.selection->ClickedSelected(QApplication::doubleClickInterval());
    });
    // Del in the list does what its Remove button does.
    auto* del = new QShortcut(QKeySequence::Delete, view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, controls.remove, &QPushButton::click);
    connect(view, &QListView::doubleClicked, this, [this, &controls, change] {
        controls.selection->CancelPending();
        if (controls.change->isEnabled())
            (this->*change)();
    });
}

void frmCorvale::ShowSelection(ListControls& controls, qint16 row) {
    if (SelectedRow(controls.view) != row) {
        const QScopedValueRollback showing(mShowingSelection, true);
        if (row < 0)
            controls.view->selectionModel()->clear();
        else
            controls.view->setCurrentIndex(controls.view->model()->index(row, 0));
    }
    controls.change->setEnabled(row >= 0);
    controls.remove->setEnabled(row >= 0);
    if (&controls == &mServerList)
        UpdateStatusCommand();
}

// A command that acts on the selections takes what the lists will show once
// a deselection waiting for the end of the double-click interval is done.
void frmCorvale::SettlePendingDeselects() {
    mLists.Servers().SettlePending();
    mLists.Clients().SettlePending();
}

bool frmCorvale::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (ListControls* controls : {&mServerList, &mClientList}) {
            if (watched == controls->view->viewport())
                controls->rowAtPress = controls->selection->Selected();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmCorvale::AddClient() {
    UserProfile profile;
    frmUserProfile dialog(profile, mGame, mOptions, this);
    if (dialog.exec() == QDialog::Accepted)
        mLists.AddClient(profile);
}

void frmCorvale::ChangeClient() {
    const qint16 row = ClientSelection();
    if (row < 0)
        return;
    frmUserProfile dialog(mLauncher.Clients().at(row), mGame, mOptions, this);
    dialog.exec();
    mLists.ClientModel().Changed(row);
}

void frmCorvale::AddServer() {
    if (mLauncher.Type() == Launcher::ClientOnly) {
        const QString address =
            Prompts::Input(this, tr("Enter a server address and port (optional)"));
        if (address.isEmpty())
            return;
        mLists.AddRemoteServer(address);
        QueryRemoteServers();
        return;
    }
    const QString name = Prompts::Input(this, tr("Enter the server configuration name"));
    if (name.isEmpty())
        return;
    mLists.AddServer(name);
    frmServer dialog(mLauncher.Servers().back(), mGame, mOptions, this);
    dialog.exec();
}

void frmCorvale::ChangeServer() {
    const qint16 row = ServerSelection();
    if (row < 0)
        return;
    if (mLauncher.Type() == Launcher::ClientOnly) {
        const QString address = Prompts::Input(this, tr("Enter the new server address [port]"),
                                               mLauncher.RemoteServers().at(row).ID);
        if (address.isEmpty())
            return;
        mLauncher.RemoteServers().at(row).ID = address;
        mLists.ServerModel().Changed(row);
        QueryRemoteServers();
        return;
    }
    frmServer dialog(mLauncher.Servers().at(row), mGame, mOptions, this);
    dialog.exec();
    mLists.ServerModel().Changed(row);
}

void frmCorvale::PressDefaultButton() {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
        button->click();
        return;
    }
    ui->cmdLaunch->click();
}

void frmCorvale::ShowOptions() {
    frmOptions(mOptions, this).exec();
    ShowReadiness();
}

void frmCorvale::ShowReadiness() {
    mStatus->SetResting(mLauncher.CheckGameFound()
                            ? tr("Ready")
                            : tr("Quake2 was not found: set its folder under View > Options"));
}

void frmCorvale::ReportGameMissing(const QString& message) {
    Prompts::Message(this, message, Prompts::Icon::Warning);
    // Once a run: the user may keep a game that is not installed yet.
    if (isVisible() && !std::exchange(mOptionsOffered, true))
        ShowOptions();
}

bool frmCorvale::LaunchGame() {
    SettlePendingDeselects();
    // Said before the default configuration's dialog, which would be of no
    // use without the game.
    if (const Result<> found = mLauncher.CheckGameFound(); !found) {
        ReportGameMissing(found.Error());
        return false;
    }
    if (ServerSelection() < 0 && mLauncher.Type() != Launcher::ClientOnly) {
        frmServer dialog(mDefaultServer, mGame, mOptions, this);
        dialog.exec();
        // The session ended while the dialog was open (the window has been
        // unloaded and everything stored): the user never confirmed this
        // launch.
        if (mUnloaded)
            return false;
    }
    const Result<LaunchPlan> plan = PlanLaunch(true);
    if (!plan)
        return false;
    if (const Result<> started = StartGame(*plan); !started) {
        Prompts::Message(this, tr("Could not launch Quake2"), Prompts::Icon::Critical,
                         started.Error());
        return false;
    }
    if (mOptions.CloseOnLaunch())
        close();
    else
        mStatus->Notify(mLauncher.StartedText(ServerSelection(), mDefaultServer));
    return true;
}

Result<> frmCorvale::StartGame(const LaunchPlan& plan) {
    // Without the window (the command line's launch) nothing would show a
    // console, and a console would end its server with the run.
    if (mLauncher.Type() != Launcher::DedicatedServer || mOptions.CloseOnLaunch() || !isVisible())
        return Quake2::Launch(plan);
    auto* console = new ServerConsole(this);
    const Result<> started =
        Quake2::Launch(plan, [console](const QString& program, const QStringList& arguments,
                                       const QString& workingDirectory) {
            return console->Start(program, arguments, workingDirectory);
        });
    if (!started) {
        delete console;
        return started;
    }
    console->show();
    return started;
}

Result<LaunchPlan> frmCorvale::PlanLaunch(bool writeScript) {
    SettlePendingDeselects();
    Result<LaunchPlan> plan = mLauncher.Plan(ClientSelection(), ServerSelection(), mDefaultServer);
    if (plan && writeScript) {
        if (const Result<> written = Launcher::WriteLaunchConfig(*plan); !written)
            plan = Result<LaunchPlan>::Failure(written.Error());
    }
    if (!plan)
        Prompts::Message(this, plan.Error(), Prompts::Icon::Warning);
    return plan;
}

void frmCorvale::ViewCommandLine() {
    if (const Result<LaunchPlan> plan = PlanLaunch(false))
        Prompts::Message(this, plan->CommandLine(), Prompts::Icon::None, QString(),
                         tr("Command Line Preview"));
}

void frmCorvale::ViewConfigFile() {
    const Result<LaunchPlan> plan = PlanLaunch(true);
    if (!plan)
        return;
    OpenInViewer(this, mOptions.TextViewer(), plan->scriptPath, tr("Could not open text viewer"),
                 Prompts::Icon::Critical);
}

// Remote servers are asked for their status when the list shows them, and
// again when one is added or changed; never in the background.
void frmCorvale::QueryRemoteServers() {
    if (mLauncher.Type() != Launcher::ClientOnly) {
        mStatusTips.Hide();
        return;
    }
    const std::vector<ServerAddr>& remotes = std::as_const(mLauncher).RemoteServers();
    if (remotes.empty())
        return;
    QStringList addresses;
    for (const ServerAddr& server : remotes)
        addresses << server.ID;
    mStatusTips.Show(addresses);
}

void frmCorvale::UpdateStatusCommand() {
    ui->mnuViewServerStatus->setEnabled(mLauncher.Type() == Launcher::ClientOnly &&
                                        ServerSelection() >= 0);
}

void frmCorvale::ShowServerStatus() {
    const qint16 row = ServerSelection();
    if (mLauncher.Type() != Launcher::ClientOnly || row < 0)
        return;
    auto* window = new frmServerStatus(std::as_const(mLauncher).RemoteServers().at(row).ID, this);
    // Beside the main window rather than over its lists.
    window->move(frameGeometry().topRight() + QPoint(8, 0));
    window->show();
}

void frmCorvale::ShowServerFinder() {
    if (!mServerFinder) {
        auto* window = new frmServerFinder(this);
        connect(window, &frmServerFinder::JoinRequested, this,
                [this](const QString& address) { JoinServer(address); });
        connect(window, &frmServerFinder::AddRequested, this,
                [this](const QString& address) { JoinServer(address, false); });
        mServerFinder = window;
    }
    mServerFinder->show();
    mServerFinder->raise();
    mServerFinder->activateWindow();
}

void frmCorvale::JoinServer(const QString& address, bool launch) {
    if (launch)
        ui->optLaunch2->setChecked(true);
    // "host" and "host:27910" are one server; the address as stored stays.
    const auto key = [](const QString& id) {
        const ServerAddr parts{id};
        return QStringLiteral("%1 %2").arg(
            parts.Addr().toLower(),
            parts.Port().isEmpty() ? QString::number(kDefaultGamePort) : parts.Port());
    };
    // Looked up without marking the list changed; only an added entry changes it.
    const std::vector<ServerAddr>& remotes = std::as_const(mLauncher).RemoteServers();
    const auto found = std::find_if(remotes.begin(), remotes.end(), [&](const ServerAddr& server) {
        return key(server.ID) == key(address);
    });
    if (mLauncher.Type() != Launcher::ClientOnly) {
        if (found == remotes.end())
            mLauncher.RemoteServers().push_back(ServerAddr{address});
        return;
    }
    if (found == remotes.end())
        mLists.AddRemoteServer(address);
    else
        mLists.Servers().Select(static_cast<int>(found - remotes.begin()));
    QueryRemoteServers();
    if (launch)
        LaunchGame();
}

void frmCorvale::closeEvent(QCloseEvent* event) {
    if (!SettleRunningServers()) {
        event->ignore();
        return;
    }
    Unload();
    // The consoles go with the window; their servers end or run on as settled.
    for (ServerConsole* console : findChildren<ServerConsole*>())
        console->hide();
    event->accept();
}

void frmCorvale::EndSession() {
    // A logout waits for no answer: the servers run on, but for those the
    // user has already asked to stop. Released, they leave no question.
    for (ServerConsole* console : findChildren<ServerConsole*>()) {
        if (console->RunningOn())
            console->LeaveRunning();
    }
    close();
}

bool frmCorvale::SettleRunningServers() {
    // Guarded: a console may go while the question is open.
    QList<QPointer<ServerConsole>> running;
    for (ServerConsole* console : findChildren<ServerConsole*>()) {
        if (console->RunningOn())
            running << console;
    }
    if (running.isEmpty())
        return true;
    const bool one = running.size() == 1;
    const QString question =
        one ? tr("A dedicated server started from Corvale is still running.")
            : tr("%1 dedicated servers started from Corvale are still running.")
                  .arg(running.size());
    const int choice =
        Prompts::Choose(this, question,
                        one ? QStringList{tr("Stop the Server"), tr("Leave It Running")}
                            : QStringList{tr("Stop the Servers"), tr("Leave Them Running")});
    if (choice < 0)
        return false;
    for (ServerConsole* console : running) {
        if (!console)
            continue;
        if (choice == 0)
            console->Stop();
        else
            console->LeaveRunning();
    }
    return true;
}

// Stores everything once per run, whatever ends it (a close, close on launch,
// the end of the session). The companion objects stay until the window goes,
// so that code resumed after an interrupted dialog still finds them.
void frmCorvale::Unload() {
    // A window that was never loaded holds no lists to store.
    if (mUnloaded || !mLoaded)
        return;
    mUnloaded = true;
    mLists.SaveSelections();
    QStringList problems;
    if (const Result<> saved = mLauncher.SaveCollections(); !saved)
        problems << saved.Error();
    SettingsStore settings;
    mPlacement.WriteSettings(settings);
    mOptions.WriteSettings(settings);
    mPicture->WriteSettings(settings);
    mLauncher.WriteSettings(settings);
    if (const Result<> saved = settings.Save(); !saved)
        problems << saved.Error();
    if (!problems.isEmpty())
        Prompts::Message(this, problems.join(QStringLiteral("\n\n")), Prompts::Icon::Warning);
}

void frmCorvale::BringForward() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
