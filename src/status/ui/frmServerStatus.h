#pragma once

#include "status/ServerStatus.h"
#include "status/StatusQuery.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

// A window of its own (not modal) with one remote server's status: its info
// as a sorted table, its players by frags, the ping and the time of the last
// answer. Asks again on Refresh (or F5) and every 5 seconds while it is
// shown. Esc closes it; it deletes itself when closed.
class frmServerStatus : public QWidget {
    Q_OBJECT
public:
    explicit frmServerStatus(const QString& address, QWidget* parent = nullptr);

    // Asks the server now, unless a request is already under way.
    void Refresh();
    // Time between refreshes while shown.
    void SetRefreshInterval(std::chrono::milliseconds interval);
    // The query behind the window, for its timeout.
    StatusQuery& Query() { return mQuery; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Show(const ServerStatus& status);
    void ShowInfo(const ServerStatus& status);
    void ShowPlayers(const ServerStatus& status);
    void FitToContents();

    QString mAddress;
    StatusQuery mQuery;
    QTimer mRefreshTimer;
    QDateTime mLastAnswer;
    QLabel* mName;
    QLabel* mState;
    QTableWidget* mInfo;
    QTableWidget* mPlayers;
    QPushButton* mRefresh;
};
