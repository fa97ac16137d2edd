// The window tests' message boxes: the texts recorded in order instead of shown.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/widgets/MessageSink.h"

namespace brivane::ui {

class RecordingMessageSink final : public MessageSink {
 public:
  void Warn(QWidget*, const QString& text) override { messages.append(text); }
  void Inform(QWidget*, const QString& text) override { notices.append(text); }
  // Records the question and gives `answer`.
  SaveChoice AskSave(QWidget*, const QString& text) override {
    questions.append(text);
    return answer;
  }
  QStringList messages;  // the warnings
  QStringList notices;
  QStringList questions;
  SaveChoice answer = SaveChoice::Discard;
};

}  // namespace brivane::ui
