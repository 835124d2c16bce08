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
  'Attiecoubé|CI', 'Comayagüela|HN', 'Khayelitsha|ZA', 'Mitchells Plain|ZA', 'Katlehong|ZA', 'Soweto|ZA',
  // London's, Ankara's and Istanbul's boroughs and districts, Hong Kong's Kowloon
  'Islington|GB', 'Çankaya|TR', 'Bağcılar|TR', 'Esenler|TR', 'Şişli|TR', 'Sultanbeyli|TR', 'Kowloon|HK',
  // towns of Delhi's territory, wards of Greater Hyderabad and Greater Chennai, Johannesburg's
  // and Caracas' suburbs within their metropolitan municipality
  'Najafgarh|IN', 'Narela|IN', 'Kūkatpalli|IN', 'Ambattūr|IN', 'Randburg|ZA', 'Roodepoort|ZA', 'Petare|VE',
  // a former city merged into Auckland's
  'Manukau City|NZ',
  // districts of Tianjin, Zhangjiakou and Kaifeng
  'Hangu|CN', 'Zhangjiakou Shi Xuanhua Qu|CN', 'Kaifeng Chengguanzhen|CN']);

// Entries of the first source named after a district or township of a city, for the city itself
// (China's prefecture-level cities under the name of their central district): the city's name,
// at the GeoNames place of that name within 30 km where there is one. Keyed by name and country,
// with the province where a name occurs twice.
const DISTRICT_OF = new Map(Object.entries({
  'Tongshan|CN': 'Xuzhou', 'Dadukou|CN': 'Panzhihua', 'Xinpu|CN': 'Lianyungang', 'Huanglongsi|CN': 'Kaifeng',
  'Guli|CN': 'Yongkang', 'Longzhou|CN|Hubei': 'Jingzhou', 'Xiping|CN|Shanxi': 'Datong', 'Xiaoxita|CN': 'Yichang',
  'Nangandao|CN': 'Xinxiang', 'Dayan|CN': 'Lijiang', 'Puyang Chengguanzhen|CN': 'Puyang',
  'Linxia Chengguanzhen|CN': 'Linxia', 'Wusong|CN': 'Tongling', 'Shengli|CN|Shandong': 'Dongying',
  'Lianshan|CN': 'Huludao', 'Qingyang|CN|Fujian': 'Jinjiang', 'Baojishi|CN': 'Baoji', 'Jiangguanchi|CN': 'Xuchang',
  'Xiaoganzhan|CN': 'Xiaogan', 'Xushan|CN': 'Cixi', 'Taihecun|CN': 'Qitaihe', 'Kuaidamao|CN': 'Tonghua', 'Jiaojiangcun|CN': 'Taizhou',
  'Taoyuan District|TW': 'Taoyuan', 'Nishinomiya-hama|JP': 'Nishinomiya',
}));
const districtOf = c => DISTRICT_OF.get(`${c.city}|${c.iso2}|${c.admin_name}`) || DISTRICT_OF.get(`${c.city}|${c.iso2}`);

// Places for which both sources give the figure of a district or prefecture many times the town
// (reviewed): no population is taken for them, so they count as large cities in no exercise.
// Lijiang, Bei'an and Kaiyuan: their figure is the whole prefecture's or county's; the town itself
// has fewer than 300,000.
const NO_FIGURE = new Set(['Nanchong|CN', 'Nowrangapur|IN', 'Kota Bharu|MY', 'Guankou|CN', 'Shiyan|CN',
  'Yunfu|CN', 'Lijiang|CN', 'Tianshui|CN', 'Zhufeng|CN', 'Jieyang|CN', 'Beian|CN', 'Kaiyuan|CN']);

// 2020 census of China, urban area, by city and province: a figure where the census names one,
// else the size class [at least, at most] it puts the city in. A class takes the larger source
// figure within it, else its upper bound where both lie above it, else the class's middle, the
// geometric mean of its bounds. The census puts 105 cities over a million, the reviewed ones
// here; every other Chinese city takes at most a million.
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
  // 1 to 3 million (the census's smaller large cities; the ones reviewed here)
  ...Object.fromEntries(`
Tangshan|Hebei Baoding|Hebei Handan|Hebei Zhangjiakou|Hebei Qinhuangdao|Hebei Datong|Shanxi
Baotou|Inner Mongolia Hohhot|Inner Mongolia Anshan|Liaoning Fushun|Liaoning Jilin|Jilin Daqing|Heilongjiang
Qiqihar|Heilongjiang Xuzhou|Jiangsu Nantong|Jiangsu Yangzhou|Jiangsu Yancheng|Jiangsu Huai’an|Jiangsu
Taizhou|Jiangsu Zhenjiang|Jiangsu Lianyungang|Jiangsu Kunshan|Jiangsu Wenzhou|Zhejiang Shaoxing|Zhejiang
Taizhou|Zhejiang Jiaxing|Zhejiang Jinhua|Zhejiang Yiwu|Zhejiang Cixi|Zhejiang Wuhu|Anhui Huainan|Anhui
Bengbu|Anhui Fuyang|Anhui Quanzhou|Fujian Jinjiang|Fujian Ganzhou|Jiangxi Yantai|Shandong Linyi|Shandong
Weifang|Shandong Zibo|Shandong Jining|Shandong Tai’an|Shandong Weihai|Shandong Luoyang|Henan Nanyang|Henan
Xinxiang|Henan Shangqiu|Henan Kaifeng|Henan Anyang|Henan Xiangyang|Hubei Yichang|Hubei Zhuzhou|Hunan
Hengyang|Hunan Shantou|Guangdong Huizhou|Guangdong Zhuhai|Guangdong Zhongshan|Guangdong Jiangmen|Guangdong
Zhanjiang|Guangdong Liuzhou|Guangxi Guilin|Guangxi Haikou|Hainan Mianyang|Sichuan Zunyi|Guizhou
Xianyang|Shaanxi Lanzhou|Gansu Xining|Qinghai Yinchuan|Ningxia
`.match(/[^\s|][^|]*?\|[A-Z][a-z]+(?: Mongolia)?/g).map(k => [k, [1e6, 3e6]])),
  // 300,000 to a million, where both sources give only the prefecture's figure or the old town's
  'Kashgar|Xinjiang': [3e5, 1e6],
}));
const CENSUS_OTHERS_AT_MOST = 1e6;

// The census figure of a Chinese city of the first source, given the figure the sources give
// it and their two figures, and whether the census names the city.
function censusFigure(city, province, taken, figures) {
  const entry = URBAN_CENSUS.get(`${city}|${province}`);
  if (typeof entry === 'number') return { pop: entry, named: true };
  if (!entry) return { pop: Math.min(taken, CENSUS_OTHERS_AT_MOST), named: false };
  const [lo, hi] = entry;
  const inside = figures.filter(f => f >= lo && f <= hi);
  // Figures below the class or on both sides of it (a prefecture's and an old town's): the
  // class's middle, so that the city ranks in its class.
  const middle = Math.round(Math.sqrt(lo * hi) / 1000) * 1000;
  const pop = inside.length ? Math.max(...inside) : figures.length && figures.every(f => f > hi) ? hi : middle;
  return { pop, named: true };
}

// Countries where a source's figure is often that of a whole municipality, prefecture, province
// or district: a city of theirs that an exercise selects by its size must rest on a reviewed
// figure (a city URBAN_CENSUS names, or one of URBAN_AREAS).
const MUNICIPAL_FIGURES = new Set(['CN', 'TR', 'IN', 'ID']);

module.exports = { URBAN_AREAS, SECTIONS, DISTRICT_OF, districtOf, NO_FIGURE, URBAN_CENSUS, censusFigure, MUNICIPAL_FIGURES };
