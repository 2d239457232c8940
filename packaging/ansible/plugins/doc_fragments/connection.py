# -*- coding: utf-8 -*-
# The options by which the modules of zav.readers run zavctl and reach a reader.

from __future__ import absolute_import, division, print_function
__metaclass__ = type


class ModuleDocFragment(object):
    # The control password and zavctl, for every module that runs zavctl.
    DOCUMENTATION = r'''
options:
  password:
    description:
      - The control password of the reader (of all the readers, for a module that serves many), 5 characters.
      - It reaches zavctl only through its environment (C(ZAV_PASSWORD)), never its command line,
        and is never logged.
      - When not given, the C(ZAV_PASSWORD) environment variable of the module's host.
    type: str
    required: true
  zavctl_path:
    description:
      - The zavctl program to run; when not given, C(zavctl) is looked for on the PATH.
    type: path
notes:
  - Readers run no Python. The module runs zavctl on the host that Ansible runs it on.
    Give the readers' hosts C(ansible_connection=local), or delegate the task to the control host.
  - zavctl must reach the readers' control port from that host.
  - The modules belong to the action group C(zav.readers.readers), so C(module_defaults) for
    C(group/zav.readers.readers) can give them all the same I(password) and I(zavctl_path).
requirements:
  - zavctl (the ZAV TCP/IP Utility's command line) on the host that runs the module
'''

    # The one reader of a module that serves one.
    READER = r'''
options:
  reader:
    description:
      - The reader's address, as zavctl takes it (dotted IPv4).
      - Usually C({{ ansible_host }}) of an inventory host that stands for the reader.
    type: str
    required: true
  port:
    description:
      - The control port that zavctl connects to.
      - When not given, zavctl's own default (87).
    type: int
'''
