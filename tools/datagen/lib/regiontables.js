// SPDX-License-Identifier: MIT
// Hand-made region tables where Natural Earth's first-level units are finer than the regions
// players know: French départements, Italian and Spanish provinces, British counties and the
// former Norwegian counties are dissolved into these. Names: sv, en, fr, de, es, it.
'use strict';

const FR = {
  'FR-ARA': ['Auvergne-Rhône-Alpes', 'Auvergne-Rhône-Alpes', 'Auvergne-Rhône-Alpes', 'Auvergne-Rhône-Alpes', 'Auvernia-Ródano-Alpes', 'Alvernia-Rodano-Alpi'],
  'FR-BFC': ['Bourgogne-Franche-Comté', 'Bourgogne-Franche-Comté', 'Bourgogne-Franche-Comté', 'Burgund-Franche-Comté', 'Borgoña-Franco Condado', 'Borgogna-Franca Contea'],
  'FR-BRE': ['Bretagne', 'Brittany', 'Bretagne', 'Bretagne', 'Bretaña', 'Bretagna'],
  'FR-CVL': ['Centre-Val de Loire', 'Centre-Val de Loire', 'Centre-Val de Loire', 'Centre-Val de Loire', 'Centro-Valle del Loira', 'Centro-Valle della Loira'],
  'FR-20R': ['Korsika', 'Corsica', 'Corse', 'Korsika', 'Córcega', 'Corsica'],
  'FR-GES': ['Grand Est', 'Grand Est', 'Grand Est', 'Grand Est', 'Gran Este', 'Grand Est'],
  'FR-HDF': ['Hauts-de-France', 'Hauts-de-France', 'Hauts-de-France', 'Hauts-de-France', 'Alta Francia', 'Alta Francia'],
  'FR-IDF': ['Île-de-France', 'Île-de-France', 'Île-de-France', 'Île-de-France', 'Isla de Francia', 'Île-de-France'],
  'FR-NOR': ['Normandie', 'Normandy', 'Normandie', 'Normandie', 'Normandía', 'Normandia'],
  'FR-NAQ': ['Nouvelle-Aquitaine', 'Nouvelle-Aquitaine', 'Nouvelle-Aquitaine', 'Nouvelle-Aquitaine', 'Nueva Aquitania', 'Nuova Aquitania'],
  'FR-OCC': ['Occitanien', 'Occitania', 'Occitanie', 'Okzitanien', 'Occitania', 'Occitania'],
  'FR-PDL': ['Pays de la Loire', 'Pays de la Loire', 'Pays de la Loire', 'Pays de la Loire', 'Países del Loira', 'Paesi della Loira'],
  'FR-PAC': ["Provence-Alpes-Côte d'Azur", "Provence-Alpes-Côte d'Azur", "Provence-Alpes-Côte d'Azur", "Provence-Alpes-Côte d'Azur", 'Provenza-Alpes-Costa Azul', "Provenza-Alpi-Costa Azzurra"],
};
// Natural Earth's region codes that differ from ISO 3166-2.
const FR_CODE = { 'FR-COR': 'FR-20R' };

const IT = {
  'IT-21': ['Piemonte', 'Piedmont', 'Piémont', 'Piemont', 'Piamonte', 'Piemonte'],
  'IT-23': ["Aostadalen", 'Aosta Valley', "Vallée d'Aoste", 'Aostatal', 'Valle de Aosta', "Valle d'Aosta"],
  'IT-25': ['Lombardiet', 'Lombardy', 'Lombardie', 'Lombardei', 'Lombardía', 'Lombardia'],
  'IT-32': ['Trentino-Alto Adige', 'Trentino-South Tyrol', 'Trentin-Haut-Adige', 'Trentino-Südtirol', 'Trentino-Alto Adigio', 'Trentino-Alto Adige'],
  'IT-34': ['Veneto', 'Veneto', 'Vénétie', 'Venetien', 'Véneto', 'Veneto'],
  'IT-36': ['Friuli-Venezia Giulia', 'Friuli-Venezia Giulia', 'Frioul-Vénétie julienne', 'Friaul-Julisch Venetien', 'Friuli-Venecia Julia', 'Friuli-Venezia Giulia'],
  'IT-42': ['Ligurien', 'Liguria', 'Ligurie', 'Ligurien', 'Liguria', 'Liguria'],
  'IT-45': ['Emilia-Romagna', 'Emilia-Romagna', 'Émilie-Romagne', 'Emilia-Romagna', 'Emilia-Romaña', 'Emilia-Romagna'],
  'IT-52': ['Toscana', 'Tuscany', 'Toscane', 'Toskana', 'Toscana', 'Toscana'],
  'IT-55': ['Umbrien', 'Umbria', 'Ombrie', 'Umbrien', 'Umbría', 'Umbria'],
  'IT-57': ['Marche', 'Marche', 'Marches', 'Marken', 'Marcas', 'Marche'],
  'IT-62': ['Lazio', 'Lazio', 'Latium', 'Latium', 'Lacio', 'Lazio'],
  'IT-65': ['Abruzzo', 'Abruzzo', 'Abruzzes', 'Abruzzen', 'Abruzos', 'Abruzzo'],
  'IT-67': ['Molise', 'Molise', 'Molise', 'Molise', 'Molise', 'Molise'],
  'IT-72': ['Kampanien', 'Campania', 'Campanie', 'Kampanien', 'Campania', 'Campania'],
  'IT-75': ['Apulien', 'Apulia', 'Pouilles', 'Apulien', 'Apulia', 'Puglia'],
  'IT-77': ['Basilicata', 'Basilicata', 'Basilicate', 'Basilikata', 'Basilicata', 'Basilicata'],
  'IT-78': ['Kalabrien', 'Calabria', 'Calabre', 'Kalabrien', 'Calabria', 'Calabria'],
  'IT-82': ['Sicilien', 'Sicily', 'Sicile', 'Sizilien', 'Sicilia', 'Sicilia'],
  'IT-88': ['Sardinien', 'Sardinia', 'Sardaigne', 'Sardinien', 'Cerdeña', 'Sardegna'],
};

// Spanish communities by Natural Earth's region name (its codes are HASC-style and Ceuta and
// Melilla share one).
const ES = {
  'Andalucía': ['ES-AN', 'Andalusien', 'Andalusia', 'Andalousie', 'Andalusien', 'Andalucía', 'Andalusia'],
  'Aragón': ['ES-AR', 'Aragonien', 'Aragon', 'Aragon', 'Aragonien', 'Aragón', 'Aragona'],
  'Asturias': ['ES-AS', 'Asturien', 'Asturias', 'Asturies', 'Asturien', 'Asturias', 'Asturie'],
  'Islas Baleares': ['ES-IB', 'Balearerna', 'Balearic Islands', 'Îles Baléares', 'Balearen', 'Islas Baleares', 'Isole Baleari'],
  'Canary Is.': ['ES-CN', 'Kanarieöarna', 'Canary Islands', 'Îles Canaries', 'Kanarische Inseln', 'Canarias', 'Isole Canarie'],
  'Cantabria': ['ES-CB', 'Kantabrien', 'Cantabria', 'Cantabrie', 'Kantabrien', 'Cantabria', 'Cantabria'],
  'Castilla y León': ['ES-CL', 'Kastilien och León', 'Castile and León', 'Castille-et-León', 'Kastilien und León', 'Castilla y León', 'Castiglia e León'],
  'Castilla-La Mancha': ['ES-CM', 'Kastilien-La Mancha', 'Castilla-La Mancha', 'Castille-La Manche', 'Kastilien-La Mancha', 'Castilla-La Mancha', 'Castiglia-La Mancia'],
  'Cataluña': ['ES-CT', 'Katalonien', 'Catalonia', 'Catalogne', 'Katalonien', 'Cataluña', 'Catalogna'],
  'Extremadura': ['ES-EX', 'Extremadura', 'Extremadura', 'Estrémadure', 'Extremadura', 'Extremadura', 'Estremadura'],
  'Galicia': ['ES-GA', 'Galicien', 'Galicia', 'Galice', 'Galicien', 'Galicia', 'Galizia'],
  'La Rioja': ['ES-RI', 'La Rioja', 'La Rioja', 'La Rioja', 'La Rioja', 'La Rioja', 'La Rioja'],
  'Madrid': ['ES-MD', 'Regionen Madrid', 'Community of Madrid', 'Communauté de Madrid', 'Autonome Gemeinschaft Madrid', 'Comunidad de Madrid', 'Comunità di Madrid'],
  'Murcia': ['ES-MC', 'Regionen Murcia', 'Region of Murcia', 'Région de Murcie', 'Region Murcia', 'Región de Murcia', 'Regione di Murcia'],
  'Foral de Navarra': ['ES-NC', 'Navarra', 'Navarre', 'Navarre', 'Navarra', 'Navarra', 'Navarra'],
  'País Vasco': ['ES-PV', 'Baskien', 'Basque Country', 'Pays basque', 'Baskenland', 'País Vasco', 'Paesi Baschi'],
  'Valenciana': ['ES-VC', 'Valencianska regionen', 'Valencian Community', 'Communauté valencienne', 'Valencianische Gemeinschaft', 'Comunidad Valenciana', 'Comunità valenzana'],
  'Ceuta': ['ES-CE', 'Ceuta', 'Ceuta', 'Ceuta', 'Ceuta', 'Ceuta', 'Ceuta'],
  'Melilla': ['ES-ML', 'Melilla', 'Melilla', 'Melilla', 'Melilla', 'Melilla', 'Melilla'],
};

const GB = {
  England: ['GB-ENG', 'England', 'England', 'Angleterre', 'England', 'Inglaterra', 'Inghilterra'],
  Scotland: ['GB-SCT', 'Skottland', 'Scotland', 'Écosse', 'Schottland', 'Escocia', 'Scozia'],
  Wales: ['GB-WLS', 'Wales', 'Wales', 'Pays de Galles', 'Wales', 'Gales', 'Galles'],
  'Northern Ireland': ['GB-NIR', 'Nordirland', 'Northern Ireland', 'Irlande du Nord', 'Nordirland', 'Irlanda del Norte', 'Irlanda del Nord'],
};
const GB_FLAG = { 'GB-ENG': 'gb-eng.bmp', 'GB-SCT': 'gb-sct.bmp', 'GB-WLS': 'gb-wls.bmp', 'GB-NIR': 'gb-nir.bmp' };

// The counties of 2024 from the older ones in the source (boundary changes of single
// municipalities since then are not reflected).
const NO_MERGE = {
  'NO-01': 'NO-31', 'NO-02': 'NO-32', 'NO-03': 'NO-03', 'NO-04': 'NO-34', 'NO-05': 'NO-34', 'NO-06': 'NO-33',
  'NO-07': 'NO-39', 'NO-08': 'NO-40', 'NO-09': 'NO-42', 'NO-10': 'NO-42', 'NO-11': 'NO-11', 'NO-12': 'NO-46',
  'NO-14': 'NO-46', 'NO-15': 'NO-15', 'NO-16': 'NO-50', 'NO-17': 'NO-50', 'NO-18': 'NO-18', 'NO-19': 'NO-55', 'NO-20': 'NO-56',
};
const NO = {
  'NO-31': ['Østfold', 'Østfold', 'Østfold', 'Østfold', 'Østfold', 'Østfold'],
  'NO-32': ['Akershus', 'Akershus', 'Akershus', 'Akershus', 'Akershus', 'Akershus'],
  'NO-03': ['Oslo', 'Oslo', 'Oslo', 'Oslo', 'Oslo', 'Oslo'],
  'NO-34': ['Innlandet', 'Innlandet', 'Innlandet', 'Innlandet', 'Innlandet', 'Innlandet'],
  'NO-33': ['Buskerud', 'Buskerud', 'Buskerud', 'Buskerud', 'Buskerud', 'Buskerud'],
  'NO-39': ['Vestfold', 'Vestfold', 'Vestfold', 'Vestfold', 'Vestfold', 'Vestfold'],
  'NO-40': ['Telemark', 'Telemark', 'Telemark', 'Telemark', 'Telemark', 'Telemark'],
  'NO-42': ['Agder', 'Agder', 'Agder', 'Agder', 'Agder', 'Agder'],
  'NO-11': ['Rogaland', 'Rogaland', 'Rogaland', 'Rogaland', 'Rogaland', 'Rogaland'],
  'NO-46': ['Vestland', 'Vestland', 'Vestland', 'Vestland', 'Vestland', 'Vestland'],
  'NO-15': ['Møre og Romsdal', 'Møre og Romsdal', 'Møre og Romsdal', 'Møre og Romsdal', 'Møre og Romsdal', 'Møre og Romsdal'],
  'NO-50': ['Trøndelag', 'Trøndelag', 'Trøndelag', 'Trøndelag', 'Trøndelag', 'Trøndelag'],
  'NO-18': ['Nordland', 'Nordland', 'Nordland', 'Nordland', 'Nordland', 'Nordland'],
  'NO-55': ['Troms', 'Troms', 'Troms', 'Troms', 'Troms', 'Troms'],
  'NO-56': ['Finnmark', 'Finnmark', 'Finnmark', 'Finnmark', 'Finnmark', 'Finnmark'],
};


// Region names where Natural Earth's are wrong for a map: fragments (Brazil's "Federal"), a
// country's name for one of its regions, a city and a region of one name, English in other
// languages' slots, outdated names. Names: sv, en, fr, de, es, it.
const REGION_NAMES = {
  'AR-B': ['Buenos Aires-provinsen', 'Buenos Aires Province', 'Province de Buenos Aires', 'Provinz Buenos Aires', 'Provincia de Buenos Aires', 'Provincia di Buenos Aires'],
  'AR-C': ['Buenos Aires stad', 'City of Buenos Aires', 'Ville de Buenos Aires', 'Stadt Buenos Aires', 'Ciudad de Buenos Aires', 'Città di Buenos Aires'],
  'BR-DF': ['Federala distriktet', 'Federal District', 'District fédéral', 'Bundesdistrikt', 'Distrito Federal', 'Distretto Federale'],
  'CN-NX': ['Ningxia', 'Ningxia', 'Ningxia', 'Ningxia', 'Ningxia', 'Ningxia'],
  'CN-XZ': ['Tibet', 'Tibet', 'Tibet', 'Tibet', 'Tíbet', 'Tibet'],
  'DE-HB': ['Bremen', 'Bremen', 'Brême', 'Bremen', 'Bremen', 'Brema'],
  'IN-OR': ['Odisha', 'Odisha', 'Odisha', 'Odisha', 'Odisha', 'Odisha'],
  'IN-PY': ['Puducherry', 'Puducherry', 'Pondichéry', 'Puducherry', 'Puducherry', 'Puducherry'],
  'MX-DIF': ['Mexico City', 'Mexico City', 'Mexico', 'Mexiko-Stadt', 'Ciudad de México', 'Città del Messico'],
  'MX-MEX': ['Delstaten Mexiko', 'State of Mexico', 'État de Mexico', 'Bundesstaat México', 'Estado de México', 'Stato del Messico'],
  'MX-QUE': ['Querétaro', 'Querétaro', 'Querétaro', 'Querétaro', 'Querétaro', 'Querétaro'],
  'MX-MIC': ['Michoacán', 'Michoacán', 'Michoacán', 'Michoacán', 'Michoacán', 'Michoacán'],
  'PL-LU': ['Lublins vojvodskap', 'Lublin Voivodeship', 'Voïvodie de Lublin', 'Woiwodschaft Lublin', 'Voivodato de Lublin', 'Voivodato di Lublino'],
  'PL-OP': ['Opole vojvodskap', 'Opole Voivodeship', "Voïvodie d'Opole", 'Woiwodschaft Oppeln', 'Voivodato de Opole', 'Voivodato di Opole'],
  'PL-KP': ['Kujavien-Pommerns vojvodskap', 'Kuyavian-Pomeranian Voivodeship', 'Voïvodie de Couïavie-Poméranie', 'Woiwodschaft Kujawien-Pommern', 'Voivodato de Cuyavia y Pomerania', 'Voivodato della Cuiavia-Pomerania'],
  'SE-M': ['Skåne län', 'Skåne', 'Scanie', 'Skåne län', 'Escania', 'Scania'],
  // Counties named after their seat say what they are in every language, so that the county
  // and the city read apart.
  'SE-AB': ['Stockholms län', 'Stockholm County', 'Comté de Stockholm', 'Stockholms län', 'Provincia de Estocolmo', 'Contea di Stoccolma'],
  'SE-C': ['Uppsala län', 'Uppsala County', "Comté d'Uppsala", 'Uppsala län', 'Provincia de Upsala', 'Contea di Uppsala'],
  'SE-F': ['Jönköpings län', 'Jönköping County', 'Comté de Jönköping', 'Jönköpings län', 'Provincia de Jönköping', 'Contea di Jönköping'],
  'SE-H': ['Kalmar län', 'Kalmar County', 'Comté de Kalmar', 'Kalmar län', 'Provincia de Kalmar', 'Contea di Kalmar'],
  'SE-T': ['Örebro län', 'Örebro County', "Comté d'Örebro", 'Örebro län', 'Provincia de Örebro', 'Contea di Örebro'],
  'US-DC': ['Washington D.C.', 'Washington, D.C.', 'Washington D.C.', 'Washington, D.C.', 'Washington D. C.', 'Washington D.C.'],
  'ZA-FS': ['Fristatsprovinsen', 'Free State', 'État-Libre', 'Freistaat', 'Estado Libre', 'Stato Libero'],
};

// Single names where Natural Earth's are off and its other languages are right: a province's
// name clipped to its adjective, a spelling of another language, a form the language does not use.
const REGION_NAME_FIXES = {
  'BR-MS': { es: 'Mato Grosso del Sur' },
  'BR-RO': { es: 'Rondonia' },
  'IN-PB': { es: 'Punyab' },
  'PL-SK': { sv: 'Świętokrzyskie vojvodskap' },
  'ZA-EC': { es: 'Provincia Oriental del Cabo' },
  'ZA-NC': { fr: 'Cap-du-Nord', es: 'Provincia Septentrional del Cabo' },
  'ZA-WC': { es: 'Provincia Occidental del Cabo' },
};

module.exports = { REGION_NAMES, REGION_NAME_FIXES, FR, FR_CODE, IT, ES, GB, GB_FLAG, NO_MERGE, NO };
