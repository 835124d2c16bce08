// SPDX-License-Identifier: MIT
// Topology-preserving simplification: rings are split into shared arcs, so neighbours keep identical borders.
'use strict';
const { topology } = require('topojson-server');
const { presimplify } = require('topojson-simplify');
const { dedupe } = require('./geom');

// pieces: [{ ring: [[lon, lat], ...] }]; minWeight in square degrees (triangle area).
// Returns one simplified ring per piece (null when it collapsed), rounded to 1/10000 degree.
function simplifyRings(pieces, { minWeight, maxPoints = 500, quantization = 1e7 }) {
  const fc = {
    type: 'GeometryCollection',
    geometries: pieces.map(p => ({ type: 'Polygon', coordinates: [closed(p.ring)] })),
  };
  const topo = presimplify(topology({ rings: fc }, quantization));
  const arcs = topo.arcs;
  const thr = arcs.map(() => minWeight);
  const geoms = topo.objects.rings.geometries;
  const ringArcs = geoms.map(g => (g.type === 'Polygon' ? g.arcs[0] : null));

  const arcCount = (i) => countKept(arcs[i], thr[i]);
  const ringCount = (ra) => ra.reduce((s, a) => s + arcCount(a < 0 ? ~a : a) - 1, 0);

  // Raise the threshold of a too-detailed ring's arcs until it fits; thresholds only grow,
  // so neighbours sharing those arcs only lose points and stay identical.
  const fitCap = () => {
    for (let pass = 0; pass < 50; pass++) {
      let changed = false;
      ringArcs.forEach(ra => {
        if (!ra) return;
        const n = ringCount(ra);
        if (n <= maxPoints - 10) return;
        const ws = [];
        for (const a of ra) {
          const i = a < 0 ? ~a : a;
          for (const p of arcs[i]) if (p[2] !== null && p[2] !== undefined && p[2] >= thr[i]) ws.push(p[2]);
        }
        ws.sort((x, y) => x - y);
        const drop = n - (maxPoints - 20);
        const w = ws[Math.min(ws.length - 1, Math.max(0, drop))];
        for (const a of ra) { const i = a < 0 ? ~a : a; if (thr[i] < w) { thr[i] = w; changed = true; } }
      });
      if (!changed) break;
    }
  };

  // Tiny areas (Monaco, Vatican) would collapse to a line: keep every point of their arcs.
  ringArcs.forEach(ra => {
    if (ra && ringCount(ra) < 6) for (const a of ra) thr[a < 0 ? ~a : a] = 0;
  });

  // Simplified arcs may cross each other or themselves, which splits areas into pieces that
  // the game fills wrongly; arcs that cross keep more of their points until they no longer do,
  // as far as the point cap allows (the cap wins).
  fitCap();
  for (let pass = 0; pass < 6; pass++) {
    const crossing = crossingArcs(arcs.map((arc, i) => keep(arc, thr[i])));
    if (!crossing.size) break;
    for (const i of crossing) thr[i] /= 4;
    fitCap();
  }

  const keptArcs = arcs.map((arc, i) => keep(arc, thr[i]).map(([x, y]) => [r4(x), r4(y)]));
  return ringArcs.map(ra => {
    if (!ra) return null;
    let pts = [];
    for (const a of ra) {
      let c = a < 0 ? keptArcs[~a].slice().reverse() : keptArcs[a];
      if (pts.length) c = c.slice(1);
      pts = pts.concat(c);
    }
    pts = dedupe(pts);
    return pts.length >= 3 ? pts : null;
  });
}

const r4 = v => Math.round(v * 10000) / 10000;
const closed = r => (r[0][0] === r[r.length - 1][0] && r[0][1] === r[r.length - 1][1] ? r : [...r, r[0]]);
const weightOf = p => (p[2] === null || p[2] === undefined ? Infinity : p[2]);

// A closed arc (an island on its own) keeps at least its three most important inner points.
function keep(arc, t) {
  const closedArc = arc.length > 2 && arc[0][0] === arc[arc.length - 1][0] && arc[0][1] === arc[arc.length - 1][1];
  let minKeep = t;
  if (closedArc) {
    const inner = arc.slice(1, -1).map(weightOf).sort((a, b) => b - a);
    minKeep = Math.min(t, inner[Math.min(2, inner.length - 1)]);
  }
  return arc.filter(p => weightOf(p) >= minKeep);
}

function countKept(arc, t) { return keep(arc, t).length; }

// Indices of arcs with a segment that properly crosses another segment (of any arc).
function crossingArcs(arcs) {
  const CELL = 0.5;
  const grid = new Map();
  const segs = [];
  arcs.forEach((arc, ai) => {
    for (let k = 0; k + 1 < arc.length; k++) {
      const a = arc[k], b = arc[k + 1];
      const id = segs.length;
      segs.push({ ai, k, a, b });
      const x0 = Math.floor(Math.min(a[0], b[0]) / CELL), x1 = Math.floor(Math.max(a[0], b[0]) / CELL);
      const y0 = Math.floor(Math.min(a[1], b[1]) / CELL), y1 = Math.floor(Math.max(a[1], b[1]) / CELL);
      for (let x = x0; x <= x1; x++) for (let y = y0; y <= y1; y++) {
        const key = x * 100003 + y;
        let cell = grid.get(key); if (!cell) grid.set(key, cell = []);
        cell.push(id);
      }
    }
  });
  const out = new Set();
  for (const cell of grid.values()) {
    for (let m = 0; m < cell.length; m++) for (let n = m + 1; n < cell.length; n++) {
      const s = segs[cell[m]], t = segs[cell[n]];
      if (s.ai === t.ai && Math.abs(s.k - t.k) <= 1) continue;
      if (properCross(s.a, s.b, t.a, t.b)) { out.add(s.ai); out.add(t.ai); }
    }
  }
  return out;
}

function orient(p, q, r) { return (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0]); }

// True when the segments cross at a point inside both (touching at an end does not count).
function properCross(a, b, c, d) {
  const o1 = orient(a, b, c), o2 = orient(a, b, d), o3 = orient(c, d, a), o4 = orient(c, d, b);
  return o1 * o2 < 0 && o3 * o4 < 0;
}

module.exports = { simplifyRings, crossingArcs };
