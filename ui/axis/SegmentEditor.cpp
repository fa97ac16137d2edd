#include "ui/axis/SegmentEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

#include "engine/Cycle.h"
#include "ui/axis/SegmentDelegate.h"

namespace brivane::ui {
namespace {

// Tab goes from cell to cell as in a spreadsheet, and from the last cell on to the next control
// (Shift+Tab from the first to the one before): a table view starts again at its other end, and a
// keyboard would never leave it.
class CSegmentTable final : public QTableView {
 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
    const QModelIndex from = currentIndex();
    const QModelIndex to = QTableView::moveCursor(action, modifiers);
    if (!from.isValid() || !to.isValid() || (action != MoveNext && action != MovePrevious)) return to;
    const auto place = [this](const QModelIndex& i) {
      return std::pair(verticalHeader()->visualIndex(i.row()), horizontalHeader()->visualIndex(i.column()));
    };
    const bool wrapped = action == MoveNext ? place(to) < place(from) : place(from) < place(to);
    return wrapped ? QModelIndex() : to;
  }
};

}  // namespace

CSegmentEditor::CSegmentEditor(AxisDesign& design, CSegmentTableModel::ChangeSink changed, QWidget* parent)
    : QWidget(parent), m_design(design) {
  setObjectName(QStringLiteral("segmentEditor"));
  m_model = new CSegmentTableModel(design, std::move(changed), this);
  m_table = new CSegmentTable;
  m_table->setObjectName(QStringLiteral("tableSegments"));
  m_table->setAccessibleName(tr("구간"));
  m_table->setModel(m_model);
  m_table->setItemDelegate(new CSegmentDelegate(m_table));
  m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  // A digit typed on a cell starts editing it with that digit, as in a spreadsheet.
  m_table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  // One line a cell: a wrapped text is laid out again at every repaint, which typing causes.
  m_table->setWordWrap(false);
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
  m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

  m_add = Button("buttonAddSegment", tr("추가(&A)"), tr("현재 구간 뒤에 새 이동 구간을 넣습니다"),
                 QKeySequence(Qt::ALT | Qt::Key_Insert));
  m_duplicate = Button("buttonDuplicateSegment", tr("복제(&D)"), tr("현재 구간을 복제합니다"),
                       QKeySequence(Qt::CTRL | Qt::Key_D));
  m_remove =
      Button("buttonRemoveSegment", tr("삭제(&R)"), tr("현재 구간을 지웁니다"), QKeySequence(Qt::ALT | Qt::Key_Delete));
  m_up =
      Button("buttonSegmentUp", tr("위로(&U)"), tr("현재 구간을 앞으로 옮깁니다"), QKeySequence(Qt::ALT | Qt::Key_Up));
  m_down = Button("buttonSegmentDown", tr("아래로(&W)"), tr("현재 구간을 뒤로 옮깁니다"),
                  QKeySequence(Qt::ALT | Qt::Key_Down));

  auto* unitLabel = new QLabel(tr("가속도 단위(&G)"));
  unitLabel->setObjectName(QStringLiteral("labelAccelUnit"));
  unitLabel->setAccessibleName(tr("가속도 단위"));
  m_unit = new QComboBox;
  m_unit->setObjectName(QStringLiteral("comboAccelUnit"));
  m_unit->setAccessibleName(tr("가속도 단위"));
  m_unit->setToolTip(tr("가속도와 감속도를 m/s²로 또는 g(9.8 m/s²)로 보이고 입력합니다"));
  m_unit->addItem(QStringLiteral("m/s²"));
  m_unit->addItem(QStringLiteral("g"));
  unitLabel->setBuddy(m_unit);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {m_add, m_duplicate, m_remove, m_up, m_down}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(unitLabel);
  buttons->addWidget(m_unit);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(buttons);
  layout->addWidget(m_table, 1);

  connect(m_add, &QPushButton::clicked, this, &CSegmentEditor::AddSegment);
  connect(m_duplicate, &QPushButton::clicked, this, &CSegmentEditor::DuplicateSegment);
  connect(m_remove, &QPushButton::clicked, this, &CSegmentEditor::RemoveSegment);
  connect(m_up, &QPushButton::clicked, this, &CSegmentEditor::MoveUp);
  connect(m_down, &QPushButton::clicked, this, &CSegmentEditor::MoveDown);
  connect(m_unit, &QComboBox::activated, this, &CSegmentEditor::OnUnit);
  connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &CSegmentEditor::UpdateButtons);
  connect(m_model, &QAbstractItemModel::rowsInserted, this, &CSegmentEditor::UpdateButtons);
  connect(m_model, &QAbstractItemModel::rowsRemoved, this, &CSegmentEditor::UpdateButtons);
  connect(m_model, &QAbstractItemModel::modelReset, this, &CSegmentEditor::UpdateButtons);
  UpdateButtons();
}

QPushButton* CSegmentEditor::Button(const char* name, const QString& text, const QString& tip,
                                    const QKeySequence& keys) {
  auto* b = new QPushButton(text);  // Alt and the underlined letter press it
  b->setObjectName(QLatin1String(name));
  QString plain = text;
  b->setAccessibleName(plain.remove(QLatin1Char('&')).section(QLatin1Char('('), 0, 0));
  // The command's own keys as well; the button's shortcut would replace its letter.
  connect(new QShortcut(keys, b), &QShortcut::activated, b, &QPushButton::animateClick);
  b->setToolTip(tip + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QLatin1Char(')'));
  b->setAutoDefault(false);
  return b;
}

void CSegmentEditor::Reset() {
  m_model->Reset();
  m_table->resizeColumnsToContents();
  m_unit->setCurrentIndex(static_cast<int>(m_design.Unit()));
  if (m_model->rowCount() > 0) SetCurrentRow(0);
}

int CSegmentEditor::CurrentRow() const {
  return m_table->currentIndex().isValid() ? m_table->currentIndex().row() : -1;
}

void CSegmentEditor::SetCurrentRow(int row) {
  const int column = std::max(m_table->currentIndex().column(), 0);
  m_table->setCurrentIndex(m_model->index(row, column));
}

void CSegmentEditor::AddSegment() {
  const int at = CurrentRow() + 1;  // first when none is current
  m_model->InsertSegment(at, NewSegment(SegmentType::Move));
  SetCurrentRow(at);
}

void CSegmentEditor::DuplicateSegment() {
  const int row = CurrentRow();
  if (row < 0) return;
  m_model->DuplicateSegment(row);
  SetCurrentRow(row + 1);
}

void CSegmentEditor::RemoveSegment() {
  const int row = CurrentRow();
  // The last segment stays: a cycle of none cannot be rated.
  if (row < 0 || m_model->rowCount() <= 1) return;
  m_model->RemoveSegment(row);
  SetCurrentRow(std::min(row, m_model->rowCount() - 1));
}

void CSegmentEditor::MoveUp() {
  const int row = CurrentRow();
  if (row <= 0) return;
  m_model->MoveSegment(row, row - 1);
  SetCurrentRow(row - 1);
}

void CSegmentEditor::MoveDown() {
  const int row = CurrentRow();
  if (row < 0 || row + 1 >= m_model->rowCount()) return;
  m_model->MoveSegment(row, row + 1);
  SetCurrentRow(row + 1);
}

void CSegmentEditor::UpdateButtons() {
  const int row = CurrentRow();
  const int count = m_model->rowCount();
  const bool room = static_cast<std::size_t>(count) < kMaxCycleSegments;
  m_add->setEnabled(room);
  m_duplicate->setEnabled(row >= 0 && room);
  m_remove->setEnabled(row >= 0 && count > 1);
  m_up->setEnabled(row > 0);
  m_down->setEnabled(row >= 0 && row + 1 < count);
}

void CSegmentEditor::OnUnit(int item) {
  const AxisChanges changes = m_design.SetAccelUnit(static_cast<AccelUnit>(item));
  if (!changes.Any()) return;
  m_model->UnitChanged(changes);
}

}  // namespace brivane::ui
