// SPDX-License-Identifier: MIT
// Captions by tag, the GIF picture routine, help pages and key preview.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/GenerellUi.h"
#include "app/ShellTest.h"
#include "platform/GifImage.h"

namespace {

using TranslateCaptionsTest = ShellTest;

TEST_F(TranslateCaptionsTest, OnlyTaggedButtonsLabelsAndTheFormChange) {
    for (int n : {1, 2, 5, 8, 11}) {
        LanguageTable[2][n] = QString("en%1").arg(n);
        LanguageTable[4][n] = QString("de%1").arg(n);
    }
    QWidget form;
    form.setWindowTitle("design");
    SetTag(&form, 8);
    auto* button = new QPushButton("b", &form);
    SetTag(button, 1);
    auto* label = new QLabel("l", &form);
    SetTag(label, 2);
    auto* panel = new QWidget(&form);
    auto* nested = new QPushButton("n", panel);  // owned by the form through a panel
    SetTag(nested, 5);
    auto* untagged = new QPushButton("keep", &form);
    auto* radio = new QRadioButton("radio", &form);
    SetTag(radio, 11);
    auto* check = new QCheckBox("check", &form);
    SetTag(check, 11);

    CurrentLanguage = 4;
    TranslateCaptions(&form);
    EXPECT_EQ(form.windowTitle(), "de8");
    EXPECT_EQ(button->text(), "de1");
    EXPECT_EQ(label->text(), "de2");
    EXPECT_EQ(nested->text(), "de5");
    EXPECT_EQ(untagged->text(), "keep");
    EXPECT_EQ(radio->text(), "radio");
    EXPECT_EQ(check->text(), "check");

    // An empty table empties every tagged caption.
    LanguageTable = TLanguageTable();
    TranslateCaptions(&form);
    EXPECT_EQ(button->text(), "");
    EXPECT_EQ(form.windowTitle(), "");
}

TEST_F(TranslateCaptionsTest, AFormWithoutTagKeepsItsCaption) {
    LanguageTable[2][1] = "Start";
    QWidget form;
    form.setWindowTitle("Glomira");
    auto* button = new QPushButton("x", &form);
    SetTag(button, 1);
    TranslateCaptions(&form);
    EXPECT_EQ(form.windowTitle(), "Glomira");
    EXPECT_EQ(button->text(), "Start");
}

// A 4 x 3 GIF whose only frame is 2 x 2 at (1, 1); index 3 is transparent.
void WriteGif(const QString& fileName) {
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(fileName).constData(), false, &error);
    ASSERT_NE(gif, nullptr);
    const GifColorType colours[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    ColorMapObject* map = GifMakeMapObject(4, colours);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, 4, 3, 2, 0, map);
    GraphicsControlBlock control{};
    control.TransparentColor = 3;
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension);
    EGifPutImageDesc(gif, 1, 1, 2, 2, false, nullptr);
    GifPixelType rows[2][2] = {{0, 1}, {2, 3}};
    EGifPutLine(gif, rows[0], 2);
    EGifPutLine(gif, rows[1], 2);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
}

using GifTest = ShellTest;

TEST_F(GifTest, TheFrameLandsOnItsScreenWithTransparency) {
    WriteGif(Path("logo.gif"));
    const QImage image = LoadGifImage(Path("logo.gif"));
    ASSERT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(2, 1), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(1, 2), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(image.pixel(2, 2)), 0);  // transparent index
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);  // outside the frame
    EXPECT_EQ(qAlpha(image.pixel(3, 2)), 0);
}

TEST_F(GifTest, DamagedAndMissingFilesRaise) {
    WriteGif(Path("logo.gif"));
    QFile whole(Path("logo.gif"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    for (const QByteArray& damaged : {bytes.left(bytes.size() - 6), QByteArray("GIF89a"),
                                      QByteArray("hello, world"), QByteArray()}) {
        QFile file(Path("bad.gif"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        EXPECT_THROW(LoadGifImage(Path("bad.gif")), EInOutError) << damaged.size();
    }
    EXPECT_THROW(LoadGifImage(Path("none.gif")), EInOutError);
}

TEST_F(GifTest, ShowGifPictureKeepsThePictureAndSaysSoOnFailure) {
    WriteGif(Path("logo.gif"));
    // The routine takes names beside the program.
    const QString relative = QDir(ProgramDirectory()).relativeFilePath(Path("logo.gif"));
    QLabel label;
    ShowGifPicture(&label, relative);
    ASSERT_FALSE(label.pixmap().isNull());
    EXPECT_EQ(label.pixmap().size(), QSize(4, 3));
    EXPECT_TRUE(messages.empty());

    ShowGifPicture(&label, "no-such-logo.gif");
    EXPECT_EQ(label.pixmap().size(), QSize(4, 3));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, TMessageKind::Plain);
    EXPECT_EQ(messages[0].second, "Kunde inte visa bilden no-such-logo.gif.");
}

TEST_F(GifTest, TheDeliveredLogoDecodes) {
    const QImage logo = LoadGifImage(ProgramFile("logo.gif"));
    EXPECT_GE(logo.width(), 60);
    EXPECT_GE(logo.height(), 200);
}

using HelpTest = ShellTest;

TEST_F(HelpTest, PagesComeInTheLanguageOrElseInEnglish) {
    QDir().mkpath(Path("help/en"));
    QDir().mkpath(Path("help/fr"));
    QFile(Path("help/fr/mapscreen.html")).open(QIODevice::WriteOnly);
    EXPECT_EQ(HelpPageFile(Path("help"), "fr", 102), Path("help/fr/mapscreen.html"));
    EXPECT_EQ(HelpPageFile(Path("help"), "fr", 101), Path("help/en/mainmenu.html"));
    EXPECT_EQ(HelpPageFile(Path("help"), "de", 0), Path("help/en/index.html"));
    EXPECT_EQ(HelpPageFile(Path("help"), "en", 999), Path("help/en/index.html"));
    EXPECT_EQ(LanguageCode(1), "sv");
    EXPECT_EQ(LanguageCode(6), "it");
}

TEST_F(HelpTest, AMissingPageSaysSoInTheWindow) {
    ShowHelp(Path("nowhere"), "en", 101);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->isVisible());
    EXPECT_TRUE(HelpWindow()->Text().contains("Help is not available"));
}

// F1 in a modal window opens the help over it, where the modal window doesn't block it; once
// no modal window is up, the help is a window of its own again.
TEST_F(HelpTest, OverAModalWindowTheHelpBelongsToIt) {
    {
        QDialog dialog;
        dialog.setModal(true);
        dialog.show();
        ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
        ShowHelp(Path("nowhere"), "en", 101);
        ASSERT_NE(HelpWindow(), nullptr);
        EXPECT_EQ(HelpWindow()->parentWidget(), &dialog);
        EXPECT_TRUE(HelpWindow()->isWindow());
        EXPECT_TRUE(HelpWindow()->isVisible());
    }
    EXPECT_EQ(HelpWindow(), nullptr) << "closed with its modal window";
    ShowHelp(Path("nowhere"), "en", 101);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->parentWidget(), nullptr);
    EXPECT_TRUE(HelpWindow()->isVisible());
}

TEST_F(HelpTest, EveryTopicIsDeliveredInEveryLanguage) {
    const QString folder = ProgramFile("help");
    for (int language = 1; language <= 6; ++language) {
        for (int topic : {0, 100, 101, 102, 103, 104}) {
            const QString page = HelpPageFile(folder, LanguageCode(language), topic);
            EXPECT_TRUE(page.contains("/" + LanguageCode(language) + "/")) << page.toStdString();
            EXPECT_TRUE(QFileInfo(page).isFile()) << page.toStdString();
        }
    }
    CurrentLanguage = 4;
    ShowHelpTopic(104);
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_TRUE(HelpWindow()->CurrentPage().endsWith("/help/de/flagscreen.html"));
    EXPECT_FALSE(HelpWindow()->Text().trimmed().isEmpty());
}

TEST(KeyPreviewTest, TheFormSeesAKeyOnceBeforeItsControls) {
    QWidget form;
    auto* edit = new QLineEdit(&form);
    int seen = 0;
    new TKeyPreview(&form, [&seen](const QKeyEvent& key) {
        if (key.key() != Qt::Key_F1) return false;
        ++seen;
        return true;
    });
    form.show();
    QTest::keyClick(edit, Qt::Key_F1);
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(edit->text(), "a");

    QWidget other;  // keys of other windows are not the form's
    other.show();
    QTest::keyClick(&other, Qt::Key_F1);
    EXPECT_EQ(seen, 1);
}

}  // namespace
