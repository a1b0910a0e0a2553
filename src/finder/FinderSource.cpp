#include "finder/FinderSource.h"

#include <QTimer>

void FinderSource::Finish(const SourceResult& result) {
    if (mResult.state != SourceState::Asking)
        return;
    mResult = result;
    Q_EMIT Done();
}

void FinderSource::FailLater(const QString& reason) {
    QTimer::singleShot(0, this, [this, reason] { Finish({SourceState::Failed, 0, reason}); });
}
