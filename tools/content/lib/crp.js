// SPDX-License-Identifier: MIT
// The .crp data encoding (writer and reader), Windows-1252 text and the transliteration of
// letters outside that code page.
'use strict';
const fs = require('fs');
const path = require('path');

// Windows-1252 bytes 0x80..0x9F; null where the code page has no character.
const HIGH = [0x20AC, null, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
  0x0152, null, 0x017D, null, null, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC,
  0x2122, 0x0161, 0x203A, 0x0153, null, 0x017E, 0x0178];
const TO_BYTE = new Map();
const FROM_BYTE = [];
for (let b = 0; b < 256; b++) {
  const cp = b >= 0x80 && b <= 0x9F ? HIGH[b - 0x80] : b;
  FROM_BYTE.push(cp === null ? b : cp);
  if (cp !== null) TO_BYTE.set(cp, b);
}

// Letters that lose no mere accent: written as the nearest Latin letters.
const SPECIAL = {
  'ł': 'l', 'Ł': 'L', 'đ': 'd', 'Đ': 'D', 'ı': 'i', 'ħ': 'h', 'Ħ': 'H', 'ŧ': 't', 'Ŧ': 'T', 'ŋ': 'ng',
  'ə': 'e', 'Ə': 'E', 'ʻ': "'", 'ʼ': "'", 'ʿ': "'", 'ʾ': "'", '\u00A0': ' ', '‐': '-', '‑': '-',
};

// Keeps every Windows-1252 character; anything else loses its diacritics (ş→s, ā→a, İ→I) or
// takes the replacement above. Fails on a character it cannot place, so nothing is lost silently.
function transliterate(s) {
  let out = '';
  for (const ch of String(s).normalize('NFC')) {
    if (TO_BYTE.has(ch.codePointAt(0))) { out += ch; continue; }
    if (SPECIAL[ch] !== undefined) { out += SPECIAL[ch]; continue; }
    if (/[\u0300-\u036f]/.test(ch)) continue;  // a mark that composes with no letter of the code page
    const base = ch.normalize('NFD').replace(/[\u0300-\u036f]/g, '').normalize('NFC');
    if (base && [...base].every(c => TO_BYTE.has(c.codePointAt(0)))) { out += base; continue; }
    throw new Error(`cannot write U+${ch.codePointAt(0).toString(16).toUpperCase()} of "${s}" in Windows-1252`);
  }
  return out.replace(/\s+/g, ' ').trim();
}

function cp1252(s) {
  const bytes = [];
  for (const ch of s) {
    const b = TO_BYTE.get(ch.codePointAt(0));
    if (b === undefined) throw new Error(`"${s}" holds U+${ch.codePointAt(0).toString(16).toUpperCase()}, which Windows-1252 lacks`);
    bytes.push(b);
  }
  return bytes;
}

class CrpWriter {
  constructor() { this.bytes = []; }
  byte(v) {
    if (!Number.isInteger(v) || v < 0 || v > 255) throw new Error(`byte out of range: ${v}`);
    this.bytes.push(v);
    return this;
  }
  word(v) {
    if (!Number.isInteger(v) || v < 0 || v > 32767) throw new Error(`16-bit word out of range: ${v}`);
    return this.byte(v & 0xFF).byte(v >> 8);
  }
  int32(v) {
    if (!Number.isInteger(v) || v < -2147483648 || v > 2147483647) throw new Error(`32-bit word out of range: ${v}`);
    const u = v >>> 0;
    return this.byte(u & 0xFF).byte((u >>> 8) & 0xFF).byte((u >>> 16) & 0xFF).byte(u >>> 24);
  }
  degrees(d) { return this.int32(Math.round(d * 10000)); }
  text(s) {
    const b = cp1252(s);
    if (b.length > 255) throw new Error(`text longer than 255 characters: "${s}"`);
    this.byte(b.length);
    for (const c of b) this.byte((c - 21 + 256) % 256);
    return this;
  }
  toBuffer() { return Buffer.from(this.bytes); }
}

class CrpReader {
  constructor(buf) { this.b = buf; this.p = 0; }
  atEnd() { return this.p >= this.b.length; }
  byte() {
    if (this.p >= this.b.length) throw new Error('Read beyond end of file');
    return this.b[this.p++];
  }
  word() {
    const lo = this.byte(), hi = this.byte();
    if (hi >= 128) throw new Error('Range check error');
    return lo + 256 * hi;
  }
  int32() {
    const v = this.byte() | (this.byte() << 8) | (this.byte() << 16) | (this.byte() << 24);
    return v | 0;
  }
  degrees() { return this.int32() / 10000; }
  text() {
    const n = this.byte();
    let s = '';
    for (let i = 0; i < n; i++) s += String.fromCodePoint(FROM_BYTE[(this.byte() + 21) % 256]);
    return s;
  }
}

// withPoints: keep the outline as [lat, lon] pairs.
function readAreaFile(file, withPoints = false) {
  const r = new CrpReader(fs.readFileSync(file));
  const out = [];
  while (!r.atEnd()) {
    const a = { code: r.text(), alt1: r.text(), alt2: r.text(), names: [] };
    for (let i = 0; i < 6; i++) a.names.push(r.text());
    for (let i = 1; i < 6; i++) if (!a.names[i]) a.names[i] = a.names[0];
    a.flag = r.text();
    r.word();
    const n = r.word();
    a.north = r.degrees(); a.south = r.degrees(); a.east = r.degrees(); a.west = r.degrees();
    a.seed1 = [r.degrees(), r.degrees()];
    a.seed2 = [r.degrees(), r.degrees()];
    a.pointCount = n;
    a.points = [];
    for (let i = 0; i < n; i++) {
      const lat = r.degrees(), lon = r.degrees();
      if (withPoints) a.points.push([lat, lon]);
    }
    out.push(a);
  }
  return out;
}

// Writes beside the target and renames, so a failed run never leaves half a file.
function writeAtomic(file, buf) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  const tmp = `${file}.tmp${process.pid}`;
  fs.writeFileSync(tmp, buf);
  fs.renameSync(tmp, file);
}

module.exports = { CrpWriter, CrpReader, readAreaFile, transliterate, cp1252, writeAtomic };
