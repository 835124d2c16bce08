// SPDX-License-Identifier: MIT
// TExerciseMaker: the steps of making an exercise, checked as they change.
#include "ExerciseMaker.h"

#include <QColorDialog>
#include <QComboBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "app/OwnTexts.h"
#include "data/Areor.h"
#include "data/Fileread.h"
#include "data/ovningar.h"
#include "exercise/ovning.h"
#include "screens/ExerciseScreen.h"
#include "teaching/ExerciseRules.h"

namespace {

const char* const KindCodes[] = {"AREA", "ORT", "FLAGG", "MULTI"};
constexpr int MapCount = 5;
constexpr int MainMenuHelpTopic = 101;
constexpr int NorthAmericaMap = 3;
constexpr int NorthAmericaPlaceFile = 3;  // the US places where its insets draw them

// Which cities a place or multiple-choice exercise asks: the largest rank
// they may have, and whether they must be capitals or regional capitals.
struct TCityChoice {
    TOwnText Text;
    int MaxRank;
    bool Capitals;
    bool RegionalCapitals;
};
constexpr TCityChoice CityChoices[] = {
    {TOwnText::CitiesCapitals, 1, true, false}, {TOwnText::CitiesRegional, 10, false, true},
    {TOwnText::Cities5M, 2, false, false},      {TOwnText::Cities1M, 3, false, false},
    {TOwnText::Cities300k, 4, false, false},    {TOwnText::CitiesAll, 255, false, false},
};

// The colours the delivered exercises use: land, areas, sea.
constexpr std::array<TColor, 3> AreaStyle = {MakeColor(206, 196, 170), MakeColor(122, 176, 92),
                                             MakeColor(26, 58, 150)};
constexpr std::array<TColor, 3> PlaceStyle = {MakeColor(228, 220, 196), MakeColor(228, 220, 196),
                                              MakeColor(26, 58, 150)};

const char* const LanguageNames[] = {"Svenska", "English", "Français",
                                     "Deutsch", "Español", "Italiano"};

QString Text(TOwnText text) {
    return OwnText(text, CurrentLanguage);
}

bool UsesPlaces(const QString& kind) {
    return kind == QLatin1String("ORT") || kind == QLatin1String("MULTI");
}

std::array<TColor, 3> StyleFor(const QString& kind) {
    return kind == QLatin1String("ORT") ? PlaceStyle : AreaStyle;
}

}  // namespace

TExerciseMaker::TExerciseMaker(TExerciseRules& rules, const COvning* editing,
                               const QString& continent, QWidget* parent)
    : QDialog(parent), rules_(rules) {
    BuildLayout();
    Translate();
    OpenHelpOnF1(this, MainMenuHelpTopic);  // the main menu's page tells of the teachers' tools
    filling_ = true;
    colours_ = AreaStyle;
    cboContinent->setCurrentIndex(std::max(0, cboContinent->findData(continent)));
    if (editing) {
        setWindowTitle(Text(TOwnText::MakerEditTitle).arg(editing->Names[CurrentLanguage]));
        cboKind->setCurrentIndex(std::max(0, cboKind->findData(editing->Kind)));
        cboMap->setCurrentIndex(std::max(0, cboMap->findData(editing->MapNo)));
        for (int i = 1; i <= editing->ItemCount; ++i) chosen_ << editing->Items[i];
        for (int c = 0; c < int(std::size(CityChoices)); ++c)
            if (CityChoices[c].MaxRank == editing->MaxPlaceRank &&
                CityChoices[c].Capitals == editing->RequirePlaceFlag1 &&
                CityChoices[c].RegionalCapitals == editing->RequirePlaceFlag2)
                cboCities->setCurrentIndex(c);
        if (editing->TopLatitude != 0 || editing->BottomLatitude != 0) {
            view_ = {true, editing->TopLatitude, editing->BottomLatitude, editing->CentreLongitude};
            optShown->setChecked(true);
        }
        const std::array<TColor, 3> own = {editing->LandColor, editing->AreaColor,
                                           editing->SeaColor};
        if (own != StyleFor(editing->Kind) && own != std::array<TColor, 3>{}) {
            colours_ = own;
            optOwnColours->setChecked(true);
        }
        for (int l = 0; l < 6; ++l) txtNames[l]->setText(editing->Names[l + 1]);
        cboContinent->setCurrentIndex(std::max(0, cboContinent->findData(editing->Continent)));
    } else {
        setWindowTitle(Text(TOwnText::MakerNewTitle));
        cboCities->setCurrentIndex(0);
    }
    filling_ = false;
    FillItems();
    ShowColours();
    Update();
}

TExerciseMaker::~TExerciseMaker() = default;

void TExerciseMaker::BuildLayout() {
    cboKind = new QComboBox(this);
    for (const char* code : KindCodes) cboKind->addItem(QString(), QString::fromLatin1(code));
    cboMap = new QComboBox(this);
    for (int map = 1; map <= MapCount; ++map) cboMap->addItem(QString(), map);

    txtSearch = new QLineEdit(this);
    txtSearch->setClearButtonEnabled(true);
    lstItems = new QListWidget(this);
    lstItems->setMinimumHeight(260);
    cmdPick = new QPushButton(this);
    lblChosen = new QLabel(this);

    cboCities = new QComboBox(this);
    for (std::size_t i = 0; i < std::size(CityChoices); ++i) cboCities->addItem(QString());
    lblPlaces = new QLabel(this);

    // Two separate choices: each pair in a widget of its own.
    auto* viewGroup = new QWidget(this);
    auto* colourGroup = new QWidget(this);
    optFitted = new QRadioButton(viewGroup);
    optShown = new QRadioButton(viewGroup);
    optFitted->setChecked(true);
    optMapColours = new QRadioButton(colourGroup);
    optOwnColours = new QRadioButton(colourGroup);
    optMapColours->setChecked(true);
    auto* viewLayout = new QVBoxLayout(viewGroup);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->addWidget(optFitted);
    viewLayout->addWidget(optShown);
    auto* colourLayout = new QGridLayout(colourGroup);
    colourLayout->setContentsMargins(0, 0, 0, 0);
    colourLayout->addWidget(optMapColours, 0, 0, 1, 3);
    colourLayout->addWidget(optOwnColours, 1, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        cmdColours[std::size_t(i)] = new QPushButton(this);
        colourLayout->addWidget(cmdColours[std::size_t(i)], 2, i);
        connect(cmdColours[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { ChooseColour(i); });
    }

    auto* names = new QFormLayout;
    for (int l = 0; l < 6; ++l) {
        txtNames[std::size_t(l)] = new QLineEdit(this);
        txtNames[std::size_t(l)]->setMaxLength(255);
        names->addRow(QString::fromUtf8(LanguageNames[l]), txtNames[std::size_t(l)]);
        connect(txtNames[std::size_t(l)], &QLineEdit::textChanged, this, [this] { Update(); });
    }
    cboContinent = new QComboBox(this);
    for (int continent = 1; continent <= 7; ++continent) {
        static const char* const codes[] = {"EUR", "NOR", "SYD", "ASI", "AFR", "AUS", "*"};
        cboContinent->addItem(QString(), QString::fromLatin1(codes[continent - 1]));
    }
    names->addRow(Text(TOwnText::ListedUnder), cboContinent);

    lblProblems = new QLabel(this);
    lblProblems->setWordWrap(true);
    lblProblems->setMinimumHeight(40);
    cmdSave = new QPushButton(this);
    cmdSave->setDefault(true);
    cmdCancel = new QPushButton(this);

    auto group = [this](TOwnText title, QLayout* inside) {
        auto* box = new QGroupBox(Text(title), this);
        box->setLayout(inside);
        return box;
    };
    auto* kindLayout = new QFormLayout;
    kindLayout->addRow(cboKind);
    kindLayout->addRow(cboMap);
    auto* itemsLayout = new QVBoxLayout;
    itemsLayout->addWidget(txtSearch);
    itemsLayout->addWidget(lstItems, 1);
    auto* pickRow = new QHBoxLayout;
    pickRow->addWidget(cmdPick);
    pickRow->addStretch();
    pickRow->addWidget(lblChosen);
    itemsLayout->addLayout(pickRow);
    auto* citiesLayout = new QVBoxLayout;
    citiesLayout->addWidget(cboCities);
    citiesLayout->addWidget(lblPlaces);
    auto* lookLayout = new QVBoxLayout;
    lookLayout->addWidget(viewGroup);
    lookLayout->addWidget(colourGroup);

    auto* left = new QVBoxLayout;
    left->addWidget(group(TOwnText::MakerKindMap, kindLayout));
    left->addWidget(group(TOwnText::MakerItems, itemsLayout), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(group(TOwnText::MakerPlaces, citiesLayout));
    right->addWidget(group(TOwnText::MakerLook, lookLayout));
    right->addWidget(group(TOwnText::MakerName, names));
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblProblems, 1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(cboKind, &QComboBox::currentIndexChanged, this, [this] {
        ShowColours();
        Update();
    });
    connect(cboMap, &QComboBox::currentIndexChanged, this, [this] {
        view_ = {};  // a view of another map
        optFitted->setChecked(true);
        FillItems();
        Update();
    });
    connect(cboCities, &QComboBox::currentIndexChanged, this, [this] { Update(); });
    connect(cboContinent, &QComboBox::currentIndexChanged, this, [this] { Update(); });
    connect(txtSearch, &QLineEdit::textChanged, this, [this] { FilterItems(); });
    connect(lstItems, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling_) return;
        const QString code = item->data(Qt::UserRole).toString();
        QStringList keys = chosen_;
        if (item->checkState() == Qt::Checked && !keys.contains(code)) keys << code;
        if (item->checkState() != Qt::Checked) keys.removeAll(code);
        SetChosen(keys);
    });
    connect(cmdPick, &QPushButton::clicked, this, &TExerciseMaker::PickOnMap);
    for (QRadioButton* option : {optFitted, optShown, optMapColours, optOwnColours})
        connect(option, &QRadioButton::toggled, this, [this] {
            ShowColours();
            Update();
        });
    connect(cmdSave, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(820, 640);
}

void TExerciseMaker::Translate() {
    const TOwnText kinds[] = {TOwnText::KindArea, TOwnText::KindPlace, TOwnText::KindFlag,
                              TOwnText::KindMulti};
    for (int i = 0; i < 4; ++i) cboKind->setItemText(i, Text(kinds[i]));
    const TOwnText maps[] = {TOwnText::Map1, TOwnText::Map2, TOwnText::Map3, TOwnText::Map4,
                             TOwnText::Map5};
    for (int i = 0; i < MapCount; ++i) cboMap->setItemText(i, Text(maps[i]));
    txtSearch->setPlaceholderText(Text(TOwnText::MakerSearch));
    cmdPick->setText(Text(TOwnText::PickOnMap));
    for (int i = 0; i < int(std::size(CityChoices)); ++i)
        cboCities->setItemText(i, Text(CityChoices[i].Text));
    optFitted->setText(Text(TOwnText::ViewFitted));
    optShown->setText(Text(TOwnText::ViewShown));
    optMapColours->setText(Text(TOwnText::ColoursOwn));
    optOwnColours->setText(Text(TOwnText::ColoursChosen));
    cmdColours[0]->setText(Text(TOwnText::ColourLand));
    cmdColours[1]->setText(Text(TOwnText::ColourAreas));
    cmdColours[2]->setText(Text(TOwnText::ColourSea));
    for (QLineEdit* name : txtNames) name->setPlaceholderText(Text(TOwnText::NameFallback));
    for (int continent = 1; continent <= 7; ++continent)
        cboContinent->setItemText(continent - 1, LanguageText(26 + continent));
    cmdSave->setText(Text(TOwnText::Save));
    cmdCancel->setText(Text(TOwnText::Cancel));
}

QString TExerciseMaker::KindCode() const {
    return cboKind->currentData().toString();
}

int TExerciseMaker::MapNo() const {
    return cboMap->currentData().toInt();
}

void TExerciseMaker::FillItems() {
    filling_ = true;
    lstItems->clear();
    const CAreor* areas = rules_.Areas(MapNo());
    QStringList onThisMap;
    if (areas) {
        std::vector<std::pair<QString, QString>> named;  // name, code
        for (const auto& area : areas->Areas) {
            if (area->PointCount() == 0 || area->IsInset() || onThisMap.contains(area->Code))
                continue;
            onThisMap << area->Code;
            const QString name = area->Names[CurrentLanguage];
            named.emplace_back(name.isEmpty() ? area->Code : name, area->Code);
        }
        std::sort(named.begin(), named.end(), [](const auto& a, const auto& b) {
            return QString::localeAwareCompare(a.first, b.first) < 0;
        });
        for (const auto& [name, code] : named) {
            auto* item = new QListWidgetItem(name, lstItems);
            item->setData(Qt::UserRole, code);
            item->setToolTip(code);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(chosen_.contains(code) ? Qt::Checked : Qt::Unchecked);
        }
    }
    // Keys of another map mean nothing here.
    QStringList kept;
    for (const QString& key : chosen_)
        if (onThisMap.contains(key)) kept << key;
    chosen_ = kept;
    filling_ = false;
    FilterItems();
}

void TExerciseMaker::FilterItems() {
    const QString wanted = txtSearch->text().trimmed();
    for (int row = 0; row < lstItems->count(); ++row) {
        QListWidgetItem* item = lstItems->item(row);
        const bool shown =
            wanted.isEmpty() || item->text().contains(wanted, Qt::CaseInsensitive) ||
            item->data(Qt::UserRole).toString().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
    }
}

void TExerciseMaker::SetChosen(const QStringList& keys) {
    chosen_ = keys;
    chosen_.removeDuplicates();
    filling_ = true;
    for (int row = 0; row < lstItems->count(); ++row) {
        QListWidgetItem* item = lstItems->item(row);
        const bool on = chosen_.contains(item->data(Qt::UserRole).toString());
        if ((item->checkState() == Qt::Checked) != on)
            item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
    Update();
}

void TExerciseMaker::ChooseColour(int which) {
    const QColor chosen = QColorDialog::getColor(ToQColor(colours_[std::size_t(which)]), this);
    if (!chosen.isValid()) return;
    // 0 would mean "the map's default"; pure black is stored one step off it.
    TColor colour = FromQRgb(chosen.rgb());
    if (colour == 0) colour = MakeColor(1, 1, 1);
    colours_[std::size_t(which)] = colour;
    optOwnColours->setChecked(true);
    ShowColours();
    Update();
}

void TExerciseMaker::ShowColours() {
    const std::array<TColor, 3> shown =
        optOwnColours->isChecked() ? colours_ : StyleFor(KindCode());
    for (std::size_t i = 0; i < 3; ++i) {
        const QColor colour = ToQColor(shown[i]);
        const QColor text = colour.lightness() > 140 ? Qt::black : Qt::white;
        cmdColours[i]->setStyleSheet(
            QStringLiteral("background: %1; color: %2;").arg(colour.name(), text.name()));
    }
}

std::unique_ptr<COvning> TExerciseMaker::Draft() const {
    const QString kind = KindCode();
    auto draft = CreateExercise(kind);
    draft->Kind = kind;
    for (int l = 0; l < 6; ++l) draft->Names[l + 1] = txtNames[std::size_t(l)]->text().trimmed();
    TExerciseRules::FillEmptyNames(*draft);
    draft->MapNo = MapNo();
    draft->BorderWidth = 1;
    const bool places = UsesPlaces(kind);
    const TCityChoice& cities = CityChoices[std::max(0, cboCities->currentIndex())];
    draft->MaxPlaceRank = places ? cities.MaxRank : 0;
    draft->RequirePlaceFlag1 = places && cities.Capitals;
    draft->RequirePlaceFlag2 = places && cities.RegionalCapitals;
    const bool unitedStates =
        !chosen_.isEmpty() && std::all_of(chosen_.begin(), chosen_.end(), [](const QString& key) {
            return key.startsWith(QLatin1String("US-"));
        });
    draft->PlaceFileNo =
        places && draft->MapNo == NorthAmericaMap && unitedStates ? NorthAmericaPlaceFile : 1;
    draft->Continent = cboContinent->currentData().toString();
    const std::array<TColor, 3> colours = optOwnColours->isChecked() ? colours_ : StyleFor(kind);
    draft->LandColor = colours[0];
    draft->AreaColor = colours[1];
    draft->SeaColor = colours[2];
    if (optShown->isChecked() && view_.Known) {
        draft->TopLatitude = std::round(view_.Top * 10000) / 10000;
        draft->BottomLatitude = std::round(view_.Bottom * 10000) / 10000;
        draft->CentreLongitude = std::round(view_.Centre * 10000) / 10000;
    }
    draft->ItemCount = int(std::min<qsizetype>(chosen_.size(), COvning::MaxItems));
    for (int i = 1; i <= draft->ItemCount; ++i) draft->Items[i] = chosen_[i - 1];
    return draft;
}

std::vector<std::unique_ptr<COvning>> TExerciseMaker::Result() const {
    std::vector<std::unique_ptr<COvning>> result;
    std::unique_ptr<COvning> draft = Draft();
    const int count = draft->ItemCount;
    if (draft->Kind != QLatin1String("FLAGG") || count <= TExerciseRules::MaxFlags) {
        result.push_back(std::move(draft));
        return result;
    }
    // Sets as even as they can be, each within what the flag screen shows.
    const int sets = (count + TExerciseRules::MaxFlags - 1) / TExerciseRules::MaxFlags;
    int next = 1;
    for (int set = 0; set < sets; ++set) {
        auto part = CreateExercise(draft->Kind);
        part->CopyCatalogueFields(*draft);
        const int size = count / sets + (set < count % sets ? 1 : 0);
        part->ItemCount = size;
        for (int i = 1; i <= size; ++i) part->Items[i] = draft->Items[next++];
        for (int l = 1; l <= 6; ++l)
            part->Names[l] = QStringLiteral("%1 %2").arg(draft->Names[l]).arg(set + 1);
        result.push_back(std::move(part));
    }
    return result;
}

void TExerciseMaker::Update() {
    if (filling_) return;
    const QString kind = KindCode();
    const bool places = UsesPlaces(kind);
    cboCities->setEnabled(places);
    optShown->setEnabled(view_.Known);
    if (!view_.Known && optShown->isChecked()) optFitted->setChecked(true);
    lblChosen->setText(Text(TOwnText::ChosenCount).arg(chosen_.size()));

    problems_.clear();
    QString note;
    if (chosen_.size() > COvning::MaxItems) {
        problems_ << Text(TOwnText::RuleTooMany).arg(COvning::MaxItems).arg(chosen_.size());
    } else {
        const auto parts = Result();
        for (const auto& part : parts)
            for (const QString& problem : rules_.ProblemsOf(*part, CurrentLanguage))
                if (!problems_.contains(problem)) problems_ << problem;
        if (parts.size() > 1)
            note = Text(TOwnText::FlagSplit).arg(TExerciseRules::MaxFlags).arg(parts.size());
    }
    lblPlaces->setVisible(places);
    if (places) {
        // The cities themselves on the count's tooltip.
        const QStringList cities = rules_.PlaceNames(*Draft(), CurrentLanguage);
        lblPlaces->setText(Text(TOwnText::PlaceCount).arg(cities.size()));
        lblPlaces->setToolTip(cities.join(QStringLiteral(", ")));
    }

    if (problems_.isEmpty()) {
        lblProblems->setStyleSheet(QStringLiteral("color: #1d6b2a;"));
        lblProblems->setText(note.isEmpty() ? Text(TOwnText::MakerReady)
                                            : note + QLatin1Char(' ') + Text(TOwnText::MakerReady));
    } else {
        lblProblems->setStyleSheet(QStringLiteral("color: #b00020;"));
        lblProblems->setText(problems_.join(QLatin1Char('\n')));
    }
    cmdSave->setEnabled(problems_.isEmpty());
}

void TExerciseMaker::PickOnMap() {
    picker_ = std::make_unique<CMapPicker>(*Draft(), chosen_);
    picker_->Changed = [this](const QStringList& keys) { SetChosen(keys); };
    try {
        PickScreen = CreateExerciseScreen(QStringLiteral("AREA"), this);
        PickScreen->setAttribute(Qt::WA_DeleteOnClose);
        PickScreen->setWindowModality(Qt::ApplicationModal);
        QEventLoop loop;
        connect(PickScreen, &QObject::destroyed, &loop, &QEventLoop::quit);
        PickScreen->StartExercise(*picker_);
        if (PickScreen) loop.exec();
    } catch (const std::exception& e) {
        LogFailure(e, QStringLiteral("picking the items on the map"));
        if (PickScreen) PickScreen->close();
    }
    if (picker_->LastView().Known) view_ = picker_->LastView();
    SetChosen(picker_->Chosen());
    picker_.reset();
}
