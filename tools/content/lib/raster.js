// SPDX-License-Identifier: MIT
// Draws one outline ring as the map does (one-pixel lines, every vertex set) and fills from a
// seed, 4-connected, to see whether the area's colour would stay inside its outline.
'use strict';

// Pixels of the line from a to b, both ends included (the map sets the end pixel itself).
function linePixels(a, b, plot) {
  const dx = b[0] - a[0], dy = b[1] - a[1];
  const xMajor = Math.abs(dx) >= Math.abs(dy);
  const n = Math.abs(xMajor ? dx : dy), minor = Math.abs(xMajor ? dy : dx);
  const sMaj = (xMajor ? dx : dy) < 0 ? -1 : 1, sMin = (xMajor ? dy : dx) < 0 ? -1 : 1;
  for (let i = 0; i <= n; i++) {
    const q = n ? Math.floor((2 * i * minor + n) / (2 * n)) : 0;
    const major = (xMajor ? a[0] : a[1]) + sMaj * i, other = (xMajor ? a[1] : a[0]) + sMin * q;
    if (xMajor) plot(major, other); else plot(other, major);
  }
}

// 'leak' when a fill from the seed reaches beyond the ring's box, 'none' when the seed colours
// nothing (on the outline or outside the picture), else 'ok'.
function seedFill(points, seed, view) {
  const px = points.map(([lat, lon]) => [view.x(lon, lat), view.y(lat)]);
  const s = [view.x(seed[1], seed[0]), view.y(seed[0])];
  if (!(s[0] > 0 && s[0] < view.W && s[1] > 0 && s[1] < view.H)) return 'none';
  let x0 = s[0], x1 = s[0], y0 = s[1], y1 = s[1];
  for (const [x, y] of px) { x0 = Math.min(x0, x); x1 = Math.max(x1, x); y0 = Math.min(y0, y); y1 = Math.max(y1, y); }
  // Box of the ring plus a margin, inside the frame the map draws at the picture's edge.
  const bx0 = Math.max(0, x0 - 2), by0 = Math.max(0, y0 - 2), bx1 = Math.min(view.W - 1, x1 + 2), by1 = Math.min(view.H - 1, y1 + 2);
  const gw = bx1 - bx0 + 1, gh = by1 - by0 + 1;
  if (gw * gh > 4e6) return 'ok';  // far larger than any fill a player sees go wrong
  const grid = new Uint8Array(gw * gh);
  const plot = (x, y) => { if (x >= bx0 && x <= bx1 && y >= by0 && y <= by1) grid[(y - by0) * gw + (x - bx0)] = 1; };
  for (let i = 0; i < px.length; i++) linePixels(px[i], px[(i + 1) % px.length], plot);
  const inRing = (x, y) => x >= x0 && x <= x1 && y >= y0 && y <= y1;
  if (grid[(s[1] - by0) * gw + (s[0] - bx0)]) return 'none';
  const stack = [[s[0], s[1]]];
  grid[(s[1] - by0) * gw + (s[0] - bx0)] = 2;
  while (stack.length) {
    const [x, y] = stack.pop();
    if (!inRing(x, y)) return 'leak';
    for (const [nx, ny] of [[x + 1, y], [x - 1, y], [x, y + 1], [x, y - 1]]) {
      if (nx < bx0 || nx > bx1 || ny < by0 || ny > by1) continue;  // the picture's frame
      const k = (ny - by0) * gw + (nx - bx0);
      if (grid[k]) continue;
      grid[k] = 2;
      stack.push([nx, ny]);
    }
  }
  return 'ok';
}

module.exports = { seedFill, linePixels };
