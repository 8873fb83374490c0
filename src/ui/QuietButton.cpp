#include "ui/QuietButton.h"

#include <QPushButton>

namespace pelmora::ui {

QPushButton* QuietButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace pelmora::ui
