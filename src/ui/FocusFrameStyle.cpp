#include "ui/FocusFrameStyle.h"

#include <QStyleOptionButton>

namespace pelmora::ui {

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || !button || !(button->state & State_HasFocus)) return;
    // Styles leave the frame out until the keyboard moved focus, or mark focus
    // with the same rim as a default button: the frame is drawn in any case.
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(*button);
    frame.state |= State_KeyboardFocusChange;
    frame.rect = subElementRect(SE_PushButtonFocusRect, button, widget);
    frame.backgroundColor = button->palette.button().color();
    drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
}

}  // namespace pelmora::ui
