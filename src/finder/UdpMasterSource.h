#pragma once

#include "finder/UdpSource.h"

// A master asked over UDP for its list. Every reply from the master's address
// and port within the timeout counts, and their entries are merged.
class UdpMasterSource : public UdpSource {
    Q_OBJECT
public:
    // `address` is "host" or "host:port" (the master port when there is none).
    UdpMasterSource(const QString& address, std::chrono::milliseconds timeout, QObject* parent);

    QString Name() const override { return mAddress; }
    void Start() override;

private:
    bool Read(QByteArrayView datagram, const ServerEndpoint& sender) override;

    QString mAddress;
};
