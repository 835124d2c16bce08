// SPDX-License-Identifier: MIT
// TFlagKeys: the flag screen played with the keyboard: the arrow keys move
// a frame from flag to flag, Enter or Return answers with the framed flag
// as a click on it would.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;
class TfrmOvningFlagga;

class TFlagKeys : public QObject {
    Q_OBJECT
  public:
    // Watches the screen's keys; the frame stays hidden until a key is used,
    // so mouse play looks as it always did.
    explicit TFlagKeys(TfrmOvningFlagga* screen);

    // The framed position (1..16), and whether the frame shows.
    int Position() const { return position_; }
    bool FrameShown() const;
    QWidget* Frame() const { return frame_; }

    // True when the key was one of the keys it plays with.
    bool KeyDown(const QKeyEvent& key);

  private:
    void MoveBy(int step);
    void PlaceFrame();
    // Answers with the framed flag through the screen's click, once the key
    // is delivered: the end of a run opens the top-ten form, which may
    // release the screen.
    void Answer();

    TfrmOvningFlagga* screen_;
    QWidget* frame_;
    int position_ = 1;
};
