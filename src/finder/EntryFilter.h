#pragma once

#include "finder/ServerEndpoint.h"
#include "finder/ServerListReader.h"
#include "finder/SourceResult.h"

#include <QCoreApplication>
#include <QSet>

// The most servers taken from one source: a hostile list must not turn the
// status queries into a flood aimed at someone else.
inline constexpr int kMaxServersPerSource = 10000;

// Keeps the entries of one source that may be asked: each once, at most
// kMaxServersPerSource, never port 0 nor an unspecified, broadcast or
// multicast address, and no loopback address unless the source itself is on
// loopback (a list from elsewhere must not aim the queries at this machine).
// Counts what it leaves out, so the source's result can say so.
class EntryFilter {
    Q_DECLARE_TR_FUNCTIONS(EntryFilter)

public:
    explicit EntryFilter(bool sourceOnLoopback);

    // The entries of `read` that are kept, in their order.
    QList<ServerEndpoint> Take(const ServerListRead& read);
    // The body the entries came from was cut at its size limit.
    void NoteCut() { mCut = true; }

    int Kept() const { return static_cast<int>(mKept.size()); }
    // An answered result: the servers kept and, in brackets, what was not.
    SourceResult Answered() const;

private:
    bool Usable(const ServerEndpoint& entry) const;

    bool mSourceOnLoopback;
    QSet<ServerEndpoint> mKept;
    int mUnusable = 0;
    int mOverLimit = 0;
    int mUnreadLines = 0;
    bool mPartialEntry = false;
    bool mCut = false;
};

// "1 server", "212 servers".
QString ServerCount(int count);
