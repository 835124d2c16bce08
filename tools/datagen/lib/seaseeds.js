// SPDX-License-Identifier: MIT
// Sea seeds: draws each map view the way the game does and chooses seeds so that every sea
// region of the views exercises show gets filled and no land region of any view does.
'use strict';
const { makeView, Grid, fillPolygon, drawOutline, distance } = require('./raster');
const { pointInRing, distToRing, bbox } = require('./geom');

const FREE = 0, LINE = 1, LAKE = 2;

function prepare(records) {
  return records.map(r => ({ ring: r.ring, box: r.box || bbox(r.ring) }));
}

// True when the point is clear sea in every file: outside every ring and lake, off every outline.
function isSea(lon, lat, files, margin) {
  for (const f of files) {
    for (const r of f.rings.concat(f.lakes)) {
      if (lon < r.box.w - margin || lon > r.box.e + margin || lat < r.box.s - margin || lat > r.box.n + margin) continue;
      if (pointInRing(lat, lon, r.ring) || distToRing(lon, lat, r.ring) < margin) return false;
    }
  }
  return true;
}

// Draws a view's outlines, lakes and frame, and splits the free pixels into the regions that
// the game's surface fill sees. Each region knows how much of it is land, sea and off the world.
function drawView(vw, f) {
  const v = makeView(vw);
  const { W, H } = v;
  const g = new Grid(W, H);
  const land = new Grid(W, H, Uint16Array);  // 1 + index of the record whose land a pixel is
  const proj = ring => ring.map(([lon, lat]) => [v.fx(lon, lat), v.fy(lat)]);
  const pix = ring => ring.map(([lon, lat]) => v.px(lon, lat));
  for (const l of f.lakes) { fillPolygon(g, proj(l.ring), LAKE); drawOutline(g, pix(l.ring), LAKE); }
  f.rings.forEach((r, i) => {
    if (r.box.n < v.B || r.box.s > v.T) return;
    fillPolygon(land, proj(r.ring), i + 1);
    drawOutline(g, pix(r.ring), LINE);
  });
  // The frame of pen width 5 around the picture.
  for (let y = 0; y < H; y++) for (let x = 0; x < W; x++) {
    if (x < 3 || y < 3 || x >= W - 3 || y >= H - 3) g.a[y * W + x] = LINE;
  }
  const label = new Int32Array(W * H).fill(-1);
  const regions = [];
  const stack = [];
  for (let start = 0; start < W * H; start++) {
    if (g.a[start] !== FREE || label[start] >= 0) continue;
    const id = regions.length;
    const r = { id, size: 0, land: 0, off: 0, covered: false, first: start };
    label[start] = id;
    stack.push(start);
    while (stack.length) {
      const i = stack.pop();
      r.size++;
      const x = i % W, y = (i - x) / W;
      if (land.a[i]) r.land++;
      else {
        const lon = v.inv(x, y)[0];
        if (lon < -180 || lon > 180) r.off++;
      }
      if (x > 0 && g.a[i - 1] === FREE && label[i - 1] < 0) { label[i - 1] = id; stack.push(i - 1); }
      if (x < W - 1 && g.a[i + 1] === FREE && label[i + 1] < 0) { label[i + 1] = id; stack.push(i + 1); }
      if (y > 0 && g.a[i - W] === FREE && label[i - W] < 0) { label[i - W] = id; stack.push(i - W); }
      if (y < H - 1 && g.a[i + W] === FREE && label[i + W] < 0) { label[i + W] = id; stack.push(i + W); }
    }
    r.sea = r.size - r.land - r.off;
    regions.push(r);
  }
  return { v, g, land, label, regions, dist: null };
}

// The pixels of a region of a drawn view.
function regionPixels(d, r) {
  const out = [];
  for (let k = r.first; k < d.label.length; k++) if (d.label[k] === r.id) out.push(k);
  return out;
}

// The region of a drawn view at a point, or null off the picture's inner pixels.
function regionAt(d, lon, lat) {
  const { v } = d;
  const [x, y] = v.px(lon, lat);
  if (x < 1 || y < 1 || x >= v.W - 1 || y >= v.H - 1) return null;
  const id = d.label[y * v.W + x];
  return id >= 0 ? d.regions[id] : null;
}

// Land regions are those mostly inside land areas; a seed there would paint the land as sea.
const isLandRegion = r => r.land * 2 >= r.size;
const isSeaRegion = (r, minPx) => r.sea * 2 > r.size && r.sea >= minPx;

// A sea seed must never fall into a land region of any view that shows it (at a coarser scale a
// seed near the coast may round into the area). Seeds on an outline or in a lake are harmless.
function clearInAllViews(lon, lat, drawn) {
  for (const d of drawn) {
    const r = regionAt(d, lon, lat);
    if (r && isLandRegion(r)) return false;
  }
  return true;
}

// files: [{records, lakes}] sharing this sea file. targets: views whose sea regions must all be
// filled; guards: further views (other picture sizes, other views of the maps) in which a seed
// must not land on land. Regions are seeded largest first; each seed goes where it fills the
// most still unseeded sea across all target views.
function placeSeaSeeds(files, targets, guards = [], { max = 100, minPx = 8, candidates = 40 } = {}) {
  const fs = files.map(f => ({ rings: prepare(f.records), lakes: prepare((f.lakes || []).map(ring => ({ ring }))) }));
  const drawnTargets = targets.map(vw => drawView(vw, fs[vw.file]));
  const drawn = drawnTargets.concat(guards.map(vw => drawView(vw, fs[vw.file])));
  const open = [];
  drawnTargets.forEach((d, n) => {
    for (const r of d.regions) if (isSeaRegion(r, minPx)) open.push({ d, r, n });
  });
  // What closing a region would cost if it got no seed: its sea as the finest view of the same
  // map that shows it would draw it. A bay pinched shut in a coarse view may be open water a
  // player sees in a finer one.
  for (const o of open) {
    const { v } = o.d;
    const x = o.r.first % v.W, y = (o.r.first - x) / v.W;
    const [lon, lat] = v.inv(x, y);
    let zoom = 1;
    drawnTargets.forEach((t, m) => {
      if (targets[m].file === targets[o.n].file && t.v.s > v.s * zoom && regionAt(t, lon, lat)) zoom = t.v.s / v.s;
    });
    o.cost = o.r.sea * zoom * zoom;
  }
  open.sort((a, b) => b.cost - a.cost || a.n - b.n || a.r.first - b.r.first);

  // What a seed at a point would fill: the uncovered sea regions of the target views there.
  const gain = (lon, lat) => {
    let sum = 0;
    for (const d of drawnTargets) {
      const r = regionAt(d, lon, lat);
      if (r && !r.covered && isSeaRegion(r, minPx)) sum += Math.min(r.sea, 5000);
    }
    return sum;
  };
  const seeds = [];
  const left = [];
  for (const { d, r, n } of open) {
    if (r.covered) continue;
    if (seeds.length >= max) { left.push({ d, r, n, capped: true }); continue; }
    const { v, g, land, label } = d;
    if (!d.dist) d.dist = distance(v.W, v.H, k => g.a[k] === FREE && !land.a[k]);
    const pixels = regionPixels(d, r).filter(k => !land.a[k]);
    pixels.sort((a, b) => d.dist[b] - d.dist[a] || a - b);
    // The most interior pixels first; past them, any pixel of the region that is valid, since a
    // narrow bay's deepest pixels may lie on land of another map that shares the seeds.
    let best = null, valid = 0;
    for (const k of pixels.slice(0, 2000)) {
      if (valid >= candidates) break;
      const x = k % v.W, y = (k - x) / v.W;
      const [lon, lat] = v.inv(x, y);
      if (lon < -180 || lon > 180) continue;
      const p = [Math.round(lon * 10000) / 10000, Math.round(lat * 10000) / 10000];
      // Sea in every file that uses the seeds, and never on land in any view.
      if (regionAt(d, p[0], p[1]) !== r) continue;
      if (!isSea(p[0], p[1], fs, Math.max(0.005, 1 / v.s)) || !clearInAllViews(p[0], p[1], drawn)) continue;
      valid++;
      const score = gain(p[0], p[1]);
      if (!best || score > best.score) best = { p, score };
    }
    if (!best) { left.push({ d, r, n }); continue; }
    seeds.push(best.p);
    for (const t of drawnTargets) {
      const hit = regionAt(t, best.p[0], best.p[1]);
      if (hit) hit.covered = true;
    }
  }
  const unseeded = left.filter(({ r }) => !r.covered).map(({ d, r, n }) => {
    const x = r.first % d.v.W, y = (r.first - x) / d.v.W;
    const [lon, lat] = d.v.inv(x, y);
    return { d, r, file: targets[n].file, name: targets[n].name, sea: r.sea, lat, lon };
  });
  if (process.env.DATAGEN_VERBOSE) console.log(`  capped ${left.filter(l => l.capped && !l.r.covered).length}, no valid point ${left.filter(l => !l.capped && !l.r.covered).length}`);
  return { seeds, left: unseeded };
}

// Draws views of one file ({records, lakes}) as the seed placement does.
function drawViews(file, views) {
  const f = { rings: prepare(file.records), lakes: prepare((file.lakes || []).map(ring => ({ ring }))) };
  return views.map(vw => Object.assign(drawView(vw, f), { items: vw.items || [] }));
}

module.exports = { placeSeaSeeds, drawViews, regionPixels };
