// The Find Printers window after a search of 127.0.0.2-4: printers on .2 and
// .3 and something else on .4, virtual printers served in-process on the real
// sockets, and a USB printer on a pseudo-terminal among this machine's ports.
#include <cstdio>
#include <memory>
#include <thread>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include "ScreenshotRig.h"
#include "desktop/FindPrintersDialog.h"
#include "link/RealPlatform.h"
#include "sim/SimServer.h"

namespace pelmora::screenshots {

namespace {

// One virtual printer served on its own thread until the object goes.
class ServedPrinter {
public:
    explicit ServedPrinter(sim::SimServerOptions options) : server_(printer_, std::move(options)) {}
    ~ServedPrinter() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    bool OnTcp() {
        std::string error;
        if (!server_.Listen(error)) return false;
        thread_ = std::thread([this] { server_.Run(stop_, error_); });
        return true;
    }
    bool OnPty() {
        std::string error;
        if (!server_.OpenPty(error)) return false;
        thread_ = std::thread([this] { server_.RunPty(stop_); });
        return true;
    }
    sim::SimServer& server() { return server_; }

private:
    sim::PrinterModel printer_;
    sim::SimServer server_;
    std::atomic<bool> stop_ = false;
    std::string error_;
    std::thread thread_;
};

sim::SimServerOptions On(const char* host, std::uint16_t port, bool garbage = false) {
    sim::SimServerOptions options;
    options.host = host;
    options.port = port;
    options.garbage = garbage;
    return options;
}

std::uint16_t PortOf(const std::string& bound) { return static_cast<std::uint16_t>(std::stoi(bound.substr(bound.rfind(':') + 1))); }

}  // namespace

void RenderFindPrinters(Renderer& renderer) {
    // The printers' own port where it is free, so the picture shows 9100.
    auto first = std::make_unique<ServedPrinter>(On("127.0.0.2", link::kPrinterTcpPort));
    if (!first->OnTcp()) {
        first = std::make_unique<ServedPrinter>(On("127.0.0.2", 0));
        if (!first->OnTcp()) {
            std::fprintf(stderr, "no virtual printer on 127.0.0.2\n");
            renderer.ok = false;
            return;
        }
    }
    const std::uint16_t port = PortOf(first->server().boundAddress());
    ServedPrinter second(On("127.0.0.3", port));
    ServedPrinter other(On("127.0.0.4", port, true));
    ServedPrinter usb(sim::SimServerOptions{});
    if (!second.OnTcp() || !other.OnTcp() || !usb.OnPty()) {
        std::fprintf(stderr, "the virtual printers for Find Printers did not start\n");
        renderer.ok = false;
        return;
    }

    link::NullTrace quiet;
    link::RealPlatform platform([](const std::string& name) { return name; }, quiet);
    const std::vector<context::LocalCandidate> ports{{link::PortUsb, usb.server().ptyPath(), "USB printer"}};
    desktop::FindPrintersDialog window(platform, [ports] { return ports; });
    window.findChild<QLineEdit*>(QStringLiteral("targetsEdit"))->setText(QStringLiteral("127.0.0.2-4"));
    window.findChild<QLineEdit*>(QStringLiteral("searchPortEdit"))->setText(QString::number(port));
    window.findChild<QPushButton*>(QStringLiteral("searchButton"))->click();
    QElapsedTimer waited;
    waited.start();
    while (window.Searching() && waited.elapsed() < 30000) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (window.rows().rowCount() != 4) {
        std::fprintf(stderr, "the search for Find Printers found %d rows\n", window.rows().rowCount());
        renderer.ok = false;
    }
    renderer.Save(window, QStringLiteral("find-printers"));
}

}  // namespace pelmora::screenshots
