#include <QApplication>

#include "desktop/DesktopStart.h"
#include "ui/InfoOptions.h"

int main(int argc, char** argv) {
    const pelmora::ui::ProgramText text{
        "pelmora_pc",
        "Opens the window that keeps the communication settings of MPT-Q700VII receipt printers\n"
        "(serial, Bluetooth serial, USB or raw TCP) and starts the tools that configure them:\n"
        "the memory switch manager, the NV image manager and the firmware manager.",
        PELMORA_VERSION, PELMORA_LICENSE};
    if (const auto status = pelmora::ui::AnswerInfoOption(argc, argv, text)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("pelmora"));
    return pelmora::desktop::RunPelmoraPc(app);
}
