// The program as started: it shows its main window over the store that
// PELMORA_REGISTRY names and returns when the window closes. The start-up
// probe closes it right after the first paint and prints the memory then.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QtTest>
#include <unistd.h>

#include "desktop/DesktopStart.h"
#include "ui/InfoOptions.h"
#include "support/PrinterRig.h"

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheWindowAndReturnsWhenItCloses() {
        pelmora::test::TempDir dir;
        const std::filesystem::path store = dir / "registry.reg";
        qputenv("PELMORA_REGISTRY", store.c_str());
        qputenv("PELMORA_STARTUP_PROBE", "1");

        // What the probe prints goes to a file for the test to read.
        std::fflush(stdout);
        const int saved = ::dup(STDOUT_FILENO);
        FILE* captured = std::fopen((dir / "stdout").c_str(), "w");
        QVERIFY(captured);
        ::dup2(::fileno(captured), STDOUT_FILENO);
        const int code = pelmora::desktop::RunPelmoraPc(*qApp);
        std::fflush(stdout);
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
        std::fclose(captured);

        QCOMPARE(code, 0);
        const QString text = QString::fromStdString(pelmora::test::ReadFile(dir / "stdout"));
        // The test log shares standard output: the probe's line is one among them.
        const QRegularExpression shown("^shown rss_kb=[1-9][0-9]*$", QRegularExpression::MultilineOption);
        QVERIFY2(text.count(shown) == 1, qPrintable(text));
        QVERIFY(!std::filesystem::exists(store));  // closed without "Exit": nothing stored
    }

    // --help and --version are answered before any window; anything else is Qt's.
    void answersHelpAndVersionFirst() {
        const pelmora::ui::ProgramText program{"pelmora_pc", "", "1.0", "a license"};
        const auto answer = [&program](std::vector<std::string> args) {
            std::vector<char*> argv;
            for (auto& a : args) argv.push_back(a.data());
            return pelmora::ui::AnswerInfoOption(static_cast<int>(argv.size()), argv.data(), program);
        };
        QCOMPARE(std::tuple(answer({"pelmora_pc", "--version"}), answer({"pelmora_pc", "-platform", "offscreen", "-h"})), std::tuple(0, 0));
        QCOMPARE(answer({"pelmora_pc", "-platform", "offscreen"}), std::nullopt);
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
