// SPDX-License-Identifier: MIT
// THelpViewer: the program's help window, showing the HTML pages shipped in
// a "help" folder beside the program, one subfolder per language.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;

constexpr int HelpContents = 0;

// The page of a topic (100 to 104; anything else is the contents page) in
// the language folder ("en", "sv", ...), or the English page when the
// language has none.
QString HelpPageFile(const QString& helpFolder, const QString& language, int topic);

class THelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit THelpViewer(QWidget* parent = nullptr);

    // Shows the page; a missing page shows a short notice instead.
    void ShowPage(const QString& fileName);
    QString CurrentPage() const;
    QString Text() const;

  private:
    QTextBrowser* browser_;
};

// Opens (or raises) the one help window at the topic.
void ShowHelp(const QString& helpFolder, const QString& language, int topic);
// The open help window, or nothing.
THelpViewer* HelpWindow();
void CloseHelp();
