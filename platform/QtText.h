#pragma once

// The program's UTF-8 texts as Qt's strings, for platform code only. The way
// back is QString::toStdString, which gives UTF-8 too.

#include <QString>
#include <string_view>

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
