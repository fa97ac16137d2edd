// The platform's file dialogs: the one real FileDialogs.
#pragma once

#include "ui/widgets/FileDialogs.h"

namespace brivane::ui {

class NativeFileDialogs final : public FileDialogs {
 public:
  QString OpenPath(QWidget* parent, const QString& caption, const QString& start, const QString& filter) override;
  QString SavePath(QWidget* parent, const QString& caption, const QString& start, const QString& filter) override;
};

}  // namespace brivane::ui
