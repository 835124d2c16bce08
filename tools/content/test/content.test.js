// SPDX-License-Identifier: MIT
// Place ranks and names, the sounds and music, and the catalogue check of the content generator.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { demoteCrowded, disambiguate, continentOf, dropColocated, buildUrbanAreas, Shapes } = require('../lib/places');
const audio = require('../lib/audio');
const { goodMid } = require('../lib/midi');
const { templateBmp } = require('../lib/images');
const { Builder, checkCatalogue, ringArea } = require('../lib/exercises');

const place = (name, country, rank, lat, lon, extra = {}) =>
  ({ names: Array(6).fill(name), country, rank, lat, lon, flag1: rank === 1, admin: '', ...extra });

test('a city next to a more important place drops a rank until it stands clear', () => {
  const capital = place('New Delhi', 'IN', 1, 28.61, 77.21);
  const delhi = place('Delhi', 'IN', 2, 28.66, 77.23);
  const far = place('Mumbai', 'IN', 2, 19.07, 72.88);
  const list = [capital, delhi, far];
  demoteCrowded(list);
  assert.strictEqual(delhi.rank, 5);
  assert.strictEqual(far.rank, 2);
  assert.strictEqual(capital.rank, 1);
});

test('shared names get their country, or their region within one country; capitals keep theirs', () => {
  const kingston = place('Kingston', 'JM', 1, 18, -76.8);
  const norfolk = place('Kingston', 'NF', 5, -29, 168);
  const a = place('Suzhou', 'CN', 3, 31.3, 120.6, { admin: 'Jiangsu' });
  const b = place('Suzhou', 'CN', 4, 33.6, 117, { admin: 'Anhui' });
  const names = new Map([['NF', ['Norfolkön', 'Norfolk Island', 'Île Norfolk', 'Norfolkinsel', 'Isla Norfolk', 'Isola Norfolk']]]);
  const list = [kingston, a, b, norfolk];
  disambiguate(list, names);
  assert.strictEqual(kingston.names[1], 'Kingston');
  assert.strictEqual(norfolk.names[0], 'Kingston (Norfolkön)');
  assert.strictEqual(norfolk.names[3], 'Kingston (Norfolkinsel)');
  assert.deepStrictEqual([a.names[1], b.names[1]], ['Suzhou (Jiangsu)', 'Suzhou (Anhui)']);
});

test('places of countries on two continents take the continent they lie in', () => {
  const table = { RU: 'EUR', TR: 'ASI', VA: 'EUR' };
  assert.strictEqual(continentOf('RU', 55.75, 37.62, table), 'EUR');
  assert.strictEqual(continentOf('RU', 55.03, 82.92, table), 'ASI');
  assert.strictEqual(continentOf('TR', 41.01, 28.97, table), 'EUR');
  assert.strictEqual(continentOf('TR', 39.93, 32.86, table), 'ASI');
  assert.strictEqual(continentOf('VA', 41.9, 12.45, table), '');
});

test('effects are 16-bit mono PCM waves, short, and the same on every run', () => {
  for (const make of [audio.plopp, audio.plopp4, audio.rassel]) {
    const b = make();
    assert.strictEqual(b.toString('ascii', 0, 4), 'RIFF');
    assert.strictEqual(b.readUInt16LE(20), 1);
    assert.strictEqual(b.readUInt16LE(22), 1);
    assert.strictEqual(b.readUInt16LE(34), 16);
    assert.strictEqual(b.readUInt32LE(40), b.length - 44);
    assert.ok((b.length - 44) / 2 / audio.RATE < 0.5);
    assert.ok(b.equals(make()));
  }
});

test('the tune is a format-0 MIDI file whose track length matches its bytes and ends properly', () => {
  const m = goodMid();
  assert.strictEqual(m.toString('ascii', 0, 4), 'MThd');
  assert.strictEqual(m.readUInt16BE(8), 0);
  assert.strictEqual(m.toString('ascii', 14, 18), 'MTrk');
  assert.strictEqual(m.readUInt32BE(18), m.length - 22);
  assert.deepStrictEqual([...m.subarray(-3)], [0xFF, 0x2F, 0x00]);
});

test('the template bitmap is an 8-bit BMP of the declared size', () => {
  const b = templateBmp(10, 3);
  assert.strictEqual(b.toString('ascii', 0, 2), 'BM');
  assert.strictEqual(b.readUInt32LE(2), b.length);
  assert.strictEqual(b.readUInt16LE(28), 8);
  assert.strictEqual(b.length - b.readUInt32LE(10), 12 * 3);
});

test('the catalogue check refuses what a player could not finish', () => {
  const area = (code, name, flag = 'x.bmp') => ({ code, alt1: '', alt2: '', names: Array(6).fill(name), flag, points: [[0, 0], [1, 0], [1, 1]] });
  const files = { 1: ['AA', 'BB', 'CC', 'DD'].map(c => area(c, c)) };
  const fake = {
    findByCode: (map, k) => files[map].find(a => a.code === k) || null,
    matching: (map, k) => files[map].filter(a => a.code === k),
    selectedPlaces: () => [],
    flagReadable: f => f === 'x.bmp',
    views: () => [],
    offStoredView: () => [],
    questions: ex => ex.items.length,
    trivial: (ex, k) => k === 'TT',
  };
  const names = n => Array(6).fill(n);
  const ok = [];
  for (const cont of ['EUR', 'NOR', 'SYD', 'ASI', 'AFR', 'AUS', '*']) {
    for (const kind of ['AREA', 'FLAGG']) ok.push({ no: ok.length + 1, kind, cont, names: names(`${kind} ${cont}`), map: 1, items: ['AA'] });
  }
  const run = list => { try { checkCatalogue(list, fake); return ''; } catch (e) { return e.message; } };
  const msg = run(ok);
  assert.match(msg, /no ORT exercise for EUR/);
  assert.match(msg, /no MULTI exercise for \*/);
  assert.match(msg, /14 exercises; 60 to 90 wanted/);
  const bad = [...ok, { no: 1, kind: 'FLAGG', cont: 'EUR', names: names('AREA EUR'), map: 1, items: ['ZZ'] }];
  const m2 = run(bad);
  assert.match(m2, /exercise 1: number outside 1..90 or used twice/);
  assert.match(m2, /repeated name "AREA EUR"/);
  assert.match(m2, /key ZZ names no area/);
  const multi = [{ no: 20, kind: 'MULTI', cont: 'EUR', names: names('M'), map: 1, items: ['AA', 'BB', 'CC'] }];
  assert.match(run(multi), /fewer than four different answers/);
  const trivial = [{ no: 21, kind: 'MULTI', cont: 'EUR', names: names('T'), map: 1, items: ['TT'] }];
  files[1].push(area('TT', 'TT'));
  assert.match(run(trivial), /TT: a place named like its area/);
  const long = [{ no: 22, kind: 'AREA', cont: 'EUR', names: names('L'), map: 1, items: Array(91).fill('AA') }];
  assert.match(run(long), /91 questions a run, at most 90/);
});

test('of two places on one spot the less important goes, unless listed as two places', () => {
  const capital = place('Tegucigalpa', 'HN', 1, 14.1, -87.2);
  const twin = place('Comayagüela', 'HN', 3, 14.09, -87.21, { src: { city: 'Comayagüela' } });
  const newDelhi = place('New Delhi', 'IN', 1, 28.6139, 77.209);
  const delhi = place('Delhi', 'IN', 2, 28.61, 77.23);
  capital.src = { city: 'Tegucigalpa' };
  const out = dropColocated([capital, newDelhi, twin, delhi]);
  assert.deepStrictEqual(out.map(p => p.names[1]), ['Tegucigalpa', 'New Delhi', 'Delhi']);
});

test('urban areas take in the cities within their built-up area and keep the rest', () => {
  const p = (name, pop, lat, lon) => ({ ...place(name, 'XX', 3, lat, lon), id: name, pop });
  const out = buildUrbanAreas([p('Tokyo', 37e6, 35.69, 139.69), p('Yokohama', 3.7e6, 35.44, 139.64),
    p('Osaka', 15e6, 34.69, 135.5), p('Small', 5e5, 36, 140)]);
  assert.deepStrictEqual(out.map(q => [q.names[1], q.rank]), [['Tokyo', 2], ['Osaka', 2]]);
  assert.ok(out.every(q => !q.flag1 && !q.flag2));
});

test('a place is in the region whose outline holds it, or the nearest within the coastal tolerance', () => {
  const ring = (lat0, lon0) => [[lat0, lon0], [lat0, lon0 + 1], [lat0 + 1, lon0 + 1], [lat0 + 1, lon0]];
  const world = [{ code: 'XX', points: [[0, 0], [0, 2], [1, 2], [1, 0]] }];
  const regions = [[{ code: 'XX-A', points: ring(0, 0) }, { code: 'XX-B', points: ring(0, 1) }]];
  const s = new Shapes(world, regions);
  assert.strictEqual(s.regionOf('XX', 0.5, 1.5), 'XX-B');
  assert.strictEqual(s.regionOf('XX', 0.5, 0.4), 'XX-A');
  assert.strictEqual(s.regionOf('XX', 1.05, 0.5), 'XX-A');   // about 6 km off the coast
  assert.strictEqual(s.regionOf('XX', 3, 0.5), '');
  assert.ok(s.inCountry('XX', 1.1, 1));
  assert.ok(!s.inCountry('XX', 2, 1));
});

test('country sizes follow true area at every latitude', () => {
  const square = lat => [[lat, 0], [lat, 1], [lat + 1, 1], [lat + 1, 0]];
  assert.ok(Math.abs(ringArea(square(0)) - 12364) < 50);
  const ratio = ringArea(square(60)) / ringArea(square(0));
  assert.ok(Math.abs(ratio - Math.cos(60.5 * Math.PI / 180)) < 0.01);
  assert.strictEqual(ringArea([...square(10)].reverse()), ringArea(square(10)));
});

test('a stored view must show every area and place of its exercise without widening', () => {
  // [lat, lon] outlines around a point; the Oceania view reaches 16° N.
  const isle = (code, lat, lon) => ({ code, alt1: '', alt2: '', names: Array(6).fill(code), flag: '', points: [[lat, lon], [lat + 0.5, lon], [lat + 0.5, lon + 0.5]] });
  const world = [isle('AU', -25, 135), isle('MH', 7, 171), isle('XX', 25, 171), isle('XX', 30, 150)];
  const place = (name, lat, lon) => ({ names: Array(6).fill(name), lat, lon, rank: 1, flag1: true, country: 'AU' });
  const b = new Builder({ areaFile: n => (n === 1 ? world : null), places: { 1: [place('Canberra', -35.3, 149.1), place('Far', 40, 150)] }, flagDir: '', log: () => {} });
  const ex = items => ({ no: 79, kind: 'AREA', map: 1, view: 'oceania', items });
  assert.deepStrictEqual(b.offStoredView(ex(['AU', 'MH']), ['AU', 'MH']), []);
  // An area is off when none of its parts shows; it is named once for each common size.
  assert.deepStrictEqual(b.offStoredView(ex(['AU', 'XX']), ['AU', 'XX']), ['XX at 1280 × 720', 'XX at 1920 × 1048']);
  const places = { no: 83, kind: 'ORT', map: 1, view: 'oceania', rank: 4, items: ['AU'] };
  assert.deepStrictEqual(b.offStoredView(places, ['AU']), ['Far at 1280 × 720', 'Far at 1920 × 1048']);
  // A fitted view is the game's own fit: nothing to check.
  assert.deepStrictEqual(b.offStoredView({ ...ex(['XX']), view: 'fit' }, ['XX']), []);
});
