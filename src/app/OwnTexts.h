// SPDX-License-Identifier: MIT
// The texts of the controls and windows this program adds to the screens,
// in the six interface languages; the language table holds the rest.
#pragma once

#include <QString>

enum class TOwnText {
    HomeTip,     // the map screen's button for the exercise's own view
    FlagCredit,  // the flag screen's credit line
    HelpTitle,   // the help window
    HelpContents,
    HelpBack,
    HelpForward,
    HelpMissingTitle,   // a help page that is not there
    HelpMissingText,    // with %1 for the page's file
    HistoryMovedAside,  // the results history was damaged; %1 where it was kept
    HistoryUnusable,    // the results history can't be written
    HistoryRefused,     // the results history refuses writes; they are kept
    ColourBlindSwitch,  // the main menu's check box for the colour-blind palette
    PracticeNote,       // practice: not in the top ten
    MenuPractise,       // the main menu's practice button
    MenuExplore,        // the main menu's explore button
    MenuProgress,       // the main menu's progress button
    NothingDue,         // nothing to practise; %1 when the next item falls due
    ProgressTip,        // the exercise list's figures: %1 best percentage, %2 learned, %3 items
    ReviewTitle,        // the review window; %1 the exercise
    ReviewMissed,       // %1 items missed of %2 asked
    ReviewAllRight,     // a practice run without a miss
    ReviewPractice,     // a practice run's result; %1 the percentage
    ReviewClicked,      // what was chosen instead; %1 the names
    ReviewCapital,      // a country's capital; %1 its name
    ReviewWithin,       // where a place lies; %1 the area
    ReviewShow,         // the review's hint on the map
    PractiseThese,      // the review's practice button
    Close,              // closes a window
    ProgressTitle,      // the progress window; %1 the exercise
    ProgressSummary,    // %1 learned of %2 items, %3 due now
    ProgressItem,       // the items table's heading: name
    ProgressBox,        // the items table's heading: box
    ProgressLast,       // the items table's heading: last result
    ProgressDue,        // the items table's heading: when due
    ProgressNever,      // an item never asked
    ProgressRight,      // last asked: right at the first try
    ProgressMissed,     // last asked: missed
    ProgressNow,        // due now
    ProgressLearned,    // the top box
    ProgressRuns,       // the runs table's title
    ProgressDate,       // the runs table's heading: date
    ProgressPercent,    // the runs table's heading: percentage
    ProgressKind,       // the runs table's heading: what kind of run
    RunFull,            // a full run
    RunPractice,        // a practice run
    RunClosed,          // a run closed before its end
    ExploreTitle,       // the explore window; %1 the exercise
    ExploreHint,        // the explore window's instruction
    ExploreFlagsHint,   // the explore window's instruction for flags
    CsvDate,
    CsvTime,
    CsvSignature,
    CsvExercise,
    CsvPercent,
    CsvMissed,
    ExportResults,
    ExportThisExercise,
    ExportAllExercises,
    ExportFrom,
    ExportTo,
    ExportFileKind,
    ExportDone,
    ExportFailed,
    RuleKind,               // a kind no screen plays; %1 the kind
    RuleNoName,             // an exercise without a name
    RuleText,               // a text the file can't hold; %1 the text
    RuleContinent,          // %1 the continent code
    RuleView,               // a view off the map
    RuleMap,                // %1 the map number
    RulePlaceFile,          // %1 the place file number
    RuleNoItems,            // nothing chosen
    RuleUnknownKey,         // %1 a key the map lacks
    RuleFlags,              // %1 the most flags, %2 how many
    RuleNoFlag,             // %1 a country without a flag picture
    RuleNoPlace,            // %1 an area without a city of the kind chosen
    RuleTooMany,            // %1 the most questions, %2 how many
    RuleChoices,            // %1 answers needed, %2 areas, %3 cities
    OwnExercisesFull,       // %1 the most own exercises, %2 room left
    ImportUnreadable,       // %1 why
    ImportTooBig,           // the reason for a huge file
    ImportFaultyExercise,   // %1 the exercise, %2 its problems
    ImportRefused,          // %1 the file, %2 why
    ImportDone,             // %1 the file, %2 the exercises
    ImportNothingNew,       // %1 the file: all its exercises are there already
    ImportAlreadyThere,     // %1 the exercises skipped as already there
    ImportQuestion,         // %1 the file opened with the program
    TeacherMenu,            // the main menu's button for teachers' tools
    NewExercise,            // menu command
    EditExercise,           // menu command
    DeleteExercise,         // menu command
    ExportExercises,        // menu command
    ImportExercises,        // menu command
    DeleteQuestion,         // %1 the exercise
    OwnOnly,                // editing a delivered exercise
    OwnTip,                 // an own exercise's line
    ExerciseFiles,          // file dialog filter
    ExportExercisesDone,    // %1 how many, %2 the file
    ExportExercisesFailed,  // %1 the file, %2 why
    NoOwnExercises,         // nothing to export yet
    SaveFailed,             // %1 why
    OwnUnreadable,          // %1 the file, %2 why
    MakerNewTitle,          // the maker's window
    MakerEditTitle,         // the maker's window; %1 the exercise
    MakerKindMap,           // step heading
    KindArea,               // exercise kind
    KindPlace,              // exercise kind
    KindFlag,               // exercise kind
    KindMulti,              // exercise kind
    Map1,                   // map 1
    Map2,                   // map 2
    Map3,                   // map 3
    Map4,                   // map 4
    Map5,                   // map 5
    MakerItems,             // step heading
    MakerSearch,            // the search box's placeholder
    PickOnMap,              // button
    ChosenCount,            // %1 how many
    PickHint,               // the map's instruction while picking; %1 how many
    MakerPlaces,            // step heading
    CitiesCapitals,         // city choice
    CitiesRegional,         // city choice
    Cities5M,               // city choice
    Cities1M,               // city choice
    Cities300k,             // city choice
    CitiesAll,              // city choice
    PlaceCount,             // %1 how many
    MakerLook,              // step heading
    ViewFitted,             // view choice
    ViewShown,              // view choice
    ColoursOwn,             // colour choice
    ColoursChosen,          // colour choice
    ColourLand,             // colour button
    ColourAreas,            // colour button
    ColourSea,              // colour button
    MakerName,              // step heading
    ListedUnder,            // the continent choice
    NameFallback,           // the name fields' placeholder
    Save,                   // button
    Cancel,                 // button
    MakerReady,             // no problems
    FlagSplit,              // %1 flags a set, %2 exercises
    WorksheetMenu,          // the button that opens the worksheet window
    WorksheetTitle,         // the worksheet window; %1 the exercise
    WorksheetIntro,         // what the worksheet window makes
    WorksheetPaper,         // the paper size's label
    WorksheetSavePdf,       // the button that saves a PDF file
    WorksheetPrint,         // the button that prints
    WorksheetPdfKind,       // the file dialog's filter
    WorksheetSaved,         // %1 the file
    WorksheetFailed,        // %1 the file, %2 why
    WorksheetPrintFailed,   // %1 why
    WorksheetNotMade,       // %1 why
    WorksheetEmpty,         // why: nothing to ask
    WorksheetName,          // the sheet's line for the pupil's name
    WorksheetDate,          // the sheet's line for the date
    WorksheetKey,           // the second page's heading
    WorksheetMapTask,       // the task of a map sheet
    WorksheetFlagTask,      // the task of a flag sheet
    WorksheetChoiceTask,    // the task of a multiple-choice sheet
    Count                   // not a text: how many there are
};

// The text in the language (1 Swedish .. 6 Italian; others give English).
QString OwnText(TOwnText text, int language);
