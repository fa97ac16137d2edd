// The About box: the logo, the version line and what the tool does.
#pragma once

#include <QDialog>

namespace brivane::ui {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace brivane::ui
