#include "ui/output/PdfPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "engine/TextFile.h"

namespace brivane::ui {
namespace {

struct Report {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::PdfReport)
};

}  // namespace

QFont ReportFont(double points, bool bold) {
  QFont f;
  f.setFamilies({QStringLiteral("NanumBarunGothic"), QStringLiteral("NanumGothic")});
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

PageWriter::PageWriter(QPdfWriter& writer, QPainter& painter) : m_writer(writer), m_p(painter) {
  const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
  m_width = page.width();
  m_height = page.height();
}

double PageWriter::Mm(double mm) const { return mm * m_writer.resolution() / 25.4; }

void PageWriter::Title(const QString& text, const QString& line) {
  Text(text, ReportFont(15, true));
  Text(line, ReportFont(9));
  m_y += Mm(2);
  m_p.drawLine(QPointF(0, m_y), QPointF(m_width, m_y));
  m_y += Mm(3);
}

void PageWriter::Heading(const QString& text) {
  Need(Mm(18));
  m_y += Mm(3);
  Text(text, ReportFont(11.5, true));
  m_y += Mm(1);
}

void PageWriter::Note(const QString& text) { Text(text, ReportFont(9)); }

void PageWriter::Row(const QStringList& cells, const std::vector<double>& shares, bool bold) {
  const QFont font = ReportFont(9, bold);
  const double h = QFontMetricsF(font, &m_writer).height() * 1.35;
  Need(h);
  m_p.setFont(font);
  double x = 0;
  for (int i = 0; i < cells.size() && i < static_cast<int>(shares.size()); ++i) {
    const double w = shares[static_cast<std::size_t>(i)] * m_width;
    m_p.drawText(QRectF(x, m_y, w, h), Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
    x += w;
  }
  m_y += h;
}

void PageWriter::Text(const QString& text, const QFont& font) {
  const double h = QFontMetricsF(font, &m_writer).height() * 1.3;
  Need(h);
  m_p.setFont(font);
  m_p.drawText(QRectF(0, m_y, m_width, h), Qt::AlignLeft | Qt::AlignVCenter, text);
  m_y += h;
}

void PageWriter::Need(double height) {
  if (m_y + height <= m_height || m_y == 0) return;
  m_writer.newPage();
  m_y = 0;
}

QString WritePdfPages(const QString& title, const QString& path, const std::function<void(PageWriter&)>& body) {
  // Made in memory, then written whole: QPdfWriter does not say when a write fails, and QSaveFile
  // of Qt 6.4 commits a file cut short by a full disk.
  QByteArray pdf;
  QBuffer file(&pdf);
  file.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
    writer.setResolution(300);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Brivane " BRIVANE_VERSION));
    QPainter painter;
    if (!painter.begin(&writer)) return Report::tr("PDF를 만들 수 없습니다.");
    PageWriter out(writer, painter);
    body(out);
    painter.end();
  }
  if (const std::error_code error =
          WriteWholeFile(QFile::encodeName(path).toStdString(), std::string_view(pdf.constData(), pdf.size())))
    return QString::fromLocal8Bit(error.message());
  return QString();
}

}  // namespace brivane::ui
