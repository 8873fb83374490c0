#include "nv/NvAddressing.h"

#include <algorithm>

namespace pelmora::nv {

namespace {
// 256 first characters times 10 second characters, then candidates repeat.
constexpr int kCandidates = 256 * 10;
}  // namespace

std::optional<std::string> AutoAddressing::Next(const std::vector<std::string>& stored) {
    while (tried_ < kCandidates) {
        ++tried_;
        if (counter_ % 10 == 0) {
            ++first_;
            counter_ = 0;
        }
        const std::string candidate{static_cast<char>(first_), static_cast<char>('0' + counter_)};
        ++counter_;
        if (std::find(stored.begin(), stored.end(), candidate) == stored.end()) return candidate;
    }
    return std::nullopt;
}

AddressVerdict CheckAddressCode(const std::string& code, const std::vector<std::string>& stored) {
    if (code.size() != 2) return AddressVerdict::WrongLength;
    if (std::find(stored.begin(), stored.end(), code) != stored.end()) return AddressVerdict::Exists;
    return AddressVerdict::Ok;
}

std::string AddressVerdictText(AddressVerdict verdict) {
    switch (verdict) {
    case AddressVerdict::Ok: return {};
    case AddressVerdict::Exists: return "Exists address!";
    case AddressVerdict::WrongLength: return "Address code needs two characters!";
    }
    return {};
}

}  // namespace pelmora::nv
