#include "cli/ConfigOutput.h"

#include <iomanip>
#include <sstream>

#include "cli/Latin1.h"
#include "context/CCommonUtil.h"
#include "vmsm/ConfigFields.h"
#include "vmsm/ConfigLists.h"

namespace pelmora::cli {

namespace lists = vmsm::lists;

nlohmann::ordered_json ConfigToJson(const vmsm::PrinterConfig& c, const context::CCommonUtil& p) {
    nlohmann::ordered_json j;
    for (const auto& field : vmsm::kStoredFields) j[field.name] = c.*field.member;
    for (const char* key : {"StartSentinel", "EndSentinel"}) {
        const auto& texts = key[0] == 'S' ? c.StartSentinel : c.EndSentinel;
        j[key] = nlohmann::ordered_json::array();
        for (const auto& text : texts) j[key].push_back(Latin1ToUtf8(text));
    }
    j["BtSecurity"] = c.BtSecurity;
    j["BtConnMode"] = c.BtConnMode;
    j["BtPinCode"] = Latin1ToUtf8(c.BtPinCode);
    j["BtDeviceName"] = Latin1ToUtf8(c.BtDeviceName);
    j["BtKeep"] = c.BtKeep;
    j["RfInterface"] = c.RfInterface;
    j["printer"] = {{"ModelName", Latin1ToUtf8(p.ModelName)},     {"ModelCode", p.ModelCode},
                    {"VersionText", Latin1ToUtf8(p.VersionText)}, {"FirmwareVersion", p.FirmwareVersion},
                    {"CodePageText", Latin1ToUtf8(p.CodePageText)}, {"MsrSetValue", p.MsrSetValue}};
    return j;
}

std::string ConfigReport(const vmsm::PrinterConfig& c, const context::CCommonUtil& p) {
    const std::uint32_t v = p.FirmwareVersion;
    const auto variant = vmsm::Variant::Desktop;
    std::ostringstream out;
    auto line = [&out](const std::string& label, const std::string& value) {
        out << std::left << std::setw(38) << label << ": " << value << '\n';
    };
    line("Printer", Latin1ToUtf8(p.ModelName) + " (fw:" + Latin1ToUtf8(p.VersionText) + ", " + std::to_string(v) + ")");
    line(lists::kDensityLabel, lists::EntryOr(lists::DensityEntries(variant), lists::DensityCodeToIndex(c.Density)));
    line(lists::kSpeedLabel, lists::EntryOr(lists::SpeedEntries(variant, v, p.ModelCode), c.Speed));
    line(lists::kCodePageLabel, lists::EntryOr(lists::CodePageEntries(variant, v), c.CodePage));
    line(lists::kFontLabel, lists::EntryOr(lists::FontEntries(variant, v), c.FontType));
    line(lists::kCharModeLabel, lists::EntryOr(lists::CharModeEntries(), c.CharMode));
    line(lists::kServiceLabel, lists::EntryOr(lists::ServiceEntries(), c.Service));
    line(lists::kTearOffLabel, std::to_string(c.CuttingPosition) + " units");
    line(lists::kBeepPaperLabel, lists::EntryOr(lists::BeepEntries(), c.BeepPaper));
    line(lists::kBeepLowBatLabel, lists::EntryOr(lists::BeepEntries(), c.BeepLowBat));
    line(lists::kTimeOffLabel, std::to_string(c.TimeOff) + " min");
    line(lists::kTimeSaveLabel, std::to_string(c.TimeSave) + " sec");
    line(lists::kMsrLabel, lists::EntryOr(lists::MsrTriggerEntries(), c.Msr));
    line(lists::kSentinelLabel, lists::EntryOr(lists::SentinelModeEntries(), c.Sentinel));
    for (int t = 0; t < vmsm::kTracks; ++t) {
        line(lists::SentinelStartLabels()[t], Latin1ToUtf8(c.StartSentinel[t]));
        line(lists::SentinelEndLabels()[t], Latin1ToUtf8(c.EndSentinel[t]));
    }
    line(lists::kBaudLabel, std::to_string(c.Baudrate));
    line(lists::kDataBitsLabel, std::to_string(c.Databit));
    line(lists::kParityLabel, lists::EntryOr(lists::ParityEntries(), c.Parity));
    line(lists::kStopBitsLabel, std::to_string(c.Flowcontrol));
    line(lists::kBtSecurityLabel, lists::EntryOr(lists::BtSecurityEntries(), c.BtSecurity));
    line(lists::kBtConnModeLabel, lists::EntryOr(lists::BtConnModeEntries(), c.BtConnMode));
    line(lists::kBtPinLabel, Latin1ToUtf8(c.BtPinCode));
    line(lists::kBtNameLabel, Latin1ToUtf8(c.BtDeviceName));
    line("RF Interface", std::to_string(c.RfInterface));
    return out.str();
}

}  // namespace pelmora::cli
