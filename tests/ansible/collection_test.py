#!/usr/bin/env python3
"""The pelmora.printers collection through ansible-playbook against pelmora-sim printers.

Usage: collection_test.py PELMORA PELMORA_SIM COLLECTIONS_DIR
Three virtual printers from one pelmora-sim --count, and a fourth host whose printer does not
answer; each host runs its modules locally.
"""
import json
import os
import re
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
PELMORA, SIM, COLLECTIONS = (os.path.abspath(a) for a in sys.argv[1:4])
PRINTERS = 3
RUN_SECONDS = 300
# Long enough that no temporary name or number in -vvv output holds one by chance.
FLEET_PIN, PROFILE_PIN, REFUSED_PIN = '3141592653', '2718281828', '1618033988'


def tiny_bmp(path, square=True):
    """An 8 x 8 24-bit bitmap (rows of 24 bytes need no padding), a black square on white, or the reverse."""
    pixels = b''.join((b'\0\0\0' if (2 <= x < 6 and 2 <= y < 6) == square else b'\xff\xff\xff')
                      for y in range(8) for x in range(8))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, 8, 8, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


class Collection(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.mkdtemp(prefix='pelmora-ansible-')
        d = cls.dir
        cls.states = os.path.join(d, 'states')
        cls.sim = subprocess.Popen([SIM, '--listen', '127.0.0.1:0', '--count', str(PRINTERS), '--state', cls.states],
                                   stdout=subprocess.PIPE, text=True)
        addresses = [cls.sim.stdout.readline().split('listening on ')[-1].strip() for _ in range(PRINTERS)]
        cls.sim.stdout.close()
        cls.hosts = ['printer%d tcp=%s' % (i + 1, a) for i, a in enumerate(addresses)]
        cls.hosts.append('silent tcp=127.0.0.1:%d' % free_port())  # nothing listens there
        with open(os.path.join(d, 'inventory'), 'w') as f:
            f.write('[printers]\n' + '\n'.join(cls.hosts) + '\n\n[printers:vars]\nansible_connection=local\n'
                    'ansible_python_interpreter=%s\n' % sys.executable)
        tiny_bmp(os.path.join(d, 'logo.bmp'))
        tiny_bmp(os.path.join(d, 'other.bmp'), square=False)
        os.mkdir(os.path.join(d, 'records'))
        os.mkdir(os.path.join(d, 'home'))
        with open(os.path.join(d, 'other.json'), 'w') as f:
            json.dump({'TimeOff': 30, 'printer': {'ModelName': 'MPT-Q800VII', 'FirmwareVersion': 160902}}, f)
        with open(os.path.join(d, 'pin.json'), 'w') as f:
            json.dump({'BtPinCode': PROFILE_PIN}, f)
        cls.env = dict(os.environ, HOME=os.path.join(d, 'home'), ANSIBLE_COLLECTIONS_PATH=COLLECTIONS,
                       ANSIBLE_LOCAL_TEMP=os.path.join(d, 'tmp'), ANSIBLE_REMOTE_TEMP=os.path.join(d, 'tmp'),
                       ANSIBLE_CONFIG=os.path.join(d, 'none.cfg'), ANSIBLE_NOCOLOR='1', ANSIBLE_FORKS='4',
                       ANSIBLE_RETRY_FILES_ENABLED='0', ANSIBLE_GATHERING='explicit',
                       PELMORA_REGISTRY=os.path.join(d, 'registry.reg'))

    @classmethod
    def tearDownClass(cls):
        cls.sim.send_signal(signal.SIGTERM)
        cls.sim.wait(30)
        shutil.rmtree(cls.dir)

    def play(self, playbook, *options, hosts=None):
        """(stdout and stderr, the recap of each host); with hosts, on those only"""
        d = self.dir
        # key=value extra variables arrive as text, as a number typed on the command line does.
        extra = dict(pelmora=PELMORA, logo=os.path.join(d, 'logo.bmp'), other_logo=os.path.join(d, 'other.bmp'),
                     record_dir=os.path.join(d, 'records'), other_model_profile=os.path.join(d, 'other.json'),
                     pin_profile=os.path.join(d, 'pin.json'), density='5', pin=FLEET_PIN, refused_pin=REFUSED_PIN)
        run = subprocess.run(['ansible-playbook', '-i', os.path.join(d, 'inventory'), os.path.join(HERE, playbook),
                              '-e', ' '.join('%s=%s' % item for item in sorted(extra.items()))] + list(options) +
                             (['--limit', ','.join(hosts)] if hosts else []),
                             cwd=d, env=self.env, capture_output=True, text=True, timeout=RUN_SECONDS)
        recap = dict((m.group(1), dict(ok=int(m.group(2)), changed=int(m.group(3)), failed=int(m.group(4))))
                     for m in re.finditer(r'^(\S+)\s*:\s*ok=(\d+)\s+changed=(\d+)\s+unreachable=\d+\s+failed=(\d+)',
                                          run.stdout, re.M))
        self.assertEqual(sorted(recap), sorted(hosts or [h.split()[0] for h in self.hosts]), run.stdout + run.stderr)
        return run.stdout + run.stderr, recap

    def assertHidden(self, pin, out):
        self.assertEqual([line for line in out.splitlines() if pin in line], [], 'a PIN in the output')

    def states_now(self):
        # The simulator writes a printer's file, through a temporary one, after the client has gone.
        def read(name):
            with open(os.path.join(self.states, name), 'rb') as f:
                return f.read()
        deadline = time.monotonic() + 10
        while True:
            names = sorted(os.listdir(self.states))
            if (len(names) == PRINTERS and not any('.tmp.' in n for n in names)) or time.monotonic() > deadline:
                break
            time.sleep(0.05)
        return dict((name, read(name)) for name in names if '.tmp.' not in name)

    def test_fleet(self):
        # Each step stands on the one before: one test, in order.
        # A printer's state file appears after its first connection.
        fleet = sum((['--tcp', host.split('=')[1]] for host in self.hosts[:PRINTERS]), [])
        subprocess.run([PELMORA] + fleet + ['identify'], env=self.env, capture_output=True, timeout=RUN_SECONDS, check=True)
        before = self.states_now()
        out, recap = self.play('fleet.yml', '--check', '--diff', '-vvv')
        self.assertEqual(self.states_now(), before, 'check mode wrote to a printer')
        for i in range(PRINTERS):
            self.assertEqual(recap['printer%d' % (i + 1)], dict(ok=2, changed=2, failed=0), out)
        self.assertRegex(out, r'\n-Auto Power Off Time \(Not Connected\) : 15 min\n(.*\n)*\+Auto Power Off Time \(Not Connected\) : 30 min\n')
        self.assertIn('+L1', out)
        self.assertHidden(FLEET_PIN, out)

        out, recap = self.play('fleet.yml', '--diff', '-vvv')
        for i in range(PRINTERS):
            self.assertEqual(recap['printer%d' % (i + 1)], dict(ok=4, changed=2, failed=0), out)
        self.assertEqual(recap['silent'], dict(ok=0, changed=0, failed=1), out)
        self.assertIn('Port open error!', out)
        self.assertHidden(FLEET_PIN, out)

        # Again: the printers hold the words' values, the PIN and the logo, so nothing changes.
        out, recap = self.play('fleet.yml')
        for i in range(PRINTERS):
            self.assertEqual(recap['printer%d' % (i + 1)], dict(ok=4, changed=0, failed=0), out)

        before = self.states_now()
        out, recap = self.play('other_model.yml')
        for i in range(PRINTERS):
            self.assertEqual(recap['printer%d' % (i + 1)]['failed'], 1, out)
        self.assertIn('MPT-Q800VII', out)
        self.assertEqual(self.states_now(), before)

        # Last, printer1 holds L1 and its record.
        out, recap = self.play('edges.yml', '--diff', '-vvv', hosts=['printer1'])
        # Changed: the PIN from the profile and L1; the two tasks that failed as they should count as ok.
        self.assertEqual(recap['printer1'], dict(ok=7, changed=2, failed=0), out)
        self.assertIn('+L1 (new image: %s)' % os.path.join(self.dir, 'other.bmp'), out)
        for pin in (PROFILE_PIN, REFUSED_PIN):
            self.assertHidden(pin, out)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
