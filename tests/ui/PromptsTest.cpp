#include <QtTest>

#include "support/ScriptedPrompts.h"
#include "ui/Prompts.h"

using pelmora::ui::BoxText;
using pelmora::ui::test::ScriptedPrompts;

class PromptsTest : public QObject {
    Q_OBJECT
private slots:
    void boxTextBreaksLines() {
        QCOMPARE(BoxText("Failed to save VMSM configuration!\r\nPlease check your printer state."),
                 QString("Failed to save VMSM configuration!\nPlease check your printer state."));
        QCOMPARE(BoxText("no break"), QString("no break"));
    }

    void scriptAnswersInOrderThenDefaults() {
        ScriptedPrompts prompts;
        prompts.answers = {true};
        prompts.files = {{"/tmp/a.fls"}};
        pelmora::ui::Prompts& seam = prompts;
        QVERIFY(seam.Ask(nullptr, "T", "Q?"));
        QVERIFY(!seam.Ask(nullptr, "T", "Q?"));
        QCOMPARE(prompts.ChooseFiles(nullptr, {}), QStringList{"/tmp/a.fls"});
        QVERIFY(prompts.ChooseFiles(nullptr, {}).isEmpty());
        QCOMPARE(prompts.shown.size(), std::size_t{4});
    }
};

QTEST_MAIN(PromptsTest)
#include "PromptsTest.moc"
