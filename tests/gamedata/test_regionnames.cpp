// SPDX-License-Identifier: MIT
// Checks the names of the delivered maps in all six languages: a player must be able to tell
// every area of a map by its name, and a region's name must be a proper name in its language.

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>
#include <map>
#include <memory>
#include <set>

#include "data/Areor.h"

namespace {

const QString Dir = QStringLiteral(GLOMIRA_GAMEDATA_DIR);
const char* MapFiles[] = {"AREA1.crp", "AREA2.crp", "AREA3.crp", "AREA4.crp", "AREA5.crp"};
const char* Languages[] = {"", "sv", "en", "fr", "de", "es", "it"};

std::unique_ptr<CAreor> LoadAreas(const char* name) {
    auto areas = std::make_unique<CAreor>();
    areas->Load(Dir + "/" + name);
    return areas;
}

// English words that give away an untranslated name (or a leftover prefix of the source) in the
// slot of another language. Swedish and German keep the English names of Australia's and North
// America's states; French, Spanish and Italian translate them.
const QRegularExpression TellTaleEverywhere(
    QStringLiteral("\\b(Free|Hanseatic|Voivodeship|Prefecture|Islands|Préfecture|Präfektur|"
                   "Prefettura|Prefectura)\\b"));
const QRegularExpression TellTaleGermanic(QStringLiteral("\\b(Province)\\b"));
const QRegularExpression TellTaleRomance(
    QStringLiteral("\\b(North|South|East|West|Northern|Southern|Eastern|Western|Lower|Upper|"
                   "Greater|Lesser|State|Territory|Territories|City|County)\\b"));
// A region's name clipped to the adjective of its full name ("Oriental del Cabo" for the
// Eastern Cape province) is no name in French, Spanish or Italian.
const QRegularExpression ClippedRomance(
    QStringLiteral("^(Oriental|Occidental|Septentrional|Meridional|Orientale|Occidentale|"
                   "Settentrionale) (del?|della)\\b"));

}  // namespace

class NamedMap : public testing::TestWithParam<const char*> {};

TEST_P(NamedMap, NoTwoAreasShareANameInOneLanguage) {
    auto areas = LoadAreas(GetParam());
    for (int lang = 1; lang <= 6; ++lang) {
        std::map<QString, QString> codeOf;
        for (int i = 0; i < areas->Count(); ++i) {
            const CArea& a = areas->Area(i);
            auto [it, fresh] = codeOf.emplace(a.Names[lang], a.Code);
            EXPECT_TRUE(fresh || it->second == a.Code)
                << GetParam() << ": " << Languages[lang] << " \"" << a.Names[lang].toStdString()
                << "\" names both " << it->second.toStdString() << " and " << a.Code.toStdString();
        }
    }
}

TEST_P(NamedMap, NamesBeginWithACapitalAndCarryNoEnglishInOtherLanguages) {
    auto areas = LoadAreas(GetParam());
    for (int i = 0; i < areas->Count(); ++i) {
        const CArea& a = areas->Area(i);
        for (int lang = 1; lang <= 6; ++lang) {
            const QString& n = a.Names[lang];
            ASSERT_FALSE(n.isEmpty()) << a.Code.toStdString();
            EXPECT_FALSE(n[0].isLower()) << GetParam() << ": " << a.Code.toStdString() << " "
                                         << Languages[lang] << " \"" << n.toStdString() << "\"";
            if (lang == 2 || a.AltCode1.isEmpty()) continue;  // regions only: CLDR names countries
            EXPECT_FALSE(TellTaleEverywhere.match(n).hasMatch())
                << GetParam() << ": " << a.Code.toStdString() << " " << Languages[lang] << " \""
                << n.toStdString() << "\"";
            const bool romance = lang == 3 || lang >= 5;
            EXPECT_FALSE((romance ? TellTaleRomance : TellTaleGermanic).match(n).hasMatch())
                << GetParam() << ": " << a.Code.toStdString() << " " << Languages[lang] << " \""
                << n.toStdString() << "\"";
            EXPECT_FALSE(romance && ClippedRomance.match(n).hasMatch())
                << GetParam() << ": " << a.Code.toStdString() << " " << Languages[lang] << " \""
                << n.toStdString() << "\"";
        }
    }
}

// A region named like its country reads as the country; the one region that is called so
// officially has its qualifier ("State of Mexico") and so never equals the country's name.
TEST_P(NamedMap, NoRegionIsNamedLikeItsCountry) {
    auto areas = LoadAreas(GetParam());
    auto world = LoadAreas("AREA1.crp");
    int regions = 0;
    for (int i = 0; i < areas->Count(); ++i) {
        const CArea& a = areas->Area(i);
        if (a.AltCode1.isEmpty()) continue;
        const CArea* country = world->FindByCode(a.AltCode1);
        ASSERT_NE(country, nullptr) << a.AltCode1.toStdString();
        ++regions;
        for (int lang = 1; lang <= 6; ++lang)
            EXPECT_NE(a.Names[lang], country->Names[lang])
                << GetParam() << ": " << a.Code.toStdString() << " " << Languages[lang] << " \""
                << a.Names[lang].toStdString() << "\"";
    }
    const QString file = QString::fromLatin1(GetParam());
    if (file == "AREA3.crp" || file == "AREA4.crp" || file == "AREA5.crp") {
        EXPECT_GT(regions, 50) << GetParam();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Delivered, NamedMap, testing::ValuesIn(MapFiles),
    [](const testing::TestParamInfo<const char*>& info) {
        return QString::fromLatin1(info.param).section('.', 0, 0).toStdString();
    });
