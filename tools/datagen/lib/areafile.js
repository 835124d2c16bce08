// SPDX-License-Identifier: MIT
// Turns named areas into the records of an area file: one ring per record, capped, simplified, seeded.
'use strict';
const { CrpWriter, degUnits } = require('./crp');
const { cutAntimeridian, clipToBoxes, areaKm2, bbox, openRing, pointInRing, distToRing } = require('./geom');
const { simplifyRings } = require('./topo');
const { computeSeeds } = require('./seeds');
const { drawnRing } = require('./dateline');
const { seedStaysInside } = require('./seedcheck');

const MAX_RECORDS = 500, MAX_POINTS = 500;
// The reserved word's bit that marks an inset record (lib/insets.js).
const INSET_BIT = 1;
// How far (degrees) a kept place may lie off the part of its country it is kept for.
const KEEP_DEG = 0.1;

// Edges along ±180° stay straight in lon/lat but are curves on the game's map.
function densifyEdges(r, step) {
  const out = [];
  for (let i = 0; i < r.length; i++) {
    const a = r[i], b = r[(i + 1) % r.length];
    out.push(a);
    if (Math.abs(a[0]) === 180 && a[0] === b[0]) {
      const n = Math.ceil(Math.abs(b[1] - a[1]) / step);
      for (let k = 1; k < n; k++) out.push([a[0], Math.round((a[1] + (b[1] - a[1]) * k / n) * 10000) / 10000]);
    }
  }
  return out.length <= MAX_POINTS ? out : r;
}

// Pieces that share at least two points with a piece of another area.
function bordering(pieces) {
  const owner = new Map();
  for (const p of pieces) {
    for (const [lon, lat] of p.ring) {
      const k = `${lon},${lat}`;
      const o = owner.get(k);
      if (o === undefined) owner.set(k, p.ai); else if (o !== p.ai) owner.set(k, -1);
    }
  }
  const out = new Set();
  for (const p of pieces) {
    let shared = 0;
    for (const [lon, lat] of p.ring) if (owner.get(`${lon},${lat}`) === -1 && ++shared >= 2) break;
    if (shared >= 2) out.add(p);
  }
  return out;
}

// areas: [{code, alt1, alt2, names[6], flag, polygons: [[outer, ...holes], ...]}]
function buildAreaRecords(areas, opt) {
  const pieces = [];
  areas.forEach((a, ai) => {
    const rings = [];
    a.polygons.forEach((poly, pi) => {
      for (const cut of cutAntimeridian(poly[0])) {
        for (let r of opt.clip ? clipToBoxes(cut, opt.clip) : [openRing(cut)]) {
          if (opt.dateline) r = drawnRing(a.code, r);
          if (r.length >= 3) rings.push({ ring: r, km2: areaKm2(r), pi });
        }
      }
    });
    if (!rings.length) return;
    rings.sort((x, y) => y.km2 - x.km2);
    rings.forEach((r, k) => pieces.push({ ai, main: k === 0, ...r }));
  });

  // Every area keeps its largest part; smaller parts go by size until the record cap, parts
  // that border another area first and whatever their size: dropping one of those would leave
  // a hole in the land and a country without one of its parts (the Gaza Strip).
  const main = pieces.filter(p => p.main);
  const inland = bordering(pieces);
  // Islands that hold a capital or a place that an exercise asks (opt.keep: [{lon, lat, country}])
  // are kept like bordering parts: the part of the place's country that holds the point, else its
  // nearest part within KEEP_DEG (a town on the shore of a coarse island).
  for (const k of opt.keep || []) {
    const own = pieces.filter(p => (areas[p.ai].alt1 || areas[p.ai].code) === k.country);
    const holder = own.find(p => pointInRing(k.lat, k.lon, p.ring));
    const near = holder ? null : own.map(p => ({ p, d: distToRing(k.lon, k.lat, p.ring) })).filter(x => x.d <= KEEP_DEG).sort((x, y) => x.d - y.d)[0];
    if (holder || near) inland.add(holder || near.p);
  }
  const rest = pieces.filter(p => !p.main && (p.km2 >= (opt.minKm2 || 0) || inland.has(p)))
    .sort((x, y) => inland.has(y) - inland.has(x) || y.km2 - x.km2 || x.ai - y.ai);
  if (main.length > MAX_RECORDS) throw new Error(`${opt.name}: ${main.length} areas exceed the cap of ${MAX_RECORDS} records`);
  const chosen = main.concat(rest.slice(0, MAX_RECORDS - main.length));

  const simplified = simplifyRings(chosen, { minWeight: opt.minWeight, maxPoints: MAX_POINTS });
  const lakes = (opt.lakes || []).map(l => ({ ring: l, box: bbox(l) }));
  const records = [];
  const unsafe = [];
  chosen.forEach((p, k) => {
    let ring = simplified[k];
    if (!ring) {
      if (p.main) throw new Error(`${opt.name}: the main part of ${areas[p.ai].code} collapsed in simplification`);
      return;
    }
    ring = densifyEdges(ring, 3);
    const box = bbox(ring);
    const accept = opt.views ? (seed => opt.views.every(v => seedStaysInside(ring, box, seed, v))) : null;
    const seeds = computeSeeds(ring, lakes, opt.exercisePx, accept);
    if (!seeds) {
      // No interior point fills safely in every view: a small island is dropped, the only
      // part of an area keeps its best interior point.
      const fallback = p.main ? computeSeeds(ring, lakes, opt.exercisePx) : null;
      unsafe.push(`${areas[p.ai].code}${p.main ? '' : ' (part dropped)'}`);
      if (fallback) records.push({ area: areas[p.ai], ai: p.ai, pi: p.pi, km2: p.km2, ring, box: bbox(ring), ...fallback });
      return;
    }
    records.push({ area: areas[p.ai], ai: p.ai, pi: p.pi, km2: p.km2, ring, box: bbox(ring), ...seeds });
  });
  if (unsafe.length) console.warn(`${opt.name}: no seed fills safely in every view for ${unsafe.join(', ')}`);
  // File order: areas in the given order, each area's parts largest first.
  records.sort((x, y) => x.ai - y.ai || y.km2 - x.km2);
  return records;
}

// A town on the shore of a simplified coastline may lie this far (km) off its country's outline.
const SHORE_KM = 7;

// The kept places (opt.keep) that lie off every record of their country, as "country lat,lon (km)":
// an island that the record cap or the simplification lost. Places beyond the file's clip boxes and
// of countries it does not hold are not its to draw.
function placesOffLand(records, keep, clip) {
  const out = [];
  for (const k of keep || []) {
    if (clip && !clip.some(b => k.lon >= b.w && k.lon <= b.e && k.lat >= b.s && k.lat <= b.n)) continue;
    const own = records.filter(r => (r.area.alt1 || r.area.code) === k.country);
    if (!own.length || own.some(r => pointInRing(k.lat, k.lon, r.ring))) continue;
    const c = Math.cos(k.lat * Math.PI / 180);
    const km = Math.min(...own.map(r => distToRing(k.lon * c, k.lat, r.ring.map(([x, y]) => [x * c, y])))) * 111.2;
    if (km > SHORE_KM) out.push(`${k.country} ${k.lat},${k.lon} (${Math.round(km)} km)`);
  }
  return out;
}

function encodeAreaRecords(records) {
  if (records.length > MAX_RECORDS) throw new Error(`${records.length} records exceed the cap of ${MAX_RECORDS}`);
  const w = new CrpWriter();
  for (const r of records) {
    const a = r.area;
    if (r.ring.length > MAX_POINTS) throw new Error(`${a.code}: ${r.ring.length} points exceed the cap`);
    for (const [lon, lat] of [r.seed1, r.seed2]) {
      if (!pointInRing(lat, lon, r.ring)) throw new Error(`${a.code}: seed ${lat},${lon} outside its ring`);
    }
    w.text(a.code); w.text(a.alt1 || ''); w.text(a.alt2 || '');
    if (a.names.length !== 6 || a.names.some(n => !n)) throw new Error(`${a.code}: missing a name`);
    a.names.forEach(n => w.text(n));
    w.text(a.flag || '');
    w.word(a.inset ? INSET_BIT : 0);
    w.word(r.ring.length);
    w.degrees(r.box.n); w.degrees(r.box.s); w.degrees(r.box.e); w.degrees(r.box.w);
    w.degrees(r.seed1[1]); w.degrees(r.seed1[0]);
    w.degrees(r.seed2[1]); w.degrees(r.seed2[0]);
    for (const [lon, lat] of r.ring) { w.degrees(lat); w.degrees(lon); }
  }
  return w.toBuffer();
}

module.exports = { buildAreaRecords, encodeAreaRecords, placesOffLand, degUnits, MAX_RECORDS };
