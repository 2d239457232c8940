#!/usr/bin/python
# -*- coding: utf-8 -*-

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: fleet_settings
short_description: Give many ZAV readers their settings in one zavctl run
description:
  - Does for a whole batch of readers what M(zav.readers.settings) does for one, in one C(zavctl apply)
    over a CSV of the readers and their wanted settings on standard input. zavctl serves I(jobs) readers
    at once, and Ansible runs one module for the batch instead of one for each reader, which is what
    takes the time in a large fleet.
  - Run it once per batch, on the batch's first host (C(when), with the batch's readers from
    C(ansible_play_batch)), then M(zav.readers.reader_result) on every host to report each reader as its
    own host, changed or failed. Prefer that C(when) to C(run_once), which copies the whole result into
    every host's variables and makes a batch of hundreds take minutes.
  - A reader that fails does not fail this task; its result says why. The task fails only when zavctl
    refuses the input (a bad value, two hosts with one reader address), and then nothing was sent.
  - All the readers of one run share one password. Readers with I(port) run in one zavctl run per port.
version_added: 2.2.0
author: ZAV support
extends_documentation_fragment:
  - zav.readers.connection
options:
  readers:
    description:
      - The readers and the settings each one should hold. Each item takes the options of
        M(zav.readers.settings) that name settings (I(identifier), I(mode), I(server_address), ...),
        and the following.
    type: list
    elements: dict
    required: true
    suboptions:
      name:
        description: The inventory host that stands for the reader; its result is found under this name.
        type: str
        required: true
      reader:
        description: The reader's address.
        type: str
        required: true
      port:
        description:
          - The control port that zavctl connects to; when not given, zavctl's own default (87).
          - A reader that should get a new I(control_port) needs it.
        type: int
      identifier:
        description: As in M(zav.readers.settings).
        type: str
      address:
        description: As in M(zav.readers.settings).
        type: str
      data_port:
        description: As in M(zav.readers.settings).
        type: int
      udp_port:
        description: As in M(zav.readers.settings).
        type: int
      control_port:
        description: As in M(zav.readers.settings).
        type: int
      subnet_mask:
        description: As in M(zav.readers.settings).
        type: str
      gateway:
        description: As in M(zav.readers.settings).
        type: str
      server_address:
        description: As in M(zav.readers.settings).
        type: str
      server_port:
        description: As in M(zav.readers.settings).
        type: int
      mode:
        description: As in M(zav.readers.settings).
        type: str
        choices: [server, client, udp]
      client_send_id:
        description: As in M(zav.readers.settings).
        type: bool
      speed:
        description: As in M(zav.readers.settings).
        type: str
        choices: [10hd, 10fd, 100hd, 100fd, auto]
      dhcp:
        description: As in M(zav.readers.settings).
        type: bool
      data_password:
        description: As in M(zav.readers.settings).
        type: bool
  reboot:
    description:
      - C(when_changed) restarts each reader that was changed, once its settings are written.
    type: str
    choices: [never, when_changed]
    default: never
  jobs:
    description: How many readers zavctl serves at the same time (1 to 1024); when not given, zavctl's default.
    type: int
attributes:
  check_mode:
    support: full
    description: Runs C(zavctl apply --check), which reads and compares and sends nothing past STAT.
  diff_mode:
    support: none
    description: M(zav.readers.reader_result) shows each reader's diff.
'''

EXAMPLES = r'''
- name: Give the batch's readers their settings in one zavctl run
  zav.readers.fleet_settings:
    readers: "{{ ansible_play_batch | map('extract', hostvars, 'zav_wanted') | list }}"
    password: "{{ zav_password }}"
    reboot: when_changed
  when: inventory_hostname == ansible_play_batch[0]
  register: zav_fleet

- name: Report each reader
  zav.readers.reader_result:
    results: "{{ hostvars[ansible_play_batch[0]].zav_fleet }}"
'''

RETURN = r'''
changed:
  description: Whether any reader was changed; in check mode whether any would be.
  returned: always
  type: bool
readers:
  description:
    - Each reader's result by I(name), with the keys that M(zav.readers.settings) returns (I(changed),
      I(changes), I(applied), I(failed_at), I(result)) and I(reader), I(ok) and, for a reader that failed,
      I(msg), zavctl's message.
  returned: always
  type: dict
  sample: {"north-dock-01": {"reader": "10.20.1.11", "ok": true, "changed": true,
           "changes": {"server_port": {"old": "4000", "new": "4100"}},
           "applied": ["SPRT"], "failed_at": "", "result": "1 settings written, rebooting"}}
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.zav.readers.plugins.module_utils.zavctl import (
    SETTINGS_ARGUMENT_SPEC, ZAVCTL_ARGUMENT_SPEC, Zavctl, changes_by_option, csv_of)


def messages_by_reader(err):
    """zavctl's lines "zavctl: ADDRESS: message" by address."""
    messages = {}
    for line in err.splitlines():
        parts = line.split(': ', 2)
        if len(parts) == 3 and parts[0] == 'zavctl':
            messages.setdefault(parts[1], []).append(line.strip())
    return dict((reader, ' '.join(lines)) for reader, lines in messages.items())


def main():
    reader_spec = dict(
        name=dict(type='str', required=True),
        reader=dict(type='str', required=True),
        port=dict(type='int'),
    )
    reader_spec.update(SETTINGS_ARGUMENT_SPEC)
    argument_spec = dict(ZAVCTL_ARGUMENT_SPEC)
    argument_spec.update(
        readers=dict(type='list', elements='dict', required=True, options=reader_spec),
        reboot=dict(type='str', choices=['never', 'when_changed'], default='never'),
        jobs=dict(type='int'),
    )
    module = AnsibleModule(argument_spec=argument_spec, supports_check_mode=True)
    params = module.params
    readers = params['readers']

    seen = {}
    for reader in readers:
        if reader['reader'] in seen:
            module.fail_json(msg='%s and %s name the same reader %s' % (seen[reader['reader']], reader['name'],
                                                                       reader['reader']))
        seen[reader['reader']] = reader['name']
        if reader['control_port'] is not None and reader['port'] is None:
            module.fail_json(msg='%s: a new control_port needs port, the one the reader answers on now'
                             % reader['name'])

    arguments = []
    if module.check_mode:
        arguments.append('--check')
    elif params['reboot'] == 'when_changed':
        arguments.append('--reboot')
    if params['jobs'] is not None:
        arguments += ['--jobs', str(params['jobs'])]

    zavctl = Zavctl(module)
    by_port = {}
    for reader in readers:
        by_port.setdefault(reader['port'], []).append(reader)
    results = {}
    for port, group in by_port.items():
        rc, run_results, err = zavctl.run('apply', ['-'], arguments, data=csv_of(group), port=port)
        if not run_results:
            module.fail_json(msg=err or 'zavctl apply failed (exit status %d)' % rc, rc=rc)
        messages = messages_by_reader(err)
        names = dict((reader['reader'], reader['name']) for reader in group)
        for result in run_results:
            name = names.get(result.get('reader'))
            if name is None:
                continue
            entry = dict(
                reader=result['reader'],
                ok=bool(result.get('ok')),
                changed=bool(result.get('changed')),
                applied=result.get('applied', []),
                failed_at=result.get('failed_at', ''),
                result=result.get('result', ''),
            )
            if 'changes' in result:
                entry['changes'] = changes_by_option(result['changes'])
            if not entry['ok']:
                entry['msg'] = messages.get(result['reader']) or result.get('error') or 'zavctl failed'
            results[name] = entry
    for reader in readers:
        if reader['name'] not in results:
            results[reader['name']] = dict(reader=reader['reader'], ok=False, changed=False,
                                           msg='zavctl gave no result for this reader')
    module.exit_json(changed=any(entry['changed'] for entry in results.values()), readers=results)


if __name__ == '__main__':
    main()
