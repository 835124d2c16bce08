#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Draws every map number over the views its exercises use and reports area fills that leak
// beyond their bounding box and areas that no fill colours: node audit.js [mapNo ...]
'use strict';
const { render } = require('./preview');
const { readAreaFile } = require('./lib/crpread');
const { fitToSelection } = require('./lib/exviews');
const path = require('path');

const VIEWS = {
  1: [[85, -60, 0], [72, 34, 15], [38, -36, 18], [60, -12, 95], [75, 5, -100], [14, -57, -60], [16, -50, 160]],
  2: [[72, 34, 15], [48, 35, 22], [60, 35, 0], [56, 44, 15]],
  3: [[75, 5, -100], [50, 24, -96], [33, 5, -90]],
  4: [], 5: [],
};
const SIZES = [[1280, 720], [1920, 1048]];

function countryViews(mapNo, W, H) {
  const recs = readAreaFile(path.resolve(__dirname, '../../gamedata', `AREA${mapNo}.crp`));
  const by = new Map();
  for (const r of recs) {
    if (!r.alt1) continue;
    const b = by.get(r.alt1) || { n: -1e9, s: 1e9, e: -1e9, w: 1e9 };
    b.n = Math.max(b.n, r.n); b.s = Math.min(b.s, r.s); b.e = Math.max(b.e, r.e); b.w = Math.min(b.w, r.w);
    by.set(r.alt1, b);
  }
  return [...by].map(([c, b]) => ({ name: c, ...fitToSelection([b], W, H) }));
}

const maps = process.argv.slice(2).map(Number);
for (const m of maps.length ? maps : [1, 2, 3, 4, 5]) {
  const leaks = new Set(), unfilled = new Map();
  let count = 0;
  for (const [W, H] of SIZES) {
    const list = VIEWS[m].map(([T, B, C]) => ({ name: `${T}/${B}/${C}`, T, B, C, W, H }));
    if (m >= 3) list.push(...countryViews(m, W, H));
    for (const v of list) {
      const r = render(m, v, { audit: true });
      count++;
      r.leaks.forEach(c => leaks.add(`${c}@${v.name}`));
      r.unfilled.forEach(c => unfilled.set(c, (unfilled.get(c) || 0) + 1));
    }
  }
  console.log(`map ${m}: ${count} views; leaking fills: ${[...leaks].join(' ') || 'none'}`);
  console.log(`  areas never coloured in a view that shows their seeds: ${[...unfilled].map(([c, n]) => `${c}x${n}`).join(' ') || 'none'}`);
}
