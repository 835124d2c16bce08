// SPDX-License-Identifier: MIT
// The projection, view fitting and fill check the builder judges exercises with.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { View, fitView } = require('../lib/view');

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

