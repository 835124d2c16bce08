// SPDX-License-Identifier: MIT
// Writer of the scrambled .crp data encoding: bytes, 16-bit words, 32-bit words and shifted strings.
'use strict';
const fs = require('fs');
const path = require('path');
const { toCp1252Bytes } = require('./text');

class CrpWriter {
  constructor() { this.chunks = []; }

  byte(v) {
    if (!Number.isInteger(v) || v < 0 || v > 255) throw new Error(`byte out of range: ${v}`);
    this.chunks.push(Buffer.from([v]));
  }

  // The reader rejects words with the high bit set, so only 0..32767 is writable.
  word(v) {
    if (!Number.isInteger(v) || v < 0 || v > 32767) throw new Error(`16-bit word out of range: ${v}`);
    const b = Buffer.alloc(2); b.writeUInt16LE(v); this.chunks.push(b);
  }

  int32(v) {
    if (!Number.isInteger(v) || v < -2147483648 || v > 2147483647) throw new Error(`32-bit word out of range: ${v}`);
    const b = Buffer.alloc(4); b.writeInt32LE(v); this.chunks.push(b);
  }

  // Degrees are stored in units of 1/10000 degree.
  degrees(d) { this.int32(degUnits(d)); }

  text(s) {
    const raw = toCp1252Bytes(s);
    if (raw.length > 255) throw new Error(`text longer than 255 characters: ${s}`);
    const out = Buffer.alloc(raw.length + 1);
    out[0] = raw.length;
    for (let i = 0; i < raw.length; i++) out[i + 1] = (raw[i] - 21 + 256) % 256;
    this.chunks.push(out);
  }

  toBuffer() { return Buffer.concat(this.chunks); }
}

function degUnits(d) {
  if (!Number.isFinite(d)) throw new Error(`not a coordinate: ${d}`);
  return Math.round(d * 10000);
}

// Write to a temporary name first so an interrupted run never leaves a half file behind.
function writeAtomic(file, data) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  const tmp = `${file}.tmp${process.pid}`;
  fs.writeFileSync(tmp, data);
  fs.renameSync(tmp, file);
}

module.exports = { CrpWriter, degUnits, writeAtomic };
