# -*- coding: utf-8 -*-
# Copyright: Pelmora developers
# SPDX-License-Identifier: Apache-2.0
from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
name: discover
short_description: The printers C(pelmora discover) finds, as hosts
version_added: 1.1.0
description:
  - Runs C(pelmora discover --json) on the control host and adds one host per MPT-Q700VII printer it
    finds on the network or, with I(local), on this machine's serial, USB and Bluetooth ports.
  - Discovery sends the identification queries only; it never changes a printer.
  - The inventory source is a YAML file whose name ends in C(pelmora.yml) or C(pelmora.yaml)
    (C(pelmora.yml), C(shop12.pelmora.yml)), with C(pelmora.printers.discover) as its I(plugin).
  - A host is named after the address that answered, or the host name when a target was one, with
    C(:PORT) after it when the printer listens on another port than I(port); a printer on one of
    this machine's ports after its device path.
  - Each host gets C(pelmora_connection), the connection options of the collection's modules that
    reach it (C(tcp), or C(serial)/C(bluetooth) with C(baud), or C(usb), and C(pelmora_path) when
    I(pelmora) is not C(pelmora)), for C(module_defaults) with the action group
    C(group/pelmora.printers.pelmora). It also gets C(pelmora_printer) (the line C(pelmora --printers)
    reads), C(pelmora_link), C(pelmora_model), C(pelmora_model_code), C(pelmora_firmware) and
    C(pelmora_version_text).
  - Every printer was reached from the control host, so every host gets
    C(ansible_connection=local) and the control host's Python; I(compose) can replace them.
  - Every host is in the group C(pelmora_printers), and in C(pelmora_firmware_N) after its firmware
    version N.
  - A search that fails or is interrupted fails the inventory source with C(pelmora)'s message.
options:
  plugin:
    description: The name of this plugin.
    required: true
    type: str
    choices: [pelmora.printers.discover]
  targets:
    description:
      - What to search, as C(pelmora discover) takes it; an address (C(10.0.0.5)), a range
        (C(192.168.1.10-60)), a CIDR block (C(10.4.0.0/22)), a host name, each with C(:PORT) if its
        port is not I(port).
      - Without targets C(pelmora discover) searches this machine's ports only.
    type: list
    elements: str
    default: []
  port:
    description: TCP port of the printers (of each target that names none).
    type: int
    default: 9100
  jobs:
    description: Addresses tried at once (C(pelmora)'s default without it).
    type: int
  timeout:
    description: Milliseconds an address has to accept a connection (C(pelmora)'s default without it).
    type: int
  local:
    description: Search this machine's serial, USB and Bluetooth ports as well as the targets.
    type: bool
    default: false
  force:
    description: Search a CIDR block larger than a /16.
    type: bool
    default: false
  pelmora:
    description:
      - The C(pelmora) program on the control host, a name found on C(PATH) or a full path.
      - The hosts' modules run the same one.
    type: str
    default: pelmora
extends_documentation_fragment:
  - constructed
  - inventory_cache
notes:
  - With I(cache), a later run reads the printers found from the cache instead of searching again,
    until I(cache_timeout) or C(ansible-playbook --flush-cache); a cache written for other targets or options is not used.
    The C(memory) cache plugin lasts one run only; use C(jsonfile) or another persistent one.
author:
  - Pelmora developers (!UNKNOWN)
'''

EXAMPLES = r'''
# shop12.pelmora.yml: the printers of two subnets, grouped by model too.
plugin: pelmora.printers.discover
targets:
  - 10.0.12.0/24
  - 10.0.13.20-40
  - till-printer.shop12.example.org
timeout: 500
cache: true
cache_plugin: ansible.builtin.jsonfile
cache_connection: ~/.cache/pelmora-inventory
keyed_groups:
  - key: pelmora_model
    prefix: model

# local.pelmora.yml: the printers on this machine's serial, USB and Bluetooth ports.
# plugin: pelmora.printers.discover
# local: true

# A play over what was found: the connection comes from the inventory.
# - name: Shop printers
#   hosts: pelmora_printers
#   gather_facts: false
#   module_defaults:
#     group/pelmora.printers.pelmora: "{{ pelmora_connection }}"
#   tasks:
#     - name: Settings of the shop's profile
#       pelmora.printers.pelmora_config:
#         profile: "{{ playbook_dir }}/profiles/shop.json"
'''

import json
import subprocess

from ansible.errors import AnsibleParserError
from ansible.module_utils.common.text.converters import to_native, to_text
from ansible.plugins.inventory import BaseInventoryPlugin, Cacheable, Constructable
from ansible_collections.pelmora.printers.plugins.module_utils.pelmora import (
    CONNECTION_ARGS, LINKS, OK, failure_message)

FILE_ENDINGS = ('pelmora.yml', 'pelmora.yaml')
ALL_GROUP = 'pelmora_printers'
FIRMWARE_GROUP = 'pelmora_firmware_%d'
DEFAULT_PROGRAM = CONNECTION_ARGS['pelmora_path']['default']
# The row's fields the hosts carry, under these names.
FACTS = [('ModelName', 'pelmora_model'), ('ModelCode', 'pelmora_model_code'),
         ('FirmwareVersion', 'pelmora_firmware'), ('VersionText', 'pelmora_version_text'),
         ('printer', 'pelmora_printer'), ('link', 'pelmora_link')]


def check_row(row):
    """A found row holds what naming and reaching its printer takes; a pelmora that prints less is reported, not guessed around."""
    needed = ('printer', 'link') + (('address', 'port') if isinstance(row, dict) and row.get('link') == 'tcp' else ('device',))
    if not isinstance(row, dict) or any(row.get(field) in (None, '') for field in needed):
        raise AnsibleParserError('pelmora discover printed a printer without %s: %s' % (' or '.join(needed), row))


def tcp_address(address, port):
    return '[%s]:%d' % (address, port) if ':' in address else '%s:%d' % (address, port)


def connection_of(row):
    """The modules' connection options that reach the printer of a found row."""
    link = row['link']
    if link == 'tcp':
        return dict(tcp=tcp_address(row['address'], row['port']))
    options = {link: row['device']}
    if link != 'usb' and row.get('baud') is not None:
        options['baud'] = int(row['baud'])
    return options


def host_name(row, port, taken):
    """The address or host name, with the port when it is not the searched one; the first not taken."""
    if row['link'] != 'tcp':
        names = [row['device']]
    else:
        names = [name if row['port'] == port else tcp_address(name, row['port'])
                 for name in (row.get('host'), row['address']) if name]
    return next((name for name in names if name not in taken), row['printer'])


class InventoryModule(BaseInventoryPlugin, Constructable, Cacheable):

    NAME = 'pelmora.printers.discover'

    def verify_file(self, path):
        return super(InventoryModule, self).verify_file(path) and path.endswith(FILE_ENDINGS)

    def command(self):
        command = [self.get_option('pelmora'), 'discover', '--json', '--port', str(self.get_option('port'))]
        for option in ('jobs', 'timeout'):
            if self.get_option(option) is not None:
                command += ['--' + option, str(self.get_option(option))]
        command += [flag for flag in ('--local', '--force') if self.get_option(flag[2:])]
        # After "--" a target is never read as an option.
        return command + ['--'] + [to_native(target) for target in self.get_option('targets')]

    def discover(self, command):
        """The rows of the printers found; AnsibleParserError with pelmora's message when the search failed."""
        try:
            process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            out, err = process.communicate()
        except OSError as e:
            raise AnsibleParserError('cannot run %s: %s' % (command[0], e.strerror or to_native(e)))
        out, err = to_text(out, errors='surrogate_or_replace'), to_text(err, errors='surrogate_or_replace')
        try:
            result = json.loads(out) if process.returncode == OK else None
        except ValueError as e:
            raise AnsibleParserError('pelmora discover printed no JSON (%s): %s' % (e, out[:200]))
        if not isinstance(result, dict) or result.get('interrupted'):
            raise AnsibleParserError('pelmora: %s' % failure_message(process.returncode, err))
        if not isinstance(result.get('found'), list):
            raise AnsibleParserError('pelmora discover printed no list of printers found: %s' % out[:200])
        return result['found']

    def found_rows(self, path, cache):
        """The search's rows from the cache when it holds this very search, else from pelmora."""
        command = self.command()
        key = self.get_cache_key(path)
        use_cache = self.get_option('cache')
        if use_cache and cache:
            cached = self._cache.get(key)
            if isinstance(cached, dict) and cached.get('command') == command:
                return cached['found']
        found = self.discover(command)
        if use_cache:
            self._cache[key] = dict(command=command, found=found)
        return found

    def add_printer(self, row, name):
        program = self.get_option('pelmora')
        connection = connection_of(row)
        if program != DEFAULT_PROGRAM:
            connection['pelmora_path'] = program
        variables = dict(ansible_connection='local', ansible_python_interpreter='{{ ansible_playbook_python }}',
                         pelmora_connection=connection)
        variables.update((fact, row.get(field)) for field, fact in FACTS)
        self.inventory.add_host(name, group=ALL_GROUP)
        if isinstance(row.get('FirmwareVersion'), int):
            self.inventory.add_host(name, group=self.inventory.add_group(FIRMWARE_GROUP % row['FirmwareVersion']))
        for key, value in variables.items():
            self.inventory.set_variable(name, key, value)
        strict = self.get_option('strict')
        self._set_composite_vars(self.get_option('compose'), variables, name, strict=strict)
        self._add_host_to_composed_groups(self.get_option('groups'), variables, name, strict=strict)
        self._add_host_to_keyed_groups(self.get_option('keyed_groups'), variables, name, strict=strict)

    def parse(self, inventory, loader, path, cache=True):
        super(InventoryModule, self).parse(inventory, loader, path, cache)
        self._read_config_data(path)
        rows = self.found_rows(path, cache)
        self.inventory.add_group(ALL_GROUP)
        taken = set()
        for row in rows:
            check_row(row)
            if row['link'] not in LINKS:
                self.display.warning('%s: left out, its link "%s" is none the modules take' % (row['printer'], row['link']))
                continue
            name = host_name(row, self.get_option('port'), taken)
            self.add_printer(row, name)
            taken.add(name)
