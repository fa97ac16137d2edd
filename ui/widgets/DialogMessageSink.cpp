#include "ui/widgets/DialogMessageSink.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace brivane::ui {

namespace {

// Built by hand rather than with QMessageBox::warning so the box carries exactly one OK button
// and the tool's own caption, whatever the platform theme would add.
void ShowBox(QMessageBox::Icon icon, QWidget* parent, const QString& text) {
  QMessageBox box(icon, QCoreApplication::translate("brivane::ui::MessageSink", "Brivane"), text, QMessageBox::Ok,
                  parent);
  box.setObjectName(QStringLiteral("brivaneMessageBox"));
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace

void DialogMessageSink::Warn(QWidget* parent, const QString& text) { ShowBox(QMessageBox::Warning, parent, text); }

void DialogMessageSink::Inform(QWidget* parent, const QString& text) {
  ShowBox(QMessageBox::Information, parent, text);
}

SaveChoice DialogMessageSink::AskSave(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, QCoreApplication::translate("brivane::ui::MessageSink", "Brivane"), text,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setObjectName(QStringLiteral("brivaneQuestionBox"));
  box.setDefaultButton(QMessageBox::Save);
  box.setWindowModality(Qt::ApplicationModal);
  switch (box.exec()) {
    case QMessageBox::Save: return SaveChoice::Save;
    case QMessageBox::Discard: return SaveChoice::Discard;
    default: return SaveChoice::Cancel;
  }
}

}  // namespace brivane::ui
