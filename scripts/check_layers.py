#!/usr/bin/env python3
"""Checks that every folder includes only folders below it (see the layout in the README)."""
import os, re, sys

ORDER = ['platform', 'text', 'common', 'settings', 'records', 'grid', 'link', 'orders', 'messages',
         'boards', 'reference', 'start', 'main', 'reception', 'devices', 'dispatch', 'quick',
         'history', 'store', 'staff', 'sandbox', 'app']
RANK = {name: i for i, name in enumerate(ORDER)}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/(ui/)?', re.M)

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
bad = []
for folder in ORDER:
    base = os.path.join(root, folder)
    for dirpath, _, files in os.walk(base):
        is_ui = os.path.relpath(dirpath, base).startswith('ui')
        for f in files:
            if not f.endswith(('.h', '.cpp')):
                continue
            path = os.path.join(dirpath, f)
            for m in INCLUDE.finditer(open(path, encoding='utf-8').read()):
                target, target_ui = m.group(1), bool(m.group(2))
                if target not in RANK:
                    continue
                if target == folder and (is_ui or not target_ui):
                    continue
                if RANK[target] < RANK[folder] and (is_ui or not target_ui or folder in ('sandbox', 'app')):
                    continue
                bad.append(f'{os.path.relpath(path, root)} includes {m.group(1)}/{m.group(2) or ""}')
for line in bad:
    print(line)
sys.exit(1 if bad else 0)
