#pragma once

#include "status/StatusQuery.h"

#include <QObject>
#include <QTimer>

#include <chrono>

// How often a full server is asked whether a slot has come free.
inline constexpr std::chrono::milliseconds kSlotCheckInterval{5000};

// Asks one server for its status at once and then every interval until it
// answers with a free slot; then SlotFree() comes, once. Deleting it stops.
class SlotWatcher : public QObject {
    Q_OBJECT
public:
    SlotWatcher(const QString& address, std::chrono::milliseconds interval,
                QObject* parent = nullptr);

    const QString& Address() const { return mAddress; }

Q_SIGNALS:
    void Checked(const ServerStatus& status);
    void SlotFree(const QString& address);

private:
    void Received(const ServerStatus& status);

    QString mAddress;
    StatusQuery mQuery;
    QTimer mTimer;
};
