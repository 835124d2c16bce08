// SPDX-License-Identifier: MIT
// The map views that the catalogue's area and place exercises show, computed the way the game
// sets them up at start (single precision where the game uses it), so that sea seeds can be
// placed for exactly what players see.
'use strict';
const { nearest } = require('./raster');

const f32 = Math.fround;

function divisor(T, B) { return 90 + nearest(Math.abs((T + B) / 2) / 90 * 50); }

function interpolate(v, hi, lo, outHi, outLo) {
  const guarded = f32(hi + 0.00000001);
  return f32(outLo + (outHi - outLo) * ((v - lo) / (guarded - lo)));
}

function yToLat(v, y) { return Math.max(-90, Math.min(90, interpolate(f32(y), f32(v.H), 0, v.B, v.T))); }

function pixelToLon(v, y, x) {
  const lat = yToLat(v, y);
  if (lat === 90 || lat === -90) return v.C;
  const s = f32(v.H / (v.T - v.B));
  return f32(v.C + (x - v.W / 2) / Math.sqrt(8100 - lat * lat) * v.D / s);
}

// The game's FitToSelection over the bounding boxes of the selected records.
function fitToSelection(boxes, W, H) {
  if (!boxes.length) return { T: 90, B: -90, C: 0, W, H };
  let north = -10000, south = 10000, east = -10000, west = 10000;
  for (const b of boxes) {
    if (f32(b.e) > east) east = f32(b.e);
    if (f32(b.n) > north) north = f32(b.n);
    if (f32(b.w) < west) west = f32(b.w);
    if (f32(b.s) < south) south = f32(b.s);
  }
  const v = { W, H, C: f32((west + east) / 2) };
  const margin = (north - south) / 25;
  v.T = f32(north + margin);
  v.B = f32(south - margin);
  if (v.T - v.B < 1) { v.T = f32(v.T + 0.5); v.B = f32(v.B - 0.5); }
  v.D = divisor(v.T, v.B);
  const half = Math.max(f32(v.C - west), f32(east - v.C));
  const visible = () => Math.min(f32(v.C - pixelToLon(v, H, 0)), f32(v.C - pixelToLon(v, Math.trunc(H / 2), 0)), 1000);
  for (let pass = 0; pass < 100000 && visible() < half; pass++) {
    // As in the game, only the south pole stops the widening: a tall picture's top may pass the north pole.
    if (v.B <= -90) break;
    v.T = f32(v.T + (v.T - v.B) / 100);
    v.B = f32(v.B - (v.T - v.B) / 100);
    v.D = divisor(v.T, v.B);
  }
  return { T: v.T, B: v.B, C: v.C, W, H };
}

const matches = (rec, key) => rec.area.code === key || rec.area.alt1 === key || rec.area.alt2 === key;

// Views of the catalogue's map exercises whose map number is a key of files (map number ->
// index into the caller's file list with its records), at every picture size. Identical views
// are listed once, with the item keys of the area exercises shown in them.
function exerciseViews(catalogue, files, sizes) {
  const out = new Map();
  for (const e of catalogue) {
    if (e.kind !== 'AREA' && e.kind !== 'ORT') continue;
    const f = files[e.map];
    if (!f) continue;
    for (const [W, H] of sizes) {
      let view;
      const T = f32(e.T), B = f32(e.B), C = f32(e.C);
      if (T === 0 && B === 0) {
        const boxes = f.records.filter(r => r.ring.length > 0 && e.items.some(k => matches(r, k))).map(r => r.box);
        view = fitToSelection(boxes, W, H);
      } else {
        view = { T, B, C, W, H };
      }
      const key = `${f.index} ${view.T} ${view.B} ${view.C} ${W} ${H}`;
      if (!out.has(key)) out.set(key, { name: `exercise ${e.number}`, ...view, file: f.index, items: [] });
      // The keys of the areas that an area exercise colours in this view.
      if (e.kind === 'AREA') out.get(key).items.push(...e.items);
    }
  }
  return [...out.values()];
}

module.exports = { exerciseViews, fitToSelection, matches };
