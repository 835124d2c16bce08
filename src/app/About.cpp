// SPDX-License-Identifier: MIT
// The about screen.
#include "About.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStringDecoder>
#include <QUrl>

#include "app/Generell.h"
#include "app/GenerellUi.h"
#include "data/Fileread.h"
#include "platform/MessageBoxes.h"
#include "platform/SettingsStore.h"
#include "platform/TextCodec.h"

namespace {

constexpr int FormWidth = 529;
constexpr int FormHeight = 378;
constexpr int BarWidth = 10;
constexpr int Left = BarWidth + 14;
constexpr int InnerWidth = FormWidth - 2 * Left;

QFrame* Rule(QWidget* parent, int top) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(Left, top, InnerWidth, 2);
    return rule;
}

QFrame* Bar(QWidget* parent, int left) {
    auto* bar = new QFrame(parent);
    bar->setGeometry(left, 0, BarWidth, FormHeight);
    bar->setAutoFillBackground(true);
    return bar;
}

// README.TXT may come as UTF-8 or in the old single-byte code page.
QString DecodeReadme(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? FromWindows1252(bytes) : text;
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ReadmeFile(ProgramFile(QStringLiteral("README.TXT"))) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Glomira"));
    setFixedSize(FormWidth, FormHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    Shape4 = Bar(this, 0);
    Shape5 = Bar(this, FormWidth - BarWidth);

    QFont bold = font();
    bold.setBold(true);
    lblVersion = new QLabel(this);
    lblVersion->setFont(bold);
    lblVersion->setAlignment(Qt::AlignCenter);
    lblVersion->setGeometry(Left, 8, InnerWidth, 20);
    lblVersion->setText(QStringLiteral("Glomira version ") + QStringLiteral(" ") +
                        QLatin1String(Version));
    Rule(this, 32);

    auto* credits = new QLabel(
        QStringLiteral("A geography quiz about the whole world, in six languages.\n"
                       "Made by the Glomira developers.\n"
                       "Maps, places and flags come from open geographic data; see below."),
        this);
    credits->setAlignment(Qt::AlignCenter);
    credits->setGeometry(Left, 38, InnerWidth, 52);
    Rule(this, 94);

    chkSound = new QCheckBox(QStringLiteral("Sound Effects"), this);
    chkSound->setGeometry(Left + 110, 102, 140, 22);
    chkMusic = new QCheckBox(QStringLiteral("Music"), this);
    chkMusic->setGeometry(Left + 280, 102, 120, 22);
    Rule(this, 130);

    auto* visit = new QLabel(
        QStringLiteral("Visit our website and have a look at our other software products:"), this);
    visit->setAlignment(Qt::AlignCenter);
    visit->setGeometry(Left, 136, InnerWidth, 18);
    Label3 = new TClickLabel(QStringLiteral("www.glomira.example.org"), this);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setGeometry(FormWidth / 2 - 100, 154, 200, 18);
    connect(Label3, &TClickLabel::mouseDown, this, &TfrmAbout::Label3MouseDown);

    memAbout = new QPlainTextEdit(this);
    memAbout->setReadOnly(true);
    memAbout->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    memAbout->setFont(arial);
    memAbout->setGeometry(Left, 178, InnerWidth, 154);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(Left, 338, InnerWidth, 30);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmAbout::cmdOKClick);

    OpenHelpOnF1(this, 100);
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmAbout::FormShow() {
    for (QFrame* bar : {Shape4, Shape5}) {
        QPalette p = bar->palette();
        p.setColor(QPalette::Window, ToQColor(FrameColor));
        bar->setPalette(p);
    }
    FillReadme();
    chkSound->setChecked(SoundsOn);
    chkMusic->setChecked(MusicOn);
}

void TfrmAbout::FillReadme() {
    // Emptied first, so that showing the screen again does not repeat the text.
    memAbout->setPlainText(QString());
    QFile file(ReadmeFile);
    if (!file.open(QIODevice::ReadOnly)) return;
    QString text = DecodeReadme(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    memAbout->setPlainText(text);
}

void TfrmAbout::cmdOKClick() {
    try {
        MusicOn = chkMusic->isChecked();
        SoundsOn = chkSound->isChecked();
        TSettingsStore settings;
        settings.WriteString(QStringLiteral("Options"), QStringLiteral("Music"),
                             MusicOn ? QStringLiteral("1") : QStringLiteral("0"));
        settings.WriteString(QStringLiteral("Options"), QStringLiteral("Sounds"),
                             SoundsOn ? QStringLiteral("1") : QStringLiteral("0"));
    } catch (const Exception&) {
        ShowMessage(TMessageKind::Information, SettingsWriteFailedText());
    }
    accept();
}

QString TfrmAbout::WebPage(int language) {
    return QLatin1String(WebHost) + (language == 1
                                         ? QStringLiteral("/program/glomira/?from=Glomira")
                                         : QStringLiteral("/software/glomira/?from=Glomira"));
}

void TfrmAbout::Label3MouseDown() {
    QDesktopServices::openUrl(QUrl(WebPage(CurrentLanguage)));
}
