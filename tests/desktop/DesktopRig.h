#pragma once
// One main window over a store of its own, the virtual printer on virtual
// time, scripted boxes and a scripted list of USB printers.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "desktop/MainWindow.h"
#include "ui/support/Controls.h"
#include "ui/support/WindowRig.h"

namespace pelmora::desktop::test {

using ui::test::Click;
using ui::test::Find;
using ui::test::Items;

inline QComboBox* List(const QWidget& window, const char* name) { return Find<QComboBox>(window, name); }

struct DesktopRig : ui::test::WindowRig {
    std::vector<link::UsbPrinterInfo> usb;
    std::set<std::string> unplugged;

    void Store(std::int32_t portType, const std::string& port, std::uint32_t baud = 115200, std::uint32_t parity = 0,
               std::uint32_t stopBits = 0, std::uint32_t flow = 0) {
        const char* key = context::ProductKey;
        store.SetRegDword(key, "uPortType", static_cast<std::uint32_t>(portType));
        store.SetRegString(key, "uPort", port);
        for (const auto& [name, value] : {std::pair{"uBaudrate", baud}, {"uDatabit", 8u}, {"uParity", parity}, {"uStopbit", stopBits}, {"uFlowcontrol", flow}})
            store.SetRegDword(key, name, value);
    }

    /// The seven stored values as "type|port|baud|data|parity|stop|flow".
    QString Stored() const {
        QStringList values{QString::number(static_cast<std::int32_t>(StoredNumber("uPortType"))), QString::fromStdString(StoredPort())};
        for (const char* name : {"uBaudrate", "uDatabit", "uParity", "uStopbit", "uFlowcontrol"}) values << QString::number(StoredNumber(name));
        return values.join('|');
    }

    /// `firmware`: the service build, with the firmware button.
    std::unique_ptr<MainWindow> Open(bool firmware = false) {
        UsbPrinterSource source{[this] { return usb; }, [this](const std::string& path) { return !unplugged.count(path); }};
        return std::make_unique<MainWindow>(MainWindow::Services{store, platform, prompts, source, firmware, &timer});
    }
};

}  // namespace pelmora::desktop::test
