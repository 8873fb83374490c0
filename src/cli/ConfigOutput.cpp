#include "cli/ConfigOutput.h"

#include <iomanip>
#include <sstream>

#include "cli/Latin1.h"
#include "context/PrinterContext.h"
#include "vmsm/ConfigFields.h"
#include "vmsm/ConfigLists.h"

namespace pelmora::cli {

namespace lists = vmsm::lists;

nlohmann::ordered_json ConfigToJson(const vmsm::PrinterConfig& c, const context::PrinterContext& p) {
    const auto reported = [&p](const char* name) { return vmsm::IsReportedBy(name, p.firmwareVersion()); };
    nlohmann::ordered_json j;
    for (const auto& field : vmsm::kStoredFields)
        if (reported(field.name)) j[field.name] = c.*field.member;
    for (const char* key : {"StartSentinel", "EndSentinel"}) {
        if (!reported(key)) continue;
        const auto& texts = key[0] == 'S' ? c.StartSentinel : c.EndSentinel;
        j[key] = nlohmann::ordered_json::array();
        for (const auto& text : texts) j[key].push_back(Latin1ToUtf8(text));
    }
    if (reported("BtSecurity")) {
        j["BtSecurity"] = c.BtSecurity;
        j["BtConnMode"] = c.BtConnMode;
        j["BtPinCode"] = Latin1ToUtf8(c.BtPinCode);
        j["BtDeviceName"] = Latin1ToUtf8(c.BtDeviceName);
    }
    if (reported("RfInterface")) j["RfInterface"] = c.RfInterface;
    j["printer"] = {{"ModelName", Latin1ToUtf8(p.modelName())},     {"ModelCode", p.modelCode()},
                    {"VersionText", Latin1ToUtf8(p.versionText())}, {"FirmwareVersion", p.firmwareVersion()},
                    {"CodePageText", Latin1ToUtf8(p.codePageText())}, {"MsrSetValue", p.msrSetValue()}};
    return j;
}

bool IsSecretField(const std::string& field) { return field == "BtPinCode"; }

std::vector<ConfigLine> ConfigLines(const vmsm::PrinterConfig& c, const context::PrinterContext& p,
                                    bool revealSecrets) {
    const std::uint32_t v = p.firmwareVersion();
    const auto variant = context::Layout::Desktop;
    std::vector<ConfigLine> lines;
    auto line = [&lines, v, revealSecrets](std::string field, const std::string& label, const std::string& value) {
        if (!vmsm::IsReportedBy(field, v)) return;
        const bool masked = !revealSecrets && IsSecretField(field);
        lines.push_back({std::move(field), label, masked ? kMaskedSecret : value});
    };
    line("Density", lists::kDensityLabel,
         lists::EntryOr(lists::DensityEntries(variant), lists::DensityCodeToIndex(c.Density)));
    line("Speed", lists::kSpeedLabel, lists::EntryOr(lists::SpeedEntries(variant, v, p.modelCode()), c.Speed));
    line("CodePage", lists::kCodePageLabel, lists::EntryOr(lists::CodePageEntries(variant, v), c.CodePage));
    line("FontType", lists::kFontLabel, lists::EntryOr(lists::FontEntries(variant, v), c.FontType));
    line("CharMode", lists::kCharModeLabel, lists::EntryOr(lists::CharModeEntries(), c.CharMode));
    line("Service", lists::kServiceLabel, lists::EntryOr(lists::ServiceEntries(), c.Service));
    line("CuttingPosition", lists::kTearOffLabel, std::to_string(c.CuttingPosition) + " units");
    line("BeepPaper", lists::kBeepPaperLabel, lists::EntryOr(lists::BeepEntries(), c.BeepPaper));
    line("BeepLowBat", lists::kBeepLowBatLabel, lists::EntryOr(lists::BeepEntries(), c.BeepLowBat));
    line("TimeOff", lists::kTimeOffLabel, std::to_string(c.TimeOff) + " min");
    line("TimeSave", lists::kTimeSaveLabel, std::to_string(c.TimeSave) + " sec");
    line("Msr", lists::kMsrLabel, lists::EntryOr(lists::MsrTriggerEntries(), c.Msr));
    line("Sentinel", lists::kSentinelLabel, lists::EntryOr(lists::SentinelModeEntries(), c.Sentinel));
    for (int t = 0; t < vmsm::kTracks; ++t) {
        const std::string track = "[" + std::to_string(t + 1) + "]";
        line("StartSentinel" + track, lists::SentinelStartLabels()[t], Latin1ToUtf8(c.StartSentinel[t]));
        line("EndSentinel" + track, lists::SentinelEndLabels()[t], Latin1ToUtf8(c.EndSentinel[t]));
    }
    line("Baudrate", lists::kBaudLabel, std::to_string(c.Baudrate));
    line("Databit", lists::kDataBitsLabel, std::to_string(c.Databit));
    line("Parity", lists::kParityLabel, lists::EntryOr(lists::ParityEntries(), c.Parity));
    line("Flowcontrol", lists::kStopBitsLabel, std::to_string(c.Flowcontrol));
    line("BtSecurity", lists::kBtSecurityLabel, lists::EntryOr(lists::BtSecurityEntries(), c.BtSecurity));
    line("BtConnMode", lists::kBtConnModeLabel, lists::EntryOr(lists::BtConnModeEntries(), c.BtConnMode));
    line("BtPinCode", lists::kBtPinLabel, Latin1ToUtf8(c.BtPinCode));
    line("BtDeviceName", lists::kBtNameLabel, Latin1ToUtf8(c.BtDeviceName));
    line("RfInterface", "RF Interface", std::to_string(c.RfInterface));
    return lines;
}

std::string LabelledLine(const std::string& label, const std::string& value) {
    std::ostringstream out;
    out << std::left << std::setw(38) << label << ": " << value << '\n';
    return out.str();
}

std::string ConfigReport(const vmsm::PrinterConfig& c, const context::PrinterContext& p, bool revealSecrets) {
    std::string out = LabelledLine("Printer", Latin1ToUtf8(p.modelName()) + " (fw:" + Latin1ToUtf8(p.versionText()) +
                                                  ", " + std::to_string(p.firmwareVersion()) + ")");
    for (const ConfigLine& line : ConfigLines(c, p, revealSecrets)) out += LabelledLine(line.label, line.value);
    return out;
}

}  // namespace pelmora::cli
