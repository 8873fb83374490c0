#include "windows/nv_images/NvAddressWindow.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "nv/NvAddressing.h"
#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "ui/CoreTexts.h"
#include "ui/Prompts.h"

namespace pelmora::ui {

namespace {
constexpr int kCodeLength = 2;

// Each character becomes one key-code byte of the command; only printable
// ASCII survives that on both programs' text encodings.
bool KeyCodeCharacters(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() <= 0x7E; });
}
}  // namespace

NvAddressWindow::NvAddressWindow(context::Layout layout, std::vector<std::string> stored, Prompts& prompts, QWidget* parent)
    : QDialog(parent), stored_(std::move(stored)), prompts_(prompts) {
    const bool desktop = layout == context::Layout::Desktop;
    setObjectName("nvAddress");
    setWindowTitle(desktop ? tr("NV Image Manager") : tr("NV Address"));

    code_ = new QLineEdit(QStringLiteral("00"));
    code_->setObjectName("code");
    code_->setMaxLength(kCodeLength);
    code_->selectAll();
    auto* label = new QLabel(desktop ? tr("Address Code : ") : tr("Address Code :"));
    label->setBuddy(code_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(code_);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName("ok");
    ok->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)->setObjectName("cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &NvAddressWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NvAddressWindow::reject);

    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addLayout(row);
    layoutBox->addWidget(buttons);
    NameControls(this);
    if (desktop) AssignAccessKeys(this);
}

std::string NvAddressWindow::Code() const { return code_->text().toLatin1().toStdString(); }

void NvAddressWindow::accept() {
    const QString text = code_->text();
    // The application's own title: these boxes name no window.
    const QString title = tr("Pelmora");
    if (text.size() != kCodeLength || !KeyCodeCharacters(text)) {
        prompts_.Message(this, title, tr("Invalid value!"));
    } else if (nv::CheckAddressCode(Code(), stored_) == nv::AddressVerdict::Exists) {
        prompts_.Message(this, title, CoreText(nv::AddressVerdictText(nv::AddressVerdict::Exists)));
    } else {
        return QDialog::accept();
    }
    code_->setFocus();
    code_->selectAll();
}

}  // namespace pelmora::ui
