#include "ui/axis/AxisPdf.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGraphicsScene>
#include <QtCharts/QChart>

#include <vector>

#include "catalog/MotorCatalog.h"
#include "engine/CycleColumns.h"
#include "ui/axis/AxisCharts.h"
#include "ui/axis/AxisTexts.h"
#include "ui/axis/CycleDocument.h"
#include "ui/output/BatchExport.h"
#include "ui/output/PdfPages.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::AxisPdf)
};

void WriteAxis(PageWriter& out, const AxisDesign& d) {
  out.Heading(Texts::tr("축과 드라이브"));
  const std::vector<double> shares{0.45, 0.55};
  for (std::size_t f = 0; f < kAxisFieldCount; ++f) {
    const auto field = static_cast<AxisField>(f);
    const CycleFieldInfo& info = FieldInfo(field);
    const std::string text = d.AxisText(field);
    out.Row({FieldCaption(info, info.unit), text.empty() ? Texts::tr("없음(확인하지 않음)") : FromUtf8(text)}, shares);
  }
  out.Row({EngineText(kRatedLimitLabel) + QStringLiteral(" (%)"), QString::number(d.Rated().ratedLimit)}, shares);
  out.Row({EngineText(kPeakLimitLabel) + QStringLiteral(" (%)"), QString::number(d.Rated().peakLimit)}, shares);
}

void WriteSegments(PageWriter& out, const AxisDesign& d) {
  out.Heading(Texts::tr("구간"));
  // What each segment is, as typed.
  QStringList header{EngineText(kSegmentTypeLabel)};
  for (std::size_t f = 0; f < kSegmentFieldCount; ++f) {
    const auto field = static_cast<SegmentField>(f);
    header << FieldCaption(FieldInfo(field), UnitOf(field, d.Unit()));
  }
  QList<QStringList> rows;
  const std::vector<CycleSegment>& segments = d.Rated().segments;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    QStringList row{EngineText(kSegmentTypeLabels[static_cast<std::size_t>(segments[i].type)])};
    for (std::size_t f = 0; f < kSegmentFieldCount; ++f)
      row << FromUtf8(d.SegmentText(i, static_cast<SegmentField>(f)));
    rows << row;
  }
  out.Table(header, rows);
  // What the plan makes of them.
  if (d.Refusal()) {
    out.Note(TranslatedCycleMessage(*d.Refusal()));
    return;
  }
  out.Note(QString());
  QStringList planHeader;
  for (const SegmentColumnInfo& c : SegmentColumns()) planHeader << EngineText(c.header);
  QList<QStringList> planRows;
  for (std::size_t i = 0; i < d.Plan().segments.size(); ++i) {
    QStringList row;
    for (std::size_t c = 0; c < kSegmentColumnCount; ++c)
      row << FromUtf8(SegmentColumnText(static_cast<SegmentColumn>(c), d.Rated(), d.Plan(), i));
    planRows << row;
  }
  out.Table(planHeader, planRows);
  for (const CycleMessage& w : d.Plan().warnings) out.Note(TranslatedCycleMessage(w));
}

QString CellText(CycleColumn column, const CycleRowView& row) {
  const std::string text = CycleColumnText(column, row, true);
  return ColumnInfo(column).words ? EngineText(text) : FromUtf8(text);
}

void WriteVerdicts(PageWriter& out, const AxisDesign& d) {
  out.Heading(Texts::tr("사용률 적합 모델의 판정"));
  const CycleColumn columns[] = {
      CycleColumn::Name,      CycleColumn::Verdict,  CycleColumn::RatedDuty,        CycleColumn::PeakDuty,
      CycleColumn::CoilTemp,  CycleColumn::Headroom, CycleColumn::BusVoltageNeeded, CycleColumn::PeakCurrent,
      CycleColumn::RmsCurrent};
  QStringList header;
  for (const CycleColumn c : columns) header << EngineText(ColumnInfo(c).header);
  QList<QStringList> rows;
  for (std::size_t i = 0; i < d.RatedCount(); ++i) {
    const CycleRowView row = d.Row(i);
    if (!row.rating->fits) continue;
    QStringList cells;
    for (const CycleColumn c : columns) cells << CellText(c, row);
    rows << cells;
  }
  if (rows.isEmpty()) {
    out.Note(Texts::tr("사용률 한계에 맞는 모델이 없습니다."));
    return;
  }
  out.Table(header, rows);
}

// A chart drawn at the size it has on a screen and scaled onto the page, so that its fonts and
// lines keep their proportions; the painter keeps it as vector graphics.
void DrawChart(PageWriter& out, QChartView& view, double height) {
  const QSizeF screen(640, 640 * height / out.Width());
  // Laid out as on a screen (the axes' labels are placed for the view's size), never shown.
  view.setAttribute(Qt::WA_DontShowOnScreen);
  view.resize(screen.toSize());
  view.show();
  QCoreApplication::processEvents();
  QChart* chart = view.chart();
  out.Block(height, [&](const QRectF& area) {
    chart->scene()->render(out.Painter(), QRectF(area.topLeft(), QSizeF(out.Width(), height)),
                           QRectF(chart->pos(), screen));
  });
}

void WriteChosen(PageWriter& out, const AxisDesign& d) {
  if (!d.Chosen() || d.Refusal()) return;
  const CycleRowView row = d.Row(*d.Chosen());
  out.Heading(Texts::tr("선택한 모델: %1").arg(FromUtf8(row.record->name)));
  const std::vector<double> shares{0.45, 0.55};
  for (std::size_t c = 0; c < kCycleColumnCount; ++c) {
    const auto column = static_cast<CycleColumn>(c);
    if (column == CycleColumn::Name) continue;
    out.Row({EngineText(ColumnInfo(column).header), CellText(column, row)}, shares);
  }
  const CycleTimePlots& t = d.TimePlots();
  CTimeChart position(Texts::tr("위치"), QStringLiteral("mm"), QColor(0x40, 0x40, 0x40), {});
  CTimeChart velocity(Texts::tr("속도"), QStringLiteral("m/s"), QColor(0x20, 0x50, 0xb0), {});
  CTimeChart thrust(Texts::tr("추력"), QStringLiteral("N"), QColor(0xb0, 0x30, 0x20), {});
  CForceSpeedChart plane;
  position.Show(t.position, t.boundaries);
  velocity.Show(t.velocity, t.boundaries);
  thrust.Show(t.thrust, t.boundaries);
  plane.Show(d.Plane());
  out.Heading(Texts::tr("사이클의 위치, 속도, 추력"));
  for (CTimeChart* chart : {&position, &velocity, &thrust}) DrawChart(out, *chart, out.Width() * 0.36);
  out.Heading(Texts::tr("추력-속도 평면"));
  DrawChart(out, plane, out.Width() * 0.65);
}

}  // namespace

QString WriteAxisPdf(const AxisDesign& design, const QString& title, const QString& path) {
  const QString error = WritePdfPages(title, path, [&](PageWriter& out) {
    out.Title(title, Texts::tr("작성일: %1").arg(QDate::currentDate().toString(Qt::ISODate)));
    WriteAxis(out, design);
    WriteSegments(out, design);
    WriteVerdicts(out, design);
    WriteChosen(out, design);
  });
  if (error.isEmpty()) return error;
  return Texts::tr("PDF 파일을 쓸 수 없습니다: %1\n%2").arg(QDir::toNativeSeparators(path), error);
}

int ExportCycleFileToPdf(const QString& cyclePath, const QString& pdfPath) {
  const CCycleDocument::Reading reading = CCycleDocument::ReadFile(cyclePath);
  if (!reading.cycle) {
    SayOnStderr(reading.error);
    return kExportRefused;
  }
  // The window would rate a refused value at another; the command line rates nothing.
  if (const std::optional<CycleMessage> refusal = ValidateCycle(*reading.cycle)) {
    SayOnStderr(TranslatedCycleMessage(*refusal));
    return kExportRefused;
  }
  AxisDesign design(MotorCatalog::Instance().Rows());
  design.SetCycle(*reading.cycle);
  const QString error =
      WriteAxisPdf(design, QCoreApplication::translate("brivane::ui::CAxisWindow", "축 설계"), pdfPath);
  if (!error.isEmpty()) {
    SayOnStderr(error);
    return kExportFailed;
  }
  return 0;
}

}  // namespace brivane::ui
