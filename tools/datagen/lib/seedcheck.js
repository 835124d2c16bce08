// SPDX-License-Identifier: MIT
// Whether a fill from a seed stays inside its ring when the game draws the ring in a given view:
// the seed's pixel must lie on the drawn outline (the fill then does nothing) or be enclosed by it.
'use strict';
const { makeView, Grid, drawOutline, fillPolygon, flood } = require('./raster');
const { distToRing, pointInRing } = require('./geom');
const { computeSeeds, validSeed } = require('./seeds');
const { matches } = require('./exviews');

function seedStaysInside(ring, box, seed, view) {
  const v = view.px ? view : makeView(view);
  if (box.n < v.B || box.s > v.T) return true; // not drawn in this view
  const pix = ring.map(([lon, lat]) => v.px(lon, lat));
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  for (const [x, y] of pix) { x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y); }
  if (x1 < 0 || y1 < 0 || x0 >= v.W || y0 >= v.H) return true;
  const [sx, sy] = v.px(seed[0], seed[1]);
  // A seed a few pixels away from the outline cannot round to its other side.
  const lat = seed[1];
  const pxPerDeg = v.s * Math.min(1, Math.sqrt(Math.max(0, 8100 - lat * lat)) / v.D);
  if (distToRing(seed[0], seed[1], ring) * pxPerDeg > 3) return true;
  if (sx < x0 || sx > x1 || sy < y0 || sy > y1) return false;
  const W = x1 - x0 + 3, H = y1 - y0 + 3;
  const g = new Grid(W, H);
  drawOutline(g, pix.map(([x, y]) => [x - x0 + 1, y - y0 + 1]), 1);
  const start = (sy - y0 + 1) * W + (sx - x0 + 1);
  if (g.a[start]) return true;
  const mark = new Uint8Array(W * H);
  const reached = flood(W, H, start, i => !g.a[i], mark);
  for (const i of reached) {
    const x = i % W, y = (i - x) / W;
    if (x === 0 || y === 0 || x === W - 1 || y === H - 1) return false;
  }
  return true;
}


// Even-odd test of a pixel's centre against the ring as the game projects it (vertices on
// their rounded pixels), with the game's rule for a row through a vertex.
function pixelHeld(pix, x, y) {
  const px = x + 0.5, py = y + 0.5;
  let odd = false;
  for (let i = 0, j = pix.length - 1; i < pix.length; j = i++) {
    const [ax, ay] = pix[j], [bx, by] = pix[i];
    if ((ay <= py) === (by <= py)) continue;
    if (ax + (py - ay) * (bx - ax) / (by - ay) <= px) odd = !odd;
  }
  return odd;
}

function onOutline(pix, x, y) {
  const g = new Grid(1, 1);
  drawOutline(g, pix.map(([px, py]) => [px - x, py - y]), 1);
  return g.a[0] === 1;
}

// The pixels the ring holds, on a grid over its box, with or without its outline taken off.
function heldPixels(pix, withoutOutline) {
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  for (const [x, y] of pix) { x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y); }
  const local = pix.map(([x, y]) => [x - x0, y - y0]);
  const g = new Grid(x1 - x0 + 1, y1 - y0 + 1);
  fillPolygon(g, local, 1);
  if (withoutOutline) drawOutline(g, local, 0);
  return g;
}
const heldCount = pix => heldPixels(pix, false).a.reduce((n, a) => n + a, 0);
const hasClearPixel = pix => heldPixels(pix, true).a.includes(1);

// What is wrong with a seed in a view that shows its ring: null when its pixel is one the ring
// holds and, where the ring holds pixels clear of its outline, off the outline; else 'outside'
// or 'on the outline'. A ring off the picture, or holding no pixel at all, asks nothing.
// A ring that holds this few pixels at a size holds them where the rounding of that size puts
// them: no one point need round onto them at every size, and the game's marker carries the area.
const FEW_PIXELS = 3;

function seedPixelFault(ring, box, seed, view, { lenient = false } = {}) {
  const v = view.px ? view : makeView(view);
  if (box.n < v.B || box.s > v.T) return null;
  const pix = ring.map(([lon, lat]) => v.px(lon, lat));
  let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
  for (const [x, y] of pix) { x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y); }
  if (x1 < 0 || y1 < 0 || x0 >= v.W || y0 >= v.H) return null;
  const [sx, sy] = v.px(seed[0], seed[1]);
  const held = pixelHeld(pix, sx, sy);
  const fault = !held ? (heldCount(pix) > 0 ? 'outside' : null) : onOutline(pix, sx, sy) && hasClearPixel(pix) ? 'on the outline' : null;
  return fault && lenient && heldCount(pix) <= FEW_PIXELS ? null : fault;
}

// The faults of a record's seeds in the views, as text; Seed1 must lie inside its ring in any
// case, since the game maps a click on a small area's marker to it.
function seedFaults(rec, views, opt) {
  const out = [];
  if (!pointInRing(rec.seed1[1], rec.seed1[0], rec.ring)) out.push('Seed1 outside its ring');
  for (const [name, seed] of [['Seed1', rec.seed1], ['Seed2', rec.seed2]]) {
    for (const v of views) {
      if (v.items && !v.items.some(k => matches(rec, k))) continue;
      const f = seedPixelFault(rec.ring, rec.box, seed, v, opt);
      if (f) { out.push(`${name} ${f} at ${v.W}x${v.H} of ${v.name || 'a view'}`); break; }
    }
  }
  return out;
}

// Seed candidates for a ring from the pixels it holds in the views, clearest first: each pixel's
// point rounded to the file's 1/10000 degree, kept when it still projects onto that pixel.
function pixelCandidates(ring, box, views) {
  const out = [];
  for (const view of views) {
    const v = view.px ? view : makeView(view);
    if (box.n < v.B || box.s > v.T) continue;
    const pix = ring.map(([lon, lat]) => v.px(lon, lat));
    let x0 = Infinity, y0 = Infinity, x1 = -Infinity, y1 = -Infinity;
    for (const [x, y] of pix) { x0 = Math.min(x0, x); y0 = Math.min(y0, y); x1 = Math.max(x1, x); y1 = Math.max(y1, y); }
    if (x1 < 0 || y1 < 0 || x0 >= v.W || y0 >= v.H || (x1 - x0) * (y1 - y0) > 40000) continue;
    for (let y = y0; y <= y1; y++) {
      for (let x = x0; x <= x1; x++) {
        if (!pixelHeld(pix, x, y)) continue;
        const [lon, lat] = v.inv(x, y);
        const p = [Math.round(lon * 10000) / 10000, Math.round(lat * 10000) / 10000];
        const [px, py] = v.px(p[0], p[1]);
        if (px === x && py === y) out.push({ p, clear: onOutline(pix, x, y) ? 0 : 1, depth: distToRing(p[0], p[1], ring) });
      }
    }
  }
  return out.sort((a, b) => b.clear - a.clear || b.depth - a.depth).map(c => c.p);
}

// Points of a fine grid over a small ring's box, deepest first: where the ring holds only a pixel
// or two, the points that round onto a held pixel at every size may lie between pixel centres.
function gridCandidates(ring, box, steps = 80) {
  const out = [];
  for (let i = 0; i <= steps; i++) {
    for (let j = 0; j <= steps; j++) {
      const p = [Math.round((box.w + (box.e - box.w) * i / steps) * 10000) / 10000, Math.round((box.s + (box.n - box.s) * j / steps) * 10000) / 10000];
      if (pointInRing(p[1], p[0], ring)) out.push({ p, depth: distToRing(p[0], p[1], ring) });
    }
  }
  return out.sort((a, b) => b.depth - a.depth || a.p[0] - b.p[0] || a.p[1] - b.p[1]).map(c => c.p);
}

// Records whose seeds fault in an exercise view (seedFaults) get seeds again, among interior
// points first and else among the points the ring's pixels and a fine grid give, that fit every
// view and keep a fill inside the ring in the guard views. Returns the records and the set of
// those that no point fits.
function settleSeeds(records, views, { name, guards = [], lakes = [], exercisePx, log = () => {} }) {
  let moved = 0;
  const unsettled = new Set();
  const out = [];
  records.forEach(r => {
    if (!seedFaults(r, views).length) { out.push(r); return; }
    const own = views.filter(v => !v.items || v.items.some(key => matches(r, key)));
    const fits = opt => p => own.every(v => !seedPixelFault(r.ring, r.box, p, v, opt)) && guards.every(v => seedStaysInside(r.ring, r.box, p, v));
    let fixed = computeSeeds(r.ring, lakes, exercisePx, fits({}));
    let cands = null;
    // Else the points the ring's pixels and a fine grid give, fitting every view, or failing that,
    // every view where the ring holds more than a few pixels.
    for (const opt of [{}, { lenient: true }]) {
      if (fixed) break;
      cands = cands || pixelCandidates(r.ring, r.box, own).concat(gridCandidates(r.ring, r.box)).filter(p => validSeed(p[0], p[1], r.ring, lakes, 0.00002));
      const ok = cands.filter(fits(opt));
      if (ok.length) fixed = { seed1: ok[0], seed2: ok.find(p => p[0] !== ok[0][0] || p[1] !== ok[0][1]) || ok[0] };
    }
    const rec = fixed ? { ...r, seed1: fixed.seed1, seed2: fixed.seed2 } : r;
    if (fixed) moved++;
    // A part is kept even so: dropping a bordering one (the Gaza Strip) would leave a hole in the land.
    out.push(rec);
    if (seedFaults(rec, views, { lenient: true }).length) unsettled.add(rec);
  });
  if (moved) log(`${name}: seeds of ${moved} records moved onto pixels their ring holds in its exercise views`);
  if (unsettled.size) log(`${name}: ${unsettled.size} records where no point of the ring rounds onto its pixels at every size:\n  ${seedFaultList([...unsettled], views, { lenient: true }).join('\n  ')}`);
  return { records: out, unsettled };
}

// The records with seed faults in the views, as text naming area and fault.
function seedFaultList(records, views, opt) {
  return records.map(r => [r, seedFaults(r, views, opt)]).filter(([, f]) => f.length)
    .map(([r, f]) => `${r.area.code} (${r.area.names[1]}) at ${r.seed1[1]},${r.seed1[0]}: ${f.join('; ')}`);
}

module.exports = { seedStaysInside, seedPixelFault, seedFaults, pixelCandidates, gridCandidates, settleSeeds, seedFaultList };
