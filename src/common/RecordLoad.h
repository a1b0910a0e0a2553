#pragma once

#include "common/RecordReader.h"
#include "common/Result.h"

#include <QByteArray>

#include <vector>

// Reads every record of one kind from the bytes of a record file. Fails when
// the file could not be read whole and clean; records then holds every
// record that was complete before the fault, and the error says what was
// wrong and where.
template <typename Record>
Result<> LoadRecords(const QByteArray& bytes, std::vector<Record>& records) {
    RecordReader reader(bytes);
    while (!reader.AtEnd()) {
        Record record;
        if (!record.LoadFromFile(reader))
            return Result<>::Failure(reader.Error());
        records.push_back(std::move(record));
    }
    return {};
}
