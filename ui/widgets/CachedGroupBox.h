// A group box whose frame is drawn once per look and then copied. A group box's frame is a
// stretched picture; drawing it costs more than all the fields inside it, and the boxes around
// results are drawn again behind every changed value, as is the box of each new data sheet.
#pragma once

#include <QGroupBox>

namespace brivane::ui {

class CachedGroupBox : public QGroupBox {
  Q_OBJECT
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace brivane::ui
