// SPDX-License-Identifier: MIT
// The Pacific islands just east of the date line belong with Oceania's other states on the map:
// the game's projection doesn't wrap around, so Samoa at 172° W would lie on the far side of a
// view centred on the western Pacific. The world file draws them at their longitude + 360°, and
// their places go with them.
'use strict';

const EAST_OF_180 = new Set(['AS', 'CK', 'KI', 'NU', 'PF', 'PN', 'TO', 'WF', 'WS']);
// Parts west of this longitude move; further east lies the Americas' side of the ocean.
const PACIFIC_WEST = -120;

// The longitude the world file draws a point of the country's at.
const drawnLon = (code, lon) => (EAST_OF_180.has(code) && lon < PACIFIC_WEST ? lon + 360 : lon);

// A ring ([lon, lat] points) of the country's as the world file draws it.
function drawnRing(code, ring) {
  if (!EAST_OF_180.has(code) || !ring.every(([lon]) => lon < PACIFIC_WEST)) return ring;
  return ring.map(([lon, lat]) => [lon + 360, lat]);
}

module.exports = { EAST_OF_180, drawnLon, drawnRing };
