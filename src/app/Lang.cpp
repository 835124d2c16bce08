// SPDX-License-Identifier: MIT
// The language screen: fixed English texts, a flag and a radio button per
// language, the choice stored under "Languages"/"From".
#include "Lang.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "data/Fileread.h"
#include "platform/MessageBoxes.h"
#include "platform/SettingsStore.h"

namespace {

constexpr int FormWidth = 320;
constexpr int FormHeight = 400;
constexpr int RowTop = 76;
constexpr int RowStep = 44;
constexpr QSize FlagSize(64, 32);  // the flags keep their own proportions within this

// The flag picture of a row; a plain framed box stands in should a picture be missing.
QPixmap FlagPicture(const QString& name) {
    const QPixmap flag(QStringLiteral(":/langflags/") + name + QStringLiteral(".png"));
    if (!flag.isNull()) return flag.scaled(FlagSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap box(48, 32);
    box.fill(QColor(230, 230, 230));
    QPainter painter(&box);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(0, 0, box.width() - 1, box.height() - 1);
    return box;
}

}  // namespace

// Resources of a static library must be registered by hand.
static void InitLangFlags() {
    Q_INIT_RESOURCE(langflags);
}

TfrmLang::TfrmLang(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    InitLangFlags();
    setObjectName(QStringLiteral("frmLang"));
    setWindowTitle(QStringLiteral("Welcome"));
    setFixedSize(FormWidth, FormHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    QFont bold = font();
    bold.setBold(true);
    auto* lblWelcome = new QLabel(QStringLiteral("Welcome to Glomira!"), this);
    lblWelcome->setFont(bold);
    lblWelcome->setGeometry(24, 16, FormWidth - 48, 20);
    auto* lblSelect = new QLabel(QStringLiteral("Please select a language:"), this);
    lblSelect->setFont(bold);
    lblSelect->setGeometry(24, 40, FormWidth - 48, 20);

    // Rows top to bottom; the numbers are the language numbers.
    AddRow(2, QStringLiteral("gb"), QStringLiteral(" I speak English"), 0);
    AddRow(1, QStringLiteral("se"), QStringLiteral(" I speak Swedish"), 1);
    AddRow(3, QStringLiteral("fr"), QStringLiteral(" I speak French"), 2);
    AddRow(4, QStringLiteral("de"), QStringLiteral(" I speak German"), 3);
    AddRow(5, QStringLiteral("es"), QStringLiteral(" I speak Spanish"), 4);
    AddRow(6, QStringLiteral("it"), QStringLiteral(" I speak Italian"), 5);
    buttons_[2]->setChecked(true);

    const int buttonTop = RowTop + 6 * RowStep + 10;
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(FormWidth / 2 - 100, buttonTop, 92, 28);
    cmdOK->setDefault(true);
    cmdAvbryt = new QPushButton(QStringLiteral("Cancel"), this);
    cmdAvbryt->setGeometry(FormWidth / 2 + 8, buttonTop, 92, 28);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmLang::cmdOKClick);
    connect(cmdAvbryt, &QPushButton::clicked, this, &TfrmLang::cmdAvbrytClick);

    OpenHelpOnF1(this);
}

void TfrmLang::AddRow(int language, const QString& flag, const QString& caption, int row) {
    const int top = RowTop + row * RowStep;
    auto* picture = new TClickLabel(this);
    picture->setPixmap(FlagPicture(flag));
    picture->setAlignment(Qt::AlignCenter);
    picture->setGeometry(36, top, FlagSize.width(), FlagSize.height());
    picture->setCursor(Qt::PointingHandCursor);
    auto* button = new QRadioButton(caption, this);
    button->setGeometry(116, top + (FlagSize.height() - 24) / 2, FormWidth - 134, 24);
    // Clicking the flag chooses its row but does not close the screen.
    connect(picture, &TClickLabel::mouseDown, button, [button] { button->setChecked(true); });
    buttons_[language] = button;
    flags_[language] = picture;
}

void TfrmLang::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmLang::FormShow() {
    const TSettingsStore settings;
    MusicOn = settings.ReadInteger(QStringLiteral("Options"), QStringLiteral("Music"), 1) == 1;
    SoundsOn = settings.ReadInteger(QStringLiteral("Options"), QStringLiteral("Sounds"), 1) == 1;
    // A stored language that is not a whole number counts as missing: English.
    bool ok = false;
    int language =
        settings
            .ReadString(QStringLiteral("Languages"), QStringLiteral("From"), QStringLiteral("2"))
            .trimmed()
            .toInt(&ok);
    if (!ok) language = 2;
    if (language >= 1 && language <= LanguageCount) buttons_[language]->setChecked(true);
}

void TfrmLang::cmdOKClick() {
    int language = 2;
    for (int l = 1; l <= LanguageCount; ++l)
        if (buttons_[l]->isChecked()) language = l;
    try {
        TSettingsStore settings;
        settings.WriteInteger(QStringLiteral("Languages"), QStringLiteral("From"), language);
    } catch (const Exception&) {
        ShowMessage(TMessageKind::Information, SettingsWriteFailedText());
    }
    done(language);
}

void TfrmLang::cmdAvbrytClick() {
    done(CancelResult);
}

void TfrmLang::reject() {
    done(CancelResult);
}
