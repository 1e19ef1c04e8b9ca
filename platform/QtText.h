#pragma once

// Conversions between the program's UTF-8 texts and Qt's strings, for platform
// code only.

#include <QString>
#include <string>
#include <string_view>

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<size_t>(utf8.size()));
}
