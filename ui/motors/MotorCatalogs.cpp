#include "ui/motors/MotorCatalogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>
#include <utility>

#include "engine/MotorFile.h"
#include "engine/Utf8.h"
#include "ui/app/Settings.h"
#include "ui/widgets/EngineTexts.h"

namespace brivane::ui {
namespace {

QString ProblemText(MotorFileProblem problem) {
  switch (problem) {
    case MotorFileProblem::Unreadable: return MotorCatalogs::tr("파일을 읽을 수 없습니다");
    case MotorFileProblem::NotJson: return MotorCatalogs::tr("JSON 텍스트가 아닙니다");
    case MotorFileProblem::NotCsv: return MotorCatalogs::tr("CSV 텍스트가 아닙니다");
    case MotorFileProblem::NotMotorFile: return MotorCatalogs::tr("Brivane 모터 목록 파일이 아닙니다");
    case MotorFileProblem::NewerVersion: return MotorCatalogs::tr("이 프로그램보다 새로운 버전의 파일입니다");
    case MotorFileProblem::MissingField: return MotorCatalogs::tr("필드가 없습니다");
    case MotorFileProblem::DuplicateField: return MotorCatalogs::tr("같은 필드가 두 번 있습니다");
    case MotorFileProblem::WrongType: return MotorCatalogs::tr("값의 형식이 맞지 않습니다");
    case MotorFileProblem::NotANumber: return MotorCatalogs::tr("수가 아닙니다");
    case MotorFileProblem::NotFinite: return MotorCatalogs::tr("유한한 수가 아닙니다");
    case MotorFileProblem::OutOfRange: return MotorCatalogs::tr("범위를 벗어난 값입니다");
    case MotorFileProblem::NotPositive: return MotorCatalogs::tr("0보다 커야 합니다");
    case MotorFileProblem::Negative: return MotorCatalogs::tr("0 이상이어야 합니다");
    case MotorFileProblem::BelowRated: return MotorCatalogs::tr("정격값보다 작습니다");
    case MotorFileProblem::EmptyName: return MotorCatalogs::tr("이름이 비어 있습니다");
    case MotorFileProblem::TextNotAllowed: return MotorCatalogs::tr("허용되지 않는 텍스트입니다");
    case MotorFileProblem::DuplicateName: return MotorCatalogs::tr("이름이 두 번 있습니다");
    case MotorFileProblem::BuiltInName: return MotorCatalogs::tr("내장 모델의 이름입니다");
    case MotorFileProblem::TooManyMotors: return MotorCatalogs::tr("모터가 너무 많습니다");
  }
  return {};
}

// The reader's texts (names, fields, details) as the engine makes them visible: a control
// character in a file must not break the list's lines.
QString Visible(const std::string& text) { return FromUtf8(VisibleText(text)); }

std::string Encoded(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QString MotorFileRefusalText(const MotorFileRefusal& r) {
  QStringList where;
  if (r.motor != 0) {
    where << (r.name.empty() ? MotorCatalogs::tr("모터 %1").arg(r.motor)
                             : MotorCatalogs::tr("모터 %1 (%2)").arg(r.motor).arg(Visible(r.name)));
  }
  if (r.line != 0) where << MotorCatalogs::tr("%1번째 줄").arg(r.line);
  if (!r.field.empty()) where << MotorCatalogs::tr("필드 \"%1\"").arg(Visible(r.field));
  // A file that is gone says so in words of its own: it is the commonest case, and the system's
  // reason would be in English.
  const bool gone = r.problem == MotorFileProblem::Unreadable && !QFileInfo::exists(QFile::decodeName(r.file.c_str()));
  QString text = gone ? MotorCatalogs::tr("파일이 없습니다") : ProblemText(r.problem);
  if (!gone && !r.detail.empty()) text += QStringLiteral(" (%1)").arg(Visible(r.detail));
  return where.isEmpty() ? text : where.join(QStringLiteral(", ")) + QStringLiteral(": ") + text;
}

MotorCatalogs::MotorCatalogs(std::function<void(MotorList)> deliver, QObject* parent)
    : QObject(parent), m_deliver(std::move(deliver)) {}

void MotorCatalogs::Load() { Read(Settings::Value<QStringList>(Settings::Key::MotorCatalogs)); }

int MotorCatalogs::Add(const QString& path) {
  const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  QStringList paths;
  for (const FileState& file : m_files) paths << file.path;
  if (const qsizetype listed = paths.indexOf(absolute); listed >= 0) return static_cast<int>(listed);
  paths << absolute;
  Settings::Set(Settings::Key::MotorCatalogs, paths);
  Read(paths);
  return static_cast<int>(paths.size() - 1);
}

void MotorCatalogs::Remove(int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= m_files.size()) return;
  QStringList paths;
  for (const FileState& file : m_files) paths << file.path;
  paths.removeAt(row);
  Settings::Set(Settings::Key::MotorCatalogs, paths);
  Read(paths);
}

void MotorCatalogs::Read(const QStringList& paths) {
  std::vector<std::string> encoded;
  for (const QString& path : paths) encoded.push_back(Encoded(path));
  MotorLoading loading = LoadMotorFiles(encoded);
  m_files.clear();
  // The refusals come in the order of the files, one for each file refused.
  std::size_t next = 0;
  for (qsizetype i = 0; i < paths.size(); ++i) {
    FileState file{paths[i], loading.added[static_cast<std::size_t>(i)], {}};
    if (next < loading.refusals.size() && loading.refusals[next].file == encoded[static_cast<std::size_t>(i)])
      file.refusal = MotorFileRefusalText(loading.refusals[next++]);
    m_files.push_back(std::move(file));
  }
  m_deliver(std::move(loading.list));
  emit Changed();
}

QString MotorCatalogs::LeftOutNotice() const {
  QStringList lines;
  for (const FileState& file : m_files) {
    if (!file.refusal.isEmpty()) lines << QDir::toNativeSeparators(file.path) + QStringLiteral("\n    ") + file.refusal;
  }
  if (lines.isEmpty()) return {};
  return tr("다음 모터 목록 파일은 읽지 않았습니다. 후보 비교에는 내장 모델과 나머지 파일의 모터만 나옵니다.\n\n%1\n\n"
            "파일 → 모터 목록…에서 파일을 고치거나 목록에서 뺄 수 있습니다.")
      .arg(lines.join(QLatin1Char('\n')));
}

QString MotorCatalogs::StateText(const FileState& file) {
  if (!file.refusal.isEmpty()) return tr("읽지 않음: %1").arg(file.refusal);
  return tr("모터 %n개", nullptr, static_cast<int>(file.motors));
}

}  // namespace brivane::ui
