#include "ui/InfoOptions.h"

#include <cstdio>
#include <string_view>

#include <QApplication>

namespace pelmora::ui {

std::optional<int> AnswerInfoOption(int argc, char** argv, const ProgramText& program) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::printf("Usage: %s [OPTION]...\n%s\n\n"
                        "Options:\n"
                        "  -h, --help     Print this help and exit\n"
                        "      --version  Print the version and the license and exit\n\n"
                        "Qt's own options, such as -platform NAME, are passed to Qt.\n",
                        program.name, program.description);
            return 0;
        }
        if (argument == "--version") {
            std::printf("%s %s\nLicense: %s\n", program.name, program.version, program.license);
            return 0;
        }
    }
    return std::nullopt;
}

int RunProgram(int argc, char** argv, const ProgramText& program, const char* desktopFile,
               int (*window)(QApplication&)) {
    if (const auto status = AnswerInfoOption(argc, argv, program)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    QApplication::setApplicationVersion(QString::fromUtf8(program.version));
    QApplication::setDesktopFileName(QString::fromUtf8(desktopFile));
    return window(app);
}

}  // namespace pelmora::ui
