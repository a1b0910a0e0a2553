#pragma once

#include "finder/FinderSource.h"

#include <QByteArray>
#include <QPointer>
#include <QUrl>

#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

// The most bytes of an HTTP list read; 1 MiB holds far more entries than a
// source may give.
inline constexpr qsizetype kMaxListBytes = 1024 * 1024;

// A server list fetched over HTTP or HTTPS, following redirects. Its body is
// read up to kMaxListBytes; a longer one is cut there and the result says so.
class HttpListSource : public FinderSource {
    Q_OBJECT
public:
    // `timeout` ends a transfer that has been silent for that long; ten
    // timeouts end any transfer.
    HttpListSource(const QUrl& url, QNetworkAccessManager& network,
                   std::chrono::milliseconds timeout, QObject* parent);

    QString Name() const override { return mUrl.toDisplayString(); }
    void Start() override;

private:
    void ReadBody();
    // Appends what has arrived, up to the limit.
    void TakeBytes();
    void Fetched();

    QUrl mUrl;
    QNetworkAccessManager& mNetwork;
    std::chrono::milliseconds mTimeout;
    QPointer<QNetworkReply> mReply;
    QByteArray mBody;
    bool mCut = false;
};
