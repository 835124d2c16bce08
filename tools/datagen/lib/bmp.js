// SPDX-License-Identifier: MIT
// Flag pictures: SVG rendered by rsvg-convert, then written as uncompressed 24-bit BMP.
'use strict';
const { execFileSync } = require('child_process');
const { PNG } = require('pngjs');

function rsvg(svgFile, args) {
  try {
    return PNG.sync.read(execFileSync('rsvg-convert', [...args, svgFile], { maxBuffer: 64 << 20 }));
  } catch (e) {
    throw new Error(`rsvg-convert failed on ${svgFile}: ${e.message} (install the Debian package librsvg2-bin)`);
  }
}

const renderSvg = (svgFile, args) => rsvg(svgFile, ['-a', ...args]);

// 60 pixels high in true proportions; very wide flags are narrowed to 120 pixels instead.
// The size comes from the flag's aspect at the given height (or the width cap); the picture
// is then drawn at exactly that size, both sides given: rounded up, the last column would
// otherwise be only partly covered and show as a pale line.
function renderFlag(svgFile, height = 60, maxWidth = 120) {
  let png = renderSvg(svgFile, ['-h', String(height)]);
  if (png.width > maxWidth) png = renderSvg(svgFile, ['-w', String(maxWidth)]);
  return rsvg(svgFile, ['-w', String(png.width), '-h', String(png.height)]);
}

// For high-DPI screens: exactly twice the width and height of renderFlag's picture. Rendering at
// twice the height alone can round the width differently (Nepal: 50 px, but 99 px), so
// both sides are given and the picture stretches by less than two pixels.
function renderFlag2x(svgFile) {
  const one = renderFlag(svgFile);
  return rsvg(svgFile, ['-w', String(2 * one.width), '-h', String(2 * one.height)]);
}

// Transparent parts (non-rectangular flags) are laid on white.
function pngToBmp24(png) {
  const { width: w, height: h, data } = png;
  const rowSize = Math.ceil(w * 3 / 4) * 4;
  const size = 54 + rowSize * h;
  const b = Buffer.alloc(size);
  b.write('BM', 0, 'ascii');
  b.writeUInt32LE(size, 2);
  b.writeUInt32LE(54, 10);
  b.writeUInt32LE(40, 14);
  b.writeInt32LE(w, 18);
  b.writeInt32LE(h, 22);
  b.writeUInt16LE(1, 26);
  b.writeUInt16LE(24, 28);
  b.writeUInt32LE(rowSize * h, 34);
  b.writeInt32LE(2835, 38);
  b.writeInt32LE(2835, 42);
  for (let y = 0; y < h; y++) {
    const row = 54 + (h - 1 - y) * rowSize;
    for (let x = 0; x < w; x++) {
      const i = (y * w + x) * 4, a = data[i + 3];
      const mix = c => Math.round((c * a + 255 * (255 - a)) / 255);
      b[row + x * 3] = mix(data[i + 2]);
      b[row + x * 3 + 1] = mix(data[i + 1]);
      b[row + x * 3 + 2] = mix(data[i]);
    }
  }
  return b;
}

module.exports = { renderFlag, renderFlag2x, renderSvg, pngToBmp24 };
