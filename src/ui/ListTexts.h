#pragma once
#include <string>

#include <QString>
#include <QStringList>

#include "vmsm/ConfigLists.h"

class QComboBox;
class QWidget;

namespace pelmora::ui {

/// The translation context of the core's labels and list entries.
inline constexpr const char* kListTextContext = "ConfigListText";
/// ListText's `use` for the parity list.
inline constexpr const char* kParityUse = "parity";

/// A label or list entry of vmsm::lists in the operator's language. Values
/// the printer takes as they are (code-page names, speeds, baud rates) are
/// not registered and show unchanged.
/// `use` tells apart one English entry that other languages say in two ways
/// (the "None" of a parity); null for the common form.
QString ListText(const std::string& entry, const char* use = nullptr);

/// ListText for a label or a group title, where "&" would mark a mnemonic.
QString LabelText(const std::string& label);

/// Replaces the entries of `list` and selects `index` (none when outside).
void FillList(QComboBox* list, const vmsm::lists::Entries& entries, std::uint32_t index, const char* use = nullptr);

/// A list of `page` showing `field` as its position; every selection goes
/// into `field`, which must live as long as the page.
QComboBox* FieldList(QWidget* page, const char* name, const vmsm::lists::Entries& entries, std::uint32_t& field,
                     const char* use = nullptr);

}  // namespace pelmora::ui
