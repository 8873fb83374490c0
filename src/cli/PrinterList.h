#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pelmora::cli {

/// One printer as a connection option names it.
struct PrinterAddress {
    enum class Kind { Tcp, Serial, Bluetooth, Usb };
    Kind kind = Kind::Tcp;
    std::string value;  ///< what the option takes: HOST[:PORT], a port name or a device path
    /// A serial or Bluetooth printer's own line speed; 0 takes --baud.
    std::uint32_t baud = 0;

    bool operator==(const PrinterAddress&) const = default;
};

/// The option's name without dashes: "tcp", "serial", "bluetooth", "usb".
const char* KindName(PrinterAddress::Kind kind);
/// "tcp 10.0.0.5:9100", "serial /dev/ttyUSB0 baud=9600": how the summary
/// names a printer, and the form of a line of a printers file.
std::string Describe(const PrinterAddress& printer);
/// "--tcp 10.0.0.5:9100", quoted for a shell when needed, for commands to run by hand.
std::string AsOption(const PrinterAddress& printer);
/// `text` as one word for a POSIX shell: unchanged when plain, else in single quotes.
std::string ShellWord(const std::string& text);

/// The printers of a `--printers` file: one "KIND VALUE" a line (KIND tcp,
/// serial, bluetooth or usb; a serial or bluetooth VALUE may end in
/// " baud=N"); blank lines and "#" comments are skipped.
/// Throws UsageError naming `fileName` and the line for anything else.
std::vector<PrinterAddress> ParsePrinterList(const std::string& text, const std::string& fileName);

/// The device path a serial or Bluetooth port name stands for ("COM1" -> "/dev/ttyS0").
using PortResolver = std::function<std::string(const std::string&)>;

/// Throws UsageError when a printer is named twice, in any spelling
/// ("10.0.0.5" and "10.0.0.5:9100", "COM1" and "/dev/ttyS0", a link to a
/// device and the device): two jobs would fight over one port.
void RefuseRepeatedPrinters(const std::vector<PrinterAddress>& printers, const PortResolver& resolve);

}  // namespace pelmora::cli
