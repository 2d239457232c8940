#!/usr/bin/python
# -*- coding: utf-8 -*-

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: settings
short_description: Give a ZAV reader the settings wanted, changing only those that differ
description:
  - Runs C(zavctl apply) for the reader. zavctl reads the reader's settings, compares them with the
    ones wanted and sends only the commands of the settings that differ; a reader that already holds
    every value gets the login and STAT only, and the task reports no change.
  - Values compare as the reader holds them (C(010.1.0.9) equals C(10.1.0.9), C(04000) equals C(4000)).
  - A reader uses new settings after a restart; I(reboot=when_changed) restarts it when anything was
    written.
  - A run that stops part-way (a command not acknowledged, a lost connection) fails the host with
    zavctl's message, and returns the commands the reader acknowledged (I(applied)) and the one that
    failed (I(failed_at)). Nothing is tried again.
  - Settings not given are left as the reader holds them.
version_added: 2.2.0
author: ZAV support
extends_documentation_fragment:
  - zav.readers.connection
  - zav.readers.connection.reader
options:
  identifier:
    description: The reader's identifier (at most 20 characters, no C(:) or control characters).
    type: str
  address:
    description:
      - The reader's own address. The reader takes it at its next restart; address the
        reader by the new one from then on.
    type: str
  data_port:
    description: The reader's TCP data port.
    type: int
  udp_port:
    description: The reader's UDP data port.
    type: int
  control_port:
    description:
      - The reader's control port, as a setting. I(port) says where zavctl connects now.
    type: int
  subnet_mask:
    description: The reader's subnet mask.
    type: str
  gateway:
    description: The reader's gateway address.
    type: str
  server_address:
    description: The server that the reader connects to as a TCP client, or sends to over UDP.
    type: str
  server_port:
    description: The server's port.
    type: int
  mode:
    description: The operating mode.
    type: str
    choices: [server, client, udp]
  client_send_id:
    description:
      - In client mode, whether the reader sends its identification on connecting.
      - A reader with firmware 02.00 has no such setting; wanting it fails that host.
    type: bool
  speed:
    description: The link speed.
    type: str
    choices: [10hd, 10fd, 100hd, 100fd, auto]
  dhcp:
    description: Whether the reader takes its address by DHCP.
    type: bool
  data_password:
    description: Whether the data port needs a control login before it takes data.
    type: bool
  reboot:
    description:
      - C(when_changed) restarts the reader once its settings are written, when anything was written.
      - C(never) leaves the restart to a later task or a person.
    type: str
    choices: [never, when_changed]
    default: never
attributes:
  check_mode:
    support: full
    description: Runs C(zavctl apply --check), which reads and compares and sends nothing past STAT.
  diff_mode:
    support: full
    description: Shows each setting that differs with the reader's value before and the wanted one after.
'''

EXAMPLES = r'''
- name: Make every reader of the site a TCP client of the site's server
  zav.readers.settings:
    reader: "{{ ansible_host }}"
    password: "{{ zav_password }}"
    mode: client
    server_address: "{{ site_server }}"
    server_port: 4000
    identifier: "{{ inventory_hostname }}"
    reboot: when_changed

- name: What would change (run with --check --diff)
  zav.readers.settings:
    reader: 10.1.1.12
    password: "{{ zav_password }}"
    dhcp: false
    gateway: 10.1.1.1
  check_mode: true
  register: plan
'''

RETURN = r'''
changed:
  description: Whether the reader acknowledged a setting command; in check mode whether one would be sent.
  returned: always
  type: bool
changes:
  description:
    - Each setting that differs, by option name, with the reader's value (old) and the wanted one (new),
      as zavctl get writes values.
    - Left out when the reader's settings could not be read.
  returned: when the settings could be read
  type: dict
  sample: {"server_port": {"old": "4000", "new": "4100"}, "mode": {"old": "server", "new": "client"}}
applied:
  description: The setting commands the reader acknowledged, in the order sent.
  returned: always
  type: list
  elements: str
  sample: [SPRT, MODE]
failed_at:
  description: The command that was not acknowledged (REBOOT for a restart that failed); empty when none failed.
  returned: always
  type: str
  sample: MODE
result:
  description: zavctl's summary, for example C(unchanged), C(2 settings written, rebooting) or C(2 to change).
  returned: always
  type: str
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.zav.readers.plugins.module_utils.zavctl import (
    CONNECTION_ARGUMENT_SPEC, SETTINGS_ARGUMENT_SPEC, Zavctl, changes_by_option, diff_of, wanted_arguments)


def main():
    argument_spec = dict(CONNECTION_ARGUMENT_SPEC)
    argument_spec.update(SETTINGS_ARGUMENT_SPEC)
    argument_spec.update(reboot=dict(type='str', choices=['never', 'when_changed'], default='never'))
    module = AnsibleModule(argument_spec=argument_spec, supports_check_mode=True)
    params = module.params

    arguments = wanted_arguments(params)
    if module.check_mode:
        arguments.append('--check')
    elif params['reboot'] == 'when_changed':
        arguments.append('--reboot')
    zavctl = Zavctl(module)
    result, err = zavctl.run_one('apply', arguments)

    changes = changes_by_option(result.get('changes'))
    output = dict(
        changed=bool(result.get('changed')),
        applied=result.get('applied', []),
        failed_at=result.get('failed_at', ''),
        result=result.get('result', ''),
    )
    if 'changes' in result:
        output['changes'] = changes
    if module._diff and changes:
        output['diff'] = diff_of(params['reader'], changes)
    if not result.get('ok'):
        module.fail_json(msg=Zavctl.message(result, err), **output)
    module.exit_json(**output)


if __name__ == '__main__':
    main()
