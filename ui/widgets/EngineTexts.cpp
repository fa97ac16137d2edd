#include "ui/widgets/EngineTexts.h"

#include <QCoreApplication>

#include <string>

#include "catalog/Translatable.h"
#include "engine/NumberText.h"

namespace brivane::ui {
namespace {

// lupdate has read the texts where the plain layers write them, each in this context.
QString Translate(std::string_view source) {
  const std::string terminated(source);  // translate() takes a terminated string
  return QCoreApplication::translate(kTextContext, terminated.c_str());
}

}  // namespace

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString MessageText(const Message& message) {
  // The arguments go into the translated text, whose markers may stand in another order.
  const QString text = Translate(SourceText(message.code));
  return QString::fromStdString(FillArguments(text.toStdString(), message.arguments));
}

QString EngineText(std::string_view text) { return Translate(text); }

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
