// SPDX-License-Identifier: MIT
// Small raster engine that mimics how the game draws a map: its projection, one-pixel
// outlines and 4-connected fills. Used to place seeds and sea seeds and to draw previews.
'use strict';

// Round half to even, as the game does.
function nearest(v) {
  const f = Math.floor(v), d = v - f;
  if (d > 0.5) return f + 1;
  if (d < 0.5) return f;
  return f % 2 === 0 ? f : f + 1;
}

// The game's projection for a view (top, bottom, centre longitude) on a W×H picture.
function makeView({ T, B, C, W, H }) {
  const D = 90 + nearest(Math.abs((T + B) / 2) / 90 * 50);
  const s = H / (T - B);
  const fx = (lon, lat) => {
    const la = Math.max(-90, Math.min(90, lat));
    if (Math.abs(la) === 90) return W / 2;
    return Math.sqrt(8100 - la * la) * (lon - C) / D * s + W / 2;
  };
  const fy = lat => H - H * (Math.max(-90, Math.min(90, lat)) - B) / (T - B);
  const inv = (x, y) => {
    const lat = T + (B - T) * y / H;
    if (Math.abs(lat) >= 90) return [C, lat];
    return [C + (x - W / 2) / Math.sqrt(8100 - lat * lat) * D / s, lat];
  };
  return { T, B, C, W, H, D, s, fx, fy, inv, px: (lon, lat) => [nearest(fx(lon, lat)), nearest(fy(lat))] };
}

class Grid {
  constructor(W, H, Type = Uint8Array) { this.W = W; this.H = H; this.a = new Type(W * H); }
  get(x, y) { return x >= 0 && y >= 0 && x < this.W && y < this.H ? this.a[y * this.W + x] : 0; }
  set(x, y, v) { if (x >= 0 && y >= 0 && x < this.W && y < this.H) this.a[y * this.W + x] = v; }
}

// The game's line: steps along the major axis, the minor coordinate rounded to nearest with
// halves away from the start; both ends included (the game sets the end pixels explicitly).
function line(g, x0, y0, x1, y1, v) {
  if ((x0 < 0 && x1 < 0) || (y0 < 0 && y1 < 0) || (x0 >= g.W && x1 >= g.W) || (y0 >= g.H && y1 >= g.H)) return;
  const dx = x1 - x0, dy = y1 - y0;
  const xMajor = Math.abs(dx) >= Math.abs(dy);
  const n = xMajor ? Math.abs(dx) : Math.abs(dy);
  if (n === 0) { g.set(x0, y0, v); return; }
  const minor = xMajor ? Math.abs(dy) : Math.abs(dx);
  const sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1, sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const start = xMajor ? x0 : y0, base = xMajor ? y0 : x0, limit = xMajor ? g.W : g.H;
  // Only the steps whose major coordinate lies on the grid.
  const first = Math.max(0, sMajor > 0 ? -start : start - (limit - 1));
  const last = Math.min(n, sMajor > 0 ? limit - 1 - start : start);
  for (let i = first; i <= last; i++) {
    const other = base + sMinor * Math.floor((2 * i * minor + n) / (2 * n));
    if (xMajor) g.set(start + sMajor * i, other, v); else g.set(other, start + sMajor * i, v);
  }
}

function drawOutline(g, pix, v) {
  for (let i = 0; i < pix.length; i++) {
    const a = pix[i], b = pix[(i + 1) % pix.length];
    line(g, a[0], a[1], b[0], b[1], v);
  }
}

// Even-odd scanline fill of a polygon given in float pixel coordinates; pixel centres decide.
function fillPolygon(g, pts, v) {
  const rows = new Map();
  for (let i = 0, j = pts.length - 1; i < pts.length; j = i++) {
    const [xa, ya] = pts[j], [xb, yb] = pts[i];
    if (ya === yb) continue;
    const y0 = Math.max(0, Math.ceil(Math.min(ya, yb) - 0.5)), y1 = Math.min(g.H - 1, Math.ceil(Math.max(ya, yb) - 0.5) - 1);
    for (let y = y0; y <= y1; y++) {
      const cy = y + 0.5;
      const x = xa + (cy - ya) * (xb - xa) / (yb - ya);
      let r = rows.get(y); if (!r) rows.set(y, r = []);
      r.push(x);
    }
  }
  for (const [y, xs] of rows) {
    xs.sort((p, q) => p - q);
    for (let k = 0; k + 1 < xs.length; k += 2) {
      const xa = Math.max(0, Math.ceil(xs[k] - 0.5)), xb = Math.min(g.W - 1, Math.ceil(xs[k + 1] - 0.5) - 1);
      for (let x = xa; x <= xb; x++) g.a[y * g.W + x] = v;
    }
  }
}

// 4-connected flood over pixels where ok(index) holds; returns the list of indices reached.
function flood(W, H, start, ok, mark) {
  const out = [];
  if (!ok(start) || mark[start]) return out;
  const stack = [start];
  mark[start] = 1;
  while (stack.length) {
    const i = stack.pop();
    out.push(i);
    const x = i % W, y = (i - x) / W;
    const nb = [x > 0 ? i - 1 : -1, x < W - 1 ? i + 1 : -1, y > 0 ? i - W : -1, y < H - 1 ? i + W : -1];
    for (const k of nb) if (k >= 0 && !mark[k] && ok(k)) { mark[k] = 1; stack.push(k); }
  }
  return out;
}

// Chessboard-free two-pass chamfer distance (3-4) to the nearest pixel outside the mask.
function distance(W, H, inside) {
  const d = new Float32Array(W * H);
  const BIG = 1e9;
  for (let i = 0; i < W * H; i++) d[i] = inside(i) ? BIG : 0;
  for (let y = 0; y < H; y++) for (let x = 0; x < W; x++) {
    const i = y * W + x; if (!d[i]) continue;
    let v = d[i];
    v = Math.min(v, x > 0 ? d[i - 1] + 3 : 3, y > 0 ? d[i - W] + 3 : 3,
      x > 0 && y > 0 ? d[i - W - 1] + 4 : 4, x < W - 1 && y > 0 ? d[i - W + 1] + 4 : 4);
    d[i] = v;
  }
  for (let y = H - 1; y >= 0; y--) for (let x = W - 1; x >= 0; x--) {
    const i = y * W + x; if (!d[i]) continue;
    let v = d[i];
    v = Math.min(v, x < W - 1 ? d[i + 1] + 3 : 3, y < H - 1 ? d[i + W] + 3 : 3,
      x < W - 1 && y < H - 1 ? d[i + W + 1] + 4 : 4, x > 0 && y < H - 1 ? d[i + W - 1] + 4 : 4);
    d[i] = v;
  }
  return d;
}

module.exports = { nearest, makeView, Grid, line, drawOutline, fillPolygon, flood, distance };
