#include "ui/widgets/ResultMarks.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace brivane::ui {
namespace {

constexpr char kAlertProperty[] = "resultAlert";
constexpr char kWhyProperty[] = "resultAlertWhy";
constexpr char kStaleProperty[] = "resultStale";

struct Marks {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::ResultMarks)
};

QColor AlertColor(ResultAlert alert) {
  // Dark enough to read on a white edit; red for beyond the motor, amber for beyond the limit.
  return alert == ResultAlert::AboveFull ? QColor(0xc0, 0x00, 0x00) : QColor(0xb0, 0x5a, 0x00);
}

// The two marks from the widget's properties onto its look: a stale value is greyed whatever its
// alert, since the alert belongs to inputs that no longer stand.
void Apply(QWidget* w) {
  const ResultAlert alert = AlertOf(w);
  const bool stale = IsStale(w);
  QPalette palette = QApplication::palette(w);
  QStringList description;
  if (stale) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
      palette.setColor(group, QPalette::WindowText, palette.color(QPalette::Disabled, QPalette::WindowText));
    }
    description << Marks::tr("이전 입력의 결과입니다");
  } else if (alert != ResultAlert::None) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::Text, AlertColor(alert));
      palette.setColor(group, QPalette::WindowText, AlertColor(alert));
    }
  }
  if (alert != ResultAlert::None) description.prepend(w->property(kWhyProperty).toString());
  w->setPalette(palette);
  description.removeAll(QString());
  w->setAccessibleDescription(description.join(QStringLiteral("; ")));
}

}  // namespace

void MarkAlert(QWidget* result, ResultAlert alert, const QString& why) {
  result->setProperty(kAlertProperty, static_cast<int>(alert));
  result->setProperty(kWhyProperty, alert == ResultAlert::None ? QString() : why);
  Apply(result);
}

void MarkStale(QWidget* result, bool stale) {
  if (IsStale(result) == stale) return;
  result->setProperty(kStaleProperty, stale);
  Apply(result);
}

ResultAlert AlertOf(const QWidget* result) {
  return static_cast<ResultAlert>(result->property(kAlertProperty).toInt());
}

bool IsStale(const QWidget* result) { return result->property(kStaleProperty).toBool(); }

}  // namespace brivane::ui
