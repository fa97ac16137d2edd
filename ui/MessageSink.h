// Every message box of the tool goes through this one interface, so that tests can record the
// messages in order instead of blocking on a modal box.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace brivane::ui {

// The answer to "save the changes first?".
enum class SaveChoice { Save, Discard, Cancel };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A modal warning box with the caption "Brivane", the text and one OK button.
  virtual void Warn(QWidget* parent, const QString& text) = 0;
  // A modal question with the caption "Brivane" and the buttons save, discard and cancel.
  virtual SaveChoice AskSave(QWidget* parent, const QString& text) = 0;
};

// The real boxes.
class DialogMessageSink final : public MessageSink {
 public:
  void Warn(QWidget* parent, const QString& text) override;
  SaveChoice AskSave(QWidget* parent, const QString& text) override;
};

// Records the texts instead of showing them.
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
