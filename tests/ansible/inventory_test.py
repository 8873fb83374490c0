#!/usr/bin/env python3
"""The pelmora.printers.discover inventory plugin through ansible-inventory and ansible-playbook.

Usage: inventory_test.py PELMORA PELMORA_SIM COLLECTIONS_DIR
Printers of pelmora-sim on 127.0.0.2-4 (one with older firmware) and something else on 127.0.0.5;
a stand-in for pelmora gives what a machine's own ports and failed searches print.
"""
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
PELMORA, SIM, COLLECTIONS = (os.path.abspath(a) for a in sys.argv[1:4])
RUN_SECONDS = 120
OLD_VERSION = 'V1.00 010516'
# Rows as pelmora prints them, with the host each must make and how the modules reach it: an address
# or host name, the port when not the searched one, the address when the name is taken; this machine's
# ports by device; a link the modules do not take is left out.
ROWS = [
    (dict(printer='tcp 10.0.0.5:9100', link='tcp', address='10.0.0.5', port=9100), '10.0.0.5', dict(tcp='10.0.0.5:9100')),
    (dict(printer='tcp 10.0.0.6:9101', link='tcp', address='10.0.0.6', port=9101), '10.0.0.6:9101', dict(tcp='10.0.0.6:9101')),
    (dict(printer='tcp 10.0.0.7:9100', link='tcp', address='10.0.0.7', port=9100, host='till.example'), 'till.example',
     dict(tcp='10.0.0.7:9100')),
    (dict(printer='tcp [fe80::7]:9100', link='tcp', address='fe80::7', port=9100, host='till.example'), 'fe80::7',
     dict(tcp='[fe80::7]:9100')),
    (dict(printer='serial /dev/ttyUSB0 baud=9600', link='serial', device='/dev/ttyUSB0', baud=9600), '/dev/ttyUSB0',
     dict(serial='/dev/ttyUSB0', baud=9600)),
    (dict(printer='bluetooth /dev/rfcomm0 baud=115200', link='bluetooth', device='/dev/rfcomm0', baud=115200), '/dev/rfcomm0',
     dict(bluetooth='/dev/rfcomm0', baud=115200)),
    (dict(printer='usb /dev/usb/lp0', link='usb', device='/dev/usb/lp0'), '/dev/usb/lp0', dict(usb='/dev/usb/lp0')),
    (dict(printer='carrier-pigeon loft', link='carrier-pigeon', device='loft'), None, None),
]
IDENTITY = dict(ModelName='MPT-Q700VII', ModelCode=703, VersionText='V1.00 090216', FirmwareVersion=160902)


class Inventory(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp(prefix='pelmora-inventory-')
        cls.sims = []
        cls.port = cls.start_sim('127.0.0.2:0')  # the others take the port it was given
        for n, more in ((3, []), (4, ['--version-text', OLD_VERSION]), (5, ['--garbage'])):
            cls.start_sim('127.0.0.%d:%d' % (n, cls.port), *more)
        os.mkdir(os.path.join(cls.dir, 'home'))
        cls.env = dict(os.environ, HOME=os.path.join(cls.dir, 'home'), ANSIBLE_COLLECTIONS_PATH=COLLECTIONS,
                       ANSIBLE_LOCAL_TEMP=os.path.join(cls.dir, 'tmp'), ANSIBLE_CONFIG=os.path.join(cls.dir, 'none.cfg'),
                       ANSIBLE_NOCOLOR='1', ANSIBLE_RETRY_FILES_ENABLED='0', ANSIBLE_INVENTORY_UNPARSED_FAILED='1')

    @classmethod
    def tearDownClass(cls):
        cls.stop_sims()
        shutil.rmtree(cls.dir)

    @classmethod
    def start_sim(cls, listen, *more):
        """The port it listens on, once it does."""
        sim = subprocess.Popen([SIM, '--listen', listen] + list(more), stdout=subprocess.PIPE, text=True)
        cls.sims.append(sim)
        port = int(sim.stdout.readline().rsplit(':', 1)[1])
        sim.stdout.close()
        return port

    @classmethod
    def stop_sims(cls):
        for sim in cls.sims:
            sim.send_signal(signal.SIGTERM)  # nothing when it has ended
            sim.wait(30)

    def source(self, name, **options):
        path = os.path.join(self.dir, name)
        with open(path, 'w') as f:
            json.dump(dict(plugin='pelmora.printers.discover', **options), f)  # JSON is YAML
        return path

    def stand_in(self, name, out, err='', status=0):
        """A pelmora that keeps its arguments in NAME.args and prints OUT and ERR."""
        path = os.path.join(self.dir, name)
        for ext, text in (('.out', out), ('.err', err)):
            with open(path + ext, 'w') as f:
                f.write(text)
        with open(path, 'w') as f:
            f.write('#!/bin/sh\nprintf "%%s\\n" "$@" > "$0.args"\ncat "$0.out"\ncat "$0.err" >&2\nexit %d\n' % status)
        os.chmod(path, 0o755)
        return path

    def listed(self, source, fails=False):
        """What ansible-inventory lists; with fails, the messages of its failure on one line."""
        run = subprocess.run(['ansible-inventory', '-i', source, '--list'], cwd=self.dir, env=self.env,
                             capture_output=True, text=True, timeout=RUN_SECONDS)
        self.assertEqual(run.returncode != 0, fails, run.stderr)
        return ' '.join(run.stderr.split()) if fails else json.loads(run.stdout)

    def play(self, source, *options):
        """(ok, failed) of each host of a discovered.yml run"""
        run = subprocess.run(['ansible-playbook', '-i', source, os.path.join(HERE, 'discovered.yml')] + list(options),
                             cwd=self.dir, env=self.env, capture_output=True, text=True, timeout=RUN_SECONDS)
        self.assertEqual(run.returncode, 0, run.stdout + run.stderr)
        return dict((host, (int(ok), int(failed))) for host, ok, failed in
                    re.findall(r'^(\S+)\s*:\s*ok=(\d+)\s.*\sfailed=(\d+)', run.stdout, re.M))

    @staticmethod
    def members(listed, group):
        return sorted(listed.get(group, {}).get('hosts', []))

    def test_search_play_and_cache(self):
        source = self.source('shop.pelmora.yml', targets=['127.0.0.2-5'], port=self.port, pelmora=PELMORA,
                             cache=True, cache_plugin='ansible.builtin.jsonfile',
                             cache_connection=os.path.join(self.dir, 'cache'),
                             keyed_groups=[dict(key='pelmora_model', prefix='model')])
        listed = self.listed(source)
        printers = ['127.0.0.2', '127.0.0.3', '127.0.0.4']
        self.assertEqual(self.members(listed, 'pelmora_printers'), printers)
        self.assertEqual(self.members(listed, 'model_MPT_Q700VII'), printers)
        firmware = dict((group, self.members(listed, group)) for group in listed if group.startswith('pelmora_firmware_'))
        self.assertEqual(firmware, {'pelmora_firmware_160902': printers[:2], 'pelmora_firmware_101001': printers[2:]})
        self.assertEqual(listed['_meta']['hostvars']['127.0.0.4']['pelmora_version_text'], OLD_VERSION)
        first = listed['_meta']['hostvars']['127.0.0.2']
        self.assertEqual(first['pelmora_connection'], dict(tcp='127.0.0.2:%d' % self.port, pelmora_path=PELMORA))
        self.assertEqual((first['pelmora_model'], first['pelmora_model_code'], first['ansible_connection']),
                         ('MPT-Q700VII', IDENTITY['ModelCode'], 'local'))

        self.assertEqual(self.play(source), dict((host, (2, 0)) for host in printers))

        # The printers are gone: the cache still lists them, and a new search (which updates it) does not.
        self.stop_sims()
        self.assertEqual(self.listed(source)['_meta']['hostvars'], listed['_meta']['hostvars'])
        self.assertEqual(self.play(source, '--flush-cache'), {})
        self.assertEqual(self.members(self.listed(source), 'pelmora_printers'), [])

    def test_names_and_links(self):
        pelmora = self.stand_in('local-pelmora', json.dumps(dict(
            found=[dict(row, **IDENTITY) for row, _, _ in ROWS], tried=9, total=9, interrupted=False)))
        listed = self.listed(self.source('local.pelmora.yml', targets=['10.0.0.5-7', 'till.example'], local=True, pelmora=pelmora))
        with open(pelmora + '.args') as f:
            self.assertEqual(f.read().split('\n'), ['discover', '--json', '--port', '9100', '--local', '--',
                                                     '10.0.0.5-7', 'till.example', ''])
        self.assertEqual(dict((host, found['pelmora_connection']) for host, found in listed['_meta']['hostvars'].items()),
                         dict((host, dict(connection, pelmora_path=pelmora)) for _, host, connection in ROWS if host))

    def test_failed_searches(self):
        interrupted = json.dumps(dict(found=[dict(ROWS[0][0], **IDENTITY)], tried=1, total=9, interrupted=True))
        for name, options, message in [
                ('wide', dict(targets=['127.0.0.0/8'], pelmora=PELMORA), r'pelmora: discover: .127.0.0.0/8. .*needs --force'),
                ('stopped', dict(local=True, pelmora=self.stand_in(
                    'stopped-pelmora', interrupted, 'pelmora: interrupted; what was found so far is listed\n', 1)),
                 r'pelmora: interrupted; what was found so far is listed'),
                ('missing', dict(targets=['127.0.0.2'], pelmora=os.path.join(self.dir, 'nowhere')),
                 r'cannot run .*nowhere: No such file')]:
            with self.subTest(name):
                self.assertRegex(self.listed(self.source(name + '.pelmora.yml', **options), fails=True), message)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
