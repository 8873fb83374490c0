// The NV image manager: desktop with three bitmaps, "As printed", the address
// window and a download half way.
#include <cstdio>

#include <QCheckBox>
#include <QFont>
#include <QPainter>
#include <QSlider>
#include <QTableWidget>

#include "ScreenshotRig.h"
#include "nv/NvEngine.h"
#include "nv/NvManager.h"
#include "windows/nv_images/NvImageManager.h"
#include "windows/nv_images/NvAddressWindow.h"
#include "ui/JobWindowHost.h"
#include "ui/PhaseTimer.h"

namespace pelmora::screenshots {

namespace {

// A shop logo: a filled badge and the shop's name, with a colour gradient so
// that the brightness has something to show.
QString Logo(Rig& rig, const QString& name, const QString& text, QColor colour, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, width, height);
    fill.setColorAt(0, colour);
    fill.setColorAt(1, colour.lighter(170));
    painter.setBrush(fill);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(4, 4, height - 8, height - 8));
    QFont font = painter.font();
    font.setPixelSize(height / 5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour.darker(150));
    painter.drawText(QRect(height, 0, width - height - 4, height), Qt::AlignVCenter | Qt::AlignLeft, text);
    painter.end();
    const QString file = rig.dir.filePath(name);
    image.save(file, "BMP");
    return file;
}

}  // namespace

void RenderNv(Renderer& renderer, Rig& rig) {
    rig.StoreLogos();

    context::PrinterContext util(rig.platform);
    util.HandOver(Rig::VirtualPrinter());
    nv::NvEngine nv(util, rig.store);
    ui::VirtualPhaseTimer timer(rig.platform.virtualClock());
    ui::JobWindowHost host(context::Layout::Desktop, nullptr, &timer);
    nv::NvManager manager(nv, host);
    if (!manager.Open().ok) {
        std::fprintf(stderr, "the NV manager did not open on the virtual printer\n");
        renderer.ok = false;
        return;
    }
    rig.prompts.chosen = Logo(rig, "bakery.bmp", "Bakery", QColor(170, 60, 20), 384, 160);
    {
        ui::NvImageManager window(context::Layout::Desktop, nv, manager, host, rig.prompts);
        window.AddImage();
        rig.prompts.chosen = Logo(rig, "cafe.bmp", QStringLiteral("Caf\u00e9 Lumen"), QColor(30, 90, 160), 300, 120);
        window.AddImage();
        rig.prompts.chosen = Logo(rig, "market.bmp", "Market", QColor(40, 130, 60), 384, 140);
        window.AddImage();
        window.findChild<QTableWidget*>(QStringLiteral("imageList"))->selectRow(1);
        window.findChild<QSlider*>(QStringLiteral("brightness"))->setValue(40);
        window.Tick();
        renderer.Save(window, QStringLiteral("nv-manager"));
        window.findChild<QCheckBox*>(QStringLiteral("asPrinted"))->setChecked(true);
        renderer.Save(window, QStringLiteral("nv-as-printed"));

        ui::NvAddressWindow address(context::Layout::Desktop, nv.addressList(), rig.prompts);
        renderer.Save(address, QStringLiteral("nv-address"));

        bool grabbed = false;
        int blocks = 0;
        QObject::connect(&host.dialog(), &ui::JobProgressDialog::phaseStarted, [&](int phase) {
            if (phase == 2000 && ++blocks == 2 && !grabbed) {
                grabbed = true;
                renderer.Grab(host.dialog(), QStringLiteral("nv-download-progress"));
            }
        });
        window.findChild<QCheckBox*>(QStringLiteral("autoAddressing"))->setChecked(true);
        window.show();
        window.Download();
        window.hide();
        if (!grabbed) {
            std::fprintf(stderr, "the NV download never reached its second image\n");
            renderer.ok = false;
        }
    }
}

}  // namespace pelmora::screenshots
