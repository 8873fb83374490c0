#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright: Pelmora developers
# SPDX-License-Identifier: Apache-2.0
from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: pelmora_info
short_description: Identity, settings and logo codes of a printer, as facts
description:
  - Runs C(pelmora identify --json), C(pelmora config get --json) and C(pelmora nv list --json)
    against one printer and returns what they print as the fact C(pelmora_printer).
  - Reads only; never changes the printer.
options:
  include_pin:
    description:
      - Keep the Bluetooth PIN code in I(settings). Without it the PIN is left out, so that it reaches
        no log or fact, and a profile made from the facts leaves each printer's PIN as it is.
    type: bool
    default: false
  settings:
    description: Read the settings too.
    type: bool
    default: true
  nv:
    description: Read the codes of the NV logo images too.
    type: bool
    default: true
extends_documentation_fragment:
  - pelmora.printers.connection
notes:
  - Supports check mode (it reads only).
author:
  - Pelmora developers (!UNKNOWN)
'''

EXAMPLES = r'''
- name: What the printer is and holds
  pelmora.printers.pelmora_info:
    tcp: 10.0.12.21

- name: Save its settings as a profile for the others
  ansible.builtin.copy:
    content: "{{ ansible_facts.pelmora_printer.settings | to_nice_json }}"
    dest: /etc/pelmora/shop.json
'''

RETURN = r'''
ansible_facts:
  description: The facts gathered.
  returned: always
  type: dict
  contains:
    pelmora_printer:
      description: One printer's identity, settings and NV codes.
      type: dict
      contains:
        identity:
          description: What C(pelmora identify --json) prints (ModelName, VersionText, FirmwareVersion, ...).
          type: dict
        settings:
          description: What C(pelmora config get --json) prints, usable as a profile; absent without I(settings).
          type: dict
        nv_codes:
          description: Address codes of the stored logo images; absent without I(nv).
          type: list
          elements: str
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.pelmora.printers.plugins.module_utils.pelmora import (
    SECRET_FIELDS, Pelmora, module_kwargs, module_options)


def main():
    module = AnsibleModule(
        argument_spec=module_options(settings=dict(type='bool', default=True), nv=dict(type='bool', default=True),
                                     include_pin=dict(type='bool', default=False)),
        supports_check_mode=True,
        **module_kwargs())
    pelmora = Pelmora(module)
    printer = dict(identity=pelmora.json('identify', '--json'))
    if module.params['settings']:
        settings = pelmora.json('config', 'get', '--json', secret=not module.params['include_pin'])
        if not module.params['include_pin']:
            # Left out rather than masked: a profile without it leaves the printer's PIN as it is.
            for field in SECRET_FIELDS:
                settings.pop(field, None)
        printer['settings'] = settings
    if module.params['nv']:
        printer['nv_codes'] = pelmora.json('nv', 'list', '--json')
    module.exit_json(changed=False, ansible_facts=dict(pelmora_printer=printer))


if __name__ == '__main__':
    main()
