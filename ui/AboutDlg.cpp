#include "ui/AboutDlg.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>

#include "ui/DialogLayout.h"
#include "ui/Pictures.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("aboutDlg"));
  setWindowTitle(QStringLiteral("Brivane 정보"));
  setModal(true);

  const QFontMetrics fm(font());
  const DialogUnits du(font());
  auto dluX = [&du](int units) { return du.X(units); };
  auto dluY = [&du](int units) { return du.Y(units); };

  auto* logo = new QLabel;
  logo->setObjectName(QStringLiteral("labelAboutLogo"));
  logo->setProperty("controlId", 130);
  const QSize logoSize(dluX(29), dluY(25));
  logo->setPixmap(brivane::ui::LogoPixmap(logoSize));
  logo->setFixedSize(logoSize);

  auto* version = new QLabel(QStringLiteral("Brivane 버전 3.0"));
  version->setObjectName(QStringLiteral("labelVersion"));
  // One leading blank, and the runs of blanks that made the original box break its lines.
  auto* text = new QLabel(QStringLiteral(
      " 본 프로그램은 정해진 Motion Profile에 대응하는        Dalmer의 Linear Motor의 선정이 가능합니다."
      "           또한, 해당 Motion Profile에 대해 Dalmer의 특정       Linear Motor가 가지는 사용율을 "
      "계산할 수 있습니다."));
  text->setObjectName(QStringLiteral("labelDescription"));
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  // The runs of blanks end the lines: with the label just wider than the longest run-free piece,
  // every run reaches past the right edge and the line breaks there, whatever the font.
  int widest = 0;
  for (const QString& piece : text->text().split(QRegularExpression(QStringLiteral(" {2,}")))) {
    widest = std::max(widest, fm.horizontalAdvance(piece));
  }
  text->setFixedWidth(std::max(dluX(120), widest + fm.horizontalAdvance(QLatin1Char(' '))));

  auto* ok = new QPushButton(QStringLiteral("확인"));
  ok->setObjectName(QStringLiteral("buttonOk"));
  ok->setProperty("controlId", 1);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* g = new QGridLayout(this);
  g->addWidget(logo, 0, 0, 2, 1, Qt::AlignTop);
  g->addWidget(version, 0, 1, Qt::AlignTop);
  g->addWidget(ok, 0, 2, Qt::AlignTop);
  g->addWidget(text, 1, 1, 1, 2, Qt::AlignTop);
  g->setSizeConstraint(QLayout::SetFixedSize);
}
