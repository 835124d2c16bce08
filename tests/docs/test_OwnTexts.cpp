// SPDX-License-Identifier: MIT
// The program's own texts: there in every language, and naming keys and the
// help window as the help pages of that language do.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "app/OwnTexts.h"

namespace {

const QString HelpDir = QStringLiteral(GLOMIRA_HELP_DIR);
const char* const Codes[] = {"sv", "en", "fr", "de", "es", "it"};

QString Page(int language, const char* name) {
    QFile file(HelpDir + '/' + Codes[language - 1] + '/' + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QString Plain(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

TEST(OwnTexts, EveryTextIsThereInEveryLanguageAndTranslated) {
    for (int n = 0; n < int(TOwnText::Count); ++n) {
        const TOwnText text = TOwnText(n);
        SCOPED_TRACE(n);
        const QString english = OwnText(text, 2);
        EXPECT_FALSE(english.isEmpty());
        for (int language = 1; language <= 6; ++language) {
            SCOPED_TRACE(Codes[language - 1]);
            const QString own = OwnText(text, language);
            EXPECT_FALSE(own.trimmed().isEmpty());
            // Words some languages share with English are the only texts that may match it.
            const QStringList shared = {"Name", "5. Name",     "Land",
                                        "Date", "Capital: %1", "Signature"};
            if (language != 2 && !shared.contains(english)) {
                EXPECT_NE(own, english);
            }
            // A placeholder the English text has, every translation has.
            for (const char* hole : {"%1", "%2", "%3"})
                EXPECT_EQ(own.contains(hole), english.contains(hole)) << hole;
        }
        EXPECT_EQ(OwnText(text, 0), english);
        EXPECT_EQ(OwnText(text, 7), english);
    }
    for (int language = 1; language <= 6; ++language)
        EXPECT_TRUE(OwnText(TOwnText::HelpMissingText, language).contains("%1")) << language;
}

TEST(OwnTexts, KeysAndTheHelpWindowAreNamedAsTheHelpPagesNameThem) {
    for (int language = 1; language <= 6; ++language) {
        SCOPED_TRACE(Codes[language - 1]);
        // The key of the home button, as the map screen's page names it.
        const QString mapPage = Page(language, "mapscreen.html");
        ASSERT_FALSE(mapPage.isEmpty());
        const QRegularExpressionMatch key =
            QRegularExpression("&#8962;</b>[^<]*<kbd>([^<]+)</kbd>").match(mapPage);
        ASSERT_TRUE(key.hasMatch());
        EXPECT_TRUE(OwnText(TOwnText::HomeTip, language).contains("(" + key.captured(1) + ")"))
            << OwnText(TOwnText::HomeTip, language).toStdString() << " vs "
            << key.captured(1).toStdString();
        // The window and its contents button, as the contents page's title has them.
        const QRegularExpressionMatch title =
            QRegularExpression("<title>([^<]+)</title>").match(Page(language, "index.html"));
        ASSERT_TRUE(title.hasMatch());
        const QString expected = OwnText(TOwnText::HelpTitle, language) + ": " +
                                 OwnText(TOwnText::HelpContents, language);
        EXPECT_EQ(Plain(title.captured(1)).replace(QChar(0xA0), ' ').replace(" :", ":"), expected);
    }
}

// The palette switch's caption: in every language, and quoted word for word
// where the main menu's help page tells the player to tick it.
TEST(OwnTexts, ThePaletteSwitchIsCaptionedInEveryLanguageAsItsHelpQuotesIt) {
    const QString english = OwnText(TOwnText::ColourBlindSwitch, 2);
    for (int language = 1; language <= 6; ++language) {
        SCOPED_TRACE(Codes[language - 1]);
        const QString own = OwnText(TOwnText::ColourBlindSwitch, language);
        EXPECT_FALSE(own.trimmed().isEmpty());
        if (language != 2) {
            EXPECT_NE(own, english);
        }
        const QString page = Plain(Page(language, "mainmenu.html")).replace(QChar(0xA0), ' ');
        EXPECT_TRUE(page.contains(own)) << own.toStdString();
    }
}

// The main menu's learning buttons and the review's practice button: quoted
// word for word in the main menu's help page of each language.
TEST(OwnTexts, TheLearningButtonsAreQuotedInTheMainMenusHelp) {
    for (int language = 1; language <= 6; ++language) {
        SCOPED_TRACE(Codes[language - 1]);
        const QString page = Plain(Page(language, "mainmenu.html")).replace(QChar(0xA0), ' ');
        for (TOwnText text :
             {TOwnText::MenuPractise, TOwnText::MenuExplore, TOwnText::MenuProgress,
              TOwnText::PractiseThese, TOwnText::TeacherMenu, TOwnText::NewExercise,
              TOwnText::EditExercise, TOwnText::DeleteExercise, TOwnText::ExportExercises,
              TOwnText::ImportExercises, TOwnText::PickOnMap, TOwnText::WorksheetMenu}) {
            const QString caption = OwnText(text, language);
            const bool quoted = page.contains(QString::fromUtf8("\u201D") + caption) ||
                                page.contains(QString::fromUtf8("\u201C") + caption) ||
                                page.contains(QString::fromUtf8("\u201E") + caption) ||
                                page.contains(QString::fromUtf8("\u00AB") + caption) ||
                                page.contains(QString::fromUtf8("\u00AB ") + caption);
            EXPECT_TRUE(quoted) << caption.toStdString();
        }
    }
}

}  // namespace
