#include "ui/output/PdfReport.h"

#include <QCoreApplication>
#include <QDir>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QtCharts/QChart>

#include <algorithm>

#include "engine/Presentation.h"
#include "ui/chart/VelocityChart.h"
#include "ui/output/PdfPages.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

// The report's own texts, for tr() and the translation tools.
struct Report {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::PdfReport)
};

QString LimitText(const std::optional<int>& position) {
  if (!position) return Report::tr("선택 안 됨");
  return IntText(LimitFromPosition(*position));
}

const std::vector<double> kInputShares{0.35, 0.25, 0.4};

void WriteInputs(PageWriter& out, const FormValues& v) {
  out.Heading(Report::tr("이동 조건"));
  const MotionInput& m = v.move;
  const bool byG = m.accelMode == AccelMode::Gravity;
  const QString rows[][3] = {
      {Report::tr("부하 질량"), FloatText(m.loadMass), Report::tr("kg")},
      {Report::tr("이동 거리"), IntText(m.distanceMm), Report::tr("mm")},
      {byG ? Report::tr("최대 가속도") : Report::tr("가속 시간"), FloatText(m.accelValue),
       byG ? Report::tr("g") : Report::tr("msec")},
      {Report::tr("최대 속도"), FloatText(m.peakVelocity), Report::tr("m/sec")},
      {Report::tr("휴지 시간"), FloatText(m.dwellMs), Report::tr("msec")},
      {Report::tr("마찰 계수"), FloatText(m.frictionCoefficient), QString()},
      {Report::tr("안전율"), FloatText(m.safetyFactor), QString()},
      {Report::tr("사용률 허용치(정격)"), LimitText(v.ratedPosition), Report::tr("%")},
      {Report::tr("사용률 허용치(최대)"), LimitText(v.peakPosition), Report::tr("%")},
      {Report::tr("주위온도"), FromUtf8(v.ambient), Report::tr("℃")},
  };
  for (const auto& row : rows) out.Row({row[0], row[1], row[2]}, kInputShares);
}

void WriteSelection(PageWriter& out, const std::optional<SelectionOutcome>& selection) {
  out.Heading(Report::tr("모터 선정 결과"));
  if (!selection) {
    out.Note(Report::tr("선정 결과가 없습니다. (Linear Motor 선정을 실행하지 않았습니다.)"));
    return;
  }
  const std::vector<double> shares{0.35, 0.25, 0.2, 0.2};
  out.Row({Report::tr("Series"), Report::tr("Model"), Report::tr("정격 사용률(%)"), Report::tr("최대 사용률(%)")},
          shares, true);
  std::array<DutyResult, 3> duties;
  for (std::size_t s = 0; s < duties.size(); ++s) duties[s] = selection->series[s].duty;
  const std::array<std::string, 6> dutyTexts = FormatDutyTexts(duties);
  for (const MotorSeries s : kAllSeries) {
    const SeriesChoice& found = selection->series[SeriesSlot(s)];
    const QString model = found.number != 0 ? FromUtf8(found.model) : EngineText(kNoFittingModelText);
    const std::size_t slot = SeriesSlot(s);
    out.Row({SeriesCaption(s), model, FromUtf8(dutyTexts[2 * slot]), FromUtf8(dutyTexts[2 * slot + 1])}, shares);
  }
  if (!selection->reachable) out.Note(MessageText({MessageCode::ProfileUnreachable}));
}

void WriteAnalysis(PageWriter& out, const std::optional<DutyCheckOutcome>& check) {
  out.Heading(Report::tr("부하 분석 DATA"));
  if (!check) {
    out.Note(Report::tr("부하 분석 결과가 없습니다. (사용률 계산을 실행하지 않았습니다.)"));
    return;
  }
  // The values of a refused check stay on the form; the report says they were refused.
  if (check->message) out.Note(Report::tr("사용률 계산이 거부되었습니다: %1").arg(MessageText(*check->message)));
  out.Row({Report::tr("적용 Model"), FromUtf8(check->model)}, kInputShares, true);
  const auto write = [&](const auto& rows) {
    for (const AnalysisRow& row : rows) {
      out.Row({EngineText(row.label), FromUtf8(FormatAnalysisValue(*check->analysis, row)), EngineText(row.unit)},
              kInputShares);
    }
  };
  write(kAnalysisRows);
  write(kTemperatureRows);
}

void WriteChart(PageWriter& out, const ProfileChartData& chart) {
  out.Heading(Report::tr("Motor Profile"));
  if (chart.pointCount != 4) {
    out.Note(Report::tr("속도 프로파일이 없습니다. (사용률 계산을 실행하지 않았습니다.)"));
    return;
  }
  const double width = out.Width() * 0.8;
  const double height = width * 0.5;
  out.Block(height, [&](const QRectF& area) {
    // The chart is drawn at the size it has on a screen and scaled onto the page, so that its
    // fonts and lines keep their proportions; the painter keeps it as vector graphics.
    const QSizeF screen(560, 280);
    QGraphicsScene scene;
    QChart* drawn = MakeVelocityChart(chart, screen);
    scene.addItem(drawn);  // the scene owns and deletes it
    drawn->setGeometry(QRectF(QPointF(0, 0), screen));
    if (drawn->layout() != nullptr) drawn->layout()->activate();
    scene.render(out.Painter(), QRectF(area.topLeft(), QSizeF(width, height)), QRectF(QPointF(0, 0), screen));
  });
}

void WriteSheets(PageWriter& out, const PdfReportContent& c) {
  out.Heading(Report::tr("선정모터 사양"));
  for (const SeriesSheet& sheet : c.sheets) {
    const std::vector<double> shares{0.45, 0.55};
    const DataSheetTexts& texts = sheet.texts;
    out.Row({SeriesSheetCaption(sheet.series), FromUtf8(texts.model)}, shares, true);
    for (std::size_t i = 0; i < kDataSheetFields.size(); ++i) {
      out.Row({EngineText(kDataSheetFields[i].sheetLabel), FromUtf8(texts.values[i])}, shares);
    }
    out.Row({Report::tr("정격 사용률(%)"), FromUtf8(texts.ratedDuty)}, shares);
    out.Row({Report::tr("최대 사용률(%)"), FromUtf8(texts.peakDuty)}, shares);
  }
  if (c.sheets.empty())
    out.Note(Report::tr("표시할 데이터 시트가 없습니다. (선정된 모델이 없거나 표시 항목이 선택되지 않았습니다.)"));
}

}  // namespace

PdfReportContent CollectPdfReport(const Session& session, const QString& title, const QDate& date) {
  PdfReportContent content{
      title, date, session.Values(), session.Selection(), session.Check(), session.Chart(), session.SelectedSheets()};
  // The checked model's sheet (with its duty ratios) too, unless it is one of the picks on show.
  if (std::optional<SeriesSheet> checked = session.CheckedSheet()) {
    const bool shown = std::any_of(content.sheets.begin(), content.sheets.end(), [&](const SeriesSheet& sheet) {
      return sheet.series == checked->series && sheet.texts.model == checked->texts.model;
    });
    if (!shown) content.sheets.push_back(std::move(*checked));
  }
  return content;
}

QString WritePdfReport(const PdfReportContent& content, const QString& path) {
  return WritePdfPages(content.title, path, [&](PageWriter& out) {
    out.Title(content.title, Report::tr("작성일: %1").arg(content.date.toString(Qt::ISODate)));
    WriteInputs(out, content.values);
    WriteSelection(out, content.selection);
    WriteAnalysis(out, content.check);
    WriteChart(out, content.chart);
    WriteSheets(out, content);
  });
}

QString ExportPdfReport(const Session& session, const QString& title, const QString& path) {
  const QString error = WritePdfReport(CollectPdfReport(session, title, QDate::currentDate()), path);
  if (error.isEmpty()) return error;
  return Report::tr("PDF 파일을 쓸 수 없습니다: %1\n%2").arg(QDir::toNativeSeparators(path), error);
}

}  // namespace brivane::ui
