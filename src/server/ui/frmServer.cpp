#include "server/ui/frmServer.h"

#include "ui_frmServer.h"

#include "common/RowInRange.h"
#include "common/ScriptWriter.h"
#include "common/TextToInt16.h"
#include "game/Quake2.h"
#include "prefs/Options.h"
#include "server/ServerConfig.h"
#include "widgets/OpenInViewer.h"
#include "widgets/Prompts.h"
#include "widgets/SingleLine.h"
#include "widgets/SpinArrows.h"

#include <QEvent>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Option i of the group is button i of the list.
void AddOptions(QButtonGroup& group, const QList<QAbstractButton*>& buttons) {
    for (int i = 0; i < buttons.size(); ++i)
        group.addButton(buttons.at(i), i);
}

// Checks the option with that index, or none when the index names no option
// (a record read from a file may hold any number).
void SelectOption(QButtonGroup& group, int index) {
    if (QAbstractButton* button = group.button(index)) {
        button->setChecked(true);
        return;
    }
    group.setExclusive(false);
    for (QAbstractButton* button : group.buttons())
        button->setChecked(false);
    group.setExclusive(true);
}

// The selected option's index, or the field's value when none is selected.
qint16 SelectedOption(const QButtonGroup& group, qint16 field) {
    const int index = group.checkedId();
    return index >= 0 ? static_cast<qint16>(index) : field;
}

void ReadNumber(const QLineEdit* box, qint16& field) {
    if (const std::optional<qint16> number = TextToInt16(box->text()))
        field = *number;
}

// A save title ends at its first NUL byte.
QString SavedGameLine(const QString& title) {
    if (title.isEmpty())
        return frmServer::tr("<empty>");
    const qsizetype end = title.indexOf(QChar(0));
    return end < 0 ? title : title.left(end);
}

} // namespace

frmServer::frmServer(ServerConfig& record, Quake2& game, const Options& options, QWidget* parent)
    : RecordDialog(parent), ui(std::make_unique<Ui::frmServer>()), mRecord(record), mGame(game),
      mOptions(options) {
    ui->setupUi(this);
    BindControls();
    ConnectRules();
}

frmServer::~frmServer() = default;

void frmServer::BindControls() {
    AddOptions(mPlayerMode, {ui->optPlayerMode0, ui->optPlayerMode1, ui->optPlayerMode2});
    AddOptions(mDifficulty,
               {ui->optDifficulty0, ui->optDifficulty1, ui->optDifficulty2, ui->optDifficulty3});
    AddOptions(mMapMode, {ui->optMap0, ui->optMap1, ui->optMap2, ui->optMap3, ui->optMap4});
    // Check box i stands for bit i of the flags. A plain list, not a button
    // group: Qt lets Tab reach only one button of a group, which would leave
    // nineteen of the boxes out of the keyboard's reach.
    for (int bit = 0; bit < ServerConfig::kDmFlagCount; ++bit)
        mDmFlags << findChild<QCheckBox*>(QStringLiteral("chkDmflag%1").arg(bit));

    ui->updMaxclients->Attach(ui->txtMaxclients, 0, 100, 1);
    ui->updFraglimit->Attach(ui->txtFraglimit, 0, 1000, 5);
    ui->updTimelimit->Attach(ui->txtTimelimit, 0, 1440, 5);

    // The map list box takes typed file names as they are.
    ui->cboMapList->setCompleter(nullptr);
    // Hidden map controls keep their place, so the tab does not rearrange.
    const QList<QWidget*> mapControls = {ui->lblMapList, ui->cboMapList, ui->lstMaps,
                                         ui->lblMapName, ui->txtMapName, ui->cmdViewTextFile};
    for (QWidget* widget : mapControls) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    ui->txtExtraCommands->installEventFilter(this);
    KeepSingleLine(this);
}

void frmServer::ConnectRules() {
    connect(&mPlayerMode, &QButtonGroup::idClicked, this, &frmServer::ApplyPlayerMode);
    connect(&mMapMode, &QButtonGroup::idClicked, this, &frmServer::ApplyMapMode);
    connect(ui->cboSubgame, &QComboBox::currentIndexChanged, this, &frmServer::SubgameChanged);
    connect(ui->cboMapList, &QComboBox::activated, this, &frmServer::MapListItemSelected);
    connect(ui->cboMapList->lineEdit(), &QLineEdit::editingFinished, this, &frmServer::MapListLeft);
    connect(ui->lstMaps, &QListWidget::itemSelectionChanged, this, &frmServer::MapEntrySelected);
    connect(ui->lstMaps, &QListWidget::itemDoubleClicked, this, &frmServer::MapEntryDoubleClicked);
    connect(ui->txtMapName, &QLineEdit::textChanged, this, &frmServer::MapNameEdited);
    connect(ui->cmdViewTextFile, &QPushButton::clicked, this, &frmServer::ViewTextFile);
    connect(ui->cmdDefaults, &QPushButton::clicked, this, &frmServer::LoadDefaults);
    BindButtons(ui->cmdOK, ui->cmdCancel);
}

bool frmServer::eventFilter(QObject* watched, QEvent* event) {
    // Enter starts a new line in the extra commands instead of pressing OK.
    if (watched == ui->txtExtraCommands) {
        if (event->type() == QEvent::FocusIn)
            ui->cmdOK->setDefault(false);
        else if (event->type() == QEvent::FocusOut)
            ui->cmdOK->setDefault(true);
    }
    return QDialog::eventFilter(watched, event);
}

void frmServer::FillSubgameList() {
    // Listings come sorted ignoring case, which is the order the list keeps.
    QStringList names = mGame.ListDirectories(QStringLiteral("*.*"));
    // The game gets the chosen folder on its command line, where a name that
    // its console would split would run commands of its own.
    names.removeIf([](const QString& name) { return ScriptWriter::ConsoleWouldSplit(name); });
    // Filling selects nothing, so it changes no subgame.
    const QSignalBlocker blocker(ui->cboSubgame);
    ui->cboSubgame->clear();
    ui->cboSubgame->addItems(names);
    ui->cboSubgame->setCurrentIndex(-1);
}

void frmServer::FillMapList() {
    ui->lstMaps->clear();
    mLastFilledList = MapListValue();
    // A typed name that equals a built-in list means that list, as it does
    // when the server starts.
    const Result<QStringList> maps = ServerConfig::GetMapList(
        ServerConfig::MapListKind(mLastFilledList), mLastFilledList, mGame);
    if (maps)
        ui->lstMaps->addItems(*maps);
    else
        Prompts::Message(this, maps.Error(), Prompts::Icon::Warning);
}

void frmServer::FillSavedGameList() {
    ui->lstMaps->clear();
    for (const QString& title : mGame.SavedGames())
        ui->lstMaps->addItem(SavedGameLine(title));
    ui->lstMaps->setCurrentRow(0);
}

void frmServer::FillControls() {
    if (!mRecord.ID.isEmpty())
        setWindowTitle(tr("Server Configuration - [%1]").arg(mRecord.ID));
    mGame.SetGame(QString());
    FillSubgameList();
    ui->cboSubgame->setCurrentIndex(
        ui->cboSubgame->findText(mRecord.Game, Qt::MatchExactly | Qt::MatchCaseSensitive));

    if (mRecord.MapList.isEmpty())
        SelectMapList(Quake2::MapKind::SinglePlayerLevels);
    else if (const auto kind = ServerConfig::MapListKind(mRecord.MapList))
        SelectMapList(*kind);
    else
        ui->cboMapList->setEditText(mRecord.MapList);

    ui->chkEnableCheats->setChecked(mRecord.EnableCheats);
    ui->chkAllowDownload->setChecked(mRecord.AllowDownload);
    ui->chkLogConsole->setChecked(mRecord.LogConsole);
    ui->chkPublic->setChecked(mRecord.Public);
    ui->chkSelectEmpty->setChecked(mRecord.SelectEmpty);

    SelectOption(mPlayerMode, mRecord.PlayerMode);
    ApplyPlayerMode();
    SelectOption(mDifficulty, mRecord.Difficulty);
    SelectOption(mMapMode, mRecord.MapMode);
    ApplyMapMode();

    if (mRecord.MapMode == ServerConfig::LoadSavedGame && !mRecord.MapName.isEmpty()) {
        // A name without a slot number keeps the first slot.
        const int slot = Quake2::SaveSlotNumber(mRecord.MapName);
        if (RowInRange(slot, ui->lstMaps->count()))
            ui->lstMaps->setCurrentRow(slot);
    } else if (mRecord.MapMode == ServerConfig::SpecificMap) {
        const QList<QListWidgetItem*> matches =
            ui->lstMaps->findItems(mRecord.MapName, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!matches.isEmpty())
            ui->lstMaps->setCurrentItem(matches.first());
        else
            ui->txtMapName->setText(mRecord.MapName);
    }

    ui->txtServerName->setText(mRecord.ServerName);
    ui->txtMaxclients->setText(QString::number(mRecord.MaxClients));
    ui->txtFraglimit->setText(QString::number(mRecord.FragLimit));
    ui->txtTimelimit->setText(QString::number(mRecord.TimeLimit));
    ui->txtGravity->setText(QString::number(mRecord.Gravity));
    QString extraCommands = mRecord.ExtraCommands;
    ui->txtExtraCommands->setPlainText(extraCommands.replace(kCrLf, QStringLiteral("\n")));

    for (int bit = 0; bit < mDmFlags.size(); ++bit)
        mDmFlags.at(bit)->setChecked(mRecord.DmFlags & (1 << bit));
}

void frmServer::StoreAndClose() {
    mRecord.Game = ui->cboSubgame->currentIndex() >= 0 ? ui->cboSubgame->currentText() : QString();
    mRecord.PlayerMode = SelectedOption(mPlayerMode, mRecord.PlayerMode);
    mRecord.Difficulty = SelectedOption(mDifficulty, mRecord.Difficulty);
    mRecord.ServerName = ui->txtServerName->text();
    ReadNumber(ui->txtMaxclients, mRecord.MaxClients);
    ReadNumber(ui->txtFraglimit, mRecord.FragLimit);
    ReadNumber(ui->txtTimelimit, mRecord.TimeLimit);
    mRecord.EnableCheats = ui->chkEnableCheats->isChecked();
    mRecord.AllowDownload = ui->chkAllowDownload->isChecked();
    mRecord.LogConsole = ui->chkLogConsole->isChecked();
    mRecord.MapMode = SelectedOption(mMapMode, mRecord.MapMode);

    qint32 flags = 0;
    for (int bit = 0; bit < mDmFlags.size(); ++bit) {
        if (mDmFlags.at(bit)->isChecked())
            flags |= 1 << bit;
    }
    mRecord.DmFlags = flags;

    ReadNumber(ui->txtGravity, mRecord.Gravity);
    mRecord.Public = ui->chkPublic->isChecked();
    mRecord.SelectEmpty = ui->chkSelectEmpty->isChecked();
    mRecord.ExtraCommands = ui->txtExtraCommands->toPlainText().replace(u'\n', kCrLf);

    switch (mRecord.MapMode) {
    case ServerConfig::NoMap:
    case ServerConfig::NewGame:
        mRecord.MapName.clear();
        mRecord.MapList.clear();
        break;
    case ServerConfig::LoadSavedGame: {
        // With no slot selected the first slot, the one the list starts on,
        // is taken: "save-1" would load nothing.
        const QList<QListWidgetItem*> selected = ui->lstMaps->selectedItems();
        const int slot = selected.isEmpty() ? 0 : ui->lstMaps->row(selected.first());
        mRecord.MapName = Quake2::SaveSlotName(slot);
        mRecord.MapList.clear();
        break;
    }
    case ServerConfig::SpecificMap:
        mRecord.MapName = ui->txtMapName->text();
        mRecord.MapList = MapListValue();
        break;
    case ServerConfig::RandomMap:
        mRecord.MapName.clear();
        mRecord.MapList = MapListValue();
        break;
    default:
        break;
    }
    accept();
}

void frmServer::ApplyPlayerMode() {
    const int mode = mPlayerMode.checkedId();
    const bool deathmatch = mode == ServerConfig::Deathmatch;
    const bool serverSettings = deathmatch || mode < 0;
    const QList<QWidget*> serverControls = {ui->txtServerName, ui->txtMaxclients, ui->updMaxclients,
                                            ui->txtFraglimit,  ui->updFraglimit,  ui->txtTimelimit,
                                            ui->updTimelimit};
    for (QWidget* widget : serverControls)
        widget->setEnabled(serverSettings);
    ui->sstOptions->setTabEnabled(ui->sstOptions->indexOf(ui->tabDmflags), serverSettings);

    // A deathmatch server neither starts a new game nor loads a saved one.
    ui->optMap1->setEnabled(!deathmatch);
    ui->optMap2->setEnabled(!deathmatch);
    if (deathmatch &&
        (MapModeIs(ServerConfig::NewGame) || MapModeIs(ServerConfig::LoadSavedGame))) {
        SelectOption(mMapMode, ServerConfig::NoMap);
        ApplyMapMode();
    }
}

void frmServer::ApplyMapMode() {
    const bool savedGame = MapModeIs(ServerConfig::LoadSavedGame);
    const bool specific = MapModeIs(ServerConfig::SpecificMap);
    const bool fromList = specific || MapModeIs(ServerConfig::RandomMap);
    ui->lblMapList->setVisible(fromList);
    ui->cboMapList->setVisible(fromList);
    ui->lstMaps->setVisible(fromList || savedGame);
    ui->lblMapName->setVisible(specific);
    ui->txtMapName->setVisible(specific);
    ui->cmdViewTextFile->setVisible(fromList);
    if (savedGame)
        FillSavedGameList();
    else if (fromList)
        FillMapList();
}

void frmServer::SubgameChanged() {
    mGame.SetGame(ui->cboSubgame->currentText());
    if (MapModeIs(ServerConfig::LoadSavedGame))
        FillSavedGameList();
    else if (MapModeIs(ServerConfig::SpecificMap) || MapModeIs(ServerConfig::RandomMap))
        FillMapList();
}

QString frmServer::MapListValue() const {
    const QString shown = ui->cboMapList->currentText();
    const int item = ui->cboMapList->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return item >= 0 ? ServerConfig::MapListName(Quake2::MapKind(item)) : shown;
}

void frmServer::SelectMapList(Quake2::MapKind kind) {
    ui->cboMapList->setCurrentIndex(int(kind));
    MapListItemSelected();
}

void frmServer::MapListItemSelected() {
    if (MapModeIs(ServerConfig::SpecificMap) || MapModeIs(ServerConfig::RandomMap))
        FillMapList();
}

void frmServer::MapListLeft() {
    if (MapListValue() != mLastFilledList)
        FillMapList();
}

void frmServer::MapEntrySelected() {
    const QList<QListWidgetItem*> selected = ui->lstMaps->selectedItems();
    if (!selected.isEmpty() && MapModeIs(ServerConfig::SpecificMap))
        ui->txtMapName->setText(selected.first()->text());
}

void frmServer::MapEntryDoubleClicked() {
    MapEntrySelected();
    if (!ui->cmdViewTextFile->isHidden() && ui->cmdViewTextFile->isEnabled())
        ViewTextFile();
}

void frmServer::MapNameEdited() {
    const QList<QListWidgetItem*> selected = ui->lstMaps->selectedItems();
    const QString selectedText = selected.isEmpty() ? QString() : selected.first()->text();
    if (ui->txtMapName->text() != selectedText)
        ui->lstMaps->clearSelection();
}

void frmServer::ViewTextFile() {
    const QString mapName = ui->txtMapName->text();
    if (mapName.isEmpty())
        return;
    const QString path = mGame.FilePath(
        QStringLiteral("maps") + Quake2::Separator() + mapName + QStringLiteral(".txt"), false);
    OpenInViewer(this, mOptions.TextViewer(), path, tr("Could not open text file"),
                 Prompts::Icon::Warning);
}

void frmServer::LoadDefaults() {
    mRecord.LoadDefaults();
    FillControls();
}

bool frmServer::MapModeIs(int mode) const {
    return mMapMode.checkedId() == mode;
}
