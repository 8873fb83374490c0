#pragma once
#include <string>

namespace pelmora::link {

/// A DNS host name: dot-separated labels of letters, digits and '-' (none
/// empty, over 63 characters, or starting or ending with '-'), 253 at most,
/// the last label not all digits (so "127.1" and "0x7f.0.0.1" are no names).
bool IsHostNameSyntax(const std::string& text);

/// A bare IPv6 address as the system's own parser reads one ("::1", "fe80::1").
bool IsIpv6Text(const std::string& text);

}  // namespace pelmora::link
