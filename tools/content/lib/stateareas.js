// SPDX-License-Identifier: MIT
// Total areas (land and inland water, km²) of the world's largest states, after Wikipedia's
// "List of countries and dependencies by area" (only the figures are taken). The drawn outlines
// can't rank them: a simplified coast loses or gains tens of thousands of km² (Yemen's outline
// measures 454,000 km² of its 528,000). States follow the border policy: Somalia with
// Somaliland, Ukraine with Crimea, Morocco without Western Sahara; France with its overseas
// regions, which its outline holds.
'use strict';

const STATE_AREAS = {
  RU: 17098246, CA: 9984670, US: 9833517, CN: 9596961, BR: 8515767, AU: 7692024, IN: 3287263,
  AR: 2780400, KZ: 2724900, DZ: 2381741, CD: 2344858, SA: 2149690, MX: 1964375, ID: 1904569,
  SD: 1861484, LY: 1759540, IR: 1648195, MN: 1564110, PE: 1285216, TD: 1284000, NE: 1267000,
  AO: 1246700, ML: 1240192, ZA: 1221037, CO: 1141748, ET: 1104300, BO: 1098581, MR: 1030700,
  EG: 1002450, TZ: 947303, NG: 923768, VE: 916445, NA: 825615, MZ: 801590, PK: 796095,
  TR: 783562, CL: 756102, ZM: 752612, MM: 676578, AF: 652230, SS: 644329, SO: 637657,
  CF: 622984, UA: 603550, MG: 587041, BW: 581730, KE: 580367, FR: 643801, YE: 527968,
  TH: 513120, ES: 505990, TM: 488100, CM: 475442, PG: 462840, SE: 450295, UZ: 447400,
  MA: 446550, IQ: 438317, PY: 406752, ZW: 390757, NO: 385207, JP: 377975, DE: 357114,
  CG: 342000, FI: 338424, VN: 331212, MY: 330803, CI: 322463, PL: 312696, OM: 309500,
  IT: 301340, PH: 300000,
};

module.exports = { STATE_AREAS };
