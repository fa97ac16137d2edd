#include "ui/app/Settings.h"

#include <QByteArray>
#include <QSettings>
#include <QStringList>

#include <array>

namespace brivane::ui {
namespace {

struct KeyInfo {
  Settings::Key key;
  const char* name;
  QVariant (*defaultValue)();
};

// In the order of Settings::Key.
const std::array<KeyInfo, 7> kKeys{{
    {Settings::Key::RecentFiles, "recentFiles", [] { return QVariant(QStringList()); }},
    {Settings::Key::Geometry, "geometry", [] { return QVariant(QByteArray()); }},
    {Settings::Key::FormWidth, "formWidth", [] { return QVariant(0); }},
    {Settings::Key::LastFolder, "lastFolder", [] { return QVariant(QString()); }},
    {Settings::Key::Language, "interface/language", [] { return QVariant(QString()); }},
    {Settings::Key::MotorCatalogs, "motorCatalogs", [] { return QVariant(QStringList()); }},
    {Settings::Key::RecentCycleFiles, "recentCycleFiles", [] { return QVariant(QStringList()); }},
}};

const KeyInfo& Info(Settings::Key key) {
  const KeyInfo& info = kKeys[static_cast<std::size_t>(key)];
  Q_ASSERT_X(info.key == key, "Settings", "kKeys is not in the order of Settings::Key");
  return info;
}

}  // namespace

QVariant Settings::Get(Key key) {
  const KeyInfo& info = Info(key);
  return QSettings().value(QLatin1String(info.name), info.defaultValue());
}

void Settings::Set(Key key, const QVariant& value) {
  QSettings settings;
  settings.setValue(QLatin1String(Info(key).name), value);
  settings.sync();
}

void Settings::Remove(Key key) {
  QSettings settings;
  settings.remove(QLatin1String(Info(key).name));
  settings.sync();
}

QString Settings::Name(Key key) { return QLatin1String(Info(key).name); }

}  // namespace brivane::ui
