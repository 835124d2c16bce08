// SPDX-License-Identifier: MIT
// The exercise catalogue: which exercises exist, their names in six languages, maps, views,
// colours and items. Numbers are fixed: they key the high-score lists.
'use strict';

const rgb = (r, g, b) => r | (g << 8) | (b << 16);
const STYLE = {
  // Seas close to the navy the map gives lakes, so all water reads alike.
  area: { land: rgb(206, 196, 170), area: rgb(122, 176, 92), sea: rgb(26, 58, 150), border: 1 },
  place: { land: rgb(228, 220, 196), area: rgb(228, 220, 196), sea: rgb(26, 58, 150), border: 1 },
};

// Views whose sea fill points the world data was checked against.
const V = {
  world: [85, -60, 0], europe: [72, 34, 15], africa: [38, -36, 18], asia: [60, -12, 95], northAmerica: [75, 5, -100],
  southAmerica: [14, -57, -60], oceania: [16, -50, 160], middleEast: [43, 10, 45], caribbean: [30, 8, -75],
  westernEurope: [60, 35, 0], centralEurope: [56, 44, 15], balkans: [48, 35, 22], scandinavia: [72, 54, 15],
  // The lower 48 with Alaska and Hawaii drawn beside them, lower left (datagen lib/insets.js).
  usa: [50, 21.5, -98], fit: [0, 0, 0],
};

const L = s => s.split('|');
const CONT = {
  EUR: { n: L('Europa|Europe|Europe|Europa|Europa|Europa'), g: L('Europas|of Europe|d\'Europe|Europas|de Europa|d\'Europa') },
  NOR: { n: L('Nordamerika|North America|Amérique du Nord|Nordamerika|América del Norte|America del Nord'), g: L('Nordamerikas|of North America|d\'Amérique du Nord|Nordamerikas|de América del Norte|dell\'America del Nord') },
  SYD: { n: L('Sydamerika|South America|Amérique du Sud|Südamerika|América del Sur|America del Sud'), g: L('Sydamerikas|of South America|d\'Amérique du Sud|Südamerikas|de América del Sur|dell\'America del Sud') },
  ASI: { n: L('Asien|Asia|Asie|Asien|Asia|Asia'), g: L('Asiens|of Asia|d\'Asie|Asiens|de Asia|dell\'Asia') },
  AFR: { n: L('Afrika|Africa|Afrique|Afrika|África|Africa'), g: L('Afrikas|of Africa|d\'Afrique|Afrikas|de África|dell\'Africa') },
  AUS: { n: L('Oceanien|Oceania|Océanie|Ozeanien|Oceanía|Oceania'), g: L('Oceaniens|of Oceania|d\'Océanie|Ozeaniens|de Oceanía|dell\'Oceania') },
};
const T = {
  countries: c => [`${c.g[0]} länder`, `Countries ${c.g[1]}`, `Pays ${c.g[2]}`, `Länder ${c.g[3]}`, `Países ${c.g[4]}`, `Paesi ${c.g[5]}`],
  capitals: c => [`${c.g[0]} huvudstäder`, `Capitals ${c.g[1]}`, `Capitales ${c.g[2]}`, `Hauptstädte ${c.g[3]}`, `Capitales ${c.g[4]}`, `Capitali ${c.g[5]}`],
  cities: c => [`${c.g[0]} huvudstäder och storstäder`, `Capitals and large cities ${c.g[1]}`, `Capitales et grandes villes ${c.g[2]}`, `Haupt- und Großstädte ${c.g[3]}`, `Capitales y grandes ciudades ${c.g[4]}`, `Capitali e grandi città ${c.g[5]}`],
  flags: (c, k) => [`${c.g[0]} flaggor ${k}`, `Flags ${c.g[1]} ${k}`, `Drapeaux ${c.g[2]} ${k}`, `Flaggen ${c.g[3]} ${k}`, `Banderas ${c.g[4]} ${k}`, `Bandiere ${c.g[5]} ${k}`],
  flagsOne: c => [`${c.g[0]} flaggor`, `Flags ${c.g[1]}`, `Drapeaux ${c.g[2]}`, `Flaggen ${c.g[3]}`, `Banderas ${c.g[4]}`, `Bandiere ${c.g[5]}`],
  multiCapitals: c => [`Huvudstäder och länder i ${c.n[0]}`, `Capitals and countries ${c.g[1]}`, `Capitales et pays ${c.g[2]}`, `Hauptstädte und Länder ${c.g[3]}`, `Capitales y países ${c.g[4]}`, `Capitali e paesi ${c.g[5]}`],
  multiCities: c => [`Städer och länder i ${c.n[0]}`, `Cities and countries ${c.g[1]}`, `Villes et pays ${c.g[2]}`, `Städte und Länder ${c.g[3]}`, `Ciudades y países ${c.g[4]}`, `Città e paesi ${c.g[5]}`],
};

// Region sets: country, map, names of the regions, of their capitals, of "cities and regions".
const REGIONS = {
  DE: { map: 4, cont: 'EUR', areas: L('Tysklands förbundsländer|States of Germany|Länder d\'Allemagne|Bundesländer Deutschlands|Estados federados de Alemania|Stati federati della Germania'),
    capitals: L('Tysklands delstatshuvudstäder|State capitals of Germany|Capitales des Länder allemands|Landeshauptstädte Deutschlands|Capitales de los estados alemanes|Capoluoghi dei Länder tedeschi'),
    multi: L('Tyska städer och förbundsländer|German cities and states|Villes et Länder d\'Allemagne|Deutsche Städte und Bundesländer|Ciudades y estados de Alemania|Città e Länder della Germania') },
  SE: { map: 4, cont: 'EUR', areas: L('Sveriges län|Counties of Sweden|Comtés de Suède|Provinzen Schwedens|Provincias de Suecia|Contee della Svezia'),
    capitals: L('Sveriges residensstäder|County seats of Sweden|Chefs-lieux des comtés suédois|Provinzhauptstädte Schwedens|Capitales de provincia de Suecia|Capoluoghi delle contee svedesi') },
  FR: { map: 4, cont: 'EUR', areas: L('Frankrikes regioner|Regions of France|Régions de France|Regionen Frankreichs|Regiones de Francia|Regioni della Francia'),
    capitals: L('Frankrikes regionhuvudstäder|Regional capitals of France|Chefs-lieux des régions françaises|Regionshauptstädte Frankreichs|Capitales regionales de Francia|Capoluoghi delle regioni francesi'),
    multi: L('Franska städer och regioner|French cities and regions|Villes et régions de France|Französische Städte und Regionen|Ciudades y regiones de Francia|Città e regioni della Francia') },
  IT: { map: 4, cont: 'EUR', areas: L('Italiens regioner|Regions of Italy|Régions d\'Italie|Regionen Italiens|Regiones de Italia|Regioni d\'Italia'),
    capitals: L('Italiens regionhuvudstäder|Regional capitals of Italy|Chefs-lieux des régions italiennes|Regionshauptstädte Italiens|Capitales regionales de Italia|Capoluoghi di regione d\'Italia'),
    multi: L('Italienska städer och regioner|Italian cities and regions|Villes et régions d\'Italie|Italienische Städte und Regionen|Ciudades y regiones de Italia|Città e regioni d\'Italia') },
  ES: { notNamed: ['ES-CE', 'ES-ML'], map: 4, cont: 'EUR', areas: L('Spaniens regioner|Autonomous communities of Spain|Communautés autonomes d\'Espagne|Autonome Gemeinschaften Spaniens|Comunidades autónomas de España|Comunità autonome della Spagna'),
    capitals: L('Spaniens regionhuvudstäder|Regional capitals of Spain|Capitales des communautés espagnoles|Regionshauptstädte Spaniens|Capitales autonómicas de España|Capoluoghi delle comunità spagnole'),
    multi: L('Spanska städer och regioner|Spanish cities and regions|Villes et communautés d\'Espagne|Spanische Städte und Regionen|Ciudades y comunidades de España|Città e comunità della Spagna') },
  PL: { map: 4, cont: 'EUR', areas: L('Polens vojvodskap|Voivodeships of Poland|Voïvodies de Pologne|Woiwodschaften Polens|Voivodatos de Polonia|Voivodati della Polonia'),
    capitals: L('Polens vojvodskapshuvudstäder|Voivodeship capitals of Poland|Chefs-lieux des voïvodies polonaises|Woiwodschaftshauptstädte Polens|Capitales de voivodato de Polonia|Capoluoghi dei voivodati polacchi') },
  NO: { map: 4, cont: 'EUR', areas: L('Norges fylken|Counties of Norway|Comtés de Norvège|Provinzen Norwegens|Provincias de Noruega|Contee della Norvegia'),
    capitals: L('Norges fylkesstäder|County seats of Norway|Chefs-lieux des comtés norvégiens|Verwaltungssitze der Provinzen Norwegens|Capitales de provincia de Noruega|Capoluoghi delle contee norvegesi') },
  GB: { map: 4, cont: 'EUR', areas: L('Storbritanniens riksdelar|Countries of the United Kingdom|Nations du Royaume-Uni|Landesteile des Vereinigten Königreichs|Naciones del Reino Unido|Nazioni del Regno Unito'),
    capitals: L('Huvudstäder i Storbritanniens riksdelar|Capitals of the countries of the United Kingdom|Capitales des nations du Royaume-Uni|Hauptstädte der Landesteile des Vereinigten Königreichs|Capitales de las naciones del Reino Unido|Capitali delle nazioni del Regno Unito') },
  US: { notNamed: ['US-DC'], map: 3, cont: 'NOR', view: 'usa', placeFile: 3, areas: L('USA:s delstater|States of the USA|États des États-Unis|Bundesstaaten der USA|Estados de EE. UU.|Stati degli USA'),
    capitals: L('USA:s delstatshuvudstäder|State capitals of the USA|Capitales des États américains|Hauptstädte der US-Bundesstaaten|Capitales de los estados de EE. UU.|Capitali degli stati USA'),
    multi: L('USA:s delstater och huvudstäder|US states and their capitals|États américains et leurs capitales|US-Bundesstaaten und ihre Hauptstädte|Estados de EE. UU. y sus capitales|Stati USA e le loro capitali') },
  CA: { map: 3, cont: 'NOR', areas: L('Kanadas provinser och territorier|Provinces and territories of Canada|Provinces et territoires du Canada|Provinzen und Territorien Kanadas|Provincias y territorios de Canadá|Province e territori del Canada'),
    capitals: L('Kanadas provinshuvudstäder|Provincial capitals of Canada|Capitales provinciales du Canada|Provinzhauptstädte Kanadas|Capitales provinciales de Canadá|Capitali provinciali del Canada'),
    multi: L('Kanadas provinser och huvudstäder|Canada\'s provinces and capitals|Provinces du Canada et leurs capitales|Kanadas Provinzen und Hauptstädte|Provincias de Canadá y sus capitales|Province del Canada e capitali') },
  MX: { map: 3, cont: 'NOR', areas: L('Mexikos delstater|States of Mexico|États du Mexique|Bundesstaaten Mexikos|Estados de México|Stati del Messico'),
    capitals: L('Mexikos delstatshuvudstäder|State capitals of Mexico|Capitales des États du Mexique|Hauptstädte der Bundesstaaten Mexikos|Capitales de los estados de México|Capitali degli stati del Messico') },
  BR: { map: 5, cont: 'SYD', areas: L('Brasiliens delstater|States of Brazil|États du Brésil|Bundesstaaten Brasiliens|Estados de Brasil|Stati del Brasile'),
    capitals: L('Brasiliens delstatshuvudstäder|State capitals of Brazil|Capitales des États du Brésil|Hauptstädte der Bundesstaaten Brasiliens|Capitales de los estados de Brasil|Capitali degli stati del Brasile'),
    multi: L('Brasiliens delstater och huvudstäder|Brazil\'s states and capitals|États du Brésil et leurs capitales|Brasiliens Bundesstaaten und Hauptstädte|Estados de Brasil y sus capitales|Stati del Brasile e capitali') },
  AR: { notNamed: ['AR-C'], map: 5, cont: 'SYD', areas: L('Argentinas provinser|Provinces of Argentina|Provinces d\'Argentine|Provinzen Argentiniens|Provincias de Argentina|Province dell\'Argentina'),
    capitals: L('Argentinas provinshuvudstäder|Provincial capitals of Argentina|Capitales provinciales d\'Argentine|Provinzhauptstädte Argentiniens|Capitales provinciales de Argentina|Capoluoghi delle province argentine') },
  CN: { map: 5, cont: 'ASI', areas: L('Kinas provinser|Provinces of China|Provinces de Chine|Provinzen Chinas|Provincias de China|Province della Cina'),
    capitals: L('Kinas provinshuvudstäder|Provincial capitals of China|Capitales provinciales de Chine|Provinzhauptstädte Chinas|Capitales provinciales de China|Capoluoghi delle province cinesi'),
    multi: L('Kinas provinser och städer|China\'s provinces and cities|Provinces et villes de Chine|Chinas Provinzen und Städte|Provincias y ciudades de China|Province e città della Cina') },
  IN: { map: 5, cont: 'ASI', areas: L('Indiens delstater|States and territories of India|États et territoires de l\'Inde|Bundesstaaten und Territorien Indiens|Estados y territorios de la India|Stati e territori dell\'India'),
    capitals: L('Indiens delstatshuvudstäder|Capitals of India\'s states and territories|Capitales des États et territoires de l\'Inde|Hauptstädte der Bundesstaaten und Territorien Indiens|Capitales de los estados y territorios de la India|Capitali degli stati e territori dell\'India') },
  JP: { map: 5, cont: 'ASI', areas: L('Japans prefekturer|Prefectures of Japan|Préfectures du Japon|Präfekturen Japans|Prefecturas de Japón|Prefetture del Giappone'),
    capitals: L('Japans prefekturhuvudstäder|Prefectural capitals of Japan|Chefs-lieux des préfectures du Japon|Präfekturhauptstädte Japans|Capitales de prefectura de Japón|Capoluoghi delle prefetture giapponesi') },
  ZA: { map: 5, cont: 'AFR', areas: L('Sydafrikas provinser|Provinces of South Africa|Provinces d\'Afrique du Sud|Provinzen Südafrikas|Provincias de Sudáfrica|Province del Sudafrica'),
    capitals: L('Sydafrikas provinshuvudstäder|Provincial capitals of South Africa|Capitales provinciales d\'Afrique du Sud|Provinzhauptstädte Südafrikas|Capitales provinciales de Sudáfrica|Capoluoghi delle province sudafricane') },
  AU: { map: 5, cont: 'AUS', areas: L('Australiens delstater och territorier|States and territories of Australia|États et territoires d\'Australie|Bundesstaaten und Territorien Australiens|Estados y territorios de Australia|Stati e territori dell\'Australia'),
    capitals: L('Australiens delstatshuvudstäder|State capitals of Australia|Capitales des États australiens|Hauptstädte der Bundesstaaten Australiens|Capitales de los estados de Australia|Capitali degli stati australiani'),
    multi: L('Australiens delstater och städer|Australia\'s states and cities|États et villes d\'Australie|Australiens Bundesstaaten und Städte|Estados y ciudades de Australia|Stati e città dell\'Australia') },
};

// Items an exercise leaves out on purpose, with the reason; the builder refuses to leave out
// anything else that can't be asked.
const OMIT = {
  // Two capitals a few pixels apart can't be told apart on a continent's map.
  6: { VA: 'Vatican City lies within Rome' },
  59: { 'AR-W': 'Corrientes faces Resistencia across the Paraná', 'AR-E': 'Paraná faces Santa Fe across the Paraná' },
  63: { 'JP-25': 'Ōtsu lies next to Kyoto' },
  64: { PS: 'Ramallah lies next to Jerusalem' },
  65: { PS: 'Ramallah lies next to Jerusalem' },
  72: { CG: 'Brazzaville faces Kinshasa across the Congo' },
  73: { CG: 'Brazzaville faces Kinshasa across the Congo' },
  // A multiple-choice question whose place and area hold each other's name answers itself.
  12: { AD: 'Andorra la Vella', LU: 'Luxembourg', MC: 'Monaco', SM: 'San Marino', VA: 'Vatican City' },
  27: { 'DE-BE': 'Berlin', 'DE-HB': 'Bremen', 'DE-HH': 'Hamburg', 'DE-BY': 'Italian Monaco di Baviera, Munich' },
  29: { 'IT-23': 'Aosta in the Aosta Valley' },
  30: { 'ES-CE': 'Ceuta', 'ES-ML': 'Melilla', 'ES-MC': 'Murcia in the Region of Murcia', 'ES-MD': 'Madrid in the Community of Madrid' },
  36: { 'US-DC': 'Washington, D.C.', 'US-OK': 'Oklahoma City' },
  45: { GT: 'Guatemala City', MX: 'Mexico City', PA: 'Panama City', SV: 'San Salvador in French Salvador' },
  54: { CL: 'Santiago de Chile' },
  69: { KW: 'Kuwait City', SG: 'Singapore' },
  78: { CD: 'Kinshasa in Swedish Kongo-Kinshasa', CG: 'Brazzaville in Swedish Kongo-Brazzaville', DJ: 'Djibouti', GW: 'Bissau in Guinea-Bissau', ST: 'São Tomé in São Tomé and Príncipe', TN: 'Spanish Túnez' },
  89: { CD: 'Kinshasa in Swedish Kongo-Kinshasa', MX: 'Mexico City' },
  90: { CD: 'Kinshasa in Swedish Kongo-Kinshasa', MX: 'Mexico City' },
};

// Definitions; `items` is a function of the resolver (see build), so lists follow the data.
function definitions(R) {
  const D = [];
  const add = (no, kind, cont, names, o) => D.push({ no, kind, cont, names, ...o });
  const areaEx = (no, cont, names, map, view, items) => add(no, 'AREA', cont, names, { map, view, items, style: 'area', rank: 0 });
  const placeEx = (no, cont, names, map, view, items, rank, f1, f2, placeFile = 1) => add(no, 'ORT', cont, names, { map, view, items, style: 'place', rank, f1, f2, placeFile });
  const flagEx = (no, cont, names, items) => add(no, 'FLAGG', cont, names, { map: 1, view: 'fit', items, style: 'area', rank: 0 });
  const multiEx = (no, cont, names, map, items, rank, f1, f2, placeFile = 1) => add(no, 'MULTI', cont, names, { map, view: 'fit', items, style: 'area', rank, f1, f2, placeFile });
  const regionSet = (cc, nos) => {
    const r = REGIONS[cc];
    const regions = () => R.regions(r.map, cc);
    // What the area exercise's title names: Washington, D.C., Buenos Aires City, Ceuta and
    // Melilla are no state, province or community.
    const named = () => regions().filter(k => !(r.notNamed || []).includes(k));
    if (nos.area) areaEx(nos.area, r.cont, r.areas, r.map, r.view || 'fit', named);
    if (nos.capitals) placeEx(nos.capitals, r.cont, r.capitals, r.map, r.view || 'fit', regions, 10, false, true, r.placeFile || 1);
    if (nos.multi) multiEx(nos.multi, r.cont, r.multi, r.map, regions, nos.multiRank || 10, false, !!nos.multiFlag2);
  };
  // Sets of at most 16 flags (what the flag screen shows), largest countries first.
  const flagSets = (numbers, cont) => {
    const sets = R.flagSets(cont, numbers.length);
    sets.forEach((items, i) => flagEx(numbers[i], cont, numbers.length > 1 ? T.flags(CONT[cont], i + 1) : T.flagsOne(CONT[cont]), () => items));
  };

  // Europe
  areaEx(1, 'EUR', T.countries(CONT.EUR), 2, 'europe', () => R.states('EUR'));
  // Western Europe in its wide, everyday sense: the British Isles, the states from Portugal to
  // Germany and Austria, Italy and Denmark, and every microstate among them.
  areaEx(2, 'EUR', L('Västeuropa|Western Europe|Europe de l\'Ouest|Westeuropa|Europa occidental|Europa occidentale'), 2, 'westernEurope',
    () => ['PT', 'ES', 'AD', 'FR', 'MC', 'BE', 'NL', 'LU', 'GB', 'IE', 'CH', 'IT', 'SM', 'VA', 'DE', 'AT', 'DK', 'LI']);
  // Central Europe as it is commonly drawn: Germany, Poland, Czechia, Slovakia, Austria,
  // Switzerland, Liechtenstein, Hungary and Slovenia.
  areaEx(3, 'EUR', L('Centraleuropa|Central Europe|Europe centrale|Mitteleuropa|Europa central|Europa centrale'), 2, 'centralEurope',
    () => ['DE', 'PL', 'CZ', 'SK', 'AT', 'CH', 'LI', 'HU', 'SI']);
  // The Balkans: the states of the Balkan Peninsula as commonly listed (Slovenia, Croatia,
  // Bosnia and Herzegovina, Serbia, Montenegro, Kosovo, North Macedonia, Albania, Greece, Bulgaria
  // and Romania); Turkey, whose Balkan part is a sliver of it, is not among them.
  areaEx(4, 'EUR', L('Balkan|The Balkans|Les Balkans|Der Balkan|Los Balcanes|I Balcani'), 2, 'balkans',
    () => ['SI', 'HR', 'BA', 'RS', 'ME', 'XK', 'MK', 'AL', 'GR', 'BG', 'RO']);
  // The Nordic countries (Denmark, Finland, Iceland, Norway, Sweden) and the Baltic states; the
  // view is fitted so that Iceland is on it.
  areaEx(5, 'EUR', L('Norden och Baltikum|The Nordic and Baltic countries|Pays nordiques et baltes|Nordische und baltische Länder|Países nórdicos y bálticos|Paesi nordici e baltici'), 2, 'fit',
    () => ['NO', 'SE', 'FI', 'DK', 'IS', 'EE', 'LV', 'LT']);
  placeEx(6, 'EUR', T.capitals(CONT.EUR), 2, 'europe', () => R.states('EUR'), 1, true, false);
  placeEx(7, 'EUR', T.cities(CONT.EUR), 2, 'europe', () => ['EUR'], 3, false, false);
  flagSets([9, 10, 11], 'EUR');
  multiEx(12, 'EUR', T.multiCapitals(CONT.EUR), 1, () => R.states('EUR'), 1, true, false);
  regionSet('DE', { area: 14, capitals: 22, multi: 27 });
  regionSet('SE', { area: 15, capitals: 23 });
  regionSet('FR', { area: 16, capitals: 24, multi: 28 });
  regionSet('IT', { area: 17, capitals: 25, multi: 29 });
  regionSet('ES', { area: 18, capitals: 26, multi: 30 });
  regionSet('PL', { area: 19, capitals: 8 });
  regionSet('NO', { area: 20, capitals: 13 });
  regionSet('GB', { area: 21, capitals: 39 });

  // North America
  areaEx(32, 'NOR', T.countries(CONT.NOR), 1, 'northAmerica', () => R.states('NOR'));
  areaEx(33, 'NOR', L('Centralamerika och Karibien|Central America and the Caribbean|Amérique centrale et Caraïbes|Mittelamerika und Karibik|Centroamérica y el Caribe|America centrale e Caraibi'), 1, 'caribbean',
    () => R.states('NOR').filter(c => !['US', 'CA'].includes(c)));
  regionSet('US', { area: 34, capitals: 35, multi: 36, multiFlag2: true });
  regionSet('CA', { area: 37, capitals: 38 });
  regionSet('MX', { area: 40, capitals: 49 });
  placeEx(41, 'NOR', T.capitals(CONT.NOR), 1, 'northAmerica', () => R.states('NOR'), 1, true, false);
  placeEx(42, 'NOR', T.cities(CONT.NOR), 1, 'northAmerica', () => R.states('NOR'), 3, false, false);
  flagSets([43, 44], 'NOR');
  multiEx(45, 'NOR', T.multiCapitals(CONT.NOR), 1, () => R.states('NOR'), 1, true, false);

  // South America (states only: the Falklands are a dependent territory)
  areaEx(46, 'SYD', T.countries(CONT.SYD), 1, 'southAmerica', () => R.states('SYD'));
  regionSet('BR', { area: 47, capitals: 48 });
  regionSet('AR', { area: 50, capitals: 59 });
  placeEx(51, 'SYD', T.capitals(CONT.SYD), 1, 'southAmerica', () => R.states('SYD'), 1, true, false);
  placeEx(52, 'SYD', T.cities(CONT.SYD), 1, 'southAmerica', () => R.states('SYD'), 3, false, false);
  flagSets([53], 'SYD');
  multiEx(54, 'SYD', T.multiCities(CONT.SYD), 1, () => R.states('SYD'), 3, false, false);

  // Asia
  areaEx(55, 'ASI', T.countries(CONT.ASI), 1, 'asia', () => R.states('ASI'));
  // The Middle East as commonly defined: the states of Western Asia from Turkey and Iran to the
  // Arabian Peninsula, with Cyprus and Egypt; the South Caucasus is not part of it.
  areaEx(56, 'ASI', L('Mellanöstern|The Middle East|Le Moyen-Orient|Der Nahe Osten|Oriente Medio|Il Medio Oriente'), 1, 'middleEast',
    () => ['TR', 'CY', 'SY', 'LB', 'IL', 'PS', 'JO', 'IQ', 'IR', 'SA', 'KW', 'BH', 'QA', 'AE', 'OM', 'YE', 'EG']);
  regionSet('CN', { area: 57, capitals: 58 });
  regionSet('IN', { area: 60, capitals: 61 });
  regionSet('JP', { area: 62, capitals: 63 });
  placeEx(64, 'ASI', T.capitals(CONT.ASI), 1, 'asia', () => R.states('ASI'), 1, true, false);
  placeEx(65, 'ASI', T.cities(CONT.ASI), 1, 'asia', () => R.states('ASI'), 2, false, false);
  flagSets([66, 67, 68, 31], 'ASI');
  multiEx(69, 'ASI', T.multiCapitals(CONT.ASI), 1, () => R.states('ASI'), 1, true, false);

  // Africa: its states, and Western Sahara, a non-self-governing territory that maps of Africa
  // show and name as an area of its own.
  areaEx(70, 'AFR', T.countries(CONT.AFR), 1, 'africa', () => R.states('AFR').concat(['EH']));
  regionSet('ZA', { area: 71, capitals: 82 });
  placeEx(72, 'AFR', T.capitals(CONT.AFR), 1, 'africa', () => R.states('AFR'), 1, true, false);
  placeEx(73, 'AFR', T.cities(CONT.AFR), 1, 'africa', () => R.states('AFR'), 3, false, false);
  flagSets([74, 75, 76, 77], 'AFR');
  multiEx(78, 'AFR', T.multiCapitals(CONT.AFR), 1, () => R.states('AFR'), 1, true, false);

  // Oceania (states only: New Caledonia is a French territory)
  areaEx(79, 'AUS', T.countries(CONT.AUS), 1, 'oceania', () => R.states('AUS'));
  regionSet('AU', { area: 80, capitals: 81 });
  placeEx(83, 'AUS', T.cities(CONT.AUS), 1, 'oceania', () => R.states('AUS'), 4, false, false);
  flagSets([84], 'AUS');
  multiEx(85, 'AUS', T.multiCapitals(CONT.AUS), 1, () => R.states('AUS'), 1, true, false);

  // The whole world
  areaEx(86, '*', L('Världens största länder|The world\'s largest countries|Les plus grands pays du monde|Die größten Länder der Welt|Los países más grandes del mundo|I paesi più grandi del mondo'), 1, 'world', () => R.largestStates(50));
  // The urban areas of over ten million people (Ort2.crp), in every part of the world.
  placeEx(87, '*', L('Världens största städer|The world\'s largest cities|Les plus grandes villes du monde|Die größten Städte der Welt|Las ciudades más grandes del mundo|Le città più grandi del mondo'), 1, 'world', () => ['EUR', 'NOR', 'SYD', 'ASI', 'AFR', 'AUS'], 2, false, false, 2);
  flagEx(88, '*', L('Flaggor från hela världen|Flags from around the world|Drapeaux du monde entier|Flaggen aus aller Welt|Banderas de todo el mundo|Bandiere di tutto il mondo'), () => R.largestStates(16));
  // The capitals of the 50 most populous states, which the title names.
  multiEx(89, '*', L('De folkrikaste ländernas huvudstäder|Capitals of the most populous countries|Capitales des pays les plus peuplés|Hauptstädte der bevölkerungsreichsten Länder|Capitales de los países más poblados|Capitali dei paesi più popolosi'), 1, () => R.populousStates(50), 1, true, false);
  multiEx(90, '*', L('Världens storstäder|Large cities of the world|Grandes villes du monde|Großstädte der Welt|Grandes ciudades del mundo|Grandi città del mondo'), 1, () => R.urbanCountries(2), 2, false, false, 2);
  for (const d of D) if (OMIT[d.no]) d.omit = OMIT[d.no];
  return D;
}

module.exports = { definitions, STYLE, V, rgb };
