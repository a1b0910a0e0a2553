#include "app/ui/frmCorvale.h"

#include "client/ui/frmUserProfile.h"
#include "game/Quake2.h"
#include "platform/SettingsStore.h"
#include "prefs/ui/frmAbout.h"
#include "prefs/ui/frmOptions.h"
#include "prefs/ui/frmRandomPicture.h"
#include "server/ui/frmServer.h"
#include "status/StatusFormat.h"
#include "status/ui/frmServerStatus.h"
#include "ui_frmCorvale.h"
#include "widgets/OpenInViewer.h"
#include "widgets/Prompts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QListView>
#include <QLocale>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>

frmCorvale* gMainForm = nullptr;

namespace {

int Pixels(int twips) {
    return qRound(double(twips) / kTwipsPerPixel);
}

QRect DefaultPlacement() {
    return QRect(Pixels(Setting::MainLeft.defaultValue), Pixels(Setting::MainTop.defaultValue),
                 Pixels(Setting::MainWidth.defaultValue), Pixels(Setting::MainHeight.defaultValue));
}

bool InBounds(const TwipsSetting& setting, int pixels) {
    const qint64 twips = qint64(pixels) * kTwipsPerPixel;
    return twips >= setting.minimum && twips <= setting.maximum;
}

// A placement the user can reach: every value within what the settings take
// back, and a good part of the window (100 by 50 pixels) on some screen.
bool Usable(const QRect& placement) {
    if (!InBounds(Setting::MainLeft, placement.x()) || !InBounds(Setting::MainTop, placement.y()) ||
        !InBounds(Setting::MainWidth, placement.width()) ||
        !InBounds(Setting::MainHeight, placement.height()))
        return false;
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty())
        return true;
    for (const QScreen* screen : screens) {
        const QRect visible = screen->availableGeometry().intersected(placement);
        if (visible.width() >= 100 && visible.height() >= 50)
            return true;
    }
    return false;
}

qint16 SelectedRow(const QListView* view) {
    const QModelIndexList selected = view->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? qint16(-1) : qint16(selected.first().row());
}

} // namespace

frmCorvale::frmCorvale(Quake2& game, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmCorvale>()), mGame(game), mLauncher(game) {
    ui->setupUi(this);
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
    connect(ui->cmdClientRemove, &QPushButton::clicked, this, &frmCorvale::RemoveClient);
    connect(ui->cmdServerAdd, &QPushButton::clicked, this, &frmCorvale::AddServer);
    connect(ui->cmdServerChange, &QPushButton::clicked, this, &frmCorvale::ChangeServer);
    connect(ui->cmdServerRemove, &QPushButton::clicked, this, &frmCorvale::RemoveServer);
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
    connect(ui->mnuViewOptions, &QAction::triggered, this, &frmCorvale::ShowOptions);
    connect(&mStatusQuery, &StatusQuery::StatusReady, this, [this](const ServerStatus& status) {
        mStatusTips.insert(status.address, StatusTooltip(status));
        if (mLauncher.mClientOnly)
            mLists.ServerModel().SetToolTips(
                [this](const QString& address) { return mStatusTips.value(address); });
    });
    connect(ui->mnuHelpAbout, &QAction::triggered, this, &frmCorvale::ShowAbout);
    ui->imgRandom->installEventFilter(this);

    // A main window has no default button of its own: Enter presses the
    // focused button, or Launch.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &frmCorvale::PressDefaultButton);
    }
    StartClock();
}

frmCorvale::~frmCorvale() = default;

void frmCorvale::StartClock() {
    auto* ready = new QLabel(tr("Ready"));
    mDateLabel = new QLabel;
    mTimeLabel = new QLabel;
    ui->staStatus->addWidget(ready, 1);
    ui->staStatus->addPermanentWidget(mDateLabel);
    ui->staStatus->addPermanentWidget(mTimeLabel);
    auto tick = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        const QLocale locale;
        mDateLabel->setText(locale.toString(now.date(), QLocale::ShortFormat));
        mTimeLabel->setText(locale.toString(now.time(), QLocale::ShortFormat));
    };
    tick();
    connect(&mClock, &QTimer::timeout, this, tick);
    mClock.start(1000);
}

void frmCorvale::Load() {
    mOptions = std::make_unique<Options>(mGame);
    mRandomPicture = std::make_unique<RandomPicture>();
    mDefaultServer = std::make_unique<ServerConfig>();
    PlaceWindow();
    SetupWindow();
}

// The stored placement, used whole or not at all: a value that is not a
// number or out of range, or a window that would be out of reach, gives the
// default placement.
void frmCorvale::PlaceWindow() {
    const std::optional<int> left = SettingsStore::Read(Setting::MainLeft);
    const std::optional<int> top = SettingsStore::Read(Setting::MainTop);
    const std::optional<int> width = SettingsStore::Read(Setting::MainWidth);
    const std::optional<int> height = SettingsStore::Read(Setting::MainHeight);
    QRect placement;
    if (left && top && width && height)
        placement = QRect(Pixels(*left), Pixels(*top), Pixels(*width), Pixels(*height));
    if (!Usable(placement))
        placement = DefaultPlacement();
    move(placement.topLeft());
    // The window is laid out for its stated size and cannot be made smaller.
    resize(placement.size().expandedTo(minimumSizeHint()));
}

void frmCorvale::SavePlacement(SettingsStore& settings) const {
    QRect placement(pos(), size());
    if (!Usable(placement))
        placement = DefaultPlacement();
    settings.Write(Setting::MainLeft, placement.x() * kTwipsPerPixel);
    settings.Write(Setting::MainTop, placement.y() * kTwipsPerPixel);
    settings.Write(Setting::MainWidth, placement.width() * kTwipsPerPixel);
    settings.Write(Setting::MainHeight, placement.height() * kTwipsPerPixel);
}

void frmCorvale::SetupWindow() {
    const QStringList problems = mLauncher.LoadCollections();
    mLists.FillServerList();
    mLists.FillClientList();
    ApplyLaunchType();
    const int type = mLauncher.CurrentLaunchType();
    if (type != Launcher::ListenServer)
        ui->optLaunch->button(type)->setChecked(true);
    ShowPicture(false);
    if (!problems.isEmpty()) {
        // Said once, after the window is on the screen.
        QTimer::singleShot(0, this, [this, problems] {
            Prompts::Message(this, problems.join(QStringLiteral("\n\n")), Prompts::Icon::Warning);
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
    if (watched == ui->imgRandom && event->type() == QEvent::MouseButtonDblClick) {
        ChoosePicture();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmCorvale::AddClient() {
    UserProfile profile;
    frmUserProfile dialog(profile, mGame, *mOptions, this);
    dialog.exec();
    if (!profile.ID.isEmpty())
        mLists.AddClient(profile);
}

void frmCorvale::ChangeClient() {
    const qint16 row = ClientSelection();
    if (row < 0)
        return;
    frmUserProfile dialog(mLauncher.mClients.at(row), mGame, *mOptions, this);
    dialog.exec();
    mLists.ClientModel().Changed(row);
}

void frmCorvale::RemoveClient() {
    mLists.RemoveSelectedClient();
}

void frmCorvale::AddServer() {
    if (mLauncher.mClientOnly) {
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
    frmServer dialog(mLauncher.mServers.back(), mGame, *mOptions, this);
    dialog.exec();
}

void frmCorvale::ChangeServer() {
    const qint16 row = ServerSelection();
    if (row < 0)
        return;
    if (mLauncher.mClientOnly) {
        const QString address = Prompts::Input(this, tr("Enter the new server address [port]"),
                                               mLauncher.mRemoteServers.at(row).ID);
        if (address.isEmpty())
            return;
        mLauncher.mRemoteServers.at(row).ID = address;
        mLists.ServerModel().Changed(row);
        QueryRemoteServers();
        return;
    }
    frmServer dialog(mLauncher.mServers.at(row), mGame, *mOptions, this);
    dialog.exec();
    mLists.ServerModel().Changed(row);
}

void frmCorvale::RemoveServer() {
    mLists.RemoveSelectedServer();
}

void frmCorvale::PressDefaultButton() {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
        button->click();
        return;
    }
    ui->cmdLaunch->click();
}

bool frmCorvale::LaunchGame() {
    SettlePendingDeselects();
    if (ServerSelection() < 0 && !mLauncher.mClientOnly) {
        frmServer dialog(*mDefaultServer, mGame, *mOptions, this);
        dialog.exec();
        // The session ended while the dialog was open (the window has been
        // unloaded and everything stored): the user never confirmed this
        // launch.
        if (mUnloaded)
            return false;
    }
    if (const Result<> written =
            mLauncher.WriteLaunchConfig(ClientSelection(), ServerSelection(), *mDefaultServer);
        !written) {
        Prompts::Message(this, written.Error(), Prompts::Icon::Warning);
        return false;
    }
    if (const Result<> started = mLauncher.Launch(); !started) {
        Prompts::Message(this, tr("Could not launch Quake2"), Prompts::Icon::Critical,
                         started.Error());
        return false;
    }
    if (mOptions->CloseOnLaunch())
        close();
    return true;
}

void frmCorvale::ViewCommandLine() {
    SettlePendingDeselects();
    mLauncher.SelectGame(ServerSelection(), *mDefaultServer);
    Prompts::Message(this, mLauncher.CommandLine(), Prompts::Icon::None, QString(),
                     tr("Command Line Preview"));
}

void frmCorvale::ViewConfigFile() {
    SettlePendingDeselects();
    if (const Result<> written =
            mLauncher.WriteLaunchConfig(ClientSelection(), ServerSelection(), *mDefaultServer);
        !written) {
        Prompts::Message(this, written.Error(), Prompts::Icon::Warning);
        return;
    }
    OpenInViewer(this, mOptions->TextViewer(), mLauncher.LaunchConfigPath(),
                 tr("Could not open text viewer"), Prompts::Icon::Critical);
}

// Remote servers are asked for their status when the list shows them, and
// again when one is added or changed; never in the background.
void frmCorvale::QueryRemoteServers() {
    if (!mLauncher.mClientOnly || mLauncher.mRemoteServers.empty())
        return;
    // What is known already shows at once.
    mLists.ServerModel().SetToolTips(
        [this](const QString& address) { return mStatusTips.value(address); });
    QStringList addresses;
    for (const ServerAddr& server : mLauncher.mRemoteServers)
        addresses << server.ID;
    addresses.removeDuplicates();
    mStatusQuery.Query(addresses);
}

void frmCorvale::UpdateStatusCommand() {
    ui->mnuViewServerStatus->setEnabled(mLauncher.mClientOnly && ServerSelection() >= 0);
}

void frmCorvale::ShowServerStatus() {
    const qint16 row = ServerSelection();
    if (!mLauncher.mClientOnly || row < 0)
        return;
    auto* window = new frmServerStatus(mLauncher.mRemoteServers.at(row).ID, this);
    // Beside the main window rather than over its lists.
    window->move(frameGeometry().topRight() + QPoint(8, 0));
    window->show();
}

void frmCorvale::ShowOptions() {
    frmOptions dialog(*mOptions, this);
    dialog.exec();
}

void frmCorvale::ShowAbout() {
    frmAbout dialog(this);
    dialog.exec();
}

void frmCorvale::ChoosePicture() {
    frmRandomPicture dialog(*mRandomPicture, this);
    dialog.exec();
    if (mRandomPicture->OK)
        ShowPicture(true);
}

// Loads the picture into the box. At start-up a failure is silent and the
// picture is shown unscaled; after the dialog the stretch setting applies and
// a failure is reported with the loader's own words.
void frmCorvale::ShowPicture(bool afterDialog) {
    ui->imgRandom->clear();
    ui->imgRandom->resize(204, 204);
    if (afterDialog)
        ui->imgRandom->setScaledContents(mRandomPicture->StretchToFit);
    if (mRandomPicture->ImageFile.isEmpty())
        return;
    // Reading a FIFO or a device would block for good: only ordinary files
    // are opened.
    const QFileInfo file(mRandomPicture->ImageFile);
    if (file.exists() && !file.isFile()) {
        if (afterDialog)
            Prompts::Message(this, tr("Not an ordinary file"), Prompts::Icon::Warning);
        return;
    }
    QImageReader reader(mRandomPicture->ImageFile);
    const QImage image = reader.read();
    if (image.isNull()) {
        if (afterDialog)
            Prompts::Message(this, reader.errorString(), Prompts::Icon::Warning);
        return;
    }
    ui->imgRandom->setPixmap(QPixmap::fromImage(image));
}

void frmCorvale::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}

QStringList frmCorvale::SaveState() {
    mLists.SaveSelections();
    return mLauncher.SaveCollections();
}

// Stores everything once per run, whatever ends it (a close, close on launch,
// the end of the session). The companion objects stay until the window goes,
// so that code resumed after an interrupted dialog still finds them.
void frmCorvale::Unload() {
    // A window that was never loaded holds no lists to store.
    if (mUnloaded || !mOptions)
        return;
    mUnloaded = true;
    QStringList problems = SaveState();
    SettingsStore settings;
    if (!isMinimized())
        SavePlacement(settings);
    mOptions->Save(settings);
    mRandomPicture->Save(settings);
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
