#!/usr/bin/python
# -*- coding: utf-8 -*-

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: firmware
short_description: Load a firmware image into a ZAV reader when its firmware is not the one wanted
description:
  - Reads the reader's firmware version (C(zavctl get)). When it is I(version), nothing more is sent and
    the task reports no change.
  - Otherwise loads I(image) with C(zavctl flash) (the login, then the image in 1024-byte blocks on the
    download port 53005 and the restart message); the reader restarts with the new firmware.
  - A reader lost during the download fails the host with the blocks it acknowledged (I(blocks)).
    Nothing is tried again.
version_added: 2.2.0
author: ZAV support
extends_documentation_fragment:
  - zav.readers.connection
  - zav.readers.connection.reader
options:
  version:
    description:
      - The firmware version wanted, as the reader reports it (for example C(02.11)), which is the
        version that I(image) holds.
    type: str
    required: true
  image:
    description:
      - The firmware image on the host that runs the module, 1 to 255 whole blocks of 1024 bytes.
    type: path
    required: true
attributes:
  check_mode:
    support: full
    description: Reads the version and says whether the image would be loaded; loads nothing.
  diff_mode:
    support: full
    description: Shows the reader's version before and the wanted one after.
'''

EXAMPLES = r'''
- name: Bring every reader to firmware 02.11
  zav.readers.firmware:
    reader: "{{ ansible_host }}"
    password: "{{ zav_password }}"
    version: "02.11"
    image: /srv/zav/zavtcp-02.11.bin
'''

RETURN = r'''
changed:
  description: Whether the image was loaded; in check mode whether it would be.
  returned: always
  type: bool
firmware:
  description: The reader's version before (old) and the one wanted (new).
  returned: when the version could be read
  type: dict
  sample: {"old": "02.10", "new": "02.11"}
blocks:
  description: The blocks the reader acknowledged, of all.
  returned: when an image was loaded or the load failed
  type: str
  sample: 40/40
result:
  description: zavctl's summary of the download.
  returned: when an image was loaded or the load failed
  type: str
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.zav.readers.plugins.module_utils.zavctl import CONNECTION_ARGUMENT_SPEC, Zavctl


def main():
    argument_spec = dict(CONNECTION_ARGUMENT_SPEC)
    argument_spec.update(
        version=dict(type='str', required=True),
        image=dict(type='path', required=True),
    )
    module = AnsibleModule(argument_spec=argument_spec, supports_check_mode=True)
    params = module.params
    zavctl = Zavctl(module)

    reader, err = zavctl.run_one('get')
    if not reader.get('ok'):
        module.fail_json(msg=Zavctl.message(reader, err))
    firmware = dict(old=reader.get('firmware', ''), new=params['version'])
    output = dict(changed=firmware['old'] != firmware['new'], firmware=firmware)
    if module._diff and output['changed']:
        output['diff'] = dict(before='firmware: %s\n' % firmware['old'], after='firmware: %s\n' % firmware['new'],
                              before_header=params['reader'], after_header=params['reader'])
    if not output['changed'] or module.check_mode:
        module.exit_json(**output)

    result, err = zavctl.run_one('flash', [params['image']])
    output.update(blocks=result.get('blocks', ''), result=result.get('result', ''))
    if not result.get('ok'):
        output['changed'] = result.get('blocks', '').split('/')[0] not in ('', '0')
        module.fail_json(msg=Zavctl.message(result, err), **output)
    module.exit_json(**output)


if __name__ == '__main__':
    main()
