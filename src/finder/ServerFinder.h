#pragma once

#include "finder/ServerEndpoint.h"
#include "finder/SourceResult.h"
#include "status/ServerStatus.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <chrono>

class FinderSource;
class QNetworkAccessManager;
class StatusQuery;

// Where a search for servers looks.
struct FinderSources {
    // UDP masters, "host" or "host:port" (27900 when there is no port), and
    // http:// or https:// addresses of server lists.
    QStringList masters;
    // Every local IPv4 network, by broadcast.
    bool localNetworks = false;
    // Hosts whose ports 27910-27919 are asked.
    QStringList lanHosts;
};

// Finds game servers through masters, HTTP lists and the local network, and
// asks each one found for its status. Everything streams: ServerFound() once
// for each new server, StatusReceived() for each status, SourceDone() as each
// source ends, and Finished() when nothing is left to ask. Servers are passed
// on in chunks from the event loop, so a list of thousands never holds it up.
class ServerFinder : public QObject {
    Q_OBJECT
public:
    explicit ServerFinder(QObject* parent = nullptr);
    ~ServerFinder() override;

    // Each setting takes effect at the next Start().
    void SetSources(const FinderSources& sources);
    // Status requests waiting for replies at once; 64 unless set.
    void SetMaxInFlight(int count);
    // The status query's timeout; 1.5 s unless set.
    void SetTimeout(std::chrono::milliseconds timeout);
    // How long a UDP master or the local network is listened to, and how long
    // an HTTP transfer may stall; 2 s unless set.
    void SetSourceTimeout(std::chrono::milliseconds timeout);

    // Asks every source, and every server found so far, again. Nothing found
    // is forgotten; a search still running is given up for the new one.
    void Start();
    bool Busy() const { return mBusy; }

    // The sources of the last Start(): the masters, then the local
    // networks, then the LAN hosts, in the order given.
    qsizetype SourceCount() const { return mSources.size(); }
    QString SourceName(qsizetype index) const;
    SourceResult SourceResultAt(qsizetype index) const;
    bool AnySourceAnswered() const;
    // Every server found since the finder was made, "a.b.c.d:port", in the
    // order found.
    const QStringList& Servers() const { return mServers; }

Q_SIGNALS:
    void ServerFound(const QString& address);
    void StatusReceived(const ServerStatus& status);
    void SourceDone(qsizetype index);
    void Finished();

private:
    FinderSource* MakeSource(const QString& master);
    void Found(const QList<ServerEndpoint>& servers);
    void PassOnChunk();
    void Ask(const QStringList& addresses);
    void CheckFinished();

    FinderSources mConfiguration;
    int mMaxInFlight = 64;
    std::chrono::milliseconds mTimeout{1500};
    std::chrono::milliseconds mSourceTimeout{2000};
    QNetworkAccessManager* mNetwork = nullptr;
    QList<FinderSource*> mSources;
    QPointer<StatusQuery> mQuery;
    QStringList mServers;
    QSet<QString> mKnown;
    // Servers asked for their status since the last Start().
    QSet<QString> mAsked;
    // Entries from the sources not yet passed on.
    QList<ServerEndpoint> mPending;
    qsizetype mPendingAt = 0;
    QTimer mChunkTimer;
    bool mBusy = false;
};
