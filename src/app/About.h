// SPDX-License-Identifier: MIT
// TfrmAbout: version, credits, README.TXT, the project's web page and the
// two sound options, stored when OK is pressed.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TClickLabel;

class TfrmAbout : public QDialog {
    Q_OBJECT
  public:
    static constexpr char Version[] = "2.91";
    static constexpr char WebHost[] = "https://www.glomira.example.org";

    explicit TfrmAbout(QWidget* parent = nullptr);

    // Takes and stores the two switches, then closes.
    // Lets window messages run when they cannot be stored (a message box says so).
    void cmdOKClick();
    void Label3MouseDown();
    // The web page for a language: Swedish has its own.
    static QString WebPage(int language);

    QString ReadmeFile;  // README.TXT beside the program
    QLabel* lblVersion;
    QCheckBox* chkSound;
    QCheckBox* chkMusic;
    TClickLabel* Label3;
    QPlainTextEdit* memAbout;
    QPushButton* cmdOK;
    QFrame* Shape4;
    QFrame* Shape5;

  protected:
    // Each time the screen opens: the side bars take the frame colour,
    // README.TXT fills the text box afresh and the two boxes show the switches.
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void FillReadme();
};
