// The preview's pictures: the colour one brightened, and "As printed" the
// very raster a download sends.
#include <QtTest>

#include <atomic>
#include <future>

#include "nv/ImageLoader.h"
#include "nv/RasterConversion.h"
#include "support/PrinterRig.h"
#include "windows/nv_images/NvPreview.h"
#include "windows/nv_images/NvPreviewImage.h"

using namespace pelmora;

namespace {

// A grey ramp with a dark bar, so that brightness changes the dots.
QString RampBitmap(const test::TempDir& dir, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = y < height / 4 ? 20 : (x * 255) / width;
            image.setPixel(x, y, qRgb(v, v, v));
        }
    const QString path = QString::fromStdString((dir / "ramp.bmp").string());
    image.save(path, "BMP");
    return path;
}

}  // namespace

class NvPreviewTest : public QObject {
    Q_OBJECT
private slots:
    void printedPreviewShowsEachDotAtPrinterWidth() {
        const nv::Raster raster{10, 2, {0b10000000, 0b01000000, 0b00000000, 0b11000000}};
        const QImage dots = ui::PrintedPreview(raster, 384);
        QCOMPARE(dots.size(), QSize(10, 2));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool black = raster.bytes[static_cast<std::size_t>(y * 2 + x / 8)] & (0x80 >> (x % 8));
                QCOMPARE(dots.pixel(x, y), black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
        // Twice as wide, twice the dots; a short raster, no frame to draw in or no rows draw nothing; one dot is still drawn.
        const struct { nv::Raster raster; int frame; QSize size; } sizes[] = {
            {raster, 768, {20, 4}}, {{10, 2, {0x80}}, 384, {0, 0}}, {raster, 0, {0, 0}}, {{10, 0, {}}, 384, {0, 0}},
            {{1, 1, {0x80}}, 384, {1, 1}}};
        for (const auto& c : sizes) QCOMPARE(ui::PrintedPreview(c.raster, c.frame).size(), c.size);
    }

    void widgetDrawsTheFileAsChosenAndAsPrinted() {
        test::TempDir dir;
        const QString path = RampBitmap(dir, 96, 40);
        ui::NvPreview preview;
        preview.resize(300, 400);
        QVERIFY(preview.Rendered().isNull());  // white until there is a path
        preview.SetPath(path);
        QTRY_VERIFY(!preview.Loading());
        QCOMPARE(preview.Rendered().size(), QSize(75, 31));  // 300 x 96 / 384; 40 x 75 / 96
        preview.SetBrightness(40);
        QCOMPARE(qRed(preview.Rendered().pixel(0, 0)), 20 + 102);

        preview.SetAsPrinted(true);
        const nv::RasterResult expected = nv::RasterFromImageFile(path.toStdString(), 40);
        QVERIFY(expected.ok());
        QVERIFY(preview.PrintedRaster());
        QCOMPARE(std::tuple(preview.PrintedRaster()->bytes, preview.Rendered().size()), std::tuple(expected.raster.bytes, QSize(75, 31)));
        preview.SetBrightness(0);
        QVERIFY(preview.PrintedRaster()->bytes != expected.raster.bytes);  // follows the slider

        preview.SetPath(QString::fromStdString((dir / "gone.bmp").string()));
        QTRY_VERIFY(!preview.Loading());
        QCOMPARE(std::tuple(preview.Rendered().isNull(), preview.PrintedRaster() == nullptr), std::tuple(true, true));
    }

    void largePhotoDecodesWhileTheWindowKeepsTicking() {
        test::TempDir dir;
        const QString small = RampBitmap(dir, 96, 40);
        ui::NvPreview preview;
        preview.resize(300, 400);
        preview.SetPath(small);
        QTRY_VERIFY(!preview.Loading());
        const QImage before = preview.Rendered();

        // The photo's decoding is held until the UI thread has ticked three
        // times: were it decoded on that thread, it would wait out its time.
        std::atomic<bool> entered{false};
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        std::atomic<bool> waitedOut{false};
        preview.SetDecoder([&, released](const std::string&) {
            entered = true;
            if (released.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) waitedOut = true;
            return std::optional<nv::RgbImage>(nv::RgbImage(2000, 3000, 0x102030));
        });
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
        ticker.start(1);
        preview.SetPath("photo.bmp");
        QTRY_VERIFY(entered);
        const int ticksAtEntry = ticks;
        QTRY_VERIFY(ticks >= ticksAtEntry + 3);
        QCOMPARE(preview.Rendered(), before);  // the previous picture until the photo arrives
        // Another selection meanwhile waits for this decode and wins.
        preview.SetDecoder({});
        preview.SetPath(small);
        release.set_value();
        QTRY_VERIFY(!preview.Loading());
        QCOMPARE(std::tuple(waitedOut.load(), preview.Rendered()), std::tuple(false, before));
    }
};

QTEST_MAIN(NvPreviewTest)
#include "NvPreviewTest.moc"
