#include "ui/output/PdfPages.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <numeric>

#include "engine/TextFile.h"

namespace brivane::ui {
namespace {

struct Report {
  Q_DECLARE_TR_FUNCTIONS(brivane::ui::PdfReport)
};

// Every table's text size, and a row's height as a multiple of its font's height.
constexpr double kCellPoints = 9;
constexpr double kRowHeight = 1.35;

// The pieces a header may be broken into: at a blank, which goes with the break, and before an
// opening bracket, which stays ("정격 사용률(%)": "정격", "사용률", "(%)").
struct HeaderPiece {
  QString text;
  bool afterBlank;
};

std::vector<HeaderPiece> HeaderPieces(const QString& header) {
  std::vector<HeaderPiece> pieces;
  QString current;
  bool blank = false;
  const auto close = [&] {
    if (current.isEmpty()) return;
    pieces.push_back({current, blank});
    current.clear();
    blank = false;
  };
  for (const QChar c : header) {
    if (c == u' ') {
      close();
      blank = !pieces.empty();
      continue;
    }
    if (c == u'(') close();
    current += c;
  }
  close();
  return pieces;
}

QString JoinPieces(const std::vector<HeaderPiece>& pieces, std::size_t from, std::size_t to) {
  QString text;
  for (std::size_t k = from; k < to; ++k) {
    if (k > from && pieces[k].afterBlank) text += u' ';
    text += pieces[k].text;
  }
  return text;
}

// The narrowest a header gets on at most two lines.
double TwoLineWidth(const QString& header, const QFontMetricsF& font) {
  const std::vector<HeaderPiece> pieces = HeaderPieces(header);
  double best = font.horizontalAdvance(header);
  for (std::size_t k = 1; k < pieces.size(); ++k)
    best = std::min(best, std::max(font.horizontalAdvance(JoinPieces(pieces, 0, k)),
                                   font.horizontalAdvance(JoinPieces(pieces, k, pieces.size()))));
  return best;
}

// The header's lines in `width`, each as full as it can be.
QStringList HeaderLines(const QString& header, double width, const QFontMetricsF& font) {
  const std::vector<HeaderPiece> pieces = HeaderPieces(header);
  QStringList lines;
  std::size_t from = 0;
  for (std::size_t k = 1; k <= pieces.size(); ++k) {
    if (k < pieces.size() && font.horizontalAdvance(JoinPieces(pieces, from, k + 1)) <= width) continue;
    lines << JoinPieces(pieces, from, k);
    from = k;
  }
  return lines;
}

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
  const QFont font = ReportFont(kCellPoints, bold);
  const double h = QFontMetricsF(font, &m_writer).height() * kRowHeight;
  Need(h);
  std::vector<double> widths;
  for (const double share : shares) widths.push_back(share * m_width);
  Cells(cells, widths, font, h, Qt::AlignLeft | Qt::AlignVCenter);
  m_y += h;
}

void PageWriter::Table(const QStringList& header, const QList<QStringList>& rows) {
  const QFont plain = ReportFont(kCellPoints);
  const QFont bold = ReportFont(kCellPoints, true);
  const QFontMetricsF plainMetrics(plain, &m_writer);
  const QFontMetricsF boldMetrics(bold, &m_writer);
  const double gap = Mm(2);  // between a column's widest text and the next column
  const auto columns = static_cast<std::size_t>(header.size());

  // Each column as wide as its header on one line, else on two, else all shrunk alike.
  std::vector<double> oneLine(columns);
  std::vector<double> twoLines(columns);
  for (std::size_t c = 0; c < columns; ++c) {
    double cell = 0;
    for (const QStringList& row : rows)
      cell = std::max(cell, plainMetrics.horizontalAdvance(row.value(static_cast<qsizetype>(c))));
    const QString& text = header[static_cast<qsizetype>(c)];
    oneLine[c] = std::max(cell, boldMetrics.horizontalAdvance(text)) + gap;
    twoLines[c] = std::max(cell, TwoLineWidth(text, boldMetrics)) + gap;
  }
  const auto sum = [](const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0); };
  std::vector<double> widths = oneLine;
  if (sum(oneLine) > m_width) {
    widths = twoLines;
    // The room left goes to the headers that need the least of it to stay on one line.
    double spare = m_width - sum(twoLines);
    std::vector<std::size_t> order(columns);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return oneLine[a] - twoLines[a] < oneLine[b] - twoLines[b]; });
    for (const std::size_t c : order) {
      if (oneLine[c] - twoLines[c] > spare) continue;
      spare -= oneLine[c] - twoLines[c];
      widths[c] = oneLine[c];
    }
    if (spare < 0)
      for (double& w : widths) w *= m_width / sum(twoLines);
  }
  const double spread = columns > 0 ? std::max(0.0, (m_width - sum(widths)) / static_cast<double>(columns)) : 0;
  for (double& w : widths) w += spread;

  QStringList headerCells;
  qsizetype lines = 1;
  for (std::size_t c = 0; c < columns; ++c) {
    const QStringList wrapped = HeaderLines(header[static_cast<qsizetype>(c)], widths[c] - gap, boldMetrics);
    lines = std::max(lines, wrapped.size());
    headerCells << wrapped.join(u'\n');
  }
  const double rowHeight = plainMetrics.height() * kRowHeight;
  const double below = (kRowHeight - 1) / 2 * boldMetrics.height();
  const double headerHeight =
      boldMetrics.lineSpacing() * static_cast<double>(lines - 1) + boldMetrics.height() + 2 * below;
  const auto drawHeader = [&] {
    Need(headerHeight + rowHeight);
    Cells(headerCells, widths, bold, headerHeight - below, Qt::AlignLeft | Qt::AlignBottom);
    m_y += headerHeight;
  };
  drawHeader();
  for (const QStringList& row : rows) {
    if (m_y + rowHeight > m_height) {
      m_writer.newPage();
      m_y = 0;
      drawHeader();
    }
    // Cut short only where the page cannot hold the columns at all.
    QStringList cells;
    for (std::size_t c = 0; c < columns; ++c)
      cells << plainMetrics.elidedText(row.value(static_cast<qsizetype>(c)), Qt::ElideRight, widths[c] - gap);
    Cells(cells, widths, plain, rowHeight, Qt::AlignLeft | Qt::AlignVCenter);
    m_y += rowHeight;
  }
}

void PageWriter::Cells(const QStringList& cells, const std::vector<double>& widths, const QFont& font, double height,
                       Qt::Alignment align) {
  m_p.setFont(font);
  double x = 0;
  for (int i = 0; i < cells.size() && i < static_cast<int>(widths.size()); ++i) {
    const double w = widths[static_cast<std::size_t>(i)];
    m_p.drawText(QRectF(x, m_y, w, height), static_cast<int>(align), cells[i]);
    x += w;
  }
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
