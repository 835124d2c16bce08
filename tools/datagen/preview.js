#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Draws an area file the way the game does (outlines, lakes, sea fill, area fills) into a PNG
// for a quick look: node preview.js AREA1 [T B C W H] [out.png]
'use strict';
const fs = require('fs');
const path = require('path');
const os = require('os');
const { PNG } = require('pngjs');
const { readAreaFile, readSeaFile } = require('./lib/crpread');
const { makeView, nearest } = require('./lib/raster');

const GAMEDATA = path.resolve(__dirname, '..', '..', 'gamedata');
const SEA_FILE = { 1: 'Hav1.crp', 2: 'Hav2.crp', 3: 'Hav3.crp', 4: 'Hav1.crp', 5: 'Hav1.crp' };

function render(mapNo, view, { areaFile, outlinesOnly, audit } = {}) {
  const v = makeView(view);
  const { W, H } = v;
  const img = new Uint32Array(W * H).fill(0x808080);
  const set = (x, y, c) => { if (x >= 0 && y >= 0 && x < W && y < H) img[y * W + x] = c; };
  const get = (x, y) => img[y * W + x];
  const line = (x0, y0, x1, y1, c) => {
    const dx = Math.abs(x1 - x0), dy = -Math.abs(y1 - y0), sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    let err = dx + dy, guard = 0;
    for (;;) {
      set(x0, y0, c);
      if ((x0 === x1 && y0 === y1) || ++guard > 20000) break;
      const e2 = 2 * err;
      if (e2 >= dy) { err += dy; x0 += sx; }
      if (e2 <= dx) { err += dx; y0 += sy; }
    }
  };
  let filled = [];
  const fill = (x, y, c, over) => {
    filled = [];
    if (x <= 0 || y <= 0 || x >= W || y >= H) return;
    if (over !== undefined ? get(x, y) !== over : get(x, y) === c) return;
    const border = over === undefined ? c : null;
    const st = [y * W + x];
    const ok = i => (border !== null ? img[i] !== border : img[i] === over);
    const target = over;
    if (!ok(st[0])) return;
    while (st.length) {
      const i = st.pop();
      if (!ok(i) || img[i] === c) continue;
      img[i] = c;
      filled.push(i);
      const px = i % W;
      if (px > 0) st.push(i - 1);
      if (px < W - 1) st.push(i + 1);
      if (i >= W) st.push(i - W);
      if (i < W * (H - 1)) st.push(i + W);
    }
    void target;
  };
  const outline = (pts, c) => {
    const p = pts.map(([lat, lon]) => v.px(lon, lat));
    for (let i = 0; i < p.length; i++) { const a = p[i], b = p[(i + 1) % p.length]; line(a[0], a[1], b[0], b[1], c); }
  };
  const areas = readAreaFile(path.join(GAMEDATA, areaFile || `AREA${mapNo}.crp`));
  for (const a of areas) {
    if (a.n < v.B || a.s > v.T) continue;
    outline(a.points, 0x000000);
  }
  for (let x = 0; x < W; x++) { set(x, 0, 0); set(x, H - 1, 0); }
  for (let y = 0; y < H; y++) { set(0, y, 0); set(W - 1, y, 0); }
  if (outlinesOnly) return { W, H, img };
  const NAVY = 0x000080;
  if (mapNo <= 3 && fs.existsSync(path.join(GAMEDATA, 'Vatten.crp'))) {
    for (const w of readAreaFile(path.join(GAMEDATA, 'Vatten.crp'))) {
      outline(w.points, NAVY);
      for (const s of [w.seed1, w.seed2]) { const [x, y] = v.px(s[1], s[0]); fill(x, y, NAVY); }
    }
  }
  const seaFile = path.join(GAMEDATA, SEA_FILE[mapNo]);
  if (fs.existsSync(seaFile)) {
    for (const s of readSeaFile(seaFile)) {
      const [x, y] = v.px(s[1], s[0]);
      if (x > 0 && y > 0 && x < W && y < H && get(x, y) === 0x808080) fill(x, y, NAVY, 0x808080);
    }
  }
  const afterSea = audit ? img.slice() : null;
  // Areas in colours derived from their code so neighbours differ.
  const leaks = [], unfilled = [];
  areas.forEach((a, n) => {
    let h = 0; for (const ch of a.code) h = (h * 131 + ch.charCodeAt(0)) >>> 0;
    const col = audit ? (0x100000 + n * 7) : (0x40 + (h & 0x7f)) << 16 | (0x60 + ((h >> 8) & 0x7f)) << 8 | (0x20 + ((h >> 16) & 0x5f));
    let any = false, visible = false;
    const xs = [v.fx(a.w, a.n), v.fx(a.e, a.n), v.fx(a.w, a.s), v.fx(a.e, a.s), v.fx(a.w, 0), v.fx(a.e, 0)].filter((_, k) => k < 4 || (a.s < 0 && a.n > 0));
    const bx0 = Math.min(...xs) - 2, bx1 = Math.max(...xs) + 2, by0 = v.fy(a.n) - 2, by1 = v.fy(a.s) + 2;
    for (const s of [a.seed1, a.seed2]) {
      const [x, y] = v.px(s[1], s[0]);
      if (x <= 0 || y <= 0 || x >= W || y >= H) continue;
      visible = true;
      const c = get(x, y);
      if (c !== 0 && c !== NAVY && c !== col) fill(x, y, col, c); else filled = [];
      if (filled.length) any = true;
      if (audit && filled.some(i => { const px = i % W, py = (i - px) / W; return px < bx0 || px > bx1 || py < by0 || py > by1; })) leaks.push(a.code);
    }
    if (audit && visible && !any && bx1 - bx0 > 10 && by1 - by0 > 10) unfilled.push(a.code);
  });
  return { W, H, img, leaks, unfilled, afterSea };
}

function savePng(file, { W, H, img }) {
  const png = new PNG({ width: W, height: H });
  for (let i = 0; i < W * H; i++) {
    const c = img[i];
    png.data[i * 4] = (c >> 16) & 255; png.data[i * 4 + 1] = (c >> 8) & 255; png.data[i * 4 + 2] = c & 255; png.data[i * 4 + 3] = 255;
  }
  fs.writeFileSync(file, PNG.sync.write(png));
}

if (require.main === module) {
  const [name, T = 85, B = -60, C = 0, W = 1920, H = 1048, out] = process.argv.slice(2);
  const mapNo = Number(String(name).replace(/\D/g, '')) || 1;
  const file = out || path.join(os.tmpdir(), `preview-${name}.png`);
  savePng(file, render(mapNo, { T: +T, B: +B, C: +C, W: +W, H: +H }));
  console.log(file);
}

module.exports = { render, savePng };
