#pragma once
// Cameras' texts are 8-bit in the system's code page; windows show wide texts. The conversion
// happens here, at the boundary, and nowhere else.

#include <QString>
#include <string>

namespace vistrel {

inline QString fromCameraText(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toCameraText(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

} // namespace vistrel
