# -*- coding: utf-8 -*-
# Reports one reader of a zav.readers.fleet_settings run as its own host.
# Runs on the controller only: it sends nothing and starts no module.

from __future__ import absolute_import, division, print_function
__metaclass__ = type

from ansible.plugins.action import ActionBase
from ansible_collections.zav.readers.plugins.module_utils.zavctl import diff_of


class ActionModule(ActionBase):
    TRANSFERS_FILES = False
    _VALID_ARGS = frozenset(('results', 'name'))

    def run(self, tmp=None, task_vars=None):
        result = super(ActionModule, self).run(tmp, task_vars)
        task_vars = task_vars or {}
        name = self._task.args.get('name') or task_vars.get('inventory_hostname')
        results = self._task.args.get('results')
        readers = results.get('readers') if isinstance(results, dict) else None
        if not isinstance(readers, dict):
            result.update(failed=True, msg='results is not what zav.readers.fleet_settings returned')
            return result
        entry = readers.get(name)
        if not isinstance(entry, dict):
            result.update(failed=True, msg='no result for %s in this run of zav.readers.fleet_settings' % name)
            return result
        for key in ('reader', 'changed', 'changes', 'applied', 'failed_at', 'result'):
            if key in entry:
                result[key] = entry[key]
        result['changed'] = bool(entry.get('changed'))
        if self._play_context.diff and entry.get('changes'):
            result['diff'] = diff_of(entry.get('reader', name), entry['changes'])
        if not entry.get('ok'):
            result.update(failed=True, msg=entry.get('msg') or 'the reader failed')
        return result
