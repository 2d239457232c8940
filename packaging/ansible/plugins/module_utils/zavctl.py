# -*- coding: utf-8 -*-
# Runs zavctl for the modules of zav.readers and reads its JSON results.
# The control password reaches zavctl only through its environment
# (ZAV_PASSWORD), never its command line.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

import json

from ansible.module_utils.basic import env_fallback

# Options of every module that runs zavctl.
ZAVCTL_ARGUMENT_SPEC = dict(
    password=dict(type='str', required=True, no_log=True, fallback=(env_fallback, ['ZAV_PASSWORD'])),
    zavctl_path=dict(type='path'),
)

# Options of the modules that serve one reader.
CONNECTION_ARGUMENT_SPEC = dict(
    ZAVCTL_ARGUMENT_SPEC,
    reader=dict(type='str', required=True),
    port=dict(type='int'),
)

# The settings a module can want, as option name, zavctl key and the words of
# an on/off option (None: the value is passed as written).
SETTINGS = [
    ('identifier', 'identifier', None),
    ('address', 'address', None),
    ('data_port', 'data-port', None),
    ('udp_port', 'udp-port', None),
    ('control_port', 'control-port', None),
    ('subnet_mask', 'subnet-mask', None),
    ('gateway', 'gateway', None),
    ('server_address', 'server-address', None),
    ('server_port', 'server-port', None),
    ('mode', 'mode', None),
    ('client_send_id', 'client-send-id', ('on', 'off')),
    ('speed', 'speed', None),
    ('dhcp', 'dhcp', ('on', 'off')),
    ('data_password', 'data-password', ('yes', 'no')),
]

SETTINGS_ARGUMENT_SPEC = dict(
    identifier=dict(type='str'),
    address=dict(type='str'),
    data_port=dict(type='int'),
    udp_port=dict(type='int'),
    control_port=dict(type='int'),
    subnet_mask=dict(type='str'),
    gateway=dict(type='str'),
    server_address=dict(type='str'),
    server_port=dict(type='int'),
    mode=dict(type='str', choices=['server', 'client', 'udp']),
    client_send_id=dict(type='bool'),
    speed=dict(type='str', choices=['10hd', '10fd', '100hd', '100fd', 'auto']),
    dhcp=dict(type='bool'),
    data_password=dict(type='bool'),
)


def csv_of(readers):
    """The CSV that zavctl apply reads on standard input: a reader column
    and a column for each setting that any reader wants (an empty cell
    changes nothing). readers: dicts of option names and 'reader'."""
    keys = [(option, key, words) for option, key, words in SETTINGS
            if any(reader.get(option) is not None for reader in readers)]
    lines = []
    for row in [['reader'] + [key for _, key, _ in keys]] + [
            [reader['reader']] + [_word(reader.get(option), words) for option, _, words in keys]
            for reader in readers]:
        lines.append(','.join(_csv_field(field) for field in row))
    return ''.join(line + '\r\n' for line in lines)


def _word(value, words):
    if value is None:
        return ''
    if words is not None:
        return words[0] if value else words[1]
    return str(value)


def _csv_field(text):
    if any(c in text for c in ',"\r\n'):
        return '"' + text.replace('"', '""') + '"'
    return text


def option_name(key):
    """The option or fact name of a zavctl key: data-port is data_port."""
    return key.replace('-', '_')


def wanted_arguments(values):
    """KEY=VALUE arguments for the settings given (a dict of option names;
    None means not wanted), in zavctl's order."""
    arguments = []
    for option, key, words in SETTINGS:
        if values.get(option) is not None:
            arguments.append('%s=%s' % (key, _word(values[option], words)))
    return arguments


def reader_facts(result):
    """A reader's settings from a zavctl get result, named as the options."""
    return dict((option_name(key), value) for key, value in result.items()
                if key not in ('reader', 'ok', 'error'))


def changes_by_option(changes):
    """zavctl's changes {"server-port": {"old": .., "new": ..}} by option name."""
    return dict((option_name(key), change) for key, change in (changes or {}).items())


def diff_of(reader, changes):
    """Ansible's diff of the changes: the old values before, the new after."""
    before = ''.join('%s: %s\n' % (key, change.get('old')) for key, change in changes.items())
    after = ''.join('%s: %s\n' % (key, change.get('new')) for key, change in changes.items())
    return dict(before=before, after=after, before_header=reader, after_header=reader)


class Zavctl(object):
    """zavctl on this host, for one module run."""

    def __init__(self, module):
        self.module = module
        path = module.params.get('zavctl_path')
        if path:
            self.path = path
        else:
            self.path = module.get_bin_path('zavctl', required=True)

    def run(self, command, readers, arguments=None, data=None, port=None):
        """Runs `zavctl COMMAND READERS... ARGUMENTS --format json` and returns
        its exit status, the results (a list of dicts; empty when zavctl
        refused the input) and its messages (standard error)."""
        params = self.module.params
        argv = [self.path, command] + list(readers) + list(arguments or []) + ['--format', 'json']
        if port is None:
            port = params.get('port')
        if port is not None:
            argv += ['--port', str(port)]
        rc, out, err = self.module.run_command(
            argv, data=data, binary_data=True,
            environ_update={'ZAV_PASSWORD': params['password']})
        results = []
        if out.strip():
            try:
                results = json.loads(out)
            except ValueError:
                self.module.fail_json(msg='zavctl wrote no JSON result', rc=rc, stdout=out, stderr=err)
        return rc, results, err.strip()

    def run_one(self, command, arguments=None):
        """zavctl for the module's one reader: its result, or the module
        fails with zavctl's message when zavctl refused the input."""
        rc, results, err = self.run(command, [self.module.params['reader']], arguments)
        if len(results) != 1:
            self.module.fail_json(msg=err or 'zavctl %s failed (exit status %d)' % (command, rc), rc=rc)
        return results[0], err

    @staticmethod
    def message(result, err):
        """zavctl's message for a failed reader: its line on standard error,
        which names what was acknowledged, else the result's error."""
        lines = [line.strip() for line in err.splitlines() if line.strip()]
        if lines:
            return ' '.join(lines)
        return result.get('error') or 'zavctl failed'
