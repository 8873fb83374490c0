#pragma once
#include <cstdint>

/// Byte constants of the memory-switch command set, each with its mnemonic.
namespace pelmora::vmsm::bytes {

// Prefixes
constexpr std::uint8_t GS = 0x1D;
constexpr std::uint8_t ParenOpen = 0x28;
constexpr std::uint8_t E = 0x45;           ///< GS ( E: user-setting commands (standard dialect)
constexpr std::uint8_t BS = 0x08;
constexpr std::uint8_t Caret = 0x5E;       ///< BS ^ E: legacy dialect
constexpr std::uint8_t M = 0x4D;
constexpr std::uint8_t S = 0x53;           ///< BS M S: MSR sentinels
constexpr std::uint8_t US = 0x1F;          ///< US US: Bluetooth; also the field separator in replies

// Function bytes after the length (both GS ( E and BS ^ E)
constexpr std::uint8_t FnEnterSetting = 0x01;  ///< "IN"
constexpr std::uint8_t FnEndSetting = 0x02;    ///< "OUT"
constexpr std::uint8_t FnWriteSwitch = 0x03;
constexpr std::uint8_t FnReadSwitch = 0x04;
constexpr std::uint8_t FnWriteSerial = 0x0B;
constexpr std::uint8_t FnReadSerial = 0x0C;
constexpr std::uint8_t FnWriteTearOff = 0x20;
constexpr std::uint8_t FnReadTearOff = 0x21;

// Sentinel functions after BS M S pL pH
constexpr std::uint8_t FnWriteStartSentinel = '2';
constexpr std::uint8_t FnWriteEndSentinel = '3';
constexpr std::uint8_t FnReportSentinels = '4';

// Bluetooth functions after US US
constexpr std::uint8_t BtInquire = 'i';
constexpr std::uint8_t BtProgram = 'p';
constexpr std::uint8_t BtConnMode = 'c';
constexpr std::uint8_t BtDeviceName = 'd';
constexpr std::uint8_t BtPinCode = 'k';
constexpr std::uint8_t BtSecurity = 's';
constexpr std::uint8_t CR = 0x0D;          ///< ends each Bluetooth text

// Switch addresses beyond 1..8
constexpr std::uint8_t SwitchRf = 'P';     ///< RF-interface switch
constexpr std::uint8_t SwitchQ = 'Q';      ///< switch "51" of the handheld's sequences

// Bit characters
constexpr std::uint8_t BitOff = '0';
constexpr std::uint8_t BitOn = '1';
constexpr std::uint8_t BitKeep = '2';      ///< write only: leave the bit as it is

// Replies: every reply starts with 37 and a kind byte and ends with NUL
constexpr std::uint8_t ReplyMark = 0x37;
constexpr std::uint8_t ReplySettingMode = 0x20;  ///< 37 20 00: setting mode entered
constexpr std::uint8_t ReplySwitch = 0x21;       ///< 37 21 c8..c1 00
constexpr std::uint8_t ReplySerial = 0x33;       ///< 37 33 "0"+k 1F text 00
constexpr std::uint8_t ReplyTearOff = 0x35;      ///< 37 35 30 1F lo hi 00
constexpr std::uint8_t ReplyBluetooth = 0x42;    ///< 37 42 x text 00
constexpr std::uint8_t ReplySentinels = 0x81;    ///< 37 81 "0"+t start 1F end 00
constexpr std::uint8_t NUL = 0x00;

}  // namespace pelmora::vmsm::bytes
