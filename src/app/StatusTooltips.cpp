#include "app/StatusTooltips.h"

#include "app/RecordListModel.h"
#include "status/StatusFormat.h"

StatusTooltips::StatusTooltips(RecordListModel& model) : mModel(model) {
    connect(&mQuery, &StatusQuery::StatusReady, this, [this](const ServerStatus& status) {
        mTips.insert(status.address, StatusTooltip(status));
        if (mShown)
            ShowKnown();
    });
}

void StatusTooltips::Show(const QStringList& addresses) {
    mShown = true;
    ShowKnown();
    QStringList unique = addresses;
    unique.removeDuplicates();
    mQuery.Query(unique);
}

void StatusTooltips::ShowKnown() {
    mModel.SetToolTips([this](const QString& address) { return mTips.value(address); });
}
