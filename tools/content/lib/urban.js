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
Richmond|US Buffalo|US Cape Town|ZA Al Başrah|IQ
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

module.exports = { URBAN_AREAS, SECTIONS, NO_FIGURE };
