#include "app/frmCorvale.h"

#include "client/frmUserProfile.h"
#include "common/TextViewer.h"
#include "game/Quake2.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "prefs/frmAbout.h"
#include "prefs/frmOptions.h"
#include "prefs/frmRandomPicture.h"
#include "server/frmServer.h"
#include "ui_frmCorvale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>

frmCorvale* gMainForm = nullptr;

namespace {

constexpr int kTwipsPerPixel = 15;

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

qint16 SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? qint16(-1) : qint16(list->row(selected.first()));
}

// Selects row (nothing for -1 or a row that is not there). A change of the
// selection runs the list's click rule through itemSelectionChanged.
void SelectRow(QListWidget* list, int row) {
    if (row < 0 || row >= list->count())
        list->clearSelection();
    else
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

} // namespace

frmCorvale::frmCorvale(Quake2& game, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::frmCorvale>()), mGame(game), mLauncher(game) {
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/corvale.png")));
    const QList<QAction*> viewActions = ui->mnuView->actions();
    int separators = 0;
    for (QAction* action : viewActions) {
        if (action->isSeparator())
            action->setObjectName(QStringLiteral("mnuViewBar%1").arg(++separators));
    }

    mServerList.list = ui->lstServer;
    mServerList.change = ui->cmdServerChange;
    mServerList.remove = ui->cmdServerRemove;
    mClientList.list = ui->lstClient;
    mClientList.change = ui->cmdClientChange;
    mClientList.remove = ui->cmdClientRemove;
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
    connect(ui->mnuViewOptions, &QAction::triggered, this, &frmCorvale::ShowOptions);
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
    mServerList.lastClick = -1;
    mClientList.lastClick = -1;
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
    resize(placement.size());
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
    FillServerList();
    FillClientList();
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

void frmCorvale::FillServerList() {
    const bool remote = mLauncher.mClientOnly;
    const qint16 restore = remote ? mLauncher.mRemoteServerIndex : mLauncher.mServerIndex;
    mServerList.lastClick = -1;
    ui->lstServer->clear();
    if (remote) {
        for (const ServerAddr& server : mLauncher.mRemoteServers)
            ui->lstServer->addItem(server.ID);
    } else {
        for (const ServerConfig& server : mLauncher.mServers)
            ui->lstServer->addItem(server.ID);
    }
    SelectRow(ui->lstServer, restore);
    UpdateButtons(mServerList);
}

void frmCorvale::FillClientList() {
    mClientList.lastClick = -1;
    ui->lstClient->clear();
    for (const UserProfile& profile : mLauncher.mClients)
        ui->lstClient->addItem(profile.ID);
    SelectRow(ui->lstClient, mLauncher.mClientIndex);
    UpdateButtons(mClientList);
}

void frmCorvale::ApplyLaunchType() {
    const bool profilesUsed = !mLauncher.mDedicated;
    ui->fraClient->setEnabled(profilesUsed);
    ui->lstClient->setEnabled(profilesUsed);
    ui->cmdClientAdd->setEnabled(profilesUsed);
    SelectRow(ui->lstClient, profilesUsed ? mLauncher.mClientIndex : -1);
    UpdateButtons(mClientList);
}

void frmCorvale::SwitchLaunchType(int type) {
    if (mLauncher.mClientOnly)
        mLauncher.mRemoteServerIndex = ServerSelection();
    else
        mLauncher.mServerIndex = ServerSelection();
    if (!mLauncher.mDedicated)
        mLauncher.mClientIndex = ClientSelection();
    mLauncher.SetLaunchType(type);
    ui->fraServer->setTitle(type == Launcher::ClientOnly ? tr("Connect To")
                                                         : tr("Server Configurations"));
    FillServerList();
    ApplyLaunchType();
}

qint16 frmCorvale::ServerSelection() const {
    return SelectedRow(ui->lstServer);
}

qint16 frmCorvale::ClientSelection() const {
    return SelectedRow(ui->lstClient);
}

void frmCorvale::ConnectList(ListControls& controls, void (frmCorvale::*change)()) {
    QListWidget* list = controls.list;
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, &controls] { ClickRule(controls); });
    // A click on the entry that was already selected deselects it, unless it
    // turns out to be the first click of a double click.
    controls.deselectTimer.setSingleShot(true);
    connect(list, &QListWidget::clicked, this, [&controls](const QModelIndex& index) {
        if (index.row() == controls.rowAtPress && SelectedRow(controls.list) == index.row())
            controls.deselectTimer.start(QApplication::doubleClickInterval());
    });
    connect(&controls.deselectTimer, &QTimer::timeout, this,
            [&controls] { FinishDeselect(controls); });
    connect(list, &QListWidget::doubleClicked, this, [this, &controls, change] {
        controls.deselectTimer.stop();
        if (controls.change->isEnabled())
            (this->*change)();
    });
}

void frmCorvale::FinishDeselect(ListControls& controls) {
    controls.deselectTimer.stop();
    if (SelectedRow(controls.list) == controls.lastClick)
        controls.list->clearSelection();
}

// A command that acts on the selections takes what the lists will show once
// a deselection waiting for the end of the double-click interval is done.
void frmCorvale::SettlePendingDeselects() {
    for (ListControls* controls : {&mServerList, &mClientList}) {
        if (controls->deselectTimer.isActive())
            FinishDeselect(*controls);
    }
}

void frmCorvale::ClickRule(ListControls& controls) {
    // Another selection cancels a deselection still waiting for the end of
    // the double-click interval.
    controls.deselectTimer.stop();
    qint16 selection = SelectedRow(controls.list);
    if (selection >= 0 && selection == controls.lastClick) {
        controls.list->clearSelection();
        selection = -1;
    }
    controls.lastClick = selection;
    UpdateButtons(controls);
}

void frmCorvale::UpdateButtons(ListControls& controls) {
    const bool selected = SelectedRow(controls.list) >= 0;
    controls.change->setEnabled(selected);
    controls.remove->setEnabled(selected);
}

bool frmCorvale::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (ListControls* controls : {&mServerList, &mClientList}) {
            if (watched == controls->list->viewport())
                controls->rowAtPress = SelectedRow(controls->list);
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
    if (profile.ID.isEmpty())
        return;
    mLauncher.mClients.push_back(profile);
    ui->lstClient->addItem(profile.ID);
    SelectRow(ui->lstClient, ui->lstClient->count() - 1);
}

void frmCorvale::ChangeClient() {
    const qint16 row = ClientSelection();
    if (row < 0)
        return;
    UserProfile& profile = mLauncher.mClients.at(row);
    frmUserProfile dialog(profile, mGame, *mOptions, this);
    dialog.exec();
    ui->lstClient->item(row)->setText(profile.ID);
}

void frmCorvale::RemoveClient() {
    RemoveSelected(mClientList, mLauncher.mClients);
}

void frmCorvale::AddServer() {
    if (mLauncher.mClientOnly) {
        const QString address =
            Prompts::Input(this, tr("Enter a server address and port (optional)"));
        if (address.isEmpty())
            return;
        ServerAddr remote;
        remote.ID = address;
        mLauncher.mRemoteServers.push_back(remote);
        ui->lstServer->addItem(address);
        SelectRow(ui->lstServer, ui->lstServer->count() - 1);
        return;
    }
    const QString name = Prompts::Input(this, tr("Enter the server configuration name"));
    if (name.isEmpty())
        return;
    ServerConfig server;
    server.ID = name;
    mLauncher.mServers.push_back(server);
    ui->lstServer->addItem(name);
    SelectRow(ui->lstServer, ui->lstServer->count() - 1);
    frmServer dialog(mLauncher.mServers.back(), mGame, *mOptions, this);
    dialog.exec();
}

void frmCorvale::ChangeServer() {
    const qint16 row = ServerSelection();
    if (row < 0)
        return;
    if (mLauncher.mClientOnly) {
        const QString address = Prompts::Input(this, tr("Enter the new server address [port]"),
                                               ui->lstServer->item(row)->text());
        if (address.isEmpty())
            return;
        ui->lstServer->item(row)->setText(address);
        mLauncher.mRemoteServers.at(row).ID = address;
        return;
    }
    frmServer dialog(mLauncher.mServers.at(row), mGame, *mOptions, this);
    dialog.exec();
}

void frmCorvale::RemoveServer() {
    if (mLauncher.mClientOnly)
        RemoveSelected(mServerList, mLauncher.mRemoteServers);
    else
        RemoveSelected(mServerList, mLauncher.mServers);
}

void frmCorvale::RemoveSelected(ListControls& controls, auto& collection) {
    const qint16 row = SelectedRow(controls.list);
    if (row < 0)
        return;
    collection.erase(collection.begin() + row);
    delete controls.list->takeItem(row);
    if (controls.list->count() == 0) {
        UpdateButtons(controls);
        return;
    }
    // The entry that took the removed one's place stays selected, or the
    // first one when the last entry went.
    controls.lastClick = -1;
    controls.list->clearSelection();
    SelectRow(controls.list, row == controls.list->count() ? 0 : row);
}

void frmCorvale::PressDefaultButton() {
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled()) {
        button->click();
        return;
    }
    ui->cmdLaunch->click();
}

void frmCorvale::LaunchGame() {
    SettlePendingDeselects();
    if (ServerSelection() < 0 && !mLauncher.mClientOnly) {
        frmServer dialog(*mDefaultServer, mGame, *mOptions, this);
        dialog.exec();
    }
    if (const Result<> written =
            mLauncher.WriteLaunchConfig(ClientSelection(), ServerSelection(), *mDefaultServer);
        !written) {
        Prompts::Message(this, written.Error(), Prompts::Icon::Warning);
        return;
    }
    if (const Result<> started = mLauncher.Launch(); !started) {
        Prompts::Message(this, tr("Could not launch Quake2"), Prompts::Icon::Critical,
                         QStringLiteral("Corvale"), started.Error());
        return;
    }
    if (mOptions->CloseOnLaunch())
        close();
}

void frmCorvale::ViewCommandLine() {
    SettlePendingDeselects();
    mLauncher.SelectGame(ServerSelection(), *mDefaultServer);
    Prompts::Message(this, mLauncher.CommandLine(), Prompts::Icon::None,
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
    if (const Result<> started =
            StartTextViewer(mOptions->TextViewer(), mLauncher.LaunchConfigPath());
        !started)
        Prompts::Message(this, tr("Could not open text viewer"), Prompts::Icon::Critical,
                         QStringLiteral("Corvale"), started.Error());
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
    if (!mLauncher.mDedicated)
        mLauncher.mClientIndex = ClientSelection();
    if (mLauncher.mClientOnly)
        mLauncher.mRemoteServerIndex = ServerSelection();
    else
        mLauncher.mServerIndex = ServerSelection();
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
    if (mOptions)
        mOptions->Save(settings);
    if (mRandomPicture)
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
