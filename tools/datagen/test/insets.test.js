// SPDX-License-Identifier: MIT
// Insets (Alaska and Hawaii beside the lower 48) and the islands drawn past the date line.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { INSETS, insetPoint, insetAreas } = require('../lib/insets');
const { drawnLon, drawnRing } = require('../lib/dateline');

const km = ([lon1, lat1], [lon2, lat2]) => {
  const r = d => d * Math.PI / 180;
  const x = (lon2 - lon1) * Math.cos(r((lat1 + lat2) / 2)), y = lat2 - lat1;
  return Math.hypot(x, y) * 111.2;
};

test('an inset moves its anchor onto its place and scales distances on the ground', () => {
  for (const inset of INSETS) {
    assert.deepStrictEqual(insetPoint(inset, ...inset.from), inset.to);
    // Two points 100 km apart near the anchor end up scale × 100 km apart, in any direction.
    for (const [dlon, dlat] of [[1.5, 0], [0, 0.9], [1, 0.6]]) {
      const a = [inset.from[0] - dlon / 2, inset.from[1] - dlat / 2], b = [inset.from[0] + dlon / 2, inset.from[1] + dlat / 2];
      const ratio = km(insetPoint(inset, ...a), insetPoint(inset, ...b)) / km(a, b);
      assert.ok(Math.abs(ratio - inset.scale) < 0.02 * inset.scale, `${inset.code}: scale ${ratio}`);
    }
  }
});

test('the Aleutians past 180° stay on Alaska\'s side of the inset', () => {
  const alaska = INSETS.find(i => i.code === 'US-AK');
  const [west] = insetPoint(alaska, 179, 52);   // 179° E
  const [east] = insetPoint(alaska, -179, 52);  // 179° W, two degrees east of it
  assert.ok(west < east && east - west < 1, `${west} ${east}`);
});

test('inset areas copy only the polygons in their range and are marked', () => {
  const ring = (lon, lat) => [[lon, lat], [lon + 1, lat], [lon + 1, lat + 1], [lon, lat + 1], [lon, lat]];
  const hawaii = { code: 'US-HI', names: ['Hawaii'], polygons: [[ring(-156, 19)], [ring(-170, 25)]] };
  const [copy] = insetAreas(3, [hawaii, { code: 'US-AK', names: ['Alaska'], polygons: [[ring(-150, 61)]] }]).filter(a => a.code === 'US-HI');
  assert.strictEqual(copy.inset, true);
  assert.strictEqual(copy.polygons.length, 1);  // the northwestern islet is not drawn again
  assert.throws(() => insetAreas(3, [hawaii]), /US-AK/);
});

test('Oceania east of the date line is drawn past 180°, the Americas and Russia are not', () => {
  assert.strictEqual(drawnLon('WS', -171.8), 188.2);
  assert.strictEqual(drawnLon('TO', 184.8 - 360), 184.8);
  assert.strictEqual(drawnLon('US', -155), -155);
  assert.strictEqual(drawnLon('RU', -175), -175);
  assert.strictEqual(drawnLon('PF', -100), -100);  // beyond the Pacific islands' reach
  const piece = [[-172, -14], [-171, -14], [-171, -13]];
  assert.deepStrictEqual(drawnRing('WS', piece).map(([lon]) => lon), [188, 189, 189]);
  assert.strictEqual(drawnRing('FJ', piece), piece);
});
