#include "app/FileIO.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 maxSize, QString& error) {
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QCoreApplication::translate("FileIO", "there is no such file");
        return std::nullopt;
    }
    if (info.isDir()) {
        error = QCoreApplication::translate("FileIO", "it is a folder");
        return std::nullopt;
    }
    // A FIFO or a device could block the read for ever, or never end.
    if (!info.isFile()) {
        error = QCoreApplication::translate("FileIO", "it is not a regular file");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    // Read one byte past the limit rather than trust the size: a pipe or a growing file has none.
    QByteArray bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > maxSize) {
        error = QCoreApplication::translate("FileIO", "it is too large (more than %1 KiB)")
                    .arg(maxSize / 1024);
        return std::nullopt;
    }
    return bytes;
}

namespace {

// Why a file cannot be created, in the words of its folder where they say more than the
// system's message ("No such file or directory" does not say which part is missing).
QString createFailure(const QString& path, const QString& systemMessage) {
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (info.isDir()) return QCoreApplication::translate("FileIO", "it is a folder");
    if (!folder.exists()) return QCoreApplication::translate("FileIO", "the folder does not exist");
    if (!folder.isDir())
        return QCoreApplication::translate("FileIO", "%1 is not a folder").arg(folder.filePath());
    if (!folder.isWritable()) return QCoreApplication::translate("FileIO", "permission denied");
    return systemMessage;
}

} // namespace

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = createFailure(path, file.errorString());
        return false;
    }
    // Flush before the commit and check it: on a full disk QSaveFile's commit can report
    // success for a file cut short.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.size() != bytes.size()) {
        error = file.errorString();
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
