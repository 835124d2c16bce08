// SPDX-License-Identifier: MIT
// The border policy as data: each disputed place, the area it belongs to on every map (the
// borders recognised by the United Nations) and a point inside it that the built files are
// checked against. The source outlines draw some of these places as the side that holds them;
// where a place has a `ring`, the land of the `from` areas inside it is moved to the `to` area.
// The other places are settled by the code mapping of the sources (sources.js, admin1.js).
'use strict';
const polygonClipping = require('polygon-clipping');
const { pointInRing } = require('./geom');

// Rings are [lon, lat]. A ring's side towards the holder follows the line recognised before the
// dispute (the 1923 line along the Jordan and the Sea of Galilee, the 1949 line in Jerusalem);
// its other sides reach well into the area it belongs to, so only the holder's land is moved.
const PLACES = [
  {
    place: 'Golan Heights', to: 'SY', from: ['IL'], probe: [32.99, 35.69],
    ring: [[35.625, 33.275], [35.655, 33.25], [35.64, 33.2], [35.625, 33.1], [35.63, 33.01], [35.625, 32.91],
      [35.645, 32.87], [35.65, 32.82], [35.64, 32.76], [35.64, 32.72], [35.665, 32.685], [35.72, 32.7],
      [35.79, 32.715], [36.1, 32.7], [36.1, 33.45], [35.8, 33.45], [35.64, 33.32]],
  },
  {
    place: 'Shebaa Farms', to: 'SY', from: ['IL'], probe: [33.3, 35.72],
    ring: [[35.69, 33.29], [35.7, 33.265], [35.73, 33.255], [35.8, 33.32], [35.78, 33.36], [35.73, 33.335]],
  },
  {
    place: 'East Jerusalem', to: 'PS', from: ['IL'], probe: [31.78, 35.235],
    ring: [[35.19, 31.86], [35.2, 31.83], [35.215, 31.8], [35.222, 31.785], [35.226, 31.775], [35.225, 31.765],
      [35.215, 31.745], [35.2, 31.735], [35.18, 31.72], [35.18, 31.7], [35.3, 31.7], [35.3, 31.9], [35.185, 31.9]],
  },
  {
    // The coarser world outlines draw the 1949 line west of the city; the rest of Jerusalem is Israel's.
    place: 'West Jerusalem', to: 'IL', from: ['PS'], probe: [31.78, 35.2],
    ring: [[35.19, 31.86], [35.2, 31.83], [35.215, 31.8], [35.222, 31.785], [35.226, 31.775], [35.225, 31.765],
      [35.215, 31.745], [35.2, 31.735], [35.18, 31.72], [35.1, 31.72], [35.1, 31.86]],
  },
  { place: 'Gaza Strip', to: 'PS', probe: [31.5, 34.45] },
  { place: 'Crimea', to: 'UA', probe: [45.0, 34.1] },
  { place: 'Sevastopol', to: 'UA', probe: [44.6, 33.55] },
  { place: 'Donbas', to: 'UA', probe: [48.0, 37.8] },
  { place: 'Western Sahara', to: 'EH', probe: [27.15, -13.2] },
  { place: 'Kosovo', to: 'XK', probe: [42.66, 21.16] },
  { place: 'Taiwan', to: 'TW', probe: [23.7, 121.0] },
  { place: 'Northern Cyprus', to: 'CY', probe: [35.25, 33.9] },
  { place: 'Somaliland', to: 'SO', probe: [9.56, 44.06] },
  { place: 'Abkhazia', to: 'GE', probe: [43.0, 41.0] },
  { place: 'South Ossetia', to: 'GE', probe: [42.22, 43.97] },
  { place: 'Transnistria', to: 'MD', probe: [46.84, 29.63] },
  { place: 'Nagorno-Karabakh', to: 'AZ', probe: [39.82, 46.75] },
  { place: 'Indian-administered Kashmir', to: 'IN', probe: [34.08, 74.8] },
  { place: 'Pakistani-administered Kashmir', to: 'PK', probe: [34.37, 73.47] },
];

const closed = ring => [...ring, ring[0]];

// Moves the land of each place out of its holder into the area it belongs to.
// areas: [{code, polygons}] (polygons as GeoJSON MultiPolygon coordinates); changed in place.
function applyBorderPolicy(areas, codeOf = a => a.code) {
  for (const p of PLACES.filter(x => x.ring)) {
    const cut = [[closed(p.ring)]];
    const target = areas.find(a => codeOf(a) === p.to);
    for (const a of areas.filter(x => p.from.includes(codeOf(x)))) {
      const moved = polygonClipping.intersection(a.polygons, cut);
      if (!moved.length) continue;
      a.polygons = polygonClipping.difference(a.polygons, cut);
      if (target) target.polygons = polygonClipping.union(target.polygons, moved);
    }
  }
}

// Moves the land of each place out of first-level units into units of the area it belongs to
// (the regions of the holder keep their other land).
function applyBorderPolicyToUnits(units) {
  const out = [];
  for (const u of units) {
    let polys = u.polygons;
    for (const p of PLACES.filter(x => x.ring && x.from.includes(u.country))) {
      const cut = [[closed(p.ring)]];
      const moved = polygonClipping.intersection(polys, cut);
      if (!moved.length) continue;
      polys = polygonClipping.difference(polys, cut);
      out.push({ ...u, country: p.to, iso: p.to, polygons: moved });
    }
    if (polys.length) out.push({ ...u, polygons: polys });
  }
  return out;
}

// Places whose land a file draws as another area, or leaves out although the file holds the
// area they belong to and reaches that far. records: [{area: {code, alt1}, ring: [[lon, lat]...]}]
function policyFaults(records) {
  const faults = [];
  const owner = r => r.area.alt1 || r.area.code;
  const held = new Set(records.map(owner));
  const lons = records.flatMap(r => r.ring.map(p => p[0])), lats = records.flatMap(r => r.ring.map(p => p[1]));
  const reach = { w: Math.min(...lons), e: Math.max(...lons), s: Math.min(...lats), n: Math.max(...lats) };
  for (const p of PLACES) {
    const [lat, lon] = p.probe;
    const hits = new Set(records.filter(r => pointInRing(lat, lon, r.ring)).map(owner));
    const inReach = lat >= reach.s && lat <= reach.n && lon >= reach.w && lon <= reach.e;
    if (hits.size && !(hits.size === 1 && hits.has(p.to))) faults.push(`${p.place}: ${[...hits].join('/')} instead of ${p.to}`);
    else if (!hits.size && inReach && held.has(p.to)) faults.push(`${p.place}: left out`);
  }
  return faults;
}

module.exports = { PLACES, applyBorderPolicy, applyBorderPolicyToUnits, policyFaults };
