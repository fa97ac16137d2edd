#include "ui/mainwindow/MoveDocument.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>

#include <string>

#include "engine/MoveFile.h"
#include "engine/TextFile.h"
#include "ui/app/Settings.h"
#include "ui/form/BrivaneView.h"
#include "ui/mainwindow/RecentFiles.h"
#include "ui/output/PdfReport.h"
#include "ui/widgets/FileDialogs.h"
#include "ui/widgets/MessageSink.h"

namespace brivane::ui {
namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

CMoveDocument::CMoveDocument(QMainWindow& frame, CBrivaneView& view, MessageSink& messages, FileDialogs& dialogs)
    : QObject(&frame),
      m_frame(frame),
      m_view(view),
      m_messages(messages),
      m_dialogs(dialogs),
      m_plainTitle(frame.windowTitle()) {
  setObjectName(QStringLiteral("moveDocument"));
  connect(&view, &CBrivaneView::InputsChanged, this, [this] {
    if (!m_showing) SetModified(true);
  });
}

void CMoveDocument::Start() { SetModified(false); }

void CMoveDocument::NewMove() {
  if (!MaySaveChanges()) return;
  m_showing = true;
  m_view.OnResetData();
  m_showing = false;
  SetDocument(QString());
}

bool CMoveDocument::Open() {
  if (!MaySaveChanges()) return false;
  const QString path =
      m_dialogs.OpenPath(&m_frame, tr("열기"), StartFolder(), tr("Brivane 이동 파일 (*.brivane);;모든 파일 (*)"));
  if (path.isEmpty()) return false;
  return ReadInto(path);
}

bool CMoveDocument::OpenFile(const QString& path) {
  if (!MaySaveChanges()) return false;
  return ReadInto(path);
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

bool CMoveDocument::ReadInto(const QString& path) {
  // The whole file is read and checked before the form changes.
  const Reading reading = ReadFile(path);
  if (!reading.values) {
    m_messages.Warn(&m_frame, reading.error);
    return false;
  }
  m_showing = true;
  // The results of the move on show belong to it, not to the opened one.
  m_view.OnResetData();
  const bool held = m_view.LoadValues(*reading.values);
  m_showing = false;
  SetDocument(path);
  // A model the catalog does not hold is shown as none: the form is no longer the file.
  if (!held) SetModified(true);
  return true;
}

bool CMoveDocument::Save() {
  if (m_path.isEmpty()) return SaveAs();
  return WriteTo(m_path);
}

bool CMoveDocument::SaveAs() {
  QString start = StartFolder();
  if (!m_path.isEmpty()) start = m_path;
  QString path = m_dialogs.SavePath(&m_frame, tr("다른 이름으로 저장"), start, tr("Brivane 이동 파일 (*.brivane)"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty())
    path += QString::fromLatin1(kMoveFileExtension.data(), static_cast<qsizetype>(kMoveFileExtension.size()));
  return WriteTo(path);
}

bool CMoveDocument::WriteTo(const QString& path) {
  if (!m_view.CommitForm()) return false;
  // The new file replaces the old one only once it is whole and on the disk (QSaveFile of Qt 6.4
  // commits a file cut short by a full disk), and never replaces a named pipe or a device.
  if (const std::error_code error =
          WriteWholeFile(QFile::encodeName(path).toStdString(), MoveToJson(m_view.Values()))) {
    m_messages.Warn(&m_frame,
                    tr("파일을 저장할 수 없습니다: %1\n%2").arg(Native(path), QString::fromLocal8Bit(error.message())));
    return false;
  }
  SetDocument(path);
  return true;
}

bool CMoveDocument::ExportPdf() {
  if (!m_view.CommitForm()) return false;
  QString start = StartFolder();
  const QString base = m_path.isEmpty() ? QStringLiteral("brivane") : QFileInfo(m_path).completeBaseName();
  start = QDir(start).filePath(base + QStringLiteral(".pdf"));
  QString path = m_dialogs.SavePath(&m_frame, tr("PDF로 내보내기"), start, tr("PDF 문서 (*.pdf)"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  RememberFolder(path);
  return ExportPdfTo(path);
}

bool CMoveDocument::ExportPdfTo(const QString& path) {
  if (!m_view.CommitForm()) return false;
  const QString error = ExportPdfReport(m_view.FormSession(), m_plainTitle, path);
  if (!error.isEmpty()) {
    m_messages.Warn(&m_frame, error);
    return false;
  }
  return true;
}

bool CMoveDocument::MayClose() { return MaySaveChanges(); }

bool CMoveDocument::MaySaveChanges() {
  if (!m_modified) return true;
  switch (m_messages.AskSave(&m_frame, tr("%1의 변경 내용을 저장하시겠습니까?").arg(DocumentName()))) {
    case SaveChoice::Save: return Save();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: break;
  }
  return false;
}

void CMoveDocument::SetDocument(const QString& path) {
  m_path = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
  if (!m_path.isEmpty()) {
    RememberRecentFile(m_path);
    RememberFolder(m_path);
    emit RecentFilesChanged();
  }
  m_modified = false;
  UpdateTitle();
}

void CMoveDocument::SetModified(bool modified) {
  const bool named = m_modified || !m_path.isEmpty();
  m_modified = modified;
  // An untitled form takes a name in the title once it has changes, so that the mark has a place.
  if (named != (m_modified || !m_path.isEmpty())) UpdateTitle();
  m_frame.setWindowModified(modified);
}

void CMoveDocument::UpdateTitle() {
  if (m_path.isEmpty() && !m_modified) {
    m_frame.setWindowTitle(m_plainTitle);
    m_frame.setWindowModified(false);
    return;
  }
  m_frame.setWindowTitle(tr("%1[*] - %2").arg(DocumentName(), m_plainTitle));
  m_frame.setWindowModified(m_modified);
}

QString CMoveDocument::DocumentName() const { return m_path.isEmpty() ? tr("새 이동") : QFileInfo(m_path).fileName(); }

void CMoveDocument::RememberFolder(const QString& path) {
  Settings::Set(Settings::Key::LastFolder, QFileInfo(path).absolutePath());
}

QString CMoveDocument::StartFolder() const {
  const QString folder = Settings::Value<QString>(Settings::Key::LastFolder);
  return folder.isEmpty() ? QDir::homePath() : folder;
}

}  // namespace brivane::ui
