// SPDX-License-Identifier: MIT
// Distances and the point-in-polygon test, the latter as the game's PointInPolygon does it
// (even-odd rule with an eastward ray, on [lat, lon] vertices).
'use strict';

function km(a, b) {
  const r = Math.PI / 180;
  const dLat = (b.lat - a.lat) * r, dLon = (b.lon - a.lon) * r;
  const h = Math.sin(dLat / 2) ** 2 + Math.cos(a.lat * r) * Math.cos(b.lat * r) * Math.sin(dLon / 2) ** 2;
  return 12742 * Math.asin(Math.sqrt(h));
}

function pointInPolygon(lat, lon, points) {
  let inside = false;
  for (let i = 0, j = points.length - 1; i < points.length; j = i++) {
    const [aLat, aLon] = points[j], [bLat, bLon] = points[i];
    if ((bLat <= lat && lat < aLat) || (aLat <= lat && lat < bLat)) {
      const x = bLon + (lat - bLat) * (aLon - bLon) / (aLat - bLat);
      if (x > lon) inside = !inside;
    }
  }
  return inside;
}

// Distance in km from a point to a ring's outline (a flat approximation, good to a few per cent
// at the short distances it is used for).
function kmToOutline(lat, lon, points) {
  const c = Math.cos(lat * Math.PI / 180);
  let best = Infinity;
  for (let i = 0, j = points.length - 1; i < points.length; j = i++) {
    const ax = (points[j][1] - lon) * c, ay = points[j][0] - lat;
    const bx = (points[i][1] - lon) * c, by = points[i][0] - lat;
    const dx = bx - ax, dy = by - ay;
    const len = dx * dx + dy * dy;
    const t = len ? Math.max(0, Math.min(1, -(ax * dx + ay * dy) / len)) : 0;
    best = Math.min(best, Math.hypot(ax + t * dx, ay + t * dy));
  }
  return best * 111.2;
}

module.exports = { km, pointInPolygon, kmToOutline };
