# -*- coding: utf-8 -*-
# Copyright: Pelmora developers
# SPDX-License-Identifier: Apache-2.0
# The printer connection options every module of this collection takes.


class ModuleDocFragment(object):
    DOCUMENTATION = r'''
options:
  tcp:
    description:
      - Raw TCP port of a network printer, C(HOST[:PORT]) or C([IPV6]:PORT), HOST a name, dotted IPv4 or IPv6 address (port 9100 by default).
      - I(tcp), I(serial), I(bluetooth) and I(usb) exclude each other. With none of them C(pelmora)
        uses the connection settings stored on the managed host.
    type: str
  serial:
    description: Serial port, C(COMn) or a device path such as C(/dev/ttyUSB0).
    type: str
  bluetooth:
    description: Bluetooth serial port, an rfcomm device such as C(/dev/rfcomm0), or C(COMn).
    type: str
  usb:
    description: USB printer device node, such as C(/dev/usb/lp0).
    type: str
  baud:
    description: Baud rate of a serial or Bluetooth link (C(pelmora) takes 115200 without it).
    type: int
    choices: [2400, 4800, 9600, 19200, 38400, 57600, 115200]
  parity:
    description: Parity of a serial or Bluetooth link.
    type: str
    choices: [none, odd, even]
  stop_bits:
    description: Stop bits of a serial or Bluetooth link.
    type: int
    choices: [1, 2]
  flow:
    description: Flow control of a serial or Bluetooth link.
    type: str
    choices: [none, dtr-dsr]
  pelmora_path:
    description: The C(pelmora) program on the managed host, a name found on C(PATH) or a full path.
    type: str
    default: pelmora
'''
