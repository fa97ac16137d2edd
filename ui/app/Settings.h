// What the window remembers between runs: each setting once, as a key with its name in the file
// and its default (the table in Settings.cpp). They live in the desktop's usual place,
// ~/.config/Brivane/Brivane.conf on Linux (the application's and organisation's names are set by
// SetUpApplication).
#pragma once

#include <QString>
#include <QVariant>

namespace brivane::ui {

class Settings {
 public:
  enum class Key {
    RecentFiles,       // QStringList: the move files opened or saved last, newest first
    Geometry,          // QByteArray: the main window's place and size (QWidget::saveGeometry)
    FormWidth,         // int: the window width the whole form needed when Geometry was stored; 0: unknown
    LastFolder,        // QString: the folder of the last move file or PDF; empty: the home folder
    Language,          // QString: "ko" or "en", the language chosen for the next start; empty: none chosen
    MotorCatalogs,     // QStringList: the user's motor catalog files, in the order they are read
    RecentCycleFiles,  // QStringList: the axis window's cycle files opened or saved last, newest first
  };

  // The stored value, or the key's default when none is stored.
  static QVariant Get(Key key);
  template <class T>
  static T Value(Key key) {
    return Get(key).value<T>();
  }
  // Written at once, so that a second window or the next start finds it.
  static void Set(Key key, const QVariant& value);
  static void Remove(Key key);
  // The key's name in the settings file.
  static QString Name(Key key);
};

}  // namespace brivane::ui
