#include "ui/mainwindow/AboutDlg.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

#include "ui/widgets/DialogUnits.h"
#include "ui/widgets/Pictures.h"

namespace brivane::ui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("aboutDlg"));
  setWindowTitle(tr("Brivane 정보"));
  setModal(true);

  const QFontMetrics fm(font());
  const DialogUnits du(font());

  QLabel* logo = LogoLabel(QStringLiteral("labelAboutLogo"), du);

  // The line itself is the box's fixed text; the build's own version number is one hover away.
  auto* version = new QLabel(tr("Brivane 버전 3.0"));
  version->setObjectName(QStringLiteral("labelVersion"));
  version->setToolTip(tr("Brivane %1").arg(QStringLiteral(BRIVANE_VERSION)));
  // One leading blank, and the runs of blanks that made the original box break its lines.
  auto* text =
      new QLabel(tr(" 본 프로그램은 정해진 Motion Profile에 대응하는        Dalmer의 Linear Motor의 선정이 가능합니다."
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
  text->setFixedWidth(std::max(du.X(120), widest + fm.horizontalAdvance(QLatin1Char(' '))));

  auto* ok = new QPushButton(tr("확인"));
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

}  // namespace brivane::ui
