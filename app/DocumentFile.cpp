#include "app/Document.h"
#include "app/FileIO.h"

namespace {

// A Wellscope file is a few kilobytes; a larger one is not worth reading into memory.
constexpr qint64 kMaxFileSize = 1 << 20;

} // namespace

std::optional<Document> LoadDocument(const QString& path, QString& error) {
    const std::optional<QByteArray> bytes = ReadWholeFile(path, kMaxFileSize, error);
    if (!bytes) return std::nullopt;
    return ReadDocument(*bytes, error);
}

bool SaveDocument(const Document& document, const QString& path, QString& error) {
    return WriteWholeFile(path, WriteDocument(document), error);
}
