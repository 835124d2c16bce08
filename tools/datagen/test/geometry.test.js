// SPDX-License-Identifier: MIT
// Ring geometry: the game's point-in-polygon rule, antimeridian cuts, shared-border simplification and seeds.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { pointInRing, cutAntimeridian, clipRect, clipToBoxes, signedArea, bbox } = require('../lib/geom');
const { simplifyRings } = require('../lib/topo');
const { computeSeeds } = require('../lib/seeds');
const { seedStaysInside } = require('../lib/seedcheck');
const { continentAt } = require('../lib/continents');
const { nearest, makeView } = require('../lib/raster');

const square = [[0, 0], [10, 0], [10, 10], [0, 10]]; // [lon, lat]

test('point in ring follows the game: south and west edges inside, north and east outside', () => {
  assert.ok(pointInRing(5, 5, square));
  assert.ok(pointInRing(0, 5, square));
  assert.ok(!pointInRing(10, 5, square));
  assert.ok(pointInRing(5, 0, square));
  assert.ok(!pointInRing(5, 10, square));
  assert.ok(!pointInRing(5, 5, [[0, 0], [10, 10]]));
});

test('a ring stitched across 180 degrees is cut into pieces on both sides', () => {
  const ring = [[170, 60], [-170, 60], [-170, 70], [170, 70]];
  const pieces = cutAntimeridian(ring);
  assert.strictEqual(pieces.length, 2);
  for (const p of pieces) {
    const b = bbox(p);
    assert.ok(b.w >= -180 && b.e <= 180, JSON.stringify(b));
  }
  const total = pieces.reduce((s, p) => s + Math.abs(signedArea(p)), 0);
  assert.ok(Math.abs(total - 200) < 1e-9);
});

test('a ring around the pole is closed along the map edge and the pole', () => {
  const ring = [];
  for (let lon = -180; lon < 180; lon += 30) ring.push([lon, -70]);
  const [closed] = cutAntimeridian(ring);
  const b = bbox(closed);
  assert.ok(b.s < -89.9 && b.w === -180 && b.e === 180);
  assert.ok(pointInRing(-80, 10, closed));
  assert.ok(!pointInRing(-60, 10, closed));
});

test('rings that do not cross 180 degrees are left alone; clipping keeps the inside', () => {
  assert.deepStrictEqual(cutAntimeridian(square), [square]);
  const c = clipRect(square, { w: 5, e: 20, s: -5, n: 20 });
  assert.deepStrictEqual(bbox(c), { n: 10, s: 0, e: 10, w: 5 });
});

function circle(cx, cy, r, n) {
  const out = [];
  for (let i = 0; i < n; i++) out.push([cx + r * Math.cos(2 * Math.PI * i / n), cy + r * Math.sin(2 * Math.PI * i / n)]);
  return out;
}

test('neighbours keep one identical border after simplification', () => {
  // Two areas sharing a wiggly border.
  const border = [];
  for (let i = 0; i <= 200; i++) border.push([5 + 0.3 * Math.sin(i / 5), i * 0.05]);
  const left = [[0, 0], ...border, [0, 10]];
  const right = [[10, 0], [10, 10], ...border.slice().reverse()];
  const [a, b] = simplifyRings([{ ring: left }, { ring: right }], { minWeight: 0.01 });
  const key = p => p.join(',');
  const onBorder = ring => ring.filter(p => p[0] > 4 && p[0] < 6).map(key).sort();
  assert.ok(onBorder(a).length < 200);
  assert.deepStrictEqual(onBorder(a), onBorder(b));
});

test('a ring above the point cap is thinned to at most 500 points', () => {
  const [r] = simplifyRings([{ ring: circle(0, 0, 10, 3000) }], { minWeight: 0, maxPoints: 500 });
  assert.ok(r.length <= 500 && r.length > 100, String(r.length));
});

test('seed 1 lies deep inside; seed 2 goes to the part a pinch cuts off', () => {
  // Two 4x4 squares joined by a neck narrower than one pixel at 0.2 degrees a pixel.
  const ring = [[0, 0], [4, 0], [4, 1.95], [6, 1.95], [6, 0], [10, 0], [10, 4], [6, 4], [6, 2.05], [4, 2.05], [4, 4], [0, 4]];
  const s = computeSeeds(ring, [], 0.2);
  assert.ok(s.pinched);
  for (const p of [s.seed1, s.seed2]) assert.ok(pointInRing(p[1], p[0], ring));
  assert.ok((s.seed1[0] < 4) !== (s.seed2[0] < 4), JSON.stringify(s));
});

test('seeds avoid lakes and fall back to a second interior point without a pinch', () => {
  const lake = circle(5, 5, 2, 40);
  const s = computeSeeds(square, [{ ring: lake, box: bbox(lake) }], 0.5);
  assert.ok(!s.pinched);
  for (const p of [s.seed1, s.seed2]) {
    assert.ok(pointInRing(p[1], p[0], square));
    assert.ok(!pointInRing(p[1], p[0], lake));
  }
});

test('a seed whose pixel lies outside the drawn outline is rejected', () => {
  const view = makeView({ T: 10, B: 0, C: 5, W: 100, H: 100 });
  const ring = [[2, 2], [8, 2], [8, 8], [2, 8]];
  assert.ok(seedStaysInside(ring, bbox(ring), [5, 5], view));
  // A thin sliver: its interior point rounds to a pixel beside the one-pixel outline.
  const sliver = [[2, 2], [8, 2.05], [8, 2.1], [2, 2.15]];
  assert.ok(seedStaysInside(sliver, bbox(sliver), [5, 2.1], view));
  const ell = [[0, 0], [8, 0], [8, 2], [2, 2], [2, 8], [0, 8]];
  // One pixel a degree: the arms are two pixels wide, the notch point a pixel and a half from one.
  const coarse = makeView({ T: 10, B: -1, C: 4, W: 11, H: 11 });
  assert.ok(seedStaysInside(ell, bbox(ell), [1, 1], coarse));
  assert.ok(!seedStaysInside(ell, bbox(ell), [3.5, 4.5], coarse));
});

test('rounding halves to even, as the game does', () => {
  assert.deepStrictEqual([2.5, 3.5, -1.5, 1.4999].map(nearest), [2, 4, -2, 1]);
});

test('continents: Russia and Turkey split where Europe ends, overseas France by position', () => {
  assert.strictEqual(continentAt('RU', 37, 55), 'eur');
  assert.strictEqual(continentAt('RU', 100, 60), 'asi');
  assert.strictEqual(continentAt('RU', -172, 66), 'asi');  // Chukotka beyond the date line
  assert.strictEqual(continentAt('TR', 28.9, 41.1), 'eur');
  assert.strictEqual(continentAt('TR', 33, 39), 'asi');
  assert.strictEqual(continentAt('FR', -53, 4), 'syd');
  assert.strictEqual(continentAt('FR', 2, 47), 'eur');
  assert.strictEqual(continentAt('MX', -100, 20), 'nor');
  assert.strictEqual(continentAt('AQ', 0, -80), null);
});

test('crossing arcs are found; arcs that only touch at their ends are not', () => {
  const { crossingArcs } = require('../lib/topo');
  const a = [[0, 0], [2, 2]], b = [[0, 2], [2, 0]], c = [[2, 2], [3, 0]], d = [[5, 5], [6, 6], [5, 7], [6, 5]];
  assert.deepStrictEqual([...crossingArcs([a, b])].sort(), [0, 1]);
  assert.strictEqual(crossingArcs([a, c]).size, 0);
  assert.deepStrictEqual([...crossingArcs([a, d])], [1]); // an arc crossing itself
});

test('a ring is kept in each box of a clip list, and nothing outside them', () => {
  const ring = [[0, 0], [30, 0], [30, 10], [0, 10]];
  const pieces = clipToBoxes(ring, [{ w: -1, e: 5, s: -1, n: 11 }, { w: 20, e: 40, s: -1, n: 11 }, { w: 50, e: 60, s: 0, n: 1 }]);
  assert.deepStrictEqual(pieces.map(bbox), [{ w: 0, e: 5, s: 0, n: 10 }, { w: 20, e: 30, s: 0, n: 10 }]);
  // A single box works as before.
  assert.deepStrictEqual(clipToBoxes(ring, { w: 10, e: 12, s: 2, n: 4 }).map(bbox), [{ w: 10, e: 12, s: 2, n: 4 }]);
});

test('a seed must round onto a pixel its ring holds, off the outline where the ring has room', () => {
  const { seedPixelFault, settleSeeds } = require('../lib/seedcheck');
  // 1 degree = 10 pixels; the picture's middle (lon 0) is x 50, lat 0 is y 50.
  const view = { ...makeView({ T: 5, B: -5, C: 0, W: 100, H: 100 }), name: 'test' };
  const k = 90 / view.D; // the view's longitude scale at the equator
  const lon = x => (x - 50) / 10 / k;
  const ring = [[lon(40), 2], [lon(60), 2], [lon(60), -2], [lon(40), -2]]; // [lon, lat]: pixels 40..60 × 30..70
  const box = bbox(ring);
  assert.strictEqual(seedPixelFault(ring, box, [0, 0], view), null);
  assert.strictEqual(seedPixelFault(ring, box, [lon(40), 0], view), 'on the outline');
  // Inside the ring in degrees, but its pixel's centre lies beyond the rounded east edge.
  assert.strictEqual(seedPixelFault(ring, box, [lon(59.6), 0], view), 'outside');
  // A ring of one pixel asks nothing of the lenient check, and one beyond the picture nothing at all.
  const tiny = [[lon(20), 0.1], [lon(21.2), 0.1], [lon(21.2), -0.04], [lon(20), -0.04]];
  assert.strictEqual(seedPixelFault(tiny, bbox(tiny), [lon(21.4), 0], view), 'outside');
  assert.strictEqual(seedPixelFault(tiny, bbox(tiny), [lon(21.4), 0], view, { lenient: true }), null);
  const far = ring.map(([x, y]) => [x, y + 40]);
  assert.strictEqual(seedPixelFault(far, bbox(far), [lon(59.6), 40], view), null);
  // Settling moves a faulty seed onto a held pixel and leaves a good one where it is.
  const rec = { area: { code: 'AA', names: Array(6).fill('A') }, ring, box, seed1: [lon(59.6), 0], seed2: [0, 0] };
  const good = { ...rec, area: { code: 'BB', names: Array(6).fill('B') }, seed1: [0, 1], seed2: [0, -1] };
  const { records, unsettled } = settleSeeds([rec, good], [{ ...view, items: ['AA', 'BB'] }], { exercisePx: 0.1 });
  assert.strictEqual(unsettled.size, 0);
  for (const r of records) for (const s of [r.seed1, r.seed2]) assert.strictEqual(seedPixelFault(ring, box, s, view), null);
  assert.strictEqual(records[1], good);
});
