#include "desktop/DesktopStart.h"
#include "ui/InfoOptions.h"

int main(int argc, char** argv) {
    const pelmora::ui::ProgramText text{
        "pelmora_pc",
        "Opens the window that keeps the communication settings of MPT-Q700VII receipt printers\n"
        "(serial, Bluetooth serial, USB or raw TCP) and starts the tools that configure them:\n"
        "the memory switch manager, the NV image manager and the firmware manager.",
        PELMORA_VERSION, PELMORA_LICENSE};
    return pelmora::ui::RunProgram(argc, argv, text, "pelmora", pelmora::desktop::RunPelmoraPc);
}
