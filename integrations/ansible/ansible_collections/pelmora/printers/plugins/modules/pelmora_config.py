#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright: Pelmora developers
# SPDX-License-Identifier: Apache-2.0
from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: pelmora_config
short_description: Keep a printer's settings at a wanted profile
description:
  - Compares the printer's settings with the wanted ones (C(pelmora config diff)) and writes them
    only when something differs (C(pelmora config set --from FILE --verify)); the task reports
    C(changed) only then.
  - In check mode only the comparison runs; nothing is written.
  - In diff mode the changed settings are shown before and after, labelled and worded as
    C(pelmora config get) prints them.
  - A profile read from another model, or a value this printer's firmware cannot hold, fails the
    task with pelmora's message, and nothing is written.
  - The Bluetooth PIN (C(BtPinCode)), from I(settings) or from I(profile), is masked in every output
    of the task, its diff included.
options:
  profile:
    description:
      - A file that C(pelmora config get --json) printed, on the managed host.
      - Its C(printer) member names the model it was read from; another model is refused unless I(force).
      - Values may be the printer's numbers or words as C(pelmora config get) shows them.
    type: path
  settings:
    description:
      - Settings under the field names of C(pelmora config get --json), such as C(Density) or C(TimeOff).
      - A value is the printer's number, or a word as C(pelmora config get) shows it and
        C(pelmora config set --help) lists it, in any case, such as C(Off) for C(BeepPaper),
        C(Label) for C(Service) or C(30 min) for C(TimeOff). An unquoted C(on) or C(off) (which YAML reads as true
        or false) counts as the word for the fields worded On and Off; a number that arrives as text,
        as from an extra variable, counts as the number.
      - C(BtPinCode) and C(BtDeviceName) are texts; quote them (YAML reads an unquoted C(0123) as 83).
      - With I(profile), these win over the file's values. Empty and without I(profile), nothing is done.
    type: dict
  force:
    description: Apply a profile read from another model, each value still checked against this printer.
    type: bool
    default: false
  verify:
    description: Read the printer again after writing and fail when a written setting was not kept.
    type: bool
    default: true
extends_documentation_fragment:
  - pelmora.printers.connection
notes:
  - The printer applies written settings after it is switched off and on again.
  - Supports check mode and diff mode.
author:
  - Pelmora developers (!UNKNOWN)
'''

EXAMPLES = r'''
- name: The shop's profile, with a longer power-off time
  pelmora.printers.pelmora_config:
    tcp: 10.0.12.21
    profile: /etc/pelmora/shop.json
    settings:
      TimeOff: 30

- name: A printer on the till's USB port, two settings only
  pelmora.printers.pelmora_config:
    usb: /dev/usb/lp0
    settings:
      Density: 5
      BeepPaper: "off"

- name: The Bluetooth PIN from the vault, masked in every output
  pelmora.printers.pelmora_config:
    bluetooth: /dev/rfcomm0
    settings:
      BtPinCode: "{{ vault_printer_pin }}"
'''

RETURN = r'''
changes:
  description: The settings that differed (or, in check mode, differ), as C(pelmora config diff --json) lists them.
  returned: always
  type: list
  elements: dict
  contains:
    field: {description: Field name, type: str}
    label: {description: The label C(config get) prints, type: str}
    printer: {description: The printer's value as worded for people, type: str}
    new: {description: The wanted value as worded for people, type: str}
    printerValue: {description: The printer's raw value, type: raw}
    newValue: {description: The wanted raw value, type: raw}
  sample: [{field: TimeOff, label: "Auto Power Off Time (Not Connected)", printer: "15 min", new: "30 min",
            printerValue: 15, newValue: 30}]
'''

import json
import os
import re
import stat
import tempfile

from ansible.module_utils.six import string_types
from ansible_collections.pelmora.printers.plugins.module_utils.pelmora import (
    OK, REFUSED, THREE, Pelmora, PelmoraModule, hide_secrets, module_kwargs, module_options)

# The fields whose values `config get` words On and Off; YAML turns those words, unquoted, into booleans.
ON_OFF_FIELDS = ('BeepPaper', 'BeepLowBat', 'CharMode')
TEXT_FIELDS = ('BtPinCode', 'BtDeviceName')
LIST_FIELDS = ('StartSentinel', 'EndSentinel')
MAX_PROFILE_BYTES = 1 << 20  # as pelmora's own limit for --from


def read_profile(module, path):
    """The profile's settings, checked here so that a bad file fails before the printer is read."""
    try:
        if not stat.S_ISREG(os.stat(path).st_mode):
            module.fail_json(msg='profile %s: not a regular file' % path)  # a FIFO would never end
        with open(path, 'rb') as f:
            data = f.read(MAX_PROFILE_BYTES + 1)
    except (IOError, OSError) as e:
        module.fail_json(msg='profile %s: %s' % (path, e))
    if len(data) > MAX_PROFILE_BYTES:
        module.fail_json(msg='profile %s: larger than 1 MiB' % path)
    try:
        profile = json.loads(data.decode('utf-8'))
    except ValueError as e:
        module.fail_json(msg='profile %s: not JSON (%s)' % (path, e))
    if not isinstance(profile, dict):
        module.fail_json(msg='profile %s: not a JSON object' % path)
    hide_secrets(module, profile)
    return profile


def wanted_value(module, field, value):
    """A setting as pelmora takes it, undoing what YAML and templating do to values."""
    if field in LIST_FIELDS:
        return value
    if isinstance(value, bool):
        if field in ON_OFF_FIELDS:
            return 'On' if value else 'Off'
        module.fail_json(msg='settings: %s: true and false are no values of this field; YAML reads an unquoted '
                             'yes, no, on or off as one of them, so quote the word' % field)
    if field in TEXT_FIELDS:
        if not isinstance(value, string_types):
            # The value itself stays out of the message: it may be the PIN.
            module.fail_json(msg='settings: %s: a text is wanted; quote it (YAML reads an unquoted 0123 as 83)' % field)
        return value
    if isinstance(value, string_types) and re.match(r'^\s*[0-9]+\s*$', value):
        return int(value)
    return value


def wanted_settings(module):
    """The profile (if any) with the settings over it, everything checked, nothing run yet."""
    wanted = read_profile(module, module.params['profile']) if module.params['profile'] else {}
    for field, value in (module.params['settings'] or {}).items():
        wanted[field] = wanted_value(module, field, value)
    return wanted


def labelled(changes, side):
    width = max(len(c['label']) for c in changes)
    return ''.join('%s : %s\n' % (c['label'].ljust(width), c[side]) for c in changes)


def main():
    module = PelmoraModule(
        argument_spec=module_options(
            # Not no_log, though it may hold the PIN: that would blank every other setting in diffs
            # and messages. PelmoraModule masks the PIN's value instead.
            profile=dict(type='path'),
            settings=dict(type='dict'),
            force=dict(type='bool', default=False),
            verify=dict(type='bool', default=True),
        ),
        required_one_of=[['profile', 'settings']],
        supports_check_mode=True,
        **module_kwargs())
    hide_secrets(module, module.params['settings'])  # again: given as text, it is a dict only now
    wanted = wanted_settings(module)
    if not module.params['profile'] and not wanted:
        module.exit_json(changed=False, changes=[])  # `settings: {}` names nothing to change
    pelmora = Pelmora(module)
    # In the module's temporary folder (removed when it ends), readable by its owner only: it may hold the PIN.
    fd, source = tempfile.mkstemp(prefix='pelmora-profile-', suffix='.json', dir=module.tmpdir)
    with os.fdopen(fd, 'w') as f:
        json.dump(wanted, f)
    force = ['--force'] if module.params['force'] else []

    status, out, err = pelmora.run('config', 'diff', '--from', source, '--json', *force)
    if status not in (OK, THREE):
        pelmora.fail(status, err, 'config diff')
    try:
        changes = json.loads(out)['changes']
    except (ValueError, KeyError, TypeError) as e:
        module.fail_json(msg='config diff: pelmora printed no list of changes (%s)' % e, stdout=out)

    result = dict(changed=bool(changes), changes=changes)
    if changes and module._diff:
        result['diff'] = dict(before=labelled(changes, 'printer'), after=labelled(changes, 'new'))
    if changes and not module.check_mode:
        verify = ['--verify'] if module.params['verify'] else []
        status, out, err = pelmora.run('config', 'set', '--from', source, *(force + verify))
        if status == THREE:
            module.warn(err.strip())  # written, but the managed host's settings store was not saved
        elif status != OK:
            # Only status 2 means nothing was sent; after a lost link or a failed --verify the
            # printer may hold some of the settings.
            pelmora.fail(status, err, 'config set', changed=status != REFUSED)
    module.exit_json(**result)


if __name__ == '__main__':
    main()
