#include "finder/ui/frmServerFinder.h"

#include "finder/FinderSettings.h"
#include "finder/SlotWatcher.h"
#include "finder/ui/frmMasters.h"
#include "platform/SettingsStore.h"
#include "status/StatusFormat.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>

namespace {

QTreeWidget* NewList(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

} // namespace

frmServerFinder::frmServerFinder(QWidget* parent)
    : QWidget(parent, Qt::Window), mSlotInterval(kSlotCheckInterval),
      mTable(Named(new QTableView(this), "tblServers")),
      mSources(Named(new QLabel(this), "lblSources")),
      mWaiting(Named(new QLabel(this), "lblWaiting")),
      mLan(Named(new QCheckBox(tr("Search the &local network"), this), "chkLan")),
      mRefresh(Named(new QPushButton(tr("&Refresh"), this), "cmdRefresh")),
      mAdd(Named(new QPushButton(tr("&Add to Remote Servers"), this), "cmdAdd")),
      mJoin(Named(new QPushButton(tr("&Join"), this), "cmdJoin")),
      mJoinWhenFree(Named(new QPushButton(tr("Join When a &Slot Frees"), this), "cmdJoinWhenFree")),
      mCancelWait(Named(new QPushButton(tr("Cancel"), this), "cmdCancelWait")) {
    setObjectName(QStringLiteral("frmServerFinder"));
    setWindowTitle(tr("Find Servers"));
    auto* masters = Named(new QPushButton(tr("&Masters…"), this), "cmdMasters");

    mTable->setModel(&mFilter);
    mTable->setSortingEnabled(true);
    mTable->sortByColumn(FoundServers::Ping, Qt::AscendingOrder);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->setWordWrap(false);
    mTable->verticalHeader()->hide();
    mTable->verticalHeader()->setDefaultSectionSize(mTable->fontMetrics().height() + 6);
    mTable->horizontalHeader()->setStretchLastSection(true);
    mTable->setColumnWidth(FoundServers::Name, 240);
    mSources->setTextInteractionFlags(Qt::TextSelectableByMouse);
    mSources->setWordWrap(true);
    mLan->setChecked(SettingsStore().Read(Setting::FinderLocalNetwork));

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(mTable);
    split->addWidget(MakeDetails());
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    // The sources with their settings and Refresh, then what to do with the
    // selected server.
    auto* sources = new QHBoxLayout;
    sources->addWidget(masters);
    sources->addWidget(mLan);
    sources->addStretch(1);
    sources->addWidget(mRefresh);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mWaiting, 1);
    for (QPushButton* button : {mAdd, mJoinWhenFree, mCancelWait, mJoin})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeFilterRow());
    layout->addWidget(split, 1);
    layout->addWidget(mSources);
    layout->addLayout(sources);
    layout->addLayout(buttons);
    mCancelWait->hide();
    mJoin->setDefault(true);

    connect(&mFinder, &ServerFinder::ServerFound, &mServers, &FoundServers::Add);
    connect(&mFinder, &ServerFinder::StatusReceived, this, &frmServerFinder::StatusReceived);
    connect(&mFinder, &ServerFinder::SourceDone, this, &frmServerFinder::ShowSources);
    connect(&mFinder, &ServerFinder::Finished, this, &frmServerFinder::ShowSources);
    connect(&mServers, &FoundServers::GameFound, this, &frmServerFinder::AddGame);
    connect(mTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmServerFinder::ShowSelected);
    connect(mTable, &QTableView::doubleClicked, this, &frmServerFinder::JoinSelected);
    connect(mRefresh, &QPushButton::clicked, this, &frmServerFinder::Refresh);
    connect(mAdd, &QPushButton::clicked, this, [this] { Q_EMIT AddRequested(SelectedAddress()); });
    connect(mJoin, &QPushButton::clicked, this, &frmServerFinder::JoinSelected);
    connect(mJoinWhenFree, &QPushButton::clicked, this, &frmServerFinder::JoinWhenFree);
    connect(mCancelWait, &QPushButton::clicked, this, [this] { StopWaiting(QString()); });
    connect(masters, &QPushButton::clicked, this, &frmServerFinder::EditMasters);
    RestoreLayout();
    UpdateButtons();
}

frmServerFinder::~frmServerFinder() {
    if (isVisible())
        SaveLayout();
}

QWidget* frmServerFinder::MakeFilterRow() {
    auto* row = new QWidget(this);
    mText = Named(new QLineEdit(row), "txtFilter");
    mText->setPlaceholderText(tr("Name, map, address or player"));
    mText->setClearButtonEnabled(true);
    mHideEmpty = Named(new QCheckBox(tr("Hide &empty"), row), "chkHideEmpty");
    mHideFull = Named(new QCheckBox(tr("Hide &full"), row), "chkHideFull");
    mMaxPing = Named(new QSpinBox(row), "spnMaxPing");
    mMaxPing->setRange(0, 999);
    mMaxPing->setSingleStep(25);
    mMaxPing->setSpecialValueText(tr("any"));
    mMaxPing->setSuffix(tr(" ms"));
    mGame = Named(new QComboBox(row), "cboGame");
    mGame->addItem(tr("All games"), QString());
    mGame->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* filter = new QLabel(tr("&Filter:"), row);
    filter->setBuddy(mText);
    auto* ping = new QLabel(tr("Max &ping:"), row);
    ping->setBuddy(mMaxPing);
    auto* game = new QLabel(tr("&Game:"), row);
    game->setBuddy(mGame);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filter);
    layout->addWidget(mText, 1);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{mHideEmpty, mHideFull, ping, mMaxPing, game, mGame})
        layout->addWidget(widget);
    connect(mText, &QLineEdit::textChanged, this, &frmServerFinder::ApplyFilter);
    connect(mHideEmpty, &QCheckBox::toggled, this, &frmServerFinder::ApplyFilter);
    connect(mHideFull, &QCheckBox::toggled, this, &frmServerFinder::ApplyFilter);
    connect(mMaxPing, &QSpinBox::valueChanged, this, &frmServerFinder::ApplyFilter);
    connect(mGame, &QComboBox::currentIndexChanged, this, &frmServerFinder::ApplyFilter);
    return row;
}

QWidget* frmServerFinder::MakeDetails() {
    auto* split = new QSplitter(Qt::Horizontal, this);
    mPlayers =
        NewList(QStringLiteral("tblPlayers"), {tr("Player"), tr("Frags"), tr("Ping")}, split);
    mInfo = NewList(QStringLiteral("tblInfo"), {tr("Key"), tr("Value")}, split);
    split->addWidget(mPlayers);
    split->addWidget(mInfo);
    return split;
}

void frmServerFinder::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first showing searches; later ones keep what is there.
    if (!mSearched)
        Refresh();
}

void frmServerFinder::hideEvent(QHideEvent* event) {
    SaveLayout();
    QWidget::hideEvent(event);
}

void frmServerFinder::Refresh() {
    mSearched = true;
    if (mLan->isChecked() != SettingsStore().Read(Setting::FinderLocalNetwork)) {
        SettingsStore settings;
        settings.Write(Setting::FinderLocalNetwork, mLan->isChecked());
        (void)settings.Save(); // a lost choice of this box is no reason to stop
    }
    mFinder.SetSources({StoredMasters(), mLan->isChecked(), {}});
    mFinder.SetMaxInFlight(StoredMaxInFlight());
    mFinder.Start();
    ShowSources();
}

QString frmServerFinder::SelectedAddress() const {
    const QModelIndexList rows = mTable->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return {};
    return mServers.StatusAt(mFilter.mapToSource(rows.constFirst()).row()).address;
}

void frmServerFinder::ApplyFilter() {
    mFilter.SetSettings({mText->text().trimmed(), mHideEmpty->isChecked(), mHideFull->isChecked(),
                         mMaxPing->value(), mGame->currentData().toString()});
}

void frmServerFinder::AddGame(const QString& game) {
    // Sorted, after "All games".
    int at = 1;
    while (at < mGame->count() && mGame->itemText(at).compare(game, Qt::CaseInsensitive) < 0)
        ++at;
    mGame->insertItem(at, game, game);
}

void frmServerFinder::StatusReceived(const ServerStatus& status) {
    mServers.Update(status);
    if (status.address == SelectedAddress())
        ShowSelected();
}

void frmServerFinder::ShowSelected() {
    mPlayers->clear();
    mInfo->clear();
    const QModelIndexList rows = mTable->selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        const ServerStatus& status =
            mServers.StatusAt(mFilter.mapToSource(rows.constFirst()).row());
        for (const PlayerStatus& player : status.players)
            mPlayers->addTopLevelItem(new QTreeWidgetItem(
                {player.name, QString::number(player.frags), QString::number(player.ping)}));
        for (auto field = status.info.cbegin(); field != status.info.cend(); ++field)
            mInfo->addTopLevelItem(new QTreeWidgetItem({field.key(), field.value()}));
    }
    UpdateButtons();
}

void frmServerFinder::ShowSources() {
    QStringList lines;
    for (qsizetype index = 0; index < mFinder.SourceCount(); ++index) {
        const SourceResult result = mFinder.SourceResultAt(index);
        lines << tr("%1: %2").arg(mFinder.SourceName(index), result.state == SourceState::Asking
                                                                 ? tr("asking…")
                                                                 : result.text);
    }
    if (lines.isEmpty())
        lines << tr("No masters to ask: add some with Masters…");
    mSources->setText(lines.join(u'\n'));
}

void frmServerFinder::UpdateButtons() {
    const QString address = SelectedAddress();
    const bool waiting = mWatcher != nullptr;
    mAdd->setEnabled(!address.isEmpty());
    mJoin->setEnabled(!address.isEmpty());
    const QModelIndexList rows = mTable->selectionModel()->selectedRows();
    const bool full =
        !rows.isEmpty() && IsFull(mServers.StatusAt(mFilter.mapToSource(rows.constFirst()).row()));
    mJoinWhenFree->setEnabled(full && !waiting);
    mCancelWait->setVisible(waiting);
}

void frmServerFinder::JoinSelected() {
    if (const QString address = SelectedAddress(); !address.isEmpty())
        Q_EMIT JoinRequested(address);
}

void frmServerFinder::JoinWhenFree() {
    const QString address = SelectedAddress();
    if (address.isEmpty() || mWatcher)
        return;
    mWatcher = new SlotWatcher(address, mSlotInterval, this);
    connect(mWatcher, &SlotWatcher::Checked, this, &frmServerFinder::StatusReceived);
    connect(mWatcher, &SlotWatcher::SlotFree, this, [this](const QString& free) {
        StopWaiting(tr("A slot came free on %1: joining.").arg(free));
        Q_EMIT JoinRequested(free);
    });
    mWaiting->setText(tr("Waiting for a free slot on %1…").arg(address));
    UpdateButtons();
}

void frmServerFinder::StopWaiting(const QString& text) {
    if (mWatcher)
        mWatcher->deleteLater();
    mWatcher = nullptr;
    mWaiting->setText(text);
    UpdateButtons();
}

void frmServerFinder::EditMasters() {
    auto* dialog = new frmMasters(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The new list is asked at once.
    connect(dialog, &QDialog::accepted, this, &frmServerFinder::Refresh);
    dialog->open();
}

void frmServerFinder::RestoreLayout() {
    const std::optional<int> width = SettingsStore().Read(Setting::FinderWidth);
    const std::optional<int> height = SettingsStore().Read(Setting::FinderHeight);
    if (width && height)
        resize(*width / kTwipsPerPixel, *height / kTwipsPerPixel);
    const QStringList widths =
        SettingsStore().Read(Setting::FinderColumns).split(u',', Qt::SkipEmptyParts);
    for (int column = 0; column < widths.size() && column < FoundServers::ColumnCount - 1;
         ++column) {
        bool isNumber = false;
        const int pixels = widths[column].toInt(&isNumber);
        if (isNumber && pixels > 0 && pixels < 10000)
            mTable->setColumnWidth(column, pixels);
    }
}

void frmServerFinder::SaveLayout() {
    QStringList widths;
    for (int column = 0; column < FoundServers::ColumnCount - 1; ++column)
        widths << QString::number(mTable->columnWidth(column));
    SettingsStore settings;
    settings.Write(Setting::FinderWidth, width() * kTwipsPerPixel);
    settings.Write(Setting::FinderHeight, height() * kTwipsPerPixel);
    settings.Write(Setting::FinderColumns, widths.join(u','));
    // Only the window's size: not worth a message when it cannot be stored.
    (void)settings.Save();
}
