// Helpers of the window tests: widgets found by name, a lookup that fails lists what is there, and
// the environment the tests pin.
#pragma once

#include <QApplication>
#include <QLocale>
#include <QObject>
#include <QStringList>

#include <clocale>

namespace dialogtest {

// The C locale for the C library and for Qt, and an application name of the tests' own.
inline void PinEnvironment(const char* applicationName) {
  std::setlocale(LC_ALL, "C");
  QLocale::setDefault(QLocale::c());
  QCoreApplication::setApplicationName(QString::fromLatin1(applicationName));
  QCoreApplication::setOrganizationName(QStringLiteral("brivane-tests"));
}

// The object names below `root`, for a lookup that fails.
inline QString ChildNames(const QObject* root) {
  QStringList names;
  for (const QObject* o : root->findChildren<QObject*>()) {
    if (!o->objectName().isEmpty()) names << o->objectName();
  }
  return names.join(QStringLiteral(", "));
}

// The child of `root` (a widget, an action, ...) with the object name `name`. A lookup that fails
// ends the test program naming what `root` holds: the test cannot go on, and a null pointer would
// only crash it further on without saying why.
template <typename T>
T* Child(const QObject* root, const char* name) {
  T* child = root->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) {
    qFatal("no %s \"%s\" in %s; there are: %s", T::staticMetaObject.className(), name, qPrintable(root->objectName()),
           qPrintable(ChildNames(root)));
  }
  return child;
}

}  // namespace dialogtest

// Declares `var` as the child of `parent` named `name`.
#define FIND_CHILD(var, Type, parent, name) Type* var = dialogtest::Child<Type>((parent), (name))
