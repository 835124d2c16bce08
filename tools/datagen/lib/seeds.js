// SPDX-License-Identifier: MIT
// Interior fill points of a ring: Seed1 at the pole of inaccessibility, Seed2 in the largest
// part that a fill from Seed1 does not reach when the ring is drawn at exercise scale.
'use strict';
const { Grid, fillPolygon, drawOutline, flood, distance, nearest } = require('./raster');
const { pointInRing, distToRing, bbox } = require('./geom');

// A local projection shaped like the game's (longitude shrinks with latitude), pixels of pxDeg degrees.
function localProjection(box, pxDeg) {
  const latc = (box.n + box.s) / 2, C = (box.e + box.w) / 2;
  const D = 90 + nearest(Math.abs(latc) / 90 * 50);
  const s = 1 / pxDeg;
  const fx0 = (lon, lat) => Math.sqrt(8100 - Math.min(8099.9, lat * lat)) * (lon - C) / D * s;
  let minx = Infinity, maxx = -Infinity;
  for (const lat of [box.n, box.s, latc, 0 > box.s && 0 < box.n ? 0 : latc]) {
    for (const lon of [box.w, box.e]) { const x = fx0(lon, lat); minx = Math.min(minx, x); maxx = Math.max(maxx, x); }
  }
  const ox = 3 - minx, oy = 3;
  const W = Math.ceil(maxx - minx) + 7, H = Math.ceil((box.n - box.s) * s) + 7;
  return {
    W, H,
    fx: (lon, lat) => fx0(lon, lat) + ox,
    fy: lat => (box.n - lat) * s + oy,
    inv: (x, y) => {
      const lat = box.n - (y - oy) / s;
      return [C + (x - ox) / s * D / Math.sqrt(8100 - Math.min(8099.9, lat * lat)), lat];
    },
  };
}

const r4 = v => Math.round(v * 10000) / 10000;

function validSeed(lon, lat, ring, lakes, margin) {
  if (!pointInRing(lat, lon, ring)) return false;
  if (distToRing(lon, lat, ring) < margin) return false;
  for (const l of lakes) if (pointInRing(lat, lon, l.ring) || distToRing(lon, lat, l.ring) < margin) return false;
  return true;
}

// Candidate pixels in order of decreasing distance; the first that passes the exact test wins.
function bestPixel(proj, idx, dist, ring, lakes, margin, accept) {
  const order = idx.slice().sort((a, b) => dist[b] - dist[a] || a - b);
  for (const i of order.slice(0, 400)) {
    const x = i % proj.W, y = (i - x) / proj.W;
    const [lon, lat] = proj.inv(x + 0.5, y + 0.5);
    const p = [r4(lon), r4(lat)];
    if (validSeed(p[0], p[1], ring, lakes, margin) && (!accept || accept(p))) return { p, i };
  }
  return null;
}

function regionMask(proj, ring, lakes, withOutline) {
  const g = new Grid(proj.W, proj.H);
  fillPolygon(g, ring.map(([lon, lat]) => [proj.fx(lon, lat), proj.fy(lat)]), 1);
  for (const l of lakes) fillPolygon(g, l.ring.map(([lon, lat]) => [proj.fx(lon, lat), proj.fy(lat)]), 0);
  if (withOutline) drawOutline(g, ring.map(([lon, lat]) => [nearest(proj.fx(lon, lat)), nearest(proj.fy(lat))]), 0);
  return g;
}

// lakes: [{ring, box}] that may overlap the ring; exercisePx: degrees per pixel at exercise scale.
function computeSeeds(ring, lakes, exercisePx, accept) {
  const box = bbox(ring);
  const near = lakes.filter(l => l.box.w <= box.e && l.box.e >= box.w && l.box.s <= box.n && l.box.n >= box.s);
  const size = Math.max(box.e - box.w, box.n - box.s, 1e-4);
  const fineProj = localProjection(box, size / 300);
  const fine = regionMask(fineProj, ring, near, false);
  const fdist = distance(fine.W, fine.H, i => fine.a[i] === 1);
  const fidx = []; for (let i = 0; i < fine.a.length; i++) if (fine.a[i]) fidx.push(i);
  const margin = Math.min(0.0003, size / 1000);
  let s1 = bestPixel(fineProj, fidx, fdist, ring, near, margin, accept);
  if (!s1) s1 = bestPixel(fineProj, fidx, fdist, ring, near, 0, accept);
  if (!s1) return null;
  const seed1 = s1.p;

  // Seed2: largest part not reached from Seed1 at exercise scale.
  const proj = localProjection(box, exercisePx);
  if (proj.W * proj.H <= 16e6) {
    const g = regionMask(proj, ring, near, true);
    const ok = i => g.a[i] === 1;
    const mark = new Uint8Array(g.a.length);
    const sx = nearest(proj.fx(seed1[0], seed1[1])), sy = nearest(proj.fy(seed1[1]));
    if (sx >= 0 && sy >= 0 && sx < proj.W && sy < proj.H && ok(sy * proj.W + sx)) {
      flood(proj.W, proj.H, sy * proj.W + sx, ok, mark);
      let best = null;
      for (let i = 0; i < g.a.length; i++) {
        if (!ok(i) || mark[i]) continue;
        const comp = flood(proj.W, proj.H, i, ok, mark);
        if (comp.length >= 4 && (!best || comp.length > best.length)) best = comp;
      }
      // Staircase slivers between a drawn line and the true edge are not parts of their own:
      // a real pinched-off part is at least two pixels deep.
      const d = best ? distance(proj.W, proj.H, ok) : null;
      if (best && Math.max(...best.map(i => d[i])) < 6) best = null;
      if (best) {
        const s2 = bestPixel(proj, best, d, ring, near, margin, accept);
        if (s2) return { seed1, seed2: s2.p, pinched: true };
      }
    }
  }

  // No pinch: a second interior point well away from Seed1.
  const x1 = s1.i % fineProj.W, y1 = (s1.i - x1) / fineProj.W;
  const r = fdist[s1.i] / 3; // chamfer units are 3 per pixel step
  const far = fidx.filter(i => { const x = i % fineProj.W, y = (i - x) / fineProj.W; return Math.hypot(x - x1, y - y1) >= r && fdist[i] * 2 >= fdist[s1.i]; });
  const s2 = far.length ? bestPixel(fineProj, far, fdist, ring, near, margin, accept) : null;
  return { seed1, seed2: s2 ? s2.p : seed1, pinched: false };
}

module.exports = { computeSeeds, validSeed };
