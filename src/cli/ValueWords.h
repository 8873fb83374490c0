#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmora::cli {

/// The words `config set` takes besides a field's codes: the texts the
/// windows show for a list ("BeepPaper=on", "Parity=even") and a number with
/// its unit ("TimeOff=30min", "TimeSave=60s"), for the fields whose meaning
/// does not depend on the printer's firmware.
struct WordedValue {
    std::string word;   ///< as the windows show it
    std::uint32_t code;
};
/// The words of `field`, in code order; empty for a field without a list.
std::vector<WordedValue> WordsOf(const std::string& field);
/// The code `text` stands for in `field`: a word of its list (any case,
/// blanks around ignored), or digits followed by the field's unit. Nothing
/// when `text` is neither, so that the caller reads it as a code.
std::optional<std::uint32_t> CodeOfWord(const std::string& field, const std::string& text);
/// "0 On, 1 Off" for a field's help; empty for a field without a list.
std::string WordsHelp(const std::string& field);

/// Fields whose words mean another code on other firmware ("Density=140%"):
/// a word is kept until the printer's firmware is known.
bool WordedByFirmware(const std::string& field);
/// The code of such a word on `firmware`; nothing when it is none of the field's words.
std::optional<std::uint32_t> CodeOfWordOn(const std::string& field, const std::string& text, std::uint32_t firmware);
/// "150%, 140%, ..." for the help and for a refusal.
std::string FirmwareWordsHelp(const std::string& field);

}  // namespace pelmora::cli
