// SPDX-License-Identifier: MIT
// The game's map projection and view fitting, to check exercises the way the program draws them.
'use strict';

const f32 = Math.fround;
// Rounds halves to the even neighbour, as the program does.
function nearest(v) {
  const r = Math.round(v);
  return Math.abs(v % 1) === 0.5 && r % 2 !== 0 ? r - 1 : r;
}

function interpolate(v, hi, lo, outHi, outLo) {
  const h = f32(hi + 1e-8);
  return f32(outLo + (outHi - outLo) * ((v - lo) / (h - lo)));
}

class View {
  constructor(T, B, C, W, H) { Object.assign(this, { T: f32(T), B: f32(B), C: f32(C), W, H }); this.updateDivisor(); }
  updateDivisor() { this.D = 90 + nearest(Math.abs((this.T + this.B) / 2) / 90 * 50); }
  y(lat) { lat = Math.max(-90, Math.min(90, lat)); return nearest(this.H - interpolate(f32(lat), this.T, this.B, this.H, 0)); }
  x(lon, lat) {
    if (Math.abs(lat) === 90) return nearest(this.W / 2);
    const s = f32(this.H / (this.T - this.B)), d = f32(lon - this.C);
    return nearest(Math.sqrt(8100 - lat * lat) * d / this.D * s + this.W / 2);
  }
  yToLat(y) { return Math.max(-90, Math.min(90, interpolate(y, this.H, 0, this.B, this.T))); }
  pixelToLon(y, x) {
    const lat = this.yToLat(y), s = f32(this.H / (this.T - this.B));
    if (Math.abs(lat) === 90) return this.C;
    return f32(this.C + (x - Math.trunc(this.W / 2)) / Math.sqrt(8100 - lat * lat) * this.D / s);
  }
}

// FitToSelection over bounding boxes {north, south, east, west}; the widening stops at a pole.
function fitView(boxes, W, H) {
  let n = -10000, s = 10000, e = -10000, w = 10000;
  for (const b of boxes) { e = Math.max(e, b.east); n = Math.max(n, b.north); w = Math.min(w, b.west); s = Math.min(s, b.south); }
  const v = new View(0, 0, 0, W, H);
  v.C = f32((w + e) / 2); v.T = f32(n + (n - s) / 25); v.B = f32(s - (n - s) / 25); v.updateDivisor();
  const half = Math.max(v.C - w, e - v.C);
  const visible = () => Math.min(v.C - v.pixelToLon(H, 0), v.C - v.pixelToLon(Math.trunc(H / 2), 0), 1000);
  for (let i = 0; i < 5000 && visible() < half && v.B > -90; i++) {
    v.T = f32(v.T + (v.T - v.B) / 100); v.B = f32(v.B - (v.T - v.B) / 100); v.updateDivisor();
  }
  return v;
}

const SHOW_MARGIN = 8;   // pixels between a shown item and the picture's edge
const SHOW_ENOUGH = 40;  // pixels each way of a large area's box that must show
const WIDEST_SPAN = 2000; // degrees of latitude at which widening gives up

// The game's widening of a view about its middle until every item shows: an item is a list of
// outlines ([lat, lon] points), shown when the box of one lies on the picture clear of its edges,
// all of it or SHOW_ENOUGH pixels each way, or a place {lat, lon}. Returns the items still not
// shown (none unless it gave up).
function widenToShow(v, items) {
  let left = items;
  for (;;) {
    left = notShown(v, left);
    if (!left.length) return left;
    const middle = (v.T + v.B) / 2, half = (v.T - v.B) / 2 * 1.02;
    if (2 * half > WIDEST_SPAN) return left;
    v.T = f32(middle + half); v.B = f32(middle - half); v.updateDivisor();
  }
}

// The items (as for widenToShow) that view v does not show as it stands.
function notShown(v, items) {
  const on = (lat, lon) => {
    const x = v.x(lon, lat), y = v.y(lat);
    return x >= SHOW_MARGIN && y >= SHOW_MARGIN && x < v.W - SHOW_MARGIN && y < v.H - SHOW_MARGIN;
  };
  const enough = ring => {
    const xs = ring.map(([lat, lon]) => v.x(lon, lat)), ys = ring.map(([lat]) => v.y(lat));
    const [x0, x1, y0, y1] = [Math.min(...xs), Math.max(...xs), Math.min(...ys), Math.max(...ys)];
    const w = Math.min(x1, v.W - 1 - SHOW_MARGIN) - Math.max(x0, SHOW_MARGIN);
    const h = Math.min(y1, v.H - 1 - SHOW_MARGIN) - Math.max(y0, SHOW_MARGIN);
    return w >= 0 && h >= 0 && w >= Math.min(x1 - x0, SHOW_ENOUGH) && h >= Math.min(y1 - y0, SHOW_ENOUGH);
  };
  const shows = item => (Array.isArray(item) ? item.some(enough) : on(item.lat, item.lon));
  return items.filter(item => !shows(item));
}

module.exports = { View, fitView, widenToShow, notShown, nearest, SHOW_MARGIN };
