#pragma once
#include <optional>

class QApplication;

namespace pelmora::ui {

/// What a windowed program says about itself on the command line.
struct ProgramText {
    const char* name;         ///< the executable's name
    const char* description;  ///< the paragraphs of --help after the usage line
    const char* version;
    const char* license;
};

/// Answers --help and --version on standard output before a window, or a display,
/// is needed: the exit status when one of them was given, nothing when the window
/// should open. Every other argument is left to Qt.
std::optional<int> AnswerInfoOption(int argc, char** argv, const ProgramText& program);

/// A windowed program's main: answers --help and --version, else makes the
/// application under its names (`desktopFile`: its .desktop entry) and runs
/// `window` in it.
int RunProgram(int argc, char** argv, const ProgramText& program, const char* desktopFile,
               int (*window)(QApplication&));

}  // namespace pelmora::ui
