// The memory-switch manager's pages and the sentinel window in both layouts.
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>

#include "ScreenshotRig.h"
#include "context/PrinterContext.h"
#include "context/JobRunner.h"
#include "windows/memory_switches/MemorySwitchManager.h"
#include "windows/memory_switches/SentinelWindow.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/VmsmJobRunner.h"

namespace pelmora::screenshots {

namespace {

// Keeps the last box so that it can be drawn by itself.
class LastBox final : public ui::Prompts {
public:
    void Message(QWidget*, const QString& t, const QString& x, ui::PromptIcon) override {
        title = t;
        text = x;
    }
    bool Ask(QWidget*, const QString&, const QString&, ui::PromptIcon) override { return false; }
    QStringList ChooseFiles(QWidget*, const ui::FileChoice&) override { return {}; }
    QString title, text;
};

struct NoView final : context::ProgressView {
    void SetTitle(const std::string&) override {}
    void SetLabel(const std::string&) override {}
    void SetPosition(int) override {}
};

void RenderPages(Renderer& renderer, const vmsm::PrinterConfig& record, const vmsm::PrinterFacts& facts,
                 const QString& prefix) {
    LastBox prompts;
    ui::MemorySwitchManager window(record, facts, prompts);
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("tabs"));
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        renderer.Save(window, prefix + QString::number(page + 1));
    }
}

}  // namespace

void RenderMemorySwitch(Renderer& renderer, Rig& rig) {
    // Firmware 160902: the virtual printer's own settings, read as the job reads them.
    context::PrinterContext util(rig.platform);
    util.HandOver(Rig::VirtualPrinter());
    vmsm::MemorySwitchEngine engine(util);
    NoView view;
    vmsm::VmsmJobRunner reader(engine, view, vmsm::VmsmJob::GetStatus);
    if (context::DriveJob(reader, rig.platform.clock()) != context::JobEnd::Ok) {
        std::fprintf(stderr, "the virtual printer's settings could not be read\n");
        renderer.ok = false;
        return;
    }
    util.link().ClosePort();
    RenderPages(renderer, engine.record(), vmsm::FactsOf(util), QStringLiteral("vmsm-page"));
    // A legacy printer: two fonts, 32 code pages, the Bluetooth values it cannot report.
    RenderPages(renderer, vmsm::PrinterConfig{}, {21021, 703, "MPT-Q700VII", "V1.00 102102", "PC437"},
                QStringLiteral("vmsm-legacy-page"));

    LastBox prompts;
    const vmsm::SentinelSix texts{"%", ";", ";", "?", "?", "?"};
    ui::SentinelWindow desktop(context::Layout::Desktop, prompts, vmsm::SentinelDynamic, texts);
    renderer.Save(desktop, QStringLiteral("sentinels-desktop"));

    ui::SentinelWindow hexa(context::Layout::Desktop, prompts, vmsm::SentinelDynamic, texts);
    hexa.findChild<QCheckBox*>(QStringLiteral("entryForm"))->click();
    const char* typed[] = {"25", "3B", "3B", "3F", "3F", "0A 1F 10 4C"};
    const char* boxes[] = {"start1", "start2", "start3", "end1", "end2", "end3"};
    for (int i = 0; i < 6; ++i) hexa.findChild<QLineEdit*>(QLatin1String(boxes[i]))->setText(QLatin1String(typed[i]));
    renderer.Save(hexa, QStringLiteral("sentinels-hexa"));
    hexa.findChild<QPushButton*>(QStringLiteral("ok"))->click();
    QMessageBox box(QMessageBox::Warning, prompts.title, ui::BoxText(prompts.text), QMessageBox::Ok);
    renderer.Save(box, QStringLiteral("sentinels-error"));
}

}  // namespace pelmora::screenshots
