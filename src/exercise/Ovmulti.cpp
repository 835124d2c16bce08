// SPDX-License-Identifier: MIT
// COvningMulti: question forms, answer draws and the one-second display
// of the right answer.
#include "Ovmulti.h"

#include <QThread>
#include <algorithm>
#include <stdexcept>

#include "app/Generell.h"
#include "app/Palette.h"
#include "data/UKarta.h"
#include "platform/Random.h"
#include "screens/Ovform.h"

COvningMulti::COvningMulti() = default;
COvningMulti::~COvningMulti() = default;

TMultiExerciseScreen* COvningMulti::Screen() const {
    return FormAlive() ? dynamic_cast<TMultiExerciseScreen*>(Form) : nullptr;
}

void COvningMulti::Start(TOvningsformular& form) {
    if (!dynamic_cast<TMultiExerciseScreen*>(&form))
        throw std::invalid_argument(
            "The multiple-choice exercise needs the multiple-choice screen");
    CurrentPlace = nullptr;
    COvning::Start(form);
    form.VisaFraga(NextQuestion());
}

std::vector<COrt*> COvningMulti::Places(bool openOnly) const {
    std::vector<COrt*> found;
    if (!Map || !Map->Places) return found;
    for (COrt* place = Map->Places->First; place; place = place->Next)
        if (place->Selected && !(openOnly && place->Answered)) found.push_back(place);
    return found;
}

QString COvningMulti::AreaKeyOf(const COrt& place) const {
    QString key;  // the last matching item wins
    for (int i = 1; i <= ItemCount; ++i)
        for (int m = 1; m <= 3; ++m)
            if (Items[i] == place.MemberCodes[m]) key = Items[i];
    return key;
}

QString COvningMulti::NextQuestion() {
    if (!Map || !Map->Places || Map->Places->RemainingCount <= 0) return {};
    std::vector<COrt*> open = Places(true);
    std::erase_if(open, [this](const COrt* place) { return !Askable(place->Code); });
    if (open.empty()) return {};
    Tries = 0;
    const bool areaNames = RandomBelow(2) + 1 == 1;  // form 1: the answers are area names
    const int k = AskOnly.isEmpty()
                      ? std::min(RandomBelow(Map->Places->RemainingCount), int(open.size()) - 1)
                      : RandomBelow(int(open.size()));
    CurrentPlace = open[std::size_t(k)];
    // A fresh seed per question, as at every start.
    Randomize();
    RightPos = RandomBelow(4) + 1;
    for (QString& answer : Answers) answer.clear();

    const int language = CurrentLanguage;
    const QString areaName = AreaName(AreaKeyOf(*CurrentPlace));
    const QString placeName = CurrentPlace->Names[language];
    QString question;
    if (areaNames) {
        Answers[RightPos] = areaName;
        question = placeName + QLatin1Char(' ') + LanguageText(10);
    } else {
        Answers[RightPos] = placeName;
        question =
            LanguageText(13) + QLatin1Char(' ') + areaName + QLatin1Char(' ') + LanguageText(14);
    }
    FillWrongAnswers(areaNames, Places(false), AreaKeyOf(*CurrentPlace));

    if (TMultiExerciseScreen* screen = Screen())
        for (int i = 1; i <= 4; ++i)
            screen->DrawAnswer(screen->AnswerBox(i), Colors::White, Answers[i]);
    return question;
}

void COvningMulti::FillWrongAnswers(bool areaNames, const std::vector<COrt*>& selected,
                                    const QString& areaKey) {
    const int language = CurrentLanguage;
    const auto inArea = [](const COrt& place, const QString& key) {
        for (int m = 1; m <= 3; ++m)
            if (place.MemberCodes[m] == key) return true;
        return false;
    };
    // A "wrong" answer must really be wrong: no other area the place lies
    // in, and no other place of the asked area.
    QStringList candidates;
    if (areaNames) {
        for (int j = 1; j <= ItemCount; ++j)
            if (!inArea(*CurrentPlace, Items[j])) candidates << AreaName(Items[j]);
    } else {
        for (const COrt* place : selected)
            if (!inArea(*place, areaKey)) candidates << place->Names[language];
    }

    for (int i = 1; i <= 4; ++i) {
        if (i == RightPos) continue;
        const auto takenElsewhere = [&](const QString& text) {
            for (int j = 1; j <= 4; ++j)
                if (j != i && Answers[j] == text) return true;
            return false;
        };
        // Too few different texts to fill this box: leave it empty rather
        // than draw for ever.
        if (std::all_of(candidates.begin(), candidates.end(), takenElsewhere)) continue;
        QString text;
        do {
            text = candidates[RandomBelow(int(candidates.size()))];
        } while (takenElsewhere(text));
        Answers[i] = text;
    }
}

bool COvningMulti::IsRight(const TAnswer& answer) {
    return answer.Index == RightPos;
}

QString COvningMulti::AskedKey() const {
    return CurrentPlace ? CurrentPlace->Code : QString();
}

// The answer's text: a place's or an area's name.
QString COvningMulti::ClickedKey(const TAnswer& answer) const {
    return answer.Index >= 1 && answer.Index <= 4 ? Answers[answer.Index] : QString();
}

void COvningMulti::Right() {
    COvning::Right();
    if (TMultiExerciseScreen* screen = Screen())
        screen->DrawMarkedAnswer(screen->AnswerBox(RightPos), CurrentPalette().RightAnswer,
                                 Answers[RightPos], TAnswerMark::Right);
    if (!LetMessagesRun()) return;
    Ticked = false;
    while (!Ticked) {
        if (!LetMessagesRun()) return;  // the screen and its map are gone
        // A short nap keeps the wait from spinning a core for a second.
        if (!Ticked) QThread::msleep(1);
    }
    if (!CurrentPlace || !Map || !Map->Places) return;
    CurrentPlace->Answered = true;
    CurrentPlace->Attempts = Tries + 1;
    --Map->Places->RemainingCount;
}

void COvningMulti::Wrong(const TAnswer& answer) {
    COvning::Wrong(answer);
    if (answer.Index < 1 || answer.Index > 4) return;
    if (TMultiExerciseScreen* screen = Screen())
        screen->DrawMarkedAnswer(screen->AnswerBox(answer.Index), CurrentPalette().WrongAnswer,
                                 Answers[answer.Index], TAnswerMark::Wrong);
}

void COvningMulti::Blink() {
    Ticked = true;
}
