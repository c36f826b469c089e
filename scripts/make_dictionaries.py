#!/usr/bin/env python3
"""Builds the shipped dictionary sources in data/Vexa2Lang/ from the readable
UTF-8 lists in data/dictionaries/.

The lists are TAB-separated, one entry a line; lines starting with '#' and
empty lines are skipped. The output is what the plug-in reads: UTF-16LE
without a byte-order mark, CR LF line ends, sorted in the dictionary order
(the same weights as support/dictionary_order.h), one entry per key.
Run it after editing a list:  python3 scripts/make_dictionaries.py
"""
import glob
import os
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
LISTS = os.path.join(ROOT, 'data', 'dictionaries')
OUT = os.path.join(ROOT, 'data', 'Vexa2Lang')
MAX_FIELD = 63


def weight(ch):
    c = ord(ch)
    if ord('a') <= c <= ord('z'):
        return 2 * c + 318
    if ord('A') <= c <= ord('Z'):
        return 2 * c + 383
    return {'{': 256, '}': 257, '*': 258}.get(ch, c)


def order_key(text):
    # Lists compare element by element and a shorter prefix first: the
    # dictionary order exactly.
    return [weight(ch) for ch in text]


def read_list(path, field_count):
    entries = []
    with open(path, encoding='utf-8') as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip('\r\n')
            if not line or line.startswith('#'):
                continue
            fields = line.split('\t')
            if len(fields) != field_count:
                sys.exit('%s:%d: %d fields, expected %d' % (path, number, len(fields), field_count))
            for field in fields:
                if len(field) > MAX_FIELD:
                    sys.exit('%s:%d: field longer than %d characters: %r' % (path, number, MAX_FIELD, field))
                if any(ord(ch) > 0xFFFF for ch in field):
                    sys.exit('%s:%d: character outside the 16-bit range' % (path, number))
            entries.append((fields, '%s:%d' % (os.path.relpath(path, ROOT), number)))
    return entries


def build(entries, key_of, name):
    """Sorts by key (stable) and keeps the first entry of each key."""
    entries.sort(key=lambda e: order_key(key_of(e[0])))
    out, last = [], None
    for fields, where in entries:
        key = key_of(fields)
        if key == last:
            print('%s: %s repeats %r, left out' % (name, where, key))
            continue
        last = key
        out.append(fields)
    return out


def write(name, rows):
    text = ''.join('\t'.join(fields) + '\r\n' for fields in rows)
    with open(os.path.join(OUT, name), 'wb') as f:
        f.write(text.encode('utf-16-le'))
    print('%s: %d entries' % (name, len(rows)))


def main():
    os.makedirs(OUT, exist_ok=True)
    commands = []
    for path in sorted(glob.glob(os.path.join(LISTS, 'commands', '*.txt'))):
        commands += read_list(path, 3)
    for fields, where in commands:
        if not fields[0].startswith('\\'):
            sys.exit('%s: a command begins with a backslash' % where)
    write('Vexa2Command.txt', build(commands, lambda f: f[0] + f[1], 'commands'))

    environments = read_list(os.path.join(LISTS, 'environments.txt'), 3)
    for fields, where in environments:
        if not fields[0].startswith('\\') or not fields[1]:
            sys.exit('%s: an environment needs a backslash name and arguments' % where)
    write('Vexa2Environment.txt', build(environments, lambda f: f[0], 'environments'))

    easy = read_list(os.path.join(LISTS, 'easy_support.txt'), 2)
    for fields, where in easy:
        if not fields[0].startswith(':') or len(fields[0]) < 2 or not fields[1]:
            sys.exit('%s: a key is ":" and more, with a text' % where)
    write('Vexa2EasySupport.txt', build(easy, lambda f: f[0], 'easy support'))

    papers = read_list(os.path.join(LISTS, 'paper_sizes.txt'), 2)
    write('Vexa2PaperSize.txt', build(papers, lambda f: f[0], 'paper sizes'))


if __name__ == '__main__':
    main()
