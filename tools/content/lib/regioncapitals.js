// SPDX-License-Identifier: MIT
// The capital (seat of government) of every first-level region of the countries with region
// exercises, by the region's ISO 3166-2 code as the region files use it. A region whose law
// shares the capital between two towns names both. Names are those of the city sources, in
// their current form (Bengaluru, Mbombela, Sri Vijaya Puram).
'use strict';

const T = s => s.trim().split(/\s*;\s*/).map(e => e.split('=')).filter(e => e.length === 2);

const REGION_CAPITALS = {};
for (const [code, city] of T(`
US-AL=Montgomery; US-AK=Juneau; US-AZ=Phoenix; US-AR=Little Rock; US-CA=Sacramento; US-CO=Denver; US-CT=Hartford;
US-DE=Dover; US-FL=Tallahassee; US-GA=Atlanta; US-HI=Honolulu; US-ID=Boise; US-IL=Springfield; US-IN=Indianapolis;
US-IA=Des Moines; US-KS=Topeka; US-KY=Frankfort; US-LA=Baton Rouge; US-ME=Augusta; US-MD=Annapolis; US-MA=Boston;
US-MI=Lansing; US-MN=St. Paul; US-MS=Jackson; US-MO=Jefferson City; US-MT=Helena; US-NE=Lincoln; US-NV=Carson City;
US-NH=Concord; US-NJ=Trenton; US-NM=Santa Fe; US-NY=Albany; US-NC=Raleigh; US-ND=Bismarck; US-OH=Columbus;
US-OK=Oklahoma City; US-OR=Salem; US-PA=Harrisburg; US-RI=Providence; US-SC=Columbia; US-SD=Pierre; US-TN=Nashville;
US-TX=Austin; US-UT=Salt Lake City; US-VT=Montpelier; US-VA=Richmond; US-WA=Olympia; US-WV=Charleston; US-WI=Madison;
US-WY=Cheyenne; US-DC=Washington;
CA-AB=Edmonton; CA-BC=Victoria; CA-MB=Winnipeg; CA-NB=Fredericton; CA-NL=St. John's; CA-NS=Halifax;
CA-NT=Yellowknife; CA-NU=Iqaluit; CA-ON=Toronto; CA-PE=Charlottetown; CA-QC=Quebec City; CA-SK=Regina; CA-YT=Whitehorse;
MX-AGU=Aguascalientes; MX-BCN=Mexicali; MX-BCS=La Paz; MX-CAM=Campeche; MX-CHH=Chihuahua; MX-CHP=Tuxtla;
MX-COA=Saltillo; MX-COL=Colima; MX-DIF=Mexico City; MX-DUR=Durango; MX-GRO=Chilpancingo; MX-GUA=Guanajuato;
MX-HID=Pachuca; MX-JAL=Guadalajara; MX-MEX=Toluca; MX-MIC=Morelia; MX-MOR=Cuernavaca; MX-NAY=Tepic; MX-NLE=Monterrey;
MX-OAX=Oaxaca; MX-PUE=Puebla; MX-QUE=Querétaro; MX-ROO=Chetumal; MX-SIN=Culiacán; MX-SLP=San Luis Potosí;
MX-SON=Hermosillo; MX-TAB=Villahermosa; MX-TAM=Ciudad Victoria; MX-TLA=Tlaxcala; MX-VER=Xalapa; MX-YUC=Mérida;
MX-ZAC=Zacatecas;
DE-BB=Potsdam; DE-BE=Berlin; DE-BW=Stuttgart; DE-BY=Munich; DE-HB=Bremen; DE-HE=Wiesbaden; DE-HH=Hamburg;
DE-MV=Schwerin; DE-NI=Hannover; DE-NW=Düsseldorf; DE-RP=Mainz; DE-SH=Kiel; DE-SL=Saarbrücken; DE-SN=Dresden;
DE-ST=Magdeburg; DE-TH=Erfurt;
SE-AB=Stockholm; SE-AC=Umeå; SE-BD=Luleå; SE-C=Uppsala; SE-D=Nyköping; SE-E=Linköping; SE-F=Jönköping; SE-G=Växjö;
SE-H=Kalmar; SE-I=Visby; SE-K=Karlskrona; SE-M=Malmö; SE-N=Halmstad; SE-O=Gothenburg; SE-S=Karlstad; SE-T=Örebro;
SE-U=Västerås; SE-W=Falun; SE-X=Gävle; SE-Y=Härnösand; SE-Z=Östersund;
FR-20R=Ajaccio; FR-ARA=Lyon; FR-BFC=Dijon; FR-BRE=Rennes; FR-CVL=Orléans; FR-GES=Strasbourg; FR-HDF=Lille;
FR-IDF=Paris; FR-NAQ=Bordeaux; FR-NOR=Rouen; FR-OCC=Toulouse; FR-PAC=Marseille; FR-PDL=Nantes;
IT-21=Turin; IT-23=Aosta; IT-25=Milan; IT-32=Trento; IT-34=Venice; IT-36=Trieste; IT-42=Genoa; IT-45=Bologna;
IT-52=Florence; IT-55=Perugia; IT-57=Ancona; IT-62=Rome; IT-65=L’Aquila; IT-67=Campobasso; IT-72=Naples; IT-75=Bari;
IT-77=Potenza; IT-78=Catanzaro; IT-82=Palermo; IT-88=Cagliari;
ES-AN=Sevilla; ES-AR=Zaragoza; ES-AS=Oviedo; ES-CB=Santander; ES-CE=Ceuta; ES-CL=Valladolid; ES-CM=Toledo;
ES-CN=Santa Cruz; ES-CN=Las Palmas; ES-CT=Barcelona; ES-EX=Mérida; ES-GA=Santiago de Compostela; ES-IB=Palma;
ES-MC=Murcia; ES-MD=Madrid; ES-ML=Melilla; ES-NC=Pamplona; ES-PV=Vitoria-Gasteiz; ES-RI=Logroño; ES-VC=Valencia;
PL-DS=Wrocław; PL-KP=Bydgoszcz; PL-KP=Toruń; PL-LB=Gorzów Wielkopolski; PL-LB=Zielona Góra; PL-LD=Łódź;
PL-LU=Lublin; PL-MA=Kraków; PL-MZ=Warsaw; PL-OP=Opole; PL-PD=Białystok; PL-PK=Rzeszów; PL-PM=Gdańsk; PL-SK=Kielce;
PL-SL=Katowice; PL-WN=Olsztyn; PL-WP=Poznań; PL-ZP=Szczecin;
NO-03=Oslo; NO-11=Stavanger; NO-15=Molde; NO-18=Bodø; NO-31=Sarpsborg; NO-33=Drammen; NO-34=Hamar; NO-39=Tønsberg;
NO-40=Skien; NO-42=Kristiansand; NO-46=Bergen; NO-50=Steinkjer; NO-55=Tromsø; NO-56=Vadsø;
GB-ENG=London; GB-NIR=Belfast; GB-SCT=Edinburgh; GB-WLS=Cardiff;
AU-ACT=Canberra; AU-NSW=Sydney; AU-NT=Darwin; AU-QLD=Brisbane; AU-SA=Adelaide; AU-TAS=Hobart; AU-VIC=Melbourne;
AU-WA=Perth;
BR-AC=Rio Branco; BR-AL=Maceió; BR-AM=Manaus; BR-AP=Macapá; BR-BA=Salvador; BR-CE=Fortaleza; BR-DF=Brasília;
BR-ES=Vitória; BR-GO=Goiânia; BR-MA=São Luís; BR-MG=Belo Horizonte; BR-MS=Campo Grande; BR-MT=Cuiabá; BR-PA=Belém;
BR-PB=João Pessoa; BR-PE=Recife; BR-PI=Teresina; BR-PR=Curitiba; BR-RJ=Rio de Janeiro; BR-RN=Natal;
BR-RO=Porto Velho; BR-RR=Boa Vista; BR-RS=Porto Alegre; BR-SC=Florianópolis; BR-SE=Aracaju; BR-SP=São Paulo;
BR-TO=Palmas;
IN-AN=Port Blair; IN-AP=Amarāvati; IN-AR=Itānagar; IN-AS=Dispur; IN-BR=Patna; IN-CH=Chandīgarh; IN-CT=Raipur;
IN-DL=New Delhi; IN-GA=Panaji; IN-GJ=Ghāndīnagar; IN-HP=Shimla; IN-JH=Rānchi; IN-JK=Srīnagar;
IN-JK=Jammu; IN-KA=Bangalore; IN-KL=Thiruvananthapuram; IN-LA=Leh; IN-LD=Kavaratti; IN-MH=Mumbai; IN-ML=Shillong;
IN-MN=Imphāl; IN-MP=Bhopāl; IN-MZ=Āīzawl; IN-NL=Kohīma; IN-OR=Bhubaneshwar; IN-PY=Puducherry; IN-RJ=Jaipur;
IN-SK=Gangtok; IN-TG=Hyderābād; IN-TN=Chennai; IN-TR=Agartala; IN-UP=Lucknow; IN-UT=Dehra Dūn; IN-WB=Kolkāta;
CN-AH=Hefei; CN-BJ=Beijing; CN-CQ=Chongqing; CN-FJ=Fuzhou; CN-GD=Guangzhou; CN-GS=Lanzhou; CN-GX=Nanning;
CN-GZ=Guiyang; CN-HA=Zhengzhou; CN-HB=Wuhan; CN-HE=Shijiazhuang; CN-HI=Haikou; CN-HL=Harbin; CN-HN=Changsha;
CN-JL=Changchun; CN-JS=Nanjing; CN-JX=Nanchang; CN-LN=Shenyang; CN-NM=Hohhot; CN-NX=Yinchuan; CN-QH=Xining;
CN-SC=Chengdu; CN-SD=Jinan; CN-SH=Shanghai; CN-SN=Xi’an; CN-SX=Taiyuan; CN-TJ=Tianjin; CN-XJ=Ürümqi; CN-XZ=Lhasa;
CN-YN=Kunming; CN-ZJ=Hangzhou;
AR-A=Salta; AR-B=La Plata; AR-C=Buenos Aires; AR-D=San Luis; AR-E=Paraná; AR-F=La Rioja; AR-G=Santiago del Estero;
AR-H=Resistencia; AR-J=San Juan; AR-K=Catamarca; AR-L=Santa Rosa; AR-M=Mendoza; AR-N=Posadas; AR-P=Formosa;
AR-Q=Neuquén; AR-R=Viedma; AR-S=Santa Fe; AR-T=San Miguel de Tucumán; AR-U=Rawson; AR-V=Ushuaia; AR-W=Corrientes;
AR-X=Córdoba; AR-Y=San Salvador de Jujuy; AR-Z=Río Gallegos;
ZA-EC=Bhisho; ZA-FS=Bloemfontein; ZA-GT=Johannesburg; ZA-LP=Polokwane; ZA-MP=Nelspruit; ZA-NC=Kimberley;
ZA-NL=Pietermaritzburg; ZA-NW=Mahikeng; ZA-WC=Cape Town;
JP-01=Sapporo; JP-02=Aomori; JP-03=Morioka; JP-04=Sendai; JP-05=Akita; JP-06=Yamagata; JP-07=Fukushima; JP-08=Mito;
JP-09=Utsunomiya; JP-10=Maebashi; JP-11=Saitama; JP-12=Chiba; JP-13=Tokyo; JP-14=Yokohama; JP-15=Niigata;
JP-16=Toyama; JP-17=Kanazawa; JP-18=Fukui; JP-19=Kōfu; JP-20=Nagano; JP-21=Gifu; JP-22=Shizuoka; JP-23=Nagoya;
JP-24=Tsu; JP-25=Ōtsu; JP-26=Kyōto; JP-27=Ōsaka; JP-28=Kōbe; JP-29=Nara; JP-30=Wakayama; JP-31=Tottori;
JP-32=Matsue; JP-33=Okayama; JP-34=Hiroshima; JP-35=Yamaguchi; JP-36=Tokushima; JP-37=Takamatsu; JP-38=Matsuyama;
JP-39=Kōchi; JP-40=Fukuoka; JP-41=Saga; JP-42=Nagasaki; JP-43=Kumamoto; JP-44=Ōita; JP-45=Miyazaki;
JP-46=Kagoshima; JP-47=Naha
`)) (REGION_CAPITALS[code] = REGION_CAPITALS[code] || []).push(city);

// Regions whose seat lies outside their outline: Akershus is governed from Oslo, Haryana and Punjab
// from Chandigarh (a union territory of its own); the region file draws only the Dadra and Nagar
// Haveli part of its territory, not Daman, its seat. These regions have no capital place of their own.
const SEAT_OUTSIDE = { 'NO-32': 'Oslo', 'IN-HR': 'Chandigarh', 'IN-PB': 'Chandigarh', 'IN-DH': 'Daman' };

module.exports = { REGION_CAPITALS, SEAT_OUTSIDE };
