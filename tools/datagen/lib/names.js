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

function countryName(code, lang) {
  const t = TERR[lang];
  let name = (USE_SHORT.has(code) && t[`${code}-alt-short`]) || t[code];
  if (!name) throw new Error(`no ${lang} name for territory ${code}`);
  name = name.replace(/\s*&\s*/g, ` ${AND[lang]} `).replace(/\s*\([^)]*\)$/, '').replace(/ - /g, '-');
  return transliterate(name);
}

function countryNames(code) { return LANGS.map(l => countryName(code, l)); }

// Region names from Natural Earth's name_xx fields, falling back to its English or local name.
// Japanese prefectures are named without the word "prefecture", as on maps.
const PREFECTURE = /^Präfektur\s+|\s+(prefektur|Prefecture)$/;

function regionNames(props) {
  const base = props.name_en || props.name;
  return LANGS.map(l => transliterate(props[`name_${l}`] || base).replace(PREFECTURE, ''));
}

module.exports = { LANGS, countryNames, regionNames };
