#pragma once

// Whole-file reading and writing with messages a user can act on.

#include <QByteArray>
#include <QString>

#include <optional>

// The file's bytes, or nullopt with `error` saying why not (it cannot be read, it is larger
// than `maxSize`).
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxSize, QString& error);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a failed
// write leaves the old file as it was. Returns false with `error` when it failed.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& error);
