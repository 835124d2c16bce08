// SPDX-License-Identifier: MIT
// The main menu: continent map and lists, exercise start, and the buttons
// to the high-score list, help, the about screen and quitting.
#include "Hmeny.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "app/About.h"
#include "app/ColorScheme.h"
#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/Lang.h"
#include "app/MenuKeys.h"
#include "app/OwnTexts.h"
#include "app/PaletteSwitch.h"
#include "exercise/ExerciseItems.h"
#include "history/ResultsHistory.h"
#include "learning/FlagGallery.h"
#include "learning/ProgressFigures.h"
#include "learning/ProgressWindow.h"
#include "learning/ResultsExportDialog.h"
#include "learning/ReviewWindow.h"
#include "platform/MediaPlayers.h"
#include "platform/MessageBoxes.h"
#include "platform/Random.h"
#include "scores/Topp.h"
#include "screens/ExerciseScreen.h"
#include "screens/ScreenSupport.h"
#include "screens/Unit1.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "teaching/OwnExercises.h"
#include "teaching/TeacherTools.h"
#include "worksheets/WorksheetDialog.h"

namespace {

constexpr int MapWidth = 386;  // the map control, a little smaller than its pictures
constexpr int MapHeight = 136;
constexpr int PictureWidth = 396;
constexpr int PictureHeight = 155;
constexpr TColor SeaColour = Colors::Navy;

const char* const kPictureFiles[ContinentCount] = {
    ":/continents/eur.png",   ":/continents/nor.png", ":/continents/syd.png",
    ":/continents/asi.png",   ":/continents/afr.png", ":/continents/aus.png",
    ":/continents/world.png",
};

// Map clicks test the continents in this order; the last match wins.
constexpr int kHitOrder[] = {5, 3, 2, 4, 1, 6};

QString FailureText(const QString& what, const QString& message, bool terminating) {
    QString text = QStringLiteral("Oops! I failed to %1.\nThe following problem occurred: %2")
                       .arg(what, message);
    if (terminating) text += QStringLiteral("\nGlomira will be terminated.");
    return text;
}

QString MessageOf(const std::exception& e) {
    if (const auto* own = dynamic_cast<const Exception*>(&e)) return own->Message();
    return QString::fromLocal8Bit(e.what());
}

}  // namespace

namespace {
// An own exercise's line holds its number.
constexpr int OwnNumberRole = Qt::UserRole + 17;
}  // namespace

QString ContinentCode(int continent) {
    static const char* const codes[ContinentCount] = {"EUR", "NOR", "SYD", "ASI",
                                                      "AFR", "AUS", "*"};
    if (continent < 1 || continent > ContinentCount) return {};
    return QString::fromLatin1(codes[continent - 1]);
}

// Outside any namespace, as the resource initialiser requires.
static void InitMenuResources() {
    Q_INIT_RESOURCE(menu);
}

// --- TShape ---------------------------------------------------------------

TShape::TShape(Form form, QWidget* parent) : QWidget(parent), form_(form) {
    setAttribute(Qt::WA_TransparentForMouseEvents, form != Form::Circle);
}

void TShape::SetBrushColor(TColor colour) {
    colour_ = colour;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    switch (form_) {
        case Form::Rectangle:
            p.fillRect(rect(), ToQColor(colour_));
            break;
        case Form::Outline:
            p.setPen(ToQColor(colour_));
            p.drawRect(rect().adjusted(0, 0, -1, -1));
            break;
        case Form::Circle: {
            // A circle as wide as the shape, centred in it.
            const int d = qMin(width(), height()) - 1;
            const QRect circle((width() - d) / 2, (height() - d) / 2, d, d);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(Qt::black);
            p.setBrush(ToQColor(colour_));
            p.drawEllipse(circle);
            break;
        }
    }
}

void TShape::mousePressEvent(QMouseEvent*) {
    emit mouseDown();
}

// --- TfrmHuvudmeny --------------------------------------------------------

TfrmHuvudmeny::TfrmHuvudmeny(QWidget* parent) : QWidget(parent) {
    InitMenuResources();
    setWindowTitle(QStringLiteral("Glomira"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    OwnExercises = std::make_unique<TOwnExercises>(OwnExercisesFile(), OwnHighScoreFile());
    BuildLayout();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // The colour scheme follows the display's colour count.
    UseColorSchemeOf(QGuiApplication::primaryScreen());

    SoundsOn = true;
    MusicOn = true;
    Players = std::make_unique<TMediaPlayers>();

    // Bare data-file names resolve against the program's folder from here on.
    QDir::setCurrent(ProgramDirectory());

    // Clicks are judged on the pictures; on a high-DPI screen the map shows
    // their twins of twice the size, where they are.
    const int ratio = devicePixelRatioF() > 1 ? 2 : 1;
    for (int c = 1; c <= ContinentCount; ++c) {
        pictures_[c] = QImage(kPictureFiles[c - 1]);
        QImage sharp;
        if (ratio > 1)
            sharp = QImage(QString::fromLatin1(kPictureFiles[c - 1]).replace(".png", "@2x.png"));
        if (sharp.isNull()) {
            shownPictures_[c] = pictures_[c];
        } else {
            sharp.setDevicePixelRatio(ratio);
            shownPictures_[c] = sharp;
        }
    }
    mapImage_ = QImage(QSize(MapWidth, MapHeight) * ratio, QImage::Format_RGB32);
    mapImage_.setDevicePixelRatio(ratio);
    mapImage_.fill(ToQRgb(SeaColour));

    const QString templateFile = ProgramFile(QStringLiteral("bmptest.bmp"));
    QImage templ(templateFile);
    if (templ.isNull()) {
        // Start-up goes on with an empty template.
        QTimer::singleShot(0, this, [templateFile] {
            ShowMessage(TMessageKind::Error,
                        QStringLiteral("Cannot open file \"%1\".").arg(templateFile));
        });
    } else {
        TemplateBitmap = templ.convertToFormat(QImage::Format_RGB32);
    }
}

TfrmHuvudmeny::~TfrmHuvudmeny() {
    // The screens are the menu's children and go with it; hidden first, so
    // none shows again while the rest is torn down.
    ReleaseExerciseScreens(TRelease::All);
    SetRunReview({});
}

void TfrmHuvudmeny::SetScreens(TfrmLang* languageScreen, TfrmAbout* aboutScreen) {
    languageScreen_ = languageScreen;
    aboutScreen_ = aboutScreen;
}

void TfrmHuvudmeny::BuildLayout() {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    panPanel = new QWidget(this);
    panPanel->setGeometry(0, 0, 583, 547);
    panPanel->setAutoFillBackground(true);
    panPanel->setPalette(white);

    Shape3 = new TShape(TShape::Form::Rectangle, panPanel);
    Shape3->setGeometry(0, 0, 136, 547);
    Shape1 = new TShape(TShape::Form::Rectangle, panPanel);
    Shape1->setGeometry(569, 0, 14, 547);
    Image1 = new QLabel(panPanel);
    Image1->setGeometry(8, 62, 120, 423);

    Shape4 = new TShape(TShape::Form::Outline, panPanel);
    Shape4->setGeometry(157, 6, 390, 140);
    imgMap = new QLabel(panPanel);
    imgMap->setGeometry(159, 8, MapWidth, MapHeight);
    imgMap->setScaledContents(true);
    imgMap->setPixmap(QPixmap::fromImage(mapImage_));
    imgMap->setCursor(Qt::PointingHandCursor);

    lblInstruktion = new QLabel(panPanel);
    lblInstruktion->setGeometry(159, 118, 386, 30);
    lblInstruktion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblInstruktion->setWordWrap(true);
    lblInstruktion->setStyleSheet(
        QStringLiteral("color: white; background: transparent; font-size: 11px;"));
    lblInstruktion->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetTag(lblInstruktion, 25);

    // The lists leave a row under them for practice, explore and progress.
    constexpr int listHeight = 225;
    lstParts = new QListWidget(panPanel);
    lstParts->setGeometry(159, 148, 106, listHeight);
    QFont small = lstParts->font();
    small.setPixelSize(11);  // continent names fit the narrow list
    lstParts->setFont(small);
    cboOvningar = new QListWidget(panPanel);
    cboOvningar->setGeometry(265, 148, 281, listHeight);
    for (QListWidget* list : {lstParts, cboOvningar}) {
        // Every name whole: a long one takes two lines.
        list->setItemDelegate(new TSideNoteDelegate(list));
        list->setWordWrap(true);
        list->setResizeMode(QListView::Adjust);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideRight);

        // The instruction slides down behind the lists.
        list->raise();
    }

    auto button = [this](int x, int y, int w, int h, int tag) {
        auto* b = new QPushButton(panPanel);
        b->setGeometry(x, y, w, h);
        SetTag(b, tag);
        return b;
    };
    cmdStarta = button(159, 420, 190, 34, 1);
    cmdTioitopp = button(356, 420, 190, 34, 2);
    Shape2 = new TShape(TShape::Form::Circle, panPanel);
    Shape2->setGeometry(347, 464, 11, 17);
    Shape2->SetBrushColor(Colors::Red);
    cmdHjalp = button(159, 492, 124, 32, 18);
    cmdOm = button(290, 492, 124, 32, 5);
    cmdAvsluta = button(421, 492, 125, 32, 3);
    cmdStarta->setDefault(true);
    const int learnTop = 148 + listHeight + 3;
    cmdPractise = button(159, learnTop, 127, 24, 0);
    cmdExplore = button(289, learnTop, 127, 24, 0);
    cmdProgress = button(419, learnTop, 127, 24, 0);
    // Either side of the red dot, under Start and High scores.
    cmdTeachers = button(159, 459, 180, 26, 0);
    cmdWorksheet = button(366, 459, 180, 26, 0);
    Teachers = new TTeacherTools(*OwnExercises, this);
    cmdTeachers->setMenu(Teachers->Menu());
    chkColourBlind = new TPaletteSwitch(panPanel);
    chkColourBlind->setGeometry(159, 527, 387, 18);

    tmrInstruktion = new QTimer(this);
    tmrInstruktion->setInterval(200);

    imgMap->installEventFilter(this);
    lstParts->viewport()->installEventFilter(this);
    new TMenuKeys(
        lstParts, cboOvningar, [this] { cmdStartaClick(); }, this);
    // After the keys' filter, so that this one sees every key pressed in the list.
    lstParts->installEventFilter(this);
    connect(cboOvningar, &QListWidget::itemDoubleClicked, this, [this] { cmdStartaClick(); });
    connect(cmdStarta, &QPushButton::clicked, this, &TfrmHuvudmeny::cmdStartaClick);
    connect(cmdTioitopp, &QPushButton::clicked, this, &TfrmHuvudmeny::cmdTioitoppClick);
    connect(cmdHjalp, &QPushButton::clicked, this, &TfrmHuvudmeny::cmdHjalpClick);
    connect(cmdOm, &QPushButton::clicked, this, &TfrmHuvudmeny::cmdOmClick);
    connect(cmdAvsluta, &QPushButton::clicked, this, &TfrmHuvudmeny::cmdAvslutaClick);
    connect(tmrInstruktion, &QTimer::timeout, this, &TfrmHuvudmeny::tmrInstruktionTimer);
    connect(Shape2, &TShape::mouseDown, this, &TfrmHuvudmeny::Shape2MouseDown);
    connect(cmdPractise, &QPushButton::clicked, this, &TfrmHuvudmeny::cmdPractiseClick);
    connect(cmdExplore, &QPushButton::clicked, this, &TfrmHuvudmeny::cmdExploreClick);
    connect(cmdProgress, &QPushButton::clicked, this, &TfrmHuvudmeny::cmdProgressClick);
    connect(cmdWorksheet, &QPushButton::clicked, this, &TfrmHuvudmeny::cmdWorksheetClick);
    InstallRunReview(this, [this](int number, const QStringList& keys) {
        for (const COvning* entry : AllEntries())
            if (entry->HistoryNumber() == number) return StartPractice(*entry, keys);
    });
    Teachers->ChosenEntry = [this] { return ChosenEntry(); };
    Teachers->Continent = [this] {
        const QString code = ContinentCode(CurrentContinent);
        return code.isEmpty() ? QStringLiteral("EUR") : code;
    };
    Teachers->Changed = [this](const COvning* choose) { OwnExercisesChanged(choose); };
    OpenHelpOnF1(this, 101);  // the main window's own topic, as its help button
}

void TfrmHuvudmeny::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // Let the window appear before the language screen asks.
    QTimer::singleShot(0, this, &TfrmHuvudmeny::FormShow);
}

void TfrmHuvudmeny::FormShow() {
    {
        TWaitCursor wait;
        Shape3->SetBrushColor(FrameColor);
        Shape1->SetBrushColor(FrameColor);
        Shape4->SetBrushColor(FrameColor);
        PictureOffsetX = (imgMap->width() - PictureWidth) / 2;
        PictureOffsetY = (imgMap->height() - PictureHeight) / 2;
        panPanel->move((width() - panPanel->width()) / 2, (height() - panPanel->height()) / 2);
        mapImage_.fill(ToQRgb(SeaColour));
        imgMap->setPixmap(QPixmap::fromImage(mapImage_));

        CurrentLanguage = languageScreen_ ? languageScreen_->exec() : CurrentLanguage;
    }
    if (CurrentLanguage == TfrmLang::CancelResult) {
        close();
    } else {
        try {
            TWaitCursor wait;
            Catalogue = std::make_unique<COvningar>();
            Catalogue->Load(QStringLiteral("Ovning.crp"));
            LoadOwnExercises();
            CurrentContinent = 1;
            FyllOvningslista(1);
            DrawContinent(1);
            LoadLanguageTable();
            TranslateCaptions(this);
            chkColourBlind->Translate(CurrentLanguage);
            for (int number = 27; number <= 33; ++number) lstParts->addItem(LanguageText(number));
            cmdPractise->setText(OwnText(TOwnText::MenuPractise, CurrentLanguage));
            cmdExplore->setText(OwnText(TOwnText::MenuExplore, CurrentLanguage));
            cmdProgress->setText(OwnText(TOwnText::MenuProgress, CurrentLanguage));
            cmdTeachers->setText(OwnText(TOwnText::TeacherMenu, CurrentLanguage));
            cmdWorksheet->setText(OwnText(TOwnText::WorksheetMenu, CurrentLanguage));
            Teachers->Translate();
            lstParts->clearSelection();
            lstParts->setCurrentRow(-1);
        } catch (const std::exception& e) {
            LogFailure(e, QStringLiteral("opening the main menu"));
            ShowMessage(TMessageKind::Error,
                        FailureText(QStringLiteral("open the main menu"), MessageOf(e), true));
            close();
        }
    }
    ShowGifPicture(Image1, QStringLiteral("logo.gif"));
    if (!fileToImport_.isEmpty() && Catalogue) {
        const QString file = std::exchange(fileToImport_, QString());
        QTimer::singleShot(0, this, [this, file] { Teachers->Import(file, true); });
    }
}

void TfrmHuvudmeny::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TfrmHuvudmeny::FormActivate() {
    // Closing one screen to start another (practice from the review) may
    // activate the menu on a desktop before the new screen: that one stays.
    if (!starting_) ReleaseExerciseScreens(TRelease::AllButNew);
    ShowProgressFigures();  // a run may have ended meanwhile
}

void TfrmHuvudmeny::ReleaseExerciseScreens(TRelease which) {
    const auto release = [this, which](auto& screen) {
        if (!screen ||
            (which == TRelease::AllButNew && screen == newScreen_ && screen->isVisible()))
            return;
        screen->hide();
        screen->deleteLater();
        screen = nullptr;
    };
    release(MapScreen);
    release(FlagScreen);
    release(MultiScreen);
}

void TfrmHuvudmeny::FyllOvningslista(int continent) {
    cboOvningar->clear();
    const QString code = ContinentCode(continent);
    if (code != QLatin1String("EUR")) tmrInstruktion->start();
    if (!Catalogue) return;
    for (const COvning* entry = Catalogue->First; entry; entry = entry->Next)
        if (entry->Continent == code) cboOvningar->addItem(entry->Names[CurrentLanguage]);
    // The player's own follow, in italics; their lines know their number,
    // as their names may repeat a delivered one's.
    for (const COvning* entry = OwnExercises->First(); entry; entry = entry->Next) {
        if (entry->Continent != code) continue;
        auto* line = new QListWidgetItem(entry->Names[CurrentLanguage], cboOvningar);
        line->setData(OwnNumberRole, entry->Number);
        QFont italic = line->font();
        italic.setItalic(true);
        line->setFont(italic);
        line->setToolTip(OwnText(TOwnText::OwnTip, CurrentLanguage));
    }
    cboOvningar->clearSelection();
    cboOvningar->setCurrentRow(-1);
    ShowProgressFigures();
}

void TfrmHuvudmeny::ShowProgressFigures() {
    const TResultsHistory* history = CurrentResultsHistory();
    if (!history || !Catalogue) return;
    for (int row = 0; row < cboOvningar->count(); ++row) {
        QListWidgetItem* line = cboOvningar->item(row);
        const COvning* entry = EntryOfLine(row);
        if (!entry) continue;
        const QStringList keys = ItemKeysOf(*entry);
        const TProgressFigures figures = ProgressFiguresOf(*history, entry->HistoryNumber(), keys);
        line->setData(ProgressFiguresRole, figures.ShortText());
        const QString tip = figures.LongText(CurrentLanguage);
        line->setToolTip(entry->Own ? OwnText(TOwnText::OwnTip, CurrentLanguage) + '\n' + tip
                                    : tip);
    }
}

QStringList TfrmHuvudmeny::ItemKeysOf(const COvning& entry) {
    const auto known = itemKeys_.find(entry.HistoryNumber());
    if (known != itemKeys_.end()) return known->second;
    QStringList keys;
    try {
        keys = TExerciseItems::KeysOf(entry);
    } catch (const std::exception& e) {
        LogFailure(e, QStringLiteral("listing the items of exercise %1").arg(entry.Number));
    }
    itemKeys_.emplace(entry.HistoryNumber(), keys);
    return keys;
}

COvning* TfrmHuvudmeny::ChosenEntry() const {
    const auto selected = cboOvningar->selectedItems();
    if (selected.isEmpty()) return nullptr;
    return EntryOfLine(cboOvningar->row(selected.first()));
}

COvning* TfrmHuvudmeny::EntryOfLine(int row) const {
    const QListWidgetItem* line = cboOvningar->item(row);
    if (!line || !Catalogue) return nullptr;
    const QVariant own = line->data(OwnNumberRole);
    if (own.isValid()) return OwnExercises->Find(own.toInt());
    return Catalogue->FindByName(line->text());
}

std::vector<const COvning*> TfrmHuvudmeny::AllEntries() const {
    std::vector<const COvning*> all =
        Catalogue ? Catalogue->Entries() : std::vector<const COvning*>();
    for (const COvning* entry : OwnExercises->Entries()) all.push_back(entry);
    return all;
}

void TfrmHuvudmeny::LoadOwnExercises() {
    try {
        OwnExercises->Load();
    } catch (const Exception& e) {
        // Keep the file as it is for the player; the next save would
        // otherwise write only what could be read.
        LogFailure(e, QStringLiteral("reading the own exercises"));
        const QString file = OwnExercises->FileName();
        const QString aside =
            file + QStringLiteral(".unreadable-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
        QFile::copy(file, aside);
        QTimer::singleShot(0, this, [aside, message = e.Message()] {
            ShowMessage(TMessageKind::Error,
                        OwnText(TOwnText::OwnUnreadable, CurrentLanguage).arg(aside, message));
        });
    }
}

void TfrmHuvudmeny::OwnExercisesChanged(const COvning* choose) {
    // An edit may have changed what an own exercise asks.
    std::erase_if(itemKeys_,
                  [](const auto& known) { return known.first > COvning::OwnHistoryBase; });
    if (choose) {
        for (int continent = 1; continent <= ContinentCount; ++continent)
            if (ContinentCode(continent) == choose->Continent && continent != CurrentContinent)
                SattVarldsdel(continent);
    }
    const int number = choose ? choose->Number : 0;
    FyllOvningslista(CurrentContinent);
    for (int row = 0; row < cboOvningar->count() && number; ++row)
        if (cboOvningar->item(row)->data(OwnNumberRole).toInt() == number)
            cboOvningar->setCurrentRow(row);
}

void TfrmHuvudmeny::cmdPractiseClick() {
    const COvning* entry = ChosenEntry();
    if (!entry) return;
    const QStringList keys = ItemKeysOf(*entry);
    TLearningSchedule schedule;
    if (const TResultsHistory* history = CurrentResultsHistory())
        schedule = history->Schedule(entry->HistoryNumber());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QStringList due = schedule.Due(keys, now);
    if (!due.isEmpty()) {
        StartPractice(*entry, due);
        return;
    }
    const std::optional<QDateTime> next = schedule.NextDue(keys);
    const QString when = next ? ShownDateTime(*next, CurrentLanguage) : QStringLiteral("?");
    ShowMessage(TMessageKind::Information,
                OwnText(TOwnText::NothingDue, CurrentLanguage).arg(when));
}

void TfrmHuvudmeny::StartPractice(const COvning& entry, const QStringList& keys) {
    std::unique_ptr<COvning> practice = COvning::PracticeOf(entry, keys);
    previousPractice_ = std::move(practice_);
    practice_ = std::move(practice);
    StartEntry(*practice_);
}

void TfrmHuvudmeny::cmdExploreClick() {
    COvning* entry = ChosenEntry();
    if (!entry) return;
    if (ScreenKindFor(entry->Kind) == TScreenKind::Flags) {
        try {
            TWaitCursor wait;
            auto* gallery = new TFlagGallery(*entry, TExerciseItems(*entry), this);
            gallery->show();
        } catch (const std::exception& e) {
            LogFailure(e, QStringLiteral("exploring exercise %1").arg(entry->Number));
            ShowMessage(TMessageKind::Error,
                        FailureText(QStringLiteral("show the flags"), MessageOf(e), false));
        }
        return;
    }
    std::unique_ptr<COvning> explore = COvning::ExploreOf(*entry);
    previousPractice_ = std::move(practice_);
    practice_ = std::move(explore);
    StartEntry(*practice_);
}

void TfrmHuvudmeny::cmdWorksheetClick() {
    const COvning* entry = ChosenEntry();
    if (!entry) return;
    ShowWorksheetDialog(this, *entry);
}

void TfrmHuvudmeny::cmdProgressClick() {
    const COvning* entry = ChosenEntry();
    if (!entry) return;
    try {
        TWaitCursor wait;
        auto* window = new TProgressWindow(*entry, TExerciseItems(*entry), CurrentResultsHistory(),
                                           QDateTime::currentDateTimeUtc(), this);
        connect(window, &TProgressWindow::exportResults, this, [this, window](int number) {
            const TResultsHistory* history = CurrentResultsHistory();
            if (!history || !Catalogue) return;
            TResultsExportDialog dialog(AllEntries(), *history, number, window);
            dialog.exec();
        });
        window->show();
    } catch (const std::exception& e) {
        LogFailure(e, QStringLiteral("showing the progress of exercise %1").arg(entry->Number));
        ShowMessage(TMessageKind::Error,
                    FailureText(QStringLiteral("show the progress"), MessageOf(e), false));
    }
}

void TfrmHuvudmeny::DrawContinent(int continent) {
    QPainter p(&mapImage_);
    p.drawImage(PictureOffsetX, PictureOffsetY, shownPictures_[continent]);
    p.end();
    imgMap->setPixmap(QPixmap::fromImage(mapImage_));
}

void TfrmHuvudmeny::SattVarldsdel(int continent) {
    CurrentContinent = continent;
    if (continent >= 1 && continent <= ContinentCount) DrawContinent(continent);
    if (continent >= 1 && continent <= lstParts->count()) {
        lstParts->setCurrentRow(continent - 1);
    } else {
        lstParts->clearSelection();
        lstParts->setCurrentRow(-1);
    }
    FyllOvningslista(continent);
    PlayEffect(QStringLiteral("Plopp.WAV"), 2);
}

QRgb TfrmHuvudmeny::ContinentPixel(int continent, int px, int py) const {
    const QImage& picture = pictures_[continent];
    if (!picture.valid(px, py)) return 0xFFFFFFFFu;  // outside: matches nothing drawn
    return picture.pixel(px, py) | 0xFF000000u;
}

void TfrmHuvudmeny::imgMapMouseDown(int x, int y) {
    const int px = x - PictureOffsetX;
    const int py = y - PictureOffsetY;
    if (ContinentPixel(6, px, py) == (ToQRgb(SeaColour) | 0xFF000000u)) {
        SattVarldsdel(7);
    } else {
        const QRgb world = ContinentPixel(7, px, py);
        for (int continent : kHitOrder)
            if (world != 0xFFFFFFFFu && ContinentPixel(continent, px, py) == world)
                SattVarldsdel(continent);
    }
    if (CurrentContinent >= 1 && CurrentContinent <= lstParts->count())
        lstParts->setCurrentRow(CurrentContinent - 1);
}

int TfrmHuvudmeny::SelectedContinentLine() const {
    const auto selected = lstParts->selectedItems();
    return selected.isEmpty() ? -1 : lstParts->row(selected.first());
}

void TfrmHuvudmeny::lstPartsMouseUp() {
    SattVarldsdel(SelectedContinentLine() + 1);
}
void TfrmHuvudmeny::lstPartsKeyUp() {
    SattVarldsdel(SelectedContinentLine() + 1);
}

bool TfrmHuvudmeny::eventFilter(QObject* watched, QEvent* event) {
    if (watched == imgMap && event->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
        imgMapMouseDown(p.x(), p.y());
        return true;
    }
    if (watched == newScreen_ && event->type() == QEvent::WindowActivate) newScreen_ = nullptr;
    // Qt selects on press, so the line is settled by the release.
    if (watched == lstParts->viewport() && event->type() == QEvent::MouseButtonRelease)
        lstPartsMouseUp();
    else if (watched == lstParts && event->type() == QEvent::KeyPress)
        keysDownOnParts_.insert(static_cast<QKeyEvent*>(event)->key());
    else if (watched == lstParts && event->type() == QEvent::FocusOut)
        keysDownOnParts_.clear();  // those come up elsewhere
    // A release counts for a key pressed in the list: the Enter that closed
    // the welcome screen comes up over the menu's list.
    else if (watched == lstParts && event->type() == QEvent::KeyRelease &&
             !static_cast<QKeyEvent*>(event)->isAutoRepeat() &&
             keysDownOnParts_.erase(static_cast<QKeyEvent*>(event)->key()))
        lstPartsKeyUp();
    return QWidget::eventFilter(watched, event);
}

void TfrmHuvudmeny::cmdStartaClick() {
    COvning* entry = ChosenEntry();
    if (!entry) return;  // nothing chosen: nothing to start
    StartEntry(*entry);
}

void TfrmHuvudmeny::StartEntry(COvning& entry) {
    QPointer<TExerciseScreen> screen;
    try {
        TWaitCursor wait;
        const QScopedValueRollback<bool> starting(starting_, true);
        ReleaseExerciseScreens(TRelease::All);
        screen = CreateExerciseScreen(entry.Kind, this);
        MapScreen = qobject_cast<TfrmOvningKarta*>(screen);
        FlagScreen = qobject_cast<TfrmOvningFlagga*>(screen);
        MultiScreen = qobject_cast<TfrmOvningMulti*>(screen);
        screen->StartExercise(entry);
        newScreen_ = screen.data();
        screen->installEventFilter(this);
    } catch (const std::exception& e) {
        LogFailure(e, QStringLiteral("starting exercise %1").arg(entry.Number));
        // A broken exercise costs that exercise, not the whole program.
        if (screen) {
            screen->hide();
            screen->deleteLater();
        }
        MapScreen = nullptr;
        FlagScreen = nullptr;
        MultiScreen = nullptr;
        ShowMessage(TMessageKind::Error,
                    FailureText(QStringLiteral("start the exercise"), MessageOf(e), false));
    }
}

void TfrmHuvudmeny::cmdTioitoppClick() {
    if (!Catalogue) return;
    TfrmTopplista::Execute(this, ScoreFileToRead(HighScoreFile(), HighScoreStartFile()),
                           *Catalogue);
}

void TfrmHuvudmeny::cmdHjalpClick() {
    ShowHelpTopic(101);
}

void TfrmHuvudmeny::cmdOmClick() {
    if (!aboutScreen_) return;
    aboutScreen_->show();
    aboutScreen_->raise();
    aboutScreen_->activateWindow();
}

void TfrmHuvudmeny::cmdAvslutaClick() {
    close();
}

void TfrmHuvudmeny::tmrInstruktionTimer() {
    lblInstruktion->move(lblInstruktion->x(), lblInstruktion->y() + 2);
    if (lblInstruktion->y() > cboOvningar->y()) {
        tmrInstruktion->stop();
        Shape2->SetBrushColor(Colors::Yellow);
    }
}

void TfrmHuvudmeny::Shape2MouseDown() {
    const TColor colour = 0x02000F00u + TColor(std::trunc(Random() * 16773375.0));
    Shape2->SetBrushColor(colour);
}
