#include <QApplication>

#include "desktop/DesktopStart.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setApplicationVersion(QStringLiteral(PELMORA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("pelmora"));
    return pelmora::desktop::RunPelmoraPc(app);
}
