// Writing a whole file at once, as the user will find it or not at all.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace quorvane::app {

// Replaces the file at `path` with exactly `bytes`; a file that was there stays untouched when
// the writing fails. Nothing when written, else the system's reason.
std::optional<QString> WriteWholeFile(const QString& path, QByteArrayView bytes);

} // namespace quorvane::app
