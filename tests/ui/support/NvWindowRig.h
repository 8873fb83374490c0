#pragma once
// One NV manager window on the virtual printer, its jobs on virtual time and
// its boxes answered by script.
#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QListWidget>

#include "nv/NvEngine.h"
#include "nv/NvBlocks.h"
#include "nv/NvManager.h"
#include "sim/NvHandler.h"
#include "support/PrinterRig.h"
#include "windows/nv_images/NvImageManager.h"
#include "ui/JobWindowHost.h"
#include "ui/PhaseTimer.h"
#include "ui/support/Controls.h"
#include "ui/support/ScriptedPrompts.h"

namespace pelmora::ui::test {

struct NvWindowRig {
    explicit NvWindowRig(context::Layout l) : layout(l), host(l, nullptr, &timer), manager(nv, host, NvImageManager::JobVariant(l)) {}
    /// Opened at once, over a printer holding images under `codes`.
    NvWindowRig(context::Layout l, const std::vector<std::string>& codes) : NvWindowRig(l) {
        if (!codes.empty()) Preload(codes);
        if (!Open()) qFatal("the NV manager did not open");
    }

    context::Layout layout;
    pelmora::test::PrinterRig rig;
    VirtualPhaseTimer timer{rig.platform.virtualClock()};
    nv::NvEngine nv{rig.util, rig.store};
    JobWindowHost host;
    nv::NvManager manager;
    ScriptedPrompts prompts;
    std::unique_ptr<NvImageManager> window;

    sim::NvHandler& printer() { return *rig.printer.Handler<sim::NvHandler>(); }

    /// Plays a printer of the older command set.
    void MakeLegacy(std::uint32_t firmware = 30000) {
        rig.printer.firmwareOverride = firmware;
        rig.util.identityForTest().firmwareVersion = firmware;
    }

    /// Images under these codes in the printer, put there without the link.
    void Preload(const std::vector<std::string>& codes) {
        for (const auto& code : codes) rig.printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xAA}}, code[0], code[1]));
        rig.printer.EndSession();
        rig.printer.ClearLogs();
    }

    /// What the main window does, then the manager window.
    bool Open() {
        if (!manager.Open().ok) return false;
        window = std::make_unique<NvImageManager>(layout, nv, manager, host, prompts);
        return true;
    }

    /// A bitmap file in the rig's folder: black on white, a bar across its top half.
    QString Bitmap(const std::string& name, int width, int height, QColor ink = Qt::black) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < (height + 1) / 2; ++y)
            for (int x = 0; x < width; x += 2) image.setPixelColor(x, y, ink);
        const QString path = QString::fromStdString((rig.dir / name).string());
        image.save(path, "BMP");
        return path;
    }

    /// "Add Image" with these files chosen.
    void Add(const QStringList& files) {
        prompts.files.push_back(files);
        Click("addImage");
    }

    template <typename T = QWidget> T* Find(const char* name) const { return test::Find<T>(*window, name); }
    void Click(const char* name) { test::Click(*window, name); }
    QStringList Addresses() const { return Items(Find<QListWidget>("addressList")); }

    std::vector<std::int32_t> Brightness() const {
        std::vector<std::int32_t> values;
        for (const auto& item : nv.imageList().items()) values.push_back(item.brightness);
        return values;
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& item : nv.imageList().items()) names.push_back(std::to_string(item.number) + ":" + item.name);
        return names;
    }

    const ScriptedPrompts::Shown& LastBox() const {
        if (prompts.shown.empty()) qFatal("no box shown");
        return prompts.shown.back();
    }
    const ScriptedPrompts::Shown& BoxAfter(const char* button) { Click(button); return LastBox(); }
};

}  // namespace pelmora::ui::test
