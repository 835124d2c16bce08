// SPDX-License-Identifier: MIT
// Urban populations. The first city source's `population` is SimpleMaps' estimate of a city's
// urban population where it has one, and the municipal population elsewhere; for some countries
// (China's prefecture-level cities, Turkey's metropolitan provinces, Indian districts, Indonesian
// regencies) it gives the whole administrative unit instead, often many times the town. So every
// figure is checked against GeoNames' own figure for the same place:
//   - within twice GeoNames' figure, or below it: the larger of the two is taken;
//   - more than twice GeoNames' figure: taken only for the urban areas below, reviewed one by one
//     as figures for the built-up area and its suburbs (metropolitan or agglomeration estimates,
//     the kind UN DESA's World Urbanization Prospects gives); anything else takes GeoNames'
//     figure for the town itself.
// Chinese cities are the exception: both sources give many of them the figure of the whole
// municipality or prefecture, and two such figures agree. Their urban figures come from the 2020
// census of China (resident population of the urban area, 城区常住人口, published by the National
// Bureau of Statistics: the figures of the ten largest, and the cities in each size class over
// 3 million), in URBAN_CENSUS below.
'use strict';

const URBAN_AREAS = new Set(`
Tokyo|JP Jakarta|ID Delhi|IN Manila|PH São Paulo|BR Seoul|KR Cairo|EG New York|US Kolkāta|IN Bangkok|TH
Bangalore|IN Ho Chi Minh City|VN Ōsaka|JP Rio de Janeiro|BR Chennai|IN Los Angeles|US Paris|FR Hyderābād|IN
Nagoya|JP Luanda|AO Kuala Lumpur|MY Chicago|US Hanoi|VN Pune|IN Ahmedabad|IN Johannesburg|ZA Dar es Salaam|TZ
Khartoum|SD Chattogram|BD Sūrat|IN Surabaya|ID Douala|CM Miami|US Dallas|US Houston|US Giza|EG Nairobi|KE
Guadalajara|MX Philadelphia|US Toronto|CA Monterrey|MX Belo Horizonte|BR Rangoon|MM Atlanta|US Washington|US
Barcelona|ES Boston|US Phoenix|US Amman|JO Abuja|NG Medan|ID Detroit|US Montréal|CA Seattle|US San Francisco|US
Santa Cruz|BO San Diego|US Athens|GR Taichung|TW Kuwait City|KW Guatemala City|GT Birmingham|GB Bursa|TR La Paz|BO
Minneapolis|US Omdurman|SD Stuttgart|DE Lisbon|PT Manchester|GB Cawnpore|IN Tampa|US Mbuji-Mayi|CD Denver|US
Munich|DE Ouagadougou|BF Colombo|LK Baku|AZ Vancouver|CA Eşfahān|IR Baltimore|US Las Vegas|US St. Louis|US
Portland|US Vishākhapatnam|IN Riverside|US Kananga|CD Ecatepec|MX Orlando|US Sacramento|US San Juan|PR Santos|BR
Tainan|TW Hyderabad City|PK Chinchvad|IN Pittsburgh|US Cincinnati|US Cleveland|US Sangereng|ID Kansas City|US
Zhongli|TW Jamshedpur|IN San José|CR Panama City|PA Virginia Beach|US Nāsik|IN Onitsha|NG Abu Dhabi|AE
Tel Aviv-Yafo|IL Ulaanbaatar|MN Auckland|NZ Santiago|DO Milwaukee|US Porto|PT Helsinki|FI Providence|US Cần Thơ|VN
Doha|QA Hargeysa|SO Dhanbād|IN Bukavu|CD Salt Lake City|US Biên Hòa|VN Nezahualcóyotl|MX Nashville|US
Bujumbura|BI Nur-Sultan|KZ Vereeniging|ZA Raleigh|US Ogbomoso|NG Shymkent|KZ Shubrā al Khaymah|EG Louisville|US
Richmond|US Buffalo|US Cape Town|ZA Al Başrah|IQ Mumbai|IN Istanbul|TR
Guangzhou|CN Foshan|CN Hohhot|CN Guiyang|CN Nanning|CN Wenzhou|CN Changzhou|CN Haikou|CN Baotou|CN Xining|CN
Yinchuan|CN Zhuhai|CN Huizhou|CN Zhongshan|CN Yantai|CN Nantong|CN Wuhu|CN Liuzhou|CN Anshan|CN
`.match(/[^\s|][^|]*?\|[A-Z]{2}(?=\s)/g));

// Entries of the first source that are parts of a larger city (boroughs, wards, districts and
// new-town sections) rather than cities of their own, found where their names match no GeoNames
// city or match a section: they are left out.
const SECTIONS = new Set(['Bronx|US', 'Brooklyn|US', 'Queens|US', 'Manhattan|US', 'Staten Island|US', 'Pudong|CN',
  'Delhi Cantonment|IN', 'Kowloon City|HK', 'Tondo|PH', 'Cocody|CI', 'Yopougon|CI', 'Koumassi|CI', 'Port-Bouët|CI',
  'Attiecoubé|CI', 'Comayagüela|HN', 'Khayelitsha|ZA', 'Mitchells Plain|ZA', 'Katlehong|ZA', 'Soweto|ZA']);

// Places for which both sources give the figure of a district or prefecture many times the town
// (reviewed): no population is taken for them, so they count as large cities in no exercise.
const NO_FIGURE = new Set(['Nanchong|CN', 'Tai’an|CN', 'Nowrangapur|IN', 'Kota Bharu|MY', 'Guankou|CN', 'Shiyan|CN',
  'Yunfu|CN', 'Lijiang|CN', 'Tianshui|CN', 'Zhufeng|CN', 'Jieyang|CN']);

// 2020 census of China, urban area, by city and province: a figure where the census names one,
// else the size class [at least, at most] it puts the city in. A class takes the larger source
// figure within it, else the smaller, else the class bound nearest to them. The census puts no
// other city over 3 million, so every other Chinese city takes at most 3 million.
const URBAN_CENSUS = new Map(Object.entries({
  // over 10 million, and the largest three of 5 to 10 million
  'Shanghai|Shanghai': 19873000, 'Beijing|Beijing': 17750000, 'Shenzhen|Guangdong': 17440000,
  'Chongqing|Chongqing': 16340000, 'Guangzhou|Guangdong': 14880000, 'Chengdu|Sichuan': 13340000,
  'Tianjin|Tianjin': 10930000, 'Wuhan|Hubei': 9953000, 'Dongguan|Guangdong': 9560000, 'Xi’an|Shaanxi': 9280000,
  // 5 to 10 million
  'Hangzhou|Zhejiang': [5e6, 1e7], 'Foshan|Guangdong': [5e6, 1e7], 'Nanjing|Jiangsu': [5e6, 1e7],
  'Shenyang|Liaoning': [5e6, 1e7], 'Qingdao|Shandong': [5e6, 1e7], 'Jinan|Shandong': [5e6, 1e7],
  'Changsha|Hunan': [5e6, 1e7], 'Harbin|Heilongjiang': [5e6, 1e7], 'Zhengzhou|Henan': [5e6, 1e7],
  'Kunming|Yunnan': [5e6, 1e7], 'Dalian|Liaoning': [5e6, 1e7],
  // 3 to 5 million
  'Nanning|Guangxi': [3e6, 5e6], 'Shijiazhuang|Hebei': [3e6, 5e6], 'Xiamen|Fujian': [3e6, 5e6],
  'Taiyuan|Shanxi': [3e6, 5e6], 'Suzhou|Jiangsu': [3e6, 5e6], 'Guiyang|Guizhou': [3e6, 5e6],
  'Hefei|Anhui': [3e6, 5e6], 'Ürümqi|Xinjiang': [3e6, 5e6], 'Ningbo|Zhejiang': [3e6, 5e6],
  'Wuxi|Jiangsu': [3e6, 5e6], 'Fuzhou|Fujian': [3e6, 5e6], 'Changchun|Jilin': [3e6, 5e6],
  'Nanchang|Jiangxi': [3e6, 5e6], 'Changzhou|Jiangsu': [3e6, 5e6],
}));
const CENSUS_OTHERS_AT_MOST = 3e6;

// The census figure of a Chinese city of the first source, given the figure the sources give
// it and their two figures, and whether the census names the city.
function censusFigure(city, province, taken, figures) {
  const entry = URBAN_CENSUS.get(`${city}|${province}`);
  if (typeof entry === 'number') return { pop: entry, named: true };
  if (!entry) return { pop: Math.min(taken, CENSUS_OTHERS_AT_MOST), named: false };
  const [lo, hi] = entry;
  const inside = figures.filter(f => f >= lo && f <= hi);
  const pop = inside.length ? Math.max(...inside) : figures.some(f => f > hi) ? hi : lo;
  return { pop, named: true };
}

// Countries where a source's figure is often that of a whole municipality, prefecture, province
// or district: a city of theirs that an exercise selects by its size must rest on a reviewed
// figure (a city URBAN_CENSUS names, or one of URBAN_AREAS).
const MUNICIPAL_FIGURES = new Set(['CN', 'TR', 'IN', 'ID']);

module.exports = { URBAN_AREAS, SECTIONS, NO_FIGURE, URBAN_CENSUS, censusFigure, MUNICIPAL_FIGURES };
