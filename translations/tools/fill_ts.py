#!/usr/bin/env python3
"""Fills translations/kvitmark_uk.ts from a table of (context, Russian source) -> Ukrainian.

Run after `cmake --build build --target update_translations` has brought new texts in:
    translations/tools/fill_ts.py TABLE.py
where TABLE.py defines a dict U. Texts the table does not cover stay unfinished, and the
completeness test names them."""
import sys
import xml.etree.ElementTree as ET

ts_path = 'translations/kvitmark_uk.ts'
table = {}
exec(open(sys.argv[1], encoding='utf-8').read(), table)
U = table['U']
tree = ET.parse(ts_path)
missing = []
for context in tree.getroot().iter('context'):
    name = context.find('name').text
    for message in context.iter('message'):
        source = message.find('source').text
        translation = message.find('translation')
        if (name, source) in U:
            translation.text = U[(name, source)]
            translation.attrib.pop('type', None)
        elif translation.get('type') == 'unfinished':
            missing.append((name, source))
tree.getroot().set('sourcelanguage', 'ru_RU')
with open(ts_path, 'wb') as out:
    out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
    tree.write(out, encoding='utf-8', xml_declaration=False)
    out.write(b'\n')
for name, source in missing:
    print('unfinished:', name, repr(source))
