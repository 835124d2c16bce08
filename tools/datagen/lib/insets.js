// SPDX-License-Identifier: MIT
// Far-off parts of a region map drawn again beside its main land, as atlases draw Alaska and
// Hawaii beside the lower 48 states. An inset is its own area record with the region's code,
// marked so that the game drops it from exercises that don't ask the region; the places in
// the region move with it (Ort3.crp).
'use strict';

const rad = d => d * Math.PI / 180;

// from: the point of the region that lands on `to`; scale: of lengths on the ground; keep: the
// region's polygons to draw, by their longitude range (Hawaii's main islands, not the
// northwestern chain).
const INSETS = [
  { map: 3, code: 'US-AK', from: [-152, 61.5], to: [-124.5, 27.3], scale: 0.3, keep: [-172, -125] },
  { map: 3, code: 'US-HI', from: [-157.4, 20.6], to: [-116.5, 23.6], scale: 0.8, keep: [-161, -154] },
];

// A longitude of the region's side of the antimeridian (the Aleutians reach past 180°).
const westOf180 = lon => (lon > 0 ? lon - 360 : lon);

// The point's place in the inset: distances along the ground from `from` scaled, laid out
// around `to` the same way.
function insetPoint(inset, lon, lat) {
  const x = (westOf180(lon) - inset.from[0]) * Math.cos(rad(lat)) * inset.scale;
  const y = (lat - inset.from[1]) * inset.scale;
  const la = inset.to[1] + y;
  return [Math.round((inset.to[0] + x / Math.cos(rad(la))) * 10000) / 10000, Math.round(la * 10000) / 10000];
}

function keeps(inset, ring) {
  const lons = ring.map(([lon]) => westOf180(lon));
  return Math.min(...lons) >= inset.keep[0] && Math.max(...lons) <= inset.keep[1];
}

// The inset areas of a map from its areas: copies of the regions' kept polygons, moved.
function insetAreas(map, areas) {
  const out = [];
  for (const inset of INSETS.filter(i => i.map === map)) {
    const area = areas.find(a => a.code === inset.code);
    if (!area) throw new Error(`inset ${inset.code}: no such area on map ${map}`);
    const polygons = area.polygons.filter(poly => keeps(inset, poly[0]))
      .map(poly => poly.map(ring => ring.map(([lon, lat]) => insetPoint(inset, lon, lat))));
    if (!polygons.length) throw new Error(`inset ${inset.code}: no polygon in its longitude range`);
    out.push({ ...area, polygons, inset: true });
  }
  return out;
}

// The inset of a region code on a map, or none.
const insetOf = (map, code) => INSETS.find(i => i.map === map && i.code === code) || null;

module.exports = { INSETS, insetPoint, insetAreas, insetOf };
