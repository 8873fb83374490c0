#pragma once
#include <string>
#include <vector>

#include <QDialog>

#include "context/Layout.h"

class QLineEdit;

namespace pelmora::ui {

class Prompts;

/// The address window: asks for the two-character code of one image. "OK"
/// refuses a code the printer already holds (exactly, case-sensitively), a
/// code of fewer than two characters and characters a key-code byte cannot
/// carry, and stays open.
class NvAddressWindow final : public QDialog {
    Q_OBJECT
public:
    /// `stored`: the codes the printer held when the download began.
    NvAddressWindow(context::Layout layout, std::vector<std::string> stored, Prompts& prompts, QWidget* parent = nullptr);

    /// The code entered, as the key-code bytes it names.
    std::string Code() const;

public slots:
    void accept() override;

private:
    std::vector<std::string> stored_;
    Prompts& prompts_;
    QLineEdit* code_ = nullptr;
};

}  // namespace pelmora::ui
