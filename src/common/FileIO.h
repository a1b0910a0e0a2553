#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>

// Reads a whole file; on failure the reason.
Result<QByteArray> ReadWholeFile(const QString& path);

// Replaces the file at path with bytes so that the file is either the old one
// or the new one, never a partial write.
Result<> WriteWholeFile(const QString& path, const QByteArray& bytes);

// Replaces the file at path with bytes for a file that is rewritten often and
// cheap to lose in a crash: every write is checked and a failed one keeps the
// old file, but nothing is synced to disk.
Result<> WriteFileUnsynced(const QString& path, const QByteArray& bytes);
