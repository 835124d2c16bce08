// SPDX-License-Identifier: MIT
// The data-file encoding, Windows-1252 text and transliteration of the content generator.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { CrpWriter, CrpReader, transliterate } = require('../lib/crp');

test('primitives read back as written, in the byte layout the program reads', () => {
  const w = new CrpWriter().byte(255).word(32767).int32(-1000).degrees(-0.0025).text('abc').text('');
  const b = w.toBuffer();
  assert.deepStrictEqual([...b.subarray(0, 3)], [255, 0xFF, 0x7F]);
  assert.deepStrictEqual([...b.subarray(3, 7)], [0x18, 0xFC, 0xFF, 0xFF]);
  assert.deepStrictEqual([...b.subarray(11, 15)], [3, 0x4C, 0x4D, 0x4E]); // "abc" shifted by 21
  const r = new CrpReader(b);
  assert.strictEqual(r.byte(), 255);
  assert.strictEqual(r.word(), 32767);
  assert.strictEqual(r.int32(), -1000);
  assert.strictEqual(r.degrees(), -0.0025);
  assert.strictEqual(r.text(), 'abc');
  assert.strictEqual(r.text(), '');
  assert.ok(r.atEnd());
  assert.throws(() => r.byte(), /Read beyond end of file/);
});

test('characters of the code page keep their byte, including the 0x80-0x9F range', () => {
  const r = new CrpReader(new CrpWriter().text('Göteborg – Œuvre €').toBuffer());
  assert.strictEqual(r.text(), 'Göteborg – Œuvre €');
  const raw = new CrpWriter().text('€').toBuffer();
  assert.strictEqual((raw[1] + 21) % 256, 0x80);
});

test('values the format cannot hold are refused instead of written wrongly', () => {
  assert.throws(() => new CrpWriter().word(32768), /16-bit/);
  assert.throws(() => new CrpWriter().word(-1), /16-bit/);
  assert.throws(() => new CrpWriter().text('x'.repeat(256)), /255/);
  assert.throws(() => new CrpWriter().text('Łódź'), /Windows-1252/);
});

test('transliteration drops only what the code page lacks', () => {
  assert.strictEqual(transliterate('Chișinău'), 'Chisinau');
  assert.strictEqual(transliterate('Łódź'), 'Lódz');
  assert.strictEqual(transliterate('İzmir'), 'Izmir');
  assert.strictEqual(transliterate('Abū Z̧aby'), 'Abu Zaby');
  assert.strictEqual(transliterate('Malmö  Zürich'), 'Malmö Zürich');
  assert.strictEqual(transliterate('Nuku‘alofa'), 'Nuku‘alofa');
  assert.throws(() => transliterate('東京'), /cannot write/);
});
