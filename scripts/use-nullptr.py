#!/usr/bin/env python3
"""Spells the null pointer nullptr in the given C++ files (all tracked
sources but tests/data when none are given): the NULL token in code becomes
nullptr; comments and literals are left alone, and in headers a parameter's
default "= NULL" stays, as the platform API writes it."""
import re
import subprocess
import sys

tok = re.compile(r'//|/\*|"|\'|\bNULL\b')
def convert(text, header):
    out = []; i = 0; n = len(text)
    state = None
    while i < n:
        if state is None:
            m = tok.search(text, i)
            if not m:
                out.append(text[i:]); break
            out.append(text[i:m.start()])
            t = m.group(0)
            if t == 'NULL':
                keep = False
                if header:
                    before = text[max(0, m.start()-40):m.start()]
                    after = text[m.end():m.end()+3]
                    if re.search(r'=\s*$', before) and re.match(r'\s*[,)]', after):
                        keep = True
                out.append('NULL' if keep else 'nullptr')
                i = m.end()
            elif t == '//':
                j = text.find('\n', m.start()); j = n if j < 0 else j
                out.append(text[m.start():j]); i = j
            elif t == '/*':
                j = text.find('*/', m.start()+2); j = n if j < 0 else j+2
                out.append(text[m.start():j]); i = j
            else:
                q = t; j = m.end()
                # raw strings are not expected in these files
                while j < n and text[j] != q:
                    if text[j] == '\\': j += 1
                    if text[j] == '\n' and q == "'": break
                    j += 1
                out.append(text[m.start():j+1]); i = j+1
    return ''.join(out)
paths = sys.argv[1:] or subprocess.run(
    ['git', 'ls-files', '--', '*.cpp', '*.h', ':!:tests/data/*'],
    check=True, capture_output=True, text=True).stdout.split()
for path in paths:
    s = open(path, encoding='utf-8', errors='surrogateescape').read()
    t = convert(s, path.endswith('.h'))
    if t != s:
        open(path, 'w', encoding='utf-8', errors='surrogateescape').write(t)
