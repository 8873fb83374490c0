#include "handheld/ConnectionScreen.h"

#include <algorithm>
#include <initializer_list>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "context/StoredCommSettings.h"
#include "ui/Accessibility.h"
#include "ui/CoreTexts.h"
#include "ui/JobWindowHost.h"
#include "ui/Prompts.h"
#include "ui/QuietButton.h"
#include "vmsm/ConfigLists.h"

namespace pelmora::handheld {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The labels swap with the check box, so the names follow them.
void NameAfterLabel(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    control->setAccessibleName(ui::SpokenText(label->text()));
}

// The labels change with the check box; holding the room of their longest
// text keeps the fields from moving sideways when it is ticked.
void ReserveRoom(std::initializer_list<QLabel*> labels, const QStringList& texts) {
    int widest = 0;
    for (QLabel* label : labels) {
        for (const QString& text : texts) {
            label->setText(text);
            widest = std::max(widest, label->sizeHint().width());
        }
    }
    for (QLabel* label : labels) label->setMinimumWidth(widest);
}

}  // namespace

ConnectionScreen::ConnectionScreen(Services services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)), util_(services_.platform), engine_(util_) {
    setObjectName(QStringLiteral("connectionWindow"));
    util_.link().setLayout(context::Layout::Handheld);
    BuildControls();
    NameHiddenControls();
    Open();
    ui::NameControls(this);
}

ConnectionScreen::~ConnectionScreen() = default;

void ConnectionScreen::BuildControls() {
    auto* commBox = new QGroupBox(tr("Communication Setting"), this);
    tcp_ = new QCheckBox(tr("TCP/IP Comunication"), commBox);
    tcp_->setObjectName(QStringLiteral("tcpCheck"));
    port_ = new QComboBox(commBox);
    port_->setObjectName(QStringLiteral("portList"));
    // A device path such as /dev/rfcomm0 can be typed as well.
    port_->setEditable(true);
    port_->setInsertPolicy(QComboBox::NoInsert);
    baud_ = new QComboBox(commBox);
    baud_->setObjectName(QStringLiteral("baudList"));
    address_ = new QLineEdit(commBox);
    address_->setObjectName(QStringLiteral("addressEdit"));
    address_->setInputMethodHints(Qt::ImhPreferNumbers);
    tcpPort_ = new QLineEdit(commBox);
    tcpPort_->setObjectName(QStringLiteral("tcpPortEdit"));
    tcpPort_->setInputMethodHints(Qt::ImhDigitsOnly);
    firstLabel_ = new QLabel(commBox);
    firstLabel_->setObjectName(QStringLiteral("firstLabel"));
    secondLabel_ = new QLabel(commBox);
    secondLabel_->setObjectName(QStringLiteral("secondLabel"));
    ReserveRoom({firstLabel_, secondLabel_}, {tr("IP :"), tr("Port :"), tr("Baudrate :")});

    auto* grid = new QGridLayout(commBox);
    grid->addWidget(tcp_, 0, 0, 1, 2);
    grid->addWidget(firstLabel_, 1, 0);
    grid->addWidget(port_, 1, 1);
    grid->addWidget(address_, 1, 1);  // shares the port field's place
    grid->addWidget(secondLabel_, 2, 0);
    grid->addWidget(baud_, 2, 1);
    grid->addWidget(tcpPort_, 2, 1);  // shares the baud-rate list's place
    grid->setColumnStretch(1, 1);

    const auto makeButton = [this](const QString& text, const char* name) { return ui::QuietButton(text, name, this); };
    auto* vmsm = makeButton(tr("Virtual Memory Switch Manager"), "vmsmButton");
    auto* nv = makeButton(tr("NV Manager"), "nvButton");
    auto* exit = makeButton(tr("Exit"), "exitButton");
    exit->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(commBox);
    layout->addWidget(vmsm);
    layout->addWidget(nv);
    layout->addStretch();
    layout->addWidget(exit);

    connect(tcp_, &QCheckBox::toggled, this, &ConnectionScreen::UpdateView);
    connect(vmsm, &QPushButton::clicked, this, &ConnectionScreen::RunConfigJob);
    connect(nv, &QPushButton::clicked, this, &ConnectionScreen::RunNvJob);
    connect(exit, &QPushButton::clicked, this, &ConnectionScreen::OnExit);
}

void ConnectionScreen::Open() {
    for (const std::string& entry : context::ComPortEntries(context::Layout::Handheld)) port_->addItem(Q(entry));
    for (const std::string& entry : vmsm::lists::BaudEntries()) baud_->addItem(Q(entry));
    const ConnectionForm form = RestoreConnection(services_.store);
    const int listed = port_->findText(Q(form.port));
    if (listed >= 0) port_->setCurrentIndex(listed);
    else port_->setEditText(Q(form.port));  // a name typed earlier
    baud_->setCurrentIndex(form.baudIndex);
    address_->setText(Q(form.address));
    tcpPort_->setText(Q(form.tcpPort));
    tcp_->setChecked(form.tcp);
    UpdateView();
    setWindowTitle(tr("MPT-Q700VII Pelmora"));
    // A store that is not one reads as nothing, which would look like a first start on COM1.
    if (const std::string problem = services_.store.ReadProblem(); !problem.empty())
        Warn(tr("The stored settings could not be read; the screen shows the defaults.\n%1").arg(Q(problem)));
}

void ConnectionScreen::UpdateView() {
    const bool tcp = tcp_->isChecked();
    port_->setVisible(!tcp);
    baud_->setVisible(!tcp);
    address_->setVisible(tcp);
    tcpPort_->setVisible(tcp);
    firstLabel_->setText(tcp ? tr("IP :") : tr("Port :"));
    secondLabel_->setText(tcp ? tr("Port :") : tr("Baudrate :"));
    NameAfterLabel(firstLabel_, tcp ? static_cast<QWidget*>(address_) : port_);
    NameAfterLabel(secondLabel_, tcp ? static_cast<QWidget*>(tcpPort_) : baud_);
}

void ConnectionScreen::NameHiddenControls() {
    // The hidden pair keeps the names its labels give it when shown.
    address_->setAccessibleName(ui::SpokenText(tr("IP :")));
    tcpPort_->setAccessibleName(tr("TCP Port"));
    port_->setAccessibleName(ui::SpokenText(tr("Port :")));
    baud_->setAccessibleName(ui::SpokenText(tr("Baudrate :")));
    // The editable port field's own line and its list.
    port_->lineEdit()->setAccessibleName(port_->accessibleName());
    port_->view()->setAccessibleName(port_->accessibleName());
}

ConnectionForm ConnectionScreen::Form() const {
    return {tcp_->isChecked(), port_->currentText().toStdString(), baud_->currentIndex(),
            address_->text().toStdString(), tcpPort_->text().toStdString()};
}

std::optional<link::CommSettings> ConnectionScreen::Gather() {
    const Gathered gathered = GatherConnection(Form());
    switch (gathered.problem) {
    case Gathered::None: return gathered.settings;
    case Gathered::BadAddress:
        Warn(tr("\"%1\" is not an IPv4 address.\nType four numbers from 0 to 255 separated by dots, such as "
                "192.168.1.1.")
                 .arg(address_->text()));
        address_->setFocus();
        break;
    case Gathered::BadTcpPort:
        Warn(tr("\"%1\" is not a TCP port.\nType a number from 1 to 65535.").arg(tcpPort_->text()));
        tcpPort_->setFocus();
        break;
    }
    return std::nullopt;
}

void ConnectionScreen::RunConfigJob() {
    const auto comm = Gather();
    if (!comm) return;
    util_.HandOver(*comm);
    ui::JobWindowHost host(context::Layout::Handheld, this, services_.timer);
    const WizardServices wizard{services_.prompts, services_.editSentinels, services_.driveSteps};
    const vmsm::JobReport report = vmsm::RunConfigJob(
        engine_, host.ConfigJob(
            services_.store, [this, &wizard](vmsm::MemorySwitchEngine& engine) { return RunWizard(this, engine, wizard); },
            context::Layout::Handheld));
    if (!report.message.empty())
        services_.prompts.Message(this, ui::CoreText(report.title), ui::CoreText(report.message));
    if (!report.storeFailure.empty())
        Warn(tr("The printer took the settings, but they could not be stored.\n%1").arg(Q(report.storeFailure)));
}

void ConnectionScreen::RunNvJob() {
    const auto comm = Gather();
    if (!comm) return;
    util_.HandOver(*comm);
    services_.launchNv(this, util_);
    if (util_.link().IsOpen()) util_.link().ClosePort();
}

void ConnectionScreen::OnExit() {
    const auto comm = Gather();
    if (!comm) return;
    const std::string failure = context::WriteCommSettings(services_.store, *comm, context::Layout::Handheld);
    if (!failure.empty()) {
        // Closing quietly would lose the operator's choice.
        Warn(tr("The communication settings could not be stored.\n%1").arg(Q(failure)));
        return;
    }
    accept();
}

void ConnectionScreen::reject() {
    if (util_.link().IsOpen()) util_.link().ClosePort();
    QDialog::reject();
}

void ConnectionScreen::Warn(const QString& text) {
    services_.prompts.Message(this, tr("Pelmora"), text, ui::PromptIcon::Warning);
}

}  // namespace pelmora::handheld
