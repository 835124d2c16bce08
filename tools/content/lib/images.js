// SPDX-License-Identifier: MIT
// logo.gif (the main menu's 120 x 423 column: a globe drawn from the world outlines and the
// program's name) and bmptest.bmp (the template the flag grid is copied from).
'use strict';
const { execFileSync } = require('child_process');

const W = 120, H = 423;

// Orthographic projection around (lat0, lon0); points on the far side are pulled to the rim.
function projector(lat0, lon0, cx, cy, r) {
  const d = Math.PI / 180;
  return (lat, lon) => {
    const la = lat * d, dl = (lon - lon0) * d, l0 = lat0 * d;
    let x = Math.cos(la) * Math.sin(dl);
    let y = Math.cos(l0) * Math.sin(la) - Math.sin(l0) * Math.cos(la) * Math.cos(dl);
    const front = Math.sin(l0) * Math.sin(la) + Math.cos(l0) * Math.cos(la) * Math.cos(dl);
    if (front < 0) { const k = Math.hypot(x, y) || 1; x /= k; y /= k; }
    return [cx + r * x, cy - r * y, front >= 0];
  };
}

function logoSvg(worldAreas) {
  const cx = 60, cy = 68, r = 50;
  const proj = projector(25, 15, cx, cy, r);
  const f = v => v.toFixed(1);
  const land = [];
  for (const a of worldAreas) {
    if (a.points.length < 3) continue;
    const pts = a.points.map(([lat, lon]) => proj(lat, lon));
    if (!pts.some(p => p[2])) continue;
    land.push(`M${pts.map(p => `${f(p[0])},${f(p[1])}`).join('L')}Z`);
  }
  const grid = [];
  for (let lon = -180; lon < 180; lon += 30) {
    const pts = [];
    for (let lat = -90; lat <= 90; lat += 5) pts.push(proj(lat, lon));
    if (pts.some(p => p[2])) grid.push(`M${pts.filter(p => p[2]).map(p => `${f(p[0])},${f(p[1])}`).join('L')}`);
  }
  for (let lat = -60; lat <= 60; lat += 30) {
    const pts = [];
    for (let lon = -180; lon <= 180; lon += 5) pts.push(proj(lat, lon));
    const vis = pts.filter(p => p[2]);
    if (vis.length > 1) grid.push(`M${vis.map(p => `${f(p[0])},${f(p[1])}`).join('L')}`);
  }
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${W}" height="${H}" viewBox="0 0 ${W} ${H}">
<defs>
<linearGradient id="bg" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#285aa0"/><stop offset="1" stop-color="#122e5c"/></linearGradient>
<radialGradient id="sea" cx="0.38" cy="0.35" r="0.75"><stop offset="0" stop-color="#6fb8f0"/><stop offset="1" stop-color="#1b4f9c"/></radialGradient>
<radialGradient id="shine" cx="0.35" cy="0.3" r="0.5"><stop offset="0" stop-color="#ffffff" stop-opacity="0.45"/><stop offset="1" stop-color="#ffffff" stop-opacity="0"/></radialGradient>
<clipPath id="disc"><circle cx="${cx}" cy="${cy}" r="${r}"/></clipPath>
</defs>
<rect width="${W}" height="${H}" fill="url(#bg)"/>
<circle cx="${cx + 2}" cy="${cy + 3}" r="${r}" fill="#0b1d3d" opacity="0.5"/>
<circle cx="${cx}" cy="${cy}" r="${r}" fill="url(#sea)"/>
<g clip-path="url(#disc)">
<path d="${land.join('')}" fill="#5cbf4a" stroke="#2f7f2a" stroke-width="0.4"/>
<path d="${grid.join('')}" fill="none" stroke="#ffffff" stroke-opacity="0.35" stroke-width="0.6"/>
<circle cx="${cx}" cy="${cy}" r="${r}" fill="url(#shine)"/>
</g>
<circle cx="${cx}" cy="${cy}" r="${r}" fill="none" stroke="#ffffff" stroke-width="1.5"/>
<ellipse cx="${cx}" cy="${cy}" rx="${r + 7}" ry="13" fill="none" stroke="#ffd54a" stroke-width="2" transform="rotate(-18 ${cx} ${cy})" stroke-dasharray="120 18"/>
<text x="0" y="0" transform="translate(84 402) rotate(-90)" font-family="Liberation Sans" font-weight="bold" font-size="58" fill="#ffffff" letter-spacing="1">Glomira</text>
<text x="0" y="0" transform="translate(84 402) rotate(-90)" font-family="Liberation Sans" font-weight="bold" font-size="58" fill="none" stroke="#0b1d3d" stroke-width="0.8" letter-spacing="1">Glomira</text>
<circle cx="30" cy="150" r="3" fill="#ffd54a"/><circle cx="30" cy="164" r="2" fill="#ffd54a" opacity="0.7"/><circle cx="30" cy="175" r="1.5" fill="#ffd54a" opacity="0.5"/>
</svg>
`;
}

// The SVG is rendered by librsvg and reduced to a GIF by ImageMagick; both run without any
// time stamp or random state, so the bytes repeat.
function run(program, args, input, pkg) {
  try {
    return execFileSync(program, args, { input, maxBuffer: 1 << 26, stdio: ['pipe', 'pipe', 'pipe'] });
  } catch (e) {
    if (e.code === 'ENOENT') throw new Error(`${program} is not installed (Debian package ${pkg})`);
    throw new Error(`${program} failed: ${String(e.stderr || e.message).trim()}`);
  }
}

function logoGif(worldAreas, convert) {
  const png = run('rsvg-convert', ['-w', String(W), '-h', String(H), '-f', 'png'], logoSvg(worldAreas), 'librsvg2-bin');
  return run(convert, ['png:-', '-strip', '-dither', 'None', '-colors', '128', 'gif:-'], png, 'imagemagick');
}

// An 8-bit BMP in the panel colour (192, 208, 224) with a faint diagonal weave.
function templateBmp(width = 640, height = 480) {
  const rowBytes = (width + 3) & ~3;
  const palette = Buffer.alloc(256 * 4);
  palette.set([224, 208, 192, 0], 0);   // B, G, R, 0
  palette.set([216, 200, 184, 0], 4);
  const pixels = Buffer.alloc(rowBytes * height);
  for (let y = 0; y < height; y++) for (let x = 0; x < width; x++) pixels[y * rowBytes + x] = (x + y) % 8 === 0 ? 1 : 0;
  const off = 14 + 40 + palette.length;
  const h = Buffer.alloc(54);
  h.write('BM', 0, 'ascii'); h.writeUInt32LE(off + pixels.length, 2); h.writeUInt32LE(off, 10);
  h.writeUInt32LE(40, 14); h.writeInt32LE(width, 18); h.writeInt32LE(height, 22); h.writeUInt16LE(1, 26);
  h.writeUInt16LE(8, 28); h.writeUInt32LE(0, 30); h.writeUInt32LE(pixels.length, 34);
  h.writeInt32LE(2835, 38); h.writeInt32LE(2835, 42); h.writeUInt32LE(256, 46); h.writeUInt32LE(0, 50);
  return Buffer.concat([h, palette, pixels]);
}

module.exports = { logoGif, logoSvg, templateBmp, W, H };
