#pragma once
#include <QIcon>

namespace pelmora::ui {

/// The application icon in its rendered sizes (16 to 256 pixels).
QIcon AppIcon();

}  // namespace pelmora::ui
