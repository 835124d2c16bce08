// SPDX-License-Identifier: MIT
// The help window on QTextBrowser; links between pages follow relative to
// the shown page, links to the web go to the system's browser.
#include "HelpViewer.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <map>

namespace {

QString TopicFile(int topic) {
    static const std::map<int, QString> files = {
        {100, QStringLiteral("about.html")},      {101, QStringLiteral("mainmenu.html")},
        {102, QStringLiteral("mapscreen.html")},  {103, QStringLiteral("multiplechoice.html")},
        {104, QStringLiteral("flagscreen.html")},
    };
    const auto found = files.find(topic);
    return found == files.end() ? QStringLiteral("index.html") : found->second;
}

QPointer<THelpViewer>& Window() {
    static QPointer<THelpViewer> window;
    return window;
}

}  // namespace

QString HelpPageFile(const QString& helpFolder, const QString& language, int topic) {
    const QString own =
        helpFolder + QLatin1Char('/') + language + QLatin1Char('/') + TopicFile(topic);
    if (QFileInfo(own).isFile()) return own;
    return helpFolder + QStringLiteral("/en/") + TopicFile(topic);
}

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    resize(640, 560);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);

    auto* contents = contents_ = new QPushButton(this);
    auto* back = back_ = new QPushButton(this);
    auto* forward = forward_ = new QPushButton(this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] {
        const QFileInfo page(CurrentPage());
        ShowPage(page.absolutePath() + QStringLiteral("/index.html"));
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    SetTexts(texts_);
}

void THelpViewer::SetTexts(const THelpTexts& texts) {
    texts_ = texts;
    setWindowTitle(texts.title);
    contents_->setText(texts.contents);
    back_->setText(texts.back);
    forward_->setText(texts.forward);
}

void THelpViewer::ShowPage(const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) {
        browser_->setHtml(QStringLiteral("<h2>") + texts_.missingTitle.toHtmlEscaped() +
                          QStringLiteral("</h2><p>") +
                          texts_.missingText.toHtmlEscaped().arg(fileName.toHtmlEscaped()) +
                          QStringLiteral("</p>"));
        return;
    }
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}

QString THelpViewer::CurrentPage() const {
    return browser_->source().toLocalFile();
}

QString THelpViewer::Text() const {
    return browser_->toPlainText();
}

void ShowHelp(const QString& helpFolder, const QString& language, int topic,
              const THelpTexts& texts) {
    if (!Window()) {
        Window() = new THelpViewer;  // deletes itself when closed
        Window()->setAttribute(Qt::WA_DeleteOnClose);
    }
    // Over a modal window (the top ten) the help is that window's own: a
    // window outside it would be kept behind it and its input blocked.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == Window()) modal = nullptr;
    if (Window()->parentWidget() != modal) Window()->setParent(modal, Qt::Window);
    Window()->SetTexts(texts);
    Window()->ShowPage(HelpPageFile(helpFolder, language, topic));
    Window()->show();
    Window()->raise();
    Window()->activateWindow();
}

THelpViewer* HelpWindow() {
    return Window();
}

void CloseHelp() {
    delete Window();
}
