// SPDX-License-Identifier: MIT
// Windows opened again and again hand the style the same palette for their
// buttons. The style keys a button's cached pixmaps by the identity of that
// palette, and Qt 6.4's pixmap cache keeps every key it was ever given: a
// palette new with every window made the memory grow with every window.
#include <QApplication>
#include <QProxyStyle>
#include <QPushButton>
#include <QSet>
#include <QStyleFactory>
#include <QStyleOption>

#include "ScreenTest.h"
#include "scores/Tioitopp.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

namespace {

// The application's style, noting the palettes it is asked to draw button panels with.
class ButtonPaletteRecorder : public QProxyStyle {
  public:
    ButtonPaletteRecorder() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelButtonCommand) {
            palettes.insert(option->palette.cacheKey());
            ++panels;
            // Shared or not, the colours stay the button's own.
            if (widget && !(option->palette == widget->palette())) ++otherColours;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    mutable QSet<qint64> palettes;
    mutable int panels = 0;
    mutable int otherColours = 0;
};

class ButtonPaletteTest : public ScreenTest {
  protected:
    static constexpr int Windows = 3;

    // Paints every button of the window through the recorder; the palettes
    // of the first window are all a window may bring.
    void PaintButtons(QWidget& window) {
        for (QPushButton* button : window.findChildren<QPushButton*>()) button->setStyle(&recorder);
        window.grab();
        if (firstWindow < 0) firstWindow = int(recorder.palettes.size());
    }
    // Opens Windows exercise screens of one kind in turn, each started and painted.
    template <class Screen>
    void OpenScreensInTurn(COvning& entry) {
        for (int i = 0; i < Windows; ++i) {
            Screen screen;
            screen.StartExercise(entry);
            Settle();
            PaintButtons(screen);
        }
    }
    void ExpectNoNewPalettes() {
        EXPECT_GE(recorder.panels, Windows) << "every window painted its buttons";
        EXPECT_GT(firstWindow, 0);
        EXPECT_EQ(recorder.palettes.size(), firstWindow)
            << "palettes after " << Windows << " windows";
        EXPECT_EQ(recorder.otherColours, 0);
    }

    ButtonPaletteRecorder recorder;  // outlives the windows that use it
    int firstWindow = -1;
};

TEST_F(ButtonPaletteTest, FlagScreensOpenedInTurn) {
    WriteAreas("AREA1.crp", {Named(BoxArea("SE", 55, 11, 69, 24), "Sweden", "se.bmp"),
                             Named(BoxArea("NO", 58, 5, 71, 31), "Norway", "no.bmp")});
    WritePlaces("Ort1.crp", {Place("Stockholm", "SE", 59.3, 18.1)});
    const std::unique_ptr<COvning> entry = Entry("FLAGG", {"SE", "NO"});
    OpenScreensInTurn<TfrmOvningFlagga>(*entry);
    ExpectNoNewPalettes();
}

TEST_F(ButtonPaletteTest, MapScreensOpenedInTurn) {
    WriteThreeBoxMap();
    const std::unique_ptr<COvning> entry = Entry("AREA", {"AAA", "BBB"});
    OpenScreensInTurn<TfrmOvningKarta>(*entry);
    ExpectNoNewPalettes();
}

TEST_F(ButtonPaletteTest, MultipleChoiceScreensOpenedInTurn) {
    const std::unique_ptr<COvning> entry = Entry("MULTI", WriteFiveCountries());
    OpenScreensInTurn<TfrmOvningMulti>(*entry);
    ExpectNoNewPalettes();
}

// The form every run ends in.
TEST_F(ButtonPaletteTest, TopTenFormsOpenedInTurn) {
    for (int i = 0; i < Windows; ++i) {
        TfrmTioitopp form;
        PaintButtons(form);
    }
    ExpectNoNewPalettes();
}

}  // namespace
