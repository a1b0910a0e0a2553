#pragma once

#include "common/RecordReader.h"
#include "common/Result.h"

#include <QByteArray>

#include <vector>

// Reads every record of one kind from the bytes of a record file. Fails when
// the file could not be read whole and clean, with what was wrong and where:
// on damage records then holds every record that was complete before it; on
// text that was not all UTF-8 (a UTF-16 file, a field read as Windows-1252)
// it holds all records, decoded.
template <typename Record>
Result<> LoadRecords(const QByteArray& bytes, std::vector<Record>& records) {
    RecordReader reader(bytes);
    bool reserved = false;
    while (!reader.AtEnd()) {
        Record record;
        if (!record.LoadFromFile(reader))
            break;
        records.push_back(std::move(record));
        // Room for the rest, guessed from the size of the first record.
        if (!reserved) {
            records.reserve(records.size() + reader.Size() / reader.Consumed());
            reserved = true;
        }
    }
    return reader.Outcome();
}
