#pragma once

#include "finder/ServerEndpoint.h"
#include "finder/SourceResult.h"

#include <QList>
#include <QObject>

// A place servers are found: a master, an HTTP list, the local network.
// Start() it once; it reports what it finds as it goes, then Done() once,
// always from the event loop.
class FinderSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The source as the user names it: "master.example.net:27900", a URL, ...
    virtual QString Name() const = 0;
    virtual void Start() = 0;
    // Asking until Done(); then what the source gave.
    const SourceResult& Result() const { return mResult; }

Q_SIGNALS:
    // Servers not reported by this source before.
    void ServersFound(const QList<ServerEndpoint>& servers);
    void Done();

protected:
    void Finish(const SourceResult& result);
    // Finishes as Failed with `reason` from the event loop, never from
    // within Start().
    void FailLater(const QString& reason);

private:
    SourceResult mResult;
};
