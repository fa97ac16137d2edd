#include "ui/mainwindow/MoveDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>

#include <string>

#include "engine/MoveFile.h"
#include "engine/TextFile.h"
#include "ui/form/BrivaneView.h"
#include "ui/output/PdfReport.h"
#include "ui/widgets/FileDialogs.h"
#include "ui/widgets/MessageSink.h"

namespace brivane::ui {
namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

CMoveDocument::CMoveDocument(QMainWindow& frame, CBrivaneView& view, MessageSink& messages, FileDialogs& dialogs)
    : CDocumentFile(
          frame, messages, dialogs,
          {Settings::Key::RecentFiles, tr("Brivane 이동 파일 (*.brivane)"), kMoveFileExtension, tr("새 이동")}),
      m_view(view) {
  setObjectName(QStringLiteral("moveDocument"));
  connect(&view, &CBrivaneView::InputsChanged, this, [this] {
    if (!m_showing) SetModified(true);
  });
}

void CMoveDocument::Start() { SetModified(false); }

void CMoveDocument::Clear() {
  m_showing = true;
  m_view.OnResetData();
  m_showing = false;
}

QString CMoveDocument::ProblemText(MoveFileProblem problem) {
  switch (problem) {
    case MoveFileProblem::NotJson: return tr("JSON 텍스트가 아닙니다");
    case MoveFileProblem::DuplicateKey: return tr("같은 키가 두 번 있습니다");
    case MoveFileProblem::NotMoveFile: return tr("Brivane 이동 파일이 아닙니다");
    case MoveFileProblem::NewerVersion: return tr("이 프로그램보다 새로운 버전의 파일입니다");
    case MoveFileProblem::MissingField: return tr("필드가 없습니다");
    case MoveFileProblem::WrongType: return tr("값의 형식이 맞지 않습니다");
    case MoveFileProblem::NotFinite: return tr("유한한 수가 아닙니다");
    case MoveFileProblem::BadValue: break;
  }
  return tr("허용되지 않는 값입니다");
}

CMoveDocument::Reading CMoveDocument::ReadFile(const QString& path) {
  const TextFileReading file = ReadTextFile(QFile::encodeName(path).toStdString());
  if (file.error)
    return {std::nullopt,
            tr("파일을 열 수 없습니다: %1\n%2").arg(Native(path), QString::fromLocal8Bit(file.error.message()))};
  MoveFileReading reading = MoveFromJson(file.text);
  if (!reading.values) {
    const QString problem = ProblemText(reading.error.problem);
    const QString field = QString::fromStdString(reading.error.field);
    const QString why = field.isEmpty() ? problem : tr("필드 \"%1\": %2").arg(field, problem);
    return {std::nullopt, tr("이동 파일을 열 수 없습니다: %1\n%2").arg(Native(path), why)};
  }
  return {std::move(reading.values), QString()};
}

QString CMoveDocument::Read(const QString& path) {
  // The whole file is read and checked before the form changes.
  const Reading reading = ReadFile(path);
  if (!reading.values) return reading.error;
  m_showing = true;
  // The results of the move on show belong to it, not to the opened one.
  m_view.OnResetData();
  m_held = m_view.LoadValues(*reading.values);
  m_showing = false;
  return {};
}

void CMoveDocument::Opened() {
  // A model the catalog does not hold is shown as none: the form is no longer the file.
  if (!m_held) SetModified(true);
}

bool CMoveDocument::MayWrite() { return m_view.CommitForm(); }

QString CMoveDocument::Write(const QString& path) {
  // The new file replaces the old one only once it is whole and on the disk (QSaveFile of Qt 6.4
  // commits a file cut short by a full disk), and never replaces a named pipe or a device.
  if (const std::error_code error = WriteWholeFile(QFile::encodeName(path).toStdString(), MoveToJson(m_view.Values())))
    return tr("파일을 저장할 수 없습니다: %1\n%2").arg(Native(path), QString::fromLocal8Bit(error.message()));
  return {};
}

bool CMoveDocument::ExportPdf() {
  if (!m_view.CommitForm()) return false;
  const QString path = AskPdfPath(QStringLiteral("brivane"));
  return !path.isEmpty() && ExportPdfTo(path);
}

bool CMoveDocument::ExportPdfTo(const QString& path) {
  if (!m_view.CommitForm()) return false;
  const QString error = ExportPdfReport(m_view.FormSession(), PlainTitle(), path);
  if (!error.isEmpty()) {
    Messages().Warn(&Window(), error);
    return false;
  }
  return true;
}

}  // namespace brivane::ui
