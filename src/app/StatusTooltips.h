#pragma once

#include "status/StatusQuery.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class RecordListModel;

// The remote servers' last status, each shown as its entry's tooltip in the
// list while the list shows remote servers.
class StatusTooltips : public QObject {
public:
    explicit StatusTooltips(RecordListModel& model);

    // Shows what is known of the addresses at once and asks them again.
    void Show(const QStringList& addresses);
    // The list shows something else: answers still coming are kept, not shown.
    void Hide() { mShown = false; }

private:
    void ShowKnown();

    RecordListModel& mModel;
    StatusQuery mQuery;
    QHash<QString, QString> mTips;
    bool mShown = false;
};
