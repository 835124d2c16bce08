// SPDX-License-Identifier: MIT
// A ring that the outlines pinch into more than two parts at an exercise's scale has parts that
// neither Seed1 nor Seed2 reaches, and they would stay grey when the area is coloured. Each such
// part gets a seed of its own, carried by an extra record with the same code, names and ring: the
// game colours and marks an area through every record of its code, so the extra records change
// nothing but the colour of those parts.
'use strict';
const { Grid, fillPolygon, distance } = require('./raster');
const { validSeed } = require('./seeds');
const { seedStaysInside } = require('./seedcheck');
const { regionPixels } = require('./seaseeds');
const { matches } = require('./exviews');

const FREE = 0;

// The grey parts of record rec in a drawn view that no seed of seeds reaches, largest first.
function greyParts(d, rec, seeds, minPx) {
  const { v, g, label, regions } = d;
  const inside = new Grid(v.W, v.H);
  fillPolygon(inside, rec.ring.map(([lon, lat]) => [v.fx(lon, lat), v.fy(lat)]), 1);
  const count = new Map();
  for (let i = 0; i < inside.a.length; i++) {
    if (inside.a[i] && g.a[i] === FREE) count.set(label[i], (count.get(label[i]) || 0) + 1);
  }
  const reached = new Set();
  for (const [lon, lat] of seeds) {
    const [x, y] = v.px(lon, lat);
    if (x > 0 && y > 0 && x < v.W && y < v.H && label[y * v.W + x] >= 0) reached.add(label[y * v.W + x]);
  }
  const out = [];
  for (const [id, n] of count) {
    if (reached.has(id) || n < minPx || n * 2 <= regions[id].size) continue;
    out.push(regions[id]);
  }
  return out.sort((a, b) => b.size - a.size || a.first - b.first);
}

// Seeds for the grey parts of the selected records in the drawn area-exercise views, checked to
// stay inside their ring in every view of checkViews. Returns the extra records to add, at most
// room of them, for the largest parts first.
function extraPartRecords(records, drawn, checkViews, room, { minPx = 8, candidates = 40 } = {}) {
  const extra = new Map();  // record index -> [seed, ...]
  const parts = [];
  for (const d of drawn) {
    const selected = records.map((r, i) => i).filter(i => d.items.some(k => matches(records[i], k)));
    for (const i of selected) {
      const rec = records[i];
      if (rec.box.n < d.v.B || rec.box.s > d.v.T) continue;
      const known = [rec.seed1, rec.seed2, ...(extra.get(i) || [])];
      for (const part of greyParts(d, rec, known, minPx)) {
        const seed = partSeed(d, part, rec, checkViews, candidates);
        if (!seed) continue;
        if (!extra.has(i)) extra.set(i, []);
        extra.get(i).push(seed);
        parts.push({ i, size: part.size, seed });
        known.push(seed);
      }
    }
  }
  // Two seeds to a record; the largest parts first when the record cap leaves no room for all.
  const byRecord = new Map();
  for (const p of parts.sort((a, b) => b.size - a.size || a.i - b.i)) {
    if (!byRecord.has(p.i)) byRecord.set(p.i, []);
    byRecord.get(p.i).push(p.seed);
  }
  const out = [];
  for (const [i, seeds] of byRecord) {
    for (let k = 0; k < seeds.length && out.length < room; k += 2) {
      out.push({ ...records[i], seed1: seeds[k], seed2: seeds[k + 1] || seeds[k], extraOf: i });
    }
  }
  return out;
}

function partSeed(d, part, rec, checkViews, candidates) {
  const { v, label, g } = d;
  if (!d.partDist) d.partDist = distance(v.W, v.H, k => g.a[k] === FREE);
  const pixels = regionPixels(d, part);
  pixels.sort((a, b) => d.partDist[b] - d.partDist[a] || a - b);
  for (const k of pixels.slice(0, candidates)) {
    const x = k % v.W, y = (k - x) / v.W;
    const [lon, lat] = v.inv(x, y);
    const p = [Math.round(lon * 10000) / 10000, Math.round(lat * 10000) / 10000];
    const [px, py] = v.px(p[0], p[1]);
    if (label[py * v.W + px] !== part.id) continue;
    if (!validSeed(p[0], p[1], rec.ring, [], 0.0001)) continue;
    if (!checkViews.every(cv => seedStaysInside(rec.ring, rec.box, p, cv))) continue;
    return p;
  }
  return null;
}

module.exports = { extraPartRecords };
