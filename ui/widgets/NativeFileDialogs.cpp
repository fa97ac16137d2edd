#include "ui/widgets/NativeFileDialogs.h"

#include <QFileDialog>

namespace brivane::ui {

QString NativeFileDialogs::OpenPath(QWidget* parent, const QString& caption, const QString& start,
                                    const QString& filter) {
  return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

QString NativeFileDialogs::SavePath(QWidget* parent, const QString& caption, const QString& start,
                                    const QString& filter) {
  return QFileDialog::getSaveFileName(parent, caption, start, filter);
}

}  // namespace brivane::ui
