#pragma once

#include "finder/FoundServers.h"
#include "finder/ServerFilter.h"
#include "finder/ServerFinder.h"

#include <QPointer>
#include <QWidget>

#include <chrono>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QTreeWidget;
class SlotWatcher;

// The "Find Servers" window, not modal: the servers found through the stored
// masters (and the local network when asked) with their status, filters, the
// selected server's players and info, and a line for each source. It only
// asks for a join or an addition; the main window does them. Its size and
// column widths are remembered.
class frmServerFinder : public QWidget {
    Q_OBJECT
public:
    explicit frmServerFinder(QWidget* parent = nullptr);
    ~frmServerFinder() override;

    // Searches again with the stored masters; the table keeps its rows.
    void Refresh();
    // The search behind the window, for its timeouts.
    ServerFinder& Finder() { return mFinder; }
    // How often a full server is asked while waiting for a slot.
    void SetSlotInterval(std::chrono::milliseconds interval) { mSlotInterval = interval; }

Q_SIGNALS:
    void JoinRequested(const QString& address);
    void AddRequested(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* MakeFilterRow();
    QWidget* MakeDetails();
    QString SelectedAddress() const;
    void ApplyFilter();
    void AddGame(const QString& game);
    void StatusReceived(const ServerStatus& status);
    void ShowSelected();
    void ShowSources();
    void UpdateButtons();
    void JoinSelected();
    void JoinWhenFree();
    void StopWaiting(const QString& text);
    void EditMasters();
    void RestoreLayout();
    void SaveLayout();

    ServerFinder mFinder;
    FoundServers mServers;
    ServerFilter mFilter{mServers};
    QPointer<SlotWatcher> mWatcher;
    std::chrono::milliseconds mSlotInterval;
    bool mSearched = false;

    QLineEdit* mText;
    QCheckBox* mHideEmpty;
    QCheckBox* mHideFull;
    QSpinBox* mMaxPing;
    QComboBox* mGame;
    QTableView* mTable;
    QTreeWidget* mPlayers;
    QTreeWidget* mInfo;
    QLabel* mSources;
    QLabel* mWaiting;
    QCheckBox* mLan;
    QPushButton* mRefresh;
    QPushButton* mAdd;
    QPushButton* mJoin;
    QPushButton* mJoinWhenFree;
    QPushButton* mCancelWait;
};
