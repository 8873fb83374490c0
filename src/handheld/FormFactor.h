#pragma once
#include <QObject>
#include <QSize>

class QWidget;

/// The handheld's screen: every window of pelmora_ce fills it in portrait
/// without scrolling, and every control is large enough for a finger.
namespace pelmora::handheld {

inline constexpr QSize kScreenSize{480, 640};
/// Buttons, boxes and list rows are at least this tall, in pixels: 9 mm at
/// the 136 dpi of a 480 x 640 screen of 3.5 by 4.7 inches.
inline constexpr int kFingerHeight = 48;

/// Makes the buttons, boxes and list rows under `window` finger-sized.
void MakeFingerSized(QWidget* window);

/// Whether a screen of `available` size is a handheld's (no larger than a
/// portrait or landscape 480 x 640 with some slack for bars).
bool IsHandheldScreen(QSize available);

/// Full screen on a handheld (the geometry set as well, so it holds without
/// a window manager), else a phone-sized window where it stands.
void FitToScreen(QWidget& window);

/// Shapes every dialog of the program, message boxes included, as it is
/// shown: finger-sized controls, a name for each, then FitToScreen. Install on the application.
class HandheldWindows final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace pelmora::handheld
