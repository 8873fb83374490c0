#include <QTranslator>
#include <QtTest>

#include "firmware/FirmwareDownload.h"
#include "nv/NvEngine.h"
#include "nv/NvAddressing.h"
#include "nv/NvJobVariant.h"
#include "nv/NvManager.h"
#include "nv/RasterConversion.h"
#include "support/PrinterRig.h"
#include "ui/CoreTexts.h"
#include "ui/Prompts.h"
#include "vmsm/MemorySwitchEngine.h"
#include "vmsm/ConfigJobFlow.h"
#include "vmsm/VmsmJobRunner.h"
#include "vmsm/VmsmPhases.h"

using namespace pelmora;

namespace {

// Every title and label a runner shows.
struct Collecting final : context::ProgressView {
    void SetTitle(const std::string& t) override { texts.push_back(t); }
    void SetLabel(const std::string& l) override { texts.push_back(l); }
    std::vector<std::string> texts;
};

// Marks every core text it translates, so a test sees the lookup happen.
class Marking final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) != ui::kCoreTextContext) return {};
        return QLatin1Char('<') + QString::fromUtf8(source) + QLatin1Char('>');
    }
};

class Unregistered {
public:
    void Check(const std::string& text, const std::string& from) {
        if (!text.empty() && !ui::IsCoreTextRegistered(text)) missing << QString::fromStdString(from + ": " + text);
    }
    void Check(const char* text, const std::string& from) {
        if (text) Check(std::string(text), from);
    }
    QStringList missing;
};

void RunVmsmJobs(std::uint32_t firmware, context::Layout variant, Unregistered& texts) {
    for (vmsm::VmsmJob job : {vmsm::VmsmJob::GetStatus, vmsm::VmsmJob::SetStatus, vmsm::VmsmJob::FactoryDefault}) {
        test::PrinterRig rig;
        rig.printer.firmwareOverride = firmware;
        vmsm::MemorySwitchEngine engine(rig.util);
        engine.editRecord().BtKeep = 0;
        Collecting view;
        vmsm::VmsmJobRunner runner(engine, view, job, variant);
        context::DriveJob(runner, rig.platform.clock());
        for (const std::string& text : view.texts) texts.Check(text, "vmsm runner " + std::to_string(firmware));
        texts.Check(runner.Message(), "vmsm runner message");
    }
}

}  // namespace

class CoreTextsTest : public QObject {
    Q_OBJECT
private slots:
    void everyProducibleTextIsRegistered() {
        Unregistered texts;
        // The memory-switch phase tables, both programs.
        for (int number : {vmsm::phase::GetEntry, vmsm::phase::SetEntry, vmsm::phase::FactoryEntry,
                           vmsm::phase::StandardRead, vmsm::phase::StandardWrite, vmsm::phase::LegacyRead,
                           vmsm::phase::LegacyWrite}) {
            const vmsm::PhaseTable* table = vmsm::FindPhase(number);
            QVERIFY(table);
            for (const vmsm::PhaseRow& row : table->rows) {
                texts.Check(row.desktopMessage, "phase " + std::to_string(number));
                texts.Check(row.handheldMessage, "phase " + std::to_string(number));
            }
        }
        // Titles and composed labels, as the runner shows them on both dialects.
        for (context::Layout variant : {context::Layout::Desktop, context::Layout::Handheld})
            for (std::uint32_t firmware : {160902u, 21021u}) RunVmsmJobs(firmware, variant, texts);
        for (context::Layout variant : {context::Layout::Desktop, context::Layout::Handheld}) {
            const vmsm::FlowTexts& flow = vmsm::FlowTextsOf(variant);
            for (const char* text : {flow.readFailedTitle, flow.written, flow.writtenTitle, flow.writeFailed,
                                     flow.writeFailedTitle})
                texts.Check(text, "config flow");
        }
        // The NV job variants and the manager.
        for (const nv::NvJobVariant* v : {&nv::DesktopNvJob(), &nv::HandheldNvJob()}) {
            for (const auto& [job, title] : v->titles) texts.Check(title, "nv title");
            for (const auto& [job, step] : v->stepTexts) texts.Check(step, "nv step");
            for (const auto& action : v->check) texts.Check(action.text, "nv check");
            for (const std::string* text : {&v->initialLabel, &v->openText, &v->openFailed, &v->finishDownloadText,
                                            &v->readFailed, &v->notSupported, &v->writeFailed,
                                            &v->downloadWriteFailed, &v->cancelled, &v->noImagesSelected,
                                            &v->areaTooSmall})
                texts.Check(*text, "nv variant");
            texts.Check("logo.bmp" + v->downloadingSuffix, "nv block caption");
        }
        texts.Check(nv::kNoFreeAddressCode, "nv manager");
        texts.Check(nv::kCodeQuestionCancelled, "nv manager");
        texts.Check(nv::AddressVerdictText(nv::AddressVerdict::Exists), "nv address");
        texts.Check(nv::AddressVerdictText(nv::AddressVerdict::WrongLength), "nv address");
        for (auto [w, h] : {std::pair{0u, 5u}, {4000u, 3u}, {384u, 100000u}})
            texts.Check(nv::ConversionProblem(w, h), "nv conversion");
        test::PrinterRig rig;
        nv::NvEngine nv(rig.util, rig.store);
        nv::NvImageItem gone;
        gone.path = (rig.dir / "gone.bmp").string();
        texts.Check(nv.ConversionProblem(gone), "nv conversion");
        // The firmware download's statuses and boxes.
        using namespace firmware::text;
        for (const char* text : {Title, Ready, Downloading, Finished, FileOpenError, PortOpenError, SendFailed, Success})
            texts.Check(text, "firmware");

        QCOMPARE(texts.missing, QStringList{});
    }

    void translatesAtDisplayTimeWithTheComposedForm() {
        Marking marking;
        QCoreApplication::installTranslator(&marking);
        const std::pair<std::string, QString> cases[] = {
            {"Port open error!", "<Port open error!>"},
            {"Get status : 12 %", "<Get status : 12 %>"},
            {"Completed..: 100 %", "<Completed..: 100 %>"},
            {"logo.bmp Downloading...", "<logo.bmp Downloading...>"},
            {"0 %", "<0 %>"},
            {"Failed to save VMSM configuration!\r\nPlease check your printer state.",
             "<Failed to save VMSM configuration!\r\nPlease check your printer state.>"},
            {"Port open error!\r\nNo such device", "<Port open error!>\r\nNo such device"},  // a cause of the system's
            {"not a text of ours", "not a text of ours"},
        };
        for (const auto& [core, shown] : cases) QCOMPARE(ui::CoreText(core), shown);
        QCoreApplication::removeTranslator(&marking);
        QCOMPARE(ui::CoreText("Port open error!"), QString("Port open error!"));
    }

    void boxTextBreaksLines() {
        QCOMPARE(ui::BoxText("Failed to save VMSM configuration!\r\nPlease check your printer state."),
                 QString("Failed to save VMSM configuration!\nPlease check your printer state."));
        QCOMPARE(ui::BoxText("no break"), QString("no break"));
    }
};

QTEST_MAIN(CoreTextsTest)
#include "CoreTextsTest.moc"
