#include "desktop/MainWindow.h"

#include <cstdlib>

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "context/StoredCommSettings.h"
#include "context/TcpAddress.h"
#include "desktop/AboutBox.h"
#include "desktop/CommRules.h"
#include "desktop/FindPrintersDialog.h"
#include "desktop/ToolColumn.h"
#include "ui/AccessKeys.h"
#include "ui/Accessibility.h"
#include "windows/firmware/FirmwareWindow.h"
#include "windows/nv_images/NvManagerLaunch.h"
#include "windows/memory_switches/MemorySwitchJob.h"
#include "ui/Prompts.h"
#include "vmsm/ConfigLists.h"

namespace pelmora::desktop {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

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

}  // namespace

MainWindow::MainWindow(Services services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)), util_(services_.platform) {
    setObjectName(QStringLiteral("mainWindow"));
    vmsmJob_ = new ui::MemorySwitchJob(this, services_.prompts, services_.phaseTimer);
    connect(this, &MainWindow::memorySwitchManagerRequested, this,
            [this] { vmsmJob_->Run(vmsm_, services_.store); });
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
    description_->setMinimumWidth(420);
    (new QVBoxLayout(descriptionBox))->addWidget(description_);

    auto* body = new QHBoxLayout;
    body->addWidget(BuildCommGroup(this, comm_), 1);
    const ToolColumn tools = BuildToolColumn(this, services_.firmwareManager);  // after the group: tab order
    firmware_ = tools.firmware;
    body->addLayout(tools.layout);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(descriptionBox);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* about = new QAction(tr("&About Pelmora"), this);
    about->setObjectName(QStringLiteral("aboutAction"));
    about->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(about);
    connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);

    connect(comm_.interface, &QComboBox::currentIndexChanged, this, [this] { FillByInterface(); });
    connect(tools.vmsm, &QPushButton::clicked, this, [this] {
        if (HandOver()) emit memorySwitchManagerRequested();
    });
    connect(tools.nv, &QPushButton::clicked, this, [this] {
        if (!HandOver()) return;
        emit nvImageManagerRequested();
        ui::LaunchNvManager(this, context::Layout::Desktop, util_, services_.store, services_.prompts,
                            services_.phaseTimer);
    });
    connect(firmware_, &QPushButton::clicked, this, &MainWindow::OpenFirmwareManager);
    connect(tools.find, &QPushButton::clicked, this, &MainWindow::OpenFindPrinters);
    connect(tools.exit, &QPushButton::clicked, this, &MainWindow::OnExit);
}

void MainWindow::Open() {
    {
        const QSignalBlocker quiet(comm_.interface);
        for (const char* name : kInterfaceNames) comm_.interface->addItem(QString::fromLatin1(name));
        comm_.interface->setCurrentIndex(link::PortSerial);
    }
    const context::StoredComm stored = context::ReadCommSettings(services_.store, context::Layout::Desktop);
    settings_ = stored.settings;
    {
        const QSignalBlocker quiet(comm_.interface);
        const std::int32_t type = settings_.portType;
        // An index the list does not have leaves nothing selected.
        comm_.interface->setCurrentIndex(type >= 0 && type < comm_.interface->count() ? type : -1);
    }
    FillByInterface();
    RestoreSelections(settings_);
    description_->setText(
        tr(" * Select Menu \n This application is Pelmora. You can change communication setting, code page and "
           "download NV image, etc."));
    setWindowTitle(tr("MPT-Q700VII Pelmora for PC V1.0.4"));
    ReportUnreadableStore(stored.unreadable);
}

void MainWindow::FillByInterface() {
    comm_.port->hide();
    comm_.baud->hide();
    comm_.tcpPort->hide();
    comm_.address->hide();
    const int type = comm_.interface->currentIndex();
    const auto enableSerialLines = [this](bool enabled) {
        for (QWidget* w : {static_cast<QWidget*>(comm_.baud), static_cast<QWidget*>(comm_.dataBits),
                           static_cast<QWidget*>(comm_.parity), static_cast<QWidget*>(comm_.stopBits)})
            w->setEnabled(enabled);
    };
    switch (type) {
    case link::PortSerial:
    case link::PortBluetooth:
        comm_.port->show();
        comm_.baud->show();
        comm_.portLabel->setText(tr("Port :"));
        NameAfterLabel(comm_.portLabel, comm_.port);
        NameAfterLabel(comm_.baudLabel, comm_.baud);
        FillSerialLists();
        // Bluetooth reaches the printer through a COM port at the radio's own
        // rate, so only the port is chosen.
        enableSerialLines(type == link::PortSerial);
        comm_.flow->setEnabled(false);
        break;
    case link::PortUsb:
        comm_.port->show();
        comm_.baud->show();
        comm_.portLabel->setText(tr("Port :"));
        NameAfterLabel(comm_.portLabel, comm_.port);
        NameAfterLabel(comm_.baudLabel, comm_.baud);
        FillUsbPorts();
        break;
    case link::PortTcp:
        comm_.tcpPort->show();
        comm_.address->show();
        comm_.portLabel->setText(tr("IP : "));
        comm_.portLabel->setBuddy(comm_.address);
        comm_.baudLabel->setBuddy(comm_.tcpPort);
        comm_.address->setText(QStringLiteral("0.0.0.0"));
        comm_.tcpPort->setText(QString::number(link::kPrinterTcpPort));
        for (QWidget* w : {static_cast<QWidget*>(comm_.dataBits), static_cast<QWidget*>(comm_.parity),
                           static_cast<QWidget*>(comm_.stopBits), static_cast<QWidget*>(comm_.flow)})
            w->setEnabled(false);
        break;
    default:
        break;
    }
    ui::AssignAccessKeys(this);
}

void MainWindow::FillSerialLists() {
    const QString none = tr("NONE");
    Refill(comm_.port, ToList(context::ComPortEntries(context::Layout::Desktop)), 0);
    Refill(comm_.baud, ToList(vmsm::lists::BaudEntries()), link::kDefaultBaudIndex);
    Refill(comm_.dataBits, {QStringLiteral("8")}, 0);
    Refill(comm_.parity, {none, QStringLiteral("ODD"), QStringLiteral("EVEN")}, 0);
    Refill(comm_.stopBits, {QStringLiteral("1"), QStringLiteral("2")}, 0);
    Refill(comm_.flow, {none, QStringLiteral("DTR/DSR")}, 0);
}

void MainWindow::FillUsbPorts() {
    comm_.port->clear();
    usbPaths_.clear();
    usbLabels_.clear();
    for (const link::UsbPrinterInfo& printer : services_.usb.list()) {
        comm_.port->addItem(Q(printer.label));
        usbLabels_.push_back(printer.label);
        usbPaths_.push_back(printer.path);
    }
    if (comm_.port->count() > 0) {
        comm_.port->setCurrentIndex(0);
        for (QWidget* w : {static_cast<QWidget*>(comm_.baud), static_cast<QWidget*>(comm_.dataBits),
                           static_cast<QWidget*>(comm_.parity), static_cast<QWidget*>(comm_.stopBits),
                           static_cast<QWidget*>(comm_.flow)})
            w->setEnabled(false);
        return;
    }
    services_.prompts.Message(this, tr("Pelmora"), tr("Not connected USB printer!"), ui::PromptIcon::Warning);
    {
        const QSignalBlocker quiet(comm_.interface);
        comm_.interface->setCurrentIndex(link::PortSerial);
    }
    FillByInterface();
}

void MainWindow::RestoreSelections(const link::CommSettings& stored) {
    switch (stored.portType) {
    case link::PortSerial:
    case link::PortBluetooth: {
        if (comm_.port->count() == 0) break;  // the fill did not run for these lists
        const SerialSelection s = RestoreSerial(stored);
        comm_.port->setCurrentIndex(s.port);
        comm_.baud->setCurrentIndex(s.baudRate);
        comm_.parity->setCurrentIndex(s.parity);
        comm_.stopBits->setCurrentIndex(s.stopBits);
        comm_.flow->setCurrentIndex(s.flowControl);
        break;
    }
    case link::PortUsb:
        if (const int index = RestoreUsb(stored.port, usbPaths_, comm_.port->count()); index >= 0)
            comm_.port->setCurrentIndex(index);
        break;
    case link::PortTcp:
        comm_.address->setText(Q(link::NetAddress(stored.port)));
        comm_.tcpPort->setText(QString::number(stored.baudRate));  // the TCP port
        break;
    default:
        break;
    }
}

void MainWindow::ShowConnection(link::CommSettings chosen) {
    const bool serial = chosen.portType == link::PortSerial || chosen.portType == link::PortBluetooth;
    if (serial) chosen.port = ListedPortFor(services_.store, chosen.port);
    {
        const QSignalBlocker quiet(comm_.interface);
        comm_.interface->setCurrentIndex(chosen.portType);
    }
    FillByInterface();
    RestoreSelections(chosen);
    if (serial && comm_.port->currentText() != Q(chosen.port)) {
        comm_.port->addItem(Q(chosen.port));
        comm_.port->setCurrentIndex(comm_.port->count() - 1);
    }
}

void MainWindow::ReportUnreadableStore(const std::vector<std::string>& unreadable) {
    if (unreadable.empty()) return;
    QStringList names = ToList(unreadable);
    names.replaceInStrings(QStringLiteral("(file)"), tr("damaged lines"));
    services_.prompts.Message(
        this, tr("Pelmora"),
        tr("Some stored communication settings could not be read (%1) in %2.\n"
           "The window shows the defaults for them; the store is changed only by \"Exit\".")
            .arg(names.join(QStringLiteral(", ")), QString::fromStdString(services_.store.Where())),
        ui::PromptIcon::Warning);
}

bool MainWindow::GatherSettings() {
    const int type = comm_.interface->currentIndex();
    switch (type) {
    case link::PortSerial:
    case link::PortBluetooth:
        settings_ = GatherSerial(settings_, type,
                                 {comm_.port->currentText().toStdString(), comm_.baud->currentIndex(),
                                  comm_.dataBits->currentText().toStdString(), comm_.parity->currentIndex(),
                                  comm_.stopBits->currentIndex(), comm_.flow->currentIndex()});
        return true;
    case link::PortUsb: {
        const int index = comm_.port->currentIndex();
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
        const context::TcpAddress tcp =
            context::CheckTcpAddress(comm_.address->text().toStdString(), comm_.tcpPort->text().toStdString());
        if (tcp.problem == context::TcpAddress::BadAddress) {
            Warn(tr("\"%1\" is not an IPv4 address.\nType four numbers from 0 to 255 separated by dots, such as "
                    "192.168.0.10.")
                     .arg(comm_.address->text()));
            comm_.address->setFocus();
            return false;
        }
        if (tcp.problem == context::TcpAddress::BadPort) {
            Warn(tr("\"%1\" is not a TCP port.\nType a number from 1 to 65535.").arg(comm_.tcpPort->text()));
            comm_.tcpPort->setFocus();
            return false;
        }
        settings_.portType = link::PortTcp;
        settings_.port = link::NetPort(tcp.host);
        settings_.baudRate = tcp.port;
        return true;
    }
    default:
        return true;  // no interface chosen: the values read from the store stand
    }
}

bool MainWindow::HandOver() {
    if (!GatherSettings()) return false;
    util_.HandOver(settings_);
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

void MainWindow::OpenFindPrinters() {
    auto* window = new FindPrintersDialog(services_.platform, services_.localPorts, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &FindPrintersDialog::printerChosen, this, &MainWindow::ShowConnection);
    window->open();
}

void MainWindow::OnExit() {
    if (!GatherSettings()) return;
    link::CommSettings stored = settings_;
    stored.portType = comm_.interface->currentIndex();  // -1 when nothing is selected
    if (!context::WriteCommSettings(services_.store, stored, context::Layout::Desktop).empty()) {
        // Saying nothing would lose the operator's choice without a word.
        Warn(tr("The communication settings could not be stored in %1.")
                 .arg(QString::fromStdString(services_.store.Where())));
        return;
    }
    accept();
}

void MainWindow::reject() {
    if (util_.link().IsOpen()) util_.link().ClosePort();
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
