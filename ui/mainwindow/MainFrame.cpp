#include "ui/mainwindow/MainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "engine/Session.h"
#include "ui/app/Settings.h"
#include "ui/form/BrivaneView.h"
#include "ui/mainwindow/AboutDlg.h"
#include "ui/mainwindow/FileMenu.h"
#include "ui/mainwindow/LanguageMenu.h"
#include "ui/mainwindow/MoveDocument.h"
#include "ui/motors/MotorCatalogs.h"
#include "ui/motors/MotorCatalogsDlg.h"
#include "ui/widgets/HangulFont.h"
#include "ui/widgets/MenuTexts.h"
#include "ui/widgets/MessageSink.h"
#include "ui/widgets/NativeFileDialogs.h"
#include "ui/widgets/ScreenFit.h"

namespace brivane::ui {

namespace {

// The form scrolls inside the window when the window is smaller than the form (a small screen),
// so that every control stays within reach; it prefers the whole form, so that the window can be
// fitted to it.
class CFormScrollArea final : public QScrollArea {
 public:
  QSize sizeHint() const override {
    const QWidget* form = widget();
    if (form == nullptr) return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return form->sizeHint().expandedTo(form->minimumSizeHint()) + QSize(frame, frame);
  }
};

// A menu command with its prompt in the status bar and its tool tip.
QAction* AddCommand(QMenu* menu, const char* name, const QString& text, const QString& statusTip,
                    const QString& toolTip) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QLatin1String(name));
  action->setStatusTip(statusTip);
  action->setToolTip(toolTip);
  return action;
}

}  // namespace

CMainFrame::CMainFrame(Session& session, MessageSink& messages, QWidget* parent, FileDialogs* dialogs)
    : QMainWindow(parent), m_messages(messages) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowTitle(Title());
  AddViewMenu();
  LanguageMenu::AddTo(menuBar(), messages, this);
  AddInfoMenu();
  BuildStatusBar();
  BuildForm(session, messages);
  if (dialogs == nullptr) {
    m_ownDialogs = std::make_unique<NativeFileDialogs>();
    dialogs = m_ownDialogs.get();
  }
  m_dialogs = dialogs;
  m_view->SetFileDialogs(dialogs);
  m_document = new CMoveDocument(*this, *m_view, messages, *dialogs);
  m_motorCatalogs = new MotorCatalogs([this](MotorList motors) { m_view->SetMotors(std::move(motors)); }, this);
  new CFileMenu(*this, *m_document, [this] { OpenMotorCatalogs(); });
  SetMenuFonts();
  move(100, 100);
  resize(1500, 1300);
}

void CMainFrame::AddViewMenu() {
  QMenu* view = menuBar()->addMenu(tr("보기(&V)"));
  view->setObjectName(QStringLiteral("menuView"));
  QAction* toggle = AddCommand(view, "actionStatusBar", tr("상태 표시줄(&S)"), tr("상태 표시줄을 표시하거나 감춥니다"),
                               tr("상태 표시줄 전환"));
  toggle->setCheckable(true);
  toggle->setChecked(true);
  connect(toggle, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
  QAction* compare = AddCommand(view, "actionCompare", tr("후보 비교(&C)..."),
                                tr("모든 모델의 사용률과 여유를 표로 비교합니다"), tr("후보 비교"));
  connect(compare, &QAction::triggered, this, [this] { m_view->OnCompare(); });
  QAction* axis = AddCommand(view, "actionAxisDesign", tr("축 설계(&X)..."),
                             tr("이동과 휴지의 사이클로 축을 설계하고 모든 모델을 평가합니다"), tr("축 설계"));
  connect(axis, &QAction::triggered, this, [this] { m_view->OnAxisDesign(); });
}

void CMainFrame::AddInfoMenu() {
  QMenu* info = menuBar()->addMenu(tr("프로그램 정보"));
  info->setObjectName(QStringLiteral("menuInfo"));
  QAction* about = AddCommand(info, "actionAbout", tr("Brivane 정보(&A)..."),
                              tr("프로그램 정보와 버전 정보, 저작권 정보를 표시합니다"), tr("정보"));
  connect(about, &QAction::triggered, this, &CMainFrame::OnAppAbout);
}

void CMainFrame::BuildStatusBar() {
  // The idle text is an ordinary status-bar widget: a menu prompt hides it while shown. The lock-key
  // panes are left out, since Qt does not report the state of the lock keys.
  auto* idle = new QLabel(tr("감사합니다."));
  idle->setObjectName(QStringLiteral("labelIdle"));
  statusBar()->setObjectName(QStringLiteral("statusBar"));
  statusBar()->addWidget(idle, 1);
  statusBar()->setFont(FormFont());
}

void CMainFrame::BuildForm(Session& session, MessageSink& messages) {
  m_view = new CBrivaneView(session, messages);
  auto* scroller = new CFormScrollArea;
  scroller->setObjectName(QStringLiteral("formScrollArea"));
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control and scrolls to each
  scroller->setWidget(m_view);
  setCentralWidget(scroller);
  // Beside the idle text and menu prompts, while results on show no longer follow from the inputs.
  // It joins the status bar the first time it is shown: placed at once, the bar would measure its
  // text, loading glyphs that the first window does not show, on the way to the first paint.
  const QString staleHint = tr("입력이 바뀌었습니다: 흐린 결과는 다시 계산할 때까지 이전 입력의 것입니다");
  auto* stale = new QLabel(staleHint, statusBar());
  stale->setObjectName(QStringLiteral("labelStaleHint"));
  stale->setAccessibleName(staleHint);
  stale->hide();
  connect(m_view, &CBrivaneView::resultsStaleChanged, stale, [this, stale](bool shown) {
    if (shown && !m_staleHintPlaced) {
      statusBar()->addPermanentWidget(stale);
      m_staleHintPlaced = true;
    }
    stale->setVisible(shown);
  });
}

void CMainFrame::SetMenuFonts() {
  // The platform's menu face may lack Hangul, and then "상태 표시줄(S)" is measured with the wrong
  // glyphs and cut off.
  menuBar()->setFont(FormFont());
  for (const QAction* entry : menuBar()->actions()) {
    if (QMenu* menu = entry->menu()) SetUpMenu(menu);
  }
}

void CMainFrame::InitialUpdate() {
  m_view->OnInitialUpdate();
  // Fit the window to the form, shrinking only.
  if (QLayout* l = layout()) l->activate();
  const QSize wanted = sizeHint();
  m_formWidth = wanted.width();
  resize(std::min(width(), wanted.width()), std::min(height(), wanted.height()));
  // On a small screen the window keeps to the screen's free area; the form then scrolls. (A size
  // and place remembered from the last run replace these.)
  FitIntoScreen(this, ScreenFit::ShrinkThenMove);
  if (height() < wanted.height()) {
    // Room for the vertical scroll bar, so that the form needs no horizontal one as well.
    resize(width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this), height());
    FitIntoScreen(this, ScreenFit::ShrinkThenMove);
  }
  RestoreGeometry();
  m_document->Start();
  m_motorCatalogs->Load();
  // Said over the window once it shows, in one notice for all the files left out.
  if (const QString notice = m_motorCatalogs->LeftOutNotice(); !notice.isEmpty())
    QTimer::singleShot(0, this, [this, notice] { m_messages.Warn(this, notice); });
}

void CMainFrame::OpenMotorCatalogs() {
  // One at a time; modeless, so that the comparison it changes stays within reach. It lives while
  // open.
  if (auto* open = findChild<CMotorCatalogsDlg*>()) {
    open->raise();
    open->activateWindow();
    return;
  }
  auto* dialog = new CMotorCatalogsDlg(*m_motorCatalogs, *m_dialogs, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
}

void CMainFrame::RestoreGeometry() {
  const QByteArray geometry = Settings::Value<QByteArray>(Settings::Key::Geometry);
  if (geometry.isEmpty()) return;
  // A place that does not fit this screen (another monitor, a hand-edited file) is neither taken
  // nor overwritten: the window opens where it fits, and the next run on that screen finds it.
  m_keepGeometry = RestoreGeometryInsideScreen(this, geometry);
  // A form wider than when the size was stored (the other language's texts) widens the window by
  // as much, so that a width the user chose keeps showing as much of the form as before.
  const int then = Settings::Value<int>(Settings::Key::FormWidth);
  if (m_keepGeometry && then > 0 && m_formWidth > then && !isMaximized()) {
    resize(width() + m_formWidth - then, height());
    FitIntoScreen(this, ScreenFit::ShrinkThenMove);
  }
}

CMainFrame::~CMainFrame() = default;

QString CMainFrame::Title() { return tr("Dalmer Linear Motor 선정 2020 Ver3.3"); }

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (!m_document->MayClose()) {
    event->ignore();
    return;
  }
  if (m_keepGeometry) {
    Settings::Set(Settings::Key::Geometry, saveGeometry());
    Settings::Set(Settings::Key::FormWidth, m_formWidth);
  }
  event->accept();
}

void CMainFrame::OnAppAbout() {
  CAboutDlg dlg(this);
  dlg.exec();
}

}  // namespace brivane::ui
