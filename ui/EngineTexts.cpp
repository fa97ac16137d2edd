#include "ui/EngineTexts.h"

#include <QCoreApplication>
#include <string>

#include "engine/NumberText.h"

namespace brivane::ui {

QString MessageText(const Message& message) { return EngineText(message.text); }

QString EngineText(std::string_view text) {
  const std::string source(text);  // translate() takes a terminated string
  return QCoreApplication::translate("brivane::EngineTexts", source.c_str());
}

QString SeriesCaption(MotorSeries s) { return EngineText(InfoOf(s).caption); }
QString SeriesName(MotorSeries s) { return EngineText(InfoOf(s).name); }
QString SeriesSheetCaption(MotorSeries s) { return EngineText(InfoOf(s).sheetCaption); }

QString TwoLines(const QString& caption) {
  QString text = caption;
  const qsizetype blank = text.indexOf(QLatin1Char(' '));
  if (blank >= 0) text[blank] = QLatin1Char('\n');
  return text;
}

QString IntText(std::int32_t v) { return QString::number(v); }

QString FloatText(float v) { return QString::fromStdString(FormatGeneral6(static_cast<double>(v))); }

}  // namespace brivane::ui
