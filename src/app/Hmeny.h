// SPDX-License-Identifier: MIT
// TfrmHuvudmeny: the main window. Chooses the colour scheme, asks for the
// language, lists continents and their exercises and starts an exercise on
// the screen that suits its kind.
#pragma once

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "app/ColorScheme.h"
#include "data/RangeArray.h"
#include "data/ovningar.h"
#include "platform/Colors.h"

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class TMediaPlayers;
class TfrmAbout;
class TfrmLang;
class TfrmOvningFlagga;
class TfrmOvningKarta;
class TfrmOvningMulti;
class TExerciseScreen;
class TOvningsformular;
class TOwnExercises;
class TPaletteSwitch;
class TTeacherTools;

// Continent numbers 1..7 and the catalogue code each stands for ("" outside).
constexpr int ContinentCount = 7;
QString ContinentCode(int continent);

// A shape of one colour: a filled rectangle, a rectangle's outline, or a
// circle with a black rim. Only the circle takes mouse presses.
class TShape : public QWidget {
    Q_OBJECT
  public:
    enum class Form { Rectangle, Circle, Outline };
    TShape(Form form, QWidget* parent);
    void SetBrushColor(TColor colour);
    TColor BrushColor() const { return colour_; }

  signals:
    void mouseDown();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    Form form_;
    TColor colour_ = 0;
};

class TfrmHuvudmeny : public QWidget {
    Q_OBJECT
  public:
    static constexpr int ClientWidth = 598;
    static constexpr int ClientHeight = 558;

    // Builds the window, takes the colour scheme from the display, switches
    // sound and music on, creates the players, makes the program's folder the
    // current one and loads the continent pictures and the template bitmap (a
    // missing template is reported once the event loop runs).
    explicit TfrmHuvudmeny(QWidget* parent = nullptr);
    // Releases the exercise screens; being the menu's children, they are
    // destroyed with it.
    ~TfrmHuvudmeny() override;

    // The long-lived screens created after the main menu.
    void SetScreens(TfrmLang* languageScreen, TfrmAbout* aboutScreen);

    void FyllOvningslista(int continent);
    void SattVarldsdel(int continent);

    // Event handlers, public so that tests can drive them.
    // Asks for the language (modal), then loads the catalogue and the texts,
    // fills the lists and shows the logo. Lets window messages run.
    void FormShow();
    void FormActivate();
    void imgMapMouseDown(int x, int y);
    void lstPartsMouseUp();
    void lstPartsKeyUp();
    // Starts the chosen exercise on its screen. Lets window messages run.
    void cmdStartaClick();
    // The high-score list, modal. Lets window messages run.
    void cmdTioitoppClick();
    void cmdHjalpClick();
    void cmdOmClick();
    void cmdAvslutaClick();
    void tmrInstruktionTimer();
    void Shape2MouseDown();
    // A practice run of the chosen exercise's items that are due; when none
    // is, says when the next one falls due. Lets window messages run.
    void cmdPractiseClick();
    // The chosen exercise's map (or flags) to look at, with nothing asked.
    void cmdExploreClick();
    // The chosen exercise's items by box and its recent runs.
    void cmdProgressClick();
    // The chosen exercise's worksheet, to print or save as PDF.
    void cmdWorksheetClick();
    // Starts a practice run of the entry asking only the keys. Lets window
    // messages run.
    void StartPractice(const COvning& entry, const QStringList& keys);
    // The exercise chosen in the list; null when none is.
    COvning* ChosenEntry() const;
    // The delivered exercises, then the player's own.
    std::vector<const COvning*> AllEntries() const;
    // Offers to import a file of shared exercises once the menu is open.
    void ImportOnOpening(const QString& fileName) { fileToImport_ = fileName; }
    // The keys a full run of the entry can ask (cached); empty when its
    // files can't be read.
    QStringList ItemKeysOf(const COvning& entry);

    // Pixel of a continent picture (1..7) in picture coordinates.
    QRgb ContinentPixel(int continent, int px, int py) const;
    const QImage& MapImage() const { return mapImage_; }

    int CurrentContinent = 0;
    std::unique_ptr<COvningar> Catalogue;
    std::unique_ptr<TOwnExercises> OwnExercises;  // the player's own, listed after the delivered
    int PictureOffsetX = 0;
    int PictureOffsetY = 0;
    QPointer<TfrmOvningKarta> MapScreen;
    QPointer<TfrmOvningFlagga> FlagScreen;
    QPointer<TfrmOvningMulti> MultiScreen;
    std::unique_ptr<TMediaPlayers> Players;  // the sound output while the menu lives

    QWidget* panPanel;
    TShape* Shape1;
    TShape* Shape2;
    TShape* Shape3;
    TShape* Shape4;
    QLabel* Image1;
    QLabel* imgMap;
    QLabel* lblInstruktion;
    QListWidget* lstParts;
    QListWidget* cboOvningar;
    QPushButton* cmdStarta;
    QPushButton* cmdTioitopp;
    QPushButton* cmdHjalp;
    QPushButton* cmdOm;
    QPushButton* cmdAvsluta;
    QPushButton* cmdPractise;
    QPushButton* cmdExplore;
    QPushButton* cmdProgress;
    QPushButton* cmdTeachers;
    QPushButton* cmdWorksheet;
    TTeacherTools* Teachers;
    TPaletteSwitch* chkColourBlind;
    QTimer* tmrInstruktion;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    void DrawContinent(int continent);
    // Hides and releases the exercise screens: all, or all but one just
    // started that has not been the active window yet.
    enum class TRelease { All, AllButNew };
    void ReleaseExerciseScreens(TRelease which);
    // Lets window messages run: the screen's start, or a failure's message box.
    void StartEntry(COvning& entry);
    int SelectedContinentLine() const;
    // The exercise of a line of the exercise list.
    COvning* EntryOfLine(int row) const;
    // Reads the own exercises; a file that can't be read is kept aside.
    void LoadOwnExercises();
    // The own exercises changed: the lists again, with the entry chosen.
    void OwnExercisesChanged(const COvning* choose);
    // Each exercise line's best percentage and learned items, from the history.
    void ShowProgressFigures();

    RangeArray<QImage, 1, ContinentCount> pictures_;  // Europe .. the whole world, from resources
    // The same as shown: drawn at twice the size on a high-DPI screen.
    RangeArray<QImage, 1, ContinentCount> shownPictures_;
    QImage mapImage_;
    TfrmLang* languageScreen_ = nullptr;
    TfrmAbout* aboutScreen_ = nullptr;
    bool shown_ = false;
    bool starting_ = false;                // StartEntry is starting a screen
    QPointer<QWidget> newScreen_;          // started, not yet the active window
    std::set<int> keysDownOnParts_;        // pressed in the continent list, not yet up
    std::map<int, QStringList> itemKeys_;  // by history number
    QString fileToImport_;
    // The practice runs started from here; the one before the last is kept
    // until the next, since its screen may still be closing.
    std::unique_ptr<COvning> practice_, previousPractice_;
};
