#pragma once
#include <string>

#include <QString>

namespace pelmora::ui {

/// The printer's texts are single bytes; the windows show them as Latin-1.
QString FromBytes(const std::string& bytes);
/// Back to bytes. A character beyond Latin-1 becomes 0xFF rather than "?",
/// so that a check for printable ASCII refuses it instead of taking a "?".
std::string ToBytes(const QString& text);

}  // namespace pelmora::ui
