#pragma once
#include <QSize>

class QWidget;

/// The handheld's screen: every window fits it in portrait without scrolling,
/// and every control is large enough for a finger.
namespace pelmora::handheld {

inline constexpr QSize kScreenSize{480, 640};
/// Buttons, lists and boxes are at least this tall, in pixels.
inline constexpr int kFingerHeight = 40;

/// Makes the buttons, lists and boxes under `window` finger-sized.
void MakeFingerSized(QWidget* window);

/// Whether a screen of `available` size is a handheld's (no larger than a
/// portrait or landscape 480 x 640 with some slack for bars).
bool IsHandheldScreen(QSize available);

/// Before showing: maximised on a handheld's screen, else a phone-sized window.
void PlaceOnScreen(QWidget& window);

}  // namespace pelmora::handheld
