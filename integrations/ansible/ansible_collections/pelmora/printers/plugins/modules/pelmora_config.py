#!/usr/bin/python
# -*- coding: utf-8 -*-
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
options:
  profile:
    description:
      - A file that C(pelmora config get --json) printed, on the managed host.
      - Its C(printer) member names the model it was read from; another model is refused unless I(force).
    type: path
  settings:
    description:
      - Settings under the field names of C(pelmora config get --json), such as C(Density) or C(TimeOff).
      - With I(profile), these win over the file's values.
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
  - Pelmora developers
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
      BeepPaper: 1
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
import tempfile

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.pelmora.printers.plugins.module_utils.pelmora import (
    OK, THREE, Pelmora, hide_secrets, module_kwargs, module_options)


def wanted_profile(module):
    """The file to give --from: the profile itself, or it with the settings over it."""
    profile, settings = module.params['profile'], module.params['settings']
    if not settings:
        return profile
    wanted = {}
    if profile:
        try:
            with open(profile, 'rb') as f:
                wanted = json.loads(f.read().decode('utf-8'))
        except (IOError, OSError, ValueError) as e:
            module.fail_json(msg='profile %s: %s' % (profile, e))
        if not isinstance(wanted, dict):
            module.fail_json(msg='profile %s: not a JSON object' % profile)
    wanted.update(settings)
    fd, path = tempfile.mkstemp(prefix='pelmora-profile-', suffix='.json', dir=module.tmpdir)
    with os.fdopen(fd, 'w') as f:
        json.dump(wanted, f)
    return path  # in the module's temporary folder, removed when it ends


def labelled(changes, side):
    width = max(len(c['label']) for c in changes)
    return ''.join('%s : %s\n' % (c['label'].ljust(width), c[side]) for c in changes)


def main():
    module = AnsibleModule(
        argument_spec=module_options(
            profile=dict(type='path'),
            settings=dict(type='dict'),
            force=dict(type='bool', default=False),
            verify=dict(type='bool', default=True),
        ),
        required_one_of=[['profile', 'settings']],
        supports_check_mode=True,
        **module_kwargs())
    hide_secrets(module, module.params['settings'])
    if not module.params['profile'] and not module.params['settings']:
        module.exit_json(changed=False, changes=[])  # `settings: {}` names nothing to change
    pelmora = Pelmora(module)
    source = wanted_profile(module)
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
            pelmora.fail(status, err, 'config set')
    module.exit_json(**result)


if __name__ == '__main__':
    main()
