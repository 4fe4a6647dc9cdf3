// A one-line label for progress texts, which a long loop may change
// thousands of times a second. A new text is taken at once (Text reads it
// back) and painted at the next repaint; the label asks for one at most once
// per screen frame, so a loop that processes events after each text pays
// for the painting some sixty times a second, not at every text.
#pragma once

#include <QTimer>
#include <QWidget>
#include <string>

class TProgressLabel final : public QWidget {
 public:
  explicit TProgressLabel(QWidget* parent = nullptr);

  void SetText(const std::string& text);
  const std::string& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::string text_;
  QTimer frame_;
  bool pending_ = false;  // a text came while the frame's time ran
};
