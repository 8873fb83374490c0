#pragma once
#include <QIcon>

namespace pelmora::desktop {

/// The application icon in its rendered sizes (16 to 256 pixels).
QIcon AppIcon();

}  // namespace pelmora::desktop
