#include "client/ServerAddr.h"

#include "common/RecordReader.h"
#include "common/RecordWriter.h"

#include <QHostAddress>

#include <utility>

namespace {

// Where the host ends and the port begins: an IPv6 address is in brackets
// ("[::1]:27910") or bare with no port ("::1"); otherwise the first ":".
// Returns the host's text and the position of the port's ":" (-1 without one).
std::pair<QString, qsizetype> SplitAddress(const QString& id) {
    if (id.startsWith(u'[')) {
        const qsizetype close = id.indexOf(u']');
        if (close > 0)
            return {id.mid(1, close - 1), id.indexOf(u':', close)};
    }
    if (id.count(u':') > 1 && !QHostAddress(id).isNull())
        return {id, -1};
    const qsizetype colon = id.indexOf(u':');
    return {id.left(colon < 0 ? id.size() : colon), colon};
}

} // namespace

QString ServerAddr::Addr() const {
    return SplitAddress(ID).first;
}

QString ServerAddr::Port() const {
    const qsizetype colon = SplitAddress(ID).second;
    return colon < 0 ? QString() : ID.mid(colon + 1);
}

bool ServerAddr::LoadFromFile(RecordReader& file) {
    return file.Text(ID);
}

void ServerAddr::SaveToFile(RecordWriter& file) const {
    file.Text(ID).EndLine();
}
