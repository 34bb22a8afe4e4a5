#!/usr/bin/env python3
"""Spells the null pointer nullptr in the given C++ files (all tracked
sources but tests/data when none are given): the NULL token in code becomes
nullptr; comments and literals are left alone, and in headers a parameter's
default "= NULL" stays, as the platform API writes it."""
import re
import subprocess
import sys

TOKEN = re.compile(r'//|/\*|"|\'|\bNULL\b')
DEFAULT_BEFORE = re.compile(r'=\s*$')
DEFAULT_AFTER = re.compile(r'\s*[,)]')


def is_default_argument(text, start, end):
    return DEFAULT_BEFORE.search(text[max(0, start - 40):start]) and DEFAULT_AFTER.match(text[end:end + 3])


def literal_end(text, start):
    """The index after the string or character literal opened at start."""
    quote = text[start]
    i = start + 1
    while i < len(text) and text[i] != quote:
        if text[i] == '\\':
            i += 1
        elif text[i] == '\n' and quote == "'":
            return i  # an apostrophe in a digit separator or a stray one
        i += 1
    return i + 1


def convert(text, header):
    out = []
    i = 0
    while i < len(text):
        m = TOKEN.search(text, i)
        if not m:
            out.append(text[i:])
            break
        out.append(text[i:m.start()])
        token = m.group(0)
        if token == 'NULL':
            keep = header and is_default_argument(text, m.start(), m.end())
            out.append('NULL' if keep else 'nullptr')
            i = m.end()
            continue
        if token == '//':
            end = text.find('\n', m.start())
            end = len(text) if end < 0 else end
        elif token == '/*':
            end = text.find('*/', m.start() + 2)
            end = len(text) if end < 0 else end + 2
        else:
            end = literal_end(text, m.start())
        out.append(text[m.start():end])
        i = end
    return ''.join(out)


paths = sys.argv[1:] or subprocess.run(
    ['git', 'ls-files', '--', '*.cpp', '*.h', ':!:tests/data/*'],
    check=True, capture_output=True, text=True).stdout.split()
for path in paths:
    s = open(path, encoding='utf-8', errors='surrogateescape').read()
    t = convert(s, path.endswith('.h'))
    if t != s:
        open(path, 'w', encoding='utf-8', errors='surrogateescape').write(t)
