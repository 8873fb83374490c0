#include "handheld/HandheldStart.h"
#include "ui/InfoOptions.h"

int main(int argc, char** argv) {
    const pelmora::ui::ProgramText text{
        "pelmora_ce",
        "Opens the connection screen for MPT-Q700VII receipt printers on a small portrait touch\n"
        "screen (a COM port and its speed, or a TCP/IP address and port) and the tools that\n"
        "configure them: the five-step memory switch wizard and the NV image manager.",
        PELMORA_VERSION, PELMORA_LICENSE};
    return pelmora::ui::RunProgram(argc, argv, text, "pelmora_ce", pelmora::handheld::RunPelmoraCe);
}
