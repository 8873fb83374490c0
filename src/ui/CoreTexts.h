#pragma once
#include <string>

#include <QString>

namespace pelmora::ui {

/// The translation context of the texts the core produces.
inline constexpr const char* kCoreTextContext = "CoreText";

/// A text from the core (a runner's title, label or message, a flow's box,
/// a firmware status) in the operator's language. Composed texts such as
/// "Get status : 12 %" are translated by their registered form; an unknown
/// text shows as it is.
QString CoreText(const std::string& text);

/// Whether `text` is registered, as itself or in a registered composed form.
bool IsCoreTextRegistered(const std::string& text);

}  // namespace pelmora::ui
