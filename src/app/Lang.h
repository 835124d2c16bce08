// SPDX-License-Identifier: MIT
// TfrmLang: the welcome screen that asks for the language. Its modal result
// is the language number 1..6, or 42 when the player cancels.
#pragma once

#include <QDialog>

#include "data/RangeArray.h"

class QPushButton;
class QRadioButton;
class TClickLabel;

class TfrmLang : public QDialog {
    Q_OBJECT
  public:
    static constexpr int CancelResult = 42;

    explicit TfrmLang(QWidget* parent = nullptr);

    // Stores the choice and closes with it. Lets window messages run when the
    // choice cannot be stored (a message box says so).
    void cmdOKClick();
    void cmdAvbrytClick();
    void reject() override;  // Escape and the close command mean cancel

    // By language number: chkSve, chkEng, chkFra, chkTys, chkSpa, chkIta.
    QRadioButton* LanguageButton(int language) const { return buttons_[language]; }
    QPushButton* cmdOK;
    QPushButton* cmdAvbryt;

  protected:
    // Each time the screen opens: the stored sound and music switches are
    // read, and the stored language's button is checked (English when the
    // stored value is missing or not a number).
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    void AddRow(int language, const QString& flag, const QString& caption, int row);

    RangeArray<QRadioButton*, 1, 6> buttons_{};
    RangeArray<TClickLabel*, 1, 6> flags_{};
};
