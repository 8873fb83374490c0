#include "ui/AppIcon.h"

namespace pelmora::ui {

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pelmora/icons/pelmora-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace pelmora::ui
