#pragma once
#include <optional>

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

}  // namespace pelmora::ui
