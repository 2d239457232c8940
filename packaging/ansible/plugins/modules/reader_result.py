#!/usr/bin/python
# -*- coding: utf-8 -*-
# The documentation of the action plugin of the same name, which does the work
# on the controller.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

DOCUMENTATION = r'''
module: reader_result
short_description: Report one reader of a fleet_settings run as its own host
description:
  - Takes what M(zav.readers.fleet_settings) returned for a whole batch and reports the reader of this
    inventory host, as M(zav.readers.settings) would have. The host is changed when its reader was, and
    fails with zavctl's message, I(applied) and I(failed_at) when its reader failed, so the play recap
    counts every reader.
  - Runs on the controller and sends nothing to the reader.
version_added: 2.2.0
author: ZAV support
options:
  results:
    description: The registered result of M(zav.readers.fleet_settings), from the host that ran it.
    type: dict
    required: true
  name:
    description: The reader's name in I(results); by default the inventory host's name.
    type: str
attributes:
  check_mode:
    support: full
    description: Reports what the check run of M(zav.readers.fleet_settings) found.
  diff_mode:
    support: full
    description: Shows each setting that differs with the reader's value before and the wanted one after.
'''

EXAMPLES = r'''
- name: Report each reader
  zav.readers.reader_result:
    results: "{{ hostvars[ansible_play_batch[0]].zav_fleet }}"
'''

RETURN = r'''
changed:
  description: Whether the reader was changed; in check mode whether it would be.
  returned: always
  type: bool
changes:
  description: As M(zav.readers.settings) returns it.
  returned: when the settings could be read
  type: dict
applied:
  description: As M(zav.readers.settings) returns it.
  returned: always
  type: list
  elements: str
failed_at:
  description: As M(zav.readers.settings) returns it.
  returned: always
  type: str
result:
  description: As M(zav.readers.settings) returns it.
  returned: always
  type: str
'''
