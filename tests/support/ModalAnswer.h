// Answers real modal windows in end-to-end tests. Armed before the code that
// shows them, it waits (polling from a timer, so inside the modal's own event
// loop) for the next modal widget to appear and runs the first queued step on
// it, then the next step on the modal after that, and so on.
//
//   ModalAnswer answer(ModalAnswer::Click("btNo"));
//   EXPECT_EQ(MessageDlg("Save?", TMsgDlgType::mtConfirmation, mbYes | mbNo), mrNo);
//   EXPECT_TRUE(answer.Done());
//
// A step that fails (no such button, say) records a test failure and closes
// the modal, so the test goes on instead of hanging.
#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class QWidget;

class ModalAnswer {
 public:
  // Runs on the modal widget; throws std::runtime_error when it cannot.
  using Step = std::function<void(QWidget* modal)>;

  explicit ModalAnswer(Step step, int timeoutMs = 10000);
  ~ModalAnswer();
  ModalAnswer(const ModalAnswer&) = delete;
  ModalAnswer& operator=(const ModalAnswer&) = delete;

  // Queues a step for the modal after the one the previous step answered.
  ModalAnswer& Then(Step step);
  // Every step has run.
  bool Done() const { return steps_.empty(); }
  // The modal window title seen by each step, in order.
  const std::vector<QString>& Titles() const { return titles_; }

  // Clicks the button whose object name, or text without its '&', is given.
  static Step Click(const QString& nameOrText);
  // Types text into the line edit (the one named, else the first) and then
  // clicks the button.
  static Step Type(const QString& text, const QString& button = QStringLiteral("btOK"),
                   const QString& edit = {});

 private:
  void Poll();
  void Run(const Step& step, QPointer<QWidget> modal);

  std::deque<Step> steps_;
  std::vector<QString> titles_;
  QPointer<QWidget> answered_;  // the modal last answered, while it stays shown
  QTimer timer_;
  int timeout_ms_;
  int waited_ms_ = 0;
};
