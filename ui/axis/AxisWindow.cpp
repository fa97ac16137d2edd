#include "ui/axis/AxisWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>

#include "ui/axis/AxisFieldsPanel.h"
#include "ui/axis/AxisPlotsPane.h"
#include "ui/axis/AxisResultsPane.h"
#include "ui/axis/CycleDocument.h"
#include "ui/axis/SegmentEditor.h"
#include "ui/mainwindow/FileMenuEntries.h"
#include "ui/widgets/NativeFileDialogs.h"

namespace brivane::ui {

CAxisWindow::CAxisWindow(std::span<const MotorRecord> rows, MessageSink& messages, FileDialogs* dialogs, QWidget* owner)
    : QMainWindow(owner, Qt::Window), m_design(rows) {
  setObjectName(QStringLiteral("axisWindow"));
  setWindowTitle(tr("축 설계"));
  setAccessibleName(tr("축 설계"));
  const auto changed = [this](const AxisChanges& changes) { Apply(changes); };
  m_fields = new CAxisFieldsPanel(m_design, changed);
  m_segments = new CSegmentEditor(m_design, changed);
  m_results = new CAxisResultsPane(m_design);
  m_plots = new CAxisPlotsPane(m_design);

  // The inputs on the left, the segments above the results in the middle, the plots on the right.
  auto* fieldsArea = new QScrollArea;
  fieldsArea->setObjectName(QStringLiteral("scrollAxisFields"));
  fieldsArea->setWidget(m_fields);
  fieldsArea->setWidgetResizable(true);
  fieldsArea->setFrameShape(QFrame::NoFrame);
  // Tab goes to the fields themselves (the area scrolls to the one with the focus), not to a
  // stop that does nothing and has no name.
  fieldsArea->setFocusPolicy(Qt::NoFocus);
  auto* middle = new QSplitter(Qt::Vertical);
  middle->addWidget(m_segments);
  middle->addWidget(m_results);
  middle->setStretchFactor(0, 2);
  middle->setStretchFactor(1, 5);
  auto* main = new QSplitter(Qt::Horizontal);
  main->setObjectName(QStringLiteral("splitterAxis"));
  main->addWidget(fieldsArea);
  main->addWidget(middle);
  main->addWidget(m_plots);
  main->setStretchFactor(1, 1);
  main->setStretchFactor(2, 1);
  main->setSizes({280, 720, 600});
  setCentralWidget(main);

  connect(m_results, &CAxisResultsPane::RowChosen, this, &CAxisWindow::OnRowChosen);
  if (dialogs == nullptr) {
    m_ownDialogs = std::make_unique<NativeFileDialogs>();
    dialogs = m_ownDialogs.get();
  }
  m_document = new CCycleDocument(*this, messages, *dialogs);
  BuildFileMenu();
  resize(1500, 950);
  ShowAll();
}

void CAxisWindow::BuildFileMenu() {
  QMenu* menu = menuBar()->addMenu(tr("파일(&F)"));
  menu->setObjectName(QStringLiteral("menuAxisFile"));
  menu->setAccessibleName(tr("파일"));
  const FileMenuEntry entries[] = {
      {"actionNewCycle", tr("새 사이클"), QKeySequence::New, [this] { m_document->New(); }},
      {"actionOpenCycle", tr("열기…"), QKeySequence::Open, [this] { m_document->Open(); }},
      {"actionSaveCycle", tr("저장"), QKeySequence::Save, [this] { m_document->Save(); }},
      {"actionSaveCycleAs", tr("다른 이름으로 저장…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
       [this] { m_document->SaveAs(); }},
      {nullptr, {}, {}, {}},
      {kRecentEntries, {}, {}, {}},
      {"actionExportAxisPdf", tr("PDF로 내보내기…"), QKeySequence(), [this] { m_document->ExportPdf(); }},
      {nullptr, {}, {}, {}},
      {"actionCloseAxis", tr("닫기"), QKeySequence(Qt::CTRL | Qt::Key_W), [this] { close(); }},
  };
  AddFileMenuEntries(*menu, entries, *m_document, QStringLiteral("actionRecentCycle"));
}

void CAxisWindow::closeEvent(QCloseEvent* event) {
  if (!m_document->MayClose()) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

CAxisWindow::~CAxisWindow() = default;

void CAxisWindow::SetCycle(const Cycle& cycle) {
  m_design.SetCycle(cycle);
  ShowAll();
}

void CAxisWindow::SetRows(std::span<const MotorRecord> rows) {
  m_design.SetRows(rows);
  ShowAll();
}

void CAxisWindow::ShowAll() {
  m_fields->Show();
  m_segments->Reset();
  m_results->Refresh();
  m_results->FitColumns();
  m_plots->Refresh({true, true, true, true, true, true});
  m_results->SelectPosition(m_design.Chosen());
}

void CAxisWindow::Apply(const AxisChanges& changes) {
  // The editor that made the edit has shown its own part; the segments' plan columns follow any
  // edit that changed the plan, and nothing else of the other editor's reaches them.
  if (changes.plan) m_segments->Refresh(changes);
  if (changes.ratings || changes.editor) m_results->Refresh();
  m_plots->Refresh(changes);
  if (changes.ratings) m_results->SelectPosition(m_design.Chosen());
  emit CycleEdited();
}

void CAxisWindow::OnRowChosen(std::size_t position) {
  const AxisChanges changes = m_design.Choose(position);
  if (changes.Any()) m_plots->Refresh(changes);
}

void CAxisWindow::keyPressEvent(QKeyEvent* event) {
  // Esc closes the window, as it does the comparison; an open cell editor takes it first.
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void CAxisWindow::Present() {
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

}  // namespace brivane::ui
