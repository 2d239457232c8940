#!/usr/bin/python
# -*- coding: utf-8 -*-

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: facts
short_description: Read a ZAV reader's settings as facts
description:
  - Runs C(zavctl get) for the reader, which sends the login and STAT and nothing else.
  - Sets the fact C(zav_reader), the reader's settings by the option names of
    M(zav.readers.settings) (C(server_port), C(data_password), ...), with C(mac) and C(firmware).
  - Values are written as zavctl get writes them (words for the options, C(on)/C(off), C(yes)/C(no)).
    C(client_send_id) is absent for firmware 02.00, which has no such setting.
version_added: 2.2.0
author: ZAV support
extends_documentation_fragment:
  - zav.readers.connection
  - zav.readers.connection.reader
attributes:
  check_mode:
    support: full
    description: Reads the reader in check mode too; reading changes nothing.
  facts:
    support: full
'''

EXAMPLES = r'''
- name: Read every reader
  zav.readers.facts:
    reader: "{{ ansible_host }}"
    password: "{{ zav_password }}"

- name: List the readers still on old firmware
  ansible.builtin.debug:
    msg: "{{ inventory_hostname }} runs {{ zav_reader.firmware }}"
  when: zav_reader.firmware is version('02.10', '<')
'''

RETURN = r'''
ansible_facts:
  description: The facts set.
  returned: always
  type: dict
  contains:
    zav_reader:
      description: The reader's settings, by option name.
      returned: always
      type: dict
      sample: {"mac": "0050C2000001", "identifier": "DOCK 4", "firmware": "02.10", "address": "10.1.1.12",
               "data_port": "57", "control_port": "87", "gateway": "0.0.0.0", "server_address": "10.1.0.5",
               "server_port": "4000", "mode": "client", "speed": "auto", "dhcp": "off",
               "subnet_mask": "255.255.255.0", "udp_port": "53002", "data_password": "no",
               "client_send_id": "off"}
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.zav.readers.plugins.module_utils.zavctl import (
    CONNECTION_ARGUMENT_SPEC, Zavctl, reader_facts)


def main():
    module = AnsibleModule(argument_spec=dict(CONNECTION_ARGUMENT_SPEC), supports_check_mode=True)
    result, err = Zavctl(module).run_one('get')
    if not result.get('ok'):
        module.fail_json(msg=Zavctl.message(result, err))
    module.exit_json(changed=False, ansible_facts=dict(zav_reader=reader_facts(result)))


if __name__ == '__main__':
    main()
