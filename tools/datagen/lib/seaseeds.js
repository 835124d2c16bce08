// Sea seeds: draws each map view the way the game does and puts a seed in every sea region
// that no seed reaches yet, so that no bay or inland sea stays grey and no land turns blue.
'use strict';
const { makeView, Grid, fillPolygon, drawOutline, flood, distance } = require('./raster');
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

// FitToSelection of the game for the areas' bounding box, so views match the exercises.
function fitView(box, W, H) {
  const C = (box.w + box.e) / 2;
  let T = box.n + (box.n - box.s) / 25, B = box.s - (box.n - box.s) / 25;
  const half = Math.max(C - box.w, box.e - C);
  for (let i = 0; i < 2000; i++) {
    const v = makeView({ T, B, C, W, H });
    const vis = Math.min(C - v.inv(0, H)[0], C - v.inv(0, Math.trunc(H / 2))[0], 1000);
    if (vis >= half || B <= -89) break;
    T = T + (T - B) / 100; B = B - (T - B) / 100;
  }
  return { T: Math.min(T, 90), B: Math.max(B, -90), C, W, H };
}

function drawView(vw, f) {
  const v = makeView(vw);
  const g = new Grid(v.W, v.H);
  const land = new Grid(v.W, v.H);
  const proj = ring => ring.map(([lon, lat]) => [v.fx(lon, lat), v.fy(lat)]);
  const pix = ring => ring.map(([lon, lat]) => v.px(lon, lat));
  for (const l of f.lakes) { fillPolygon(g, proj(l.ring), LAKE); drawOutline(g, pix(l.ring), LAKE); }
  for (const r of f.rings) {
    if (r.box.n < v.B || r.box.s > v.T) continue;
    fillPolygon(land, proj(r.ring), 1);
    drawOutline(g, pix(r.ring), LINE);
  }
  // The frame of pen width 5 around the picture.
  for (let y = 0; y < v.H; y++) for (let x = 0; x < v.W; x++) {
    if (x < 3 || y < 3 || x >= v.W - 3 || y >= v.H - 3) g.a[y * v.W + x] = LINE;
  }
  return { v, g, land, dist: null };
}

// A sea seed must never fall into a land area in any view that shows it: at a coarser scale a
// seed near the coast may round into the area and fill it as sea. Seeds on an outline are harmless.
function clearInAllViews([lon, lat], drawn) {
  for (const d of drawn) {
    const { v } = d;
    const [x, y] = v.px(lon, lat);
    if (x < 1 || y < 1 || x >= v.W - 1 || y >= v.H - 1) continue;
    if (landRegions(d)[y * v.W + x]) return false;
  }
  return true;
}

// Pixels of the regions between outlines that lie mostly inside land areas.
function landRegions(d) {
  if (d.landRegions) return d.landRegions;
  const { v, g, land } = d;
  const out = new Uint8Array(v.W * v.H);
  const mark = new Uint8Array(v.W * v.H);
  const free = i => g.a[i] === FREE;
  for (let i = 0; i < g.a.length; i++) {
    if (!free(i) || mark[i]) continue;
    const comp = flood(v.W, v.H, i, free, mark);
    let dry = 0;
    for (const k of comp) if (land.a[k]) dry++;
    if (dry * 2 >= comp.length) for (const k of comp) out[k] = 1;
  }
  d.landRegions = out;
  return out;
}

// Sea regions of a drawn view that no seed reaches yet, largest first.
function unseeded(d, seeds, minPx) {
  const { v, g, land } = d;
  const free = i => g.a[i] === FREE;
  const mark = new Uint8Array(v.W * v.H);
  const seedAt = new Uint8Array(v.W * v.H);
  for (const [lon, lat] of seeds) {
    const [x, y] = v.px(lon, lat);
    if (x > 0 && y > 0 && x < v.W && y < v.H) seedAt[y * v.W + x] = 1;
  }
  const out = [];
  for (let i = 0; i < g.a.length; i++) {
    if (!free(i) || mark[i]) continue;
    const comp = flood(v.W, v.H, i, free, mark);
    let wet = 0, seeded = false;
    for (const k of comp) { if (!land.a[k]) wet++; if (seedAt[k]) seeded = true; }
    if (seeded || wet * 2 < comp.length || wet < minPx) continue;
    out.push(comp);
  }
  return out.sort((a, b) => b.length - a.length || a[0] - b[0]);
}

// files: [{records, lakes}] sharing this sea file; views: [{T, B, C, W, H, file}] (file: index).
// Large seas of every view are seeded first, then ever smaller bays, until the cap.
function placeSeaSeeds(files, views, { max = 100, passes = [20000, 3000, 600, 150, 40] } = {}) {
  const fs = files.map(f => ({ rings: prepare(f.records), lakes: prepare((f.lakes || []).map(ring => ({ ring }))) }));
  const drawn = views.map(vw => drawView(vw, fs[vw.file]));
  const seeds = [];
  const report = [];
  let left = 0;
  for (const minPx of passes) {
    left = 0;
    drawn.forEach((d, n) => {
      const { v, g, land } = d;
      const free = k => g.a[k] === FREE;
      let added = 0;
      const comps = unseeded(d, seeds, minPx);
      for (const comp of comps) {
        if (seeds.length >= max) { left++; continue; }
        if (!d.dist) d.dist = distance(v.W, v.H, k => free(k) && !land.a[k]);
        const order = comp.filter(k => !land.a[k]).sort((a, b) => d.dist[b] - d.dist[a] || a - b);
        let ok = false;
        for (const k of order.slice(0, 50)) {
          const x = k % v.W, y = (k - x) / v.W;
          const [lon, lat] = v.inv(x, y);
          if (lon < -180 || lon > 180) continue;
          const p = [Math.round(lon * 10000) / 10000, Math.round(lat * 10000) / 10000];
          if (isSea(p[0], p[1], fs, Math.max(0.005, 1 / v.s)) && clearInAllViews(p, drawn)) { seeds.push(p); added++; ok = true; break; }
        }
        if (!ok) left++;
      }
      if (added) report.push(`pass ${minPx}px ${views[n].name || ''} ${views[n].W}x${views[n].H}: ${added} seeds`);
    });
  }
  report.push(`sea regions left without a seed: ${left}`);
  return { seeds, report };
}

module.exports = { placeSeaSeeds, fitView, isSea };
