#pragma once
#include "context/Layout.h"
#include <array>
#include <cstdint>
#include <string>

#include <QDialog>

#include "vmsm/SentinelCheck.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace pelmora::ui {

class Prompts;

/// The MSR sentinel window: the sentinel option and the six sentinel texts
/// (start of tracks 1..3, end of tracks 1..3), typed as characters or as
/// hexadecimal pairs. OK converts and checks them with the core's rules and
/// stays open, after a box, on the first error. The texts it hands back are
/// always characters.
class SentinelWindow final : public QDialog {
    Q_OBJECT
public:
    SentinelWindow(context::Layout layout, Prompts& prompts, std::uint32_t mode, const vmsm::SentinelSix& texts,
                    QWidget* parent = nullptr);

    /// After OK: what the operator confirmed.
    std::uint32_t Mode() const { return mode_; }
    const vmsm::SentinelSix& Texts() const { return texts_; }
    bool HexaForm() const { return hexa_; }

public slots:
    /// "OK": converts and checks; ends the window only when all six pass.
    void accept() override;

private:
    QGroupBox* BuildModeGroup(bool desktop);
    QGridLayout* BuildTextGrid(bool desktop);
    void SetMode(std::uint32_t mode);
    void SwitchForm(bool hexa);
    QString FormLabel() const;

    context::Layout layout_;
    Prompts& prompts_;
    std::uint32_t mode_;
    vmsm::SentinelSix texts_;
    bool hexa_ = false;
    bool formSwitched_ = false;
    std::array<QRadioButton*, 3> radios_{};
    std::array<QLineEdit*, 6> boxes_{};
    QCheckBox* form_ = nullptr;
};

/// Runs the sentinel window modally; on OK writes back mode and the six texts (order: track 1..3
/// start, track 1..3 end) and returns true; Cancel leaves them untouched and returns false.
bool EditSentinels(QWidget* parent, context::Layout layout, Prompts& prompts,
                   std::uint32_t& mode, std::array<std::string, 6>& texts);

}  // namespace pelmora::ui
