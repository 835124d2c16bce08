// SPDX-License-Identifier: MIT
// Plane geometry on [lon, lat] rings: areas, the game's point-in-polygon rule, antimeridian cuts and clipping.
'use strict';

function closeRing(r) {
  if (r.length && (r[0][0] !== r[r.length - 1][0] || r[0][1] !== r[r.length - 1][1])) return [...r, r[0]];
  return r;
}

function openRing(r) {
  if (r.length > 1 && r[0][0] === r[r.length - 1][0] && r[0][1] === r[r.length - 1][1]) return r.slice(0, -1);
  return r;
}

// Signed area in square degrees (positive when counter-clockwise in lon/lat).
function signedArea(r) {
  let a = 0;
  for (let i = 0, j = r.length - 1; i < r.length; j = i++) a += (r[j][0] - r[i][0]) * (r[j][1] + r[i][1]);
  return a / 2;
}

// Approximate area in km², good enough to rank islands and lakes.
function areaKm2(r) {
  let lat = 0;
  for (const p of r) lat += p[1];
  lat /= r.length;
  return Math.abs(signedArea(r)) * 111.32 * 111.32 * Math.cos(lat * Math.PI / 180);
}

function bbox(r) {
  let n = -Infinity, s = Infinity, e = -Infinity, w = Infinity;
  for (const [lon, lat] of r) {
    if (lat > n) n = lat; if (lat < s) s = lat;
    if (lon > e) e = lon; if (lon < w) w = lon;
  }
  return { n, s, e, w };
}

// The same half-open even-odd rule the game uses, so a seed that passes here passes there.
function between(a, b, c) { return (b <= c && c < a) || (a <= c && c < b); }
function pointInRing(lat, lon, pts) {
  const n = pts.length;
  let inside = false;
  for (let i = 0, j = n - 1; i < n; j = i++) {
    const a = pts[j], b = pts[i];
    if (between(a[1], b[1], lat)) {
      const L = b[0] + (lat - b[1]) * (a[0] - b[0]) / (a[1] - b[1]);
      if (L > lon) inside = !inside;
    }
  }
  return inside;
}

// Distance from a point to the ring's outline, in degrees (plane).
function distToRing(lon, lat, r) {
  let best = Infinity;
  for (let i = 0, j = r.length - 1; i < r.length; j = i++) {
    const [x1, y1] = r[j], [x2, y2] = r[i];
    const dx = x2 - x1, dy = y2 - y1;
    const len = dx * dx + dy * dy;
    let t = len ? ((lon - x1) * dx + (lat - y1) * dy) / len : 0;
    t = Math.max(0, Math.min(1, t));
    const ex = x1 + t * dx - lon, ey = y1 + t * dy - lat;
    best = Math.min(best, Math.hypot(ex, ey));
  }
  return best;
}

// Sutherland–Hodgman against one half-plane; keep(p) says which side stays, cross(a, b) gives the cut point.
function clipHalf(ring, keep, cross) {
  const out = [];
  const n = ring.length;
  for (let i = 0; i < n; i++) {
    const cur = ring[i], prev = ring[(i + n - 1) % n];
    const ci = keep(cur), pi = keep(prev);
    if (ci) {
      if (!pi) out.push(cross(prev, cur));
      out.push(cur);
    } else if (pi) out.push(cross(prev, cur));
  }
  return dedupe(out);
}

function dedupe(r) {
  const out = [];
  for (const p of r) {
    const q = out[out.length - 1];
    if (!q || q[0] !== p[0] || q[1] !== p[1]) out.push(p);
  }
  while (out.length > 1 && out[0][0] === out[out.length - 1][0] && out[0][1] === out[out.length - 1][1]) out.pop();
  return out;
}

const atLon = x => (a, b) => [x, a[1] + (b[1] - a[1]) * (x - a[0]) / (b[0] - a[0])];
const atLat = y => (a, b) => [a[0] + (b[0] - a[0]) * (y - a[1]) / (b[1] - a[1]), y];

function clipRect(ring, box) {
  let r = openRing(ring);
  r = clipHalf(r, p => p[0] >= box.w, atLon(box.w)); if (r.length < 3) return [];
  r = clipHalf(r, p => p[0] <= box.e, atLon(box.e)); if (r.length < 3) return [];
  r = clipHalf(r, p => p[1] >= box.s, atLat(box.s)); if (r.length < 3) return [];
  r = clipHalf(r, p => p[1] <= box.n, atLat(box.n)); if (r.length < 3) return [];
  return r;
}

// The pieces of a ring inside a box or a list of boxes that do not overlap.
function clipToBoxes(ring, clip) {
  return [].concat(clip).map(box => openRing(clipRect(ring, box))).filter(r => r.length >= 3);
}

// Straight lines are drawn between projected points, so long edges along a meridian or
// parallel get intermediate points to follow the map's curves.
function densify(r, maxStep) {
  const out = [];
  for (let i = 0; i < r.length; i++) {
    const a = r[i], b = r[(i + 1) % r.length];
    out.push(a);
    const steps = Math.ceil(Math.max(Math.abs(b[0] - a[0]), Math.abs(b[1] - a[1])) / maxStep);
    for (let k = 1; k < steps; k++) out.push([a[0] + (b[0] - a[0]) * k / steps, a[1] + (b[1] - a[1]) * k / steps]);
  }
  return out;
}

// Cut a ring that crosses ±180° into pieces that each stay on one side. A ring that winds
// around a pole (Antarctica) is closed along ±180° and the pole instead.
function cutAntimeridian(ring) {
  const r = openRing(ring);
  let jumps = 0;
  for (let i = 0; i < r.length; i++) {
    const a = r[i], b = r[(i + 1) % r.length];
    if (Math.abs(b[0] - a[0]) > 180) jumps++;
  }
  if (jumps === 0) return [r];
  // Unwrap longitudes so that consecutive points never jump.
  const u = [[r[0][0], r[0][1]]];
  for (let i = 1; i < r.length; i++) {
    let lon = r[i][0];
    const prev = u[i - 1][0];
    while (lon - prev > 180) lon -= 360;
    while (lon - prev < -180) lon += 360;
    u.push([lon, r[i][1]]);
  }
  const span = u[u.length - 1][0] - u[0][0];
  if (Math.abs(span) > 180) return [closeAroundPole(r)];
  const pieces = [];
  for (let k = -2; k <= 2; k++) {
    const lo = -180 + 360 * k, hi = 180 + 360 * k;
    let p = clipHalf(u, q => q[0] >= lo, atLon(lo));
    if (p.length >= 3) p = clipHalf(p, q => q[0] <= hi, atLon(hi));
    if (p.length >= 3) pieces.push(p.map(([lon, lat]) => [lon - 360 * k, lat]));
  }
  return pieces;
}

function closeAroundPole(r) {
  // Rotate so the ring starts just after its jump, then run it from one edge of the map to the other.
  let start = 0;
  for (let i = 0; i < r.length; i++) {
    const a = r[i], b = r[(i + 1) % r.length];
    if (Math.abs(b[0] - a[0]) > 180) { start = (i + 1) % r.length; break; }
  }
  const seq = r.slice(start).concat(r.slice(0, start));
  const south = seq.reduce((s, p) => s + p[1], 0) < 0;
  const pole = south ? -89.999 : 89.999;
  const first = seq[0], last = seq[seq.length - 1];
  const edgeLast = Math.sign(last[0]) * 180 || 180, edgeFirst = Math.sign(first[0]) * 180 || -180;
  const out = seq.map(p => [p[0], p[1]]);
  out.push([edgeLast, last[1]], [edgeLast, pole], [edgeFirst, pole], [edgeFirst, first[1]]);
  return dedupe(out);
}

module.exports = { closeRing, openRing, signedArea, areaKm2, bbox, pointInRing, distToRing, clipRect, cutAntimeridian, densify, dedupe, clipToBoxes };
