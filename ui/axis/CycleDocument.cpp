#include "ui/axis/CycleDocument.h"

#include <QDir>
#include <QFile>

#include "engine/AxisDesign.h"
#include "engine/CycleFile.h"
#include "engine/TextFile.h"
#include "ui/axis/AxisPdf.h"
#include "ui/axis/AxisWindow.h"
#include "ui/widgets/MessageSink.h"

namespace brivane::ui {
namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

QString ProblemText(FieldProblem problem) {
  switch (problem) {
    case FieldProblem::NotJson: return CCycleDocument::tr("JSON 텍스트가 아닙니다");
    case FieldProblem::DuplicateKey: return CCycleDocument::tr("같은 키가 두 번 있습니다");
    case FieldProblem::WrongFormat: return CCycleDocument::tr("Brivane 사이클 파일이 아닙니다");
    case FieldProblem::NewerVersion: return CCycleDocument::tr("이 프로그램보다 새로운 버전의 파일입니다");
    case FieldProblem::MissingField: return CCycleDocument::tr("필드가 없습니다");
    case FieldProblem::WrongType: return CCycleDocument::tr("값의 형식이 맞지 않습니다");
    case FieldProblem::NotFinite: return CCycleDocument::tr("유한한 수가 아닙니다");
    case FieldProblem::BadValue: break;
  }
  return CCycleDocument::tr("허용되지 않는 값입니다");
}

}  // namespace

CCycleDocument::CCycleDocument(CAxisWindow& window, MessageSink& messages, FileDialogs& dialogs)
    : CDocumentFile(window, messages, dialogs,
                    {Settings::Key::RecentCycleFiles, tr("Brivane 사이클 파일 (*.brivane-cycle)"), kCycleFileExtension,
                     tr("새 사이클")}),
      m_window(window) {
  setObjectName(QStringLiteral("cycleDocument"));
  connect(&window, &CAxisWindow::CycleEdited, this, [this] {
    if (!m_showing) SetModified(true);
  });
}

void CCycleDocument::Clear() { Show(NewCycle()); }

bool CCycleDocument::NewFromCycle(const Cycle& cycle) {
  return NewWith([this, &cycle] { Show(cycle); });
}

void CCycleDocument::Show(const Cycle& cycle) {
  m_showing = true;
  m_window.SetCycle(cycle);
  m_showing = false;
}

CCycleDocument::Reading CCycleDocument::ReadFile(const QString& path) {
  const TextFileReading file = ReadTextFile(QFile::encodeName(path).toStdString(), kMaxCycleFileBytes);
  if (file.error)
    return {std::nullopt,
            tr("파일을 열 수 없습니다: %1\n%2").arg(Native(path), QString::fromLocal8Bit(file.error.message()))};
  CycleFileReading reading = CycleFromJson(file.text);
  if (!reading.cycle) {
    const QString problem = ProblemText(reading.error.problem);
    const QString field = QString::fromStdString(reading.error.field);
    const QString why = field.isEmpty() ? problem : tr("필드 \"%1\": %2").arg(field, problem);
    return {std::nullopt, tr("사이클 파일을 열 수 없습니다: %1\n%2").arg(Native(path), why)};
  }
  return {std::move(reading.cycle), QString()};
}

QString CCycleDocument::Read(const QString& path) {
  // The whole file is read and checked before the window changes.
  const Reading reading = ReadFile(path);
  if (!reading.cycle) return reading.error;
  Show(*reading.cycle);
  return {};
}

bool CCycleDocument::ExportPdf() {
  const QString path = AskPdfPath(tr("축 설계"));
  if (path.isEmpty()) return false;
  const QString error = WriteAxisPdf(m_window.Design(), PlainTitle(), path);
  if (!error.isEmpty()) Messages().Warn(&m_window, error);
  return error.isEmpty();
}

bool CCycleDocument::MayWrite() {
  const std::size_t marks = m_window.Design().MarkCount();
  if (marks == 0) return true;
  Messages().Warn(&m_window, tr("받아들이지 않은 값이 %1개 있습니다(빨간 칸). 고친 뒤에 저장하십시오.").arg(marks));
  return false;
}

QString CCycleDocument::Write(const QString& path) {
  // The new file replaces the old one only once it is whole and on the disk.
  if (const std::error_code error =
          WriteWholeFile(QFile::encodeName(path).toStdString(), CycleToJson(m_window.Design().Edited())))
    return tr("파일을 저장할 수 없습니다: %1\n%2").arg(Native(path), QString::fromLocal8Bit(error.message()));
  return {};
}

}  // namespace brivane::ui
