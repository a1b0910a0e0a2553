#include "finder/HttpListSource.h"

#include "finder/EntryFilter.h"
#include "finder/ServerListReader.h"
#include "status/StatusFormat.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace {

constexpr int kMaxRedirects = 5;

// A transfer that keeps trickling in is given up after this many timeouts.
constexpr int kTimeoutsInAll = 10;

bool IsLoopbackHost(const QString& host) {
    return QHostAddress(host).isLoopback() ||
           host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
}

} // namespace

HttpListSource::HttpListSource(const QUrl& url, QNetworkAccessManager& network,
                               std::chrono::milliseconds timeout, QObject* parent)
    : FinderSource(parent), mUrl(url), mNetwork(network), mTimeout(timeout) {}

void HttpListSource::Start() {
    const QString scheme = mUrl.scheme();
    if (!mUrl.isValid() || mUrl.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        FailLater(tr("invalid address"));
        return;
    }
    QNetworkRequest request(mUrl);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(static_cast<int>(mTimeout.count()));
    mReply = mNetwork.get(request);
    mReply->setParent(this);
    mReply->setReadBufferSize(64 * 1024);
    connect(mReply, &QNetworkReply::readyRead, this, &HttpListSource::ReadBody);
    connect(mReply, &QNetworkReply::finished, this, &HttpListSource::Fetched);
    QTimer::singleShot(mTimeout * kTimeoutsInAll, mReply, &QNetworkReply::abort);
}

void HttpListSource::ReadBody() {
    TakeBytes();
    if (mCut)
        mReply->abort();
}

void HttpListSource::TakeBytes() {
    mBody += mReply->read(kMaxListBytes + 1 - mBody.size());
    if (mBody.size() > kMaxListBytes) {
        mCut = true;
        mBody.truncate(kMaxListBytes);
    }
}

void HttpListSource::Fetched() {
    mReply->deleteLater();
    if (!mCut && mReply->error() != QNetworkReply::NoError) {
        const int status = mReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status != 0)
            Finish(
                {SourceState::Failed, 0,
                 tr("HTTP %1 %2")
                     .arg(status)
                     .arg(mReply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                     .trimmed()});
        else if (mReply->error() == QNetworkReply::OperationCanceledError)
            Finish({SourceState::NoAnswer, 0, OutcomeText(StatusOutcome::NoAnswer)});
        else
            Finish({SourceState::Failed, 0, mReply->errorString()});
        return;
    }
    if (!mCut)
        TakeBytes();
    // A redirect must not bring loopback entries in from elsewhere.
    EntryFilter filter(IsLoopbackHost(mUrl.host()) && IsLoopbackHost(mReply->url().host()));
    if (mCut)
        filter.NoteCut();
    const QList<ServerEndpoint> kept = filter.Take(ReadHttpList(mBody));
    mBody.clear();
    if (!kept.isEmpty())
        Q_EMIT ServersFound(kept);
    Finish(filter.Answered());
}
