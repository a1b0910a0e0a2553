#include "finder/UdpMasterSource.h"

#include "client/ServerAddr.h"

namespace {

quint16 MasterPort(const QString& address) {
    const QString port = ServerAddr{address}.Port();
    return port.isEmpty() ? kDefaultMasterPort : port.toUShort();
}

} // namespace

UdpMasterSource::UdpMasterSource(const QString& address, std::chrono::milliseconds timeout,
                                 QObject* parent)
    : UdpSource(MasterQuery(), MasterPort(address), 1, timeout, parent), mAddress(address) {}

void UdpMasterSource::Start() {
    if (MasterPort(mAddress) == 0)
        FailLater(tr("invalid port"));
    else
        AskHost(ServerAddr{mAddress}.Addr());
}

bool UdpMasterSource::Read(QByteArrayView datagram, const ServerEndpoint&) {
    const std::optional<ServerListRead> read = ReadMasterReply(datagram);
    if (read)
        Keep(*read);
    return read.has_value();
}
