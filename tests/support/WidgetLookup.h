// Helpers of the window tests: widgets found by name, a lookup that fails lists what is there, and
// the environment the tests pin.
#pragma once

#include <QApplication>
#include <QLocale>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <clocale>

namespace dialogtest {

// The C locale for the C library and for Qt, and an application name of the tests' own.
inline void PinEnvironment(const char* applicationName) {
  std::setlocale(LC_ALL, "C");
  QLocale::setDefault(QLocale::c());
  QCoreApplication::setApplicationName(QString::fromLatin1(applicationName));
  QCoreApplication::setOrganizationName(QStringLiteral("brivane-tests"));
}

inline QString ChildNames(const QWidget* parent) {
  QStringList names;
  for (const QWidget* w : parent->findChildren<QWidget*>()) {
    if (!w->objectName().isEmpty()) names << w->objectName();
  }
  return names.join(QStringLiteral(", "));
}

// The child of `parent` with the object name `name`; null after a failed check that names what
// the parent holds. Use through FIND_CHILD, which returns from the test on failure.
template <typename T>
T* Child(const QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) {
    const QString what = QStringLiteral("no %1 \"%2\" in %3; there are: %4")
                             .arg(QString::fromLatin1(T::staticMetaObject.className()), QString::fromLatin1(name),
                                  parent->objectName(), ChildNames(parent));
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
  }
  return child;
}

}  // namespace dialogtest

#define FIND_CHILD(var, Type, parent, name)              \
  Type* var = dialogtest::Child<Type>((parent), (name)); \
  if (var == nullptr) return
