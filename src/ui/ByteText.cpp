#include "ui/ByteText.h"

namespace pelmora::ui {

QString FromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) bytes.push_back(static_cast<char>(c.unicode() > 0xFF ? 0xFF : c.unicode()));
    return bytes;
}

}  // namespace pelmora::ui
