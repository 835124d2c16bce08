// SPDX-License-Identifier: MIT
// THelpViewer: the program's help window, showing the HTML pages shipped in
// a "help" folder beside the program, one subfolder per language.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

constexpr int HelpContents = 0;

// The page of a topic (100 to 104; anything else is the contents page) in
// the language folder ("en", "sv", ...), or the English page when the
// language has none.
QString HelpPageFile(const QString& helpFolder, const QString& language, int topic);

// The help window's own texts, in the language of its pages.
struct THelpTexts {
    QString title = QStringLiteral("Glomira Help");
    QString contents = QStringLiteral("Contents");
    QString back = QStringLiteral("Back");
    QString forward = QStringLiteral("Forward");
    QString missingTitle = QStringLiteral("Help is not available");
    QString missingText =
        QStringLiteral("The help page %1 was not found. Please reinstall Glomira.");
};

class THelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit THelpViewer(QWidget* parent = nullptr);

    void SetTexts(const THelpTexts& texts);

    // Shows the page; a missing page shows a short notice instead.
    void ShowPage(const QString& fileName);
    QString CurrentPage() const;
    QString Text() const;

  private:
    QTextBrowser* browser_;
    QPushButton* contents_;
    QPushButton* back_;
    QPushButton* forward_;
    THelpTexts texts_;
};

// Opens (or raises) the one help window at the topic.
void ShowHelp(const QString& helpFolder, const QString& language, int topic,
              const THelpTexts& texts = {});
// The open help window, or nothing.
THelpViewer* HelpWindow();
void CloseHelp();
