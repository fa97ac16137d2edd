#include "ui/MessageSink.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace brivane::ui {

void DialogMessageSink::Warn(QWidget* parent, const QString& text) {
  // Built by hand rather than with QMessageBox::warning so the box carries exactly one OK button
  // and the tool's own caption, whatever the platform theme would add.
  QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("brivane::ui::MessageSink", "Brivane"), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("brivaneMessageBox"));
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace brivane::ui
