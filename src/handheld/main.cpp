#include <QApplication>

#include "handheld/HandheldStart.h"
#include "ui/InfoOptions.h"

int main(int argc, char** argv) {
    const pelmora::ui::ProgramText text{
        "pelmora_ce",
        "Opens the connection screen for MPT-Q700VII receipt printers on a small portrait touch\n"
        "screen (a COM port and its speed, or a TCP/IP address and port) and the tools that\n"
        "configure them: the five-step memory switch wizard and the NV image manager.",
        PELMORA_VERSION, PELMORA_LICENSE};
    if (const auto status = pelmora::ui::AnswerInfoOption(argc, argv, text)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("pelmora_ce"));
    return pelmora::handheld::RunPelmoraCe(app);
}
