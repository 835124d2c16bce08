// SPDX-License-Identifier: MIT
// COvning: the running state, scoring and item selection shared by every
// exercise kind, and the hand-off to the top-ten form.
#include "ovning.h"

#include <algorithm>

#include "app/Generell.h"
#include "data/UKarta.h"
#include "data/ovningar.h"
#include "exercise/MapExplorer.h"
#include "history/ResultsHistory.h"
#include "platform/Random.h"
#include "platform/Rounding.h"
#include "screens/Ovform.h"

namespace {
TTopTenForm topTenForm;
TRunReview runReview;
TResultsHistory* resultsHistory = nullptr;
}  // namespace

bool COvning::IsAnswered(const TAnswer&) {
    return false;
}

void COvning::Right() {
    if (!Finished) {
        RunRecord.push_back({AskedKey(), Tries + 1, clickedInstead_});
        if (resultsHistory && historyRun_)
            resultsHistory->RecordQuestion(historyRun_, AskedKey(), Tries + 1, clickedInstead_);
        clickedInstead_.clear();
    }
    if (!Finished) {
        ++Asked;
        Percent = ScorePercent(Asked, WrongCount);
        if (Form) Form->VisaProcent(Percent);
    }
    PlayEffect(QStringLiteral("Plopp4.WAV"), 1);
}

void COvning::Wrong(const TAnswer& answer) {
    if (Finished || IsAnswered(answer)) return;
    if (const QString key = ClickedKey(answer); !key.isEmpty()) clickedInstead_ << key;
    ++WrongCount;
    ++Asked;
    ++Tries;
    Percent = ScorePercent(Asked, WrongCount);
    if (Form) Form->VisaProcent(Percent);
    PlayEffect(QStringLiteral("Rassel11.WAV"), 2);
}

void COvning::Start(TOvningsformular& form) {
    Abandon();  // a restart ends the run before
    if (resultsHistory && !Explores())
        historyRun_ = resultsHistory->BeginRun(HistoryNumber(), CurrentLanguage, Practice);
    clickedInstead_.clear();
    RunRecord.clear();
    form.ShowPracticeNote(Practice);
    Finished = false;
    Randomize();
    Form = &form;
    formLife_ = form.LifeToken();
    Asked = 0;
    WrongCount = 0;
    QuestionNo = 0;
    Tries = 0;
    if (Map) {
        if (Map->Areas) Map->Areas->ResetMarks();
        if (Map->Places) Map->Places->ResetMarks();
        Map->CentreLongitude = float(CentreLongitude);
        Map->BottomLatitude = float(BottomLatitude);
        Map->TopLatitude = float(TopLatitude);
        if (AreaColor != 0) Map->AreaColor = AreaColor;
        if (SeaColor != 0) Map->SeaColor = SeaColor;
        if (LandColor != 0) Map->LandColor = LandColor;
        SelectItems();
    }
    BlinkState = 0;
    HintColour = 0;
}

void COvning::CopyCatalogueFields(const COvning& from) {
    Kind = from.Kind;
    Names = from.Names;
    Number = from.Number;
    MaxPlaceRank = from.MaxPlaceRank;
    BorderWidth = from.BorderWidth;
    RequirePlaceFlag1 = from.RequirePlaceFlag1;
    RequirePlaceFlag2 = from.RequirePlaceFlag2;
    ReservedFlag = from.ReservedFlag;
    MapNo = from.MapNo;
    PlaceFileNo = from.PlaceFileNo;
    Continent = from.Continent;
    LandColor = from.LandColor;
    AreaColor = from.AreaColor;
    SeaColor = from.SeaColor;
    TopLatitude = from.TopLatitude;
    BottomLatitude = from.BottomLatitude;
    CentreLongitude = from.CentreLongitude;
    ItemCount = from.ItemCount;
    Items = from.Items;
    Own = from.Own;
}

std::unique_ptr<COvning> COvning::ExploreOf(const COvning& entry) {
    return std::make_unique<CMapExplorer>(entry);
}

std::unique_ptr<COvning> COvning::PracticeOf(const COvning& entry, const QStringList& keys) {
    std::unique_ptr<COvning> practice = CreateExercise(entry.Kind);
    practice->CopyCatalogueFields(entry);
    practice->Practice = true;
    practice->AskOnly = keys;
    return practice;
}

void COvning::SelectItems() {
    if (!Map) return;
    if (Map->Areas) {
        for (int i = 1; i <= ItemCount; ++i) Map->Areas->Select(Items[i]);
        Map->Areas->RemoveUnselectedInsets();
    }
    if (Map->Places)
        for (int i = 1; i <= ItemCount; ++i)
            Map->Places->Select(Items[i], MaxPlaceRank, RequirePlaceFlag1, RequirePlaceFlag2);
}

QString COvning::AreaName(const QString& key) const {
    const CArea* area = Map && Map->Areas ? Map->Areas->FindByCode(key) : nullptr;
    return area ? area->Names[CurrentLanguage] : key;
}

bool COvning::FormAlive() const {
    return Form && !formLife_.expired();
}

bool COvning::LetMessagesRun() {
    if (MessagesRanAndAlive(formLife_) && Form) return true;
    Form = nullptr;
    Map = nullptr;  // the screen owned it
    return false;
}

void COvning::AttachMapPicture(TMapExerciseScreen& screen) {
    Map->Image = &screen.imgKarta();
    Map->UpdateDivisor();
    if (Map->TopLatitude == 0 && Map->BottomLatitude == 0) Map->FitToSelection();
    Map->WidenToShowSelection();
}

void COvning::DrawMapAndAsk(TMapExerciseScreen& screen) {
    AttachMapPicture(screen);
    if (!RedrawMap()) return;
    screen.VisaFraga(NextQuestion());
}

bool COvning::DrawMapBase() {
    Map->Clear();
    if (!LetMessagesRun()) return false;
    Map->DrawAreaOutlines(BorderWidth);
    if (!LetMessagesRun()) return false;
    Map->DrawWaters();
    if (!LetMessagesRun()) return false;
    if (!Map->FillSeas([this] { return LetMessagesRun(); })) return false;
    return LetMessagesRun();
}

int ScorePercent(int asked, int wrong) {
    if (asked <= 0) return 0;
    return RoundHalfEven(100.0 * double(asked - wrong) / double(asked));
}

void COvning::Abandon() {
    if (resultsHistory && historyRun_) resultsHistory->EndRun(historyRun_, Percent, false);
    historyRun_ = 0;
}

void SetResultsHistory(TResultsHistory* history) {
    resultsHistory = history;
}

TResultsHistory* CurrentResultsHistory() {
    return resultsHistory;
}

void SetRunReview(TRunReview review) {
    runReview = std::move(review);
}

void SetTopTenForm(TTopTenForm form) {
    topTenForm = std::move(form);
}

TTopTenForm CurrentTopTenForm() {
    return topTenForm;
}

void ShowTopTen(COvning& exercise, int percent, TOvningsformular* owner) {
    if (percent >= 0 && exercise.Practice) {
        // Practice is compared with nothing: no list, only the review.
        if (resultsHistory && exercise.historyRun_)
            resultsHistory->EndRun(exercise.historyRun_, percent, true);
        exercise.historyRun_ = 0;
        if (runReview) runReview(exercise, owner);
        return;
    }
    TTopTenRequest request;
    // A result ends the run; its signature follows, if it enters the list.
    if (percent >= 0 && resultsHistory && exercise.historyRun_) {
        TResultsHistory* history = resultsHistory;
        const int run = exercise.historyRun_;
        history->EndRun(run, percent, true);
        exercise.historyRun_ = 0;
        request.Signed = [history, run](const QString& signature) {
            history->SetSignature(run, signature);
        };
    }
    if (!topTenForm) return;
    request.ExerciseNumber = exercise.Number;
    request.ExerciseName = exercise.Names[CurrentLanguage];
    // Own exercises keep their lists apart from the delivered ones'.
    request.FileName = exercise.Own ? OwnHighScoreFile() : HighScoreFile();
    request.StartFrom = exercise.Own ? QString() : HighScoreStartFile();
    request.Percent = percent;
    const std::weak_ptr<const void> alive =
        owner ? owner->LifeToken() : std::weak_ptr<const void>();
    topTenForm(request, owner);
    if (percent < 0 || !runReview || (owner && alive.expired())) return;
    const bool missed = std::any_of(exercise.RunRecord.begin(), exercise.RunRecord.end(),
                                    [](const COvning::TAskedItem& item) { return item.Missed(); });
    if (missed) runReview(exercise, owner);
}
