// SPDX-License-Identifier: MIT
// Turns the catalogue definitions into records that resolve in the files each exercise loads,
// checks them as the program would use them, and encodes Ovning.crp.
'use strict';
const fs = require('fs');
const path = require('path');
const { definitions, STYLE, V } = require('./catalogue');
const { View, fitView, widenToShow, notShown } = require('./view');
const { TERRITORIES, continentTable } = require('./countries');
const { STATE_AREAS } = require('./stateareas');

// The map screen's picture, in logical pixels, on screens from 4:3 to 21:9 and in portrait:
// 1024 × 768, 1366 × 768, 1920 × 1080 (and 3840 × 2160 at twice the pixels), 2560 × 1080, 1080 × 1920.
const SIZES = [[1020, 705], [1362, 705], [1916, 1017], [2556, 1017], [1076, 1857]];
// The map pictures of a 1280 × 720 and a 1920 × 1048 window: a stored view must show every item
// there as it stands, or the game widens it on the most common screens.
const STORED_VIEW_SIZES = [[1280, 720], [1920, 1048]];
const MIN_PLACE_PX = 4;  // two places of one exercise closer than this are hard to tell apart
// The most questions one run asks (areas, places or flags): about ten minutes at a question every
// six seconds, what a class can finish in a lesson.
const MAX_QUESTIONS = 90;

// km², from the outline on the sinusoidal (equal-area) projection.
function ringArea(points) {
  const xy = points.map(([lat, lon]) => [lon * Math.cos(lat * Math.PI / 180), lat]);
  let s = 0;
  for (let i = 0, j = xy.length - 1; i < xy.length; j = i++) s += xy[j][0] * xy[i][1] - xy[i][0] * xy[j][1];
  return Math.abs(s) / 2 * 111.2 * 111.2;
}

// A name's words, without case, accents or apostrophes.
function words(name) {
  return name.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase().replace(/['\u2019]/g, '').match(/[\p{L}\p{N}]+/gu) || [];
}

function containsWords(text, name) {
  const t = words(text), n = words(name);
  return n.length > 0 && t.some((_, i) => n.every((w, j) => t[i + j] === w));
}

// A multiple-choice question names a place and offers areas, or names an area and offers
// places: either text holding the other's name answers itself (Kuwait City in Kuwait, a
// qualifier "(Bolivia)", Madrid in the Comunidad de Madrid).
function givesAway(placeName, areaName) {
  return containsWords(placeName, areaName) || containsWords(areaName, placeName.replace(/ \(.*\)$/, ''));
}

class Builder {
  constructor({ areaFile, places, flagDir, log }) {
    this.areaFile = areaFile;   // n -> records (with points) or null
    this.placeFiles = places;   // place file number -> place list in file order
    this.places = places[1];
    this.flagDir = flagDir;
    this.log = log;
    this.continents = continentTable();
    const world = areaFile(1);
    this.size = new Map();
    for (const a of world) this.size.set(a.code, (this.size.get(a.code) || 0) + ringArea(a.points));
    this.worldCodes = [...new Set(world.map(a => a.code))].sort();
  }

  // The n largest states by their real area. A state whose outline measures near the n-th
  // one's area must be in the table, so that none is ranked by its outline.
  largestStates(all, n) {
    const listed = all.filter(c => STATE_AREAS[c]).sort((a, b) => STATE_AREAS[b] - STATE_AREAS[a]);
    const unknown = Object.keys(STATE_AREAS).filter(c => !all.includes(c));
    const bar = 0.8 * (STATE_AREAS[listed[n - 1]] || Infinity);
    const missing = all.filter(c => !STATE_AREAS[c] && this.size.get(c) > bar);
    if (unknown.length || missing.length || listed.length < n || STATE_AREAS[listed[listed.length - 1]] > bar) {
      throw new Error(`state areas: not states of the world file: ${unknown.join(' ') || '-'}; ` +
        `missing from the table: ${missing.join(' ') || '-'}; the table must reach below ${Math.round(bar)} km²`);
    }
    return listed.slice(0, n);
  }

  // The resolver the definitions use.
  resolver() {
    const states = cont => this.worldCodes.filter(c => !TERRITORIES.has(c) && (cont === '*' || this.continents[c] === cont));
    const bySize = list => [...list].sort((a, b) => this.size.get(b) - this.size.get(a) || a.localeCompare(b));
    return {
      states,
      regions: (map, cc) => [...new Set((this.areaFile(map) || []).map(a => a.code).filter(c => c.startsWith(`${cc}-`)))].sort(),
      largestStates: n => this.largestStates(states('*'), n),
      // The most populous states by CLDR's territory figures.
      populousStates: n => {
        const info = require('cldr-core/supplemental/territoryInfo.json').supplemental.territoryInfo;
        const pop = c => +((info[c] || {})._population || 0);
        return [...states('*')].sort((a, b) => pop(b) - pop(a) || a.localeCompare(b)).slice(0, n);
      },
      // The countries of the world's urban areas of a rank (Ort2.crp).
      urbanCountries: rank => [...new Set(this.placeFiles[2].filter(p => p.rank <= rank).map(p => p.country))].sort(),
      // States with a city over 5 million whose capital is a big city itself or part of one (New
      // Delhi), so a run over ranks 1 and 2 shows big cities only.
      megacityStates: () => {
        const big = this.places.filter(p => p.pop > 5e6 && !TERRITORIES.has(p.country));
        const near = (a, b) => Math.hypot(a.lat - b.lat, (a.lon - b.lon) * Math.cos(a.lat * Math.PI / 180)) < 1;
        return [...new Set(big.map(p => p.country))]
          .filter(c => this.places.some(p => p.flag1 && p.country === c && (p.pop > 1e6 || big.some(b => near(b, p))))).sort();
      },
      flagSets: (cont, count) => {
        const list = bySize(states(cont));
        const out = [];
        for (let i = 0; i < count; i++) out.push(list.filter((_, k) => k * count / list.length >= i && k * count / list.length < i + 1));
        return out;
      },
    };
  }

  records(map) { return this.areaFile(map) || []; }
  findByCode(map, code) { let f = null; for (const a of this.records(map)) if (a.code === code) f = a; return f; }
  matching(map, code) { return this.records(map).filter(a => a.points.length > 0 && (a.code === code || a.alt1 === code || a.alt2 === code)); }

  selectedPlaces(ex, items) {
    const keys = new Set(items);
    return this.placeFiles[ex.placeFile || 1].filter(p => p.rank <= ex.rank && (!ex.f1 || p.flag1) && (!ex.f2 || p.flag2) &&
      [p.country, p.region, p.continent].some(k => k && keys.has(k)));
  }

  // What a map exercise shows: each area as the list of its outlines, each selected place.
  shownItems(ex, items) {
    return items.flatMap(k => {
      const rings = this.matching(ex.map, k).map(a => a.points);
      return rings.length ? [rings] : [];
    }).concat(ex.kind === 'ORT' ? this.selectedPlaces(ex, items) : []);
  }

  itemName(ex, items, item) {
    return Array.isArray(item) ? items.find(k => this.matching(ex.map, k).some(a => a.points === item[0])) : item.names[1];
  }

  // Items that an exercise's stored view leaves off the picture at the common sizes, as
  // "item at W × H" (none for a fitted view).
  offStoredView(ex, items) {
    if (ex.view === 'fit' || (ex.kind !== 'AREA' && ex.kind !== 'ORT')) return [];
    const shown = this.shownItems(ex, items);
    const [t, b, c] = V[ex.view];
    return STORED_VIEW_SIZES.flatMap(([W, H]) =>
      notShown(new View(t, b, c, W, H), shown).map(i => `${this.itemName(ex, items, i)} at ${W} × ${H}`));
  }

  // The views the game shows the exercise in on each picture size: its own or the fitted one,
  // widened until every item shows. An item that still doesn't show fails the build.
  views(ex, items) {
    const boxes = items.flatMap(k => this.matching(ex.map, k));
    const shown = this.shownItems(ex, items);
    return SIZES.map(([W, H]) => {
      let v;
      if (ex.view !== 'fit') { const [t, b, c] = V[ex.view]; v = new View(t, b, c, W, H); } else {
        if (!boxes.length) throw new Error(`exercise ${ex.no}: nothing to fit the view to`);
        v = fitView(boxes, W, H);
      }
      const left = widenToShow(v, shown);
      if (left.length) {
        const what = left.map(i => this.itemName(ex, items, i));
        throw new Error(`exercise ${ex.no}: ${what.join(', ')} can't be shown on a ${W} × ${H} picture of view ${ex.view}`);
      }
      return v;
    });
  }

  // Leaves out what the catalogue leaves out on purpose (ex.omit: key -> reason); anything else
  // that can't be asked fails the build.
  refuse(ex, items, bad, why) {
    const unplanned = [...new Set(bad)].filter(k => !(ex.omit && ex.omit[k]));
    if (unplanned.length) throw new Error(`exercise ${ex.no}: ${unplanned.join(' ')}: ${why}`);
    return this.drop(ex, items, bad, why);
  }

  drop(ex, items, bad, why) {
    if (!bad.length) return items;
    this.log(`  exercise ${ex.no}: left out ${[...new Set(bad)].join(' ')} (${why})`);
    return items.filter(k => !bad.includes(k));
  }

  resolve(ex) {
    let items = [...new Set(ex.items())];
    if (!this.areaFile(ex.map)) throw new Error(`exercise ${ex.no} needs AREA${ex.map}.crp`);
    if (ex.kind !== 'ORT') items = this.refuse(ex, items, items.filter(k => !this.findByCode(ex.map, k)), 'no such area on its map');
    if (ex.kind === 'AREA') {
      items = this.refuse(ex, items, items.filter(k => !this.matching(ex.map, k).length), 'no outline');
      this.views(ex, items);
    } else if (ex.kind === 'ORT') {
      items = this.drop(ex, items, items.filter(k => !this.selectedPlaces(ex, [k]).length), 'selects no place');
      for (let pass = 0; pass < 50; pass++) {
        const views = this.views(ex, items);
        // An enclave's capital on the capital around it (the Vatican in Rome) cannot be shown apart.
        const crowded = this.crowdedPairs(ex, items, views);
        if (!crowded.length) break;
        items = this.refuse(ex, items, [this.keyOf(crowded[0][1], items)], `places on top of each other: ${crowded[0].map(p => p.names[1]).join(' / ')}`);
      }
    } else if (ex.kind === 'MULTI') {
      items = this.refuse(ex, items, items.filter(k => this.trivial(ex, k)), 'a place and its area named alike');
    } else if (ex.kind === 'FLAGG') {
      items = this.refuse(ex, items, items.filter(k => !this.flagReadable(this.findByCode(ex.map, k).flag)), 'no flag picture');
    }
    if (items.length > 100) throw new Error(`exercise ${ex.no}: ${items.length} items, at most 100`);
    const asked = this.questions({ ...ex, items });
    if (asked > MAX_QUESTIONS) throw new Error(`exercise ${ex.no}: ${asked} questions a run, at most ${MAX_QUESTIONS}`);
    const { omit, ...rest } = ex;
    return { ...rest, items };
  }

  // Pairs of places too close together to tell apart on the smaller picture.
  crowdedPairs(ex, items, views) {
    const sel = this.selectedPlaces(ex, items);
    const v = views[0];
    const pts = sel.map(p => [v.x(p.lon, p.lat), v.y(p.lat)]);
    const out = [];
    for (let i = 0; i < sel.length; i++) {
      for (let j = 0; j < i; j++) {
        if (Math.hypot(pts[i][0] - pts[j][0], pts[i][1] - pts[j][1]) < MIN_PLACE_PX) out.push([sel[j], sel[i]]);
      }
    }
    return out;
  }

  trivial(ex, key) {
    const area = this.findByCode(ex.map, key);
    return this.selectedPlaces(ex, [key]).some(p => p.names.some((n, l) => givesAway(n, area.names[l])));
  }

  // Questions one run asks: every area, every selected place, every flag.
  questions(ex) { return ex.kind === 'ORT' || ex.kind === 'MULTI' ? this.selectedPlaces(ex, ex.items).length : ex.items.length; }

  keyOf(p, items) { return [p.country, p.region, p.continent].find(k => items.includes(k)); }

  flagReadable(file) {
    if (!file) return false;
    try {
      const b = fs.readFileSync(path.join(this.flagDir, file));
      return b.length > 54 && b.toString('ascii', 0, 2) === 'BM';
    } catch { return false; }
  }

  build() {
    return definitions(this.resolver()).map(d => this.resolve(d));
  }
}

// Independent checks of the finished catalogue, as the program and the data test see it.
function checkCatalogue(list, b) {
  const errors = [];
  const err = (ex, m) => errors.push(`exercise ${ex.no}: ${m}`);
  const numbers = new Set();
  const names = Array.from({ length: 6 }, () => new Set());
  for (const ex of list) {
    if (ex.no < 1 || ex.no > 90 || numbers.has(ex.no)) err(ex, 'number outside 1..90 or used twice');
    numbers.add(ex.no);
    ex.names.forEach((n, l) => { if (!n || names[l].has(n)) err(ex, `empty or repeated name "${n}"`); names[l].add(n); });
    if (!ex.items.length) err(ex, 'no items');
    if (ex.kind !== 'ORT') for (const k of ex.items) if (!b.findByCode(ex.map, k)) err(ex, `key ${k} names no area of AREA${ex.map}.crp`);
    if (ex.kind === 'ORT') {
      for (const k of ex.items) if (!b.selectedPlaces(ex, [k]).length) err(ex, `key ${k} selects no place`);
      const views = b.views(ex, ex.items);
      const sel = b.selectedPlaces(ex, ex.items);
      for (const v of views) {
        const seen = new Set();
        for (const p of sel) {
          const px = `${v.x(p.lon, p.lat)},${v.y(p.lat)}`;
          if (seen.has(px)) err(ex, `two places on pixel ${px} at ${v.W}x${v.H}`);
          seen.add(px);
        }
      }
    }
    if (ex.kind === 'FLAGG') {
      if (ex.items.length > 16) err(ex, 'more than 16 flags: some could never be asked');
      for (const k of ex.items) if (!b.flagReadable((b.findByCode(ex.map, k) || {}).flag)) err(ex, `no readable flag for ${k}`);
    }
    if (ex.kind === 'MULTI') {
      const sel = b.selectedPlaces(ex, ex.items);
      for (let l = 0; l < 6; l++) {
        const areaNames = new Set(ex.items.map(k => b.findByCode(ex.map, k)).filter(Boolean).map(a => a.names[l]));
        const placeNames = new Set(sel.map(p => p.names[l]));
        if (areaNames.size < 4 || placeNames.size < 4) err(ex, `fewer than four different answers in language ${l + 1}`);
      }
      if (!sel.length) err(ex, 'selects no place');
      for (const k of ex.items) if (b.trivial(ex, k)) err(ex, `${k}: a place and its area named alike`);
    }
    if (b.questions(ex) > MAX_QUESTIONS) err(ex, `${b.questions(ex)} questions a run, at most ${MAX_QUESTIONS}`);
    if (ex.kind === 'AREA') for (const k of ex.items) if (!b.matching(ex.map, k).length) err(ex, `key ${k} has no outline`);
    const off = b.offStoredView(ex, ex.items);
    if (off.length) err(ex, `view ${ex.view} leaves off the picture: ${off.join(', ')}`);
  }
  for (const cont of ['EUR', 'NOR', 'SYD', 'ASI', 'AFR', 'AUS', '*']) {
    for (const kind of ['AREA', 'ORT', 'FLAGG', 'MULTI']) {
      if (!list.some(e => e.cont === cont && e.kind === kind)) errors.push(`no ${kind} exercise for ${cont}`);
    }
  }
  if (list.length < 60 || list.length > 90) errors.push(`${list.length} exercises; 60 to 90 wanted`);
  if (errors.length) throw new Error(`catalogue check failed:\n  ${errors.join('\n  ')}`);
}

function encodeCatalogue(list, w) {
  for (const ex of list) {
    const st = STYLE[ex.style];
    const view = ex.view === 'fit' ? [0, 0, 0] : V[ex.view];
    w.text(ex.kind);
    for (const n of ex.names) w.text(n);
    w.word(ex.no).byte(ex.rank).byte(st.border).byte(ex.f1 ? 1 : 0).byte(ex.f2 ? 1 : 0).byte(0);
    w.word(ex.map).word(ex.placeFile || 1).text(ex.cont);
    w.int32(st.land).int32(st.area).int32(st.sea);
    w.degrees(view[0]).degrees(view[1]).degrees(view[2]);
    w.word(ex.items.length);
    for (const k of ex.items) w.text(k);
  }
}

module.exports = { givesAway, Builder, checkCatalogue, encodeCatalogue, SIZES, STORED_VIEW_SIZES, ringArea, MAX_QUESTIONS };
