#pragma once
// What every screenshot renderer shares: silent prompts, the PNG writer and a
// virtual printer with its own store.
#include <cstdint>
#include <cstdio>
#include <string>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include "context/SettingsStore.h"
#include "link/CommSettings.h"
#include "nv/NvBlocks.h"
#include "sim/PrinterModel.h"
#include "sim/VirtualPlatform.h"
#include "ui/Prompts.h"

namespace pelmora::screenshots {

// Boxes would block an unattended run; the pictures show the windows only.
// File choices answer with `chosen`.
class SilentPrompts final : public ui::Prompts {
public:
    void Message(QWidget*, const QString&, const QString&, ui::PromptIcon) override {}
    bool Ask(QWidget*, const QString&, const QString&, ui::PromptIcon) override { return false; }
    QStringList ChooseFiles(QWidget*, const ui::FileChoice&) override { return {chosen}; }
    QString chosen;
};

struct Renderer {
    QString outDir;
    bool ok = true;

    void Save(QWidget& window, const QString& name) {
        window.show();
        QApplication::processEvents();
        const QString file = QDir(outDir).filePath(name + QStringLiteral(".png"));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
        window.hide();
    }

    // For a window that is in the middle of something: drawn as it stands.
    void Grab(QWidget& window, const QString& name) {
        const QString file = QDir(outDir).filePath(name + QStringLiteral(".png"));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ok = false;
        }
    }
};

struct Rig {
    QTemporaryDir dir;
    context::SettingsStore store{dir.filePath(QStringLiteral("registry.reg")).toStdString()};
    sim::PrinterModel printer;
    sim::VirtualPlatform platform{printer};
    SilentPrompts prompts;

    void Store(std::int32_t portType, const std::string& port) {
        store.SetRegDword(context::ProductKey, "uPortType", static_cast<std::uint32_t>(portType));
        store.SetRegString(context::ProductKey, "uPort", port);
    }

    /// Logos the printer already holds, under the codes 10, 11 and A1.
    void StoreLogos() {
        for (const char* code : {"10", "11", "A1"})
            printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xAA}}, static_cast<std::uint8_t>(code[0]),
                                                      static_cast<std::uint8_t>(code[1])));
        printer.EndSession();
    }

    static link::CommSettings VirtualPrinter() { return {link::PortTcp, "NET127.0.0.1", 9100, 8, 0, 0, 0}; }
};

// Each window family renders its pictures in a file of its own.
void RenderMainWindows(Renderer& renderer, Rig& rig);
void RenderProgress(Renderer& renderer, Rig& rig);
void RenderFirmware(Renderer& renderer, Rig& rig);
void RenderHandheld(Renderer& renderer, Rig& rig);
/// The connection screen in German, once the caller has installed that language.
void RenderHandheldGerman(Renderer& renderer, Rig& rig);
void RenderNv(Renderer& renderer, Rig& rig);
void RenderMemorySwitch(Renderer& renderer, Rig& rig);
/// Searches virtual printers on 127.0.0.2-4 through the real sockets.
void RenderFindPrinters(Renderer& renderer);

}  // namespace pelmora::screenshots
