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

  // Tiny areas (Monaco, Vatican) would collapse to a line: keep every point of their arcs.
  ringArcs.forEach(ra => {
    if (ra && ringCount(ra) < 6) for (const a of ra) thr[a < 0 ? ~a : a] = 0;
  });

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

module.exports = { simplifyRings };
