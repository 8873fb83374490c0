#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include <QDialog>

#include "handheld/WizardRules.h"
#include "vmsm/ConfigFields.h"
#include "vmsm/PrinterConfig.h"

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;

namespace pelmora::context { class PrinterContext; }
namespace pelmora::ui { class Prompts; }

namespace pelmora::handheld {

/// The sentinel window: mode and texts (track 1..3 start, track 1..3 end) in,
/// true after OK with both replaced.
using SentinelEditor =
    std::function<bool(QWidget* parent, std::uint32_t& mode, std::array<std::string, 6>& texts)>;

/// What every step works on: the engine's record, edited in place.
struct WizardContext {
    vmsm::PrinterConfig& record;
    const context::PrinterContext& util;
    ui::Prompts& prompts;
    SentinelEditor editSentinels;
};

/// One step of the configuration wizard: its controls above a row of
/// buttons. A step that ends with "Next", "Prev" or "Save" has handed its
/// values back into the record; while a box holds something the record
/// cannot take, the step says so and stays open. "Cancel", Esc and the close
/// box ask first.
class WizardStepWindow : public QDialog {
    Q_OBJECT
public:
    enum class End { Cancel, Next, Prev, Save, Default };

    WizardStep step() const { return step_; }
    End end() const { return end_; }

    void reject() override;

protected:
    WizardStepWindow(WizardStep step, WizardContext& context, QWidget* parent);

    /// Puts `body` above the buttons; the last call of a step's constructor.
    void Finish(QLayout* body);
    /// False, after a message, when a box cannot be handed back.
    virtual bool BoxesValid() { return true; }
    virtual void HandBack(End end) = 0;

    /// The box's number when `range` allows it; else the message, the box
    /// focused, and nothing.
    std::optional<std::uint32_t> CheckNumberBox(QLineEdit* box, const vmsm::EditRange& range);
    /// False, after a message, when the box holds more than `maxLength`
    /// characters or one the printer cannot keep.
    bool CheckTextBox(QLineEdit* box, std::size_t maxLength);

    /// A list of the entries with `index` selected (none when it has no such entry).
    /// `use`: as ui::ListText's, for an entry said two ways.
    QComboBox* AddList(const char* name, const vmsm::lists::Entries& entries, std::uint32_t index,
                       const char* use = nullptr);
    /// Radio buttons in a row, numbered in order; the one of `checked` is ticked.
    /// `question` (the label that asks for them) leads to the first and is
    /// part of each one's name, so two "On" of one step can be told apart.
    QButtonGroup* AddRadios(QBoxLayout* row, const char* name, const QStringList& texts, std::uint32_t checked,
                            QLabel* question);
    /// A number box holding `value`.
    QLineEdit* AddNumberBox(const char* name, std::uint32_t value);
    /// The next row of `grid`: the label in the first column, leading to
    /// `field`, and the field in the second.
    QLabel* AddRow(QGridLayout* grid, const QString& text, QWidget* field);
    /// As above with a row of controls; the label leads to none yet.
    QLabel* AddRow(QGridLayout* grid, const QString& text, QLayout* fields);
    /// Gives the grids' label columns the width of the widest label in any of
    /// them, so their fields start in one line.
    static void ShareLabelColumn(std::initializer_list<QGridLayout*> grids);
    /// `control` under a label of `text` that leads to it, both into `body`.
    void AddLabelled(QBoxLayout* body, const QString& text, QWidget* control);
    /// The question `label` and under it AddRadios' row, both into `body`.
    QButtonGroup* AddQuestion(QBoxLayout* body, const QString& label, const char* name, const QStringList& texts,
                              std::uint32_t checked);

    WizardContext& context_;

private:
    void Leave(End end);
    QString BoxTitle() const;

    WizardStep step_;
    End end_ = End::Cancel;
};

/// The list shows the entry it opened on (made by AddList): the operator left it alone.
bool Untouched(const QComboBox* list);
/// The list's selection, or `kept` when nothing is selected or the list is untouched.
std::uint32_t IndexOr(const QComboBox* list, std::uint32_t kept);
/// The checked radio's number, or `kept` when none is.
std::uint32_t CheckedOr(const QButtonGroup* group, std::uint32_t kept);

}  // namespace pelmora::handheld
