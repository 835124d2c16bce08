// SPDX-License-Identifier: MIT
// The delivered help pages: every language has the English pages and names
// its language, links lead to pages that exist, buttons are called by the
// captions the windows really show, and each language keeps its typography
// and the interface's form of address.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "app/About.h"
#include "app/GenerellUi.h"
#include "app/Hmeny.h"
#include "app/Lang.h"
#include "app/ShellTest.h"
#include "scores/Tioitopp.h"
#include "scores/Topp.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

const QString HelpDir = QStringLiteral(GLOMIRA_HELP_DIR);
const QString LanguageFile = QStringLiteral(GLOMIRA_GAMEDATA_DIR "/lang.crp");
// Folder names in the order of the language table.
const QStringList Languages = {"sv", "en", "fr", "de", "es", "it"};

QStringList PageNames(const QString& language) {
    return QDir(HelpDir + '/' + language).entryList({"*.html"}, QDir::Files, QDir::Name);
}

QString ReadPage(const QString& language, const QString& name) {
    QFile file(HelpDir + '/' + language + '/' + name);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString html = utf8(file.readAll());
    return utf8.hasError() ? QString() : html;
}

QStringList Captures(const QString& text, const QString& pattern) {
    QStringList found;
    const QRegularExpression re(pattern, QRegularExpression::DotMatchesEverythingOption);
    for (const auto& match : re.globalMatch(text)) found << match.captured(1);
    return found;
}

// What a reader sees of a piece of HTML, entities decoded, no-break spaces kept.
QString Visible(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toRawText().trimmed();
}

QSet<QString> BoldTexts(const QString& html) {
    QSet<QString> texts;
    for (const QString& bold : Captures(html, "<b>(.*?)</b>")) texts << Visible(bold);
    return texts;
}

// The prose of a page, title included; captions are the caption test's
// business, so a button called "?" does not count as a question mark.
QString Prose(const QString& html) {
    QString text = html;
    text.replace(QRegularExpression("<b>.*?</b>", QRegularExpression::DotMatchesEverythingOption),
                 "<b>X</b>");
    return Visible(Captures(text, "<title>(.*?)</title>").value(0)) + "\n" +
           Visible(Captures(text, "<body>(.*)</body>").value(0));
}

// Some words either side of a place in a text, for a failure message.
QString Excerpt(const QString& text, qsizetype at) {
    return text.mid(std::max<qsizetype>(0, at - 25), 50);
}

QStringList Links(const QString& html) {
    return Captures(html, "href=\"([^\"]*)\"");
}

TEST(HelpPagesTest, EveryLanguageHasTheEnglishPagesAndNamesItsLanguage) {
    const QStringList english = PageNames("en");
    for (const char* page : {"index.html", "about.html", "mainmenu.html", "mapscreen.html",
                             "multiplechoice.html", "flagscreen.html", "flagcredits.html"})
        EXPECT_TRUE(english.contains(page)) << page;
    for (const QString& language : Languages) {
        EXPECT_EQ(PageNames(language), english) << language.toStdString();
        for (const QString& name : PageNames(language)) {
            const std::string where = (language + '/' + name).toStdString();
            const QString html = ReadPage(language, name);
            ASSERT_FALSE(html.isEmpty()) << where << ": unreadable or not UTF-8";
            EXPECT_EQ(Captures(html, "<html lang=\"([^\"]*)\">"), QStringList{language}) << where;
            EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << where;
            EXPECT_FALSE(Visible(Captures(html, "<title>(.*?)</title>").value(0)).isEmpty())
                << where;
            EXPECT_EQ(Captures(html, "<h1>(.*?)</h1>").size(), 1) << where;
            // A translation says what the English page says: no paragraph,
            // heading or list item more or less.
            const QString english = ReadPage("en", name);
            for (const char* tag : {"<p>", "<h2>", "<li>", "<kbd>"})
                EXPECT_EQ(html.count(tag), english.count(tag)) << where << " " << tag;
        }
    }
}

TEST(HelpPagesTest, LinksLeadToPagesOfTheSameLanguageAndReachEveryPage) {
    for (const QString& language : Languages) {
        const QStringList pages = PageNames(language);
        for (const QString& name : pages) {
            const std::string where = (language + '/' + name).toStdString();
            const QString html = ReadPage(language, name);
            const QStringList links = Links(html);
            for (const QString& link : links) {
                if (link.startsWith("https://")) continue;  // opens in the browser
                const QString file = link.section('#', 0, 0);
                const QString anchor = link.section('#', 1);
                EXPECT_TRUE(pages.contains(file)) << where << " links to " << link.toStdString();
                if (!anchor.isEmpty() && pages.contains(file)) {
                    EXPECT_TRUE(ReadPage(language, file).contains("id=\"" + anchor + "\""))
                        << where << " links to " << link.toStdString();
                }
            }
            if (name != "index.html") {
                EXPECT_TRUE(links.contains("index.html")) << where << " has no way back";
            }
            // The languages differ in words, not in how the pages hang together.
            EXPECT_EQ(links, Links(ReadPage("en", name))) << where;
        }
        // The flag screen's credit line sends the player to its help page.
        EXPECT_TRUE(Links(ReadPage(language, "flagscreen.html")).contains("flagcredits.html"))
            << language.toStdString();

        QSet<QString> reached{"index.html"};
        QStringList next{"index.html"};
        while (!next.isEmpty())
            for (const QString& link : Links(ReadPage(language, next.takeFirst())))
                if (pages.contains(link) && !reached.contains(link)) {
                    reached << link;
                    next << link;
                }
        EXPECT_EQ(reached.size(), pages.size()) << language.toStdString();
    }
}

// The real windows, captioned in each language from the delivered texts.
class HelpCaptionsTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        LoadLanguageTable(LanguageFile);
        menu = std::make_unique<TfrmHuvudmeny>();
        SoundsOn = MusicOn = false;  // the menu switched them on
        map = std::make_unique<TfrmOvningKarta>();
        flags = std::make_unique<TfrmOvningFlagga>();
        multi = std::make_unique<TfrmOvningMulti>();
        about = std::make_unique<TfrmAbout>();
        welcome = std::make_unique<TfrmLang>();
        topTen = std::make_unique<TfrmTioitopp>();
        best = std::make_unique<TfrmTopplista>();
        described = {
            {"mainmenu.html", {menu.get()}},    {"mapscreen.html", {map.get()}},
            {"flagscreen.html", {flags.get()}}, {"multiplechoice.html", {multi.get()}},
            {"about.html", {about.get()}},      {"index.html", {topTen.get(), best.get()}},
        };
    }
    void TearDown() override {
        best.reset();
        topTen.reset();
        welcome.reset();
        about.reset();
        multi.reset();
        flags.reset();
        map.reset();
        menu.reset();
        ShellTest::TearDown();
    }

    std::vector<QWidget*> Windows() const {
        return {menu.get(),  map.get(),     flags.get(),  multi.get(),
                about.get(), welcome.get(), topTen.get(), best.get()};
    }
    static QStringList ButtonTexts(const QWidget* window) {
        QStringList texts;
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            if (!button->text().isEmpty()) texts << button->text();
        return texts;
    }

    std::unique_ptr<TfrmHuvudmeny> menu;
    std::unique_ptr<TfrmOvningKarta> map;
    std::unique_ptr<TfrmOvningFlagga> flags;
    std::unique_ptr<TfrmOvningMulti> multi;
    std::unique_ptr<TfrmAbout> about;
    std::unique_ptr<TfrmLang> welcome;
    std::unique_ptr<TfrmTioitopp> topTen;
    std::unique_ptr<TfrmTopplista> best;
    std::map<QString, std::vector<QWidget*>> described;  // page -> the windows it is about
};

TEST_F(HelpCaptionsTest, PagesCallTheButtonsByTheCaptionsTheWindowsShow) {
    for (int language = 1; language <= LanguageCount; ++language) {
        CurrentLanguage = language;
        const QString folder = Languages[language - 1];
        QSet<QString> interfaceWords;
        for (int n = 1; n <= LanguageStringCount; ++n) interfaceWords << LanguageTable[language][n];
        for (QWidget* window : Windows()) {
            TranslateCaptions(window);
            interfaceWords << window->windowTitle();
            for (const QString& text : ButtonTexts(window)) interfaceWords << text;
        }

        for (const QString& name : PageNames(folder)) {
            const std::string where = (folder + '/' + name).toStdString();
            const QSet<QString> bold = BoldTexts(ReadPage(folder, name));
            for (const QString& word : bold)
                EXPECT_TRUE(interfaceWords.contains(word))
                    << where << ": <b>" << word.toStdString() << "</b> is no caption of the "
                    << "interface in this language";
            for (QWidget* window : described[name])
                for (const QString& caption : ButtonTexts(window))
                    EXPECT_TRUE(bold.contains(caption))
                        << where << " does not name the button " << caption.toStdString();
        }
    }
}

// Words of the other form of address, by language: the help speaks to the
// player as the interface does ("du" in Swedish and German, "tú" in Spanish,
// "tu" in Italian, "vous" in French).
struct AddressRule {
    QString language;
    // Words that speak with the other form wherever they stand.
    QString otherForm;
    bool anyCase;
    // Capitalised pronouns that are the polite form only inside a sentence.
    QStringList politeInsideSentence;
};

const std::vector<AddressRule>& AddressRules() {
    static const std::vector<AddressRule> rules = {
        {"sv", "Ni|Er|Ert|Era", false, {}},
        {"fr", "tu|te|toi|ton|ta|tes|t['’]\\w+", true, {}},
        {"de", "Ihnen|Ihr|Ihre|Ihrem|Ihren|Ihrer|Ihres", false, {"Sie"}},
        {"es", "usted|ustedes|Ud|Uds|haga|pulse|elija|escriba|vuelva", true, {}},
        {"it",
         "prema|faccia|scelga|scriva|clicchi|torni",
         true,
         {"Lei", "Suo", "Sua", "Suoi", "Sue"}},
    };
    return rules;
}

// Whole words, by Unicode's idea of a letter (è is one).
QRegularExpression Words(const QString& alternatives, bool anyCase) {
    QRegularExpression::PatternOptions options = QRegularExpression::UseUnicodePropertiesOption;
    if (anyCase) options |= QRegularExpression::CaseInsensitiveOption;
    return QRegularExpression("(?<!\\w)(" + alternatives + ")(?!\\w)", options);
}

// The first place where text speaks with the other form; empty when none.
std::string OtherFormIn(const AddressRule& rule, const QString& text) {
    if (const auto match = Words(rule.otherForm, rule.anyCase).match(text); match.hasMatch())
        return Excerpt(text, match.capturedStart()).toStdString();
    for (const QString& pronoun : rule.politeInsideSentence) {
        for (const auto& match : Words(pronoun, false).globalMatch(text)) {
            const QString before = text.left(match.capturedStart()).trimmed();
            const bool sentenceStart =
                before.isEmpty() || QString(".!?:\n\u2029").contains(before.back());
            if (!sentenceStart) return Excerpt(text, match.capturedStart()).toStdString();
        }
    }
    return {};
}

TEST_F(HelpCaptionsTest, PagesAddressThePlayerAsTheInterfaceDoes) {
    for (const AddressRule& rule : AddressRules()) {
        const int language = int(Languages.indexOf(rule.language)) + 1;
        for (int n = 1; n <= LanguageStringCount; ++n)
            EXPECT_EQ(OtherFormIn(rule, LanguageTable[language][n]), "")
                << rule.language.toStdString() << " interface text " << n;
        for (const QString& name : PageNames(rule.language))
            EXPECT_EQ(OtherFormIn(rule, Prose(ReadPage(rule.language, name))), "")
                << (rule.language + '/' + name).toStdString();
    }
}

TEST(HelpPagesTest, TheFormOfAddressCheckFindsTheOtherForm) {
    const auto rule = [](const char* language) {
        for (const AddressRule& r : AddressRules())
            if (r.language == language) return r;
        return AddressRule{};
    };
    EXPECT_NE(OtherFormIn(rule("de"), "Klicken Sie auf Starten."), "");
    EXPECT_EQ(OtherFormIn(rule("de"), "Sie zeigt die Karte. Klicke auf Starten."), "");
    EXPECT_NE(OtherFormIn(rule("fr"), "Clique et tu verras."), "");
    EXPECT_NE(OtherFormIn(rule("fr"), "Glomira t'affiche le score."), "");
    EXPECT_EQ(OtherFormIn(rule("fr"), "les mentions complètes de toutes les sources"), "");
    EXPECT_NE(OtherFormIn(rule("es"), "Pulse OK."), "");
    EXPECT_NE(OtherFormIn(rule("it"), "Premi OK per salvare la Sua scelta."), "");
    EXPECT_EQ(OtherFormIn(rule("it"), "Le immagini sono di pubblico dominio."), "");
}

// Slips of typography, by language; an empty string when there are none.
std::string TypographySlip(const QString& language, const QString& text) {
    // Typographic quotes in every language; straight ones are a slip.
    if (const qsizetype at = text.indexOf('"'); at >= 0) return Excerpt(text, at).toStdString();
    if (const auto m = QRegularExpression(" [,.;:!?]").match(text);
        m.hasMatch() && language != "fr")
        return Excerpt(text, m.capturedStart()).toStdString();
    if (language == "fr") {
        // A no-break space (or a narrow one) before : ; ! ?
        if (const auto m = QRegularExpression("(^|[^\u00A0\u202F])[:;!?]").match(text);
            m.hasMatch())
            return Excerpt(text, m.capturedStart()).toStdString();
    }
    if (language == "es") {
        if (text.count(u'¿') != text.count(u'?')) return "¿…? unbalanced";
        if (text.count(u'¡') != text.count(u'!')) return "¡…! unbalanced";
    }
    if (language == "de") {
        if (text.count(u'„') != text.count(u'“') || text.contains(u'”')) return "„…“ unbalanced";
    }
    if (language == "it") {
        // An apostrophe after a final vowel stands in for an accent (perche', e'),
        // except in "po'".
        const QRegularExpression fakeAccent("(?<!\\w)(?!po')\\w*[aeiouAEIOU]'(?=[\\s.,;:!?]|$)",
                                            QRegularExpression::UseUnicodePropertiesOption);
        if (const auto m = fakeAccent.match(text); m.hasMatch())
            return Excerpt(text, m.capturedStart()).toStdString();
    }
    return {};
}

TEST(HelpPagesTest, EachLanguageKeepsItsTypography) {
    for (const QString& language : Languages)
        for (const QString& name : PageNames(language))
            EXPECT_EQ(TypographySlip(language, Prose(ReadPage(language, name))), "")
                << (language + '/' + name).toStdString();
}

TEST(HelpPagesTest, TheTypographyCheckFindsEachKindOfSlip) {
    EXPECT_NE(TypographySlip("en", "Press \"OK\"."), "");
    EXPECT_NE(TypographySlip("en", "Press OK ."), "");
    EXPECT_NE(TypographySlip("fr", "Aide de Glomira: Sommaire"), "");
    EXPECT_NE(TypographySlip("fr", "Bravo !"), "");
    EXPECT_EQ(TypographySlip("fr", QString::fromUtf8("Aide de Glomira\u00A0: Sommaire")), "");
    EXPECT_NE(TypographySlip("es", "Qué ciudad está allí?"), "");
    EXPECT_EQ(TypographySlip("es", "¿Qué ciudad está allí?"), "");
    EXPECT_NE(TypographySlip("de", "„Starten”"), "");
    EXPECT_EQ(TypographySlip("de", "„Starten“"), "");
    EXPECT_NE(TypographySlip("it", "Perche' la mappa e' grande?"), "");
    EXPECT_EQ(TypographySlip("it", "Aspetta un po' e l'elenco cambia."), "");
}

}  // namespace
