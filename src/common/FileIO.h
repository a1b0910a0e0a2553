#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Reads a whole file. On failure returns nothing and puts the reason in *error.
std::optional<QByteArray> ReadWholeFile(const QString& path, QString* error = nullptr);

// Replaces the file at path with bytes so that the file is either the old one
// or the new one, never a partial write. Returns an error text on failure.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes);
