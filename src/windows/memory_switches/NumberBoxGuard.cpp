#include "windows/memory_switches/NumberBoxGuard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include "ui/CoreTexts.h"
#include "ui/Prompts.h"

namespace pelmora::ui {

NumberBoxGuard::NumberBoxGuard(QLineEdit* box, vmsm::EditRange range, std::uint32_t& field, Prompts& prompts)
    : QObject(box), box_(box), range_(range), field_(field), prompts_(prompts) {
    box_->setText(QString::number(field_));
    box_->installEventFilter(this);
    connect(box_, &QLineEdit::textChanged, this, &NumberBoxGuard::Follow);
}

void NumberBoxGuard::Follow() {
    const vmsm::NumberBox read = vmsm::ReadNumberBox(box_->text().toStdString(), range_);
    if (read.check == vmsm::NumberBox::Ok) field_ = read.value;
}

bool NumberBoxGuard::Check() {
    if (!box_->isEnabled()) return true;
    const vmsm::NumberBox read = vmsm::ReadNumberBox(box_->text().toStdString(), range_);
    if (read.check == vmsm::NumberBox::Ok) return true;
    const QString text = read.check == vmsm::NumberBox::OutOfRange
                             ? tr("Enter an integer between %1 and %2.").arg(range_.min).arg(range_.max)
                             : tr("Enter a positive integer.");
    telling_ = true;  // the box takes the focus from us; that is no leaving
    prompts_.Message(box_->window(), CoreText("Pelmora"), text, PromptIcon::Warning);
    telling_ = false;
    box_->setFocus(Qt::OtherFocusReason);
    box_->selectAll();
    return false;
}

bool NumberBoxGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && event->type() == QEvent::FocusOut && !telling_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window (a box, a menu) taking the focus is not the operator leaving.
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        // Checked once the focus change is over: the box shows and takes the focus back.
        if (left && !quietTowards_.contains(QApplication::focusWidget()))
            QMetaObject::invokeMethod(this, [this] { Check(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace pelmora::ui
