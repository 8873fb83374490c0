#include "handheld/WizardStepWindow.h"

#include <algorithm>

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/Accessibility.h"
#include "ui/ListTexts.h"
#include "ui/Prompts.h"
#include "ui/QuietButton.h"

namespace pelmora::handheld {

namespace {
// The entry a list opened on, to tell a list the operator left alone.
constexpr const char* kOpenedAt = "openedAt";
}  // namespace

WizardStepWindow::WizardStepWindow(WizardStep step, WizardContext& context, QWidget* parent)
    : QDialog(parent), context_(context), step_(step) {
    setObjectName(QStringLiteral("wizardStep%1").arg(static_cast<int>(step)));
    setWindowTitle(tr("<Step%1-%2> VMSM  Manager").arg(static_cast<int>(step)).arg(kWizardSteps));
}

void WizardStepWindow::Finish(QLayout* body) {
    const auto addButton = [this](QBoxLayout* row, const QString& text, const char* name, End end) {
        auto* button = ui::QuietButton(text, name, this);
        connect(button, &QPushButton::clicked, this, [this, end] { Leave(end); });
        row->addWidget(button);
        return button;
    };
    auto* buttons = new QHBoxLayout;
    if (step_ == WizardStep::One) addButton(buttons, tr("Default"), "defaultButton", End::Default);
    else addButton(buttons, tr("Prev"), "prevButton", End::Prev);
    if (step_ == WizardStep::Five) addButton(buttons, tr("Save"), "saveButton", End::Save)->setDefault(true);
    else addButton(buttons, tr("Next"), "nextButton", End::Next)->setDefault(true);
    auto* cancel = ui::QuietButton(tr("Cancel"), "cancelButton", this);
    connect(cancel, &QPushButton::clicked, this, &WizardStepWindow::reject);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addStretch();
    layout->addLayout(buttons);
    ui::NameControls(this);
}

QString WizardStepWindow::BoxTitle() const { return AsksAsProgram(step_) ? tr("Pelmora") : tr("VMSM Manager"); }

void WizardStepWindow::Leave(End end) {
    if (end != End::Default && !BoxesValid()) return;
    HandBack(end);
    end_ = end;
    accept();
}

void WizardStepWindow::reject() {
    if (!context_.prompts.Ask(this, BoxTitle(), tr("VMSM Manager Cancel?"))) return;
    end_ = End::Cancel;
    QDialog::reject();
}

std::optional<std::uint32_t> WizardStepWindow::CheckNumberBox(QLineEdit* box, const vmsm::EditRange& range) {
    const vmsm::NumberBox read = vmsm::ReadNumberBox(box->text().toStdString(), range);
    if (read.check == vmsm::NumberBox::Ok) return read.value;
    const QString text = read.check == vmsm::NumberBox::OutOfRange
                             ? tr("Enter an integer between %1 and %2.").arg(range.min).arg(range.max)
                             : tr("Enter a positive integer.");
    context_.prompts.Message(this, BoxTitle(), text, ui::PromptIcon::Warning);
    box->setFocus();
    box->selectAll();
    return std::nullopt;
}

bool WizardStepWindow::CheckTextBox(QLineEdit* box, std::size_t maxLength) {
    const QString text = box->text();
    bool keepable = static_cast<std::size_t>(text.size()) <= maxLength;
    for (const QChar c : text) keepable = keepable && c.unicode() <= 0xFF;
    if (keepable && vmsm::IsSendableText(text.toLatin1().toStdString())) return true;
    context_.prompts.Message(this, BoxTitle(),
                             tr("Enter at most %1 characters, Latin-1 only.").arg(maxLength),
                             ui::PromptIcon::Warning);
    box->setFocus();
    return false;
}

QComboBox* WizardStepWindow::AddList(const char* name, const vmsm::lists::Entries& entries, std::uint32_t index,
                                     const char* use) {
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    ui::FillList(list, entries, index, use);
    list->setProperty(kOpenedAt, list->currentIndex());
    return list;
}

QButtonGroup* WizardStepWindow::AddRadios(QBoxLayout* row, const char* name, const QStringList& texts,
                                        std::uint32_t checked, QLabel* question) {
    auto* group = new QButtonGroup(this);
    group->setObjectName(QLatin1String(name));
    for (int i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i], this);
        radio->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
        radio->setAccessibleName(ui::ChoiceName(question->text(), texts[i]));
        if (i == 0) question->setBuddy(radio);
        group->addButton(radio, i);
        row->addWidget(radio);
        radio->setChecked(static_cast<std::uint32_t>(i) == checked);
    }
    return group;
}

QLineEdit* WizardStepWindow::AddNumberBox(const char* name, std::uint32_t value) {
    auto* box = new QLineEdit(QString::number(value), this);
    box->setObjectName(QLatin1String(name));
    box->setInputMethodHints(Qt::ImhDigitsOnly);
    return box;
}

QLabel* WizardStepWindow::AddRow(QGridLayout* grid, const QString& text, QWidget* field) {
    auto* label = new QLabel(ui::BoxText(text), this);
    label->setBuddy(field);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return label;
}

QLabel* WizardStepWindow::AddRow(QGridLayout* grid, const QString& text, QLayout* fields) {
    auto* label = new QLabel(ui::BoxText(text), this);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addLayout(fields, row, 1);
    return label;
}

void WizardStepWindow::ShareLabelColumn(std::initializer_list<QGridLayout*> grids) {
    int widest = 0;
    for (QGridLayout* grid : grids)
        for (int row = 0; row < grid->rowCount(); ++row)
            if (const QLayoutItem* label = grid->itemAtPosition(row, 0))
                widest = std::max(widest, label->sizeHint().width());
    for (QGridLayout* grid : grids) {
        grid->setColumnMinimumWidth(0, widest);
        grid->setColumnStretch(1, 1);
    }
}

void WizardStepWindow::AddLabelled(QBoxLayout* body, const QString& text, QWidget* control) {
    auto* label = new QLabel(text, this);
    label->setBuddy(control);
    body->addWidget(label);
    body->addWidget(control);
}

QButtonGroup* WizardStepWindow::AddQuestion(QBoxLayout* body, const QString& label, const char* name,
                                            const QStringList& texts, std::uint32_t checked) {
    // A buddy label reads "&" as an access key; the question's "&" is prose.
    auto* question = new QLabel(QString(label).replace(QLatin1Char('&'), QStringLiteral("&&")), this);
    body->addWidget(question);
    auto* row = new QHBoxLayout;
    // The number is the radio's place in this list, whatever the screen shows first.
    QButtonGroup* group = AddRadios(row, name, texts, checked, question);
    body->addLayout(row);
    return group;
}

bool Untouched(const QComboBox* list) {
    return list->property(kOpenedAt).toInt() == list->currentIndex();
}

std::uint32_t IndexOr(const QComboBox* list, std::uint32_t kept) {
    const int index = list->currentIndex();
    return index >= 0 && !Untouched(list) ? static_cast<std::uint32_t>(index) : kept;
}

std::uint32_t CheckedOr(const QButtonGroup* group, std::uint32_t kept) {
    const int id = group->checkedId();
    return id >= 0 ? static_cast<std::uint32_t>(id) : kept;
}

}  // namespace pelmora::handheld
