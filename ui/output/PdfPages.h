// The pages of a PDF document the window writes (the move's report, the axis design): A4 with
// its margins, fonts with Hangul that the PDF embeds, blocks laid out from the top down onto new
// pages as they fill, the whole document made in memory and written only once it is whole.
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;
class QPdfWriter;

namespace brivane::ui {

// A face with Hangul, which the PDF then embeds, so that Korean stays text.
QFont ReportFont(double points, bool bold = false);

class PageWriter {
 public:
  PageWriter(QPdfWriter& writer, QPainter& painter);

  double Mm(double mm) const;
  double Width() const { return m_width; }
  QPainter* Painter() { return &m_p; }

  void Title(const QString& text, const QString& line);
  void Heading(const QString& text);
  void Note(const QString& text);
  // A row of cells; the widths are shares of the page width.
  void Row(const QStringList& cells, const std::vector<double>& shares, bool bold = false);
  // A table of as many columns as the header has, each as wide as its header and its widest cell
  // need, the room left over shared out evenly. Where the page is too narrow for that, a header
  // wraps onto a second line at a blank or before its unit in brackets. A table longer than the
  // page goes on over the next pages, its header drawn again at the top of each.
  void Table(const QStringList& header, const QList<QStringList>& rows);

  // A block of the given height, drawn by `draw` into its rectangle.
  template <class Draw>
  void Block(double height, Draw draw) {
    Need(height);
    draw(QRectF(0, m_y, m_width, height));
    m_y += height;
  }

 private:
  void Text(const QString& text, const QFont& font);
  void Need(double height);
  // The cells from the left, each in its width, in a row of height `height`.
  void Cells(const QStringList& cells, const std::vector<double>& widths, const QFont& font, double height,
             Qt::Alignment align);

  QPdfWriter& m_writer;
  QPainter& m_p;
  double m_width = 0;
  double m_height = 0;
  double m_y = 0;
};

// A PDF of `title` drawn by `body` written to `path`; empty when it was, else why not.
QString WritePdfPages(const QString& title, const QString& path, const std::function<void(PageWriter&)>& body);

}  // namespace brivane::ui
