// SPDX-License-Identifier: MIT
// Sea pockets that no sea seed can fill are closed into the land next to them. A pocket is a
// bay or fjord whose mouth the outlines pinch shut at the scale an exercise shows it, or sea
// that another map sharing the seed file has as land; at that scale it is detail below the
// map's resolution, so it goes the way a cartographer would drop it.
'use strict';
const polygonClipping = require('polygon-clipping');
const { bbox, cutAntimeridian, signedArea } = require('./geom');
const { regionPixels } = require('./seaseeds');

const overlaps = (a, b, m = 0) => a.w <= b.e + m && b.w <= a.e + m && a.s <= b.n + m && b.s <= a.n + m;

// The pocket grown by one pixel all round (over the outlines that close it), in degrees.
function pocketPolygon(d, pixels) {
  const { v } = d;
  const rows = new Map();
  for (const k of pixels) {
    const x = k % v.W, y = (k - x) / v.W;
    let row = rows.get(y); if (!row) rows.set(y, row = []);
    row.push(x);
  }
  const quads = [];
  for (const [y, xs] of rows) {
    xs.sort((a, b) => a - b);
    for (let i = 0; i < xs.length;) {
      let j = i;
      while (j + 1 < xs.length && xs[j + 1] === xs[j] + 1) j++;
      const x0 = xs[i] - 1.5, x1 = xs[j] + 1.5, y0 = y - 1.5, y1 = y + 1.5;
      quads.push([[v.inv(x0, y0), v.inv(x1, y0), v.inv(x1, y1), v.inv(x0, y1), v.inv(x0, y0)]]);
      i = j + 1;
    }
  }
  return polygonClipping.union(...quads);
}

// The record whose land lies most around the pocket: it takes the pocket.
function neighbourOf(d, pixels) {
  const { v, land } = d;
  const count = new Map();
  for (const k of pixels) {
    const x = k % v.W, y = (k - x) / v.W;
    for (let dy = -2; dy <= 2; dy++) for (let dx = -2; dx <= 2; dx++) {
      const id = land.get(x + dx, y + dy);
      if (id) count.set(id - 1, (count.get(id - 1) || 0) + 1);
    }
  }
  let best = -1, most = 0;
  for (const [id, n] of [...count].sort((a, b) => a[0] - b[0])) if (n > most) { best = id; most = n; }
  return best;
}

const multiBox = mp => bbox(mp.flatMap(p => p[0]));

// Longitudes made continuous along the ring, for rings that cross ±180°.
function unwrap(ring) {
  const out = [[ring[0][0], ring[0][1]]];
  for (let i = 1; i < ring.length; i++) {
    let lon = ring[i][0];
    const prev = out[i - 1][0];
    while (lon - prev > 180) lon -= 360;
    while (prev - lon > 180) lon += 360;
    out.push([lon, ring[i][1]]);
  }
  return out;
}
const wrap = lon => (lon > 180 ? lon - 360 : lon < -180 ? lon + 360 : lon);
const crosses = ring => ring.some((p, i) => i > 0 && Math.abs(p[0] - ring[i - 1][0]) > 180);

// Adds the pocket to polygon pi of area ai of the source areas: the part that is not already
// land of another area or another part of this one is merged with that polygon, so islands keep
// records (and seeds) of their own. Returns false when nothing was added.
function closeInto(areas, ai, pi, pocket) {
  const pb = multiBox(pocket);
  const others = [];
  areas.forEach((a, i) => {
    a.polygons.forEach((poly, k) => {
      if (i === ai && k === pi) return;
      for (const ring of cutAntimeridian(poly[0])) {
        if (overlaps(bbox(ring), pb)) others.push([[...ring, ring[0]]]);
      }
    });
  });
  let piece = others.length ? polygonClipping.difference(pocket, others) : pocket;
  if (!piece.length) return false;
  const area = areas[ai];
  // A ring across ±180° is merged on a continuous sheet and wrapped back afterwards; holes are
  // dropped there, as every record drops them anyway.
  const target = crosses(area.polygons[pi][0]) ? [unwrap(area.polygons[pi][0])] : area.polygons[pi];
  if (pb.e < bbox(target[0]).w - 1) piece = piece.map(p => p.map(r => r.map(([x, y]) => [x + 360, y])));
  const merged = polygonClipping.union(piece, [target]).map(p => p.map(r => r.map(([x, y]) => [wrap(x), y])));
  // The part that holds the old polygon stays in its place; pieces of the pocket apart from it
  // become parts of their own.
  merged.sort((a, b) => Math.abs(signedArea(b[0])) - Math.abs(signedArea(a[0])));
  area.polygons[pi] = merged[0];
  area.polygons.push(...merged.slice(1));
  return true;
}

// Closes the given unseeded regions (with their drawn views) into the source areas of the
// files they belong to. files[i] = { areas, records }. Returns how many pockets were closed.
function closePockets(left, files) {
  let closed = 0;
  for (const { d, r, file } of left) {
    const pixels = regionPixels(d, r);
    const rec = neighbourOf(d, pixels);
    if (rec < 0) continue;
    const { areas, records } = files[file];
    const pocket = pocketPolygon(d, pixels);
    const pb = multiBox(pocket);
    if (pb.w < -180 || pb.e > 180) continue;
    if (closeInto(areas, records[rec].ai, records[rec].pi, pocket)) closed++;
  }
  return closed;
}

module.exports = { closePockets };
