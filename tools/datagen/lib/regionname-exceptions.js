// SPDX-License-Identifier: MIT
// Reviewed differences between the maps' region names and the second source (lib/regionref.js).
// Each row keeps the map's name where the reference is the one that is off, or where both are
// right and the map's form is the one a player knows. A row names both sides, so a change of
// either brings the name back for review. Keyed by "code language".
'use strict';

const OLD = 'the reference has the name from before a renaming';
const ENGLISH = 'the reference has the English name in this language';
const SHORT = 'the short form is the everyday name; the map needs no official title';
const QUALIFIED = 'the map qualifies the name so that it does not read as the city or country of one name';
const TRANSLATED = 'the map uses the established translation; the reference keeps the French name';
const TRANSCRIBED = 'the map uses the transcription current in this language; the reference has an older or rarer one';
const CAPITALS = "the map follows this language's usual capitals for a region's name";

const rows = [
  // Mexico
  ['MX-DIF', 'es', 'Ciudad de México', 'México', QUALIFIED],
  ['MX-MEX', 'de', 'Bundesstaat México', 'México', QUALIFIED],
  ['MX-MEX', 'it', 'Stato del Messico', 'Messico', QUALIFIED],
  ['MX-VER', 'es', 'Veracruz', 'Veracruz de Ignacio de la Llave', SHORT],
  // United States: the capital district is known by its city's name
  ['US-DC', 'en', 'Washington, D.C.', 'District of Columbia', SHORT],
  ['US-DC', 'fr', 'Washington D.C.', 'District de Columbia', SHORT],
  ['US-DC', 'de', 'Washington, D.C.', 'District of Columbia', SHORT],
  ['US-DC', 'es', 'Washington D. C.', 'Distrito de Columbia', SHORT],
  ['US-DC', 'it', 'Washington D.C.', 'Distretto della Columbia', SHORT],
  // Germany
  ['DE-HB', 'de', 'Bremen', 'Freie Hansestadt Bremen', SHORT],
  ['DE-MV', 'en', 'Mecklenburg-Western Pomerania', 'Mecklenburg-Vorpommern', 'the English form the state itself uses'],
  // Spain
  ['ES-IB', 'en', 'Balearic Islands', 'Balears', 'the reference has the Catalan name'],
  ['ES-IB', 'de', 'Balearen', 'Balearische Inseln', SHORT],
  ['ES-MD', 'it', 'Comunità di Madrid', 'Madrid', QUALIFIED],
  ['ES-NC', 'fr', 'Navarre', 'Communauté forale de Navarre', SHORT],
  // France: regions named since 2016, and the translations Spanish, Italian and German use
  ['FR-ARA', 'es', 'Auvernia-Ródano-Alpes', 'Auvergne-Rhône-Alpes', TRANSLATED],
  ['FR-ARA', 'it', 'Alvernia-Rodano-Alpi', 'Auvergne-Rhône-Alpes', TRANSLATED],
  ['FR-BFC', 'de', 'Burgund-Franche-Comté', 'Bourgogne-Franche-Comté', TRANSLATED],
  ['FR-BFC', 'es', 'Borgoña-Franco Condado', 'Bourgogne-Franche-Comté', TRANSLATED],
  ['FR-BFC', 'it', 'Borgogna-Franca Contea', 'Bourgogne-Franche-Comté', TRANSLATED],
  ['FR-BRE', 'es', 'Bretaña', 'Brittany', ENGLISH],
  ['FR-CVL', 'en', 'Centre-Val de Loire', 'Centre Region', OLD],
  ['FR-CVL', 'fr', 'Centre-Val de Loire', 'Région Centre', OLD],
  ['FR-CVL', 'de', 'Centre-Val de Loire', 'Centre', OLD],
  ['FR-CVL', 'es', 'Centro-Valle del Loira', 'Centro', OLD],
  ['FR-CVL', 'it', 'Centro-Valle della Loira', 'Centro', OLD],
  ['FR-GES', 'es', 'Gran Este', 'Grand Est', TRANSLATED],
  ['FR-HDF', 'es', 'Alta Francia', 'Hauts-de-France', TRANSLATED],
  ['FR-HDF', 'it', 'Alta Francia', 'Hauts-de-France', TRANSLATED],
  ['FR-NAQ', 'es', 'Nueva Aquitania', 'Nouvelle-Aquitaine', TRANSLATED],
  ['FR-NAQ', 'it', 'Nuova Aquitania', 'Nouvelle-Aquitaine', TRANSLATED],
  ['FR-NOR', 'en', 'Normandy', 'Normandie', TRANSLATED],
  ['FR-NOR', 'es', 'Normandía', 'Normandie', TRANSLATED],
  ['FR-NOR', 'it', 'Normandia', 'Normandie', TRANSLATED],
  ['FR-OCC', 'en', 'Occitania', 'Occitanie', TRANSLATED],
  ['FR-OCC', 'de', 'Okzitanien', 'Occitanie', TRANSLATED],
  ['FR-OCC', 'es', 'Occitania', 'Occitanie', TRANSLATED],
  ['FR-OCC', 'it', 'Occitania', 'Occitanie', TRANSLATED],
  // Italy
  ['IT-32', 'en', 'Trentino-South Tyrol', 'Trentino-Alto Adige/Südtirol', 'the English form; the reference joins the Italian and German names'],
  // Argentina: the capital city is a region of its own beside the province of one name
  ['AR-C', 'en', 'City of Buenos Aires', 'Buenos Aires', QUALIFIED],
  ['AR-C', 'fr', 'Ville de Buenos Aires', 'Buenos Aires', QUALIFIED],
  ['AR-C', 'de', 'Stadt Buenos Aires', 'Buenos Aires', QUALIFIED],
  ['AR-C', 'es', 'Ciudad de Buenos Aires', 'Buenos Aires', QUALIFIED],
  ['AR-C', 'it', 'Città di Buenos Aires', 'Buenos Aires', QUALIFIED],
  // Brazil
  ['BR-DF', 'de', 'Bundesdistrikt', 'Distrito Federal do Brasil', 'the German name; the reference has the Portuguese one'],
  // China
  ['CN-GD', 'es', 'Guangdong', 'Provincia de Cantón', TRANSCRIBED],
  ['CN-NM', 'fr', 'Mongolie-Intérieure', 'Mongolie-intérieure', CAPITALS],
  ['CN-NX', 'it', 'Ningxia', 'Ningsia', TRANSCRIBED],
  ['CN-TJ', 'es', 'Tianjin', 'Tianjín', TRANSCRIBED],
  ['CN-XZ', 'en', 'Tibet', 'Tibet Autonomous Region', SHORT],
  ['CN-XZ', 'fr', 'Tibet', 'Région autonome du Tibet', SHORT],
  ['CN-XZ', 'de', 'Tibet', 'Autonomes Gebiet Tibet', SHORT],
  ['CN-XZ', 'it', 'Tibet', 'Regione Autonoma del Tibet', SHORT],
  // India
  ['IN-MH', 'es', 'Maharashtra', 'Maharastra', TRANSCRIBED],
  ['IN-MZ', 'es', 'Mizoram', 'Mizorán', TRANSCRIBED],
  ['IN-OR', 'es', 'Odisha', 'Orissa', OLD],
  ['IN-OR', 'it', 'Odisha', 'Orissa', OLD],
  ['IN-PY', 'it', 'Puducherry', 'Pondicherry', OLD],
  ['IN-WB', 'it', 'Bengala Occidentale', 'Bengala occidentale', CAPITALS],
  // South Africa
  ['ZA-FS', 'it', 'Stato Libero', 'Free State', ENGLISH],
];

module.exports = Object.fromEntries(rows.map(([code, lang, ours, ref, why]) => [`${code} ${lang}`, { ours, ref, why }]));
