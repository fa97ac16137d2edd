// The main form's data exchange: a session's values into the input widgets and back, and its
// outcomes into the result widgets. The one place where the form's widgets and its values meet.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

#include "engine/Session.h"
#include "ui/form/FormWidgets.h"

class QLineEdit;
class QWidget;

namespace brivane::ui {

class MessageSink;

class FormExchange {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::CBrivaneView)

 public:
  // The warnings of a text that is not a number go to `messages`, over `form`.
  FormExchange(const FormWidgets& widgets, MessageSink& messages, QWidget* form);

  // The widgets' values, an edit that still shows its value giving `shown`'s exactly. The edits
  // are read in a fixed order, which decides which of two wrong texts the user hears about; the
  // first that is not a number is said, takes the focus and gives nothing. The acceleration
  // mode is `shown`'s: the buttons always show the session's.
  std::optional<FormValues> Read(const FormValues& shown) const;
  // Shows `values` so that reading the widgets gives them back.
  void Show(const FormValues& values, const std::array<bool, 6>& motorTypes) const;
  // Shows the limits as positions: a limit typed loosely ("30%") selects the item it names.
  void ShowLimits(const FormValues& values) const;
  void ShowAccelMode(AccelMode mode) const;
  // The selection's results, the analysis and temperatures of the check on show.
  void ShowResults(const Session& session) const;
  // Greys the results whose inputs have changed since they were computed.
  void ShowStale(const Session& session) const;

 private:
  bool ReadFloat(QLineEdit* edit, float& value) const;
  bool ReadInt(QLineEdit* edit, std::int32_t& value) const;
  template <class T>
  bool ReadNumber(QLineEdit* edit, T& value, const QString& warning) const;

  FormWidgets m_w;
  MessageSink& m_messages;
  QWidget* m_form;
};

}  // namespace brivane::ui
