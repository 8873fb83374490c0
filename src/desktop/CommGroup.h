#pragma once
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace pelmora::desktop {

/// The controls of the main window's "Communication Setting" group. The
/// address and TCP port boxes lie over the port and baud-rate lists; which
/// pair shows follows the interface.
struct CommControls {
    QComboBox* interface = nullptr;
    QLabel* portLabel = nullptr;
    QLabel* baudLabel = nullptr;
    QComboBox* port = nullptr;
    QLineEdit* address = nullptr;
    QComboBox* baud = nullptr;
    QLineEdit* tcpPort = nullptr;
    QComboBox* dataBits = nullptr;
    QComboBox* stopBits = nullptr;
    QComboBox* parity = nullptr;
    QComboBox* flow = nullptr;
};

/// The group with its labelled lists, empty; `controls` gets every control.
QGroupBox* BuildCommGroup(QWidget* owner, CommControls& controls);

/// Labels change with the interface, so the names follow them.
void NameAfterLabel(QLabel* label, QWidget* control);

}  // namespace pelmora::desktop
