// SPDX-License-Identifier: MIT
// A second source for region names (iso3166-2-db, names of the regions' Wikipedia articles in
// English, French, German, Spanish and Italian) and the comparison of the maps' names with it.
'use strict';
const { transliterate } = require('./text');
const EXCEPTIONS = require('./regionname-exceptions');

const REF_LANGS = ['en', 'fr', 'de', 'es', 'it'];
const SLOT = { sv: 0, en: 1, fr: 2, de: 3, es: 4, it: 5 };

// Codes of the maps whose region kept its territory but not its code in the reference: ISO's
// later letter codes for China and Poland, Spain's renamed codes, and the 2024 Norwegian counties
// that are the older county of one name.
const CN = { BJ: 11, TJ: 12, HE: 13, SX: 14, NM: 15, LN: 21, JL: 22, HL: 23, SH: 31, JS: 32, ZJ: 33, AH: 34, FJ: 35, JX: 36, SD: 37, HA: 41, HB: 42, HN: 43, GD: 44, GX: 45, HI: 46, CQ: 50, SC: 51, GZ: 52, YN: 53, XZ: 54, SN: 61, GS: 62, QH: 63, NX: 64, XJ: 65 };
const PL = { DS: '02', KP: '04', LU: '06', LB: '08', LD: '10', MA: '12', MZ: '14', OP: '16', PK: '18', PD: '20', PM: '22', SL: '24', SK: '26', WN: '28', WP: '30', ZP: '32' };
const REF_CODE = {
  ...Object.fromEntries(Object.entries(CN).map(([k, v]) => [`CN-${k}`, `CN-${v}`])),
  ...Object.fromEntries(Object.entries(PL).map(([k, v]) => [`PL-${k}`, `PL-${v}`])),
  'ES-IB': 'ES-PM', 'ES-MC': 'ES-MU', 'ES-RI': 'ES-LO', 'FR-20R': 'FR-COR', 'MX-DIF': 'MX-CMX',
  'IN-UT': 'IN-UL', 'ZA-NL': 'ZA-ZN',
  'NO-31': 'NO-01', 'NO-32': 'NO-02', 'NO-33': 'NO-06', 'NO-39': 'NO-07', 'NO-40': 'NO-08', 'NO-55': 'NO-19', 'NO-56': 'NO-20',
};
// Regions younger than the reference: Norway's merged counties of 2020 (Innlandet, Agder,
// Vestland, Trøndelag), India's Ladakh (2019) and Dadra and Nagar Haveli and Daman and Diu (2020).
const NO_REFERENCE = new Set(['NO-34', 'NO-42', 'NO-46', 'NO-50', 'IN-LA', 'IN-DH']);

// Words that say what kind of unit a region is. Whether a map writes them is the maps' own style
// (Swedish counties keep "län", Japanese prefectures drop "prefecture"), so the comparison is of
// the names without them.
const QUALIFIER = {
  en: [/ (County|Province|Prefecture|Voivodeship|Region)$/],
  fr: [/^(Comté|Province|Préfecture|Région|Territoire|État|Voïvodie) (de |d'|du )/, /^Région /],
  de: [/^(Provinz|Präfektur|Autonome Region|Autonome Gemeinschaft|Woiwodschaft|Region) /],
  es: [/^(Provincia|Prefectura|Estado|Región|Comunidad|Principado|Voivodato) (de la |del |de )/],
  it: [/^(Provincia|Prefettura|Contea|Regione|Voivodato) (della |dell'|del |di )/],
};
const bare = (name, lang) => QUALIFIER[lang].reduce((s, re) => s.replace(re, ''), name);

let db = null;
function reference(lang) {
  if (!db) db = Object.fromEntries(REF_LANGS.map(l => [l, require(`iso3166-2-db/i18n/dispute/UN/${l}.json`)]));
  return db[lang];
}

// The reference's name of a region, or null where it has none.
function referenceName(code, lang) {
  const [cc, sub] = (REF_CODE[code] || code).split('-');
  const r = ((reference(lang)[cc] || {}).regions || []).find(x => x.iso === sub);
  return r ? transliterate(r.name) : null;
}

// Every difference between the maps' region names and the reference: [{ code, lang, ours, ref }].
// `regions` holds one { code, names } per region (names in the maps' six-language order).
function differences(regions) {
  const out = [];
  for (const { code, names } of regions) {
    for (const lang of REF_LANGS) {
      const ours = names[SLOT[lang]];
      const ref = NO_REFERENCE.has(code) ? null : referenceName(code, lang);
      if (ref === null) {
        if (!NO_REFERENCE.has(code)) out.push({ code, lang, ours, ref: null });
        continue;
      }
      if (ours !== ref && bare(ours, lang) !== bare(ref, lang)) out.push({ code, lang, ours, ref });
    }
  }
  return out;
}

// Differences the exception table does not explain, and table rows that explain nothing any more
// (the name or the reference changed since the row was reviewed).
function unexplained(regions) {
  const diffs = differences(regions);
  const key = d => `${d.code} ${d.lang}`;
  const seen = new Set();
  const faults = [];
  for (const d of diffs) {
    const e = EXCEPTIONS[key(d)];
    seen.add(key(d));
    if (!e || e.ours !== d.ours || e.ref !== d.ref) faults.push({ ...d, row: e || null });
  }
  const stale = Object.keys(EXCEPTIONS).filter(k => !seen.has(k));
  return { diffs, faults, stale };
}

module.exports = { REF_LANGS, referenceName, differences, unexplained, bare };
