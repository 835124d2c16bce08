// SPDX-License-Identifier: MIT
// COvning: one exercise of the catalogue (the fields read from Ovning.crp)
// and the running exercise: counters, scoring, sounds, selection of its
// items on the map, and the hand-off of a result to the top-ten form.
// The exercise kinds derive from it.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "data/RangeArray.h"
#include "platform/Colors.h"

class TMapExerciseScreen;

class CKarta;
class TOvningsformular;
class TResultsHistory;

// One click as a screen hands it to the exercise: degrees on the map
// screen, the number of the clicked choice on the other screens.
struct TAnswer {
    float Lat = 0;
    float Lon = 0;
    qint32 Index = 0;
};

class COvning {
  public:
    static constexpr int MaxItems = 100;

    COvning() = default;
    virtual ~COvning() = default;
    COvning(const COvning&) = delete;
    COvning& operator=(const COvning&) = delete;

    // Catalogue fields.
    QString Kind;                     // "AREA", "ORT", "FLAGG", anything else: multiple choice
    RangeArray<QString, 1, 6> Names;  // by language number
    qint32 Number = 0;                // key of the exercise's top-ten list
    qint32 MaxPlaceRank = 0;
    qint32 BorderWidth = 0;
    bool RequirePlaceFlag1 = false;
    bool RequirePlaceFlag2 = false;
    bool ReservedFlag = false;
    qint32 MapNo = 0;
    qint32 PlaceFileNo = 0;
    QString Continent;     // "EUR", "NOR", "SYD", "ASI", "AFR", "AUS" or "*"
    TColor LandColor = 0;  // 0 keeps the map's default
    TColor AreaColor = 0;
    TColor SeaColor = 0;
    double TopLatitude = 0;  // both latitudes 0: fit the view to the selection
    double BottomLatitude = 0;
    double CentreLongitude = 0;
    qint32 ItemCount = 0;
    RangeArray<QString, 1, MaxItems> Items;
    COvning* Next = nullptr;  // following entry in file order; owned by the catalogue

    // One of the player's own exercises: its Number keys a list in the own
    // high-score file, and the results history keeps it apart from the
    // delivered exercise of the same number.
    bool Own = false;
    static constexpr int OwnHistoryBase = 1000;
    int HistoryNumber() const { return Own ? OwnHistoryBase + Number : Number; }

    // Running state of the current run.
    TOvningsformular* Form = nullptr;    // set by Start; not owned
    CKarta* Map = nullptr;               // set by the screen before Start; not owned
    RangeArray<bool, 1, MaxItems> Done;  // per position in Items: answered right
    qint32 Asked = 0;                    // counted answers, right and wrong
    qint32 WrongCount = 0;               // counted wrong answers
    qint32 Tries = 0;                    // counted wrong answers on the current question
    qint32 QuestionNo = 0;               // questions drawn so far (area and flag kinds)
    qint32 Percent = 0;                  // last computed percentage; kept by Start
    qint32 BlinkState = 0;               // 0 no hint; 1 and 2 the two phases of the hint
    TColor HintColour = 0;               // what the hint last painted the asked item; 0 nothing
    bool Finished = false;               // the map screen's end of run

    // A practice run is scored like any other but never enters the top ten.
    // AskOnly narrows its questions to those keys (as AskedKey gives them);
    // the rest of the exercise stays on the screen. Empty: ask everything.
    bool Practice = false;
    QStringList AskOnly;
    bool Askable(const QString& key) const { return AskOnly.isEmpty() || AskOnly.contains(key); }

    // What the run asked so far, in order: the question's key, the clicks it
    // took (the right one included) and the keys of the wrong ones.
    struct TAskedItem {
        QString Key;
        int Attempts = 0;
        QStringList ClickedInstead;
        bool Missed() const { return Attempts > 1; }
    };
    std::vector<TAskedItem> RunRecord;

    // The next question's text; the empty text when the run is over.
    virtual QString NextQuestion() = 0;
    virtual bool IsRight(const TAnswer& answer) = 0;
    // Whether the click is on an item answered right before (never counted as wrong).
    virtual bool IsAnswered(const TAnswer& answer);
    // After IsRight gave true: counts, shows the percentage, plays the right
    // sound. Lets window messages run in the place and multiple-choice kinds.
    virtual void Right();
    // Any other click: counts it unless the run is over or the item was
    // answered. Lets window messages run in the place kind.
    virtual void Wrong(const TAnswer& answer);
    // Resets the run on the given screen; the kinds then ask the first
    // question. Lets window messages run in the area and place kinds, which
    // draw the map first.
    virtual void Start(TOvningsformular& form);
    // One tick of the screen's blink timer.
    virtual void Blink() = 0;
    // Draws the map again from the run's state alone: the picture a player
    // would see had the run so far happened on a picture of this size, with
    // every answer and the hint as they stand. The kinds without a map have
    // nothing to draw. Lets window messages run; false when the screen went
    // away meanwhile.
    virtual bool RedrawMap() { return true; }

    // The key of what the open question asks, and of what a click answered
    // instead (the item, place or answer text it means), for the results
    // history; empty where there is none.
    virtual QString AskedKey() const { return {}; }
    virtual QString ClickedKey(const TAnswer&) const { return {}; }
    // Whether this only shows the map, asking and counting nothing (and
    // recording nothing in the results history).
    virtual bool Explores() const { return false; }
    // The pointer rests on the map at the answer's point (exploring names
    // what is there).
    virtual void Point(const TAnswer&) {}
    // The run stops before its end: its screen closes, or it starts again.
    void Abandon();

    // Marks the exercise's areas and places on the map.
    void SelectItems();
    // Takes over every catalogue field of another entry (not the run).
    void CopyCatalogueFields(const COvning& from);
    // A practice run of the entry, of the same kind, asking only the keys.
    static std::unique_ptr<COvning> PracticeOf(const COvning& entry, const QStringList& keys);
    // The entry's map to explore, on the map screen.
    static std::unique_ptr<COvning> ExploreOf(const COvning& entry);

  protected:
    // The area's name in the current language, or the key itself when the
    // map holds no area with that key, so a question can always be asked.
    QString AreaName(const QString& key) const;
    // True while the screen given to Start still exists.
    bool FormAlive() const;
    // Lets window messages run. False when the screen (and with it the map)
    // went away meanwhile; Form and Map are then cleared.
    bool LetMessagesRun();

    // For the map kinds: draws on the screen's map picture, fitting the
    // view to the selection when the catalogue leaves it open.
    void AttachMapPicture(TMapExerciseScreen& screen);
    // The end of the map kinds' start: the map attached and drawn, then the
    // first question. Lets window messages run; stops when the screen goes.
    void DrawMapAndAsk(TMapExerciseScreen& screen);
    // The first drawing steps both map kinds share: clear, outlines, lakes,
    // seas. Lets window messages run after each; false when the screen went away.
    bool DrawMapBase();

  private:
    friend void ShowTopTen(COvning& exercise, int percent, TOvningsformular* owner);
    std::weak_ptr<const void> formLife_;
    int historyRun_ = 0;          // the run in the results history; 0: none open
    QStringList clickedInstead_;  // on the open question
};

// 100 * (asked - wrong) / asked, rounded to the nearest integer, halves to
// the even neighbour; 0 when nothing was asked.
int ScorePercent(int asked, int wrong);

// What the top-ten form needs to enter (or only show) a result.
struct TTopTenRequest {
    qint32 ExerciseNumber = 0;
    QString ExerciseName;  // in the current language
    QString FileName;      // the high-score file
    QString StartFrom;     // the list to start from while FileName does not exist; may be empty
    int Percent = -1;      // -1: only show the list
    // Told the signature entered, once the result has its place in the list.
    std::function<void(const QString& signature)> Signed;
};

// What the windowed layer shows once a run is over, after the top-ten form:
// the review of what the run missed (and a practice run's result). Not
// called for a full run answered right at every first try.
using TRunReview = std::function<void(COvning& exercise, TOvningsformular* owner)>;
void SetRunReview(TRunReview review);
// The top-ten form as the windowed layer installs it; owner is the screen
// that asks. Without one, ShowTopTen does nothing.
using TTopTenForm = std::function<void(const TTopTenRequest& request, TOvningsformular* owner)>;
void SetTopTenForm(TTopTenForm form);

// The results history every run is recorded in, as the program installs it
// (not owned); none: nothing is recorded.
void SetResultsHistory(TResultsHistory* history);
TResultsHistory* CurrentResultsHistory();
TTopTenForm CurrentTopTenForm();

// Hands a result to the top-ten form (modal); -1 only shows the list.
// Lets window messages run while the form is up.
void ShowTopTen(COvning& exercise, int percent, TOvningsformular* owner);
