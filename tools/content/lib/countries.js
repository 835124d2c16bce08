// SPDX-License-Identifier: MIT
// Which areas of the world file are states, their continent groups and their one capital.
'use strict';

// Areas of the world file that are not states (dependencies, Antarctica, Western Sahara): their
// main town is a place of its own, but not a national capital.
const TERRITORIES = new Set([
  'AI', 'AQ', 'AS', 'AW', 'AX', 'BL', 'BM', 'CK', 'CW', 'EH', 'FK', 'FO', 'GG', 'GL', 'GS', 'GU', 'HK', 'HM',
  'IM', 'IO', 'JE', 'KY', 'MF', 'MO', 'MP', 'MS', 'NC', 'NF', 'NU', 'PF', 'PM', 'PN', 'PR', 'SH', 'SX', 'TC',
  'TF', 'VG', 'VI', 'WF',
]);

// Countries whose law names several capitals or splits the capital's functions: the capital named
// by the constitution or law; where the functions are split (South Africa, Eswatini), the seat of
// the executive. Palestine: the seat of its government.
const CAPITAL_CHOICE = {
  BI: 'Gitega', BJ: 'Porto-Novo', BO: 'Sucre', CI: 'Yamoussoukro', LK: 'Sri Jayewardenepura Kotte',
  MA: 'Rabat', MM: 'Nay Pyi Taw', MY: 'Kuala Lumpur', NL: 'Amsterdam', PS: 'Ramallah', SZ: 'Mbabane',
  TZ: 'Dodoma', ZA: 'Pretoria',
};

// The source files the Palestinian territories under two codes of its own.
const SOURCE_COUNTRY = { XW: 'PS', XG: 'PS' };

// UN geoscheme regions (CLDR territory containment) to the game's continent codes.
const REGION_CONTINENT = { '150': 'EUR', '021': 'NOR', '013': 'NOR', '029': 'NOR', '005': 'SYD', '142': 'ASI', '002': 'AFR', '009': 'AUS' };

function continentTable() {
  const tc = require('cldr-core/supplemental/territoryContainment.json').supplemental.territoryContainment;
  const out = {};
  const walk = (region, cont) => {
    const entry = tc[region];
    if (!entry) { if (/^[A-Z]{2}$/.test(region)) out[region] = out[region] || cont; return; }
    for (const child of entry._contains || []) walk(child, cont);
  };
  for (const [region, cont] of Object.entries(REGION_CONTINENT)) walk(region, cont);
  return out;
}

module.exports = { TERRITORIES, CAPITAL_CHOICE, SOURCE_COUNTRY, continentTable };
