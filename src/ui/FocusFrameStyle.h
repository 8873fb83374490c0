#pragma once
#include <QProxyStyle>

namespace pelmora::ui {

/// The platform style showing focus on push buttons from the moment a window
/// opens, not only after Tab was pressed: the focus of a default button such
/// as "Exit" is otherwise not seen, its rim already looking focused.
class FocusFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace pelmora::ui
