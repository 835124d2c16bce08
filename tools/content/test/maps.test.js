// SPDX-License-Identifier: MIT
// The projection, view fitting and widening the builder judges exercises with, as the game has them.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { View, fitView, widenToShow } = require('../lib/view');

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


test('a view widens about its middle until a small area shows whole and a large one enough of it', () => {
  const box = (s, w, n, e) => [[s, w], [n, w], [n, e], [s, e]];  // [lat, lon] points
  const v = new View(10, -10, 0, 400, 300);
  const left = widenToShow(v, [[box(0, 40, 1, 41)], { lat: -30, lon: 0 }]);
  assert.deepStrictEqual(left, []);
  assert.strictEqual((v.T + v.B) / 2, 0);
  assert.ok(v.x(41, 0) <= 400 - 1 - 8, 'the small box lies whole on the picture');
  assert.ok(v.y(-30) < 300 - 8, 'the place lies on the picture');
  const large = new View(10, -10, 0, 400, 300);
  widenToShow(large, [[box(-30, 35, 30, 120)]]);
  assert.ok(400 - 1 - 8 - large.x(35, 30) >= 40 && large.x(120, 0) > 400, 'a part of 40 pixels, not all of it');
  // Nothing to show: the view stays; something beyond any widening: it says so.
  const still = new View(10, -10, 0, 400, 300);
  assert.deepStrictEqual(widenToShow(still, [[box(0, 0, 1, 1)]]), []);
  assert.strictEqual(still.T, Math.fround(10));
  assert.strictEqual(widenToShow(new View(10, -10, 0, 400, 300), [{ lat: 0, lon: 100000 }]).length, 1);
});
