#pragma once
// Conversions between the core's UTF-8 std::string and Qt's QString.

#include <QString>

#include <string>
#include <string_view>

namespace strovel {

inline QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

} // namespace strovel
