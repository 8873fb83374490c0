#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright: Pelmora developers
# SPDX-License-Identifier: Apache-2.0
from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
---
module: pelmora_nv
short_description: Keep the logo images a printer holds in NV memory
description:
  - Makes the printer hold the given image files under the given address codes. A code the printer
    does not hold is downloaded; with I(delete_unlisted), a code it holds that is not listed is deleted.
  - The printer cannot hand an image back, so a code it holds counts as in place unless I(record) says
    that its file or brightness changed since it was downloaded; then it is deleted and downloaded again.
  - Every code, image and the I(record) are checked before anything is sent, so an unreadable file or
    a bad code fails the task with the printer unchanged.
  - In diff mode the codes are listed before and after; a code whose image is downloaded names its file.
options:
  images:
    description: The images the printer should hold.
    type: list
    elements: dict
    default: []
    suboptions:
      code:
        description: Address code, exactly two characters (Latin-1).
        type: str
        required: true
      file:
        description: Image file on the managed host (BMP, PNG, JPEG, GIF, ...).
        type: path
        required: true
      brightness:
        description: Brightness of the conversion to black and white, as C(pelmora nv download --brightness).
        type: int
        default: 0
      dither:
        description:
          - How shades become dots, as C(pelmora nv download --dither).
          - V(pattern) is the windows' conversion, for logos; V(floyd-steinberg) and V(atkinson) suit photos.
        type: str
        choices: [pattern, floyd-steinberg, atkinson]
        default: pattern
  delete_unlisted:
    description: Delete the images stored under codes that I(images) does not list.
    type: bool
    default: false
  record:
    description:
      - A JSON file on the managed host, one per printer, that remembers a digest of each image
        downloaded under each code, so that a changed file is downloaded again.
      - Without it, an image is downloaded only when its code is missing.
    type: path
extends_documentation_fragment:
  - pelmora.printers.connection
notes:
  - Supports check mode and diff mode.
author:
  - Pelmora developers (!UNKNOWN)
'''

EXAMPLES = r'''
- name: The shop's two logos, and nothing else
  pelmora.printers.pelmora_nv:
    tcp: 10.0.12.21
    images:
      - {code: "L1", file: /etc/pelmora/logo.png}
      - {code: "L2", file: /etc/pelmora/coupon.bmp, brightness: 2}
      - {code: "P1", file: /etc/pelmora/shopfront.jpg, dither: atkinson}
    delete_unlisted: true
    record: "/var/lib/pelmora/{{ inventory_hostname }}-nv.json"
'''

RETURN = r'''
codes:
  description: The codes the printer holds afterwards (in check mode, would hold).
  returned: always
  type: list
  elements: str
downloaded:
  description: Codes downloaded (in check mode, that would be).
  returned: always
  type: list
  elements: str
deleted:
  description: Codes deleted (in check mode, that would be), those replaced included.
  returned: always
  type: list
  elements: str
'''

import hashlib
import json
import os
import stat

from ansible.module_utils.common.text.converters import to_text
from ansible_collections.pelmora.printers.plugins.module_utils.pelmora import (
    OK, REFUSED, Pelmora, PelmoraModule, module_kwargs, module_options)


def digest(image):
    sha = hashlib.sha256()
    with open(image['file'], 'rb') as f:
        for block in iter(lambda: f.read(1 << 16), b''):
            sha.update(block)
    # The pattern conversion keeps the digest earlier records hold.
    kind = '' if image['dither'] == 'pattern' else ',' + image['dither']
    return '%s,%d%s' % (sha.hexdigest(), image['brightness'], kind)


def check_code(module, code):
    # pelmora's rule; checked here because it would refuse a bad code only when its turn came, after deletions.
    code = to_text(code)
    if len(code) != 2 or any(ord(c) > 255 for c in code):
        module.fail_json(msg="images: an address code has exactly two characters (Latin-1), not '%s'" % code)


def check_record(module, path):
    if not path:
        return
    folder = os.path.dirname(os.path.abspath(path))
    if not os.path.isdir(folder):
        module.fail_json(msg='record %s: no folder %s to keep it in' % (path, folder))
    if os.path.lexists(path) and not stat.S_ISREG(os.stat(path).st_mode):
        module.fail_json(msg='record %s: not a regular file' % path)  # a FIFO would never end


def load_record(module, path):
    if not path or not os.path.exists(path):
        return {}
    try:
        with open(path) as f:
            record = json.load(f)
    except (IOError, OSError, ValueError) as e:
        module.fail_json(msg='record %s: %s' % (path, e))
    return record if isinstance(record, dict) else {}


def save_record(path, record):
    """None, or why the record could not be written."""
    if not path:
        return None
    temporary = path + '.tmp'
    try:
        with open(temporary, 'w') as f:
            json.dump(record, f, indent=2, sort_keys=True)
        os.rename(temporary, path)
    except (IOError, OSError) as e:
        return 'record %s: %s' % (path, e)
    return None


def convert_all(module, pelmora, images):
    """Every file converted before anything is sent; the digest of each by its code."""
    digests = {}
    for image in images:
        status, out, err = pelmora.run('nv', 'preview', image['file'], '--brightness', str(image['brightness']),
                                       '--dither', image['dither'], '--out', os.path.join(module.tmpdir, 'preview.png'))
        if status != OK:
            pelmora.fail(status, err, 'image %s for code %s' % (image['file'], image['code']))
        digests[image['code']] = digest(image)
    return digests


def apply_changes(pelmora, record_path, record, digests, delete, download):
    """Deletes, then downloads; on a failure the record keeps what the printer now holds."""
    changed = False

    def failed(status, err, what):
        problem = save_record(record_path, record)
        if problem:
            pelmora.module.warn(problem)
        # Status 2: refused before anything was sent.
        pelmora.fail(status, err, what, changed=changed or status != REFUSED)

    for code in delete:
        status, out, err = pelmora.run('nv', 'delete', code)
        record.pop(code, None)
        if status != OK:
            failed(status, err, 'nv delete %s' % code)
        changed = True
    for image in download:
        code = image['code']
        status, out, err = pelmora.run('nv', 'download', '--code', code, '--brightness', str(image['brightness']),
                                       '--dither', image['dither'], image['file'])
        if status != OK:
            failed(status, err, 'nv download %s' % code)
        changed = True
        record[code] = digests[code]


def main():
    module = PelmoraModule(
        argument_spec=module_options(
            images=dict(type='list', elements='dict', default=[], options=dict(
                code=dict(type='str', required=True),
                file=dict(type='path', required=True),
                brightness=dict(type='int', default=0),
                dither=dict(type='str', default='pattern', choices=['pattern', 'floyd-steinberg', 'atkinson']))),
            delete_unlisted=dict(type='bool', default=False),
            record=dict(type='path'),
        ),
        supports_check_mode=True,
        **module_kwargs())
    pelmora = Pelmora(module)
    images = module.params['images']
    for image in images:
        check_code(module, image['code'])
    listed = dict((image['code'], image) for image in images)
    if len(listed) != len(images):
        module.fail_json(msg='images: a code is listed twice')
    record_path = module.params['record']
    check_record(module, record_path)
    record = load_record(module, record_path)

    digests = convert_all(module, pelmora, images)

    held = pelmora.json('nv', 'list', '--json')
    replaced = [c for c in held if c in listed and record_path and record.get(c) != digests[c]]
    unlisted = [c for c in held if c not in listed] if module.params['delete_unlisted'] else []
    download = [image['code'] for image in images if image['code'] not in held or image['code'] in replaced]
    delete = unlisted + replaced
    after = [c for c in held if c not in unlisted] + [c for c in download if c not in held]

    result = dict(changed=bool(download or delete), codes=after, downloaded=download, deleted=delete)
    if module._diff:
        # A replaced image keeps its code: only its file tells the two sides apart.
        result['diff'] = dict(before=''.join(c + '\n' for c in held),
                              after=''.join(c + (' (new image: %s)' % listed[c]['file'] if c in download else '') + '\n'
                                            for c in after))
    if module.check_mode or not result['changed']:
        if record_path and not module.check_mode and record != digests:
            problem = save_record(record_path, digests)
            if problem:
                module.fail_json(msg=problem)
        module.exit_json(**result)

    apply_changes(pelmora, record_path, record, digests, delete, [listed[code] for code in download])
    problem = save_record(record_path, digests)
    if problem:
        module.fail_json(msg='the printer was changed, but %s' % problem, **result)
    module.exit_json(**result)


if __name__ == '__main__':
    main()
