// SPDX-License-Identifier: MIT
// Six-language names (Swedish, English, French, German, Spanish, Italian) for countries and regions.
'use strict';
const path = require('path');
const { transliterate } = require('./text');

const LANGS = ['sv', 'en', 'fr', 'de', 'es', 'it'];
const AND = { sv: 'och', en: 'and', fr: 'et', de: 'und', es: 'y', it: 'e' };

function cldrTerritories(lang) {
  const file = path.join(path.dirname(require.resolve('cldr-localenames-full/package.json')), 'main', lang, 'territories.json');
  return require(file).main[lang].localeDisplayNames.territories;
}
const TERR = Object.fromEntries(LANGS.map(l => [l, cldrTerritories(l)]));

// CLDR's short forms are used only where they are the everyday name; elsewhere they are
// abbreviations (US, É.-U.) or clipped (Bosnia).
const USE_SHORT = new Set(['HK', 'MO', 'PS']);

function rawName(code, lang) {
  const t = TERR[lang];
  const name = (USE_SHORT.has(code) && t[`${code}-alt-short`]) || t[code];
  if (!name) throw new Error(`no ${lang} name for territory ${code}`);
  return name.replace(/\s*&\s*/g, ` ${AND[lang]} `).replace(/ - /g, '-');
}
const bare = name => name.replace(/\s*\([^)]*\)$/, '');

// A parenthesised addition is dropped unless the bare name is another territory's too
// (French names both halves of Saint Martin "Saint-Martin").
function countryName(code, lang) {
  const name = rawName(code, lang);
  const short = bare(name);
  const clash = short !== name && Object.keys(TERR[lang]).some(c => /^[A-Z]{2}$/.test(c) && c !== code && bare(rawName(c, lang)) === short);
  return transliterate(clash ? name : short);
}

function countryNames(code) { return LANGS.map(l => countryName(code, l)); }

// Region names from Natural Earth's name_xx fields, falling back to its English or local name,
// unless the hand-made table names the region. Japanese prefectures are named without the word
// "prefecture", as on maps; a Spanish "Estado de" (Brazil's and Mexico's states) goes the same
// way. A name stands alone on the map, so it begins with a capital letter.
const PREFECTURE = /^(Präfektur\s+|Préfecture d(e |'))|\s+(prefektur|Prefecture)$/;
const STATE_ES = /^Estado de /;
const capital = s => s.charAt(0).toUpperCase() + s.slice(1);

function regionNames(props, code) {
  const { REGION_NAMES, REGION_NAME_FIXES } = require('./regiontables');
  const table = REGION_NAMES[code];
  if (table) return table.map(transliterate);
  const base = props.name_en || props.name;
  const fixes = REGION_NAME_FIXES[code] || {};
  return LANGS.map(l => {
    if (fixes[l]) return transliterate(fixes[l]);
    let name = transliterate(props[`name_${l}`] || base).replace(PREFECTURE, '');
    if (l === 'es') name = name.replace(STATE_ES, '');
    return capital(name);
  });
}

module.exports = { LANGS, countryNames, regionNames };
