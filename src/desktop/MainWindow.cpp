#include "desktop/MainWindow.h"

#include <cstdlib>

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "context/StoredCommSettings.h"
#include "desktop/AboutBox.h"
#include "desktop/CommRules.h"
#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "windows/firmware/FirmwareWindow.h"
#include "windows/nv_images/NvManagerLaunch.h"
#include "windows/memory_switches/MemorySwitchJob.h"
#include "ui/Prompts.h"
#include "ui/QuietButton.h"

namespace pelmora::desktop {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QComboBox* MakeList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    return list;
}

void Refill(QComboBox* list, const QStringList& entries, int selected) {
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(selected);
}

QStringList ToList(const std::vector<std::string>& entries) {
    QStringList list;
    for (const std::string& entry : entries) list << Q(entry);
    return list;
}

// Labels change with the interface, so the names follow them.
void NameAfterLabel(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    control->setAccessibleName(ui::SpokenText(label->text()));
}

}  // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)), util_(services_.platform), settings_(InitialComm()) {
    setObjectName(QStringLiteral("mainWindow"));
    vmsmJob_ = new ui::MemorySwitchJob(this, services_.prompts, services_.phaseTimer);
    connect(this, &MainWindow::memorySwitchManagerRequested, this,
            [this] { vmsmJob_->Run(vmsm_, settings_, services_.store); });
    BuildControls();
    Open();
    ui::NameControls(this);
}

MainWindow::~MainWindow() = default;

bool MainWindow::FirmwareManagerWanted() {
    const char* value = std::getenv("PELMORA_FIRMWARE");
    return value && std::string(value) == "1";
}

void MainWindow::BuildControls() {
    auto* descriptionBox = new QGroupBox(tr("Description"), this);
    description_ = new QLabel(descriptionBox);
    description_->setObjectName(QStringLiteral("descriptionText"));
    description_->setWordWrap(true);
    description_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    description_->setAccessibleName(descriptionBox->title());
    (new QVBoxLayout(descriptionBox))->addWidget(description_);

    auto* commBox = new QGroupBox(tr("Communication Setting"), this);
    interface_ = MakeList(commBox, "interfaceList");
    port_ = MakeList(commBox, "portList");
    baud_ = MakeList(commBox, "baudList");
    dataBits_ = MakeList(commBox, "dataBitsList");
    stopBits_ = MakeList(commBox, "stopBitsList");
    parity_ = MakeList(commBox, "parityList");
    flow_ = MakeList(commBox, "flowList");

    address_ = new QLineEdit(commBox);
    address_->setObjectName(QStringLiteral("addressEdit"));
    // Typing stops at anything that cannot become a dotted IPv4 address.
    address_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^(\\d{1,3})(\\.\\d{0,3}){0,3}$")), address_));
    tcpPort_ = new QLineEdit(commBox);
    tcpPort_->setObjectName(QStringLiteral("tcpPortEdit"));
    tcpPort_->setValidator(new QIntValidator(1, 65535, tcpPort_));
    tcpPort_->setAccessibleName(tr("TCP Port"));
    address_->setAccessibleName(ui::SpokenText(tr("IP : ")));

    auto* grid = new QGridLayout(commBox);
    const auto addRow = [&](int row, const QString& text, QWidget* control) {
        auto* label = new QLabel(text, commBox);
        NameAfterLabel(label, control);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
        return label;
    };
    addRow(0, tr("Interface :"), interface_);
    portLabel_ = addRow(1, tr("Port :"), port_);
    portLabel_->setObjectName(QStringLiteral("portLabel"));
    grid->addWidget(address_, 1, 1);  // lies over the port list
    baudLabel_ = addRow(2, tr("Baud Rate :"), baud_);
    baudLabel_->setObjectName(QStringLiteral("baudLabel"));
    grid->addWidget(tcpPort_, 2, 1);  // lies over the baud-rate list
    addRow(3, tr("Data Bits :"), dataBits_);
    addRow(4, tr("Stop Bits :"), stopBits_);
    addRow(5, tr("Parity :"), parity_);
    addRow(6, tr("Flow Control :"), flow_);
    grid->setColumnStretch(1, 1);

    const auto makeButton = [this](const QString& text, const char* name) { return ui::QuietButton(text, name, this); };
    auto* vmsm = makeButton(tr("Virtual Memory Switch Manager"), "vmsmButton");
    auto* nv = makeButton(tr("NV Image Manager"), "nvButton");
    firmware_ = makeButton(tr("Firmware Manager"), "firmwareButton");
    auto* exit = makeButton(tr("Exit"), "exitButton");
    exit->setDefault(true);
    // Kept out of reach unless a service technician asks for it.
    firmware_->setVisible(services_.firmwareManager);
    firmware_->setEnabled(services_.firmwareManager);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(vmsm);
    buttons->addWidget(nv);
    buttons->addWidget(firmware_);
    buttons->addStretch();
    buttons->addWidget(exit);

    auto* body = new QHBoxLayout;
    body->addWidget(commBox, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(descriptionBox);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    description_->setMinimumWidth(420);

    auto* about = new QAction(tr("&About Pelmora"), this);
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(about);
    connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);

    connect(interface_, &QComboBox::currentIndexChanged, this, [this] { FillByInterface(); });
    connect(vmsm, &QPushButton::clicked, this, [this] {
        if (HandOver()) emit memorySwitchManagerRequested();
    });
    connect(nv, &QPushButton::clicked, this, [this] {
        if (!HandOver()) return;
        emit nvImageManagerRequested();
        ui::LaunchNvManager(this, context::Layout::Desktop, util_, services_.store, services_.prompts,
                            services_.phaseTimer);
    });
    connect(firmware_, &QPushButton::clicked, this, &MainWindow::OpenFirmwareManager);
    connect(exit, &QPushButton::clicked, this, &MainWindow::OnExit);
}

void MainWindow::Open() {
    {
        const QSignalBlocker quiet(interface_);
        interface_->addItems({QStringLiteral("Serial / RS232C"), QStringLiteral("Bluetooth"), QStringLiteral("USB"),
                              QStringLiteral("TCP/IP")});
        interface_->setCurrentIndex(link::PortSerial);
    }
    const StoredComm stored = ReadStoredComm(services_.store);
    if (stored.portTypeRead) {
        settings_ = stored.values;
        const QSignalBlocker quiet(interface_);
        const std::int32_t type = stored.values.portType;
        // An index the list does not have leaves nothing selected.
        interface_->setCurrentIndex(type >= 0 && type < interface_->count() ? type : -1);
    }
    FillByInterface();
    const std::vector<std::string> unshown =
        RestoreSelections(stored.portTypeRead ? stored.values.portType : link::PortSerial, stored.values);
    description_->setText(
        tr(" * Select Menu \n This application is Pelmora. You can change communication setting, code page and "
           "download NV image, etc."));
    setWindowTitle(tr("MPT-Q700VII Pelmora for PC V1.0.4"));
    ReportUnreadableStore(unshown);
}

void MainWindow::FillByInterface() {
    port_->hide();
    baud_->hide();
    tcpPort_->hide();
    address_->hide();
    const int type = interface_->currentIndex();
    const auto enableSerialLines = [this](bool enabled) {
        for (QWidget* w : {static_cast<QWidget*>(baud_), static_cast<QWidget*>(dataBits_),
                           static_cast<QWidget*>(parity_), static_cast<QWidget*>(stopBits_)})
            w->setEnabled(enabled);
    };
    switch (type) {
    case link::PortSerial:
    case link::PortBluetooth:
        port_->show();
        baud_->show();
        portLabel_->setText(tr("Port :"));
        NameAfterLabel(portLabel_, port_);
        NameAfterLabel(baudLabel_, baud_);
        FillSerialLists();
        // Bluetooth reaches the printer through a COM port at the radio's own
        // rate, so only the port is chosen.
        enableSerialLines(type == link::PortSerial);
        flow_->setEnabled(false);
        break;
    case link::PortUsb:
        port_->show();
        baud_->show();
        portLabel_->setText(tr("Port :"));
        NameAfterLabel(portLabel_, port_);
        NameAfterLabel(baudLabel_, baud_);
        FillUsbPorts();
        break;
    case link::PortTcp:
        tcpPort_->show();
        address_->show();
        portLabel_->setText(tr("IP : "));
        portLabel_->setBuddy(address_);
        baudLabel_->setBuddy(tcpPort_);
        address_->setText(QStringLiteral("0.0.0.0"));
        tcpPort_->setText(QStringLiteral("9100"));
        for (QWidget* w : {static_cast<QWidget*>(dataBits_), static_cast<QWidget*>(parity_),
                           static_cast<QWidget*>(stopBits_), static_cast<QWidget*>(flow_)})
            w->setEnabled(false);
        break;
    default:
        break;
    }
    ui::AssignAccessKeys(this);
}

void MainWindow::FillSerialLists() {
    const QString none = tr("NONE");
    Refill(port_, ToList(ComPortEntries()), 0);
    Refill(baud_, ToList(BaudRateEntries()), 6);
    Refill(dataBits_, {QStringLiteral("8")}, 0);
    Refill(parity_, {none, QStringLiteral("ODD"), QStringLiteral("EVEN")}, 0);
    Refill(stopBits_, {QStringLiteral("1"), QStringLiteral("2")}, 0);
    Refill(flow_, {none, QStringLiteral("DTR/DSR")}, 0);
}

void MainWindow::FillUsbPorts() {
    port_->clear();
    usbPaths_.clear();
    usbLabels_.clear();
    for (const link::UsbPrinterInfo& printer : services_.usb.list()) {
        port_->addItem(Q(printer.label));
        usbLabels_.push_back(printer.label);
        usbPaths_.push_back(printer.path);
    }
    if (port_->count() > 0) {
        port_->setCurrentIndex(0);
        for (QWidget* w : {static_cast<QWidget*>(baud_), static_cast<QWidget*>(dataBits_),
                           static_cast<QWidget*>(parity_), static_cast<QWidget*>(stopBits_),
                           static_cast<QWidget*>(flow_)})
            w->setEnabled(false);
        return;
    }
    services_.prompts.Message(this, tr("Pelmora"), tr("Not connected USB printer!"), ui::PromptIcon::Warning);
    {
        const QSignalBlocker quiet(interface_);
        interface_->setCurrentIndex(link::PortSerial);
    }
    FillByInterface();
}

std::vector<std::string> MainWindow::RestoreSelections(std::int32_t portType,
                                                             const link::CommSettings& stored) {
    switch (portType) {
    case link::PortSerial:
    case link::PortBluetooth: {
        if (port_->count() == 0) break;  // the fill did not run for these lists
        const SerialSelection s = RestoreSerial(stored, ComPortEntries());
        port_->setCurrentIndex(s.port);
        baud_->setCurrentIndex(s.baudRate);
        parity_->setCurrentIndex(s.parity);
        stopBits_->setCurrentIndex(s.stopBits);
        flow_->setCurrentIndex(s.flowControl);
        break;
    }
    case link::PortUsb:
        if (const int index = RestoreUsb(stored.port, usbPaths_, port_->count()); index >= 0)
            port_->setCurrentIndex(index);
        break;
    case link::PortTcp: {
        const std::string address = context::NetAddress(stored.port);
        if (IsDottedIpv4(address)) {
            address_->setText(Q(address));
            return {};
        }
        return {"uPort"};  // the fill's 0.0.0.0 stays
    }
    default:
        break;
    }
    return {};
}

void MainWindow::ReportUnreadableStore(const std::vector<std::string>& unshown) {
    std::vector<std::string> unreadable = UnreadableCommValues(services_.store);
    unreadable.insert(unreadable.end(), unshown.begin(), unshown.end());
    if (unreadable.empty()) return;
    QStringList names = ToList(unreadable);
    names.replaceInStrings(QStringLiteral("(file)"), tr("damaged lines"));
    services_.prompts.Message(
        this, tr("Pelmora"),
        tr("Some stored communication settings could not be read (%1) in %2.\n"
           "The window shows the defaults for them; the store is changed only by \"Exit\".")
            .arg(names.join(QStringLiteral(", ")), QString::fromStdString(services_.store.path().string())),
        ui::PromptIcon::Warning);
}

bool MainWindow::GatherSettings() {
    const int type = interface_->currentIndex();
    switch (type) {
    case link::PortSerial:
    case link::PortBluetooth:
        settings_ = GatherSerial(settings_, type,
                                 {port_->currentText().toStdString(), baud_->currentText().toStdString(),
                                  dataBits_->currentText().toStdString(), parity_->currentIndex(),
                                  stopBits_->currentIndex(), flow_->currentIndex()});
        return true;
    case link::PortUsb: {
        const int index = port_->currentIndex();
        if (index < 0 || index >= static_cast<int>(usbPaths_.size())) return false;
        const std::string& path = usbPaths_[static_cast<std::size_t>(index)];
        if (!services_.usb.present(path)) {
            Warn(tr("The USB printer %1 (%2) is no longer connected.\nChoose \"USB\" again to list the printers present.")
                     .arg(Q(usbLabels_[static_cast<std::size_t>(index)]), Q(path)));
            return false;
        }
        settings_.portType = link::PortUsb;
        settings_.port = path;
        return true;
    }
    case link::PortTcp: {
        const std::string address = address_->text().toStdString();
        if (!IsDottedIpv4(address)) {
            Warn(tr("\"%1\" is not an IPv4 address.\nType four numbers from 0 to 255 separated by dots, such as "
                    "192.168.0.10.")
                     .arg(address_->text()));
            address_->setFocus();
            return false;
        }
        const auto tcpPort = ParseTcpPort(tcpPort_->text().toStdString());
        if (!tcpPort) {
            Warn(tr("\"%1\" is not a TCP port.\nType a number from 1 to 65535.").arg(tcpPort_->text()));
            tcpPort_->setFocus();
            return false;
        }
        settings_.portType = link::PortTcp;
        settings_.port = "NET" + address;
        settings_.baudRate = *tcpPort;
        return true;
    }
    default:
        return true;  // no interface chosen: the values read from the store stand
    }
}

bool MainWindow::HandOver() {
    if (!GatherSettings()) return false;
    util_.PendingSettings = settings_;
    util_.ApplyPortSettings();
    return true;
}

void MainWindow::OpenFirmwareManager() {
    if (!GatherSettings()) return;
    emit firmwareManagerRequested(settings_);
    // Modal to this window; the firmware window opens and closes a link of
    // its own, built from this copy of the settings.
    auto* window = new ui::FirmwareWindow(services_.platform, settings_, services_.prompts, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->open();
}

void MainWindow::OnExit() {
    if (!GatherSettings()) return;
    link::CommSettings stored = settings_;
    stored.portType = interface_->currentIndex();  // -1 when nothing is selected
    if (!context::SaveCommSettings(services_.store, stored)) {
        // Saying nothing would lose the operator's choice without a word.
        Warn(tr("The communication settings could not be stored in %1.")
                 .arg(QString::fromStdString(services_.store.path().string())));
        return;
    }
    accept();
}

void MainWindow::reject() {
    if (util_.link.IsOpen()) util_.link.ClosePort();
    QDialog::reject();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addActions(actions());
    menu.exec(event->globalPos());
}

void MainWindow::ShowAbout() {
    auto* about = new AboutBox(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void MainWindow::Warn(const QString& text) {
    services_.prompts.Message(this, tr("Pelmora"), text, ui::PromptIcon::Warning);
}

}  // namespace pelmora::desktop
