#include "app/ListSelection.h"

ListSelection::ListSelection(QObject* parent) : QObject(parent) {
    mDeselect.setSingleShot(true);
    connect(&mDeselect, &QTimer::timeout, this, [this] { Select(-1); });
}

void ListSelection::Select(int row) {
    // Another selection cancels a deselection still waiting.
    mDeselect.stop();
    mSelected = row < 0 ? qint16(-1) : qint16(row);
    Q_EMIT Changed(mSelected);
}

void ListSelection::ClickedSelected(int interval) {
    if (mSelected >= 0)
        mDeselect.start(interval);
}

void ListSelection::CancelPending() {
    mDeselect.stop();
}

void ListSelection::SettlePending() {
    if (mDeselect.isActive())
        Select(-1);
}
