// Feeds arbitrary bytes to the record file readers. The first byte picks the
// kind of record (user profile, server configuration, remote server), the
// rest is the file. Whatever was read, damaged or not, must save and read
// back clean and unchanged, as the next run would.
#include "Require.h"

#include "client/ServerAddr.h"
#include "client/UserProfile.h"
#include "common/RecordLoad.h"
#include "common/RecordWriter.h"
#include "server/ServerConfig.h"

#include <cstdint>
#include <vector>

namespace {

template <typename Record> QByteArray Saved(const std::vector<Record>& records) {
    RecordWriter writer;
    for (const Record& record : records)
        record.SaveToFile(writer);
    return writer.Bytes();
}

template <typename Record> void CheckRoundTrip(const QByteArray& file) {
    std::vector<Record> records;
    // Damage is expected here; the records read before it are what counts.
    static_cast<void>(LoadRecords(file, records));
    const QByteArray saved = Saved(records);
    std::vector<Record> again;
    const Result<> reloaded = LoadRecords(saved, again);
    Require(reloaded.Ok(), "saved records do not read back clean");
    Require(again.size() == records.size(), "saved records read back as another number");
    Require(Saved(again) == saved, "saved records read back changed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const QByteArray file(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size - 1));
    switch (data[0] % 3) {
    case 0:
        CheckRoundTrip<UserProfile>(file);
        break;
    case 1:
        CheckRoundTrip<ServerConfig>(file);
        break;
    default:
        CheckRoundTrip<ServerAddr>(file);
        break;
    }
    return 0;
}
