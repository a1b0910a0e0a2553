#include "finder/EntryFilter.h"

#include <QStringList>

EntryFilter::EntryFilter(bool sourceOnLoopback) : mSourceOnLoopback(sourceOnLoopback) {}

QList<ServerEndpoint> EntryFilter::Take(const ServerListRead& read) {
    mPartialEntry |= read.partialEntry;
    mUnreadLines += read.unreadLines;
    QList<ServerEndpoint> taken;
    for (const ServerEndpoint& entry : read.entries) {
        if (!Usable(entry))
            ++mUnusable;
        else if (mKept.contains(entry))
            continue;
        else if (mKept.size() >= kMaxServersPerSource)
            ++mOverLimit;
        else {
            mKept.insert(entry);
            taken.append(entry);
        }
    }
    return taken;
}

bool EntryFilter::Usable(const ServerEndpoint& entry) const {
    const QHostAddress& host = entry.host;
    // 0.0.0.0/8 names no host that can be reached.
    const bool unspecified =
        host.protocol() == QAbstractSocket::IPv4Protocol && host.toIPv4Address() >> 24 == 0;
    return entry.port != 0 && !host.isNull() && !unspecified && !host.isBroadcast() &&
           !host.isMulticast() && (mSourceOnLoopback || !host.isLoopback());
}

SourceResult EntryFilter::Answered() const {
    QStringList notes;
    if (mOverLimit > 0)
        notes << tr("%1 more left out over the limit of %2")
                     .arg(mOverLimit)
                     .arg(kMaxServersPerSource);
    if (mUnusable > 0)
        notes << tr("%1 unusable left out").arg(mUnusable);
    if (mUnreadLines == 1)
        notes << tr("1 line not understood");
    else if (mUnreadLines > 1)
        notes << tr("%1 lines not understood").arg(mUnreadLines);
    if (mPartialEntry)
        notes << tr("a partial entry ignored");
    if (mCut)
        notes << tr("list cut at 1 MiB");
    QString text = ServerCount(Kept());
    if (!notes.isEmpty())
        text += QStringLiteral(" (%1)").arg(notes.join(QStringLiteral("; ")));
    return {SourceState::Answered, Kept(), text};
}

QString ServerCount(int count) {
    return count == 1 ? EntryFilter::tr("1 server") : EntryFilter::tr("%1 servers").arg(count);
}
