#pragma once
#include <cstdint>

#include <QList>
#include <QObject>

#include "vmsm/ConfigFields.h"

class QLineEdit;
class QWidget;

namespace pelmora::ui {

class Prompts;

/// One number box of the memory-switch pages. Its page field follows the
/// text while that is a whole number in range, and keeps the last such value
/// otherwise. Leaving the box, or Check(), with any other text shows the
/// range message and puts the focus back, so that nothing out of range
/// reaches the printer.
class NumberBoxGuard final : public QObject {
    Q_OBJECT
public:
    NumberBoxGuard(QLineEdit* box, vmsm::EditRange range, std::uint32_t& field, Prompts& prompts);

    /// True when the box is disabled or holds a number in range; otherwise
    /// the message, the focus back to the box, and false.
    bool Check();
    /// Controls that check for themselves (or need no check) when the focus
    /// moves to them: leaving the box for them shows nothing.
    void QuietTowards(const QList<QWidget*>& controls) { quietTowards_ = controls; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();

    QLineEdit* box_;
    vmsm::EditRange range_;
    std::uint32_t& field_;
    Prompts& prompts_;
    QList<QWidget*> quietTowards_;
    bool telling_ = false;
};

}  // namespace pelmora::ui
