#include "app/qt_text.h"

#include "text/cp1252.h"

namespace quorvane::app {

QString FromCp1252(const std::string& bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    Cp1252ToUtf16(bytes, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

std::string ToCp1252(const QString& text) {
    return Utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<std::size_t>(text.size())));
}

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace quorvane::app
