# -*- coding: utf-8 -*-
# Copyright: Pelmora developers
# SPDX-License-Identifier: Apache-2.0
# Running pelmora on the managed host: the connection options, the command
# line they make, and pelmora's exit statuses.
from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json

from ansible.module_utils.basic import AnsibleModule
from ansible.module_utils.six import string_types

CONNECTION_ARGS = dict(
    tcp=dict(type='str'),
    serial=dict(type='str'),
    bluetooth=dict(type='str'),
    usb=dict(type='str'),
    baud=dict(type='int', choices=[2400, 4800, 9600, 19200, 38400, 57600, 115200]),
    parity=dict(type='str', choices=['none', 'odd', 'even']),
    stop_bits=dict(type='int', choices=[1, 2]),
    flow=dict(type='str', choices=['none', 'dtr-dsr']),
    pelmora_path=dict(type='str', default='pelmora'),
)
LINKS = ['tcp', 'serial', 'bluetooth', 'usb']
LINE_SETTINGS = [('baud', '--baud'), ('parity', '--parity'), ('stop_bits', '--stop-bits'), ('flow', '--flow')]

# Settings whose values never reach a log, a diff or a fact unless asked for.
SECRET_FIELDS = ['BtPinCode']


def hide_secrets(module, settings):
    """Registers the secret values of a settings dict with Ansible, which then
    masks them wherever they would appear (arguments at -vvv, results, diffs)."""
    if not isinstance(settings, dict):
        return
    secret = set(field.lower() for field in SECRET_FIELDS)
    for key, value in settings.items():
        # In any case: a key in the wrong case is refused, and the refusal shows the arguments.
        if isinstance(key, string_types) and key.lower() in secret and value not in (None, ''):
            module.no_log_values.add(value if isinstance(value, string_types) else str(value))


class PelmoraModule(AnsibleModule):
    """AnsibleModule that masks the PIN of a `settings` option from the start.

    AnsibleModule logs its arguments to the journal, and prints them when an option is refused,
    before the module's own code runs; `settings` cannot be no_log as a whole (every diff and
    refusal would go blank), so the PIN it may hold is registered as soon as the arguments are read.
    """

    def _load_params(self):
        super(PelmoraModule, self)._load_params()
        hide_secrets(self, self.params.get('settings'))


# pelmora's exit statuses
OK, FAILED, REFUSED, THREE = 0, 1, 2, 3


def failure_message(status, err):
    """pelmora's failure and its cause, one line each on stderr, as one message."""
    lines = [line.replace('pelmora: ', '', 1).strip() for line in err.splitlines()]
    return '; '.join(line for line in lines if line) or 'pelmora exited with status %d' % status


def module_options(**own):
    arguments = dict(CONNECTION_ARGS)
    arguments.update(own)
    return arguments


def module_kwargs():
    """What every module of the collection passes to AnsibleModule beside its options."""
    return dict(mutually_exclusive=[LINKS])


class Pelmora(object):
    """pelmora with the task's connection options."""

    def __init__(self, module):
        self.module = module
        params = module.params
        self.program = module.get_bin_path(params['pelmora_path'], required=True) \
            if '/' not in params['pelmora_path'] else params['pelmora_path']
        self.connection = []
        for link in LINKS:
            if params.get(link) is not None:
                self.connection += ['--' + link, params[link]]
        for name, option in LINE_SETTINGS:
            if params.get(name) is not None:
                self.connection += [option, str(params[name])]

    def run(self, *args):
        """(status, stdout, stderr) of pelmora CONNECTION ARGS."""
        return self.module.run_command([self.program] + self.connection + list(args))

    def fail(self, status, err, what, changed=False):
        self.module.fail_json(msg='%s: %s' % (what, failure_message(status, err)), rc=status, stderr=err, changed=changed)

    def json(self, *args, **kwargs):
        """pelmora's JSON output of a command that must succeed; fails the task otherwise.
        secret=True: the output may hold the PIN, so a failure does not show it."""
        status, out, err = self.run(*args)
        if status != OK:
            self.fail(status, err, ' '.join(args))
        try:
            return json.loads(out)
        except ValueError as e:
            shown = {} if kwargs.get('secret') else dict(stdout=out)
            self.module.fail_json(msg='%s: pelmora printed no JSON (%s)' % (' '.join(args), e), **shown)
