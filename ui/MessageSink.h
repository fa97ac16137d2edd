// Every message box of the tool goes through this one interface, so that tests can record the
// messages in order instead of blocking on a modal box.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace brivane::ui {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // A modal warning box with the caption "Brivane", the text and one OK button.
  virtual void Warn(QWidget* parent, const QString& text) = 0;
};

// The real boxes.
class DialogMessageSink final : public MessageSink {
 public:
  void Warn(QWidget* parent, const QString& text) override;
};

// Records the texts instead of showing them.
class RecordingMessageSink final : public MessageSink {
 public:
  void Warn(QWidget*, const QString& text) override { messages.append(text); }
  QStringList messages;
};

}  // namespace brivane::ui
