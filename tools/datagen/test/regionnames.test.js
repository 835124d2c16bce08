// SPDX-License-Identifier: MIT
// Region names of the delivered maps against a second source: every difference must be a
// reviewed one, and the comparison must see a wrong name through the words it sets aside.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const path = require('path');
const { readAreaFile } = require('../lib/crpread');
const { differences, unexplained, referenceName } = require('../lib/regionref');

const GAMEDATA = path.resolve(__dirname, '..', '..', '..', 'gamedata');

function deliveredRegions() {
  const seen = new Map();
  for (const file of ['AREA3.crp', 'AREA4.crp', 'AREA5.crp']) {
    for (const a of readAreaFile(path.join(GAMEDATA, file))) {
      if (a.alt1 && !seen.has(a.code)) seen.set(a.code, { code: a.code, names: a.names });
    }
  }
  return [...seen.values()];
}

test('every region name of the maps agrees with the reference or is a reviewed exception', () => {
  const regions = deliveredRegions();
  assert.ok(regions.length > 350, `only ${regions.length} regions`);
  const { faults, stale } = unexplained(regions);
  const show = f => `${f.code} ${f.lang}: map "${f.ours}", reference "${f.ref}"` + (f.row ? ` (reviewed as "${f.row.ours}" / "${f.row.ref}")` : '');
  assert.deepStrictEqual(faults.map(show), []);
  assert.deepStrictEqual(stale, [], 'exception rows that no longer match a difference');
});

test('the reference covers every region of the maps but the ones younger than it', () => {
  const noRef = differences(deliveredRegions()).filter(d => d.ref === null);
  assert.deepStrictEqual(noRef.map(d => `${d.code} ${d.lang}`), []);
  // Codes that changed since the reference still find their region.
  assert.strictEqual(referenceName('PL-LU', 'en'), 'Lublin Voivodeship');
  assert.strictEqual(referenceName('CN-XZ', 'de'), 'Autonomes Gebiet Tibet');
  assert.strictEqual(referenceName('NO-56', 'fr'), 'Comté de Finnmark');
});

test('a wrong, misspelt or untranslated name is a difference; a left-out unit word is not', () => {
  const names = ['Stockholms län', 'Stockholm', 'Stockholm', 'Stockholms län', 'Estocolmo', 'Stoccolma'];
  assert.deepStrictEqual(differences([{ code: 'SE-AB', names }]), []);
  const wrong = ['Stockholms län', 'Uppsala', 'Stokholm', 'Stockholms län', 'Stockholm', 'Stoccolma'];
  assert.deepStrictEqual(differences([{ code: 'SE-AB', names: wrong }]).map(d => `${d.lang} ${d.ours}`), ['en Uppsala', 'fr Stokholm', 'es Stockholm']);
  // A kept qualifier passes, another region's name behind one does not.
  const polish = ['', 'Lublin Voivodeship', 'Voïvodie de Lublin', 'Woiwodschaft Opole', 'Lublin', 'Voivodato di Lublin'];
  assert.deepStrictEqual(differences([{ code: 'PL-LU', names: polish }]).map(d => d.lang), ['de', 'it']);
});
