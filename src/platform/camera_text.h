#pragma once
// Cameras' texts are 8-bit in the system's code page; windows show wide texts. The conversion
// happens here, at the boundary, and nowhere else.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariant>
#include <string>

namespace vistrel {

inline QString fromCameraText(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toCameraText(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

namespace camera_text_detail {
inline constexpr char kBytes[] = "cameraTextBytes";
inline constexpr char kShown[] = "cameraTextShown";
} // namespace camera_text_detail

// Shows a text the camera reported in a label or an edit and keeps its bytes beside it: bytes
// that are not in the system's code page do not survive the conversion to a wide text and back.
template <typename Control> void showCameraText(Control& control, const std::string& bytes) {
    const QString shown = fromCameraText(bytes);
    control.setText(shown);
    control.setProperty(camera_text_detail::kBytes,
                        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    control.setProperty(camera_text_detail::kShown, shown);
}

// The control's text for the camera: the bytes it was shown from while the text is still the
// one shown, otherwise what the user made of it, converted.
template <typename Control> std::string cameraTextOf(const Control& control) {
    const QString text = control.text();
    if (control.property(camera_text_detail::kShown).toString() == text &&
        control.property(camera_text_detail::kBytes).isValid()) {
        return control.property(camera_text_detail::kBytes).toByteArray().toStdString();
    }
    return toCameraText(text);
}

} // namespace vistrel
