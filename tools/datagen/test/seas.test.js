// SPDX-License-Identifier: MIT
// Sea seeds and sea pockets: the game's line and view fitting as the seed placement draws them,
// seeds that fill every sea region within the cap, and pockets closed into the land next to them.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { Grid, line } = require('../lib/raster');
const { fitToSelection, exerciseViews } = require('../lib/exviews');
const { placeSeaSeeds } = require('../lib/seaseeds');
const { closePockets } = require('../lib/pockets');
const { pointInRing, bbox } = require('../lib/geom');

const rows = g => Array.from({ length: g.H }, (_, y) => Array.from({ length: g.W }, (_, x) => (g.get(x, y) ? '#' : '.')).join(''));

test('lines step along the major axis and round halves away from the start, both ends drawn', () => {
  const g = new Grid(3, 2);
  line(g, 0, 0, 2, 1, 1);
  assert.deepStrictEqual(rows(g), ['#..', '.##']);
  // Drawn the other way the tie goes the other way, as in the game.
  const back = new Grid(3, 2);
  line(back, 2, 1, 0, 0, 1);
  assert.deepStrictEqual(rows(back), ['##.', '..#']);
  const clipped = new Grid(4, 4);
  line(clipped, -100, 2, 100, 2, 1);
  assert.deepStrictEqual(rows(clipped), ['....', '....', '####', '....']);
  const dot = new Grid(2, 2);
  line(dot, 1, 1, 1, 1, 1);
  assert.deepStrictEqual(rows(dot), ['..', '.#']);
});

test('views are fitted to the selection the way the game fits them', () => {
  const v = fitToSelection([{ n: 60, s: 50, e: 20, w: 10 }], 800, 600);
  assert.ok(Math.abs(v.T - 60.4) < 1e-4 && Math.abs(v.B - 49.6) < 1e-4 && v.C === 15, JSON.stringify(v));
  // A wide, flat selection widens the latitude range until its longitudes fit.
  const wide = fitToSelection([{ n: 10, s: 0, e: 100, w: 0 }], 800, 600);
  assert.ok(Math.abs(wide.T - 41.33) < 0.01 && Math.abs(wide.B + 31.64) < 0.01, JSON.stringify(wide));
  assert.deepStrictEqual(fitToSelection([], 800, 600), { T: 90, B: -90, C: 0, W: 800, H: 600 });
});

test('exercise views: fitted to matching records, fixed views kept, duplicates listed once', () => {
  const rec = (code, alt1, box) => ({ area: { code, alt1 }, ring: [[box.w, box.s], [box.e, box.s], [box.e, box.n]], box });
  const records = [rec('SE-AB', 'SE', { n: 60, s: 58, e: 19, w: 17 }), rec('SE-M', 'SE', { n: 56, s: 55, e: 14, w: 13 }), rec('NO', '', { n: 70, s: 58, e: 30, w: 5 })];
  const catalogue = [
    { kind: 'AREA', map: 4, T: 0, B: 0, C: 0, items: ['SE'], number: 1 },
    { kind: 'ORT', map: 4, T: 0, B: 0, C: 0, items: ['SE'], number: 2 },
    { kind: 'AREA', map: 4, T: 70, B: 50, C: 10, items: ['NO'], number: 3 },
    { kind: 'FLAGG', map: 4, T: 0, B: 0, C: 0, items: ['NO'], number: 4 },
    { kind: 'AREA', map: 2, T: 0, B: 0, C: 0, items: ['NO'], number: 5 },
  ];
  const list = exerciseViews(catalogue, { 4: { index: 1, records } }, [[800, 600]]);
  assert.strictEqual(list.length, 2);
  assert.strictEqual(list[0].file, 1);
  assert.ok(Math.abs(list[0].T - (60 + 5 / 25)) < 1e-4 && Math.abs(list[0].B - (55 - 5 / 25)) < 1e-4);
  assert.deepStrictEqual([list[1].T, list[1].B, list[1].C], [70, 50, 10]);
});

// A square island in the middle of the view with a long, narrow bay cut into it from the west;
// the bay's mouth is narrower than a pixel, so drawn at this scale the bay is a pocket.
const island = [[-10, -10], [10, -10], [10, 10], [-10, 10], [-10, 0.05], [5, 0.05], [5, 4], [6, 4], [6, -4], [5, -4], [5, -0.05], [-10, -0.05]];
const view = { name: 'test', T: 20, B: -20, C: 0, W: 200, H: 200, file: 0 };

test('sea seeds fill the open sea and never the land, whatever the cap leaves', () => {
  const files = [{ records: [{ ring: island, box: bbox(island) }], lakes: [] }];
  const { seeds, left } = placeSeaSeeds(files, [view], [], { max: 1 });
  assert.ok(seeds.length >= 1);
  for (const [lon, lat] of seeds) assert.ok(!pointInRing(lat, lon, island), `seed ${lat},${lon} on land`);
  // The pinched bay needs a seed of its own; beyond the cap it is reported, the open sea is not.
  assert.ok(left.length >= 1);
  for (const l of left) assert.ok(l.lon > 4 && l.lon < 7 && Math.abs(l.lat) < 5, `${l.lat},${l.lon}`);
  const none = placeSeaSeeds(files, [view], [], { max: 0 });
  assert.strictEqual(none.seeds.length, 0);
  assert.ok(none.left.some(l => l.sea > 10000));
});

test('a pocket no seed fills is closed into the land around it, and the next pass has none', () => {
  const area = { code: 'XX', polygons: [[[...island, island[0]]]] };
  const other = { code: 'YY', polygons: [[[[12, -5], [14, -5], [14, 5], [12, 5], [12, -5]]]] };
  const source = { areas: [area, other], records: [{ ring: island, box: bbox(island), ai: 0, pi: 0 }, { ring: other.polygons[0][0].slice(0, -1), box: { n: 5, s: -5, e: 14, w: 12 }, ai: 1, pi: 0 }] };
  const files = () => [{ records: source.records, lakes: [] }];
  assert.ok(!pointInRing(0, 5.5, island));
  const { left } = placeSeaSeeds(files(), [view], [], { max: 1 });
  assert.ok(left.length >= 1);
  assert.strictEqual(closePockets(left, [source]), left.length);
  // The island now covers its bay, the neighbour is untouched.
  const ring = area.polygons[0][0];
  assert.strictEqual(area.polygons.length, 1);
  assert.ok(pointInRing(0, 5.5, ring));
  assert.ok(pointInRing(2, 5.5, ring));
  assert.ok(!pointInRing(0, 11, ring));
  assert.deepStrictEqual(other.polygons[0][0][0], [12, -5]);
  source.records[0] = { ring: ring.slice(0, -1), box: bbox(ring), ai: 0, pi: 0 };
  assert.strictEqual(placeSeaSeeds(files(), [view], []).left.length, 0);
});

test('closing a pocket around an islet keeps the islet a part of its own', () => {
  const wide = [[-10, -10], [10, -10], [10, 10], [-10, 10], [-10, 0.05], [4, 0.05], [4, 4], [9, 4], [9, -4], [4, -4], [4, -0.05], [-10, -0.05]];
  const islet = [[6, -1], [7, -1], [7, 1], [6, 1], [6, -1]];
  const area = { code: 'XX', polygons: [[[...wide, wide[0]]], [islet]] };
  const source = {
    areas: [area],
    records: [{ ring: wide, box: bbox(wide), ai: 0, pi: 0 }, { ring: islet.slice(0, -1), box: bbox(islet), ai: 0, pi: 1 }],
  };
  const { left } = placeSeaSeeds([{ records: source.records, lakes: [] }], [view], [], { max: 1 });
  assert.ok(left.length >= 1);
  assert.ok(closePockets(left, [source]) >= 1);
  assert.strictEqual(area.polygons.length, 2);
  assert.deepStrictEqual(area.polygons[1], [islet]);
  assert.ok(pointInRing(3, 5, area.polygons[0][0]));
  // The mainland now surrounds the islet, which stays out of it as a hole: an enclave of its own.
  assert.strictEqual(area.polygons[0].length, 2);
  assert.ok(pointInRing(0, 6.5, area.polygons[0][1]));
});
