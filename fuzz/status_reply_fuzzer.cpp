// Feeds arbitrary datagrams to the status reply parser, and what it read to
// the status command's output: one line a server in the table, and JSON that
// reads back with every info field.
#include "Require.h"

#include "status/StatusFormat.h"
#include "status/StatusReply.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto datagram = QByteArrayView(data, static_cast<qsizetype>(size));
    const StatusReply reply = ParseStatusReply(datagram);
    Require(!reply.wellFormed || datagram.size() <= kMaxStatusReplyBytes,
            "a reply over the size limit counts as well formed");

    ServerStatus status;
    status.address = QStringLiteral("127.0.0.1:27910");
    status.outcome = reply.wellFormed ? StatusOutcome::Answered : StatusOutcome::BadReply;
    status.pingMs = 42;
    status.info = reply.info;
    status.players = reply.players;

    const QString table = StatusTable({status});
    Require(table.endsWith(u'\n') && table.count(u'\n') == 1, "the table row is not one line");
    Require(!StatusTooltip(status).contains(u'\n'), "the tooltip is not one line");

    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(StatusJson({status}).toJson(), &error);
    Require(error.error == QJsonParseError::NoError, "the JSON output does not parse");
    const QJsonObject info = json.array().first()[QStringLiteral("info")].toObject();
    Require(info.size() == status.info.size(), "the JSON output lost info fields");
    return 0;
}
