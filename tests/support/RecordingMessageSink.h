// The window tests' message boxes: the texts recorded in order instead of shown.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/MessageSink.h"

namespace brivane::ui {

class RecordingMessageSink final : public MessageSink {
 public:
  void Warn(QWidget*, const QString& text) override { messages.append(text); }
  // Records the question and gives `answer`.
  SaveChoice AskSave(QWidget*, const QString& text) override {
    questions.append(text);
    return answer;
  }
  QStringList messages;
  QStringList questions;
  SaveChoice answer = SaveChoice::Discard;
};

}  // namespace brivane::ui
