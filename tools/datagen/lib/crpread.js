// SPDX-License-Identifier: MIT
// Reader of the .crp encoding, used by the previews and the generator's own tests.
'use strict';
const fs = require('fs');

const CP1252_HIGH = '€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008dŽ\u008f\u0090‘’“”•–—˜™š›œ\u009džŸ';

class CrpReader {
  constructor(buf) { this.b = buf; this.p = 0; }
  atEnd() { return this.p >= this.b.length; }
  need(n) { if (this.p + n > this.b.length) throw new Error('Read beyond end of file'); }
  byte() { this.need(1); return this.b[this.p++]; }
  word() { this.need(2); const v = this.b.readUInt16LE(this.p); this.p += 2; if (v > 32767) throw new Error('Range check error'); return v; }
  int32() { this.need(4); const v = this.b.readInt32LE(this.p); this.p += 4; return v; }
  deg() { return this.int32() / 10000; }
  text() {
    const n = this.byte();
    let s = '';
    for (let i = 0; i < n; i++) {
      const c = (this.byte() + 21) % 256;
      s += c >= 0x80 && c <= 0x9f ? CP1252_HIGH[c - 0x80] : String.fromCharCode(c);
    }
    return s;
  }
}

function readAreaFile(file) {
  const r = new CrpReader(fs.readFileSync(file));
  const out = [];
  while (!r.atEnd()) {
    const a = { code: r.text(), alt1: r.text(), alt2: r.text(), names: [] };
    for (let i = 0; i < 6; i++) a.names.push(r.text());
    a.flag = r.text();
    a.reserved = r.word();
    const n = r.word();
    a.n = r.deg(); a.s = r.deg(); a.e = r.deg(); a.w = r.deg();
    a.seed1 = [r.deg(), r.deg()]; a.seed2 = [r.deg(), r.deg()]; // [lat, lon]
    a.points = [];
    for (let i = 0; i < n; i++) a.points.push([r.deg(), r.deg()]);
    out.push(a);
  }
  return out;
}

function readSeaFile(file) {
  const r = new CrpReader(fs.readFileSync(file));
  const out = [];
  while (!r.atEnd()) out.push([r.deg(), r.deg()]);
  return out;
}

// The exercise catalogue (Ovning.crp): kind, names, view and item keys of each exercise.
function readCatalogue(file) {
  const r = new CrpReader(fs.readFileSync(file));
  const out = [];
  while (!r.atEnd()) {
    const e = { kind: r.text(), names: [] };
    for (let i = 0; i < 6; i++) e.names.push(r.text());
    e.number = r.word();
    e.maxRank = r.byte(); e.border = r.byte();
    e.flag1 = r.byte(); e.flag2 = r.byte(); e.reserved = r.byte();
    e.map = r.word(); e.placeFile = r.word();
    e.continent = r.text();
    e.land = r.int32(); e.area = r.int32(); e.sea = r.int32();
    e.T = r.deg(); e.B = r.deg(); e.C = r.deg();
    const n = r.word();
    e.items = [];
    for (let i = 0; i < n; i++) e.items.push(r.text());
    out.push(e);
  }
  return out;
}

// A place file (Ort1.crp - Ort3.crp): names, rank, flags, country, region, continent, point.
function readPlaceFile(file) {
  const r = new CrpReader(fs.readFileSync(file));
  const out = [];
  while (!r.atEnd()) {
    const p = { id: r.text(), names: [] };
    for (let i = 0; i < 6; i++) p.names.push(r.text());
    p.rank = r.word(); p.flag1 = r.byte(); p.flag2 = r.byte();
    p.country = r.text(); p.region = r.text(); p.continent = r.text();
    p.lat = r.deg(); p.lon = r.deg();
    out.push(p);
  }
  return out;
}

module.exports = { CrpReader, readAreaFile, readSeaFile, readCatalogue, readPlaceFile };
