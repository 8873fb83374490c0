#pragma once

class QApplication;

namespace pelmora::handheld {

/// The program: the connection screen run modally, in English (the texts
/// are built in); returns when it closes.
int RunPelmoraCe(QApplication& app);

}  // namespace pelmora::handheld
