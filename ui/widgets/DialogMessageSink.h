// The message boxes the window shows: the one real MessageSink.
#pragma once

#include "ui/widgets/MessageSink.h"

namespace brivane::ui {

class DialogMessageSink final : public MessageSink {
 public:
  void Warn(QWidget* parent, const QString& text) override;
  void Inform(QWidget* parent, const QString& text) override;
  SaveChoice AskSave(QWidget* parent, const QString& text) override;
};

}  // namespace brivane::ui
