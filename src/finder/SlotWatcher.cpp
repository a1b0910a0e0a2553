#include "finder/SlotWatcher.h"

#include "finder/FoundServers.h"

SlotWatcher::SlotWatcher(const QString& address, std::chrono::milliseconds interval,
                         QObject* parent)
    : QObject(parent), mAddress(address) {
    // The next question goes out an interval after the last answer, so a
    // slow server is never asked twice at once.
    mTimer.setSingleShot(true);
    mTimer.setInterval(interval);
    mTimer.callOnTimeout(this, [this] { mQuery.Query({mAddress}); });
    connect(&mQuery, &StatusQuery::StatusReady, this, &SlotWatcher::Received);
    mQuery.Query({mAddress});
}

void SlotWatcher::Received(const ServerStatus& status) {
    Q_EMIT Checked(status);
    if (status.outcome == StatusOutcome::Answered && !IsFull(status))
        Q_EMIT SlotFree(mAddress);
    else
        mTimer.start();
}
