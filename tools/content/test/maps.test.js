// SPDX-License-Identifier: MIT
// The projection, view fitting and fill check the builder judges exercises with.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { View, fitView } = require('../lib/view');
const { seedFill } = require('../lib/raster');

test('the projection places points where the map draws them', () => {
  const v = new View(70, 30, 10, 600, 400);
  assert.strictEqual(v.D, 118);
  assert.deepStrictEqual([v.x(20, 50), v.y(50)], [363, 200]);
  assert.ok(Math.abs(v.pixelToLon(200, 363) - 19.934) < 0.001);
  assert.strictEqual(v.x(123, 90), 300);
  assert.strictEqual(v.y(95), v.y(90));
});

test('fitting frames the boxes and widens only when the longitudes need it', () => {
  const a = fitView([{ north: 60, south: 50, east: 20, west: 10 }], 800, 600);
  assert.ok(Math.abs(a.T - 60.4) < 1e-4 && Math.abs(a.B - 49.6) < 1e-4);
  assert.strictEqual(a.C, 15);
  assert.strictEqual(a.D, 121);
  const b = fitView([{ north: 10, south: 0, east: 100, west: 0 }], 800, 600);
  assert.ok(Math.abs(b.T - 41.33) < 0.01 && Math.abs(b.B + 31.64) < 0.01);
  assert.strictEqual(b.D, 93);
});

// A ring in degrees on a view where one degree is ten pixels near the equator.
const view = new View(10, -10, 0, 200, 200);
const square = [[-5, -5], [5, -5], [5, 5], [-5, 5]];
// A U whose notch opens to the north: a seed in the notch lies outside the ring.
const u = [[-5, -5], [5, -5], [5, -2], [-3, -2], [-3, 2], [5, 2], [5, 5], [-5, 5]];

test('a seed inside its outline colours only the area', () => {
  assert.strictEqual(seedFill(square, [0, 0], view), 'ok');
  assert.strictEqual(seedFill(u, [-4, 0], view), 'ok');
});

test('a seed outside its outline floods past it', () => {
  assert.strictEqual(seedFill(u, [2, 0], view), 'leak');
  assert.strictEqual(seedFill(square, [8, 8], view), 'leak');
});

test('a seed on the outline or off the picture colours nothing', () => {
  assert.strictEqual(seedFill(square, [5, 0], view), 'none');
  assert.strictEqual(seedFill(square, [0, 80], view), 'none');
});
