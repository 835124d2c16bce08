// SPDX-License-Identifier: MIT
// The world's fifty largest lakes by area (largest-lakes.json, with its source), which the lakes of
// the map must hold, and outlines for the ones that the 1:50m lakes layer lacks.
'use strict';
const { pointInRing } = require('./geom');

// The reference list itself is data that the C++ data test reads too.
const LARGEST = require('./largest-lakes.json').lakes;
const RESERVOIRS = require('./largest-lakes.json').reservoirs;

// [lon, lat] outlines drawn along the shore towns (the lakes layer lacks these lakes).
const OUTLINES = {
  'Lake Tanganyika': [
    [29.33, -3.33], [29.37, -3.62], [29.44, -3.97], [29.6, -4.35], [29.63, -4.87], [29.72, -5.4], [29.78, -5.9],
    [29.8, -6.2], [30.1, -6.55], [30.44, -6.82], [30.6, -7.4], [30.85, -8.0], [31.15, -8.47], [31.12, -8.78],
    [30.8, -8.6], [30.55, -8.22], [30.2, -7.75], [29.8, -7.1], [29.5, -6.55], [29.2, -5.95], [29.13, -5.3],
    [29.1, -4.6], [29.08, -4.1], [29.12, -3.4],
  ],
  'Lake Balkhash': [
    [73.45, 46.15], [73.9, 46.55], [74.5, 46.75], [74.98, 46.82], [75.5, 46.7], [76.0, 46.55], [76.6, 46.45],
    [77.3, 46.45], [78.0, 46.55], [78.6, 46.65], [79.2, 46.45], [78.8, 46.3], [78.0, 46.42], [77.3, 46.35],
    [76.5, 46.3], [76.1, 46.36], [75.6, 46.35], [75.2, 46.2], [74.8, 45.9], [74.3, 45.8], [73.9, 45.85],
  ],
};

// Points inside lakes that the 1:50m layer lacks and the finer OpenStreetMap layer has: Lake
// Manitoba's two basins, which the Narrows part, Lake Winnipegosis, the reservoirs of the
// reference list (largest-lakes.json) and the natural lakes of 1,000 km² that the 1:50m layer
// leaves out (Mai-Ndombe, General Carrera, Southern Indian Lake), and the lagoons and Lake
// Pontchartrain that its land outlines draw as land.
const FINER = [
  [-98.4, 50.6], [-99.0, 51.5], [-100.0, 52.4],
  [48.54, 54.52], [-62.85, 7.61], [32.79, 23.17], [31.8, 22.47], [-69.17, 54.64], [-59.75, -1.63],
  [-49.64, -4.22], [32.12, -15.67], [42.97, 48.13], [-42.19, -9.89], [-98.33, 57.3], [87.93, 68.19],
  [127.7, 54.38], [101.88, 55.97], [67.1, 40.85], [-71.53, -46.47], [-68.29, 51.31], [18.38, -2.2],
  [-72.13, 54.35], [77.4, 43.9], [-51.07, -30.68], [-52.83, -32.64], [-90.17, 30.2],
];

// Reference lakes that the water records leave out although they should be on the map.
function missingLakes(records) {
  return [...LARGEST, ...RESERVOIRS].filter(l => !l.absent && !records.some(r => pointInRing(l.lat, l.lon, r.ring))).map(l => l.name);
}

module.exports = { LARGEST, RESERVOIRS, OUTLINES, FINER, missingLakes };
