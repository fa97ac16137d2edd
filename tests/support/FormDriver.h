// Drives the main window as a user does, for every window test that needs the whole frame: types
// into edits, picks list entries, clicks buttons, and finds the data sheets the form opened.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "engine/Session.h"
#include "tests/support/WidgetLookup.h"
#include "ui/datasheet/MotorSpecDlg.h"
#include "ui/form/BrivaneView.h"
#include "ui/mainwindow/MainFrame.h"
#include "ui/widgets/MessageSink.h"

namespace formtest {

struct FormDriver {
  explicit FormDriver(brivane::ui::MessageSink& sink, brivane::ui::FileDialogs* dialogs = nullptr) {
    frame = std::make_unique<brivane::ui::CMainFrame>(session, sink, nullptr, dialogs);
    frame->InitialUpdate();
    frame->show();
    view = dialogtest::Child<brivane::ui::CBrivaneView>(frame.get(), "brivaneView");
  }

  QLineEdit* Edit(const char* name) const { return dialogtest::Child<QLineEdit>(view, name); }
  QString Text(const char* name) const { return Edit(name)->text(); }
  void Type(const char* name, const QString& text) const {
    QLineEdit* edit = Edit(name);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  void TypeLimit(const char* combo, const QString& text) const {
    QLineEdit* edit = dialogtest::Child<QComboBox>(view, combo)->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  void Click(const char* name) const {
    QTest::mouseClick(dialogtest::Child<QAbstractButton>(view, name), Qt::LeftButton);
  }
  void PickModel(const QString& model) const {
    auto* combo = dialogtest::Child<QComboBox>(view, "comboModel");
    const int i = combo->findText(model);
    if (i < 0) qFatal("no model \"%s\" in the list", qPrintable(model));
    combo->setCurrentIndex(i);
    emit combo->activated(combo->currentIndex());  // as a pick from the list does
  }
  // The first move of the worked examples, with another mass or stroke if told.
  void TypeMove(const QString& mass = QStringLiteral("1"), const QString& stroke = QStringLiteral("500")) const {
    Type("editLoadMass", mass);
    Type("editDistance", stroke);
    Type("editAccel", QStringLiteral("1"));
    Type("editVelocity", QStringLiteral("1"));
  }
  QList<brivane::ui::CMotorSpecSheet*> Sheets() const { return frame->findChildren<brivane::ui::CMotorSpecSheet*>(); }

  brivane::Session session;
  std::unique_ptr<brivane::ui::CMainFrame> frame;
  brivane::ui::CBrivaneView* view = nullptr;
};

}  // namespace formtest
