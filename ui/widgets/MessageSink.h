// Every message box of the tool goes through this one interface, so that tests can record the
// messages in order instead of blocking on a modal box (tests/support/RecordingMessageSink.h).
#pragma once

#include <QString>

class QWidget;

namespace brivane::ui {

// The answer to "save the changes first?".
enum class SaveChoice { Save, Discard, Cancel };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A modal warning box with the caption "Brivane", the text and one OK button.
  virtual void Warn(QWidget* parent, const QString& text) = 0;
  // A modal notice box (the information icon) with the caption "Brivane", the text and one OK
  // button: for what the user should know, where nothing went wrong. A sink that does not tell
  // notices apart shows them as warnings.
  virtual void Inform(QWidget* parent, const QString& text) { Warn(parent, text); }
  // A modal question with the caption "Brivane" and the buttons save, discard and cancel.
  virtual SaveChoice AskSave(QWidget* parent, const QString& text) = 0;
};

}  // namespace brivane::ui
