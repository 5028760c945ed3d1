#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

#include <memory>

// Tests reach a window's controls by their object names, so a renamed member touches no test.
// A name that finds nothing ends the test at once with that name, rather than as a null pointer.
template <typename T, typename Root> T *widgetNamed(const Root &root, const char *objectName)
{
    const QObject *parent = std::to_address(root);
    T *found = parent ? parent->findChild<T *>(QString::fromLatin1(objectName)) : nullptr;
    if (!found)
        qFatal("no %s named \"%s\"", T::staticMetaObject.className(), objectName);
    return found;
}
