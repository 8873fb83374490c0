// The shared windows the connection screen opens, in their handheld layout,
// against the virtual printer.
#include <QListWidget>
#include <QRadioButton>

#include "HandheldRig.h"
#include "nv/NvBlocks.h"
#include "ui/support/WhenShown.h"

using namespace pelmora;
using namespace pelmora::handheld;
using namespace pelmora::handheld::test;

class HandheldToolsTest : public QObject {
    Q_OBJECT

private slots:
    void nvManagerOpensCompactOnThePrintersCodesAndClosesTheLink() {
        HandheldRig rig;
        rig.StoreTcp();
        for (const char* code : {"10", "11"}) rig.printer.Receive(nv::RasterDefinitionBlock({8, 1, {0xAA}}, code[0], code[1]));
        rig.printer.EndSession();
        rig.realNvManager = true;
        auto w = rig.Open();
        QStringList listed;
        bool linkOpen = false;
        ui::test::WhenShown manager("nvManager", [&](QWidget* window) {
            listed = Items(Find<QListWidget>(*window, "addressList"));
            linkOpen = w->printerContext().link().IsOpen();
            Click(*window, "exit");
        });
        Click(*w, "nvButton");
        QCOMPARE(manager.shown, 1);
        QCOMPARE(listed, QStringList({"10", "11"}));
        QVERIFY(linkOpen);
        QVERIFY(!w->printerContext().link().IsOpen());
        QVERIFY(rig.prompts.shown.empty());
    }

    void sentinelWindowIsTheHandheldLayoutAndHandsBackOnOk() {
        ui::test::ScriptedPrompts prompts;
        std::uint32_t mode = 0;
        std::array<std::string, 6> texts{};
        ui::test::WhenShown window("msrAdvance", [&](QWidget* dialog) {
            Find<QRadioButton>(*dialog, "modeStatic")->click();
            for (const char* box : {"start1", "start2", "start3"}) Type(*dialog, box, "%");
            for (const char* box : {"end1", "end2", "end3"}) Type(*dialog, box, "?");
            Click(*dialog, "ok");
            if (dialog->isVisible()) static_cast<QDialog*>(dialog)->reject();  // refused: fail below, not hang
        });
        QVERIFY(HandheldSentinelWindow(prompts)(nullptr, mode, texts));
        QCOMPARE(mode, 1u);
        QCOMPARE(texts, (std::array<std::string, 6>{"%", "%", "%", "?", "?", "?"}));
    }
};

QTEST_MAIN(HandheldToolsTest)
#include "HandheldToolsTest.moc"
