#include "status/ui/frmServerStatus.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>

namespace {

QTableWidget* NewTable(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* Cell(int number) {
    return Cell(QString::number(number), Qt::AlignRight);
}

} // namespace

frmServerStatus::frmServerStatus(const QString& address, QWidget* parent)
    : QWidget(parent, Qt::Window), mAddress(address), mName(new QLabel(this)),
      mState(new QLabel(this)),
      mInfo(NewTable(QStringLiteral("tblInfo"), {tr("Key"), tr("Value")}, this)),
      mPlayers(NewTable(QStringLiteral("tblPlayers"), {tr("Name"), tr("Frags"), tr("Ping")}, this)),
      mRefresh(new QPushButton(tr("&Refresh"), this)) {
    setObjectName(QStringLiteral("frmServerStatus"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Server Status — %1").arg(address));
    mName->setObjectName(QStringLiteral("lblName"));
    mState->setObjectName(QStringLiteral("lblState"));
    mRefresh->setObjectName(QStringLiteral("cmdRefresh"));
    QFont bold = mName->font();
    bold.setBold(true);
    mName->setFont(bold);
    mName->setText(address);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));

    auto* tables = new QHBoxLayout;
    tables->addWidget(mInfo, 1);
    tables->addWidget(mPlayers, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mState, 1);
    buttons->addWidget(mRefresh);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mName);
    layout->addLayout(tables, 1);
    layout->addLayout(buttons);

    // The value and the player's name take the room that is left; the other
    // columns are as wide as their contents.
    mInfo->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    mPlayers->horizontalHeader()->setStretchLastSection(false);
    mPlayers->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    mPlayers->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    mPlayers->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    connect(mRefresh, &QPushButton::clicked, this, &frmServerStatus::Refresh);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // The keys of a dialog and of a browser's page: Esc closes, F5 asks again.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    new QShortcut(QKeySequence::Refresh, this, this, &frmServerStatus::Refresh);
    connect(&mQuery, &StatusQuery::StatusReady, this, &frmServerStatus::Show);
    connect(&mRefreshTimer, &QTimer::timeout, this, &frmServerStatus::Refresh);
    mRefreshTimer.setInterval(std::chrono::seconds(5));
    mState->setText(tr("Asking the server…"));
    FitToContents();
}

void frmServerStatus::Refresh() {
    if (mQuery.Busy())
        return;
    mRefresh->setEnabled(false);
    mQuery.Query({mAddress});
}

void frmServerStatus::SetRefreshInterval(std::chrono::milliseconds interval) {
    mRefreshTimer.setInterval(interval);
}

void frmServerStatus::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    mRefreshTimer.start();
    Refresh();
}

void frmServerStatus::hideEvent(QHideEvent* event) {
    mRefreshTimer.stop();
    QWidget::hideEvent(event);
}

void frmServerStatus::Show(const ServerStatus& status) {
    mRefresh->setEnabled(true);
    const QLocale locale;
    if (status.outcome == StatusOutcome::NoAnswer) {
        // The last answer stays on show, with the time it came.
        const QString last = mLastAnswer.isValid()
                                 ? tr("last answer at %1").arg(locale.toString(mLastAnswer.time()))
                                 : tr("never answered");
        const QString reason = status.problem.isEmpty() ? tr("no answer") : status.problem;
        mState->setText(tr("%1 — %2").arg(reason, last));
        return;
    }
    mLastAnswer = status.answeredAt;
    const QString answer = tr("Ping %1 ms — answered at %2")
                               .arg(status.pingMs)
                               .arg(locale.toString(status.answeredAt.time()));
    mState->setText(status.outcome == StatusOutcome::BadReply ? tr("Bad reply — %1").arg(answer)
                                                              : answer);
    const QString name = status.HostName();
    mName->setText(name.isEmpty() ? mAddress : tr("%1 (%2)").arg(name, mAddress));
    ShowInfo(status);
    ShowPlayers(status);
    FitToContents();
}

void frmServerStatus::ShowInfo(const ServerStatus& status) {
    mInfo->setRowCount(0);
    // The info comes sorted by key.
    for (auto field = status.info.cbegin(); field != status.info.cend(); ++field) {
        const int row = mInfo->rowCount();
        mInfo->insertRow(row);
        mInfo->setItem(row, 0, Cell(field.key()));
        mInfo->setItem(row, 1, Cell(field.value()));
    }
}

void frmServerStatus::ShowPlayers(const ServerStatus& status) {
    QList<PlayerStatus> players = status.players;
    std::stable_sort(
        players.begin(), players.end(),
        [](const PlayerStatus& a, const PlayerStatus& b) { return a.frags > b.frags; });
    mPlayers->setRowCount(0);
    for (const PlayerStatus& player : players) {
        const int row = mPlayers->rowCount();
        mPlayers->insertRow(row);
        mPlayers->setItem(row, 0, Cell(player.name));
        mPlayers->setItem(row, 1, Cell(player.frags));
        mPlayers->setItem(row, 2, Cell(player.ping));
    }
}

// Columns as wide as their contents, and the window large enough to show
// both tables without a horizontal scroll bar. Once shown it only grows, so
// refreshes do not make it jump.
void frmServerStatus::FitToContents() {
    int tablesWidth = 0;
    for (QTableWidget* table : {mInfo, mPlayers}) {
        int width = 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width();
        for (int column = 0; column < table->columnCount(); ++column)
            width += std::max(static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column),
                              table->horizontalHeader()->sectionSizeHint(column));
        table->setMinimumWidth(std::min(width, 480));
        tablesWidth += table->minimumWidth();
    }
    const int rows = std::clamp<int>(std::max(mInfo->rowCount(), mPlayers->rowCount()), 8, 20);
    const int tablesHeight = mInfo->horizontalHeader()->sizeHint().height() +
                             rows * mInfo->verticalHeader()->defaultSectionSize() +
                             2 * mInfo->frameWidth();
    mInfo->setMinimumHeight(tablesHeight);
    const QSize wanted = sizeHint().expandedTo(QSize(tablesWidth, 0));
    mInfo->setMinimumHeight(0);
    resize(isVisible() ? size().expandedTo(wanted) : wanted);
}
