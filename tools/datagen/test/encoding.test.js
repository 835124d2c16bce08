// SPDX-License-Identifier: MIT
// The .crp writer against the reader rules, and the Windows-1252 transliteration.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { CrpWriter } = require('../lib/crp');
const { CrpReader } = require('../lib/crpread');
const { transliterate, toCp1252Bytes } = require('../lib/text');
const { pngToBmp24 } = require('../lib/bmp');

test('strings are stored as a length byte and each code minus 21', () => {
  const w = new CrpWriter();
  w.text('abc'); w.text(''); w.text('\u00ff'); w.text('\u0015');
  assert.deepStrictEqual([...w.toBuffer()], [3, 0x4c, 0x4d, 0x4e, 0, 1, 0xea, 1, 0x00]);
});

test('Windows-1252 letters above 0x7F round-trip, including the 0x80..0x9F block', () => {
  const w = new CrpWriter();
  const s = 'Östergötland Œ € Š’';
  w.text(s);
  assert.strictEqual(new CrpReader(w.toBuffer()).text(), s);
});

test('words and 32-bit words: little-endian, range checked, degrees in 1/10000', () => {
  const w = new CrpWriter();
  w.word(32767); w.int32(-1000); w.degrees(-0.0025); w.degrees(12.34567);
  assert.deepStrictEqual([...w.toBuffer()].slice(0, 6), [0xff, 0x7f, 0x18, 0xfc, 0xff, 0xff]);
  const r = new CrpReader(w.toBuffer());
  assert.strictEqual(r.word(), 32767);
  assert.strictEqual(r.int32(), -1000);
  assert.strictEqual(r.int32(), -25);
  assert.strictEqual(r.int32(), 123457);
  assert.ok(r.atEnd());
  assert.throws(() => new CrpWriter().word(32768), /out of range/);
  assert.throws(() => new CrpWriter().word(-1), /out of range/);
  assert.throws(() => new CrpWriter().int32(2 ** 31), /out of range/);
  assert.throws(() => new CrpWriter().text('x'.repeat(256)), /longer than 255/);
});

test('letters outside Windows-1252 lose their marks; quotes and dashes become ASCII', () => {
  assert.strictEqual(transliterate('Şanlıurfa'), 'Sanliurfa');
  assert.strictEqual(transliterate('Timiș, Bucureşti'), 'Timis, Bucuresti');
  assert.strictEqual(transliterate('Łódź'), 'Lódz');
  assert.strictEqual(transliterate('İzmir – Hokkaidō'), 'Izmir - Hokkaido');
  assert.strictEqual(transliterate('Côte d’Ivoire'), "Côte d'Ivoire");
  assert.strictEqual(transliterate('Curaçao  Åland'), 'Curaçao Åland');
});

test('text that cannot be written in Windows-1252 is refused with its character named', () => {
  assert.throws(() => transliterate('北京'), /U\+5317/);
  assert.throws(() => toCp1252Bytes('ş'), /not in Windows-1252/);
});

test('flags become bottom-up 24-bit BMP with padded rows, transparency laid on white', () => {
  const png = { width: 3, height: 2, data: Buffer.from([
    255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255,
    0, 0, 0, 0, 10, 20, 30, 255, 0, 0, 0, 128,
  ]) };
  const b = pngToBmp24(png);
  assert.strictEqual(b.toString('ascii', 0, 2), 'BM');
  assert.strictEqual(b.readUInt16LE(28), 24);
  assert.strictEqual(b.readInt32LE(18), 3);
  assert.strictEqual(b.readInt32LE(22), 2);
  assert.strictEqual(b.length, 54 + 12 * 2); // 9 bytes a row padded to 12
  // First stored row is the bottom one: transparent -> white, then BGR of (10,20,30), then half black on white.
  assert.deepStrictEqual([...b.subarray(54, 63)], [255, 255, 255, 30, 20, 10, 127, 127, 127]);
  assert.deepStrictEqual([...b.subarray(66, 75)], [0, 0, 255, 0, 255, 0, 255, 0, 0]);
});
