#include "ui/mainwindow/DocumentFile.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "ui/mainwindow/RecentFiles.h"
#include "ui/widgets/FileDialogs.h"
#include "ui/widgets/MessageSink.h"

namespace brivane::ui {

CDocumentFile::CDocumentFile(QWidget& window, MessageSink& messages, FileDialogs& dialogs, Kind kind)
    : QObject(&window),
      m_window(window),
      m_messages(messages),
      m_dialogs(dialogs),
      m_kind(std::move(kind)),
      m_plainTitle(window.windowTitle()) {}

void CDocumentFile::New() {
  NewWith([this] { Clear(); });
}

bool CDocumentFile::NewWith(const std::function<void()>& show) {
  if (!MaySaveChanges()) return false;
  show();
  SetDocument(QString());
  return true;
}

bool CDocumentFile::Open() {
  if (!MaySaveChanges()) return false;
  const QString path = m_dialogs.OpenPath(&m_window, tr("열기"), StartFolder(), m_kind.filter + tr(";;모든 파일 (*)"));
  if (path.isEmpty()) return false;
  return ReadInto(path);
}

bool CDocumentFile::OpenFile(const QString& path) {
  if (!MaySaveChanges()) return false;
  return ReadInto(path);
}

bool CDocumentFile::ReadInto(const QString& path) {
  const QString error = Read(path);
  if (!error.isEmpty()) {
    m_messages.Warn(&m_window, error);
    return false;
  }
  SetDocument(path);
  Opened();
  return true;
}

bool CDocumentFile::Save() {
  if (m_path.isEmpty()) return SaveAs();
  return WriteTo(m_path);
}

bool CDocumentFile::SaveAs() {
  if (!MayWrite()) return false;
  const QString start = m_path.isEmpty() ? StartFolder() : m_path;
  QString path = m_dialogs.SavePath(&m_window, tr("다른 이름으로 저장"), start, m_kind.filter);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty())
    path += QString::fromUtf8(m_kind.extension.data(), static_cast<qsizetype>(m_kind.extension.size()));
  return WriteTo(path);
}

bool CDocumentFile::WriteTo(const QString& path) {
  if (!MayWrite()) return false;
  const QString error = Write(path);
  if (!error.isEmpty()) {
    m_messages.Warn(&m_window, error);
    return false;
  }
  SetDocument(path);
  return true;
}

bool CDocumentFile::MayClose() { return MaySaveChanges(); }

bool CDocumentFile::MaySaveChanges() {
  if (!m_modified) return true;
  switch (m_messages.AskSave(&m_window, tr("%1의 변경 내용을 저장하시겠습니까?").arg(DocumentName()))) {
    case SaveChoice::Save: return Save();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: break;
  }
  return false;
}

void CDocumentFile::SetDocument(const QString& path) {
  m_path = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
  if (!m_path.isEmpty()) {
    RememberRecentFile(m_kind.recentFiles, m_path);
    RememberFolder(m_path);
    emit RecentFilesChanged();
  }
  m_modified = false;
  UpdateTitle();
}

void CDocumentFile::SetModified(bool modified) {
  const bool named = m_modified || !m_path.isEmpty();
  m_modified = modified;
  // An untitled document takes a name in the title once it has changes, so that the mark has a
  // place.
  if (named != (m_modified || !m_path.isEmpty())) UpdateTitle();
  m_window.setWindowModified(modified);
}

void CDocumentFile::UpdateTitle() {
  if (m_path.isEmpty() && !m_modified) {
    m_window.setWindowTitle(m_plainTitle);
    m_window.setWindowModified(false);
    return;
  }
  m_window.setWindowTitle(tr("%1[*] - %2").arg(DocumentName(), m_plainTitle));
  m_window.setWindowModified(m_modified);
}

QString CDocumentFile::DocumentName() const {
  return m_path.isEmpty() ? m_kind.untitled : QFileInfo(m_path).fileName();
}

QString CDocumentFile::AskPdfPath(const QString& untitledBase) {
  const QString base = m_path.isEmpty() ? untitledBase : QFileInfo(m_path).completeBaseName();
  const QString start = QDir(StartFolder()).filePath(base + QStringLiteral(".pdf"));
  QString path = m_dialogs.SavePath(&m_window, tr("PDF로 내보내기"), start, tr("PDF 문서 (*.pdf)"));
  if (path.isEmpty()) return path;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  RememberFolder(path);
  return path;
}

void CDocumentFile::RememberFolder(const QString& path) {
  Settings::Set(Settings::Key::LastFolder, QFileInfo(path).absolutePath());
}

QString CDocumentFile::StartFolder() {
  const QString folder = Settings::Value<QString>(Settings::Key::LastFolder);
  return folder.isEmpty() ? QDir::homePath() : folder;
}

}  // namespace brivane::ui
