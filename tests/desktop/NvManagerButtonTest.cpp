// End to end: "NV Image Manager" in the main window against the virtual
// printer, a bitmap added and downloaded under the first automatic code.
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

#include "DesktopRig.h"
#include "nv/NvEngine.h"
#include "nv/NvCatalogue.h"
#include "sim/NvHandler.h"
#include "windows/nv_images/NvImageManager.h"
#include "windows/nv_images/NvPreview.h"
#include "ui/support/WhenShown.h"

using namespace pelmora;

class NvManagerButtonTest : public QObject {
    Q_OBJECT
private slots:
    void buttonOpensTheManagerAndADownloadLandsUnderTen() {
        desktop::test::DesktopRig rig;
        rig.Store(link::PortTcp, "NET127.0.0.1", 9100);
        const auto main = rig.Open();

        QImage logo(120, 40, QImage::Format_RGB32);
        logo.fill(Qt::white);
        for (int y = 5; y < 35; ++y)
            for (int x = 10; x < 110; ++x) logo.setPixel(x, y, qRgb(x * 2, 90, 255 - x * 2));
        const QString file = QString::fromStdString((rig.dir / "logo.bmp").string());
        QVERIFY(logo.save(file, "BMP"));
        rig.prompts.files.push_back({file});

        QStringList before;
        std::optional<nv::Raster> previewed;
        bool linkOpen = false;
        ui::test::WhenShown manager("nvManager", [&](QWidget* w) {
            before = desktop::test::Items(w->findChild<QListWidget*>("addressList"));
            linkOpen = main->printerContext().link().IsOpen();
            w->findChild<QSlider*>("brightness")->setValue(30);
            w->findChild<QPushButton*>("addImage")->click();
            auto* table = w->findChild<QTableWidget*>("imageList");
            table->selectRow(0);
            w->findChild<QCheckBox*>("asPrinted")->setChecked(true);
            ui::NvPreview* preview = static_cast<ui::NvImageManager*>(w)->preview();
            QTRY_VERIFY(!preview->Loading());  // decoded on the preview's worker
            if (const nv::Raster* raster = preview->PrintedRaster()) previewed = *raster;
            w->findChild<QCheckBox*>("autoAddressing")->setChecked(true);
            w->findChild<QPushButton*>("download")->click();
            w->findChild<QPushButton*>("exit")->click();
        });
        QSignalSpy requested(main.get(), &desktop::MainWindow::nvImageManagerRequested);
        desktop::test::Click(*main, "nvButton");

        QCOMPARE(requested.count(), 1);
        QCOMPARE(manager.shown, 1);
        QVERIFY(before.isEmpty());
        QVERIFY(linkOpen);
        QCOMPARE(rig.prompts.Messages(), QStringList{});
        const sim::NvStoredImage* stored = rig.printer.Handler<sim::NvHandler>()->FindKeyCode("10");
        QVERIFY(stored);
        // What the printer holds is what "As printed" showed, dot for dot.
        QVERIFY(previewed);
        QCOMPARE(stored->width, previewed->width);
        QCOMPARE(stored->height, previewed->height);
        QCOMPARE(stored->raster, previewed->bytes);
        QVERIFY(nv::ReadCatalogueEntry(rig.store, 1).ends_with("logo.bmp,030"));
        QVERIFY(!main->printerContext().link().IsOpen());
    }
};

QTEST_MAIN(NvManagerButtonTest)
#include "NvManagerButtonTest.moc"
