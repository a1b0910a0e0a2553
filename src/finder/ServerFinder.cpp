#include "finder/ServerFinder.h"

#include "finder/FinderSource.h"
#include "finder/HttpListSource.h"
#include "finder/LanSource.h"
#include "finder/UdpMasterSource.h"
#include "status/StatusQuery.h"

#include <QNetworkAccessManager>

#include <algorithm>

namespace {

// Entries passed on in one turn of the event loop.
constexpr qsizetype kChunkSize = 200;

bool IsHttpAddress(const QString& master) {
    return master.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           master.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

} // namespace

ServerFinder::ServerFinder(QObject* parent) : QObject(parent) {
    mChunkTimer.setSingleShot(true);
    mChunkTimer.setInterval(0);
    mChunkTimer.callOnTimeout(this, &ServerFinder::PassOnChunk);
}

ServerFinder::~ServerFinder() = default;

void ServerFinder::SetSources(const FinderSources& sources) {
    mConfiguration = sources;
}

void ServerFinder::SetMaxInFlight(int count) {
    mMaxInFlight = count;
}

void ServerFinder::SetTimeout(std::chrono::milliseconds timeout) {
    mTimeout = timeout;
}

void ServerFinder::SetSourceTimeout(std::chrono::milliseconds timeout) {
    mSourceTimeout = timeout;
}

void ServerFinder::Start() {
    // What is still under way belongs to the search given up; it may be in
    // the middle of a signal, so it goes from the event loop.
    for (FinderSource* source : std::as_const(mSources)) {
        source->disconnect(this);
        source->deleteLater();
    }
    mSources.clear();
    if (mQuery) {
        mQuery->disconnect(this);
        mQuery->deleteLater();
    }
    mQuery = new StatusQuery(this);
    mQuery->SetMaxInFlight(mMaxInFlight);
    mQuery->SetTimeout(mTimeout);
    connect(mQuery, &StatusQuery::StatusReady, this, &ServerFinder::StatusReceived);
    connect(mQuery, &StatusQuery::Finished, this, &ServerFinder::CheckFinished);
    mAsked.clear();
    mBusy = true;

    for (const QString& master : std::as_const(mConfiguration.masters))
        mSources.append(MakeSource(master));
    if (mConfiguration.localNetworks) {
        for (const auto protocol : {QAbstractSocket::IPv4Protocol, QAbstractSocket::IPv6Protocol})
            mSources.append(LanSource::LocalNetworks(protocol, mSourceTimeout, this));
    }
    for (const QString& host : std::as_const(mConfiguration.lanHosts))
        mSources.append(LanSource::Host(host, mSourceTimeout, this));
    for (qsizetype index = 0; index < mSources.size(); ++index) {
        connect(mSources[index], &FinderSource::ServersFound, this, &ServerFinder::Found);
        connect(mSources[index], &FinderSource::Done, this, [this, index] {
            Q_EMIT SourceDone(index);
            CheckFinished();
        });
    }
    Ask(mServers);
    for (FinderSource* source : std::as_const(mSources))
        source->Start();
    // Without sources or servers, Finished() still comes from the event loop.
    QTimer::singleShot(0, this, &ServerFinder::CheckFinished);
}

FinderSource* ServerFinder::MakeSource(const QString& master) {
    if (!IsHttpAddress(master))
        return new UdpMasterSource(master, mSourceTimeout, this);
    if (!mNetwork)
        mNetwork = new QNetworkAccessManager(this);
    return new HttpListSource(QUrl(master), *mNetwork, mSourceTimeout, this);
}

QString ServerFinder::SourceName(qsizetype index) const {
    return mSources.at(index)->Name();
}

SourceResult ServerFinder::SourceResultAt(qsizetype index) const {
    return mSources.at(index)->Result();
}

bool ServerFinder::AnySourceAnswered() const {
    return std::any_of(mSources.begin(), mSources.end(), [](const FinderSource* source) {
        return source->Result().state == SourceState::Answered;
    });
}

void ServerFinder::Found(const QList<ServerEndpoint>& servers) {
    mPending.append(servers);
    mChunkTimer.start();
}

void ServerFinder::PassOnChunk() {
    const qsizetype end = std::min(mPending.size(), mPendingAt + kChunkSize);
    QStringList toAsk;
    for (; mPendingAt < end; ++mPendingAt) {
        const QString address = mPending[mPendingAt].ToString();
        if (!mKnown.contains(address)) {
            mKnown.insert(address);
            mServers.append(address);
            Q_EMIT ServerFound(address);
        }
        toAsk.append(address);
    }
    if (mPendingAt < mPending.size()) {
        mChunkTimer.start();
    } else {
        mPending.clear();
        mPendingAt = 0;
    }
    Ask(toAsk);
    // The last entries may all have been asked already.
    CheckFinished();
}

void ServerFinder::Ask(const QStringList& addresses) {
    QStringList newlyAsked;
    for (const QString& address : addresses) {
        if (!mAsked.contains(address)) {
            mAsked.insert(address);
            newlyAsked.append(address);
        }
    }
    if (!newlyAsked.isEmpty())
        mQuery->Query(newlyAsked);
}

void ServerFinder::CheckFinished() {
    const bool sourcesDone =
        std::all_of(mSources.begin(), mSources.end(), [](const FinderSource* source) {
            return source->Result().state != SourceState::Asking;
        });
    if (!mBusy || !sourcesDone || !mPending.isEmpty() || mQuery->Busy())
        return;
    mBusy = false;
    Q_EMIT Finished();
}
