#include "vmsm/ManagerPages.h"

#include "context/PrinterContext.h"
#include "context/FirmwareCapabilities.h"
#include "vmsm/ConfigFields.h"
#include "vmsm/ConfigLists.h"

namespace pelmora::vmsm {

namespace {

// The model whose service cannot be changed from the window.
constexpr std::uint32_t kModelReceiptOnly = 710;

Page1Fields ShowPage1(const PrinterConfig& record, std::uint32_t firmware) {
    const bool threeFonts = context::CapabilitiesOf(firmware).threeFonts;
    return {.densityIndex = lists::DensityCodeToIndex(record.Density),
            .speed = record.Speed,
            .codePage = record.CodePage,
            // Without three fonts the first radio is hidden, so A sits on the second.
            .fontRadio = threeFonts ? record.FontType : record.FontType + 1,
            .charMode = record.CharMode};
}

Page2Fields ShowPage2(const PrinterConfig& record, std::uint32_t firmware) {
    const auto can = context::CapabilitiesOf(firmware);
    Page2Fields page{.service = record.Service,
                     .beepPaper = record.BeepPaper,
                     .beepLowBat = record.BeepLowBat,
                     .msr = record.Msr,
                     .timeOff = record.TimeOff,
                     .timeSave = record.TimeSave,
                     .cuttingPosition = can.tearOff ? record.CuttingPosition : 0,
                     .sentinel = can.sentinels ? record.Sentinel : SentinelNone,
                     .sentinels = {}};
    for (int track = 0; track < kTracks; ++track) {
        page.sentinels[track] = record.StartSentinel[track];
        page.sentinels[track + kTracks] = record.EndSentinel[track];
    }
    return page;
}

Page3Fields ShowPage3(const PrinterConfig& record, const PrinterFacts& facts) {
    PrinterConfig bluetooth = record;
    StartBluetoothFields(bluetooth, facts.firmware, facts.modelName);
    return {.baudrate = lists::BaudShown(record.Baudrate),
            .databit = lists::DataBitShown(record.Databit),
            .parity = record.Parity <= 1 ? record.Parity : 2u,
            .stopBits = lists::StopBitsShown(record.Flowcontrol),
            .connMode = bluetooth.BtConnMode,
            .security = bluetooth.BtSecurity,
            .pinCode = bluetooth.BtPinCode,
            .deviceName = bluetooth.BtDeviceName,
            .keepBluetooth = BtKeepFor(false),
            .rfInterface = record.RfInterface};
}

// A page field and the record field it is written to.
template <typename Page>
struct Mapping {
    std::uint32_t Page::*field;
    std::uint32_t PrinterConfig::*value;
};

constexpr Mapping<Page1Fields> kPage1[] = {
    {&Page1Fields::densityIndex, &PrinterConfig::Density}, {&Page1Fields::speed, &PrinterConfig::Speed},
    {&Page1Fields::codePage, &PrinterConfig::CodePage},    {&Page1Fields::fontRadio, &PrinterConfig::FontType},
    {&Page1Fields::charMode, &PrinterConfig::CharMode},
};
constexpr Mapping<Page2Fields> kPage2[] = {
    {&Page2Fields::service, &PrinterConfig::Service},     {&Page2Fields::beepPaper, &PrinterConfig::BeepPaper},
    {&Page2Fields::beepLowBat, &PrinterConfig::BeepLowBat}, {&Page2Fields::msr, &PrinterConfig::Msr},
    {&Page2Fields::timeOff, &PrinterConfig::TimeOff},     {&Page2Fields::timeSave, &PrinterConfig::TimeSave},
    {&Page2Fields::cuttingPosition, &PrinterConfig::CuttingPosition},
    {&Page2Fields::sentinel, &PrinterConfig::Sentinel},
};
constexpr Mapping<Page3Fields> kPage3[] = {
    {&Page3Fields::baudrate, &PrinterConfig::Baudrate}, {&Page3Fields::databit, &PrinterConfig::Databit},
    {&Page3Fields::parity, &PrinterConfig::Parity},     {&Page3Fields::stopBits, &PrinterConfig::Flowcontrol},
};

// A list shows the nearest entry for a value it has none for (Flowcontrol 0
// shows "2"); writing that entry back would change a setting nobody touched.
template <typename Page, std::size_t N>
void KeepUntouched(const Page& shown, const Page& edited, const Mapping<Page> (&table)[N], const PrinterConfig& read,
                   PrinterConfig& record) {
    for (const Mapping<Page>& m : table)
        if (edited.*m.field == shown.*m.field) record.*m.value = read.*m.value;
}

}  // namespace

PrinterFacts FactsOf(const context::PrinterContext& util) {
    return {util.firmwareVersion(), util.modelCode(), util.modelName(), util.versionText(), util.codePageText()};
}

ManagerFields ShowRecord(const PrinterConfig& record, const PrinterFacts& facts) {
    return {ShowPage1(record, facts.firmware), ShowPage2(record, facts.firmware), ShowPage3(record, facts)};
}

void CopyBack(const ManagerFields& shown, const ManagerFields& fields, ManagerEnd end, std::uint32_t firmware,
              PrinterConfig& record) {
    const PrinterConfig read = record;
    const auto can = context::CapabilitiesOf(firmware);
    const Page1Fields& p1 = fields.page1;
    record.Density = end == ManagerEnd::Save ? lists::DensityIndexToCode(p1.densityIndex, firmware) : p1.densityIndex;
    record.Speed = p1.speed;
    record.CodePage = p1.codePage;
    record.FontType = can.threeFonts ? p1.fontRadio : (p1.fontRadio > 0 ? p1.fontRadio - 1 : 0);
    record.CharMode = p1.charMode;

    const Page2Fields& p2 = fields.page2;
    record.Service = p2.service;
    record.BeepPaper = p2.beepPaper;
    record.BeepLowBat = p2.beepLowBat;
    record.TimeOff = p2.timeOff;
    record.TimeSave = p2.timeSave;
    record.CuttingPosition = p2.cuttingPosition;
    record.Msr = p2.msr;
    record.Sentinel = p2.sentinel;
    for (int track = 0; track < kTracks; ++track) {
        record.StartSentinel[track] = p2.sentinels[track];
        record.EndSentinel[track] = p2.sentinels[track + kTracks];
    }

    const Page3Fields& p3 = fields.page3;
    record.Baudrate = p3.baudrate;
    record.Databit = p3.databit;
    record.Parity = p3.parity;
    record.Flowcontrol = p3.stopBits;
    record.BtKeep = p3.keepBluetooth;
    if (p3.keepBluetooth == BtKeepFor(true)) {
        record.BtConnMode = p3.connMode;
        record.BtSecurity = p3.security;
        record.BtPinCode = p3.pinCode;
        record.BtDeviceName = p3.deviceName;
    }
    if (can.rfInterface) record.RfInterface = p3.rfInterface;
    if (end != ManagerEnd::Save) return;
    KeepUntouched(shown.page1, fields.page1, kPage1, read, record);
    KeepUntouched(shown.page2, fields.page2, kPage2, read, record);
    KeepUntouched(shown.page3, fields.page3, kPage3, read, record);
}

bool ServiceEditable(std::uint32_t modelCode) { return modelCode != kModelReceiptOnly; }

bool TearOffEditable(std::uint32_t firmware, std::uint32_t service) {
    constexpr std::uint32_t kLabelService = 1;
    return context::CapabilitiesOf(firmware).tearOff && service == kLabelService;
}

}  // namespace pelmora::vmsm
