#include "ui/MessageSink.h"

#include <QMessageBox>

void DialogMessageSink::Warn(QWidget* parent, const QString& text) {
  // Built by hand rather than with QMessageBox::warning so the box carries exactly one OK button
  // and the tool's own caption, whatever the platform theme would add.
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Brivane"), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("brivaneMessageBox"));
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}
