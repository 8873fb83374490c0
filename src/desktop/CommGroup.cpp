#include "desktop/CommGroup.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "ui/Accessibility.h"

namespace pelmora::desktop {

namespace {

QComboBox* MakeList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    return list;
}

void MakeTcpBoxes(QGroupBox* group, CommControls& c) {
    c.address = new QLineEdit(group);
    c.address->setObjectName(QStringLiteral("addressEdit"));
    // Typing stops at anything that cannot become a dotted IPv4 address.
    c.address->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^(\\d{1,3})(\\.\\d{0,3}){0,3}$")), c.address));
    c.tcpPort = new QLineEdit(group);
    c.tcpPort->setObjectName(QStringLiteral("tcpPortEdit"));
    c.tcpPort->setValidator(new QIntValidator(1, 65535, c.tcpPort));
    c.tcpPort->setAccessibleName(QCoreApplication::translate("pelmora::desktop::MainWindow", "TCP Port"));
    c.address->setAccessibleName(ui::SpokenText(QCoreApplication::translate("pelmora::desktop::MainWindow", "IP : ")));
}

}  // namespace

void NameAfterLabel(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    control->setAccessibleName(ui::SpokenText(label->text()));
}

// The texts keep the main window's context, where the translations hold them.
QGroupBox* BuildCommGroup(QWidget* owner, CommControls& c) {
    auto* group =
        new QGroupBox(QCoreApplication::translate("pelmora::desktop::MainWindow", "Communication Setting"), owner);
    c.interface = MakeList(group, "interfaceList");
    c.port = MakeList(group, "portList");
    c.baud = MakeList(group, "baudList");
    c.dataBits = MakeList(group, "dataBitsList");
    c.stopBits = MakeList(group, "stopBitsList");
    c.parity = MakeList(group, "parityList");
    c.flow = MakeList(group, "flowList");
    MakeTcpBoxes(group, c);

    auto* grid = new QGridLayout(group);
    const auto addRow = [&](int row, const QString& text, QWidget* control) {
        auto* label = new QLabel(text, group);
        NameAfterLabel(label, control);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
        return label;
    };
    addRow(0, QCoreApplication::translate("pelmora::desktop::MainWindow", "Interface :"), c.interface);
    c.portLabel = addRow(1, QCoreApplication::translate("pelmora::desktop::MainWindow", "Port :"), c.port);
    c.portLabel->setObjectName(QStringLiteral("portLabel"));
    grid->addWidget(c.address, 1, 1);  // lies over the port list
    c.baudLabel = addRow(2, QCoreApplication::translate("pelmora::desktop::MainWindow", "Baud Rate :"), c.baud);
    c.baudLabel->setObjectName(QStringLiteral("baudLabel"));
    grid->addWidget(c.tcpPort, 2, 1);  // lies over the baud-rate list
    addRow(3, QCoreApplication::translate("pelmora::desktop::MainWindow", "Data Bits :"), c.dataBits);
    addRow(4, QCoreApplication::translate("pelmora::desktop::MainWindow", "Stop Bits :"), c.stopBits);
    addRow(5, QCoreApplication::translate("pelmora::desktop::MainWindow", "Parity :"), c.parity);
    addRow(6, QCoreApplication::translate("pelmora::desktop::MainWindow", "Flow Control :"), c.flow);
    grid->setColumnStretch(1, 1);
    return group;
}

}  // namespace pelmora::desktop
