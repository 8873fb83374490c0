#include <QApplication>

#include "handheld/HandheldStart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("pelmora_ce"));
    return pelmora::handheld::RunPelmoraCe(app);
}
