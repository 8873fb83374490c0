#!/usr/bin/env python3
"""Offline sanity checks of the pelmora.printers collection.

Usage: sanity.py [COLLECTION_DIR]   (default: the collection under integrations/ansible)

`ansible-test sanity` installs validate-modules, pep8, yamllint, runtime-metadata and ansible-doc
into virtual environments from the network; here those run on the Python that ansible runs on,
as ansible-test runs them (same settings, same ignore file), and ansible-test itself runs the rest.
ansible-lint adds its own rules and lints the test playbooks beside this script. Needs ansible-core,
ansible-lint, yamllint, python3-voluptuous and python3-pycodestyle (Debian packages).

The collection is copied to a temporary tree first: the tools leave results and caches beside it.
"""
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
COLLECTION = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    HERE, '..', '..', 'integrations', 'ansible', 'ansible_collections', 'pelmora', 'printers'))
NAME = 'pelmora.printers'
# Run below in place of ansible-test's own, which need the network; pylint and import are not run.
NEEDS_NETWORK = ['ansible-doc', 'import', 'pep8', 'pylint', 'runtime-metadata', 'validate-modules', 'yamllint']


def run(cmd, **kwargs):
    return subprocess.run(cmd, capture_output=True, text=True, timeout=300, **kwargs)


def ansible_python():
    """(interpreter, 'MAJOR.MINOR' of ansible-core, its Python's 'MAJOR.MINOR')"""
    out = run(['ansible', '--version']).stdout
    python = re.search(r'python version = ([0-9]+\.[0-9]+).*\((/[^)]+)\)\s*$', out, re.M)
    core = re.search(r'\[core ([0-9]+\.[0-9]+)', out)
    if not python or not core:
        sys.exit('sanity.py: `ansible --version` names no Python or core version:\n' + out)
    return python.group(2), core.group(1), python.group(1)


class Sanity(object):
    def __init__(self, work):
        self.python, self.core, self.python_version = ansible_python()
        self.tree = os.path.join(work, 'ansible_collections', 'pelmora', 'printers')
        shutil.copytree(COLLECTION, self.tree, ignore=shutil.ignore_patterns('output', '__pycache__', '.cache'))
        self.env = dict(os.environ, ANSIBLE_COLLECTIONS_PATH=work, ANSIBLE_NOCOLOR='1',
                        ANSIBLE_LOCAL_TEMP=os.path.join(work, 'tmp'), ANSIBLE_DEPRECATION_WARNINGS='0')
        self.sanity_root = os.path.join(run([self.python, '-c', 'import ansible_test, os; print(os.path.dirname('
                                             'ansible_test.__file__))']).stdout.strip(), '_util', 'controller', 'sanity')
        ignore = os.path.join(self.tree, 'tests', 'sanity', 'ignore-%s.txt' % self.core)
        self.ignored = set()
        if os.path.exists(ignore):
            with open(ignore) as f:
                self.ignored = set(tuple(line.split('#')[0].split()[:2]) for line in f if line.split('#')[0].strip())
        self.work = work

    def files(self, *patterns):
        return sorted(os.path.relpath(p, self.tree) for pattern in patterns
                      for p in glob.glob(os.path.join(self.tree, pattern), recursive=True))

    def in_tree(self, cmd, **kwargs):
        return run(cmd, cwd=self.tree, env=self.env, **kwargs)

    # Each check returns the problems it found, as text; empty when it passed.

    def ansible_test(self):
        skips = sum((['--skip-test', test] for test in NEEDS_NETWORK), [])
        r = self.in_tree(['ansible-test', 'sanity', '--color', 'no', '--python', self.python_version] + skips)
        return '' if r.returncode == 0 else r.stdout + r.stderr

    def validate_modules(self):
        version = re.search(r'^version:\s*(\S+)', open(os.path.join(self.tree, 'galaxy.yml')).read(), re.M).group(1)
        r = self.in_tree([self.python, os.path.join(self.sanity_root, 'validate-modules', 'validate.py'),
                          '--format', 'json', '--arg-spec', '--collection', 'ansible_collections/pelmora/printers',
                          '--collection-version', version] + self.files('plugins/modules/*.py'))
        if r.returncode not in (0, 3) or r.stderr:
            return r.stdout + r.stderr
        problems = []
        for path, found in sorted(json.loads(r.stdout).items()):
            for error in found['errors']:
                if (path, 'validate-modules:' + error['code']) not in self.ignored:
                    problems.append('%s:%s: %s: %s' % (path, error.get('line', 0), error['code'], error['msg']))
        return '\n'.join(problems)

    def pep8(self):
        with open(os.path.join(self.sanity_root, 'pep8', 'current-ignore.txt')) as f:
            ignore = sorted(line.strip() for line in f if line.strip() and not line.startswith('#'))
        r = self.in_tree([self.python, '-m', 'pycodestyle', '--max-line-length', '160', '--config', '/dev/null',
                          '--ignore', ','.join(ignore)] + self.files('**/*.py'))
        return '' if r.returncode == 0 and not r.stderr else r.stdout + r.stderr

    def yamllint(self):
        paths = self.files('**/*.yml', '**/*.yaml', 'plugins/modules/*.py', 'plugins/inventory/*.py', 'plugins/doc_fragments/*.py')
        r = self.in_tree([self.python, os.path.join(self.sanity_root, 'yamllint', 'yamllinter.py')], input='\n'.join(paths))
        if r.returncode != 0 or r.stderr:
            return r.stdout + r.stderr
        return '\n'.join('%s:%s: %s' % (m['path'], m['line'], m['message']) for m in json.loads(r.stdout)['messages'])

    def runtime_metadata(self):
        r = self.in_tree([self.python, os.path.join(self.sanity_root, 'code-smell', 'runtime-metadata.py'),
                          'meta/runtime.yml'])
        return '' if r.returncode == 0 and not r.stdout and not r.stderr else r.stdout + r.stderr

    def ansible_doc(self):
        problems = []
        for kind, plugin in [(kind, path) for kind, folder in (('module', 'modules'), ('inventory', 'inventory'))
                             for path in self.files('plugins/%s/*.py' % folder)]:
            name = '%s.%s' % (NAME, os.path.splitext(os.path.basename(plugin))[0])
            r = self.in_tree(['ansible-doc', '--json', '-t', kind, name])
            try:
                documented = json.loads(r.stdout)[name]['doc']['options']
            except (ValueError, KeyError, TypeError):
                documented = None
            if r.returncode != 0 or r.stderr or not documented:
                problems.append('%s: %s' % (name, r.stderr.strip() or 'no options documented'))
        return '\n'.join(problems)

    def ansible_lint(self):
        r = self.in_tree(['ansible-lint', '--nocolor', '--offline'])
        problems = '' if r.returncode == 0 else r.stdout + r.stderr
        playbooks = os.path.join(self.work, 'playbooks')
        os.mkdir(playbooks)
        for playbook in glob.glob(os.path.join(HERE, '*.yml')):
            shutil.copy(playbook, playbooks)
        r = run(['ansible-lint', '--nocolor', '--offline'] + sorted(os.listdir(playbooks)), cwd=playbooks, env=self.env)
        return problems + ('' if r.returncode == 0 else r.stdout + r.stderr)


def main():
    checks = ['ansible_test', 'validate_modules', 'pep8', 'yamllint', 'runtime_metadata', 'ansible_doc', 'ansible_lint']
    work = tempfile.mkdtemp(prefix='pelmora-sanity-')
    try:
        sanity = Sanity(work)
        failed = 0
        for check in checks:
            try:
                problems = getattr(sanity, check)()
            except (OSError, subprocess.SubprocessError) as e:
                problems = str(e)
            print('%s %s' % ('FAIL' if problems else 'PASS', check.replace('_', '-')))
            if problems:
                failed += 1
                print('  ' + problems.strip().replace('\n', '\n  '))
        print('%d passed, %d failed' % (len(checks) - failed, failed))
        return 1 if failed else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == '__main__':
    sys.exit(main())
