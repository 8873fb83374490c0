#pragma once

class QApplication;

namespace pelmora::desktop {

/// The program: the language first, then the main window run modally; returns
/// when it closes. With PELMORA_STARTUP_PROBE=1 the window closes right after
/// it is first shown, and the resident memory then is printed as
/// "shown rss_kb=N" on standard output.
int RunPelmoraPc(QApplication& app);

}  // namespace pelmora::desktop
