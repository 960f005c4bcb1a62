#include "app/file_bytes.h"

#include <QSaveFile>

namespace quorvane::app {

std::optional<QString> WriteWholeFile(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace quorvane::app
