// SPDX-License-Identifier: MIT
// Whether a fill from a seed stays inside its ring when the game draws the ring in a given view:
// the seed's pixel must lie on the drawn outline (the fill then does nothing) or be enclosed by it.
'use strict';
const { makeView, Grid, drawOutline, flood } = require('./raster');
const { distToRing } = require('./geom');

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

module.exports = { seedStaysInside };
