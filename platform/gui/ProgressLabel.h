// A one-line label for progress texts, which a long loop may change
// thousands of times a second. A new text is taken at once (Text reads it
// back) and painted at the next event pass; the operation log looks for
// events once a screen frame, so the painting costs the same however many
// texts come between two passes.
#pragma once

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
};
